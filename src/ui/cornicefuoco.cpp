#include "ui/cornicefuoco.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace {

// As thick as a small control allows, thicker on large ones; the frame lies around the
// control, never over it, so a check box's tick stays in sight.
int margine(const QWidget *controllo) {
    return std::clamp(std::min(controllo->width(), controllo->height()) / 10, 6, 10);
}

// Dark outside, white next to the control: it stands out on the white tiles, the yellow slots
// and every background colour of the screens.
class DisegnoCornice : public QWidget {
public:
    DisegnoCornice() {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setObjectName(QStringLiteral("corniceFuoco"));
    }
    int spessore = 4;

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        p.setPen(Qt::NoPen);
        const QRect bianco =
            rect().adjusted(spessore - 2, spessore - 2, 2 - spessore, 2 - spessore);
        QPainterPath scuro;
        scuro.addRect(rect());
        scuro.addRect(bianco);
        p.setBrush(QColor(20, 20, 120));
        p.drawPath(scuro);
        QPainterPath chiaro;
        chiaro.addRect(bianco);
        chiaro.addRect(rect().adjusted(spessore, spessore, -spessore, -spessore));
        p.setBrush(Qt::white);
        p.drawPath(chiaro);
    }
};

} // namespace

CorniceFuoco::CorniceFuoco(QObject *parent)
    : QObject(parent) {}

void CorniceFuoco::segui(QWidget *controllo) {
    controllo->installEventFilter(this);
}

QWidget *CorniceFuoco::incorniciato() const {
    return m_disegno && m_disegno->isVisible() ? m_incorniciato.data() : nullptr;
}

void CorniceFuoco::mostraSu(QWidget *controllo) {
    if (!m_disegno)
        m_disegno = new DisegnoCornice;
    if (m_disegno->parentWidget() != controllo->parentWidget())
        m_disegno->setParent(controllo->parentWidget());
    m_incorniciato = controllo;
    riposiziona();
    m_disegno->raise();
    m_disegno->show();
}

void CorniceFuoco::riposiziona() {
    if (!m_disegno || !m_incorniciato)
        return;
    const int m = margine(m_incorniciato);
    static_cast<DisegnoCornice *>(m_disegno.data())->spessore = m;
    m_disegno->setGeometry(m_incorniciato->geometry().adjusted(-m, -m, m, m));
}

bool CorniceFuoco::eventFilter(QObject *oggetto, QEvent *evento) {
    auto *controllo = qobject_cast<QWidget *>(oggetto);
    if (!controllo)
        return false;
    switch (evento->type()) {
    case QEvent::FocusIn: {
        // The focus a window hands out when it opens or comes back is no sign of a keyboard
        // player; a mouse player should never see the frame.
        const Qt::FocusReason perche = static_cast<QFocusEvent *>(evento)->reason();
        if (perche == Qt::TabFocusReason || perche == Qt::BacktabFocusReason)
            m_tastiera = true;
        else if (perche == Qt::MouseFocusReason)
            m_tastiera = false;
        if (m_tastiera)
            mostraSu(controllo);
        break;
    }
    case QEvent::FocusOut:
    case QEvent::Hide:
        if (m_disegno && m_incorniciato == controllo)
            m_disegno->hide();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (m_incorniciato == controllo)
            riposiziona();
        break;
    default:
        break;
    }
    return false;
}
