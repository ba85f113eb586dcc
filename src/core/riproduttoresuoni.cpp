#include "core/riproduttoresuoni.h"

#include "core/logging.h"
#include "core/infowav.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

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
        avvisaUnaVolta(percorso, QStringLiteral("cannot be decoded"));
        return;
    }
    effetto->stop();
    effetto->play();
}

QSoundEffect *RiproduttoreSoundEffect::carica(const QString &percorso) {
    if (!QFileInfo(percorso).isFile()) {
        avvisaUnaVolta(percorso, QStringLiteral("is missing"));
        m_effetti.insert(percorso, nullptr);
        return nullptr;
    }
    // QSoundEffect (Qt 6.4) deadlocks when it destroys a sample that failed to decode, which
    // would hang the program at exit. So only files that look like plain WAV reach it.
    const InfoWav info = leggiInfoWav(percorso);
    if (!info.valido) {
        avvisaUnaVolta(percorso, info.difetto);
        m_effetti.insert(percorso, nullptr);
        return nullptr;
    }
    auto *effetto = new QSoundEffect(this);
    connect(effetto, &QSoundEffect::statusChanged, this, [this, effetto, percorso] {
        if (effetto->status() == QSoundEffect::Error)
            avvisaUnaVolta(percorso, QStringLiteral("cannot be decoded"));
    });
    effetto->setSource(QUrl::fromLocalFile(percorso));
    m_effetti.insert(percorso, effetto);
    return effetto;
}

void RiproduttoreSoundEffect::avvisaUnaVolta(const QString &percorso, const QString &motivo) {
    if (m_avvisati.contains(percorso))
        return;
    m_avvisati.insert(percorso);
    qCWarning(lcSuoni).noquote() << "Sound file" << percorso << motivo << "- playing nothing.";
}
