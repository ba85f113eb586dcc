#include "core/applicationfolder.h"

#include "core/logging.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace {

bool contieneDati(const QDir &cartella) {
    return cartella.exists(CartelleDati::Liste) || cartella.exists(CartelleDati::Immagini) ||
           cartella.exists(CartelleDati::Suoni);
}

QString chiave(const QString &nome) {
    return nome.normalized(QString::NormalizationForm_C).toCaseFolded();
}

// The entries of one folder by their case-folded name. Listing and normalising a folder of a
// few hundred pictures costs more than decoding a picture, so it is done once and redone only
// when the folder's modification time says an entry was added, removed or renamed.
struct IndiceCartella {
    QDateTime modificata;
    bool affidabile = false;
    QHash<QString, QString> voci;
};

// A folder's time moves in coarse steps: a change made just after a listing, within the same
// step, would leave the time as it was. A listing is trusted only once the folder's last change
// is this far behind it.
constexpr qint64 MarginePassoOrologioMs = 2000;

QString cercaSenzaMaiuscole(const QString &cartella, const QString &nome) {
    static QHash<QString, IndiceCartella> indici;
    const QDateTime modificata = QFileInfo(cartella).lastModified();
    IndiceCartella &indice = indici[cartella];
    if (!indice.affidabile || indice.modificata != modificata) {
        const QDateTime adesso = QDateTime::currentDateTime();
        indice.modificata = modificata;
        indice.affidabile =
            modificata.isValid() && modificata.msecsTo(adesso) > MarginePassoOrologioMs;
        indice.voci.clear();
        const QStringList voci = QDir(cartella).entryList(QDir::AllEntries | QDir::Hidden |
                                                          QDir::System | QDir::NoDotAndDotDot);
        // The first in listing order wins, as when the folder was searched entry by entry.
        for (auto it = voci.crbegin(); it != voci.crend(); ++it)
            indice.voci.insert(chiave(*it), *it);
    }
    return indice.voci.value(chiave(nome));
}

} // namespace

QString trovaCartellaApplicazione(const QString &cartellaEseguibile) {
    const QDir accanto(cartellaEseguibile);
    const QString installata =
        QDir::cleanPath(accanto.absoluteFilePath(QStringLiteral("../share/zampirolo2")));
    QString scelta = accanto.absolutePath();
    if (!contieneDati(accanto)) {
        if (contieneDati(QDir(installata)))
            scelta = installata;
        else
            qCWarning(lcDati) << "Cartelle dei dati non trovate né in" << scelta << "né in"
                              << installata;
    }
    qCDebug(lcDati) << "Cartella dell'applicazione:" << scelta;
    return scelta;
}

QString percorsoDati(const QString &cartellaApplicazione, const QStringList &parti) {
    QString percorso = cartellaApplicazione;
    bool trovato = true;
    for (const QString &parte : parti) {
        const QString esatto = percorso + QLatin1Char('/') + parte;
        if (trovato && !QFileInfo::exists(esatto)) {
            const QString simile = cercaSenzaMaiuscole(percorso, parte);
            if (!simile.isEmpty()) {
                percorso += QLatin1Char('/') + simile;
                continue;
            }
            trovato = false;
        }
        percorso = esatto;
    }
    return QDir::toNativeSeparators(percorso);
}
