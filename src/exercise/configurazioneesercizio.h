#pragma once

#include "ui/layoutdata.h"

#include <QString>
#include <QVector>

// A control of a screen, found by name and array index.
struct RiferimentoControllo {
    QString nome;
    int indice = -1;
};

// A tile and the syllable it carries: syllable `colonna` (1-based) of word `parola` (0-based).
struct Tessera {
    RiferimentoControllo controllo;
    int parola = 0;
    int colonna = 1;
};

// A slot array and the syllable its members expect.
struct ArrayCaselle {
    QString nome;
    int colonna = 1;
};

constexpr int NumeroDisposizioni = 11;
constexpr int MassimoTessere = 9;
using TabellaDisposizioni = int[NumeroDisposizioni][MassimoTessere];

// Everything that tells the two exercise screens apart; the screen itself is written once.
struct ConfigurazioneEsercizio {
    QString nomeSchermata; // "DISEGNI1" / "DISEGNI2"
    QString descrizione;   // how the menu calls the exercise, for messages
    const DefinizioneFinestra &(*layout)();
    QString nomeMenuLista;    // "mnuLista" / "mnulista"
    QString nomeInformazioni; // "mnuInformazio" / "Informazio"
    int paroleNellEsercizio = 4;
    int sillabePerParola = 2;
    QString suffissoFacile;
    QString suffissoDifficile;
    // In the order of Posizione1, Posizione2, ...: also the order of enabling and writing.
    QVector<Tessera> tessere;
    QVector<ArrayCaselle> caselle;
    // The captions GeneraEsercizio empties, in its order.
    QVector<RiferimentoControllo> daSvuotare;
    // Row x gives, tile by tile, the number p of the saved position PosizioneP it moves to.
    const TabellaDisposizioni *disposizioni = nullptr;

    // Right drops that complete an exercise: one per tile.
    int sillabeDaCompletare() const { return tessere.size(); }
};

const ConfigurazioneEsercizio &configurazioneDISEGNI1();
const ConfigurazioneEsercizio &configurazioneDISEGNI2();
