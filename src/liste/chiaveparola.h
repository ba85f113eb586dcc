#pragma once

#include <QString>

// A word's identity, the one used everywhere two words are compared: the list reader's count of
// different words, the exercise's draw, the checker and the editor. Two spellings are one word
// when their tiles look alike in capitals, the letters the game shows first and judges by: case
// aside, composed and decomposed accents alike, long s (ſ) as s, a ligature (ﬁ) as its letters.
QString chiaveParola(const QString &parola);
