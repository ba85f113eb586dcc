#include "core/guardiacopiaunica.h"

#include "core/logging.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <limits>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {

// A copy writes its details into the lock file just after creating it; an empty or unreadable
// file younger than this may be a copy starting right now.
constexpr qint64 MillisecondiDiScrittura = 2000;

enum class Flock { Tenuto, Libero, Ignoto };

#ifdef Q_OS_UNIX
// QLockFile takes a flock() on its file before it writes its details in it, and keeps it for
// as long as its owner lives; the kernel drops it however the owner ends. So a held flock means
// a live owner, and a free one beside written details an owner that has most likely ended.
Flock statoFlock(const QString &percorso) {
    // O_NONBLOCK: a FIFO put in place of the lock must not stop the start-up.
    const int fd = ::open(QFile::encodeName(percorso).constData(),
                          O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0)
        return Flock::Ignoto;
    Flock stato = Flock::Libero;
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0)
        stato = errno == EWOULDBLOCK ? Flock::Tenuto : Flock::Ignoto;
    ::close(fd); // also drops our own shared lock, if we got it
    return stato;
}
#endif

// What the lock file says of its owner, checked against the running processes.
bool copiaViva(qint64 pid, const QString &macchina, const QString &programma, Flock flock) {
    // The lock lives in a folder of this machine: another host name means it was left there
    // before the machine was renamed.
    if (pid <= 0 || (!macchina.isEmpty() && macchina != QSysInfo::machineHostName()))
        return false;
#ifdef Q_OS_UNIX
    // A process we may not signal belongs to another user, so it is not one of our copies.
    if (pid > std::numeric_limits<pid_t>::max() || ::kill(pid_t(pid), 0) != 0)
        return false;
#endif
#ifdef Q_OS_LINUX
    // The number may have been given to another program since the owner ended.
    QString eseguibile = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    const QString cancellato = QStringLiteral(" (deleted)");
    if (eseguibile.endsWith(cancellato))
        eseguibile.chop(cancellato.size());
    // A copy shown to run our program counts even without its flock: QLockFile carries on
    // without it when taking it fails, as it can while another start looks at the lock. A
    // process that hides its program (a non-dumpable one such as gpg-agent or ssh-agent, pid 1
    // in a container) is no copy of ours once the flock is free.
    if (!eseguibile.isEmpty())
        return QFileInfo(eseguibile).fileName() == programma;
#else
    Q_UNUSED(programma)
#endif
    return flock != Flock::Libero;
}

QString descriviErrore(QLockFile::LockError errore) {
    switch (errore) {
    case QLockFile::PermissionError:
        return QStringLiteral("cannot be created (permission denied)");
    case QLockFile::UnknownError:
        return QStringLiteral("cannot be created (the folder is missing or full)");
    default:
        return QStringLiteral("keeps being replaced by another start");
    }
}

} // namespace

GuardiaCopiaUnica::GuardiaCopiaUnica(const QString &percorsoBlocco)
    : m_percorso(percorsoBlocco)
    , m_blocco(percorsoBlocco) {
    // The owner's liveness is judged here and by QLockFile; never by the lock's age, which for
    // a game left open all day says nothing.
    m_blocco.setStaleLockTime(0);
}

bool GuardiaCopiaUnica::acquisisci() {
    if (m_blocco.isLocked())
        return true;
    // Bounds the waits below, so a lock file that keeps changing cannot hold up the start.
    const QDeadlineTimer pazienza(3 * MillisecondiDiScrittura);
    while (!pazienza.hasExpired()) {
        switch (statoBlocco()) {
        case StatoBlocco::Assente:
            if (m_blocco.tryLock(0))
                return true;
            if (m_blocco.error() != QLockFile::LockFailedError)
                return avviaSenzaGuardia(descriviErrore(m_blocco.error()));
            break; // another copy created it first: look at it again
        case StatoBlocco::DiUnaCopiaViva:
            return false;
        case StatoBlocco::InScrittura:
            QThread::msleep(20);
            break;
        case StatoBlocco::Abbandonato: {
            QString motivo;
            switch (riprendiAbbandonato(motivo)) {
            case EsitoRipresa::Ripreso:
                return true;
            case EsitoRipresa::Impossibile:
                return avviaSenzaGuardia(motivo);
            case EsitoRipresa::Conteso:
                break;
            }
            break;
        }
        }
    }
    return avviaSenzaGuardia(descriviErrore(QLockFile::LockFailedError));
}

