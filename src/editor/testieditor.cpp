#include "editor/testieditor.h"

#include "core/modulo1.h"

#include <QDir>

namespace TestiEditor {

QString descriviFile(const QString &cifra) {
    if (cifra == QLatin1String("2"))
        return QStringLiteral("due sillabe, facili");
    if (cifra == QLatin1String("4"))
        return QStringLiteral("due sillabe, difficili");
    if (cifra == QLatin1String("3"))
        return QStringLiteral("tre sillabe, facili");
    return QStringLiteral("tre sillabe, difficili");
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

} // namespace TestiEditor
