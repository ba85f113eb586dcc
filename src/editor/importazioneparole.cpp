#include "editor/importazioneparole.h"

#include "editor/modelloliste.h"
#include "liste/sillabazione.h"

ImportazioneParole ImportazioneParole::importa(ModelloListe &modello, const QString &testo) {
    ImportazioneParole esito;
    for (QString riga : testo.split(QLatin1Char('\n'))) {
        // A file saved with decomposed accents ("e" + U+0300) still gives "è".
        riga = riga.trimmed().normalized(QString::NormalizationForm_C).toLower();
        if (riga.isEmpty())
            continue;
        // A line written divided ("ca-sa") is the teacher's own division: kept, and checked.
        const QString parola = QString(riga).remove(QLatin1Char('-'));
        if (const QString motivo = Sillabazione::motivoRifiuto(parola); !motivo.isEmpty()) {
            esito.rifiutate << QStringLiteral("%1: %2").arg(riga, motivo);
            continue;
        }
        Divisione divisione = Sillabazione::sillaba(parola);
        if (riga.contains(QLatin1Char('-'))) {
            const QStringList sue = riga.split(QLatin1Char('-'));
            if (sue != divisione.sillabe)
                esito.incerte << QStringLiteral("%1 (la divisione automatica è %2)")
                                     .arg(riga, Sillabazione::testo(divisione));
            divisione = {sue, false, {}};
        }
        const QString scritta = divisione.sillabe.join(QLatin1Char('-'));
        if (modello.contiene(parola)) {
            esito.giaPresenti << scritta;
            continue;
        }
        const DestinazioneParola d = modello.aggiungi(divisione.sillabe);
        if (!d.valida()) {
            esito.rifiutate << QStringLiteral("%1: %2").arg(riga, d.rifiuto);
            continue;
        }
        esito.aggiunte << scritta;
        if (divisione.incerta)
            esito.incerte << Sillabazione::testo(divisione);
        for (const QString &esclusa : d.escluse)
            esito.rifiutate << QStringLiteral("%1, solo in parte: %2").arg(riga, esclusa);
    }
    return esito;
}
