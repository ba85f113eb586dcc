#pragma once

#include <QByteArray>
#include <QStringList>
#include <QVector>

class TabellaParole;

// A word list as the game reads it and as older Windows editors write it: one word a line,
// each syllable in double quotes, separated by commas, lines ending in CR LF, in Windows-1252;
// UTF-8 with a byte-order mark only when a character has no place in Windows-1252.
QByteArray testoListaParole(const QVector<QStringList> &parole);

// The words of a table read by the game's reader, a list of syllables each.
QVector<QStringList> paroleTabella(const TabellaParole &tabella, int sillabePerParola);
// Reads a written list file back with the game's own reader: why the game would refuse it or
// read other words than `parole`, or an empty string when it reads exactly those.
QString problemaListaScritta(const QString &percorso, const QVector<QStringList> &parole,
                             int sillabePerParola);
