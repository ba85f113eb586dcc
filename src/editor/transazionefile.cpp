#include "editor/transazionefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::function<int(const QString &)> TransazioneFile::guastoDiProva;

namespace {

QString nativo(const QString &percorso) {
    return QDir::toNativeSeparators(percorso);
}

// The bytes on the disk before the rename, not in a buffer: a full disk must fail here.
int scriviTutto(int fd, const QByteArray &byte) {
    qint64 scritti = 0;
    while (scritti < byte.size()) {
        const ssize_t n = ::write(fd, byte.constData() + scritti, size_t(byte.size() - scritti));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return ENOSPC;
        scritti += n;
    }
    if (::fsync(fd) != 0)
        return errno;
    struct stat stato {};
    if (::fstat(fd, &stato) != 0)
        return errno;
    // A file system that accepted less than it said is as full as one that refused.
    return stato.st_size == byte.size() ? 0 : ENOSPC;
}

} // namespace

QString TransazioneFile::motivo(int numeroErrore) {
    switch (numeroErrore) {
    case EACCES:
    case EPERM:
        return QStringLiteral("non ho il permesso di scrivere in quella cartella");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("il disco è pieno");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("la cartella non c'è");
    case EROFS:
        return QStringLiteral("il disco si può solo leggere");
    case EIO:
        return QStringLiteral("il disco non risponde bene");
    default:
        return QStringLiteral("errore di sistema numero %1").arg(numeroErrore);
    }
}

void TransazioneFile::aggiungi(const QString &percorso, const QByteArray &byte, Verifica verifica) {
    m_voci.append({percorso, byte, std::move(verifica), QString()});
}

bool TransazioneFile::scriviTemporaneo(Voce &voce) {
    auto fallito = [&](const QString &perche) {
        m_errore =
            QStringLiteral("Non ho potuto scrivere %1: %2.").arg(nativo(voce.percorso), perche);
        return false;
    };
    if (guastoDiProva) {
        if (const int guasto = guastoDiProva(voce.percorso))
            return fallito(motivo(guasto));
    }
    const QFileInfo destinazione(voce.percorso);
    QByteArray modello = QFile::encodeName(destinazione.dir().filePath(
        QLatin1Char('.') + destinazione.fileName() + QStringLiteral(".XXXXXX")));
    const int fd = ::mkstemp(modello.data());
    if (fd < 0)
        return fallito(motivo(errno));
    voce.temporaneo = QFile::decodeName(modello);
    // The file keeps the permissions it had; a new one can be read by the game of any user.
    struct stat prima {};
    const mode_t modo = ::stat(QFile::encodeName(voce.percorso).constData(), &prima) == 0
                            ? prima.st_mode & 07777
                            : 0644;
    int errore = ::fchmod(fd, modo) == 0 ? scriviTutto(fd, voce.byte) : errno;
    if (::close(fd) != 0 && errore == 0)
        errore = errno;
    if (errore != 0)
        return fallito(motivo(errore));
    if (voce.verifica) {
        if (const QString rifiuto = voce.verifica(voce.temporaneo); !rifiuto.isEmpty())
            return fallito(rifiuto);
    }
    return true;
}

void TransazioneFile::togliTemporanei() {
    for (Voce &voce : m_voci) {
        if (!voce.temporaneo.isEmpty())
            ::unlink(QFile::encodeName(voce.temporaneo).constData());
        voce.temporaneo.clear();
    }
}

bool TransazioneFile::esegui() {
    m_errore.clear();
    for (Voce &voce : m_voci) {
        if (!scriviTemporaneo(voce)) {
            togliTemporanei();
            return false;
        }
    }
    QSet<QString> cartelle;
    for (Voce &voce : m_voci) {
        // rename() replaces the target in one step: a reader sees the old file or the new one.
        if (::rename(QFile::encodeName(voce.temporaneo).constData(),
                     QFile::encodeName(voce.percorso).constData()) != 0) {
            m_errore = QStringLiteral("Non ho potuto sostituire %1: %2.")
                           .arg(nativo(voce.percorso), motivo(errno));
            togliTemporanei();
            return false;
        }
        voce.temporaneo.clear();
        cartelle.insert(QFileInfo(voce.percorso).absolutePath());
    }
    // The renames themselves reach the disk only with their folders.
    for (const QString &cartella : cartelle) {
        const int fd = ::open(QFile::encodeName(cartella).constData(), O_RDONLY | O_DIRECTORY);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }
    m_voci.clear();
    return true;
}
