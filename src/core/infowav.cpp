#include "core/infowav.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

double InfoWav::durata() const {
    const qint64 byteAlSecondo = qint64(frequenza) * canali * (bit / 8);
    return byteAlSecondo > 0 ? double(byteDati) / double(byteAlSecondo) : 0.0;
}

InfoWav leggiInfoWav(const QString &percorso) {
    InfoWav info;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return info;
    const QByteArray testa = file.read(64 * 1024);
    if (testa.size() < 12 || !testa.startsWith("RIFF") || testa.mid(8, 4) != "WAVE")
        return info;
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
            info.byteDati = qMin<qint64>(lunghezza, file.size() - (pos + 8));
            const bool formatoNoto =
                info.codifica == 1 && info.canali >= 1 && info.canali <= 2 && info.frequenza > 0 &&
                (info.bit == 8 || info.bit == 16 || info.bit == 24 || info.bit == 32);
            info.valido = formatoLetto && formatoNoto && info.byteDati > 0;
            return info;
        }
        pos += 8 + qsizetype(lunghezza) + (lunghezza & 1);
    }
    return info;
}
