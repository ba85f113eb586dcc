#pragma once

#include <QPixmap>

// A framed landscape on a pale ground, for a word whose picture cannot be shown (in the game and
// in the list editor alike): says "a picture belongs here" without a letter that could give the
// word away.
QPixmap figuraSegnaposto();
