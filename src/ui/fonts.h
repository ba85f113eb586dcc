#pragma once

#include "ui/layoutdata.h"

#include <QFont>

// The design's Windows families are replaced by open faces compiled into the program.
// Registers them with Qt on first use; safe to call more than once.
void registraCaratteri();

// The bundled family that stands for a family named in the layouts.
QString famigliaSostitutiva(const QString &famigliaProgetto);

// The bold font a layout row asks for.
QFont fontPer(const Carattere &carattere);
