#pragma once

#include "liste/chiaveparola.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Divisions known for sure, which win over any computed one: the words of our own lists, and
// every division the teacher confirmed in the editor. Hers are kept in her folder, one word a
// line with "-" between syllables, so the editor does not ask twice.
class DivisioniNote {
public:
    // A division of our own lists.
    void aggiungi(const QStringList &sillabe);
    // The teacher's file; a missing file is an empty one. Hers win over ours.
    void caricaConfermate(const QString &percorso);
    // Stores her division in the file given to caricaConfermate (and keeps it from now on).
    // False, with `errore` set, when the file cannot be written.
    bool conferma(const QStringList &sillabe, QString *errore = nullptr);

    // The known syllables of the word, case aside, or an empty list.
    QStringList cerca(const QString &parola) const;
    bool confermata(const QString &parola) const;

    static QString percorsoConfermate(const QString &cartellaUtente);

private:
    static QString chiave(const QString &parola) { return chiaveParola(parola); }

    QHash<QString, QStringList> m_nostre;
    QHash<QString, QStringList> m_confermate;
    QString m_percorso;
};

// Keeps the division of a word the teacher adds when the automatic one is doubtful or differs,
// so she is not asked about it again; a division that cannot be kept is noted in the log.
void confermaDivisioneAggiunta(const QStringList &sillabe);
