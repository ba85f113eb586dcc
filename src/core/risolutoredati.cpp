#include "core/risolutoredati.h"

#include "core/applicationfolder.h"
#include "core/letturadati.h"
#include "core/logging.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <limits>

RisolutoreDati::RisolutoreDati(QString cartellaApplicazione, QString cartellaUtente,
                               QString cartellaClasse)
    : m_applicazione(std::move(cartellaApplicazione))
    , m_utente(std::move(cartellaUtente))
    , m_classe(std::move(cartellaClasse)) {}

namespace {

// Whatever size: how large a file may be is for whoever reads it to say.
constexpr qint64 QualsiasiDimensione = std::numeric_limits<qint64>::max() / 2;

bool presente(const QString &percorso) {
    const QFileInfo informazioni(percorso);
    return informazioni.exists() || informazioni.isSymLink();
}

} // namespace

bool RisolutoreDati::dallUtente(const QString &cartellaDati, const QString &nome) const {
    return !m_utente.isEmpty() && esaminaFileDati(percorsoDati(m_utente, {cartellaDati, nome}),
                                                  QualsiasiDimensione) == LetturaDati::Esito::Letto;
}

QString RisolutoreDati::motivoInutilizzabile(const QString &cartellaDati,
                                             const QString &nome) const {
    if (m_utente.isEmpty())
        return {};
    const QString percorso = percorsoDati(m_utente, {cartellaDati, nome});
    if (!presente(percorso))
        return {};
    LetturaDati lettura;
    lettura.esito = esaminaFileDati(percorso, QualsiasiDimensione);
    if (lettura.esito == LetturaDati::Esito::Mancante)
        lettura.esito = LetturaDati::Esito::NonNormale; // a link that leads nowhere
    return lettura.motivo();
}

QStringList RisolutoreDati::nomiInutilizzabili(const QString &cartellaDati) const {
    QStringList nomi;
    if (m_utente.isEmpty())
        return nomi;
    const QDir cartella(percorsoDati(m_utente, {cartellaDati}));
    const QDir::Filters tutti =
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    for (const QString &nome : cartella.entryList(tutti, QDir::Name))
        if (!motivoInutilizzabile(cartellaDati, nome).isEmpty())
            nomi << nome;
    return nomi;
}

QString RisolutoreDati::percorso(const QString &cartellaDati, const QString &nome) const {
    if (dallUtente(cartellaDati, nome))
        return percorsoDati(m_utente, {cartellaDati, nome});
    if (const QString motivo = motivoInutilizzabile(cartellaDati, nome); !motivo.isEmpty()) {
        static QSet<QString> detti;
        const QString suo = percorsoDati(m_utente, {cartellaDati, nome});
        if (!detti.contains(suo)) {
            detti.insert(suo);
            qCWarning(lcDati).noquote()
                << "Il file" << suo << "non si può usare:" << motivo << "- uso quello del gioco.";
        }
    }
    // The class folder may be a network share that is gone: then this check fails and the
    // bundled file is used.
    if (!m_classe.isEmpty()) {
        const QString dellaClasse = percorsoDati(m_classe, {cartellaDati, nome});
        if (esaminaFileDati(dellaClasse, QualsiasiDimensione) == LetturaDati::Esito::Letto)
            return dellaClasse;
    }
    return percorsoDati(m_applicazione, {cartellaDati, nome});
}

QStringList RisolutoreDati::nomiFile(const QString &cartellaDati) const {
    QStringList nomi;
    QSet<QString> visti;
    for (const QString &radice : {m_utente, m_classe, m_applicazione}) {
        if (radice.isEmpty())
            continue;
        const QString cartella = percorsoDati(radice, {cartellaDati});
        for (const QString &nome : QDir(cartella).entryList(QDir::Files, QDir::Name)) {
            const QString chiave = nome.normalized(QString::NormalizationForm_C).toLower();
            if (!visti.contains(chiave)) {
                visti.insert(chiave);
                nomi << nome;
            }
        }
    }
    return nomi;
}

QString RisolutoreDati::cartellaUtenteStandard() {
    // Not AppDataLocation: it follows the application name, and the game and the editor have
    // different names but must share the teacher's files.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base.isEmpty() ? QString() : base + QStringLiteral("/zampirolo2");
}
