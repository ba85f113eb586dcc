#include "liste/problemasillaba.h"

#include <QList>
#include <QStringList>
#include <QStringView>

#include <string_view>

namespace {

bool ignoratoDaiFont(char32_t u) {
    // Shown as nothing although Unicode files them with letters or marks.
    return u == 0x034F || u == 0x115F || u == 0x1160 || u == 0x17B4 || u == 0x17B5 ||
           (u >= 0x180B && u <= 0x180F) || u == 0x3164 || (u >= 0xFE00 && u <= 0xFE0F) ||
           u == 0xFFA0 || (u >= 0xE0100 && u <= 0xE01EF);
}

bool nonCarattere(char32_t u) {
    return (u >= 0xFDD0 && u <= 0xFDEF) || (u & 0xFFFE) == 0xFFFE;
}

QString codice(char32_t u) {
    return QStringLiteral("U+%1").arg(uint(u), 4, 16, QLatin1Char('0')).toUpper();
}

bool riservatoWindows(const QString &parola) {
    // Windows opens the device for these names whatever extension follows them.
    QString base = parola.section(QLatin1Char('.'), 0, 0).toUpper();
    while (base.endsWith(QLatin1Char(' ')))
        base.chop(1);
    static const QStringList semplici = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                         QStringLiteral("AUX"), QStringLiteral("NUL")};
    if (semplici.contains(base))
        return true;
    if (base.size() != 4 ||
        !(base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT"))))
        return false;
    const QChar cifra = base[3];
    return (cifra >= QLatin1Char('1') && cifra <= QLatin1Char('9')) || cifra == QChar(0x00B9) ||
           cifra == QChar(0x00B2) || cifra == QChar(0x00B3);
}

} // namespace

bool carattereInvisibile(char32_t u) {
    if (nonCarattere(u) || ignoratoDaiFont(u))
        return true;
    switch (QChar::category(u)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

QString problemaSillaba(const QString &sillaba) {
    if (sillaba.trimmed().isEmpty())
        return QStringLiteral("è vuota");
    if (sillaba.front().isSpace() || sillaba.back().isSpace())
        return QStringLiteral("comincia o finisce con uno spazio");
    if (sillaba.contains(QLatin1String("..")))
        return QStringLiteral("contiene \"..\"");
    const QList<uint> codici = QStringView(sillaba).toUcs4();
    int lettere = 0;
    for (const char32_t u : codici) {
        if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            return QStringLiteral("contiene un carattere di controllo (%1)").arg(codice(u));
        if (u == 0xFFFD)
            return QStringLiteral("contiene un carattere illeggibile (U+FFFD): il file è stato "
                                  "salvato con una codifica sbagliata");
        if (carattereInvisibile(u))
            return QStringLiteral("contiene un carattere invisibile (%1)").arg(codice(u));
        // Compared as whole code points: cut to 16 bits, U+1003A would pass for ':'.
        if (u == '/' || u == '\\')
            return QStringLiteral("contiene un separatore di cartelle (%1)")
                .arg(QLatin1Char(char(u)));
        if (std::u32string_view(U":*?\"<>|").find(u) != std::u32string_view::npos)
            return QStringLiteral("contiene il carattere %1, che non può stare nel nome di un file")
                .arg(QLatin1Char(char(u)));
        if (QChar::isSpace(u))
            return QStringLiteral("contiene uno spazio");
        const QChar::Category categoria = QChar::category(u);
        if (categoria != QChar::Mark_NonSpacing && categoria != QChar::Mark_SpacingCombining &&
            categoria != QChar::Mark_Enclosing)
            ++lettere;
    }
    // Accents typed as separate marks do not count as letters, but a pile of them is no syllable.
    if (lettere > MassimoLettereSillaba || codici.size() > 3 * MassimoLettereSillaba)
        return QStringLiteral("è troppo lunga: una sillaba può avere al massimo %1 lettere")
            .arg(MassimoLettereSillaba);
    return {};
}

QString problemaParola(const QString &parola) {
    const QString nome = parola + QStringLiteral(".jpg");
    if (nome.toUtf8().size() > 255)
        return QStringLiteral("è troppo lunga per dare il nome alla sua figura");
    if (parola.startsWith(QLatin1Char('.')))
        return QStringLiteral("comincia con un punto, e la sua figura sarebbe un file nascosto");
    if (parola.endsWith(QLatin1Char('.')) || parola.endsWith(QLatin1Char(' ')))
        return QStringLiteral("finisce con un punto o uno spazio, che Windows toglie dal nome "
                              "della sua figura");
    if (parola.contains(QLatin1String("..")))
        return QStringLiteral("contiene \"..\"");
    if (riservatoWindows(parola))
        return QStringLiteral("è un nome che Windows riserva ai dispositivi e non può dare il "
                              "nome a una figura");
    return {};
}
