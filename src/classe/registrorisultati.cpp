#include "classe/registrorisultati.h"

#include "core/letturadati.h"
#include "core/logging.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QUrl>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool aggiungiRiga(const QString &percorso, const QByteArray &riga) {
    const QByteArray nome = QFile::encodeName(percorso);
    const int fd = ::open(nome.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0664);
    if (fd < 0)
        return false;
    ssize_t scritti;
    do {
        scritti = ::write(fd, riga.constData(), size_t(riga.size()));
    } while (scritti < 0 && errno == EINTR);
    const bool chiuso = ::close(fd) == 0;
    return scritti == riga.size() && chiuso;
}

QString nomeFileRisultati(const QString &bambino, const QString &computer) {
    const QByteArray sicuri = "-_.~ ";
    return QString::fromLatin1(QUrl::toPercentEncoding(bambino, sicuri)) + QLatin1Char('@') +
           QString::fromLatin1(QUrl::toPercentEncoding(computer, sicuri)) +
           QStringLiteral(".jsonl");
}

QString computerLocale() {
    const QString nome = QSysInfo::machineHostName();
    return nome.isEmpty() ? QStringLiteral("computer") : nome;
}

QString cartellaRisultati(const QString &cartella) {
    return cartella + QStringLiteral("/risultati");
}

QString cartellaRisultatiInAttesa(const QString &cartellaLocale) {
    return cartellaLocale + QStringLiteral("/risultati-in-attesa");
}

// Two records opened in one millisecond (a child changed at once) must not share ids, or the
// reader would count the second one's lines as repeats of the first's.
static int prossimoRegistro() {
    static std::atomic<int> contatore{0};
    return ++contatore;
}

RegistroRisultati::RegistroRisultati(QString cartella, QString cartellaLocale, QString bambino)
    : m_cartella(std::move(cartella))
    , m_cartellaLocale(QDir::cleanPath(cartellaLocale) == QDir::cleanPath(m_cartella)
                           ? QString()
                           : std::move(cartellaLocale))
    , m_bambino(std::move(bambino))
    , m_prefissoId(QStringLiteral("%1-%2-%3.%4-")
                       .arg(computerLocale())
                       .arg(QCoreApplication::applicationPid())
                       .arg(QDateTime::currentMSecsSinceEpoch())
                       .arg(prossimoRegistro())) {
    m_thread = std::thread([this] { lavora(); });
}

RegistroRisultati::~RegistroRisultati() {
    {
        std::lock_guard<std::mutex> blocco(m_mutex);
        m_fine = true;
    }
    m_segnale.notify_all();
    m_thread.join();
}

void RegistroRisultati::registra(EventoGioco evento) {
    {
        std::lock_guard<std::mutex> blocco(m_mutex);
        evento.id = m_prefissoId + QString::number(++m_contatore);
        m_coda.push_back(rigaEvento(evento));
    }
    m_segnale.notify_all();
}

void RegistroRisultati::svuota() {
    std::unique_lock<std::mutex> blocco(m_mutex);
    m_segnale.wait(blocco, [this] { return m_coda.empty() && !m_occupato; });
}

void RegistroRisultati::lavora() {
    std::unique_lock<std::mutex> blocco(m_mutex);
    for (;;) {
        m_segnale.wait(blocco, [this] { return m_fine || !m_coda.empty(); });
        if (m_coda.empty())
            return; // the end, with everything written
        const QByteArray riga = m_coda.front();
        m_coda.pop_front();
        m_occupato = true;
        blocco.unlock();
        scrivi(riga);
        blocco.lock();
        m_occupato = false;
        m_segnale.notify_all();
    }
}

void RegistroRisultati::scrivi(const QByteArray &riga) {
    const QString nome = nomeFileRisultati(m_bambino, computerLocale());
    const QString cartella = cartellaRisultati(m_cartella);
    const QString file = cartella + QLatin1Char('/') + nome;
    if (QDir().mkpath(cartella) && (!m_attesaPossibile || recuperaAttesa(file)) &&
        aggiungiRiga(file, riga))
        return;
    if (!m_guastoDetto) {
        m_guastoDetto = true;
        qCWarning(lcDati).noquote()
            << "Non posso scrivere i risultati in" << QDir::toNativeSeparators(file)
            << (m_cartellaLocale.isEmpty() ? QStringLiteral("- il gioco continua senza.")
                                           : QStringLiteral("- li tengo su questo computer."));
    }
    if (m_cartellaLocale.isEmpty())
        return;
    const QString attesa = cartellaRisultatiInAttesa(m_cartellaLocale);
    if (QDir().mkpath(attesa) && aggiungiRiga(attesa + QLatin1Char('/') + nome, riga))
        m_attesaPossibile = true;
}

bool RegistroRisultati::recuperaAttesa(const QString &file) {
    if (m_cartellaLocale.isEmpty()) {
        m_attesaPossibile = false;
        return true;
    }
    const QString attesa = cartellaRisultatiInAttesa(m_cartellaLocale) + QLatin1Char('/') +
                           nomeFileRisultati(m_bambino, computerLocale());
    LetturaDati letto = leggiFileDati(attesa, 256LL * 1024 * 1024);
    if (letto.esito == LetturaDati::Esito::Mancante) {
        m_attesaPossibile = false;
        return true;
    }
    // A torn last line stays behind: only whole lines move.
    letto.byte.truncate(letto.byte.lastIndexOf('\n') + 1);
    if (!letto.byte.isEmpty() && !aggiungiRiga(file, letto.byte))
        return false;
    // Should the removal fail, the lines would be moved again: their ids keep them counted once.
    QFile::remove(attesa);
    m_attesaPossibile = false;
    return true;
}
