#include "exercise/regoleesercizio.h"

namespace {

// Each row places every tile on a different saved position, so the tiles always fill the
// positions recorded at activation, in another order.
const TabellaDisposizioni disposizioniBisillabe = {
    {4, 8, 3, 2, 7, 1, 6, 5}, {8, 4, 5, 1, 2, 6, 7, 3}, {3, 5, 6, 4, 1, 7, 8, 2},
    {3, 7, 6, 4, 5, 8, 2, 1}, {5, 6, 4, 8, 7, 3, 2, 1}, {4, 5, 3, 7, 6, 1, 8, 2},
    {4, 2, 8, 7, 3, 6, 1, 5}, {1, 3, 5, 8, 2, 6, 7, 4}, {3, 5, 4, 7, 1, 8, 2, 6},
    {5, 7, 3, 8, 6, 2, 1, 4}, {6, 4, 5, 3, 7, 8, 2, 1},
};

const TabellaDisposizioni disposizioniTrisillabe = {
    {4, 8, 3, 5, 7, 6, 1, 9, 2}, {5, 6, 2, 9, 4, 1, 7, 3, 8}, {7, 6, 5, 8, 9, 2, 1, 3, 4},
    {8, 4, 7, 3, 6, 1, 5, 2, 9}, {7, 5, 1, 6, 2, 4, 9, 3, 8}, {4, 2, 9, 7, 3, 8, 5, 1, 6},
    {5, 1, 6, 2, 9, 7, 3, 4, 8}, {6, 8, 3, 1, 7, 4, 5, 2, 9}, {3, 4, 9, 7, 5, 2, 8, 1, 6},
    {7, 5, 6, 2, 8, 9, 3, 1, 4}, {2, 1, 6, 4, 8, 3, 7, 9, 5},
};

RegoleEsercizio creaBisillabe() {
    RegoleEsercizio r;
    r.paroleNellEsercizio = 4;
    r.sillabePerParola = 2;
    // The first syllables of the four words, then the second ones.
    for (int colonna = 1; colonna <= 2; ++colonna) {
        for (int parola = 0; parola < 4; ++parola)
            r.tessere.append({parola, colonna});
    }
    r.disposizioni = &disposizioniBisillabe;
    return r;
}

RegoleEsercizio creaTrisillabe() {
    RegoleEsercizio r;
    r.paroleNellEsercizio = 3;
    r.sillabePerParola = 3;
    // Tile k carries syllable k div 3 + 1 of word k mod 3 + 1.
    for (int k = 0; k < 9; ++k)
        r.tessere.append({k % 3, k / 3 + 1});
    r.disposizioni = &disposizioniTrisillabe;
    return r;
}

} // namespace

const RegoleEsercizio &regoleBisillabe() {
    static const RegoleEsercizio r = creaBisillabe();
    return r;
}

const RegoleEsercizio &regoleTrisillabe() {
    static const RegoleEsercizio r = creaTrisillabe();
    return r;
}
