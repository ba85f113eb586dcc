#pragma once

#include <QList>
#include <QRgb>
#include <QString>
#include <optional>

// The screens are described as data: one table of controls per window, in twips, listed from
// front to back. One builder (Finestra) turns a table into widgets.

enum class TipoControllo { Etichetta, Immagine, Pulsante, Opzione, Casella, Cornice };

// The two looks of the exercise screens: draggable syllable tiles and the slots they go into.
enum class Aspetto { Normale, Tessera, Casella };

// Embedded pictures; P2, P4 and P7 serve only as mouse pointers.
enum class Figura { Nessuna, P1, P2, P3, P4, P5, P6, P7, P8, P9, P10, P11 };

struct Carattere {
    QString famiglia; // the family the design names; fonts.h maps it to what we bundle
    double punti = 0; // 0: the toolkit's default font
};

struct DefinizioneControllo {
    QString nome;
    int indice = -1; // -1 for a control that is not an array member
    TipoControllo tipo = TipoControllo::Etichetta;
    QString caption;
    int left = 0, top = 0, width = 0, height = 0; // twips, relative to the container
    Carattere carattere;
    Aspetto aspetto = Aspetto::Normale;
    bool centrato = false;
    std::optional<QRgb> coloreTesto;
    Figura figura = Figura::Nessuna;
    Figura puntatore = Figura::Nessuna;
    bool abilitato = true;
    bool visibile = true;
    bool selezionato = false; // option buttons
    QString contenitore;      // name of the frame that holds it; empty for the window itself
};

struct DefinizioneVoceMenu {
    QString nome;
    QString caption;
    QString genitore; // empty for an item of the menu bar
    bool spuntata = false;
};

struct DefinizioneFinestra {
    QString nome;
    QString titolo;
    int larghezzaCliente = 0, altezzaCliente = 0; // twips
    QRgb sfondo = 0;
    Figura icona = Figura::Nessuna;
    QList<DefinizioneControllo> controlli; // front to back
    QList<DefinizioneVoceMenu> menu;       // in menu-bar order, each submenu after its parent
};

constexpr int TwipsPerPixel = 15;
