#include "ui/smistatoreattivazioni.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

void SmistatoreAttivazioni::installa() {
    static SmistatoreAttivazioni *installato = nullptr;
    if (installato)
        return;
    installato = new SmistatoreAttivazioni(qApp);
    qApp->installEventFilter(installato);
    connect(qApp, &QGuiApplication::applicationStateChanged, installato,
            [](Qt::ApplicationState stato) {
                if (stato == Qt::ApplicationActive) {
                    if (installato->m_inattiva)
                        installato->m_regole.applicazioneRitornata();
                    installato->m_inattiva = false;
                } else {
                    installato->m_inattiva = true;
                }
            });
}

bool SmistatoreAttivazioni::eventFilter(QObject *oggetto, QEvent *evento) {
    if (evento->type() == QEvent::WindowActivate && oggetto->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(oggetto);
        if (widget->isWindow()) {
            auto *schermata = dynamic_cast<Attivabile *>(widget);
            const bool primaVolta = schermata && !schermata->giaAttivata();
            if (m_regole.finestraAttivata(widget, schermata != nullptr, primaVolta))
                schermata->attiva();
        }
    }
    return QObject::eventFilter(oggetto, evento);
}
