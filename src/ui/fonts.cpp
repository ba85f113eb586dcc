#include "ui/fonts.h"

#include "core/logging.h"

#include "ui/pictures.h"

#include <QFontDatabase>
#include <QHash>

void registraCaratteri() {
    static bool registrati = false;
    if (registrati)
        return;
    registrati = true;
    caricaRisorseUi();
    for (const char *file : {"ComicNeue-Bold.otf", "LiberationSans-Bold.ttf",
                             "LiberationSerif-Bold.ttf", "Andika-Bold.ttf"}) {
        const QString percorso = QStringLiteral(":/fonts/") + QLatin1String(file);
        if (QFontDatabase::addApplicationFont(percorso) < 0)
            qCWarning(lcDisposizione) << "could not load the bundled font" << percorso;
    }
}

QString famigliaSostitutiva(const QString &famigliaProgetto) {
    static const QHash<QString, QString> sostituti = {
        {QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")},
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Andika")},
    };
    return sostituti.value(famigliaProgetto, famigliaProgetto);
}

QFont fontPer(const Carattere &carattere) {
    registraCaratteri();
    QFont font;
    if (!carattere.famiglia.isEmpty())
        font.setFamilies({famigliaSostitutiva(carattere.famiglia)});
    if (carattere.punti > 0)
        font.setPointSizeF(carattere.punti);
    font.setBold(true);
    return font;
}
