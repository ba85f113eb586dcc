#include "core/applicationfolder.h"

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
    if (contieneDati(accanto))
        return accanto.absolutePath();
    const QDir installata(accanto.absoluteFilePath(QStringLiteral("../share/zampirolo2")));
    if (contieneDati(installata))
        return QDir::cleanPath(installata.absolutePath());
    return accanto.absolutePath();
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
