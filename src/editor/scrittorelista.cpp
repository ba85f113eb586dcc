#include "editor/scrittorelista.h"

#include "liste/lettorelista.h"

#include <QStringDecoder>
#include <QStringEncoder>

QByteArray testoListaParole(const QVector<QStringList> &parole) {
    QString testo;
    for (const QStringList &sillabe : parole) {
        QStringList campi;
        for (const QString &sillaba : sillabe)
            campi << QLatin1Char('"') + sillaba + QLatin1Char('"');
        testo += campi.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    // A character Windows-1252 lacks comes back changed from the round trip.
    QStringEncoder verso1252("windows-1252");
    QStringDecoder da1252("windows-1252");
    const QByteArray in1252 = verso1252(testo);
    if (!verso1252.hasError() && QString(da1252(in1252)) == testo)
        return in1252;
    return QByteArray("\xEF\xBB\xBF") + testo.toUtf8();
}

QVector<QStringList> paroleTabella(const TabellaParole &tabella, int sillabePerParola) {
    QVector<QStringList> parole;
    for (int riga = 1; riga <= tabella.numeroRighe(); ++riga) {
        QStringList sillabe;
        for (int colonna = 1; colonna <= sillabePerParola; ++colonna)
            sillabe << tabella(riga, colonna);
        parole << sillabe;
    }
    return parole;
}

QString problemaListaScritta(const QString &percorso, const QVector<QStringList> &parole,
                             int sillabePerParola) {
    const RisultatoLettura letto = leggiListaParole(percorso, sillabePerParola);
    if (letto.errore)
        return QStringLiteral("il gioco lo rifiuterebbe (parola %1: %2)")
            .arg(letto.errore->parola)
            .arg(letto.errore->dettaglio);
    if (paroleTabella(letto.tabella, sillabePerParola) != parole)
        return QStringLiteral("il gioco lo leggerebbe diverso");
    return QString();
}
