#include "classe/letturarisultati.h"

#include "core/letturadati.h"
#include "core/logging.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>
#include <unordered_set>
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

// The ids already counted. An id is "<copy of the game>-<counter>", so each is kept as a number
// beside its copy's index: half a million of them fit in a plain hash set of integers.
class IdContati {
public:
    // False when the id was counted already.
    bool nuovo(const QString &id) {
        const qsizetype trattino = id.lastIndexOf(QLatin1Char('-'));
        bool numero = false;
        const qulonglong contatore =
            trattino > 0 ? QStringView(id).mid(trattino + 1).toULongLong(&numero) : 0;
        if (!numero || contatore >= (1ULL << 40))
            return !m_altri.contains(id) && (m_altri.insert(id), true);
        const QStringView copia = QStringView(id).left(trattino);
        if (copia != m_ultimaCopia) {
            m_ultimaCopia = copia.toString();
            m_indiceUltima = m_copie.value(m_ultimaCopia, int(m_copie.size()));
            m_copie.insert(m_ultimaCopia, m_indiceUltima);
        }
        return m_numeri.insert((quint64(m_indiceUltima) << 40) | contatore).second;
    }

private:
    QHash<QString, int> m_copie;
    QString m_ultimaCopia;
    int m_indiceUltima = 0;
    std::unordered_set<quint64> m_numeri;
    QSet<QString> m_altri;
};

// One file read and parsed, on any thread: its events, or why it is skipped.
struct FileLetto {
    QString percorso;
    QString bambino;
    QString motivoScarto;
    QVector<EventoGioco> eventi;
};

void leggiFile(FileLetto &file, TestiCondivisi &testi) {
    const LetturaDati letto = leggiFileDati(file.percorso, MassimaDimensioneRisultati);
    if (!letto.letto()) {
        file.motivoScarto = letto.motivo();
        return;
    }
    QVector<EventoGioco> &suoi = file.eventi;
    const char *const byte = letto.byte.constData();
    const qsizetype dimensione = letto.byte.size();
    qsizetype inizio = 0;
    while (inizio < dimensione) {
        const char *a_capo = static_cast<const char *>(
            std::memchr(byte + inizio, '\n', size_t(dimensione - inizio)));
        if (!a_capo)
            break; // torn by a power cut: the rest of the line never reached the disk
        const qsizetype fine = a_capo - byte;
        RigaLetta riga = leggiRigaEvento(byte + inizio, fine - inizio, testi);
        inizio = fine + 1;
        if (riga.esito == RigaLetta::Esito::Nuova) {
            file.motivoScarto = QStringLiteral("scritto da una versione più recente del gioco");
            suoi.clear();
            return;
        }
        if (riga.esito == RigaLetta::Esito::Estranea) {
            if (suoi.isEmpty()) {
                file.motivoScarto = QStringLiteral("non è un file di risultati del gioco");
                return;
            }
            continue; // a damaged line among good ones
        }
        suoi.append(std::move(riga.evento));
    }
}

QStringList fileRisultati(const QString &cartella) {
    return QDir(cartella).entryList({QStringLiteral("*.jsonl")}, QDir::Files, QDir::Name);
}

} // namespace

QVector<EventoBambino> leggiRisultati(const QStringList &cartelle) {
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
    std::atomic<size_t> prossimo{0};
    const auto lavora = [&files, &prossimo] {
        TestiCondivisi testi;
        for (size_t i = prossimo++; i < files.size(); i = prossimo++) {
            if (files[i].motivoScarto.isEmpty())
                leggiFile(files[i], testi);
        }
    };
    const unsigned aiutanti =
        std::min<unsigned>(std::max(1u, std::thread::hardware_concurrency()), 8) - 1;
    std::vector<std::thread> thread;
    for (unsigned i = 0; i < aiutanti && i + 1 < files.size(); ++i)
        thread.emplace_back(lavora);
    lavora();
    for (std::thread &t : thread)
        t.join();

    QVector<EventoBambino> eventi;
    IdContati contati;
    for (FileLetto &file : files) {
        if (!file.motivoScarto.isEmpty()) {
            saltaFile(file.percorso, file.motivoScarto);
            continue;
        }
        for (EventoGioco &e : file.eventi) {
            if (e.id.isEmpty() || contati.nuovo(e.id))
                eventi.append({file.bambino, std::move(e)});
        }
        file.eventi = {};
    }
    return eventi;
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
