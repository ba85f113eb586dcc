#pragma once

#include <QString>

// What went wrong while reading a word list, told in Italian so the screens can show it.
struct ErroreLista {
    enum class Tipo { FileMancante, TroppeParole, ParolaIncompleta, SillabaNonValida };

    Tipo tipo = Tipo::FileMancante;
    QString file;   // full path of the list file
    int parola = 0; // 1-based record number, 0 when the file itself is at fault
    QString dettaglio;

    QString descrizione() const;
};
