#pragma once

#include <QByteArray>
#include <QString>

// Every read of a data file that a teacher may have put in place (a list, a picture, a sound, a
// word list to import) goes through here. Only a plain file, or a link to one, is read: opening a
// FIFO would wait for a writer for ever and a device such as /dev/zero never ends. The kind is
// checked on the open handle, so nothing swapped in between a check and the read gets through,
// and never more than the limit is read, even from a file that grows while it is read.
struct LetturaDati {
    enum class Esito { Letto, Mancante, NonNormale, TroppoGrande, Illeggibile };

    Esito esito = Esito::Mancante;
    QByteArray byte;       // the bytes read: the whole file, or its beginning (leggiInizioFileDati)
    qint64 dimensione = 0; // the size of the file when it was opened

    bool letto() const { return esito == Esito::Letto; }
    // Why the file was not read, in Italian, for messages and the checker; empty when it was.
    QString motivo() const;
};

// The whole file, when it is a plain file of at most `massimiByte` bytes.
LetturaDati leggiFileDati(const QString &percorso, qint64 massimiByte);
// The first `quanti` bytes of a plain file of any size (a header), with its whole size.
LetturaDati leggiInizioFileDati(const QString &percorso, qint64 quanti);
// The same checks, reading nothing: for a file that another library opens by its name.
LetturaDati::Esito esaminaFileDati(const QString &percorso, qint64 massimiByte);
