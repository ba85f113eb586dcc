#include "exercise/trascinamentotessere.h"

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QTouchEvent>
#include <QWidget>

namespace {

const char *const SfondoNormale = "zampirolo_sfondoNormale";
const char *const CorniceNormale = "zampirolo_corniceNormale";
const char *const SpessoreNormale = "zampirolo_spessoreNormale";

// The picked-up tile and the slot it would land on stand out with a strong colour and a thick
// border; a child must see at a glance what is selected.
const QColor ColoreSelezione(255, 165, 0);
const QColor ColoreBersaglio(255, 230, 120);

void evidenzia(QWidget *widget, const QColor *colore) {
    auto *cornice = qobject_cast<QFrame *>(widget);
    if (!cornice)
        return;
    const bool giaEvidenziato = cornice->property(SfondoNormale).isValid();
    QPalette tavolozza = cornice->palette();
    if (colore) {
        if (!giaEvidenziato) {
            cornice->setProperty(SfondoNormale, tavolozza.color(QPalette::Window));
            cornice->setProperty(CorniceNormale, int(cornice->frameShape()));
            cornice->setProperty(SpessoreNormale, cornice->lineWidth());
        }
        tavolozza.setColor(QPalette::Window, *colore);
        cornice->setPalette(tavolozza);
        cornice->setFrameShape(QFrame::Box);
        cornice->setLineWidth(3);
    } else if (giaEvidenziato) {
        tavolozza.setColor(QPalette::Window, cornice->property(SfondoNormale).value<QColor>());
        cornice->setPalette(tavolozza);
        cornice->setFrameShape(QFrame::Shape(cornice->property(CorniceNormale).toInt()));
        cornice->setLineWidth(cornice->property(SpessoreNormale).toInt());
        cornice->setProperty(SfondoNormale, QVariant());
        cornice->setProperty(CorniceNormale, QVariant());
        cornice->setProperty(SpessoreNormale, QVariant());
    }
}

bool contiene(const QList<QPointer<QWidget>> &elenco, const QWidget *widget) {
    return widget && std::any_of(elenco.cbegin(), elenco.cend(),
                                 [widget](const QPointer<QWidget> &w) { return w == widget; });
}

} // namespace

TrascinamentoTessere::TrascinamentoTessere(QWidget *superficie)
    : QObject(superficie)
    , m_superficie(superficie) {}

void TrascinamentoTessere::aggiungiTessera(QWidget *tessera, int indice) {
    m_tessere.append(tessera);
    m_indici.append(indice);
    // Fingers are followed as touches, not only as the mouse events made up from them.
    tessera->setAttribute(Qt::WA_AcceptTouchEvents);
    tessera->installEventFilter(this);
}

void TrascinamentoTessere::aggiungiBersaglio(QWidget *bersaglio, Casella casella) {
    m_bersagli.append(bersaglio);
    m_caselle.append(casella);
    bersaglio->installEventFilter(this);
}

void TrascinamentoTessere::osservaSuperficie() {
    m_superficie->installEventFilter(this);
    // A window that loses focus mid-drag may never see the release.
    m_superficie->window()->installEventFilter(this);
    for (QWidget *figlio : m_superficie->findChildren<QWidget *>()) {
        if (!eTessera(figlio) && !contiene(m_bersagli, figlio))
            figlio->installEventFilter(this);
    }
}

void TrascinamentoTessere::annulla() {
    riponi();
    seleziona(nullptr);
}

void TrascinamentoTessere::scegli(QWidget *tessera) {
    riponi();
    seleziona(eTessera(tessera) && tessera->isEnabled() ? tessera : nullptr);
}

void TrascinamentoTessere::posaSu(QWidget *bersaglio) {
    QWidget *tessera = m_selezionata;
    seleziona(nullptr);
    if (tessera && contiene(m_bersagli, bersaglio))
        emettiRilascio(tessera, bersaglio, Ingresso::Tastiera);
}

bool TrascinamentoTessere::eTessera(const QWidget *widget) const {
    return contiene(m_tessere, widget);
}

