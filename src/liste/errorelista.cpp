#include "liste/errorelista.h"

#include "liste/problemasillaba.h"

#include <QFileInfo>
#include <QList>
#include <QStringView>

QString testoLeggibile(const QString &testo) {
    QString leggibile;
    leggibile.reserve(testo.size());
    for (const char32_t u : QStringView(testo).toUcs4()) {
        if (carattereInvisibile(u)) {
            leggibile += QStringLiteral("U+%1").arg(uint(u), 4, 16, QLatin1Char('0')).toUpper();
        } else if (QChar::requiresSurrogates(u)) {
            leggibile += QChar(QChar::highSurrogate(u));
            leggibile += QChar(QChar::lowSurrogate(u));
        } else {
            leggibile += QChar(char16_t(u));
        }
    }
    return leggibile;
}

QString ErroreLista::descrizione() const {
    QString testo = QStringLiteral("Lista di parole \"%1\"").arg(QFileInfo(file).fileName());
    if (parola > 0)
        testo += QStringLiteral(", parola numero %1").arg(parola);
    return testoLeggibile(testo + QStringLiteral(": ") + dettaglio) +
           QStringLiteral("\n(%1)").arg(testoLeggibile(file));
}
