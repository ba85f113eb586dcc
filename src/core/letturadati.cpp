#include "core/letturadati.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// An open file descriptor that closes itself.
class Descrittore {
public:
    explicit Descrittore(const QString &percorso)
        : m_fd(::open(QFile::encodeName(percorso).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {
    }
    ~Descrittore() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descrittore(const Descrittore &) = delete;
    Descrittore &operator=(const Descrittore &) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

LetturaDati::Esito esitoApertura(int erroreApertura) {
    return erroreApertura == ENOENT || erroreApertura == ENOTDIR ? LetturaDati::Esito::Mancante
                                                                 : LetturaDati::Esito::Illeggibile;
}

// Opens and checks; `limite` < 0 means any size. Reads at most `daLeggere` bytes when asked.
LetturaDati leggi(const QString &percorso, qint64 limite, qint64 daLeggere) {
    LetturaDati lettura;
    if (percorso.isEmpty())
        return lettura;
    const Descrittore file(percorso);
    if (file.fd() < 0) {
        lettura.esito = esitoApertura(errno);
        return lettura;
    }
    struct stat stato {};
    if (::fstat(file.fd(), &stato) != 0) {
        lettura.esito = LetturaDati::Esito::Illeggibile;
        return lettura;
    }
    if (!S_ISREG(stato.st_mode)) {
        lettura.esito = LetturaDati::Esito::NonNormale;
        return lettura;
    }
    lettura.dimensione = stato.st_size;
    if (limite >= 0 && stato.st_size > limite) {
        lettura.esito = LetturaDati::Esito::TroppoGrande;
        return lettura;
    }
    // One byte past the limit tells a file that grew since it was measured.
    const qint64 massimo = limite >= 0 ? qMin(daLeggere, limite + 1) : daLeggere;
    lettura.byte.reserve(qsizetype(qMin<qint64>(massimo, stato.st_size + 1)));
    while (lettura.byte.size() < massimo) {
        char pezzo[16384];
        const qint64 quanti = qMin<qint64>(sizeof pezzo, massimo - lettura.byte.size());
        const ssize_t letti = ::read(file.fd(), pezzo, size_t(quanti));
        if (letti < 0 && errno == EINTR)
            continue;
        if (letti < 0) {
            lettura.esito = LetturaDati::Esito::Illeggibile;
            lettura.byte.clear();
            return lettura;
        }
        if (letti == 0)
            break;
        lettura.byte.append(pezzo, qsizetype(letti));
    }
    if (limite >= 0 && lettura.byte.size() > limite) {
        lettura.esito = LetturaDati::Esito::TroppoGrande;
        lettura.byte.clear();
        return lettura;
    }
    lettura.esito = LetturaDati::Esito::Letto;
    return lettura;
}

} // namespace

QString LetturaDati::motivo() const {
    switch (esito) {
    case Esito::Letto:
        return {};
    case Esito::Mancante:
        return QStringLiteral("il file non c'è");
    case Esito::NonNormale:
        return QStringLiteral("non è un file normale, ma una cartella, un dispositivo o un altro "
                              "oggetto speciale");
    case Esito::TroppoGrande:
        return QStringLiteral("il file è troppo grande");
    case Esito::Illeggibile:
        break;
    }
    return QStringLiteral("il file non si può leggere");
}

LetturaDati leggiFileDati(const QString &percorso, qint64 massimiByte) {
    return leggi(percorso, massimiByte, massimiByte + 1);
}

LetturaDati leggiInizioFileDati(const QString &percorso, qint64 quanti) {
    return leggi(percorso, -1, quanti);
}

LetturaDati::Esito esaminaFileDati(const QString &percorso, qint64 massimiByte) {
    return leggi(percorso, massimiByte, 0).esito;
}
