#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// How a word divides into syllables, and where the division could not be settled by spelling.
struct Divisione {
    QStringList sillabe;
    // True when the teacher should confirm the division (or the word has no vowel at all).
    bool incerta = false;
    // Letter positions in the word where an unmarked i or u meets another vowel and the stress,
    // which spelling does not show, decides whether a boundary falls there: position k means
    // between letters k-1 and k. The division joins them (the more common case); a boundary
    // there may be right instead.
    QVector<int> puntiIncerti;
};

// Divides Italian words into syllables the way primary schools teach it. Pure functions: the
// syllables are pieces of the word as given, in its own letter case and accents.
class Sillabazione {
public:
    static Divisione sillaba(const QString &parola);
    // The same without the table of words with a stressed i or u: what the rules alone say.
    static Divisione sillabaConLeRegole(const QString &parola);

    // The division written out with "-" between syllables and "?" at each uncertain place,
    // for example "pa?u-sa".
    static QString testo(const Divisione &divisione);

    static bool vocale(QChar lettera);

    // Common words whose unmarked i or u is stressed beside another vowel, written divided
    // ("zi-o"); spelling alone cannot tell them apart from words with a diphthong.
    static const QStringList &paroleConIato();
};
