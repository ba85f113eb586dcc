#pragma once

#include <QLockFile>
#include <QString>

// Tells whether another copy of the program is running. The lock is held for the whole run.
// Only a live copy holding the lock keeps the program from starting: a lock file left empty,
// garbled, or by a copy that crashed or was killed is taken over at once, and one that cannot
// be taken over (a folder or file this user may not change) lets the program run unguarded,
// with one warning, rather than lock a child out of the game.
class GuardiaCopiaUnica {
public:
    explicit GuardiaCopiaUnica(const QString &percorsoBlocco = percorsoPredefinito());
    // False only while another live copy holds the lock.
    bool acquisisci();

    // A file in the user's own runtime folder, named with the user id: one user's lock,
    // live or stale, never stops another user.
    static QString percorsoPredefinito();

private:
    enum class StatoBlocco { Assente, DiUnaCopiaViva, InScrittura, Abbandonato };
    enum class EsitoRipresa { Ripreso, Conteso, Impossibile };

    StatoBlocco statoBlocco() const;
    EsitoRipresa riprendiAbbandonato(QString &motivo);
    bool avviaSenzaGuardia(const QString &motivo);

    QString m_percorso;
    QLockFile m_blocco;
};
