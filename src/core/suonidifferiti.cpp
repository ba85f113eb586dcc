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
    return {cartella.filePath(nome), QDir::cleanPath(cartella.filePath(
                                         QStringLiteral("../lib/zampirolo2/plugins/") + nome))};
}

// Loads the module (once; it is never unloaded, since what it makes must outlive it) and finds
// one of its entry points. Says once, for the sounds, the voice or the syllables, why it could
// not and what follows.
QFunctionPointer ingressoDelModulo(const char *nome, const char *conseguenza) {
    QString errori;
    for (const QString &percorso : percorsiModulo()) {
        QLibrary modulo(percorso);
        if (QFunctionPointer ingresso = modulo.resolve(nome))
            return ingresso;
        errori += QLatin1Char('\n') + modulo.errorString();
    }
    qCWarning(lcSuoni).noquote() << "The sound module could not be loaded:" << conseguenza
                                 << errori;
    return nullptr;
}

} // namespace

SuoniDifferiti::SuoniDifferiti(const QStringList &daPrecaricare)
    : m_daPrecaricare(daPrecaricare) {}

SuoniDifferiti::~SuoniDifferiti() = default;

void SuoniDifferiti::prepara() {
    if (m_pronto)
        return;
    m_pronto = true;
    if (auto *crea = reinterpret_cast<CreaRiproduttore *>(
            ingressoDelModulo("zampirolo2_crea", "the feedback sounds stay silent.")))
        m_riproduttore.reset(crea(m_daPrecaricare));
}

void SuoniDifferiti::riproduci(const QString &percorso) {
    prepara();
    if (m_riproduttore)
        m_riproduttore->riproduci(percorso);
}

VoceDifferita::VoceDifferita() = default;

VoceDifferita::~VoceDifferita() = default;

void VoceDifferita::pronuncia(const QString &parola, int dopoMillisecondi) {
    if (!m_pronta) {
        m_pronta = true;
        if (auto *crea = reinterpret_cast<CreaVoce *>(
                ingressoDelModulo("zampirolo2_crea_voce", "the words stay silent.")))
            m_voce.reset(crea());
    }
    if (m_voce)
        m_voce->pronuncia(parola, dopoMillisecondi);
}

TrascriviFonemi *trascrittoreFonemi() {
    static TrascriviFonemi *trascrivi = reinterpret_cast<TrascriviFonemi *>(
        ingressoDelModulo("zampirolo2_fonemi", "syllables are divided by their spelling alone."));
    return trascrivi;
}
