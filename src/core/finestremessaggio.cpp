#include "core/finestremessaggio.h"

#include "core/servizi.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon iconaQt(IconaMessaggio icona) {
    switch (icona) {
    case IconaMessaggio::Critica:
        return QMessageBox::Critical;
    case IconaMessaggio::Informazione:
        return QMessageBox::Information;
    case IconaMessaggio::Domanda:
        return QMessageBox::Question;
    case IconaMessaggio::Nessuna:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton pulsanteQt(Pulsante pulsante) {
    switch (pulsante) {
    case Pulsante::Ok:
        return QMessageBox::Ok;
    case Pulsante::Annulla:
        return QMessageBox::Cancel;
    case Pulsante::Si:
        return QMessageBox::Yes;
    case Pulsante::No:
        return QMessageBox::No;
    case Pulsante::Nessuno:
        break;
    }
    return QMessageBox::NoButton;
}

} // namespace

Pulsante FinestreMessaggioQt::mostra(const Messaggio &messaggio) {
    QMessageBox box(iconaQt(messaggio.icona), messaggio.titolo, messaggio.testo,
                    QMessageBox::NoButton, QApplication::activeWindow());
    for (Pulsante pulsante : messaggio.pulsanti)
        box.addButton(pulsanteQt(pulsante)); // labelled by Qt's Italian translation
    if (messaggio.predefinito != Pulsante::Nessuno)
        box.setDefaultButton(pulsanteQt(messaggio.predefinito));
    const int scelta = box.exec();
    for (Pulsante pulsante : messaggio.pulsanti) {
        if (scelta == pulsanteQt(pulsante))
            return pulsante;
    }
    // Escape or the close control: the box's escape button, or the last button offered.
    return messaggio.pulsanti.isEmpty() ? Pulsante::Nessuno : messaggio.pulsanti.last();
}

Pulsante mostraMessaggio(const QString &testo, IconaMessaggio icona,
                         const QList<Pulsante> &pulsanti, Pulsante predefinito) {
    return servizi().messaggi->mostra({TitoloProgramma, testo, icona, pulsanti, predefinito});
}

bool chiediSiNo(const QString &testo, Pulsante predefinito) {
    return mostraMessaggio(testo, IconaMessaggio::Domanda, {Pulsante::Si, Pulsante::No},
                           predefinito) == Pulsante::Si;
}
