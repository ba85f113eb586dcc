#include "ui/cornicefuoco.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace {

// Dark outside, white inside: it stands out on the white tiles, the yellow slots and every
// background colour of the screens.
class DisegnoCornice : public QWidget {
public:
    DisegnoCornice() {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setObjectName(QStringLiteral("corniceFuoco"));
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        const int spessore = std::max(4, std::min(width(), height()) / 12);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 20, 120));
        QPainterPath esterno;
        esterno.addRect(rect());
        esterno.addRect(rect().adjusted(spessore, spessore, -spessore, -spessore));
        p.drawPath(esterno);
        p.setBrush(Qt::white);
        QPainterPath interno;
        const QRect dentro = rect().adjusted(spessore, spessore, -spessore, -spessore);
        interno.addRect(dentro);
        interno.addRect(dentro.adjusted(2, 2, -2, -2));
        p.drawPath(interno);
    }
};

} // namespace

CorniceFuoco::CorniceFuoco(QObject *parent)
    : QObject(parent) {}

void CorniceFuoco::segui(QWidget *controllo) {
    controllo->installEventFilter(this);
}

QWidget *CorniceFuoco::incorniciato() const {
    return m_disegno && m_disegno->isVisible() ? m_disegno->parentWidget() : nullptr;
}

void CorniceFuoco::mostraSu(QWidget *controllo) {
    if (!m_disegno) {
        m_disegno = new DisegnoCornice;
        m_disegno->setParent(controllo);
    } else if (m_disegno->parentWidget() != controllo) {
        m_disegno->setParent(controllo);
    }
    m_disegno->setGeometry(controllo->rect());
    m_disegno->raise();
    m_disegno->show();
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
        if (m_disegno && m_disegno->parentWidget() == controllo)
            m_disegno->hide();
        break;
    case QEvent::Resize:
        if (m_disegno && m_disegno->parentWidget() == controllo)
            m_disegno->setGeometry(controllo->rect());
        break;
    default:
        break;
    }
    return false;
}
