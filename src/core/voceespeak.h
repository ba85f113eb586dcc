#pragma once

#include "core/voceparole.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QThread>
#include <atomic>

class QAudioSink;

// Italian speech from eSpeak NG, so the teachers' own words are spoken too. eSpeak works in a
// thread of its own, never on the screen's; the sound it makes is played through Qt's audio
// output, as the feedback sounds are. Without an audio output or without the Italian voice
// the program stays silent and says why once in the log.
class VoceEspeak : public QObject, public VoceParole {
    Q_OBJECT
public:
    explicit VoceEspeak(bool audioPresente, QObject *parent = nullptr);
    ~VoceEspeak() override;

    void pronuncia(const QString &parola, int dopoMillisecondi = 0) override;
    // Silent for the rest of the run, the reason logged once.
    bool muta() const { return m_muta; }

private:
    void pronta(quint64 numero, const QByteArray &campioni, int frequenza, qint64 quando);
    void suona(const QByteArray &campioni, int frequenza);
    void ammutolisci(const QString &motivo);

    QThread m_filo;
    QObject *m_lavoratore = nullptr; // lives in m_filo
    std::atomic<quint64> m_ultima{0};
    QElapsedTimer m_orologio;
    QPointer<QAudioSink> m_uscita;
    bool m_muta = false;
};

// Synthesises one word with the Italian voice into 16-bit mono samples. Not reentrant: eSpeak
// keeps one global state, so only one thread may call it. `interrompi` is asked now and then
// and ends the synthesis early when it answers true. Empty samples and `errore` set when
// eSpeak or its Italian voice cannot be used.
QByteArray sintetizzaParola(const QString &parola, int &frequenza, QString &errore,
                            const std::function<bool()> &interrompi = {});
