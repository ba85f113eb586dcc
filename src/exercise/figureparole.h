#pragma once

#include <QPixmap>
#include <QString>

// The picture file of a word: the application folder, the pictures folder, then the word's
// syllables joined, exactly as the list stores them, with ".jpg".
QString percorsoFiguraParola(const QString &parola);

// The word's picture, or the neutral placeholder when its file is missing or unreadable, so
// the exercise stays playable.
QPixmap caricaFiguraParola(const QString &parola);

// A framed landscape on a pale ground: says "a picture belongs here" without a letter that
// could give the word away.
QPixmap figuraSegnaposto();
