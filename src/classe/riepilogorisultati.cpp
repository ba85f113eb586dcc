#include "classe/riepilogorisultati.h"

#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <tuple>
#include <unordered_map>

namespace {

QDate giornoDi(const EventoGioco &evento) {
    return QDateTime::fromMSecsSinceEpoch(evento.tempoMs).toLocalTime().date();
}

// The local day of an instant. Turning an instant into a local date costs a time-zone look-up,
// and a child's events come a day at a time, so the last day's bounds answer most of them.
class CalendarioLocale {
public:
    QDate giorno(qint64 ms) {
        if (ms < m_inizio || ms >= m_fine) {
            const QDateTime istante = QDateTime::fromMSecsSinceEpoch(ms).toLocalTime();
            m_giorno = istante.date();
            m_inizio = m_giorno.startOfDay().toMSecsSinceEpoch();
            m_fine = m_giorno.addDays(1).startOfDay().toMSecsSinceEpoch();
        }
        return m_giorno;
    }

private:
    qint64 m_inizio = 0;
    qint64 m_fine = 0;
    QDate m_giorno;
};

using Coppia = std::pair<QString, QString>; // dropped, expected

void ordinaConfusioni(QVector<Confusione> &confusioni, bool perBambini) {
    std::sort(confusioni.begin(), confusioni.end(),
              [perBambini](const Confusione &x, const Confusione &y) {
                  if (perBambini && x.bambini != y.bambini)
                      return x.bambini > y.bambini;
                  if (x.volte != y.volte)
                      return x.volte > y.volte;
                  return std::tie(x.attesa, x.data) < std::tie(y.attesa, y.data);
              });
}

void ordinaParole(QVector<ParolaTentativi> &parole) {
    std::sort(parole.begin(), parole.end(), [](const ParolaTentativi &x, const ParolaTentativi &y) {
        return x.sbagliate != y.sbagliate ? x.sbagliate > y.sbagliate : x.parola < y.parola;
    });
}

// One child's counts, texts as the reader's numbers until the end.
struct Conteggi {
    QMap<QDate, GiornoGrafico> giorni;
    QHash<quint64, int> confusioni; // dropped << 32 | expected
    QHash<quint32, int> parole;
    int completati = 0;
};

struct ListaContata {
    int rilasci = 0;
    QSet<quint32> bambini;
};

} // namespace

bool FiltroRisultati::accetta(const EventoGioco &evento) const {
    return accetta(evento, giornoDi(evento));
}

bool FiltroRisultati::accetta(const EventoGioco &evento, const QDate &giorno) const {
    if (!lista.isEmpty() && evento.lista != lista)
        return false;
    return (!da.isValid() || giorno >= da) && (!a.isValid() || giorno <= a);
}

QString testoConfusione(const Confusione &c) {
    return QStringLiteral("%1 al posto di %2: %3")
        .arg(c.data, c.attesa,
             c.volte == 1 ? QStringLiteral("1 volta") : QStringLiteral("%1 volte").arg(c.volte));
}

RiepilogoClasse riepiloga(const QVector<EventoBambino> &eventi, const FiltroRisultati &filtro) {
    return riepiloga(comeRisultatiLetti(eventi), filtro);
}

