#include "ui/twips.h"

#include "ui/layoutdata.h"

#include <QWidget>
#include <cmath>

using Proprieta = ControlloRidimensionabile::Proprieta;

int pixel(double twips) {
    // Halves away from zero, as lround, without the library call: a pass converts four values
    // for every control.
    const double p = twips / TwipsPerPixel;
    return int(p < 0 ? p - 0.5 : p + 0.5);
}

double leggiTwips(const QWidget *controllo, Proprieta proprieta) {
    const QRect g = controllo->geometry();
    switch (proprieta) {
    case Proprieta::Left:
        return double(g.x()) * TwipsPerPixel;
    case Proprieta::Top:
        return double(g.y()) * TwipsPerPixel;
    case Proprieta::Width:
        return double(g.width()) * TwipsPerPixel;
    case Proprieta::Height:
        return double(g.height()) * TwipsPerPixel;
    }
    return 0;
}

void scriviTwips(QWidget *controllo, Proprieta proprieta, double twips) {
    ControlloRidimensionabile::Geometria g;
    switch (proprieta) {
    case Proprieta::Left:
        g.left = twips;
        break;
    case Proprieta::Top:
        g.top = twips;
        break;
    case Proprieta::Width:
        g.width = twips;
        break;
    case Proprieta::Height:
        g.height = twips;
        break;
    }
    scriviGeometriaTwips(controllo, g);
}

QRect geometriaTwips(QRect g, const ControlloRidimensionabile::Geometria &twips) {
    if (twips.left)
        g.moveLeft(pixel(*twips.left));
    if (twips.top)
        g.moveTop(pixel(*twips.top));
    if (twips.width)
        g.setWidth(std::max(0, pixel(*twips.width)));
    if (twips.height)
        g.setHeight(std::max(0, pixel(*twips.height)));
    return g;
}

void scriviGeometriaTwips(QWidget *controllo, const ControlloRidimensionabile::Geometria &twips) {
    const QRect g = geometriaTwips(controllo->geometry(), twips);
    if (g != controllo->geometry())
        controllo->setGeometry(g);
}
