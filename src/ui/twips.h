#pragma once

#include "ui/clsresize.h"

#include <QRect>

class QWidget;

// Layouts and the resizer speak twips; widgets speak device-independent pixels, 15 twips each.
int pixel(double twips);

// A control's geometry in twips, relative to its container (the window's client area or a
// frame).
double leggiTwips(const QWidget *controllo, ControlloRidimensionabile::Proprieta proprieta);
void scriviTwips(QWidget *controllo, ControlloRidimensionabile::Proprieta proprieta, double twips);
// A rectangle with the given properties replaced.
QRect geometriaTwips(QRect pixel, const ControlloRidimensionabile::Geometria &twips);
// Sets the given properties of a control with a single geometry change.
void scriviGeometriaTwips(QWidget *controllo, const ControlloRidimensionabile::Geometria &twips);
