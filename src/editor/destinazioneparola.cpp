#include "editor/destinazioneparola.h"

#include "editor/modelloliste.h"
#include "liste/problemasillaba.h"
#include "liste/regolelista.h"
#include "liste/sillabazione.h"

DestinazioneParola DestinazioneParola::di(const QStringList &sillabe) {
    DestinazioneParola d;
    const QString parola = sillabe.join(QString());
    if (parola.isEmpty()) {
        d.rifiuto = QStringLiteral("Scrivi una parola.");
        return d;
    }
    if (const QString motivo = Sillabazione::motivoRifiuto(parola); !motivo.isEmpty()) {
        d.rifiuto = QStringLiteral("\"%1\" non va bene: %2.").arg(parola, motivo);
        return d;
    }
    for (const QString &s : sillabe) {
        const QString problema = problemaSillaba(s);
        if (!problema.isEmpty() || s.isEmpty()) {
            d.rifiuto = QStringLiteral("Una sillaba è vuota o non si può scrivere in una lista.");
            return d;
        }
    }
    // The game's reader would refuse the whole file for a word that cannot name its picture.
    if (const QString problema = problemaParola(parola); !problema.isEmpty()) {
        d.rifiuto = QStringLiteral("\"%1\" non si può usare: %2.").arg(parola, problema);
        return d;
    }
    if (sillabe.size() < 2) {
        d.rifiuto = QStringLiteral("\"%1\" ha una sillaba sola: il gioco unisce due o tre "
                                   "sillabe, quindi non si può giocare.")
                        .arg(parola);
        return d;
    }
    if (sillabe.size() > 3) {
        d.rifiuto = QStringLiteral("\"%1\" ha %2 sillabe: gli esercizi mostrano parole di due o "
                                   "tre sillabe.")
                        .arg(sillabe.join(QLatin1Char('-')))
                        .arg(sillabe.size());
        return d;
    }
    d.cifra = RegoleLista::cifraFile(RegoleLista::classificaParola(sillabe));
    for (const QString &codice : ModelloListe::codici())
        if (RegoleLista::appartieneALista(codice, sillabe))
            d.codici << codice;
    return d;
}
