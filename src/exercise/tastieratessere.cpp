#include "exercise/tastieratessere.h"

#include "exercise/esercizio.h"
#include "exercise/trascinamentotessere.h"
#include "ui/cornicefuoco.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

namespace {

QList<QWidget *> inOrdineDiLettura(const QList<QPointer<QWidget>> &controlli) {
    QList<QWidget *> elenco;
    for (QWidget *w : controlli) {
        if (w && w->isEnabled() && w->isVisible())
            elenco.append(w);
    }
    std::stable_sort(elenco.begin(), elenco.end(), [](QWidget *a, QWidget *b) {
        // Tiles and slots of one row share a top edge; a small step still counts as one row.
        if (qAbs(a->y() - b->y()) > a->height() / 2)
            return a->y() < b->y();
        return a->x() < b->x();
    });
    return elenco;
}

} // namespace

TastieraTessere::TastieraTessere(TrascinamentoTessere &trascinamento, const Esercizio &esercizio,
                                 QWidget *finestra, QAbstractButton *avanti)
    : QObject(finestra)
    , m_trascinamento(trascinamento)
    , m_esercizio(esercizio)
    , m_finestra(finestra)
    , m_avanti(avanti)
    , m_cornice(new CorniceFuoco(this)) {
    finestra->installEventFilter(this);
    segui(avanti);
}

void TastieraTessere::segui(QWidget *controllo) {
    // Only the keyboard moves this focus, so mouse players never see the frame.
    controllo->setFocusPolicy(Qt::TabFocus);
    controllo->installEventFilter(this);
    m_cornice->segui(controllo);
}

void TastieraTessere::aggiungiTessera(QWidget *tessera) {
    m_tessere.append(tessera);
    segui(tessera);
}

void TastieraTessere::aggiungiCasella(QWidget *casella, Casella posto) {
    m_caselle.append(casella);
    m_posti.insert(casella, posto);
    segui(casella);
}

QList<QWidget *> TastieraTessere::percorso() const {
    QList<QWidget *> elenco = inOrdineDiLettura(m_tessere) + inOrdineDiLettura(m_caselle);
    if (m_avanti && m_avanti->isEnabled())
        elenco.append(m_avanti);
    return elenco;
}

void TastieraTessere::metti(QWidget *controllo) {
    if (controllo)
        controllo->setFocus(Qt::TabFocusReason);
}

void TastieraTessere::sposta(int passo) {
    const QList<QWidget *> elenco = percorso();
    if (elenco.isEmpty())
        return;
    const int qui = elenco.indexOf(m_finestra->focusWidget());
    if (qui < 0) {
        metti(passo > 0 ? elenco.first() : elenco.last());
        return;
    }
    metti(elenco.at((qui + passo + elenco.size()) % elenco.size()));
}

void TastieraTessere::conferma(QWidget *controllo) {
    if (controllo == m_avanti) {
        m_avanti->click();
        const QList<QWidget *> elenco = percorso();
        metti(elenco.isEmpty() ? nullptr : elenco.first());
        return;
    }
    if (m_tessere.contains(controllo)) {
        const bool giaScelta = m_trascinamento.selezionata() == controllo;
        m_trascinamento.scegli(giaScelta ? nullptr : controllo);
        if (!giaScelta) {
            const QList<QWidget *> caselle = inOrdineDiLettura(m_caselle);
            auto vuota = std::find_if(caselle.cbegin(), caselle.cend(), [this](QWidget *c) {
                return m_esercizio.tesseraIn(m_posti.value(c)) < 0;
            });
            metti(vuota != caselle.cend() ? *vuota : caselle.value(0));
        }
        return;
    }
    if (!m_caselle.contains(controllo) || !m_trascinamento.selezionata())
        return;
    m_trascinamento.posaSu(controllo);
    // Back to the tiles for the next syllable, or on to "avanti" once all are placed.
    const QList<QWidget *> tessere = inOrdineDiLettura(m_tessere);
    metti(tessere.isEmpty() ? (m_avanti && m_avanti->isEnabled() ? m_avanti.data() : nullptr)
                            : tessere.first());
}

void TastieraTessere::lascia() {
    QWidget *scelta = m_trascinamento.selezionata();
    m_trascinamento.annulla();
    metti(scelta);
}

bool TastieraTessere::eventFilter(QObject *oggetto, QEvent *evento) {
    if (evento->type() != QEvent::KeyPress)
        return false;
    auto *tasto = static_cast<QKeyEvent *>(evento);
    if (tasto->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    auto *controllo = qobject_cast<QWidget *>(oggetto);
    switch (tasto->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Right:
    case Qt::Key_Down:
        sposta(+1);
        return true;
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Up:
        sposta(-1);
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!tasto->isAutoRepeat() && controllo != m_finestra)
            conferma(controllo);
        return true;
    case Qt::Key_Escape:
        lascia();
        return true;
    default:
        return false;
    }
}
