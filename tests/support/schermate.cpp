#include "support/schermate.h"

#include "ui/finestra.h"

#include <QApplication>

QStringList schermateAperte() {
    QStringList nomi;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<Finestra *>(w) && w->isVisible())
            nomi << w->objectName();
    }
    nomi.sort();
    return nomi;
}

void eliminaChiuse() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void chiudiTutte() {
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    eliminaChiuse();
}
