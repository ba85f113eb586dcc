#pragma once

#include <QString>
#include <QtGlobal>

// What the header of a WAV file says, read without decoding the sound.
struct InfoWav {
    // A RIFF WAVE file of integer PCM samples with a data chunk: what Qt's decoder plays.
    bool valido = false;
    int codifica = 0; // 1 = integer PCM
    int canali = 0;
    int frequenza = 0;
    int bit = 0;
    qint64 inizioDati = 0; // offset of the samples in the file
    qint64 byteDati = 0;
    // Why the file is not valid, for the log; empty when it is.
    QString difetto;

    double durata() const;
};

InfoWav leggiInfoWav(const QString &percorso);
