#pragma once

#include "ui/layoutdata.h"

// Small helpers that keep the layout tables readable, one row per control.
namespace RigheLayout {

const QString ComicSans = QStringLiteral("Comic Sans MS");
const QString MsSansSerif = QStringLiteral("MS Sans Serif");
const QString TimesNewRoman = QStringLiteral("Times New Roman");
const QString Arial = QStringLiteral("Arial");

constexpr QRgb Ciano = 0xff00ffff;
constexpr QRgb Verde = 0xff00ff00;
constexpr QRgb Nero = 0xff000000;

inline DefinizioneFinestra finestra(const QString &nome, const QString &titolo, int larghezza,
                                    int altezza, QRgb sfondo) {
    DefinizioneFinestra f;
    f.nome = nome;
    f.titolo = titolo;
    f.larghezzaCliente = larghezza;
    f.altezzaCliente = altezza;
    f.sfondo = sfondo;
    return f;
}

inline DefinizioneControllo riga(TipoControllo tipo, const QString &nome, int indice,
                                 const QString &caption, int left, int top, int width, int height,
                                 const Carattere &carattere = {}) {
    DefinizioneControllo c;
    c.tipo = tipo;
    c.nome = nome;
    c.indice = indice;
    c.caption = caption;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.carattere = carattere;
    return c;
}

inline DefinizioneControllo tessera(const QString &nome, int indice, int left, int top, int width,
                                    int height) {
    DefinizioneControllo c = riga(TipoControllo::Etichetta, nome, indice, QStringLiteral("Label1"),
                                  left, top, width, height, {MsSansSerif, 13.5});
    c.aspetto = Aspetto::Tessera;
    c.centrato = true;
    c.puntatore = Figura::P4;
    return c;
}

inline DefinizioneControllo casella(const QString &nome, int indice, int left, int top, int width,
                                    int height) {
    DefinizioneControllo c = riga(TipoControllo::Etichetta, nome, indice, QString(), left, top,
                                  width, height, {MsSansSerif, 13.5});
    c.aspetto = Aspetto::Casella;
    c.centrato = true;
    c.puntatore = Figura::P4;
    return c;
}

inline DefinizioneControllo figura(const QString &nome, int indice, int left, int top, int width,
                                   int height, Figura immagine = Figura::Nessuna) {
    DefinizioneControllo c =
        riga(TipoControllo::Immagine, nome, indice, QString(), left, top, width, height);
    c.figura = immagine;
    return c;
}

inline DefinizioneControllo pulsante(const QString &nome, const QString &caption, int left, int top,
                                     int width, int height, const Carattere &carattere,
                                     Figura immagine, Figura puntatore) {
    DefinizioneControllo c =
        riga(TipoControllo::Pulsante, nome, -1, caption, left, top, width, height, carattere);
    c.figura = immagine;
    c.puntatore = puntatore;
    return c;
}

} // namespace RigheLayout
