#include "liste/regolelista.h"

#include "liste/sillabazione.h"

namespace {

bool sillabaSemplice(const QString &sillaba) {
    if (sillaba.size() == 1)
        return Sillabazione::vocale(sillaba.at(0));
    // qua and qui hold two vowel letters after the q, so they are difficult like cia or pie.
    if (sillaba.size() != 2 || !Sillabazione::vocale(sillaba.at(1)))
        return false;
    return sillaba.at(0).isLetter() && !Sillabazione::vocale(sillaba.at(0));
}

} // namespace

Classificazione RegoleLista::classificaParola(const QStringList &sillabe) {
    Classificazione c;
    c.numeroSillabe = int(sillabe.size());
    c.livello = Livello::Facile;
    for (const QString &s : sillabe)
        if (!sillabaSemplice(s.toLower()))
            c.livello = Livello::Difficile;
    if (sillabe.isEmpty())
        c.livello = Livello::Difficile;
    return c;
}

QString RegoleLista::cifraFile(const Classificazione &classificazione) {
    if (classificazione.numeroSillabe != 2 && classificazione.numeroSillabe != 3)
        return {};
    return TipoFileLista::di(classificazione.numeroSillabe, classificazione.livello).cifra();
}

bool RegoleLista::appartieneALista(const QString &codiceLista, const QStringList &sillabe) {
    const QString codice = codiceLista.toLower();
    const QString parola = sillabe.join(QString()).toLower();
    if (codice == QLatin1String("tutte"))
        return true;
    if (codice == QLatin1String("cq&qu"))
        return parola.contains(QLatin1String("qu"));
    if (codice == QLatin1String("vocali"))
        return !parola.isEmpty() && Sillabazione::vocale(parola.at(0));
    static const QStringList consonanti{
        QStringLiteral("ba"), QStringLiteral("ca"), QStringLiteral("da"), QStringLiteral("fa"),
        QStringLiteral("ga"), QStringLiteral("la"), QStringLiteral("ma"), QStringLiteral("na"),
        QStringLiteral("pa"), QStringLiteral("ra"), QStringLiteral("sa"), QStringLiteral("ta"),
        QStringLiteral("va"), QStringLiteral("za")};
    if (!consonanti.contains(codice))
        return false;
    for (const QString &s : sillabe) {
        const QString m = s.toLower();
        if (m.size() > 1 && m.at(0) == codice.at(0) && Sillabazione::vocale(m.at(1)))
            return true;
    }
    return false;
}
