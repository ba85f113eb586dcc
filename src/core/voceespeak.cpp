#include "core/voceespeak.h"

#include "core/logging.h"
#include "core/motoreespeak.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QTimer>

#include <espeak-ng/speak_lib.h>

namespace {

struct Raccolta {
    QByteArray campioni;
    const std::function<bool()> *interrompi = nullptr;
};

int raccogli(short *campioni, int quanti, espeak_EVENT *eventi) {
    auto *raccolta = static_cast<Raccolta *>(eventi ? eventi->user_data : nullptr);
    if (!raccolta)
        return 0;
    if (campioni && quanti > 0)
        raccolta->campioni.append(reinterpret_cast<const char *>(campioni),
                                  qsizetype(quanti) * qsizetype(sizeof(short)));
    return raccolta->interrompi && *raccolta->interrompi && (*raccolta->interrompi)() ? 1 : 0;
}

} // namespace

QByteArray sintetizzaParola(const QString &parola, int &frequenza, QString &errore,
                            const std::function<bool()> &interrompi) {
    const std::lock_guard<std::mutex> blocco(mutexEspeak());
    errore = avviaEspeak(&frequenza);
    if (!errore.isEmpty())
        return {};
    espeak_SetSynthCallback(raccogli);
    // A little slower than conversation: the listeners are learning to read.
    espeak_SetParameter(espeakRATE, 140, 0);
    Raccolta raccolta;
    raccolta.interrompi = &interrompi;
    // Lower case, so that a word written in capitals is read as a word and not spelled.
    const QByteArray testo = parola.toLower().toUtf8();
    const espeak_ERROR esito = espeak_Synth(testo.constData(), size_t(testo.size()) + 1, 0,
                                            POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &raccolta);
    if (esito != EE_OK) {
        errore = QStringLiteral("eSpeak NG could not say the word");
        return {};
    }
    return raccolta.campioni;
}

VoceEspeak::VoceEspeak(bool audioPresente, QObject *parent)
    : QObject(parent) {
    m_orologio.start();
    if (!audioPresente) {
        ammutolisci(QStringLiteral("no audio output device"));
        return;
    }
    m_lavoratore = new QObject;
    m_lavoratore->moveToThread(&m_filo);
    connect(&m_filo, &QThread::finished, m_lavoratore, &QObject::deleteLater);
    m_filo.start();
}

VoceEspeak::~VoceEspeak() {
    ++m_ultima; // a synthesis still running ends at its next batch of samples
    m_filo.quit();
    m_filo.wait();
}

void VoceEspeak::ammutolisci(const QString &motivo) {
    if (m_muta)
        return;
    m_muta = true;
    qCWarning(lcSuoni).noquote() << "The words cannot be spoken:" << motivo;
}

void VoceEspeak::pronuncia(const QString &parola, int dopoMillisecondi) {
    if (m_muta)
        return;
    const quint64 numero = ++m_ultima;
    if (m_uscita)
        m_uscita->stop();
    const qint64 quando = m_orologio.elapsed() + dopoMillisecondi;
    QPointer<VoceEspeak> io(this);
    QMetaObject::invokeMethod(m_lavoratore, [this, io, numero, parola, quando] {
        // Words asked for since then make this one pointless.
        const std::function<bool()> superata = [this, numero] {
            return m_ultima != numero;
        };
        if (superata())
            return;
        int frequenza = 0;
        QString errore;
        const QByteArray campioni = sintetizzaParola(parola, frequenza, errore, superata);
        QMetaObject::invokeMethod(
            io,
            [this, numero, campioni, frequenza, quando, errore] {
                if (!errore.isEmpty())
                    ammutolisci(errore);
                else
                    pronta(numero, campioni, frequenza, quando);
            },
            Qt::QueuedConnection);
    });
}

void VoceEspeak::pronta(quint64 numero, const QByteArray &campioni, int frequenza, qint64 quando) {
    if (numero != m_ultima || campioni.isEmpty())
        return;
    const qint64 resta = quando - m_orologio.elapsed();
    if (resta <= 0) {
        suona(campioni, frequenza);
        return;
    }
    QTimer::singleShot(int(resta), this, [this, numero, campioni, frequenza] {
        if (numero == m_ultima)
            suona(campioni, frequenza);
    });
}

void VoceEspeak::suona(const QByteArray &campioni, int frequenza) {
    if (m_uscita) {
        m_uscita->stop();
        m_uscita->deleteLater();
    }
    QAudioFormat formato;
    formato.setSampleRate(frequenza);
    formato.setChannelCount(1);
    formato.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice uscita = QMediaDevices::defaultAudioOutput();
    if (uscita.isNull() || !uscita.isFormatSupported(formato)) {
        ammutolisci(QStringLiteral("the audio output cannot play eSpeak's sound"));
        return;
    }
    m_uscita = new QAudioSink(uscita, formato, this);
    auto *buffer = new QBuffer(m_uscita);
    buffer->setData(campioni);
    buffer->open(QIODevice::ReadOnly);
    m_uscita->start(buffer);
}
