#include "classe/letturarisultati.h"

#include "core/letturadati.h"
#include "core/logging.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <set>
#include <thread>
#include <vector>

QString bambinoDelFile(const QString &nomeFile) {
    if (!nomeFile.endsWith(QStringLiteral(".jsonl")))
        return {};
    const int chiocciola = nomeFile.indexOf(QLatin1Char('@'));
    if (chiocciola <= 0)
        return {};
    return QUrl::fromPercentEncoding(nomeFile.left(chiocciola).toLatin1());
}

namespace {

void saltaFile(const QString &percorso, const QString &motivo) {
    qCWarning(lcDati).noquote() << "Salto il file dei risultati"
                                << QDir::toNativeSeparators(percorso) << "-" << motivo;
}

// Texts numbered in the order met, each kept once: a list's code, a word or a copy's name is
// stored a few hundred times a day.
class TestiNumerati {
public:
    quint32 indice(const char *inizio, qsizetype lunghezza) {
        const auto trovato = m_indici.constFind(QByteArray::fromRawData(inizio, lunghezza));
        if (trovato != m_indici.constEnd())
            return trovato.value();
        const auto nuovo = quint32(m_testi.size());
        m_testi.append(QString::fromUtf8(inizio, lunghezza));
        m_indici.insert(QByteArray(inizio, lunghezza), nuovo);
        return nuovo;
    }
    quint32 indice(const QString &testo) {
        const QByteArray byte = testo.toUtf8();
        return indice(byte.constData(), byte.size());
    }
    QStringList m_testi;

private:
    QHash<QByteArray, quint32> m_indici;
};

// An id "<copy>-<counter>" as its copy and counter, when the counter is written as the game
// writes it (no sign, no leading zero), so that the id can be given back as it was.
void dividiId(const char *inizio, qsizetype lunghezza, TestiNumerati &testi, EventoLetto &e) {
    e.senzaId = lunghezza == 0;
    qsizetype trattino = lunghezza - 1;
    while (trattino >= 0 && inizio[trattino] != '-')
        --trattino;
    const qsizetype cifre = lunghezza - trattino - 1;
    bool numero =
        trattino > 0 && cifre > 0 && cifre <= 12 && (cifre == 1 || inizio[trattino + 1] != '0');
    quint64 contatore = 0;
    for (qsizetype i = trattino + 1; numero && i < lunghezza; ++i) {
        numero = inizio[i] >= '0' && inizio[i] <= '9';
        contatore = contatore * 10 + quint64(inizio[i] - '0');
    }
    e.contatore = numero ? contatore : EventoLetto::SenzaContatore;
    e.copia = testi.indice(inizio, numero ? trattino : lunghezza);
}

void aggiungiEvento(const EventoGioco &g, TestiNumerati &testi, EventoLetto &e) {
    e.tipo = g.tipo;
    e.tempoMs = g.tempoMs;
    e.lista = testi.indice(g.lista);
    e.livello = testi.indice(g.livello);
    e.sillabe = g.sillabe;
    e.parola = testi.indice(g.parola);
    e.attesa = testi.indice(g.attesa);
    e.data = testi.indice(g.data);
    e.giusto = g.giusto;
    e.ingresso = g.ingresso;
    e.durataMs = g.durataMs;
    const QByteArray id = g.id.toUtf8();
    dividiId(id.constData(), id.size(), testi, e);
}

// One line read into `e`, its texts numbered in `testi`.
RigaLetta::Esito leggiRiga(const char *inizio, qsizetype lunghezza, TestiNumerati &testi,
                           EventoLetto &e) {
    CampiRiga r;
    if (!leggiCampiRiga(inizio, lunghezza, r)) {
        // Escapes or nesting: rare, and the JSON reader knows them.
        const RigaLetta letta = leggiRigaEvento(QByteArray(inizio, lunghezza));
        if (letta.esito == RigaLetta::Esito::Buona)
            aggiungiEvento(letta.evento, testi, e);
        return letta.esito;
    }
    const RigaLetta::Esito esito = esitoCampi(r);
    if (esito != RigaLetta::Esito::Buona)
        return esito;
    e.tipo = *tipoDaNome(r.tipo.inizio, r.tipo.lunghezza);
    e.tempoMs = r.tempoMs;
    e.lista = testi.indice(r.lista.inizio, r.lista.lunghezza);
    e.livello = testi.indice(r.livello.inizio, r.livello.lunghezza);
    e.sillabe = r.sillabe;
    e.parola = testi.indice(r.parola.inizio, r.parola.lunghezza);
    e.attesa = testi.indice(r.attesa.inizio, r.attesa.lunghezza);
    e.data = testi.indice(r.data.inizio, r.data.lunghezza);
    e.giusto = r.giusto;
    e.ingresso = ingressoDaNome(r.ingresso.inizio, r.ingresso.lunghezza);
    e.durataMs = r.durataMs;
    dividiId(r.id.inizio, r.id.lunghezza, testi, e);
    return esito;
}

// The ids already counted, per copy of the game. A copy's counters start at 1 and rise by one,
// so each copy keeps one bit per counter. The bits grow with the lines counted (a file of a few
// ids with huge counters must not take gigabytes); an id beyond them goes in a set.
class IdContati {
public:
    // False when the id was counted already.
    bool nuovo(const EventoLetto &e) {
        if (e.senzaId)
            return true;
        ++m_contati;
        const std::pair<quint32, quint64> chiave{e.copia, e.contatore};
        if (e.contatore < (quint64(1) << 32)) {
            if (e.copia >= m_bit.size())
                m_bit.resize(e.copia + 1);
            std::vector<quint64> &bit = m_bit[e.copia];
            const size_t parola = size_t(e.contatore / 64);
            if (parola >= bit.size()) {
                const size_t nuove = std::max(parola + 1, bit.size() * 2) - bit.size();
                if (m_parole + nuove <= 8 * m_contati + 4096) {
                    m_parole += nuove;
                    bit.resize(bit.size() + nuove);
                }
            }
            if (parola < bit.size()) {
                const quint64 maschera = quint64(1) << (e.contatore % 64);
                // It may have gone in the set before its copy's bits reached it.
                if ((bit[parola] & maschera) || (!m_altri.empty() && m_altri.count(chiave)))
                    return false;
                bit[parola] |= maschera;
                return true;
            }
        }
        return m_altri.insert(chiave).second;
    }

private:
    std::vector<std::vector<quint64>> m_bit; // by the copy's text
    size_t m_parole = 0;
    size_t m_contati = 0;
    std::set<std::pair<quint32, quint64>> m_altri;
};

// One file read and parsed, on any thread: its events, or why it is skipped.
struct FileLetto {
    QString percorso;
    QString bambino;
    QString motivoScarto;
    std::vector<EventoLetto> eventi; // texts numbered in the table of the thread that read it
    size_t lettore = 0;
};

void leggiFile(FileLetto &file, TestiNumerati &testi) {
    const LetturaDati letto = leggiFileDati(file.percorso, MassimaDimensioneRisultati);
    if (!letto.letto()) {
        file.motivoScarto = letto.motivo();
        return;
    }
    std::vector<EventoLetto> &suoi = file.eventi;
    const char *const byte = letto.byte.constData();
    const qsizetype dimensione = letto.byte.size();
    // A line is about 170 bytes.
    suoi.reserve(size_t(dimensione / 150 + 1));
    qsizetype inizio = 0;
    while (inizio < dimensione) {
        const char *a_capo = static_cast<const char *>(
            std::memchr(byte + inizio, '\n', size_t(dimensione - inizio)));
        if (!a_capo)
            break; // torn by a power cut: the rest of the line never reached the disk
        const qsizetype fine = a_capo - byte;
        EventoLetto e;
        const RigaLetta::Esito esito = leggiRiga(byte + inizio, fine - inizio, testi, e);
        inizio = fine + 1;
        if (esito == RigaLetta::Esito::Nuova) {
            file.motivoScarto = QStringLiteral("scritto da una versione più recente del gioco");
            suoi = {};
            return;
        }
        if (esito == RigaLetta::Esito::Estranea) {
            if (suoi.empty()) {
                file.motivoScarto = QStringLiteral("non è un file di risultati del gioco");
                return;
            }
            continue; // a damaged line among good ones
        }
        suoi.push_back(e);
    }
}

QStringList fileRisultati(const QString &cartella) {
    return QDir(cartella).entryList({QStringLiteral("*.jsonl")}, QDir::Files, QDir::Name);
}

} // namespace

