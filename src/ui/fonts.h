#pragma once

#include "ui/layoutdata.h"

#include <QFont>

// The design's Windows families are replaced by open faces compiled into the program.
// fontPer registers the face it hands out; registraCaratteri registers them all. Both are
// safe to call more than once.
void registraCaratteri();

// The bundled family that stands for a family named in the layouts.
QString famigliaSostitutiva(const QString &famigliaProgetto);

// The bold font a layout row asks for.
QFont fontPer(const Carattere &carattere);
