#include "liste/lettorelista.h"

#include "core/applicationfolder.h"
#include "core/letturadati.h"
#include "core/logging.h"
#include "liste/lettorecampi.h"
#include "liste/problemasillaba.h"

#include <QList>
#include <QStringView>

namespace {

QString senzaSpaziAgliEstremi(const QString &campo) {
    auto spazio = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0x00A0);
    };
    qsizetype da = 0;
    qsizetype a = campo.size();
    while (da < a && spazio(campo[da]))
        ++da;
    while (a > da && spazio(campo[a - 1]))
        --a;
    return campo.mid(da, a - da);
}

// Enough of a long syllable or word to recognise it, never cutting a character in two.
QString inizio(const QString &testo) {
    const QList<uint> codici = QStringView(testo).toUcs4();
    if (codici.size() <= 40)
        return testo;
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(codici.constData()), 40) +
           QStringLiteral("…");
}

// Every editor writes one word a line. When the fields run out or a quote stays open, the
// field reader notices only at the end of the file; the first line that is not one whole word
// is where the file really goes wrong. Its number among the words, and why; none when every
// line holds one word (a file that splits its words over lines keeps the reader's own report).
std::optional<std::pair<int, QString>> rigaSbagliata(const QString &testo, int sillabePerParola) {
    int numero = 0;
    for (QStringView riga : QStringView(testo).split(QLatin1Char('\n'))) {
        if (riga.trimmed().isEmpty())
            continue;
        ++numero;
        LettoreCampi lettore(riga.toString());
        int campi = 0;
        QString campo;
        while (!lettore.fine()) {
            if (lettore.leggi(campo) == LettoreCampi::Esito::VirgoletteAperte)
                return std::make_pair(
                    numero, QStringLiteral("una sillaba apre le virgolette e non le chiude."));
            ++campi;
        }
        if (campi != sillabePerParola)
            return std::make_pair(numero,
                                  QStringLiteral("la riga ha %1, ma ogni parola di questo file "
                                                 "deve avere %2 sillabe.")
                                      .arg(campi == 1 ? QStringLiteral("una sillaba sola")
                                                      : QStringLiteral("%1 sillabe").arg(campi))
                                      .arg(sillabePerParola));
    }
    return std::nullopt;
}

} // namespace

RisultatoLettura leggiListaParole(const QString &percorso, int sillabePerParola) {
    RisultatoLettura risultato{TabellaParole(sillabePerParola), std::nullopt};
    auto errore = [&](ErroreLista::Tipo tipo, int parola, const QString &dettaglio) {
        risultato.errore = ErroreLista{tipo, percorso, parola, dettaglio};
        risultato.tabella = TabellaParole(sillabePerParola);
        qCWarning(lcDati).noquote() << risultato.errore->descrizione();
        return risultato;
    };

    const LetturaDati letti = leggiFileDati(percorso, MassimiByteLista);
    switch (letti.esito) {
    case LetturaDati::Esito::Letto:
        break;
    case LetturaDati::Esito::Mancante:
    case LetturaDati::Esito::Illeggibile:
        return errore(ErroreLista::Tipo::FileMancante, 0,
                      QStringLiteral("il file non c'è o non si può leggere."));
    case LetturaDati::Esito::NonNormale:
        return errore(ErroreLista::Tipo::FileNonAdatto, 0,
                      QStringLiteral("non è un file di testo normale, ma una cartella, un "
                                     "dispositivo o un altro oggetto speciale."));
    case LetturaDati::Esito::TroppoGrande:
        return errore(ErroreLista::Tipo::FileNonAdatto, 0,
                      QStringLiteral("il file è più grande di %1 KB: nessuna lista di %2 parole "
                                     "è così grande.")
                          .arg(MassimiByteLista / 1024)
                          .arg(MassimoParole));
    }
    return leggiTestoListaParole(decodificaTestoLista(letti.byte), sillabePerParola, percorso);
}

RisultatoLettura leggiTestoListaParole(const QString &testo, int sillabePerParola,
                                       const QString &percorso) {
    RisultatoLettura risultato{TabellaParole(sillabePerParola), std::nullopt};
    auto errore = [&](ErroreLista::Tipo tipo, int parola, const QString &dettaglio) {
        risultato.errore = ErroreLista{tipo, percorso, parola, dettaglio};
        if (tipo == ErroreLista::Tipo::ParolaIncompleta) {
            if (const auto riga = rigaSbagliata(testo, sillabePerParola)) {
                risultato.errore->parola = riga->first;
                risultato.errore->dettaglio = riga->second;
            }
        }
        risultato.tabella = TabellaParole(sillabePerParola);
        qCWarning(lcDati).noquote() << risultato.errore->descrizione();
        return risultato;
    };
    LettoreCampi lettore(testo);
    int numero = 0;
    while (!lettore.fine()) {
        ++numero;
        if (numero > MassimoParole)
            return errore(
                ErroreLista::Tipo::TroppeParole, numero,
                QStringLiteral("una lista può contenere al massimo %1 parole.").arg(MassimoParole));
        QStringList sillabe;
        for (int colonna = 1; colonna <= sillabePerParola; ++colonna) {
            QString campo;
            const LettoreCampi::Esito esito = lettore.leggi(campo);
            if (esito == LettoreCampi::Esito::VirgoletteAperte)
                return errore(ErroreLista::Tipo::ParolaIncompleta, numero,
                              QStringLiteral("una sillaba apre le virgolette e non le chiude."));
            if (esito == LettoreCampi::Esito::FineTesto)
                return errore(
                    ErroreLista::Tipo::ParolaIncompleta, numero,
                    QStringLiteral("il file finisce a metà della parola: ogni parola deve avere "
                                   "%1 sillabe.")
                        .arg(sillabePerParola));
            // Blanks around a syllable cannot be seen on its tile: they are dropped, not refused.
            campo = senzaSpaziAgliEstremi(campo);
            const QString problema = problemaSillaba(campo);
            if (!problema.isEmpty())
                return errore(ErroreLista::Tipo::SillabaNonValida, numero,
                              QStringLiteral("la sillaba \"%1\" %2.").arg(inizio(campo), problema));
            sillabe.append(campo);
        }
        const QString parola = sillabe.join(QString());
        const QString problema = problemaParola(parola);
        if (!problema.isEmpty())
            return errore(ErroreLista::Tipo::ParolaNonValida, numero,
                          QStringLiteral("la parola \"%1\" %2.").arg(inizio(parola), problema));
        risultato.tabella.aggiungi(sillabe);
    }
    return risultato;
}

QString percorsoListaParole(const QString &cartellaApplicazione, const QString &codiceLista,
                            const QString &suffisso) {
    return percorsoDati(cartellaApplicazione, {CartelleDati::Liste, codiceLista + suffisso});
}
