#include "editor/grigliatessere.h"

#include "editor/modelloliste.h"
#include "editor/tesseraparola.h"
#include "liste/verificatore.h"

#include <QEvent>
#include <QGridLayout>
#include <QScrollBar>

namespace {
constexpr int Sempre = 20; // tiles made whatever the view
}

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
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &GrigliaTessere::cresci);
}

void GrigliaTessere::mostra(const QString &codice, const QString &cifra) {
    // Another list starts from its top, with none of its tiles made yet; the same list keeps as
    // many made as the teacher has seen.
    const bool stessa = codice == m_codice && cifra == m_cifra;
    m_codice = codice;
    m_cifra = cifra;
    m_parole = m_modello.parole(codice, cifra);
    // A tile whose word, problems and picture are the same stays as it is: making and laying out
    // hundreds of them again at every word added is what a teacher would feel.
    QMultiHash<QString, TesseraParola *> vecchie;
    vecchie.swap(m_perImpronta);
    QList<TesseraParola *> tessere;
    const int quante = stessa ? qMin(int(m_parole.size()), int(m_tessere.size())) : 0;
    for (int i = 0; i < quante; ++i)
        tessere << tesseraDi(i, vecchie);
    // Later, not now: the click that got here may come from a button of one of them.
    for (TesseraParola *tessera : std::as_const(vecchie)) {
        tessera->hide();
        tessera->deleteLater();
    }
    if (tessere != m_tessere) {
        m_tessere = tessere;
        disponi();
    }
    if (!stessa)
        verticalScrollBar()->setValue(0);
    cresci();
}

TesseraParola *GrigliaTessere::tesseraDi(int indice,
                                         QMultiHash<QString, TesseraParola *> &vecchie) {
    const QStringList &sillabe = m_parole.at(indice);
    QStringList problemi;
    for (const ProblemaVerifica &p : Verificatore::problemiParola(m_codice, m_cifra, sillabe))
        problemi << (p.forse ? QStringLiteral("Forse: ") : QString()) + p.messaggio;
    const MiniatureParole::Miniatura &miniatura =
        m_modello.miniatura(sillabe.join(QString()), int(sillabe.size()));
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
    return tessera;
}

// Makes tiles, a row at a time, until they reach half a view below the one shown: scrolling
// (and Tab, which scrolls to the button it reaches) always finds the next ones made. A short
// list is made whole, even before the window has its size.
void GrigliaTessere::cresci() {
    const int perRiga = colonne();
    const int serve = verticalScrollBar()->value() + viewport()->height() * 3 / 2;
    QMultiHash<QString, TesseraParola *> nessuna;
    int fatta = altezzaFatta();
    while (m_tessere.size() < m_parole.size() && (fatta < serve || m_tessere.size() < Sempre)) {
        const int fine =
            qMin(int(m_parole.size()), (int(m_tessere.size()) / perRiga + 1) * perRiga);
        for (int i = int(m_tessere.size()); i < fine; ++i) {
            m_tessere << tesseraDi(i, nessuna);
            m_griglia->addWidget(m_tessere.last(), i / perRiga, i % perRiga);
            // Now, not when the grid gets round to it: a tile still hidden would not count.
            m_tessere.last()->show();
        }
        fatta = altezzaFatta();
    }
    // The words not made yet still count in the scroll bar, as rows like those made.
    const int righe = int((m_parole.size() + perRiga - 1) / perRiga);
    const int fatte = int((m_tessere.size() + perRiga - 1) / perRiga);
    widget()->setMinimumHeight(fatte == righe ? 0
                                              : fatta + (righe - fatte) * fatta / qMax(1, fatte));
}

int GrigliaTessere::colonne() const {
    return qMax(1, (viewport()->width() - 12) /
                       (TesseraParola::Larghezza + m_griglia->horizontalSpacing()));
}

// How tall the tiles made so far stand, as the grid lays them out.
int GrigliaTessere::altezzaFatta() const {
    return m_tessere.isEmpty() ? 0 : m_griglia->sizeHint().height();
}

void GrigliaTessere::disponi() {
    const int perRiga = colonne();
    while (QLayoutItem *voce = m_griglia->takeAt(0))
        delete voce; // the tiles stay, only their places go
    for (int i = 0; i < m_tessere.size(); ++i)
        m_griglia->addWidget(m_tessere[i], i / perRiga, i % perRiga);
}

bool GrigliaTessere::eventFilter(QObject *oggetto, QEvent *evento) {
    if (oggetto == viewport() && evento->type() == QEvent::Resize) {
        disponi();
        cresci();
    }
    return QScrollArea::eventFilter(oggetto, evento);
}
