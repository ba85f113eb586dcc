#include "editor/fusioneliste.h"

#include "liste/chiaveparola.h"

#include <QHash>
#include <QSet>

namespace {

QString chiave(const QStringList &sillabe) {
    return chiaveParola(sillabe.join(QString()));
}

QHash<QString, QStringList> perParola(const QVector<QStringList> &parole) {
    QHash<QString, QStringList> indice;
    for (const QStringList &sillabe : parole)
        indice.insert(chiave(sillabe), sillabe);
    return indice;
}

} // namespace

FusioneLista fondiLista(const QVector<QStringList> &letta, const QVector<QStringList> &mia,
                        const QVector<QStringList> &sulDisco, int massimoParole) {
    const QHash<QString, QStringList> prima = perParola(letta);
    const QHash<QString, QStringList> adesso = perParola(mia);
    FusioneLista esito;
    QHash<QString, QStringList> nuoveDivisioni;
    for (const QStringList &sillabe : letta) {
        const auto mio = adesso.constFind(chiave(sillabe));
        if (mio == adesso.cend())
            esito.tolte << sillabe.join(QLatin1Char('-'));
        else if (*mio != sillabe)
            nuoveDivisioni.insert(chiave(sillabe), *mio);
    }
    QSet<QString> messe;
    for (const QStringList &sillabe : sulDisco) {
        const QString k = chiave(sillabe);
        if (messe.contains(k) || (prima.contains(k) && !adesso.contains(k)))
            continue;
        messe.insert(k);
        const auto divisa = nuoveDivisioni.constFind(k);
        if (divisa != nuoveDivisioni.cend() && *divisa != sillabe) {
            esito.parole << *divisa;
            esito.divise << divisa->join(QLatin1Char('-'));
        } else {
            esito.parole << sillabe;
        }
    }
    for (const QStringList &sillabe : mia) {
        const QString k = chiave(sillabe);
        if (prima.contains(k) || messe.contains(k))
            continue;
        if (esito.parole.size() >= massimoParole) {
            esito.escluse << sillabe.join(QLatin1Char('-'));
            continue;
        }
        messe.insert(k);
        esito.parole << sillabe;
        esito.aggiunte << sillabe.join(QLatin1Char('-'));
    }
    return esito;
}

QString FusioneLista::descrizione() const {
    QStringList parti;
    if (!aggiunte.isEmpty())
        parti << QStringLiteral("aggiunte %1").arg(aggiunte.join(QStringLiteral(", ")));
    if (!tolte.isEmpty())
        parti << QStringLiteral("tolte %1").arg(tolte.join(QStringLiteral(", ")));
    if (!divise.isEmpty())
        parti << QStringLiteral("divise %1").arg(divise.join(QStringLiteral(", ")));
    if (!escluse.isEmpty())
        parti << QStringLiteral("lasciate fuori perché il file è pieno %1")
                     .arg(escluse.join(QStringLiteral(", ")));
    return QStringLiteral("rimesse le tue modifiche: %1.").arg(parti.join(QStringLiteral("; ")));
}