RiepilogoClasse riepiloga(const RisultatiLetti &risultati, const FiltroRisultati &filtro) {
    const auto lista = quint32(filtro.lista.isEmpty() ? -1 : risultati.testi.indexOf(filtro.lista));
    if (!filtro.lista.isEmpty() && lista == quint32(-1))
        return {};
    // Kept by node: the pointers below stay good while others are added.
    std::unordered_map<quint32, Conteggi> perBambino;
    std::unordered_map<quint32, ListaContata> liste;
    CalendarioLocale calendario;
    // Events come a child, a day and a list at a time: the last of each is looked up once.
    quint32 ultimoBambino = 0;
    Conteggi *c = nullptr;
    QDate ultimoGiorno;
    GiornoGrafico *g = nullptr;
    quint32 ultimaLista = 0;
    ListaContata *l = nullptr;
    for (const std::vector<EventoLetto> &file : risultati.perFile) {
        for (const EventoLetto &e : file) {
            if (!filtro.lista.isEmpty() && e.lista != lista)
                continue;
            const QDate data = calendario.giorno(e.tempoMs);
            if ((filtro.da.isValid() && data < filtro.da) ||
                (filtro.a.isValid() && data > filtro.a))
                continue;
            if (!c || ultimoBambino != e.bambino) {
                ultimoBambino = e.bambino;
                c = &perBambino[e.bambino];
                g = nullptr;
                l = nullptr;
            }
            if (e.tipo == EventoGioco::Tipo::Completato) {
                ++c->completati;
                continue;
            }
            if (e.tipo != EventoGioco::Tipo::Rilascio)
                continue;
            if (!g || data != ultimoGiorno) {
                ultimoGiorno = data;
                g = &c->giorni[data];
                g->giorno = data;
            }
            if (!l || ultimaLista != e.lista) {
                ultimaLista = e.lista;
                l = &liste[e.lista];
                l->bambini.insert(e.bambino);
            }
            ++l->rilasci;
            if (e.giusto) {
                ++g->giuste;
                continue;
            }
            ++g->sbagliate;
            ++c->confusioni[quint64(e.data) << 32 | e.attesa];
            ++c->parole[e.parola];
        }
    }

    RiepilogoClasse classe;
    QMap<Coppia, Confusione> confusioniClasse;
    QHash<quint32, ParolaTentativi> paroleClasse;
    for (const auto &[bambino, c] : perBambino) {
        RiepilogoBambino r;
        r.bambino = risultati.testo(bambino);
        r.completati = c.completati;
        r.giorni = int(c.giorni.size());
        for (const GiornoGrafico &g : c.giorni) {
            r.grafico.append(g);
            r.giuste += g.giuste;
            r.sbagliate += g.sbagliate;
        }
        // Syllables are compared as the game judges them, in capitals: "da" and "DA" are one.
        QMap<Coppia, int> confusioni;
        for (auto ci = c.confusioni.cbegin(); ci != c.confusioni.cend(); ++ci) {
            confusioni[{risultati.testo(quint32(ci.key() >> 32)).toUpper(),
                        risultati.testo(quint32(ci.key())).toUpper()}] += ci.value();
        }
        for (auto ci = confusioni.cbegin(); ci != confusioni.cend(); ++ci) {
            r.confusioni.append({ci.key().first, ci.key().second, ci.value(), 1});
            Confusione &tutta = confusioniClasse[ci.key()];
            tutta.data = ci.key().first;
            tutta.attesa = ci.key().second;
            tutta.volte += ci.value();
            ++tutta.bambini;
        }
        ordinaConfusioni(r.confusioni, false);
        for (auto pi = c.parole.cbegin(); pi != c.parole.cend(); ++pi) {
            r.parole.append({risultati.testo(pi.key()), pi.value()});
            auto tutta = paroleClasse.find(pi.key());
            if (tutta == paroleClasse.end())
                tutta = paroleClasse.insert(pi.key(), {r.parole.last().parola, 0, 0});
            tutta->sbagliate += pi.value();
            ++tutta->bambini;
        }
        ordinaParole(r.parole);
        classe.bambini.append(std::move(r));
    }
    std::sort(
        classe.bambini.begin(), classe.bambini.end(),
        [](const RiepilogoBambino &x, const RiepilogoBambino &y) { return x.bambino < y.bambino; });
    for (const auto &[codice, contata] : liste)
        classe.liste.append(
            {risultati.testo(codice), contata.rilasci, int(contata.bambini.size())});
    std::sort(classe.liste.begin(), classe.liste.end(),
              [](const ListaPraticata &x, const ListaPraticata &y) {
                  return x.rilasci != y.rilasci ? x.rilasci > y.rilasci : x.lista < y.lista;
              });
    classe.confusioni = confusioniClasse.values();
    ordinaConfusioni(classe.confusioni, true);
    classe.parole = paroleClasse.values();
    ordinaParole(classe.parole);
    return classe;
}

QStringList listeNeiRisultati(const RisultatiLetti &risultati) {
    QSet<quint32> liste;
    for (const std::vector<EventoLetto> &file : risultati.perFile) {
        for (const EventoLetto &e : file)
            liste.insert(e.lista);
    }
    QStringList ordinate;
    for (const quint32 l : liste)
        ordinate << risultati.testo(l);
    ordinate.sort();
    return ordinate;
}

QStringList listeNeiRisultati(const QVector<EventoBambino> &eventi) {
    QSet<QString> liste;
    for (const EventoBambino &e : eventi)
        liste.insert(e.evento.lista);
    QStringList ordinate(liste.cbegin(), liste.cend());
    ordinate.sort();
    return ordinate;
}

namespace {

QByteArray campo(const QString &testo) {
    QByteArray byte = testo.toUtf8();
    // A leading = + - @ would make a spreadsheet run it as a formula.
    if (!byte.isEmpty() && QByteArray("=+-@").contains(byte.at(0)))
        byte.prepend('\'');
    if (byte.contains(',') || byte.contains('"') || byte.contains('\n') || byte.contains('\''))
        return '"' + byte.replace('"', "\"\"") + '"';
    return byte;
}

QByteArray rigaCsv(const QStringList &campi) {
    QByteArrayList parti;
    for (const QString &c : campi)
        parti << campo(c);
    return parti.join(',') + "\r\n";
}

} // namespace

QByteArray riepilogoInCsv(const RiepilogoClasse &riepilogo) {
    QByteArray csv = rigaCsv({QStringLiteral("Bambino"), QStringLiteral("Giorni di gioco"),
                              QStringLiteral("Esercizi completati"), QStringLiteral("Giuste"),
                              QStringLiteral("Sbagliate"), QStringLiteral("Confusioni")});
    for (const RiepilogoBambino &b : riepilogo.bambini) {
        QStringList confusioni;
        for (const Confusione &c : b.confusioni)
            confusioni << testoConfusione(c);
        csv += rigaCsv({b.bambino, QString::number(b.giorni), QString::number(b.completati),
                        QString::number(b.giuste), QString::number(b.sbagliate),
                        confusioni.join(QStringLiteral("; "))});
    }
    return csv;
}
