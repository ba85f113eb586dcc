#pragma once

#include <QString>
#include <QVector>

// What the pronunciation says of each vowel letter of a word.
enum class Suono : char {
    Nessuno,    // a consonant, or a vowel letter nobody asked about
    Muto,       // written only to soften the consonant before it: the i of ca-mi-cia, sciar-pa
    Semivocale, // a glide, j or w (the i of fio-re and fiu-me, the u of guan-to)
    Atono,      // a vowel, unstressed (the i of spa-zio)
    Tonico,     // heard and stressed (the u of pa-u-ra)
};

// Lays a word's IPA pronunciation over its letters, vowel letter by vowel sound, in one pass.
class PronunciaParola {
public:
    // `lettere` are the word's code points in lower case. Empty when the pronunciation does not
    // fit the letters (another word, a word spelled out, digits read aloud): then it says
    // nothing about this word.
    static QVector<Suono> allinea(const QVector<char32_t> &lettere, const QString &fonemi);
};
