#pragma once

#include "core/figurasegnaposto.h"
#include "ui/immagine.h"

#include <QPixmap>
#include <QString>

// The picture file of a word: the application folder, the pictures folder, then the word's
// syllables joined, exactly as the list stores them, with ".jpg".
QString percorsoFiguraParola(const QString &parola);

// The word's picture for a picture area: decoded straight at the size asked for, stretched as
// the area stretches it, so a photo of any size costs no more memory than the area. The
// neutral placeholder when its file is missing or unreadable, so the exercise stays playable;
// such a file is then not read again, and warned about once.
Immagine::Sorgente sorgenteFiguraParola(const QString &parola);
