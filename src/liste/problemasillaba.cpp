#include "liste/problemasillaba.h"

QString problemaSillaba(const QString &sillaba) {
    if (sillaba.contains(QLatin1String("..")))
        return QStringLiteral("contiene \"..\"");
    for (QChar c : sillaba) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            return QStringLiteral("contiene un carattere di controllo");
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return QStringLiteral("contiene un separatore di cartelle (%1)").arg(c);
        if (QStringLiteral(":*?\"<>|").contains(c))
            return QStringLiteral("contiene il carattere %1, che non può stare nel nome di un file")
                .arg(c);
    }
    return {};
}
