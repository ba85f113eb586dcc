#pragma once

#include <QLockFile>
#include <QString>

// Tells whether another copy of the program is running. The lock is held for the whole run;
// a lock left behind by a copy that crashed or was killed is taken over at once.
class GuardiaCopiaUnica {
public:
    explicit GuardiaCopiaUnica(const QString &percorsoBlocco = percorsoPredefinito());
    // False only while another live copy holds the lock.
    bool acquisisci();

    static QString percorsoPredefinito();

private:
    QLockFile m_blocco;
};
