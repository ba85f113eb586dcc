#include "liste/lettorecampi.h"

#include <QStringDecoder>
#include <optional>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five unused codes stay as they are.
constexpr char16_t Cp1252Alto[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString daWindows1252(const QByteArray &byte) {
    QString testo(byte.size(), Qt::Uninitialized);
    for (int i = 0; i < byte.size(); ++i) {
        const auto b = static_cast<unsigned char>(byte[i]);
        testo[i] = (b >= 0x80 && b < 0xA0) ? QChar(Cp1252Alto[b - 0x80]) : QChar(b);
    }
    return testo;
}

// Notepad's "Unicode" is UTF-16 with a byte-order mark; other programs leave the mark out, and
// then a list, nearly all Latin letters, shows itself by a zero in every other byte.
std::optional<QStringConverter::Encoding> codificaUtf16(const QByteArray &byte) {
    if (byte.startsWith("\xFF\xFE"))
        return QStringConverter::Utf16LE;
    if (byte.startsWith("\xFE\xFF"))
        return QStringConverter::Utf16BE;
    const qsizetype coppie = byte.size() / 2;
    qsizetype zeroDopo = 0;
    qsizetype zeroPrima = 0;
    for (qsizetype i = 0; i < coppie; ++i) {
        const bool primo = byte[2 * i] == 0;
        const bool secondo = byte[2 * i + 1] == 0;
        zeroDopo += !primo && secondo;
        zeroPrima += primo && !secondo;
    }
    if (coppie == 0)
        return std::nullopt;
    if (zeroDopo * 4 >= coppie * 3)
        return QStringConverter::Utf16LE;
    if (zeroPrima * 4 >= coppie * 3)
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

bool spazio(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool fineRiga(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

} // namespace

QString decodificaTestoLista(const QByteArray &byte) {
    if (const std::optional<QStringConverter::Encoding> utf16 = codificaUtf16(byte)) {
        QStringDecoder decodificatore(*utf16, QStringDecoder::Flag::ConvertInitialBom);
        QString testo = decodificatore.decode(byte);
        if (testo.startsWith(QChar(0xFEFF)))
            testo.remove(0, 1);
        return testo;
    }
    // A list pasted together from several places may mix the two, so each line is read in the
    // encoding it is valid in. No UTF-8 sequence holds a line feed byte, so splitting is safe.
    QString testo;
    qsizetype inizio = byte.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (inizio < byte.size()) {
        qsizetype fine = byte.indexOf('\n', inizio);
        fine = fine < 0 ? byte.size() : fine + 1;
        const QByteArray riga = byte.mid(inizio, fine - inizio);
        // A mark at the start of a later line is text, to be refused, not skipped.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                      QStringDecoder::Flag::ConvertInitialBom);
        const QString letta = utf8.decode(riga);
        testo += utf8.hasError() ? daWindows1252(riga) : letta;
        inizio = fine;
    }
    return testo;
}

LettoreCampi::LettoreCampi(QString testo)
    : m_testo(std::move(testo)) {}

bool LettoreCampi::aFineRiga() const {
    return m_pos < m_testo.size() && fineRiga(m_testo[m_pos]);
}

void LettoreCampi::saltaSpaziERighe() {
    while (m_pos < m_testo.size() && (spazio(m_testo[m_pos]) || fineRiga(m_testo[m_pos])))
        ++m_pos;
}

bool LettoreCampi::fine() {
    saltaSpaziERighe();
    return m_pos >= m_testo.size();
}

void LettoreCampi::consumaSeparatore() {
    // Whatever stands between a closing quote and the next separator is not part of the field.
    while (m_pos < m_testo.size() && m_testo[m_pos] != QLatin1Char(',') && !aFineRiga())
        ++m_pos;
    if (m_pos < m_testo.size())
        ++m_pos; // the comma, or the CR or LF; a following LF of a CRLF is a blank line end
}

LettoreCampi::Esito LettoreCampi::leggi(QString &campo) {
    campo.clear();
    if (fine())
        return Esito::FineTesto;
    if (m_testo[m_pos] == QLatin1Char('"')) {
        const int chiusura = m_testo.indexOf(QLatin1Char('"'), m_pos + 1);
        if (chiusura < 0) {
            m_pos = m_testo.size();
            return Esito::VirgoletteAperte;
        }
        campo = m_testo.mid(m_pos + 1, chiusura - m_pos - 1);
        m_pos = chiusura + 1;
        consumaSeparatore();
        return Esito::Letto;
    }
    const int inizio = m_pos;
    while (m_pos < m_testo.size() && m_testo[m_pos] != QLatin1Char(',') && !aFineRiga())
        ++m_pos;
    int fineCampo = m_pos;
    while (fineCampo > inizio && spazio(m_testo[fineCampo - 1]))
        --fineCampo;
    campo = m_testo.mid(inizio, fineCampo - inizio);
    if (m_pos < m_testo.size())
        ++m_pos;
    return Esito::Letto;
}
