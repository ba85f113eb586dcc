#include "classe/eventogioco.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cctype>
#include <cstring>

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

std::optional<EventoGioco::Tipo> tipoDaNome(const char *inizio, qsizetype lunghezza) {
    const QByteArray nome = QByteArray::fromRawData(inizio, lunghezza);
    for (int i = 0; i < 4; ++i) {
        if (nome == NomiTipo[i])
            return EventoGioco::Tipo(i);
    }
    return std::nullopt;
}

Ingresso ingressoDaNome(const char *inizio, qsizetype lunghezza) {
    const QByteArray nome = QByteArray::fromRawData(inizio, lunghezza);
    for (int i = 0; i < 4; ++i) {
        if (nome == NomiIngresso[i])
            return Ingresso(i);
    }
    return Ingresso::Mouse;
}

namespace {

template <size_t N> bool uguale(const CampiRiga::Testo &testo, const char (&letterale)[N]) {
    return testo.lunghezza == qsizetype(N - 1) && std::memcmp(testo.inizio, letterale, N - 1) == 0;
}

// Reads the flat objects rigaEvento writes (texts, numbers, true and false) without building a
// JSON document: a year of a class is half a million lines. Anything else it does not follow
// (an escape in a text, a nested value) gives false, and the line goes to the JSON reader.
class LettoreRigaPiatta {
public:
    LettoreRigaPiatta(const char *inizio, qsizetype lunghezza)
        : m_p(inizio)
        , m_fine(inizio + lunghezza) {}

    bool leggi(CampiRiga &r) {
        spazi();
        if (!carattere('{'))
            return false;
        spazi();
        if (carattere('}'))
            return true;
        for (;;) {
            CampiRiga::Testo chiave;
            if (!testoGrezzo(chiave))
                return false;
            spazi();
            if (!carattere(':'))
                return false;
            spazi();
            const auto nome = [&chiave](auto &testo) {
                return uguale(chiave, testo);
            };
            if (m_p < m_fine && *m_p == '"') {
                CampiRiga::Testo valore;
                if (!testoGrezzo(valore))
                    return false;
                CampiRiga::Testo *campo = nome("tipo")       ? &r.tipo
                                          : nome("lista")    ? &r.lista
                                          : nome("livello")  ? &r.livello
                                          : nome("parola")   ? &r.parola
                                          : nome("attesa")   ? &r.attesa
                                          : nome("data")     ? &r.data
                                          : nome("ingresso") ? &r.ingresso
                                          : nome("id")       ? &r.id
                                                             : nullptr;
                if (campo)
                    *campo = valore;
            } else if (m_fine - m_p >= 4 && std::equal(m_p, m_p + 4, "true")) {
                m_p += 4;
                if (nome("giusto"))
                    r.giusto = true;
            } else if (m_fine - m_p >= 5 && std::equal(m_p, m_p + 5, "false")) {
                m_p += 5;
                if (nome("giusto"))
                    r.giusto = false;
            } else {
                double numero = 0;
                if (!numeroGrezzo(numero))
                    return false;
                if (nome("v"))
                    r.versione = int(numero);
                else if (nome("t"))
                    r.tempoMs = qint64(numero);
                else if (nome("sillabe"))
                    r.sillabe = int(numero);
                else if (nome("durata"))
                    r.durataMs = qint64(numero);
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
    bool testoGrezzo(CampiRiga::Testo &testo) {
        if (!carattere('"'))
            return false;
        testo.inizio = m_p;
        while (m_p < m_fine && *m_p != '"') {
            if (*m_p == '\\' || uchar(*m_p) < 0x20)
                return false;
            ++m_p;
        }
        if (m_p == m_fine)
            return false;
        testo.lunghezza = m_p - testo.inizio;
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
        // Times and counts are whole numbers of at most 15 digits: exact in a double.
        if (m_p - inizio <= 15 &&
            std::all_of(inizio, m_p, [](char c) { return c >= '0' && c <= '9'; })) {
            qint64 intero = 0;
            for (const char *c = inizio; c < m_p; ++c)
                intero = intero * 10 + (*c - '0');
            numero = double(intero);
            return true;
        }
        bool ok = false;
        numero = QByteArray::fromRawData(inizio, m_p - inizio).toDouble(&ok);
        return ok;
    }

    const char *m_p;
    const char *m_fine;
};

} // namespace

bool leggiCampiRiga(const char *inizio, qsizetype lunghezza, CampiRiga &campi) {
    return LettoreRigaPiatta(inizio, lunghezza).leggi(campi);
}

RigaLetta::Esito esitoCampi(const CampiRiga &campi) {
    if (campi.versione <= 0)
        return RigaLetta::Esito::Estranea;
    if (campi.versione > VersioneRisultati)
        return RigaLetta::Esito::Nuova;
    return tipoDaNome(campi.tipo.inizio, campi.tipo.lunghezza) ? RigaLetta::Esito::Buona
                                                               : RigaLetta::Esito::Estranea;
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
