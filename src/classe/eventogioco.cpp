#include "classe/eventogioco.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cctype>

namespace {

const char *const NomiTipo[] = {"rilascio", "inizio", "completato", "lasciato"};
const char *const NomiIngresso[] = {"mouse", "tocco", "tap", "tastiera"};

template <typename Enum, size_t N>
std::optional<Enum> daNome(const char *const (&nomi)[N], const QString &nome) {
    for (size_t i = 0; i < N; ++i) {
        if (nome == QLatin1String(nomi[i]))
            return Enum(i);
    }
    return std::nullopt;
}

} // namespace

QString nomeIngresso(Ingresso ingresso) {
    return QLatin1String(NomiIngresso[int(ingresso)]);
}

QByteArray rigaEvento(const EventoGioco &e) {
    QJsonObject o;
    o.insert(QStringLiteral("v"), VersioneRisultati);
    o.insert(QStringLiteral("tipo"), QLatin1String(NomiTipo[int(e.tipo)]));
    o.insert(QStringLiteral("t"), double(e.tempoMs));
    o.insert(QStringLiteral("lista"), e.lista);
    o.insert(QStringLiteral("livello"), e.livello);
    o.insert(QStringLiteral("sillabe"), e.sillabe);
    if (e.tipo == EventoGioco::Tipo::Rilascio) {
        o.insert(QStringLiteral("parola"), e.parola);
        o.insert(QStringLiteral("attesa"), e.attesa);
        o.insert(QStringLiteral("data"), e.data);
        o.insert(QStringLiteral("giusto"), e.giusto);
        o.insert(QStringLiteral("ingresso"), nomeIngresso(e.ingresso));
    } else if (e.tipo != EventoGioco::Tipo::Inizio) {
        o.insert(QStringLiteral("durata"), double(e.durataMs));
    }
    o.insert(QStringLiteral("id"), e.id);
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

QString TestiCondivisi::testo(const char *inizio, qsizetype lunghezza) {
    const QByteArray chiave = QByteArray::fromRawData(inizio, lunghezza);
    const auto trovato = m_testi.constFind(chiave);
    if (trovato != m_testi.constEnd())
        return trovato.value();
    const QString nuovo = QString::fromUtf8(inizio, lunghezza);
    m_testi.insert(QByteArray(inizio, lunghezza), nuovo);
    return nuovo;
}

namespace {

// Reads the flat objects rigaEvento writes (texts, numbers, true and false) without building a
// JSON document: a year of a class is half a million lines. Anything else it does not follow
// (an escape in a text, a nested value) gives false, and the line goes to the JSON reader.
class LettoreRigaPiatta {
public:
    LettoreRigaPiatta(const char *inizio, qsizetype lunghezza, TestiCondivisi &testi)
        : m_p(inizio)
        , m_fine(inizio + lunghezza)
        , m_testi(testi) {}

    bool leggi(int &versione, QString &tipo, EventoGioco &e) {
        spazi();
        if (!carattere('{'))
            return false;
        spazi();
        if (carattere('}'))
            return true;
        for (;;) {
            const char *chiave = nullptr;
            qsizetype lunga = 0;
            if (!testoGrezzo(chiave, lunga))
                return false;
            spazi();
            if (!carattere(':'))
                return false;
            spazi();
            const QByteArray nome = QByteArray::fromRawData(chiave, lunga);
            if (m_p < m_fine && *m_p == '"') {
                const char *inizio = nullptr;
                qsizetype lunghezza = 0;
                if (!testoGrezzo(inizio, lunghezza))
                    return false;
                QString *campo = nome == "tipo"      ? &tipo
                                 : nome == "lista"   ? &e.lista
                                 : nome == "livello" ? &e.livello
                                 : nome == "parola"  ? &e.parola
                                 : nome == "attesa"  ? &e.attesa
                                 : nome == "data"    ? &e.data
                                 : nome == "id"      ? &e.id
                                                     : nullptr;
                if (nome == "ingresso")
                    e.ingresso = ingresso(QByteArray::fromRawData(inizio, lunghezza));
                else if (campo == &e.id)
                    e.id = QString::fromUtf8(inizio, lunghezza);
                else if (campo)
                    *campo = m_testi.testo(inizio, lunghezza);
            } else if (m_fine - m_p >= 4 && std::equal(m_p, m_p + 4, "true")) {
                m_p += 4;
                if (nome == "giusto")
                    e.giusto = true;
            } else if (m_fine - m_p >= 5 && std::equal(m_p, m_p + 5, "false")) {
                m_p += 5;
                if (nome == "giusto")
                    e.giusto = false;
            } else {
                double numero = 0;
                if (!numeroGrezzo(numero))
                    return false;
                if (nome == "v")
                    versione = int(numero);
                else if (nome == "t")
                    e.tempoMs = qint64(numero);
                else if (nome == "sillabe")
                    e.sillabe = int(numero);
                else if (nome == "durata")
                    e.durataMs = qint64(numero);
            }
            spazi();
            if (carattere('}'))
                break;
            if (!carattere(','))
                return false;
            spazi();
        }
        spazi();
        return m_p == m_fine;
    }

private:
    static Ingresso ingresso(const QByteArray &nome) {
        for (int i = 0; i < 4; ++i) {
            if (nome == NomiIngresso[i])
                return Ingresso(i);
        }
        return Ingresso::Mouse;
    }
    void spazi() {
        while (m_p < m_fine && (*m_p == ' ' || *m_p == '\t' || *m_p == '\r'))
            ++m_p;
    }
    bool carattere(char c) {
        if (m_p < m_fine && *m_p == c) {
            ++m_p;
            return true;
        }
        return false;
    }
    bool testoGrezzo(const char *&inizio, qsizetype &lunghezza) {
        if (!carattere('"'))
            return false;
        inizio = m_p;
        while (m_p < m_fine && *m_p != '"') {
            if (*m_p == '\\' || uchar(*m_p) < 0x20)
                return false;
            ++m_p;
        }
        if (m_p == m_fine)
            return false;
        lunghezza = m_p - inizio;
        ++m_p;
        return true;
    }
    bool numeroGrezzo(double &numero) {
        const char *inizio = m_p;
        while (m_p < m_fine && (std::isdigit(uchar(*m_p)) || *m_p == '-' || *m_p == '+' ||
                                *m_p == '.' || *m_p == 'e' || *m_p == 'E'))
            ++m_p;
        if (m_p == inizio)
            return false;
        bool ok = false;
        numero = QByteArray::fromRawData(inizio, m_p - inizio).toDouble(&ok);
        return ok;
    }

    const char *m_p;
    const char *m_fine;
    TestiCondivisi &m_testi;
};

RigaLetta comeEvento(int versione, const QString &tipo, RigaLetta letta) {
    if (versione <= 0)
        return {};
    if (versione > VersioneRisultati) {
        letta.esito = RigaLetta::Esito::Nuova;
        return letta;
    }
    const auto quale = daNome<EventoGioco::Tipo>(NomiTipo, tipo);
    if (!quale)
        return {};
    letta.evento.tipo = *quale;
    letta.esito = RigaLetta::Esito::Buona;
    return letta;
}

} // namespace

RigaLetta leggiRigaEvento(const char *inizio, qsizetype lunghezza, TestiCondivisi &testi) {
    RigaLetta letta;
    int versione = 0;
    QString tipo;
    if (LettoreRigaPiatta(inizio, lunghezza, testi).leggi(versione, tipo, letta.evento))
        return comeEvento(versione, tipo, std::move(letta));
    return leggiRigaEvento(QByteArray(inizio, lunghezza));
}

RigaLetta leggiRigaEvento(const QByteArray &riga) {
    RigaLetta letta;
    QJsonParseError errore{};
    const QJsonDocument documento = QJsonDocument::fromJson(riga, &errore);
    if (errore.error != QJsonParseError::NoError || !documento.isObject())
        return letta;
    const QJsonObject o = documento.object();
    const int versione = o.value(QStringLiteral("v")).toInt(0);
    if (versione <= 0)
        return letta;
    if (versione > VersioneRisultati) {
        letta.esito = RigaLetta::Esito::Nuova;
        return letta;
    }
    const auto tipo =
        daNome<EventoGioco::Tipo>(NomiTipo, o.value(QStringLiteral("tipo")).toString());
    if (!tipo)
        return letta;
    EventoGioco &e = letta.evento;
    e.tipo = *tipo;
    e.tempoMs = qint64(o.value(QStringLiteral("t")).toDouble());
    e.lista = o.value(QStringLiteral("lista")).toString();
    e.livello = o.value(QStringLiteral("livello")).toString();
    e.sillabe = o.value(QStringLiteral("sillabe")).toInt(2);
    e.parola = o.value(QStringLiteral("parola")).toString();
    e.attesa = o.value(QStringLiteral("attesa")).toString();
    e.data = o.value(QStringLiteral("data")).toString();
    e.giusto = o.value(QStringLiteral("giusto")).toBool();
    e.ingresso = daNome<Ingresso>(NomiIngresso, o.value(QStringLiteral("ingresso")).toString())
                     .value_or(Ingresso::Mouse);
    e.durataMs = qint64(o.value(QStringLiteral("durata")).toDouble());
    e.id = o.value(QStringLiteral("id")).toString();
    letta.esito = RigaLetta::Esito::Buona;
    return letta;
}
