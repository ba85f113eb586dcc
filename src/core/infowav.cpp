#include "core/infowav.h"

#include "core/letturadati.h"

#include <QByteArray>
#include <QtEndian>

double InfoWav::durata() const {
    const qint64 byteAlSecondo = qint64(frequenza) * canali * (bit / 8);
    return byteAlSecondo > 0 ? double(byteDati) / double(byteAlSecondo) : 0.0;
}

InfoWav leggiInfoWav(const QString &percorso) {
    InfoWav info;
    const LetturaDati letti = leggiInizioFileDati(percorso, 64 * 1024);
    if (!letti.letto()) {
        info.difetto = letti.esito == LetturaDati::Esito::NonNormale
                           ? QStringLiteral("is not a plain file")
                           : QStringLiteral("is missing or unreadable");
        return info;
    }
    const QByteArray &testa = letti.byte;
    if (testa.size() < 12 || !testa.startsWith("RIFF") || testa.mid(8, 4) != "WAVE") {
        info.difetto = QStringLiteral("is not a RIFF WAVE file");
        return info;
    }
    bool formatoLetto = false;
    for (qsizetype pos = 12; pos + 8 <= testa.size();) {
        const QByteArray nome = testa.mid(pos, 4);
        const quint32 lunghezza = qFromLittleEndian<quint32>(testa.constData() + pos + 4);
        if (nome == "fmt " && pos + 8 + 16 <= testa.size()) {
            const char *fmt = testa.constData() + pos + 8;
            info.codifica = qFromLittleEndian<quint16>(fmt);
            info.canali = qFromLittleEndian<quint16>(fmt + 2);
            info.frequenza = int(qFromLittleEndian<quint32>(fmt + 4));
            info.bit = qFromLittleEndian<quint16>(fmt + 14);
            formatoLetto = true;
        } else if (nome == "data") {
            info.inizioDati = pos + 8;
            info.byteDati = lunghezza;
            const bool formatoNoto =
                info.codifica == 1 && info.canali >= 1 && info.canali <= 2 && info.frequenza > 0 &&
                (info.bit == 8 || info.bit == 16 || info.bit == 24 || info.bit == 32);
            const qint64 presenti = letti.dimensione - info.inizioDati;
            if (!formatoLetto || !formatoNoto)
                info.difetto = QStringLiteral("is not plain PCM sound of 1 or 2 channels");
            else if (info.byteDati == 0)
                info.difetto = QStringLiteral("holds no sound");
            // Qt's decoder waits for the missing bytes of a cut file, or of a half sample,
            // for ever: the sound would never play and never fail.
            else if (info.byteDati > presenti)
                info.difetto = QStringLiteral("promises %1 bytes of sound but holds %2: it was "
                                              "cut short")
                                   .arg(info.byteDati)
                                   .arg(presenti);
            else if (info.byteDati % (info.canali * info.bit / 8) != 0)
                info.difetto = QStringLiteral("ends in the middle of a sample");
            info.valido = info.difetto.isEmpty();
            return info;
        }
        pos += 8 + qsizetype(lunghezza) + (lunghezza & 1);
    }
    info.difetto = QStringLiteral("has no sound data");
    return info;
}
