#pragma once

class QApplication;

// The whole run of the game on an application object made by the caller: services, start-up,
// the start screen and the event loop. Returns the exit code.
int eseguiProgramma(QApplication &app);
