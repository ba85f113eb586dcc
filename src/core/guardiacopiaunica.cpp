#include "core/guardiacopiaunica.h"

#include <QDir>
#include <QStandardPaths>

GuardiaCopiaUnica::GuardiaCopiaUnica(const QString &percorsoBlocco)
    : m_blocco(percorsoBlocco) {
    // Stale time 0: the lock is judged only by whether its owner process is still alive.
    m_blocco.setStaleLockTime(0);
}

bool GuardiaCopiaUnica::acquisisci() {
    if (m_blocco.isLocked() || m_blocco.tryLock(0))
        return true;
    // Only a lock held by a live process means another copy. If the lock cannot be written at
    // all (a read-only temporary folder), refusing to start would lock the child out for nothing.
    return m_blocco.error() != QLockFile::LockFailedError;
}

QString GuardiaCopiaUnica::percorsoPredefinito() {
    // The temporary folder may be shared between users, so the name carries the user's.
    QString utente = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    utente.remove(QLatin1Char('/')).remove(QLatin1Char('\\'));
    const QString nome = utente.isEmpty() ? QStringLiteral("zampirolo2.lock")
                                          : QStringLiteral("zampirolo2-%1.lock").arg(utente);
    return QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation)).filePath(nome);
}
