#include "editor/grigliatessere.h"

#include "editor/modelloliste.h"
#include "editor/tesseraparola.h"
#include "liste/verificatore.h"

#include <QEvent>
#include <QGridLayout>

GrigliaTessere::GrigliaTessere(const ModelloListe &modello, QWidget *genitore)
    : QScrollArea(genitore)
    , m_modello(modello) {
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *tessere = new QWidget(this);
    m_griglia = new QGridLayout(tessere);
    m_griglia->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    setWidget(tessere);
    viewport()->installEventFilter(this);
}

void GrigliaTessere::mostra(const QString &codice, const QString &cifra) {
    // Later, not now: the click that got here may come from a button of one of them.
    while (QLayoutItem *voce = m_griglia->takeAt(0)) {
        if (QWidget *tessera = voce->widget()) {
            tessera->hide();
            tessera->deleteLater();
        }
        delete voce;
    }
    m_tessere.clear();
    for (const QStringList &sillabe : m_modello.parole(codice, cifra)) {
        const QString parola = sillabe.join(QString());
        QStringList problemi;
        for (const ProblemaVerifica &p : Verificatore::problemiParola(codice, cifra, sillabe))
            problemi << (p.forse ? QStringLiteral("Forse: ") : QString()) + p.messaggio;
        if (!m_modello.figuraNuova(parola))
            for (const ProblemaVerifica &p : Verificatore::problemiFigura(
                     m_modello.percorsoFigura(parola), int(sillabe.size())))
                problemi << p.messaggio;
        auto *tessera = new TesseraParola(sillabe, m_modello.figura(parola), problemi);
        connect(tessera, &TesseraParola::modifica, this, &GrigliaTessere::modifica);
        connect(tessera, &TesseraParola::togli, this, &GrigliaTessere::togli);
        m_tessere << tessera;
    }
    disponi();
}

void GrigliaTessere::disponi() {
    const int colonne = qMax(1, (viewport()->width() - 12) /
                                    (TesseraParola::Larghezza + m_griglia->horizontalSpacing()));
    while (QLayoutItem *voce = m_griglia->takeAt(0))
        delete voce; // the tiles stay, only their places go
    for (int i = 0; i < m_tessere.size(); ++i)
        m_griglia->addWidget(m_tessere[i], i / colonne, i % colonne);
}

bool GrigliaTessere::eventFilter(QObject *oggetto, QEvent *evento) {
    if (oggetto == viewport() && evento->type() == QEvent::Resize)
        disponi();
    return QScrollArea::eventFilter(oggetto, evento);
}
