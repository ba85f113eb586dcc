#pragma once

#include <QByteArray>
#include <QStringList>
#include <QVector>

// A word list as the game reads it and as older Windows editors write it: one word a line,
// each syllable in double quotes, separated by commas, lines ending in CR LF, in Windows-1252;
// UTF-8 with a byte-order mark only when a character has no place in Windows-1252.
QByteArray testoListaParole(const QVector<QStringList> &parole);
