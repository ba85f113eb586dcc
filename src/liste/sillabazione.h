#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class DivisioniNote;
class FonemiParola;

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

// Divides Italian words into syllables the way primary schools teach it. The syllables are
// pieces of the word as given, in its own letter case and accents.
class Sillabazione {
public:
    // The division every part of the program shows and checks against: a division already known
    // for the word (one the teacher confirmed, one of our own lists), then the table of words
    // with a stressed i or u, then the rules helped by the pronunciation set with usaPronuncia.
    static Divisione sillaba(const QString &parola);
    // What the rules say, helped by `fonemi` where it knows the word: a stressed i or u beside
    // another vowel splits from it, an unstressed one stays, an i that is not heard is no vowel.
    // Without it, every place that only the stress could settle is marked uncertain.
    static Divisione sillabaConLeRegole(const QString &parola, FonemiParola *fonemi = nullptr);

    // What sillaba() uses, for the whole program (the editor and its command line set them; the
    // game does not divide words). Not owned; nullptr for none.
    static void usaPronuncia(FonemiParola *fonemi);
    static void usaDivisioniNote(DivisioniNote *note);
    // Where the editor stores the divisions the teacher confirms; nullptr when none is set.
    static DivisioniNote *divisioniNote();

    // Whether two divisions of the same word differ only where school books accept both: a
    // consonant group that no Italian word starts with, kept together or split (at-le-ta and
    // a-tle-ta, ap-ne-a and a-pne-a, cap-su-la and ca-psu-la).
    static bool alternativaScolastica(const QStringList &una, const QStringList &altra);

    // The division written out with "-" between syllables and "?" at each uncertain place,
    // for example "pa?u-sa".
    static QString testo(const Divisione &divisione);

    // Why the text cannot be a word of the game ("casa bella", "ape2", "l'ape"), or an empty
    // string. Letters and accented letters only.
    static QString motivoRifiuto(const QString &parola);

    static bool vocale(QChar lettera);

    // Common words whose unmarked i or u is stressed beside another vowel, written divided
    // ("zi-o"); spelling alone cannot tell them apart from words with a diphthong.
    static const QStringList &paroleConIato();
};
