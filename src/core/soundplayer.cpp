#include "core/soundplayer.h"

#include "core/logging.h"

#include <QAudioDevice>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

namespace {

// QSoundEffect (Qt 6.4) deadlocks when it destroys a sample that failed to decode, which would
// hang the program at exit. So only files that look like plain PCM WAV reach it.
bool sembraWavPcm(const QString &percorso) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray testa = file.read(64 * 1024);
    if (testa.size() < 12 || !testa.startsWith("RIFF") || testa.mid(8, 4) != "WAVE")
        return false;
    bool formatoValido = false;
    for (qsizetype pos = 12; pos + 8 <= testa.size();) {
        const QByteArray nome = testa.mid(pos, 4);
        const quint32 lunghezza = qFromLittleEndian<quint32>(testa.constData() + pos + 4);
        if (nome == "fmt " && pos + 8 + 16 <= testa.size()) {
            const char *fmt = testa.constData() + pos + 8;
            const quint16 codifica = qFromLittleEndian<quint16>(fmt);
            const quint16 canali = qFromLittleEndian<quint16>(fmt + 2);
            const quint16 bit = qFromLittleEndian<quint16>(fmt + 14);
            formatoValido = (codifica == 1 || codifica == 3 || codifica == 0xFFFE) && canali >= 1 &&
                            canali <= 2 && (bit == 8 || bit == 16 || bit == 24 || bit == 32);
        } else if (nome == "data") {
            return formatoValido && lunghezza > 0;
        }
        pos += 8 + qsizetype(lunghezza) + (lunghezza & 1);
    }
    return false;
}

} // namespace

RiproduttoreSoundEffect::RiproduttoreSoundEffect(const QStringList &daPrecaricare,
                                                 bool audioPresente, QObject *parent)
    : QObject(parent)
    , m_audioDisponibile(audioPresente) {
    if (!m_audioDisponibile) {
        qCWarning(lcSuoni) << "No audio output device: the feedback sounds stay silent.";
        return;
    }
    for (const QString &percorso : daPrecaricare)
        carica(percorso);
}

bool RiproduttoreSoundEffect::rilevaAudio() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

void RiproduttoreSoundEffect::riproduci(const QString &percorso) {
    if (!m_audioDisponibile)
        return;
    QSoundEffect *effetto =
        m_effetti.contains(percorso) ? m_effetti.value(percorso) : carica(percorso);
    if (m_corrente && m_corrente != effetto)
        m_corrente->stop();
    m_corrente = effetto;
    if (!effetto)
        return;
    if (effetto->status() == QSoundEffect::Error) {
        avvisaUnaVolta(percorso, "cannot be decoded");
        return;
    }
    effetto->stop();
    effetto->play();
}

QSoundEffect *RiproduttoreSoundEffect::carica(const QString &percorso) {
    if (!QFileInfo(percorso).isFile()) {
        avvisaUnaVolta(percorso, "is missing");
        m_effetti.insert(percorso, nullptr);
        return nullptr;
    }
    if (!sembraWavPcm(percorso)) {
        avvisaUnaVolta(percorso, "is not a readable PCM WAV file");
        m_effetti.insert(percorso, nullptr);
        return nullptr;
    }
    auto *effetto = new QSoundEffect(this);
    connect(effetto, &QSoundEffect::statusChanged, this, [this, effetto, percorso] {
        if (effetto->status() == QSoundEffect::Error)
            avvisaUnaVolta(percorso, "cannot be decoded");
    });
    effetto->setSource(QUrl::fromLocalFile(percorso));
    m_effetti.insert(percorso, effetto);
    return effetto;
}

void RiproduttoreSoundEffect::avvisaUnaVolta(const QString &percorso, const char *motivo) {
    if (m_avvisati.contains(percorso))
        return;
    m_avvisati.insert(percorso);
    qCWarning(lcSuoni).noquote() << "Sound file" << percorso << motivo << "- playing nothing.";
}
