#include "core/suonidifferiti.h"

#include "core/logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

// Beside the program in the build folder; under lib once installed (a folder below the
// package's own, so the package does not run ldconfig for a private plugin).
QStringList percorsiModulo() {
    const QDir cartella(QCoreApplication::applicationDirPath());
    const QString nome = QStringLiteral("zampirolo2-suoni.so");
    return {cartella.filePath(nome),
            QDir::cleanPath(cartella.filePath(QStringLiteral("../lib/zampirolo2/plugins/") + nome))};
}

} // namespace

SuoniDifferiti::SuoniDifferiti(const QStringList &daPrecaricare)
    : m_daPrecaricare(daPrecaricare) {}

SuoniDifferiti::~SuoniDifferiti() = default;

void SuoniDifferiti::prepara() {
    if (m_pronto)
        return;
    m_pronto = true;
    QString errori;
    for (const QString &percorso : percorsiModulo()) {
        // Never unloaded: the player's code must outlive it.
        QLibrary modulo(percorso);
        auto *crea = reinterpret_cast<CreaRiproduttore *>(modulo.resolve("zampirolo2_crea"));
        if (crea) {
            m_riproduttore.reset(crea(m_daPrecaricare));
            return;
        }
        errori += QLatin1Char('\n') + modulo.errorString();
    }
    qCWarning(lcSuoni).noquote() << "The sound module could not be loaded: the feedback sounds "
                                    "stay silent."
                                 << errori;
}

void SuoniDifferiti::riproduci(const QString &percorso) {
    prepara();
    if (m_riproduttore)
        m_riproduttore->riproduci(percorso);
}
