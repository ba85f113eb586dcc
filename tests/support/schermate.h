#pragma once

#include "exercise/casella.h"
#include "support/cartellaprova.h"
#include "support/testdoubles.h"
#include "ui/caption.h"
#include "ui/finestra.h"

#include <QStringList>

// The screens the user can see, by name, sorted.
QStringList schermateAperte();
// Deletes the screens that closed themselves, as the event loop would.
void eliminaChiuse();
void chiudiTutte();

// One test function's application folder and doubles, for tests on the screens; the screens it
// leaves open are closed before the doubles go.
struct ProvaSchermate {
    explicit ProvaSchermate(quint64 seme = 7);
    ~ProvaSchermate() { chiudiTutte(); }
    CartellaProva cartella;
    AmbienteDiProva ambiente;
};

class SchermataEsercizio;
// An exercise screen (1: DISEGNI1, 2: DISEGNI2) shown, activated and covering the screen; nullptr
// when it refused to open.
SchermataEsercizio *apriEsercizio(int quale);
QList<QWidget *> tessere(SchermataEsercizio *s);
QWidget *casella(SchermataEsercizio *s, Casella c);
// An enabled tile that does, or does not, carry what the slot expects.
QWidget *tesseraPer(SchermataEsercizio *s, Casella c, bool giusta = true);

// Input as the window receives it, at the centre of a widget: a press, a move across in two
// steps and a release; a click; a key to whatever has the focus.
QPoint centro(QWidget *w);
void trascina(QWidget *da, QWidget *a);
void tocca(QWidget *w);
void premi(QWidget *finestra, Qt::Key tasto);
// Tabs until the focus is on `bersaglio`; false after a full round.
bool tabulaSu(QWidget *finestra, QWidget *bersaglio);
