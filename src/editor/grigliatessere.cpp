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
    // A tile whose word, problems and picture are the same stays as it is: making and laying out
    // hundreds of them again at every word added is what a teacher would feel.
    QMultiHash<QString, TesseraParola *> vecchie;
    vecchie.swap(m_perImpronta);
    QList<TesseraParola *> tessere;
    for (const QStringList &sillabe : m_modello.parole(codice, cifra)) {
        const QString parola = sillabe.join(QString());
        QStringList problemi;
        for (const ProblemaVerifica &p : Verificatore::problemiParola(codice, cifra, sillabe))
            problemi << (p.forse ? QStringLiteral("Forse: ") : QString()) + p.messaggio;
        const MiniatureParole::Miniatura &miniatura =
            m_modello.miniatura(parola, int(sillabe.size()));
        problemi << miniatura.problemi;
        const QString impronta = sillabe.join(QLatin1Char('-')) + QLatin1Char('\n') +
                                 problemi.join(QLatin1Char('\n')) + QLatin1Char('\n') +
                                 QString::number(miniatura.immagine.cacheKey());
        TesseraParola *tessera = nullptr;
        if (const auto trovata = vecchie.find(impronta); trovata != vecchie.end()) {
            tessera = *trovata;
            vecchie.erase(trovata);
        } else {
            tessera = new TesseraParola(sillabe, miniatura.immagine, problemi);
            connect(tessera, &TesseraParola::modifica, this, &GrigliaTessere::modifica);
            connect(tessera, &TesseraParola::togli, this, &GrigliaTessere::togli);
        }
        m_perImpronta.insert(impronta, tessera);
        tessere << tessera;
    }
    // Later, not now: the click that got here may come from a button of one of them.
    for (TesseraParola *tessera : std::as_const(vecchie)) {
        tessera->hide();
        tessera->deleteLater();
    }
    if (tessere != m_tessere) {
        m_tessere = tessere;
        disponi();
    }
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
