#include "support/schermate.h"

#include "exercise/esercizio.h"
#include "exercise/schermataesercizio.h"
#include "support/testdoubles.h"
#include "ui/finestra.h"

#include <QApplication>
#include <QScreen>
#include <QtTest>

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

ProvaSchermate::ProvaSchermate(quint64 seme)
    : ambiente(cartella.percorso(), seme) {
    QApplication::setQuitOnLastWindowClosed(false);
}

SchermataEsercizio *apriEsercizio(int quale) {
    SchermataEsercizio *s = quale == 1 ? mostraDISEGNI1() : mostraDISEGNI2();
    const auto pronta = [s] {
        return s->giaAttivata() && s->geometry() == s->screen()->geometry();
    };
    return s && QTest::qWaitFor(pronta) ? s : nullptr;
}

QList<QWidget *> tessere(SchermataEsercizio *s) {
    QList<QWidget *> tutte;
    for (const RiferimentoControllo &r : s->configurazione().tessere)
        tutte << s->controllo(r.nome, r.indice);
    return tutte;
}

QWidget *casella(SchermataEsercizio *s, Casella c) {
    return s->controllo(s->configurazione().caselle.at(c.colonna - 1), c.membro);
}

QWidget *tesseraPer(SchermataEsercizio *s, Casella c, bool giusta) {
    for (QWidget *t : tessere(s)) {
        if (t->isEnabled() &&
            sillabaGiusta(s->esercizio().sillabaAttesa(c), leggiCaption(t)) == giusta)
            return t;
    }
    return nullptr;
}

QPoint centro(QWidget *w) {
    return w->mapTo(w->window(), w->rect().center());
}

void trascina(QWidget *da, QWidget *a) {
    QWindow *finestra = da->window()->windowHandle();
    QTest::mousePress(finestra, Qt::LeftButton, {}, centro(da));
    QTest::mouseMove(finestra, (centro(da) + centro(a)) / 2);
    QTest::mouseMove(finestra, centro(a));
    QTest::mouseRelease(finestra, Qt::LeftButton, {}, centro(a));
}

void tocca(QWidget *w) {
    QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, {}, centro(w));
}

void premi(QWidget *finestra, Qt::Key tasto) {
    QTest::keyClick(finestra->windowHandle(), tasto);
}

bool tabulaSu(QWidget *finestra, QWidget *bersaglio) {
    for (int i = 0; i < 40 && bersaglio; ++i) {
        premi(finestra, Qt::Key_Tab);
        if (finestra->focusWidget() == bersaglio)
            return true;
    }
    return false;
}
