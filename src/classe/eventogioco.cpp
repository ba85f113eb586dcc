#include "classe/eventogioco.h"

#include <QJsonDocument>
#include <QJsonObject>

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
