#include "ui/twips.h"

#include "ui/layoutdata.h"

#include <QWidget>
#include <cmath>

using Proprieta = ControlloRidimensionabile::Proprieta;

int pixel(double twips) {
    return int(std::lround(twips / TwipsPerPixel));
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
    QRect g = controllo->geometry();
    switch (proprieta) {
    case Proprieta::Left:
        g.moveLeft(pixel(twips));
        break;
    case Proprieta::Top:
        g.moveTop(pixel(twips));
        break;
    case Proprieta::Width:
        g.setWidth(std::max(0, pixel(twips)));
        break;
    case Proprieta::Height:
        g.setHeight(std::max(0, pixel(twips)));
        break;
    }
    controllo->setGeometry(g);
}
