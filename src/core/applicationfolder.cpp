#include "core/applicationfolder.h"

#include "core/logging.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool contieneDati(const QDir &cartella) {
    return cartella.exists(CartelleDati::Liste) || cartella.exists(CartelleDati::Immagini) ||
           cartella.exists(CartelleDati::Suoni);
}

QString cercaSenzaMaiuscole(const QString &cartella, const QString &nome) {
    const QString cercato = nome.normalized(QString::NormalizationForm_C);
    const QStringList voci = QDir(cartella).entryList(QDir::AllEntries | QDir::Hidden |
                                                      QDir::System | QDir::NoDotAndDotDot);
    for (const QString &voce : voci) {
        if (voce.normalized(QString::NormalizationForm_C).compare(cercato, Qt::CaseInsensitive) ==
            0)
            return voce;
    }
    return {};
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
