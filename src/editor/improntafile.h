#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a file held when it was read (size, time and a hash of its bytes), to tell whether
// someone changed it since: the time alone misses a change made within its resolution.
struct ImprontaFile {
    QString percorso;
    bool esiste = false;
    qint64 dimensione = 0;
    QDateTime modifica;
    QByteArray hash;

    static ImprontaFile di(const QString &percorso);
    bool operator==(const ImprontaFile &altra) const;
    bool operator!=(const ImprontaFile &altra) const { return !(*this == altra); }
};
