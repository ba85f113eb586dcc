#pragma once

#include "classe/elencobambini.h"
#include "classe/eventogioco.h"

#include <memory>

class RegistroRisultati;

// The class as the game sees it while it runs: the children (read from the class folder, or the
// teacher's folder without one), the child playing and that child's results. With no class file
// there is no child, and nothing is ever written.
namespace SessioneClasse {

// The folder holding the class file and the results: the class folder when one is set, else
// the teacher's own (from servizi()).
QString cartella();
// Reads the class file again (the menu does it each time it opens).
const ElencoBambini &caricaElenco();
const ElencoBambini &elenco();
bool classePresente();

// "" when nobody is chosen.
QString bambino();
// Chooses the child who plays; an empty name, or one not in the class, chooses nobody.
void scegliBambino(const QString &nome);
// Queues the event in the playing child's file; nothing at all when nobody plays.
void registra(const EventoGioco &evento);
// Waits for the queued events to be written (tests, and the end of the program).
void svuota();

// Forgets the class and the child, after writing what is queued.
void reimposta();

} // namespace SessioneClasse
