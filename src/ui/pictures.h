#pragma once

#include "ui/layoutdata.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The pictures compiled into the program: button pictures, the yes/no pictures, the window
// icon and the mouse pointers.
// Makes the compiled-in pictures and fonts available; called by everything that reads them.
void caricaRisorseUi();

QString percorsoFigura(Figura figura);
QPixmap pixmapFigura(Figura figura);
QIcon iconaFigura(Figura figura);
// The mouse pointer made from an embedded picture, with its hot spot where the picture points.
QCursor puntatoreFigura(Figura figura);
