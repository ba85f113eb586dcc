#pragma once

#include "liste/errorelista.h"
#include "liste/tabellaparole.h"

#include <QString>
#include <optional>

constexpr int MassimoParole = 500;
// 500 words of three long syllables fit in a quarter of this; a larger file is not a list.
constexpr qint64 MassimiByteLista = 64 * 1024;

// A whole table, or why the file gave none (the table is then empty).
struct RisultatoLettura {
    TabellaParole tabella;
    std::optional<ErroreLista> errore;
};

// Reads a whole word-list file into rows of `sillabePerParola` syllables. Touches nothing else.
// Blanks around a syllable are dropped; a syllable or word that problemaSillaba or problemaParola
// refuses makes the whole list refused.
RisultatoLettura leggiListaParole(const QString &percorso, int sillabePerParola);
// The same reading, of a list's text already decoded (decodificaTestoLista); `percorso` only names
// it in the error.
RisultatoLettura leggiTestoListaParole(const QString &testo, int sillabePerParola,
                                       const QString &percorso);

// The file of a list: its code (from the catalogue) and a suffix such as "2.txt", in the lists
// folder of the application folder.
QString percorsoListaParole(const QString &cartellaApplicazione, const QString &codiceLista,
                            const QString &suffisso);