RigaLetta leggiRigaComeIlLettore(const QByteArray &riga) {
    TestiNumerati testi;
    EventoLetto letto;
    RigaLetta letta;
    letta.esito = leggiRiga(riga.constData(), riga.size(), testi, letto);
    if (letta.esito == RigaLetta::Esito::Buona) {
        RisultatiLetti risultati;
        risultati.testi = testi.m_testi;
        letta.evento = risultati.evento(letto).evento;
    }
    return letta;
}

EventoBambino RisultatiLetti::evento(const EventoLetto &l) const {
    EventoBambino eb;
    eb.bambino = testo(l.bambino);
    EventoGioco &e = eb.evento;
    e.tipo = l.tipo;
    e.tempoMs = l.tempoMs;
    e.lista = testo(l.lista);
    e.livello = testo(l.livello);
    e.sillabe = l.sillabe;
    e.parola = testo(l.parola);
    e.attesa = testo(l.attesa);
    e.data = testo(l.data);
    e.giusto = l.giusto;
    e.ingresso = l.ingresso;
    e.durataMs = l.durataMs;
    if (!l.senzaId) {
        e.id = testo(l.copia);
        if (l.contatore != EventoLetto::SenzaContatore)
            e.id += QLatin1Char('-') + QString::number(l.contatore);
    }
    return eb;
}

