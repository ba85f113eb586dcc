#pragma once

#include "exercise/regoleesercizio.h"
#include "ui/layoutdata.h"
#include "ui/nomicontrolli.h"

#include <QVector>

// A control of a screen: an array name and a member (-1 for a control that is no member).
struct RiferimentoControllo {
    NomeControllo nome;
    int indice = -1;
};

// How one exercise is shown: its window, its menu names and which control is which tile and
// slot. The rules are the exercise's own; the screen itself is written once.
struct ConfigurazioneEsercizio {
    const RegoleEsercizio &regole;
    NomeControllo nomeSchermata; // DISEGNI1 / DISEGNI2
    QString descrizione;         // how the menu calls the exercise, for messages
    const DefinizioneFinestra &(*layout)();
    NomeControllo nomeInformazioni; // mnuInformazio / Informazio
    // Tile t (as in regole.tessere) is this control.
    QVector<RiferimentoControllo> tessere;
    // The slot array for syllable c (from 1) is caselle[c - 1].
    QVector<NomeControllo> caselle;
};

const ConfigurazioneEsercizio &configurazioneDISEGNI1();
const ConfigurazioneEsercizio &configurazioneDISEGNI2();
