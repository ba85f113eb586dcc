#pragma once

#include <QStringList>
#include <QVector>

// A list file changed on disk (by another editor, by hand, on another computer) while the teacher
// was changing it here: the teacher's own changes, found by comparing what was read with what is
// held now, are put on top of what the file holds now, so neither side's work is lost.
struct FusioneLista {
    QVector<QStringList> parole;
    QStringList aggiunte; // the teacher's new words, as "ca-sa"
    QStringList tolte;    // the teacher's removals
    QStringList divise;   // the teacher's new divisions of a word the file still holds
    QStringList escluse;  // new words left out because the file was full
    bool vuota() const { return aggiunte.isEmpty() && tolte.isEmpty() && divise.isEmpty(); }
    // What was put back, for the teacher to read before saving.
    QString descrizione() const;
};

FusioneLista fondiLista(const QVector<QStringList> &letta, const QVector<QStringList> &mia,
                        const QVector<QStringList> &sulDisco, int massimoParole);