RisultatiLetti leggiRisultatiLetti(const QStringList &cartelle) {
    std::vector<FileLetto> files;
    for (const QString &cartella : cartelle) {
        for (const QString &nome : fileRisultati(cartella)) {
            FileLetto file;
            file.percorso = cartella + QLatin1Char('/') + nome;
            file.bambino = bambinoDelFile(nome);
            if (file.bambino.isEmpty())
                file.motivoScarto = QStringLiteral("il nome non è quello di un file del gioco");
            files.push_back(std::move(file));
        }
    }
    // A class's year is tens of megabytes: the files are read and parsed on every core, then
    // counted here, in order, each line once.
    const unsigned aiutanti =
        std::min<unsigned>(std::max(1u, std::thread::hardware_concurrency()), 8) - 1;
    const size_t lettori = std::min<size_t>(aiutanti + 1, std::max<size_t>(files.size(), 1));
    std::vector<TestiNumerati> testiLettori(lettori);
    std::atomic<size_t> prossimo{0};
    const auto lavora = [&files, &prossimo, &testiLettori](size_t lettore) {
        for (size_t i = prossimo++; i < files.size(); i = prossimo++) {
            files[i].lettore = lettore;
            if (files[i].motivoScarto.isEmpty())
                leggiFile(files[i], testiLettori[lettore]);
        }
    };
    std::vector<std::thread> thread;
    for (size_t i = 1; i < lettori; ++i)
        thread.emplace_back(lavora, i);
    lavora(0);
    for (std::thread &t : thread)
        t.join();

    // Each reader's numbers become the result's.
    TestiNumerati testi;
    std::vector<std::vector<quint32>> comeNostri(lettori);
    for (size_t l = 0; l < lettori; ++l) {
        for (const QString &testo : std::as_const(testiLettori[l].m_testi))
            comeNostri[l].push_back(testi.indice(testo));
    }
    RisultatiLetti risultati;
    IdContati contati;
    for (FileLetto &file : files) {
        if (!file.motivoScarto.isEmpty()) {
            saltaFile(file.percorso, file.motivoScarto);
            continue;
        }
        const std::vector<quint32> &nostro = comeNostri[file.lettore];
        const quint32 bambino = testi.indice(file.bambino);
        // Kept where they are, each line moved back over those counted already.
        std::vector<EventoLetto> &suoi = file.eventi;
        size_t tenuti = 0;
        for (EventoLetto &e : suoi) {
            e.bambino = bambino;
            e.lista = nostro[e.lista];
            e.livello = nostro[e.livello];
            e.parola = nostro[e.parola];
            e.attesa = nostro[e.attesa];
            e.data = nostro[e.data];
            e.copia = nostro[e.copia];
            if (contati.nuovo(e))
                suoi[tenuti++] = e;
        }
        suoi.resize(tenuti);
        risultati.perFile.push_back(std::move(suoi));
    }
    risultati.testi = std::move(testi.m_testi);
    return risultati;
}

QVector<EventoBambino> leggiRisultati(const QStringList &cartelle) {
    const RisultatiLetti letti = leggiRisultatiLetti(cartelle);
    QVector<EventoBambino> eventi;
    for (const std::vector<EventoLetto> &file : letti.perFile) {
        for (const EventoLetto &e : file)
            eventi.append(letti.evento(e));
    }
    return eventi;
}

RisultatiLetti comeRisultatiLetti(const QVector<EventoBambino> &eventi) {
    TestiNumerati testi;
    RisultatiLetti risultati;
    std::vector<EventoLetto> &tutti = risultati.perFile.emplace_back();
    tutti.reserve(size_t(eventi.size()));
    for (const EventoBambino &eb : eventi) {
        EventoLetto e;
        aggiungiEvento(eb.evento, testi, e);
        e.bambino = testi.indice(eb.bambino);
        tutti.push_back(e);
    }
    risultati.testi = std::move(testi.m_testi);
    return risultati;
}

QStringList cancellaRisultati(const QStringList &cartelle, const QString &bambino) {
    QStringList rimasti;
    for (const QString &cartella : cartelle) {
        for (const QString &nome : fileRisultati(cartella)) {
            const QString suo = bambinoDelFile(nome);
            if (suo.isEmpty() || (!bambino.isEmpty() && suo != bambino))
                continue;
            if (!QFile::remove(cartella + QLatin1Char('/') + nome))
                rimasti << cartella + QLatin1Char('/') + nome;
        }
    }
    return rimasti;
}
