#include "classe/letturarisultati.h"

#include "core/letturadati.h"
#include "core/logging.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QUrl>

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

void leggiFile(const QString &percorso, const QString &bambino, QSet<QString> &visti,
               QVector<EventoBambino> &eventi) {
    const LetturaDati letto = leggiFileDati(percorso, MassimaDimensioneRisultati);
    if (!letto.letto()) {
        saltaFile(percorso, letto.motivo());
        return;
    }
    QVector<EventoBambino> suoi;
    int inizio = 0;
    const QByteArray &byte = letto.byte;
    while (inizio < byte.size()) {
        const int fine = byte.indexOf('\n', inizio);
        if (fine < 0)
            break; // torn by a power cut: the rest of the line never reached the disk
        const RigaLetta riga = leggiRigaEvento(byte.mid(inizio, fine - inizio));
        inizio = fine + 1;
        if (riga.esito == RigaLetta::Esito::Nuova) {
            saltaFile(percorso, QStringLiteral("scritto da una versione più recente del gioco"));
            return;
        }
        if (riga.esito == RigaLetta::Esito::Estranea) {
            if (suoi.isEmpty()) {
                saltaFile(percorso, QStringLiteral("non è un file di risultati del gioco"));
                return;
            }
            continue; // a damaged line among good ones
        }
        suoi.append({bambino, riga.evento});
    }
    for (EventoBambino &e : suoi) {
        if (e.evento.id.isEmpty() || !visti.contains(e.evento.id)) {
            visti.insert(e.evento.id);
            eventi.append(std::move(e));
        }
    }
}

QStringList fileRisultati(const QString &cartella) {
    return QDir(cartella).entryList({QStringLiteral("*.jsonl")}, QDir::Files, QDir::Name);
}

} // namespace

QVector<EventoBambino> leggiRisultati(const QStringList &cartelle) {
    QVector<EventoBambino> eventi;
    QSet<QString> visti;
    for (const QString &cartella : cartelle) {
        for (const QString &nome : fileRisultati(cartella)) {
            const QString percorso = cartella + QLatin1Char('/') + nome;
            const QString bambino = bambinoDelFile(nome);
            if (bambino.isEmpty()) {
                saltaFile(percorso, QStringLiteral("il nome non è quello di un file del gioco"));
                continue;
            }
            leggiFile(percorso, bambino, visti, eventi);
        }
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
