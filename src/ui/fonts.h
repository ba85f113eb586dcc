#pragma once

#include "ui/layoutdata.h"

#include <QFont>

// The design's Windows families are replaced by open faces compiled into the program.
// fontPer registers the face it hands out, on first use; calling it again is safe.

// The bundled family that stands for a family named in the layouts.
QString famigliaSostitutiva(const QString &famigliaProgetto);

// The bold font a layout row asks for.
QFont fontPer(const Carattere &carattere);
