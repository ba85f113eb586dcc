#include "core/risolutoredati.h"

#include "core/applicationfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

RisolutoreDati::RisolutoreDati(QString cartellaApplicazione, QString cartellaUtente)
    : m_applicazione(std::move(cartellaApplicazione))
    , m_utente(std::move(cartellaUtente)) {}

bool RisolutoreDati::dallUtente(const QString &cartellaDati, const QString &nome) const {
    return !m_utente.isEmpty() && QFileInfo(percorsoDati(m_utente, {cartellaDati, nome})).isFile();
}

QString RisolutoreDati::percorso(const QString &cartellaDati, const QString &nome) const {
    if (dallUtente(cartellaDati, nome))
        return percorsoDati(m_utente, {cartellaDati, nome});
    return percorsoDati(m_applicazione, {cartellaDati, nome});
}

QStringList RisolutoreDati::nomiFile(const QString &cartellaDati) const {
    QStringList nomi;
    QSet<QString> visti;
    for (const QString &radice : {m_utente, m_applicazione}) {
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
