#pragma once

#include "classe/eventogioco.h"

#include <QStringList>
#include <QVector>

#include <vector>

// One event with the child it belongs to.
struct EventoBambino {
    QString bambino;
    EventoGioco evento;
};

Q_DECLARE_TYPEINFO(EventoBambino, Q_RELOCATABLE_TYPE);

// An event as the reader keeps it: its texts as indexes into RisultatiLetti::testi, so that a
// year of a class (half a million lines) takes tens of megabytes, not hundreds.
struct EventoLetto {
    qint64 tempoMs = 0;
    qint64 durataMs = 0;
    // The id "<copy>-<counter>" as the copy's text and the counter; an id of another shape is
    // all in `copia`, with SenzaContatore.
    quint64 contatore = 0;
    quint32 bambino = 0, lista = 0, livello = 0, parola = 0, attesa = 0, data = 0, copia = 0;
    qint32 sillabe = 2;
    EventoGioco::Tipo tipo = EventoGioco::Tipo::Rilascio;
    Ingresso ingresso = Ingresso::Mouse;
    bool giusto = false;
    bool senzaId = false; // counted however often it appears
    static constexpr quint64 SenzaContatore = ~quint64(0);
};

struct RisultatiLetti {
    QStringList testi; // each text once: children, lists, words, syllables, ids' copies
    // The events of each file read, in order, each line once over all of them: a file is one
    // child's.
    std::vector<std::vector<EventoLetto>> perFile;
    const QString &testo(quint32 indice) const { return testi.at(indice); }
    // The event as the game wrote it.
    EventoBambino evento(const EventoLetto &letto) const;
};

// A results file larger than this is not one the game wrote in a school year.
constexpr qint64 MassimaDimensioneRisultati = 256LL * 1024 * 1024;

// Every event in the results files of `cartelle` (results folders, as cartellaRisultati gives),
// each line counted once however many copies of it exist. A file that is not ours (a name
// without "@", a first line that is not one of ours), too large, unreadable or written by a
// later version is skipped with one log line; a torn last line is left out without a word.
QVector<EventoBambino> leggiRisultati(const QStringList &cartelle);
// The same, kept small: what the "Risultati" page reads.
RisultatiLetti leggiRisultatiLetti(const QStringList &cartelle);
// Events built in memory, in the reader's form (ids are not compared).
RisultatiLetti comeRisultatiLetti(const QVector<EventoBambino> &eventi);

// One line read as the reader reads a file's lines (its quick path for the lines the game
// writes, the JSON reader for any other), given back as an event.
RigaLetta leggiRigaComeIlLettore(const QByteArray &riga);

// The child a results file belongs to, from its name; empty when the name is not one of ours.
QString bambinoDelFile(const QString &nomeFile);
// Removes the results files of one child (every computer's), or of every child when `bambino`
// is empty; the files that could not be removed.
QStringList cancellaRisultati(const QStringList &cartelle, const QString &bambino);
