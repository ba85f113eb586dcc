#include "core/limitefigure.h"

#include <QImageReader>

bool figuraEntroLimite(QImageReader &lettore) {
    const QSize promessa = lettore.size();
    return !promessa.isValid() ||
           qint64(promessa.width()) * promessa.height() <= MassimoPixelFigura;
}

QImage leggiFiguraEntroLimite(QImageReader &lettore, bool *troppoGrande) {
    const bool entro = figuraEntroLimite(lettore);
    if (troppoGrande)
        *troppoGrande = !entro;
    if (!entro)
        return {};
    // Qt's limit is one for the whole program: raised for this read only. Pictures are read on
    // the main thread alone.
    const int limite = QImageReader::allocationLimit();
    const int perIlBudget = int(MassimoPixelFigura * 4 / (1024 * 1024)) + 1; // 4 bytes a pixel
    const bool alza = lettore.scaledSize().isValid() && limite > 0 && limite < perIlBudget;
    if (alza)
        QImageReader::setAllocationLimit(perIlBudget);
    const QImage figura = lettore.read();
    if (alza)
        QImageReader::setAllocationLimit(limite);
    return figura;
}
