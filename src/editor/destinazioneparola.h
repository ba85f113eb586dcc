#pragma once

#include <QStringList>

// Where a word goes: the digit of its file and every list it belongs to (TUTTE first), or why
// the game cannot use it. After an addition, `codici` are the lists that took it and `escluse`
// the files that could not, each with the reason.
struct DestinazioneParola {
    QString cifra;
    QStringList codici;
    QString rifiuto;
    QStringList escluse;
    bool valida() const { return rifiuto.isEmpty(); }

    static DestinazioneParola di(const QStringList &sillabe);
};