bool TrascinamentoTessere::eventFilter(QObject *oggetto, QEvent *evento) {
    auto *widget = qobject_cast<QWidget *>(oggetto);
    if (!widget)
        return false;
    switch (evento->type()) {
    case QEvent::WindowDeactivate:
        if (widget->isWindow())
            riponi();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(evento);
        if (mouse->button() != Qt::LeftButton)
            return m_trascinata != nullptr;
        if (m_trascinata)
            return true;
        return premi(widget, mouse->globalPosition().toPoint());
    }
    case QEvent::MouseMove:
        if (!m_trascinata || m_dito != -1)
            return false;
        sposta(static_cast<QMouseEvent *>(evento)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(evento);
        if (!m_trascinata || m_dito != -1 || mouse->button() != Qt::LeftButton)
            return m_trascinata != nullptr;
        rilascia(mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::TouchBegin: {
        auto *tocco = static_cast<QTouchEvent *>(evento);
        if (m_trascinata || tocco->points().isEmpty()) {
            evento->accept();
            return true;
        }
        const QEventPoint &punto = tocco->points().constFirst();
        if (!eTessera(widget) || !widget->isEnabled())
            return false; // the platform turns it into a mouse press, handled above
        premi(widget, punto.globalPosition().toPoint());
        m_dito = punto.id();
        evento->accept();
        return true;
    }
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: {
        if (!m_trascinata || m_dito == -1)
            return false;
        auto *tocco = static_cast<QTouchEvent *>(evento);
        if (evento->type() == QEvent::TouchCancel) {
            riponi();
            return true;
        }
        for (const QEventPoint &punto : tocco->points()) {
            if (punto.id() != m_dito)
                continue;
            const QPoint globale = punto.globalPosition().toPoint();
            if (evento->type() == QEvent::TouchEnd || punto.state() == QEventPoint::Released)
                rilascia(globale);
            else
                sposta(globale);
        }
        evento->accept();
        return true;
    }
    default:
        return false;
    }
}

bool TrascinamentoTessere::premi(QWidget *widget, const QPoint &globale) {
    if (eTessera(widget) && widget->isEnabled()) {
        m_trascinata = widget;
        m_dito = -1;
        m_posizioneOriginale = widget->pos();
        m_presa = globale - widget->mapToGlobal(QPoint(0, 0));
        m_puntoPressione = globale;
        m_oltreSoglia = false;
        const QObjectList fratelli = m_superficie->children();
        m_sopraSotto = nullptr;
        for (int i = fratelli.indexOf(widget) + 1; i < fratelli.size() && !m_sopraSotto; ++i)
            m_sopraSotto = qobject_cast<QWidget *>(fratelli.at(i));
        // Above everything else while it travels.
        widget->raise();
        return true;
    }
    if (!m_selezionata)
        return false;
    QWidget *tessera = m_selezionata;
    seleziona(nullptr);
    if (!contiene(m_bersagli, widget))
        return false;
    emettiRilascio(tessera, widget, Ingresso::Tap);
    return true;
}

void TrascinamentoTessere::sposta(const QPoint &globale) {
    if ((globale - m_puntoPressione).manhattanLength() >= QApplication::startDragDistance())
        m_oltreSoglia = true;
    m_trascinata->move(m_superficie->mapFromGlobal(globale) - m_presa);
    evidenziaBersaglio(m_oltreSoglia ? bersaglioSotto(globale) : nullptr);
}

void TrascinamentoTessere::rilascia(const QPoint &globale) {
    QWidget *tessera = m_trascinata;
    const bool spostata = m_oltreSoglia || (globale - m_puntoPressione).manhattanLength() >=
                                               QApplication::startDragDistance();
    QWidget *bersaglio = spostata ? bersaglioSotto(globale) : nullptr;
    const Ingresso ingresso = m_dito == -1 ? Ingresso::Mouse : Ingresso::Tocco;
    riponi();
    if (!spostata) {
        seleziona(tessera == m_selezionata ? nullptr : tessera);
        return;
    }
    seleziona(nullptr);
    if (bersaglio)
        emettiRilascio(tessera, bersaglio, ingresso);
}

void TrascinamentoTessere::emettiRilascio(QWidget *tessera, QWidget *bersaglio, Ingresso ingresso) {
    m_ingresso = ingresso;
    emit rilasciata(m_indici.at(m_tessere.indexOf(tessera)),
                    m_caselle.at(m_bersagli.indexOf(bersaglio)));
}

QWidget *TrascinamentoTessere::bersaglioSotto(const QPoint &globale) const {
    const QPoint punto = m_superficie->mapFromGlobal(globale);
    const QObjectList figli = m_superficie->children();
    // The topmost control under the point takes the drop, as long as it is a slot.
    for (auto it = figli.crbegin(); it != figli.crend(); ++it) {
        auto *widget = qobject_cast<QWidget *>(*it);
        if (!widget || widget == m_trascinata || widget->isWindow() || widget->isHidden() ||
            widget->testAttribute(Qt::WA_TransparentForMouseEvents))
            continue;
        if (widget->geometry().contains(punto))
            return contiene(m_bersagli, widget) ? widget : nullptr;
    }
    return nullptr;
}

void TrascinamentoTessere::evidenziaBersaglio(QWidget *bersaglio) {
    if (m_evidenziato == bersaglio)
        return;
    evidenzia(m_evidenziato, nullptr);
    m_evidenziato = bersaglio;
    evidenzia(m_evidenziato, &ColoreBersaglio);
}

void TrascinamentoTessere::seleziona(QWidget *tessera) {
    if (m_selezionata == tessera)
        return;
    evidenzia(m_selezionata, nullptr);
    m_selezionata = tessera;
    evidenzia(m_selezionata, &ColoreSelezione);
}

void TrascinamentoTessere::riponi() {
    evidenziaBersaglio(nullptr);
    if (!m_trascinata)
        return;
    m_trascinata->move(m_posizioneOriginale);
    if (m_sopraSotto)
        m_trascinata->stackUnder(m_sopraSotto);
    m_trascinata = nullptr;
    m_dito = -1;
}
