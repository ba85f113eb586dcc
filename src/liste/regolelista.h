#pragma once

#include "liste/tipofilelista.h"

#include <QString>
#include <QStringList>

struct Classificazione {
    Livello livello = Livello::Difficile;
    int numeroSillabe = 0;
};

// Which file of a list a word goes in, and which lists it may belong to.
class RegoleLista {
public:
    // Easy when every syllable is a vowel alone or one consonant and one vowel (accented or
    // not); difficult otherwise, qua and qui included.
    static Classificazione classificaParola(const QStringList &sillabe);

    // The digit that ends the name of the file the word goes in ("2" two easy syllables, "3"
    // three easy, "4" two difficult, "5" three difficult), or an empty text when a word of that
    // many syllables cannot be played.
    static QString cifraFile(const Classificazione &classificazione);

    // A consonant list ("ba" … "za") takes a word with a syllable that starts with its
    // consonant directly followed by a vowel; "cq&qu" words holding "qu"; "vocali" words that
    // start with a vowel; "TUTTE" every word.
    static bool appartieneALista(const QString &codiceLista, const QStringList &sillabe);
};
