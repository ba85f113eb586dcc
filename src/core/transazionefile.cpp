#include "core/transazionefile.h"

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

// A name beside the target that nothing else uses, for a file written by hand.
int fileAccanto(const QString &percorso, const QString &suffisso, QString &nome) {
    const QFileInfo destinazione(percorso);
    QByteArray modello = QFile::encodeName(destinazione.dir().filePath(
        QLatin1Char('.') + destinazione.fileName() + suffisso + QStringLiteral(".XXXXXX")));
    const int fd = ::mkstemp(modello.data());
    if (fd >= 0)
        nome = QFile::decodeName(modello);
    return fd;
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
    case EISDIR:
        return QStringLiteral("al suo posto c'è una cartella");
    case EROFS:
        return QStringLiteral("il disco si può solo leggere");
    case EIO:
        return QStringLiteral("il disco non risponde bene");
    default:
        return QStringLiteral("errore di sistema numero %1").arg(numeroErrore);
    }
}

void TransazioneFile::aggiungi(const QString &percorso, const QByteArray &byte, Verifica verifica) {
    Voce voce;
    voce.percorso = percorso;
    voce.byte = byte;
    voce.verifica = std::move(verifica);
    m_voci.append(std::move(voce));
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
    const int fd = fileAccanto(voce.percorso, QString(), voce.temporaneo);
    if (fd < 0)
        return fallito(motivo(errno));
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

// A hard link costs nothing; a file system without them (a FAT memory stick) gets a copy.
bool TransazioneFile::mettiDaParte(Voce &voce) {
    const QByteArray percorso = QFile::encodeName(voce.percorso);
    struct stat stato {};
    voce.esisteva = ::lstat(percorso.constData(), &stato) == 0;
    if (!voce.esisteva || !S_ISREG(stato.st_mode))
        return true;
    const int fd = fileAccanto(voce.percorso, QStringLiteral(".prima"), voce.riserva);
    if (fd < 0)
        return false;
    ::close(fd);
    const QByteArray riserva = QFile::encodeName(voce.riserva);
    ::unlink(riserva.constData());
    if (::link(percorso.constData(), riserva.constData()) == 0)
        return true;
    if (QFile::copy(voce.percorso, voce.riserva))
        return true;
    voce.riserva.clear();
    return false;
}

void TransazioneFile::togliTemporanei() {
    for (Voce &voce : m_voci) {
        for (QString *nome : {&voce.temporaneo, &voce.riserva}) {
            if (!nome->isEmpty())
                ::unlink(QFile::encodeName(*nome).constData());
            nome->clear();
        }
    }
}

void TransazioneFile::ripristina(int sostituiti) {
    for (int i = 0; i < sostituiti; ++i) {
        Voce &voce = m_voci[i];
        const QByteArray percorso = QFile::encodeName(voce.percorso);
        if (!voce.riserva.isEmpty()) {
            if (::rename(QFile::encodeName(voce.riserva).constData(), percorso.constData()) == 0)
                voce.riserva.clear();
        } else if (!voce.esisteva) {
            ::unlink(percorso.constData());
        }
    }
}

QString TransazioneFile::scriviFile(const QString &percorso, const QByteArray &byte) {
    TransazioneFile transazione;
    transazione.aggiungi(percorso, byte);
    return transazione.esegui() ? QString() : transazione.errore();
}

bool TransazioneFile::esegui() {
    m_errore.clear();
    for (Voce &voce : m_voci) {
        if (!scriviTemporaneo(voce)) {
            togliTemporanei();
            return false;
        }
    }
    for (Voce &voce : m_voci) {
        if (!mettiDaParte(voce)) {
            m_errore = QStringLiteral("Non ho potuto scrivere una copia di %1: %2.")
                           .arg(nativo(voce.percorso), motivo(errno));
            togliTemporanei();
            return false;
        }
    }
    QSet<QString> cartelle;
    for (int i = 0; i < m_voci.size(); ++i) {
        Voce &voce = m_voci[i];
        // rename() replaces the target in one step: a reader sees the old file or the new one.
        if (::rename(QFile::encodeName(voce.temporaneo).constData(),
                     QFile::encodeName(voce.percorso).constData()) != 0) {
            m_errore = QStringLiteral("Non ho potuto sostituire %1: %2.")
                           .arg(nativo(voce.percorso), motivo(errno));
            ripristina(i);
            togliTemporanei();
            return false;
        }
        voce.temporaneo.clear();
        cartelle.insert(QFileInfo(voce.percorso).absolutePath());
    }
    togliTemporanei();
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
