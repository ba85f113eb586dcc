#include "exercise/configurazioneesercizio.h"

#include "ui/layouts.h"

namespace {

const QString Label1 = QStringLiteral("Label1");
const QString Label2 = QStringLiteral("Label2");
const QString Label3 = QStringLiteral("Label3");
const QString Label4 = QStringLiteral("Label4");

// Each row places every tile on a different saved position, so the tiles always fill the
// positions recorded at activation, in another order.
const TabellaDisposizioni disposizioniDISEGNI1 = {
    {4, 8, 3, 2, 7, 1, 6, 5}, {8, 4, 5, 1, 2, 6, 7, 3}, {3, 5, 6, 4, 1, 7, 8, 2},
    {3, 7, 6, 4, 5, 8, 2, 1}, {5, 6, 4, 8, 7, 3, 2, 1}, {4, 5, 3, 7, 6, 1, 8, 2},
    {4, 2, 8, 7, 3, 6, 1, 5}, {1, 3, 5, 8, 2, 6, 7, 4}, {3, 5, 4, 7, 1, 8, 2, 6},
    {5, 7, 3, 8, 6, 2, 1, 4}, {6, 4, 5, 3, 7, 8, 2, 1},
};

const TabellaDisposizioni disposizioniDISEGNI2 = {
    {4, 8, 3, 5, 7, 6, 1, 9, 2}, {5, 6, 2, 9, 4, 1, 7, 3, 8}, {7, 6, 5, 8, 9, 2, 1, 3, 4},
    {8, 4, 7, 3, 6, 1, 5, 2, 9}, {7, 5, 1, 6, 2, 4, 9, 3, 8}, {4, 2, 9, 7, 3, 8, 5, 1, 6},
    {5, 1, 6, 2, 9, 7, 3, 4, 8}, {6, 8, 3, 1, 7, 4, 5, 2, 9}, {3, 4, 9, 7, 5, 2, 8, 1, 6},
    {7, 5, 6, 2, 8, 9, 3, 1, 4}, {2, 1, 6, 4, 8, 3, 7, 9, 5},
};

ConfigurazioneEsercizio creaDISEGNI1() {
    ConfigurazioneEsercizio c;
    c.nomeSchermata = QStringLiteral("DISEGNI1");
    c.descrizione = QStringLiteral("parole bisillabe");
    c.layout = &layoutDISEGNI1;
    c.nomeMenuLista = QStringLiteral("mnuLista");
    c.nomeInformazioni = QStringLiteral("mnuInformazio");
    c.paroleNellEsercizio = 4;
    c.sillabePerParola = 2;
    c.suffissoFacile = QStringLiteral("2.txt");
    c.suffissoDifficile = QStringLiteral("4.txt");
    for (int i = 0; i < 4; ++i)
        c.tessere.append({{Label1, i}, i, 1});
    for (int i = 0; i < 4; ++i)
        c.tessere.append({{Label4, i}, i, 2});
    c.caselle = {{Label2, 1}, {Label3, 2}};
    for (int i = 0; i < 4; ++i) {
        for (const QString &nome : {Label1, Label2, Label3, Label4})
            c.daSvuotare.append({nome, i});
    }
    c.disposizioni = &disposizioniDISEGNI1;
    return c;
}

ConfigurazioneEsercizio creaDISEGNI2() {
    ConfigurazioneEsercizio c;
    c.nomeSchermata = QStringLiteral("DISEGNI2");
    c.descrizione = QStringLiteral("parole trisillabe");
    c.layout = &layoutDISEGNI2;
    c.nomeMenuLista = QStringLiteral("mnulista");
    c.nomeInformazioni = QStringLiteral("Informazio");
    c.paroleNellEsercizio = 3;
    c.sillabePerParola = 3;
    c.suffissoFacile = QStringLiteral("3.txt");
    c.suffissoDifficile = QStringLiteral("5.txt");
    // Label1(k) carries syllable k div 3 + 1 of word k mod 3 + 1.
    for (int k = 0; k < 9; ++k)
        c.tessere.append({{Label1, k}, k % 3, k / 3 + 1});
    c.caselle = {{Label2, 1}, {Label3, 2}, {Label4, 3}};
    for (int i = 0; i < 3; ++i) {
        for (const QString &nome : {Label4, Label2, Label3})
            c.daSvuotare.append({nome, i});
    }
    for (int k = 0; k < 9; ++k)
        c.daSvuotare.append({Label1, k});
    c.disposizioni = &disposizioniDISEGNI2;
    return c;
}

} // namespace

const ConfigurazioneEsercizio &configurazioneDISEGNI1() {
    static const ConfigurazioneEsercizio c = creaDISEGNI1();
    return c;
}

const ConfigurazioneEsercizio &configurazioneDISEGNI2() {
    static const ConfigurazioneEsercizio c = creaDISEGNI2();
    return c;
}
