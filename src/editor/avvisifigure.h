#pragma once

#include <QStringList>

class ModelloListe;

// What is worth a word before saving, about pictures: a new word without one (the game shows an
// empty frame) and new pictures that are one and the same for two words.
struct AvvisiFigure {
    static QStringList senzaFigura(const ModelloListe &modello);
    static QStringList condivise(const ModelloListe &modello);
    // Both in a question ending "Salvo lo stesso?", or empty when there is nothing to say.
    static QString avviso(const ModelloListe &modello);
};
