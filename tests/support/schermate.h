#pragma once

#include "ui/caption.h"
#include "ui/finestra.h"

#include <QStringList>

// The screens the user can see, by name, sorted.
QStringList schermateAperte();
// Deletes the screens that closed themselves, as the event loop would.
void eliminaChiuse();
void chiudiTutte();
