#pragma once

#include <QStringList>

class ModelloListe;

// What importing a teacher's word list did, word by word.
struct ImportazioneParole {
    QStringList aggiunte;  // divided, as "ca-sa"
    QStringList incerte;   // added, but the division should be confirmed
    QStringList rifiutate; // "parola: why"
    QStringList giaPresenti;

    // One word a line, each composed, divided automatically and added where it belongs.
    static ImportazioneParole importa(ModelloListe &modello, const QString &testo);
};
