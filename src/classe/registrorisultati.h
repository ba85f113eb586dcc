#pragma once

#include "classe/eventogioco.h"

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// Appends `riga` to a file with a single write() on a descriptor opened with O_APPEND, so lines
// from several processes never interleave; false when it was not written whole.
bool aggiungiRiga(const QString &percorso, const QByteArray &riga);

// "Marta@aula3.jsonl": one file per child and per computer, so computers sharing a folder never
// write the same file. The name is percent-encoded where it would not be a safe file name.
QString nomeFileRisultati(const QString &bambino, const QString &computer);
QString computerLocale();
// The results folder below the class folder (or the teacher's, with no class folder).
QString cartellaRisultati(const QString &cartella);
// Where results wait, on this computer, while the class folder cannot be written.
QString cartellaRisultatiInAttesa(const QString &cartellaLocale);

// Writes one child's events, in the order they come, on a thread of its own: a drop is judged
// and shown first, and a slow or unplugged network folder never holds up the game. When the
// folder cannot be written the lines go to `cartellaLocale` (when there is one, and not when it
// is the folder itself) and are moved over, whole, the next time the folder takes a line. A
// folder that fails is said once in the log, and play goes on.
class RegistroRisultati {
public:
    RegistroRisultati(QString cartella, QString cartellaLocale, QString bambino);
    ~RegistroRisultati();
    RegistroRisultati(const RegistroRisultati &) = delete;
    RegistroRisultati &operator=(const RegistroRisultati &) = delete;

    const QString &bambino() const { return m_bambino; }
    // Gives the event its id and queues it.
    void registra(EventoGioco evento);
    // Waits until everything queued has been written (or given up).
    void svuota();

private:
    void lavora();
    void scrivi(const QByteArray &riga);
    // Moves the lines waiting on this computer into the folder's file: true when none wait.
    bool recuperaAttesa(const QString &file);

    const QString m_cartella;
    const QString m_cartellaLocale;
    const QString m_bambino;
    const QString m_prefissoId;
    quint64 m_contatore = 0;
    bool m_guastoDetto = false;
    bool m_attesaPossibile = true; // lines may be waiting locally

    std::mutex m_mutex;
    std::condition_variable m_segnale;
    std::deque<QByteArray> m_coda;
    bool m_occupato = false;
    bool m_fine = false;
    std::thread m_thread;
};
