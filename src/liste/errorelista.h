#pragma once

#include <QString>

// What went wrong while reading a word list, told in Italian so the screens can show it.
struct ErroreLista {
    enum class Tipo {
        FileMancante,
        FileNonAdatto, // not a plain file, or far larger than any list
        TroppeParole,
        ParolaIncompleta,
        SillabaNonValida,
        ParolaNonValida, // the syllables are fine, but their word cannot name a picture
    };

    Tipo tipo = Tipo::FileMancante;
    QString file;   // full path of the list file
    int parola = 0; // 1-based record number, 0 when the file itself is at fault
    QString dettaglio;

    QString descrizione() const;
};

// The text with every character that would not show, or would cut or garble a message or what
// a screen reader says, written as its code, U+0006.
QString testoLeggibile(const QString &testo);
