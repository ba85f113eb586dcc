#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

class QSoundEffect;

// Plays a WAV file without waiting for it; a new sound replaces the one playing.
class RiproduttoreSuoni {
public:
    virtual ~RiproduttoreSuoni() = default;
    virtual void riproduci(const QString &percorso) = 0;
};

// QSoundEffect keeps each file decoded in memory, so a feedback sound starts at once.
// Missing files, unreadable files and a machine without audio mean silence and one warning.
class RiproduttoreSoundEffect : public QObject, public RiproduttoreSuoni {
    Q_OBJECT
public:
    // Without an audio output nothing is loaded and nothing plays.
    RiproduttoreSoundEffect(const QStringList &daPrecaricare, bool audioPresente,
                            QObject *parent = nullptr);
    static bool rilevaAudio();
    void riproduci(const QString &percorso) override;

private:
    QSoundEffect *carica(const QString &percorso);
    void avvisaUnaVolta(const QString &percorso, const QString &motivo);

    QHash<QString, QSoundEffect *> m_effetti;
    QSet<QString> m_avvisati;
    QSoundEffect *m_corrente = nullptr;
    bool m_audioDisponibile = true;
};
