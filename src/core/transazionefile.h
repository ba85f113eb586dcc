#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <functional>

// Writes a set of files all or nothing: a list names a picture, so a list saved without its
// picture is as wrong as a list not saved. Every file is first written whole to a temporary file
// beside its target and checked (flushed, synced to the disk, its size compared, then checked by
// whoever asked for it); only when all of them are there are they renamed into place. On the
// first failure every temporary file is removed and no target is touched. Should a rename fail
// half-way, the files already replaced get their old contents back from a copy kept aside.
class TransazioneFile {
public:
    // Checks a temporary file already written and synced; returns why it must not replace its
    // target, or an empty string.
    using Verifica = std::function<QString(const QString &temporaneo)>;

    void aggiungi(const QString &percorso, const QByteArray &byte, Verifica verifica = {});
    // True when every file is in place. Otherwise nothing changed and errore() tells which file
    // failed and why, in Italian.
    bool esegui();
    const QString &errore() const { return m_errore; }

    // One whole file, the same way: the error in Italian, or an empty string.
    static QString scriviFile(const QString &percorso, const QByteArray &byte);

    // For tests: asked before each temporary file is made; a non-zero errno makes that file fail
    // as if the system had refused it.
    static std::function<int(const QString &percorso)> guastoDiProva;

    // The reason for a system error number, as a teacher can act on it.
    static QString motivo(int numeroErrore);

private:
    struct Voce {
        QString percorso;
        QByteArray byte;
        Verifica verifica;
        QString temporaneo;
        QString riserva; // the old file, kept until every rename has succeeded
        bool esisteva = false;
    };
    bool scriviTemporaneo(Voce &voce);
    bool mettiDaParte(Voce &voce);
    void togliTemporanei();
    void ripristina(int sostituiti);

    QVector<Voce> m_voci;
    QString m_errore;
};