GuardiaCopiaUnica::StatoBlocco GuardiaCopiaUnica::statoBlocco() const {
    const QFileInfo file(m_percorso);
    if (!file.exists() && !file.isSymLink())
        return StatoBlocco::Assente;
    // A folder, a link or a device where the lock belongs was not made by a copy of ours, and
    // reading it could block or never end.
    if (!file.isFile() || file.isSymLink())
        return StatoBlocco::Abbandonato;
#ifdef Q_OS_UNIX
    const Flock flock = statoFlock(m_percorso);
    if (flock == Flock::Tenuto)
        return StatoBlocco::DiUnaCopiaViva;
#else
    const Flock flock = Flock::Ignoto;
#endif
    qint64 pid = 0;
    QString macchina, programma;
    if (m_blocco.getLockInfo(&pid, &macchina, &programma))
        return copiaViva(pid, macchina, programma, flock) ? StatoBlocco::DiUnaCopiaViva
                                                          : StatoBlocco::Abbandonato;
    const qint64 eta = file.lastModified().msecsTo(QDateTime::currentDateTime());
    return qAbs(eta) < MillisecondiDiScrittura ? StatoBlocco::InScrittura
                                               : StatoBlocco::Abbandonato;
}

GuardiaCopiaUnica::EsitoRipresa GuardiaCopiaUnica::riprendiAbbandonato(QString &motivo) {
    // QLockFile clears a stale lock only while holding this second lock; holding it too means
    // two copies starting together never both clear the file and both start.
    QLockFile turno(m_percorso + QStringLiteral(".rmlock"));
    turno.setStaleLockTime(1000); // a live holder keeps its flock, so only a dead one loses it
    if (!turno.tryLock(MillisecondiDiScrittura)) {
        motivo = QStringLiteral("is left by a copy that has ended, and its companion lock ") +
                 descriviErrore(turno.error());
        return EsitoRipresa::Impossibile;
    }
    if (statoBlocco() != StatoBlocco::Abbandonato)
        return EsitoRipresa::Conteso;
    QFile vecchio(m_percorso);
    if (!vecchio.remove()) {
        motivo = QStringLiteral("is left by a copy that has ended and cannot be removed (%1)")
                     .arg(vecchio.errorString());
        return EsitoRipresa::Impossibile;
    }
    if (m_blocco.tryLock(0))
        return EsitoRipresa::Ripreso;
    if (m_blocco.error() == QLockFile::LockFailedError)
        return EsitoRipresa::Conteso;
    motivo = descriviErrore(m_blocco.error());
    return EsitoRipresa::Impossibile;
}

bool GuardiaCopiaUnica::avviaSenzaGuardia(const QString &motivo) {
    qCWarning(lcAvvio).noquote() << "The lock file" << m_percorso << motivo
                                 << "- running without the check for another copy.";
    return true;
}

QString GuardiaCopiaUnica::percorsoPredefinito() {
    // The runtime folder belongs to the user alone; when it cannot be had (its owner or
    // permissions are wrong), the shared temporary folder is used, and the user id in the name
    // keeps users apart there too, whatever the environment says.
    QString cartella = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (cartella.isEmpty())
        cartella = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
#ifdef Q_OS_UNIX
    const QString nome = QStringLiteral("zampirolo2-%1.lock").arg(::getuid());
#else
    const QString nome = QStringLiteral("zampirolo2.lock"); // both folders are per user here
#endif
    return QDir(cartella).filePath(nome);
}
