#include "editor/scrittorelista.h"

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
