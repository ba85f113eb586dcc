#pragma once

#include "liste/pronunciaparola.h"
#include "liste/sillabazione.h"

#include <QVector>

// The school rules applied to one word, in one pass over its letters. Works on whole code
// points in lower case; the cuts it returns are code-point positions.
class Divisore {
public:
    // `suoni` is what the pronunciation says of each letter, or empty when nothing is known.
    Divisore(QVector<char32_t> lettere, QVector<Suono> suoni);

    struct Esito {
        QVector<int> tagli;   // a syllable starts at each
        QVector<int> incerti; // a boundary may fall there instead (or be wrong there)
        bool senzaVocali = false;
    };
    Esito dividi();

private:
    char32_t at(int i) const { return i >= 0 && i < n ? w[i] : 0; }
    bool tonica(int i) const { return !suoni.isEmpty() && suoni[i] == Suono::Tonico; }
    // Whether the stressed vowel is at `da` or after it.
    bool tonicaDa(int da) const { return ultimaTonica >= da; }
    bool dividiMonosillabo();
    void segnaNuclei();
    void decidiTraVocali(int a);
    bool iatoPossibile(int a) const;
    int inizioAttacco(int da, int a) const;
    static bool attaccoValido(const QVector<char32_t> &s, int da);

    const QVector<char32_t> w;
    const QVector<Suono> suoni;
    const int n;
    bool accento = false;
    int ultimaTonica = -1;
    QVector<bool> nucleo;
    Esito esito;
};
