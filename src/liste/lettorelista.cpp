#include "liste/lettorelista.h"

#include "core/applicationfolder.h"
#include "core/logging.h"
#include "liste/lettorecampi.h"
#include "liste/problemasillaba.h"

#include <QFile>

RisultatoLettura leggiListaParole(const QString &percorso, int sillabePerParola) {
    RisultatoLettura risultato{TabellaParole(sillabePerParola), std::nullopt};
    auto errore = [&](ErroreLista::Tipo tipo, int parola, const QString &dettaglio) {
        risultato.errore = ErroreLista{tipo, percorso, parola, dettaglio};
        risultato.tabella = TabellaParole(sillabePerParola);
        qCWarning(lcDati).noquote() << risultato.errore->descrizione();
        return risultato;
    };

    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return errore(ErroreLista::Tipo::FileMancante, 0,
                      QStringLiteral("il file non c'è o non si può leggere."));

    LettoreCampi lettore(decodificaTestoLista(file.readAll()));
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
            const QString problema = problemaSillaba(campo);
            if (!problema.isEmpty())
                return errore(ErroreLista::Tipo::SillabaNonValida, numero,
                              QStringLiteral("la sillaba \"%1\" %2.")
                                  .arg(campo.left(40).simplified(), problema));
            sillabe.append(campo);
        }
        risultato.tabella.aggiungi(sillabe);
    }
    return risultato;
}

QString percorsoListaParole(const QString &cartellaApplicazione, const QString &codiceLista,
                            const QString &suffisso) {
    return percorsoDati(cartellaApplicazione, {CartelleDati::Liste, codiceLista + suffisso});
}
