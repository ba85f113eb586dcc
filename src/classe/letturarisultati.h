#pragma once

#include "classe/eventogioco.h"

#include <QStringList>
#include <QVector>

// One event with the child it belongs to.
struct EventoBambino {
    QString bambino;
    EventoGioco evento;
};

Q_DECLARE_TYPEINFO(EventoBambino, Q_RELOCATABLE_TYPE);

// A results file larger than this is not one the game wrote in a school year.
constexpr qint64 MassimaDimensioneRisultati = 256LL * 1024 * 1024;

// Every event in the results files of `cartelle` (results folders, as cartellaRisultati gives),
// each line counted once however many copies of it exist. A file that is not ours (a name
// without "@", a first line that is not one of ours), too large, unreadable or written by a
// later version is skipped with one log line; a torn last line is left out without a word.
QVector<EventoBambino> leggiRisultati(const QStringList &cartelle);

// The child a results file belongs to, from its name; empty when the name is not one of ours.
QString bambinoDelFile(const QString &nomeFile);
// Removes the results files of one child (every computer's), or of every child when `bambino`
// is empty; the files that could not be removed.
QStringList cancellaRisultati(const QStringList &cartelle, const QString &bambino);
