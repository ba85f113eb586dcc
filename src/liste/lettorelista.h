#pragma once

#include "liste/errorelista.h"
#include "liste/tabellaparole.h"

#include <QString>
#include <optional>

constexpr int MassimoParole = 500;

// A whole table, or why the file gave none (the table is then empty).
struct RisultatoLettura {
    TabellaParole tabella;
    std::optional<ErroreLista> errore;
};

// Reads a whole word-list file into rows of `sillabePerParola` syllables. Touches nothing else.
RisultatoLettura leggiListaParole(const QString &percorso, int sillabePerParola);

// The file of a list: its code (from the catalogue) and a suffix such as "2.txt", in the lists
// folder of the application folder.
QString percorsoListaParole(const QString &cartellaApplicazione, const QString &codiceLista,
                            const QString &suffisso);
