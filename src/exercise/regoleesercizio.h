#pragma once

#include <QString>
#include <QVector>

constexpr int NumeroDisposizioni = 11;
constexpr int MassimoTessere = 9;
using TabellaDisposizioni = int[NumeroDisposizioni][MassimoTessere];

// What a tile carries: syllable `colonna` (from 1) of word `parola` (from 0).
struct SillabaTessera {
    int parola = 0;
    int colonna = 1;
};

// The rules that tell the two exercises apart, with no word about how they are shown.
struct RegoleEsercizio {
    int paroleNellEsercizio = 4;
    int sillabePerParola = 2;
    // In the order of Posizione1, Posizione2, ...
    QVector<SillabaTessera> tessere;
    // Row x gives, tile by tile, the number p of the saved position PosizioneP it moves to.
    const TabellaDisposizioni *disposizioni = nullptr;

    // Right drops that complete an exercise: one per tile.
    int sillabeDaCompletare() const { return tessere.size(); }
};

// Four two-syllable words (DISEGNI1) and three three-syllable words (DISEGNI2).
const RegoleEsercizio &regoleBisillabe();
const RegoleEsercizio &regoleTrisillabe();
