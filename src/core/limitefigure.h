#pragma once

#include <QImage>

class QImageReader;

// The most pixels a picture may have: a 48 MP phone photo fits, with room to spare.
constexpr qint64 MassimoPixelFigura = 50'000'000;

// Whether the picture `lettore` would decode fits MassimoPixelFigura, judged from the size its
// header promises, before any pixel is decoded. A teacher's folder may hold any file, and a few
// hundred bytes can promise 20000 × 20000: a progressive JPEG then needs its whole coefficient
// buffer (about 800 MB) whatever scale is asked, a PNG is inflated whole. A format whose header
// tells no size is left to Qt's own allocation limit (128 MB).
bool figuraEntroLimite(QImageReader &lettore);

// Every picture of the data folders is read through here: a null image, and `troppoGrande` set,
// when it does not fit the budget. A reader already told to decode smaller (setScaledSize) may
// have to decode a picture whole first (PNG cannot shrink while decoding): for it alone, Qt's
// limit is raised to what the budget allows, so a 48 MP photo still loads.
QImage leggiFiguraEntroLimite(QImageReader &lettore, bool *troppoGrande = nullptr);
