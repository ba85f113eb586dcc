#include "editor/testieditor.h"

#include "core/modulo1.h"
#include "editor/modelloliste.h"
#include "liste/tipofilelista.h"

#include <QDir>

namespace TestiEditor {

QString descriviFile(const QString &cifra) {
    const std::optional<TipoFileLista> tipo = TipoFileLista::daCifra(cifra);
    return tipo ? tipo->descrizione() : QString();
}

QString didascalia(const QString &codice) {
    for (int riga = 0; riga < Modulo1::NumeroListe; ++riga)
        if (Modulo1::ElencoListe[riga][Modulo1::ColonnaCodice] == codice)
            return Modulo1::ElencoListe[riga][Modulo1::ColonnaCaption];
    return codice;
}

QString breve(const QString &cartella) {
    const QString casa = QDir::homePath();
    if (cartella.startsWith(casa + QLatin1Char('/')))
        return QDir::toNativeSeparators(QStringLiteral("~") + cartella.mid(casa.size()));
    return QDir::toNativeSeparators(cartella);
}

QString elenco(const QStringList &voci, int quante) {
    QString testo = voci.mid(0, quante).join(QStringLiteral(", "));
    if (voci.size() > quante)
        testo += QStringLiteral(" e altre %1").arg(voci.size() - quante);
    return testo;
}

QString resocontoImportazione(const ModelloListe::Importazione &esito) {
    QString testo = QStringLiteral("Parole aggiunte: %1.").arg(esito.aggiunte.size());
    if (!esito.aggiunte.isEmpty())
        testo += QStringLiteral("\n%1").arg(elenco(esito.aggiunte));
    if (!esito.incerte.isEmpty())
        testo += QStringLiteral("\n\nDa controllare, la divisione è incerta dove c'è \"?\": %1")
                     .arg(elenco(esito.incerte));
    if (!esito.rifiutate.isEmpty())
        testo += QStringLiteral("\n\nNon aggiunte (%1):\n%2")
                     .arg(esito.rifiutate.size())
                     .arg(esito.rifiutate.mid(0, 15).join('\n'));
    if (esito.rifiutate.size() > 15)
        testo += QStringLiteral("\ne altre %1.").arg(esito.rifiutate.size() - 15);
    if (!esito.giaPresenti.isEmpty())
        testo += QStringLiteral("\n\nGià nel gioco: %1").arg(elenco(esito.giaPresenti));
    if (!esito.aggiunte.isEmpty())
        testo += QStringLiteral("\n\nOgni parola nuova ha bisogno della sua figura.");
    return testo;
}

QString avvisoFile(const QString &nome, int sillabe, int parole,
                   const std::optional<ErroreLista> &errore) {
    const int servono = sillabe == 2 ? 4 : 3;
    QString avviso = QStringLiteral("File %1: %2 parole.").arg(nome).arg(parole);
    if (errore)
        avviso = QStringLiteral("<span style='color:#B3261E'>Il gioco non legge %1: parola %2, "
                                "%3</span> Le parole nuove non ci vanno finché non lo ripari.")
                     .arg(nome)
                     .arg(errore->parola)
                     .arg(errore->dettaglio.toHtmlEscaped());
    else if (parole < servono)
        avviso += QStringLiteral(" Un esercizio ne mostra %1: con meno il gioco usa l'altro "
                                 "livello, se basta.")
                      .arg(servono);
    else if (parole < servono * 2)
        avviso += QStringLiteral(" Meglio almeno %1, perché gli esercizi non si ripetano.")
                      .arg(servono * 2);
    return avviso;
}

} // namespace TestiEditor
