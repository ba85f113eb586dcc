#include "screens/tastieramenu.h"

#include "ui/cornicefuoco.h"

#include <QKeyEvent>
#include <QRadioButton>

namespace {

// The chooser shows the lists in two columns, the first nine on the left.
constexpr int RighePrimaColonna = 9;

} // namespace

TastieraMenu::TastieraMenu(const QList<QAbstractButton *> &pulsanti,
                           const QList<QRadioButton *> &opzioni, QObject *parent)
    : QObject(parent)
    , m_opzioni(opzioni) {
    auto *cornice = new CorniceFuoco(this);
    for (QAbstractButton *pulsante : pulsanti) {
        pulsante->installEventFilter(this);
        cornice->segui(pulsante);
    }
    for (QRadioButton *opzione : opzioni) {
        opzione->installEventFilter(this);
        cornice->segui(opzione);
    }
}

bool TastieraMenu::muoviTraOpzioni(int qui, int tasto) {
    const int n = int(m_opzioni.size());
    int dove = qui;
    switch (tasto) {
    case Qt::Key_Up:
        dove = qMax(0, qui - 1);
        break;
    case Qt::Key_Down:
        dove = qMin(n - 1, qui + 1);
        break;
    case Qt::Key_Left:
        dove = qui >= RighePrimaColonna ? qui - RighePrimaColonna : qui;
        break;
    case Qt::Key_Right:
        dove = qMin(n - 1, qui < RighePrimaColonna ? qui + RighePrimaColonna : qui);
        break;
    case Qt::Key_Tab:
        dove = (qui + 1) % n;
        break;
    case Qt::Key_Backtab:
        dove = (qui + n - 1) % n;
        break;
    default:
        return false;
    }
    // Moving only moves the focus: a list is chosen, and confirmed, with Space or Enter.
    m_opzioni.at(dove)->setFocus(Qt::TabFocusReason);
    return true;
}

bool TastieraMenu::eventFilter(QObject *oggetto, QEvent *evento) {
    if (evento->type() != QEvent::KeyPress)
        return false;
    auto *tasto = static_cast<QKeyEvent *>(evento);
    auto *pulsante = qobject_cast<QAbstractButton *>(oggetto);
    if (!pulsante)
        return false;
    if (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter) {
        if (!tasto->isAutoRepeat())
            pulsante->click();
        return true;
    }
    const int qui = m_opzioni.indexOf(qobject_cast<QRadioButton *>(pulsante));
    return qui >= 0 && muoviTraOpzioni(qui, tasto->key());
}
