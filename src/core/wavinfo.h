#pragma once

#include <QString>
#include <QtGlobal>

// What the header of a WAV file says, read without decoding the sound.
struct InfoWav {
    bool valido = false; // a RIFF WAVE file with a PCM or float format and a data chunk
    int codifica = 0;    // 1 = integer PCM, 3 = float, 0xFFFE = extensible
    int canali = 0;
    int frequenza = 0;
    int bit = 0;
    qint64 inizioDati = 0; // offset of the samples in the file
    qint64 byteDati = 0;

    double durata() const;
};

InfoWav leggiInfoWav(const QString &percorso);
