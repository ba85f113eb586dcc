#pragma once

#include <QString>

// No Italian syllable comes near this; a longer one is a whole word or a slip of the keyboard.
constexpr int MassimoLettereSillaba = 8;

// A syllable goes on a tile and into a picture's file name, so it may not be empty, leave the
// pictures folder, hold what no file name can, nor hide characters that the child cannot see:
// returns why it is refused, or an empty text when it is fine. Blanks at either end are refused
// here; the list reader trims them before asking.
QString problemaSillaba(const QString &sillaba);

// A word (its syllables joined) names its picture, parola + ".jpg": returns why that name cannot
// be a file name on every system the lists travel to, or an empty text when it is fine.
QString problemaParola(const QString &parola);

// True for a character that shows nothing or changes how the text around it shows: controls,
// format characters, separators other than the plain space, private-use and unassigned code
// points, lone surrogates.
bool carattereInvisibile(char32_t u);
