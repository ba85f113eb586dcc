#pragma once

// A slot: member `membro` (from 0) of the slot array for syllable `colonna` (from 1). Members
// past the words of the exercise ("Errati", "Esatti") take drops but expect nothing.
struct Casella {
    int colonna = 1;
    int membro = 0;
};
