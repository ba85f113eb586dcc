#pragma once

#include "exercise/casella.h"
#include "exercise/regoleesercizio.h"
#include "liste/tabellaparole.h"

#include <QSet>
#include <QVector>

class SorgenteCasuale;

constexpr int MassimoEstrazioniPerParola = 100;

// What a drop came to: right or wrong, and whether it completed the exercise.
struct Verdetto {
    bool giusto = false;
    bool completato = false;
};

// The whole state of one exercise, kept apart from the widgets that show it: the word table,
// the words drawn, which tiles are used, what each slot holds and SillabeGiuste.
class Esercizio {
public:
    explicit Esercizio(const RegoleEsercizio &regole);

    // The word table `Parole` and the words an exercise needs from it.
    const TabellaParole &parole() const { return m_parole; }
    // Counts different words, not rows: the draw needs that many.
    bool bastanoParole(const TabellaParole &parole) const;
    // Takes a table that has enough words, and its row count as NumeroParole: the two always
    // change together.
    void sostituisciParole(TabellaParole parole);

    // A new exercise: every tile free, every slot empty, SillabeGiuste 0, and rows of different
    // words drawn, each Int(r * n) + 1 with fresh draws until its word (chiaveParola) differs from
    // those already chosen; after MassimoEstrazioniPerParola draws, one of the words not yet
    // chosen is taken at random, so a draw always ends.
    void scegliParole(SorgenteCasuale &casuale);
    // IndiceParola1, IndiceParola2, ... (j from 1).
    int IndiceParola(int j) const { return m_righe.value(j - 1); }

    // What the tile carries.
    QString sillabaTessera(int tessera) const;
    // What a slot expects: empty for the members that belong to no word.
    QString sillabaAttesa(Casella casella) const;

    // A tile placed right stays in its slot and can no longer be moved.
    bool tesseraUsata(int tessera) const { return m_usate.value(tessera); }
    // The tile last placed in a slot, or -1 while it is empty.
    int tesseraIn(Casella casella) const;
    int SillabeGiuste() const { return m_sillabeGiuste; }

    // Judges tile `tessera` dropped on `casella`. A right drop puts the tile in the slot and
    // counts in SillabeGiuste and ContaEsatti; a wrong one counts in ContaErrati.
    Verdetto giudica(int tessera, Casella casella);

private:
    // Syllable `colonna` (from 1) of word `parola` (from 0), as the list stores it.
    QString sillaba(int parola, int colonna) const;
    int indiceCasella(Casella casella) const;
    // A row, at random, of a word not among `scelte`; 0 when every word is.
    int rigaNonScelta(const QSet<QString> &scelte, SorgenteCasuale &casuale) const;

    const RegoleEsercizio &m_regole;
    TabellaParole m_parole;
    QVector<int> m_righe;
    QVector<bool> m_usate;
    QVector<int> m_caselle; // column by column, the tile in each word's slot
    qint16 m_sillabeGiuste = 0;
};

// Right when both texts agree once upper-cased, accented letters included.
bool sillabaGiusta(const QString &attesa, const QString &data);

// One more answer on a 16-bit counter, which stays at its largest value instead of wrapping.
void contaUnaRisposta(qint16 &contatore);

// The shuffle's layout number, Int(r * 11).
int numeroDisposizione(SorgenteCasuale &casuale);

// Where a tile goes for a saved position. The positions were recorded at the window width
// of the last activation; a window resized since then gets them at its current scale, and
// no tile is ever placed outside the window.
double posizioneAllaScala(double posizione, double larghezzaRegistrata, double larghezzaAttuale,
                          double larghezzaTessera);
