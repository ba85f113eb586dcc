#include "ui/fonts.h"

#include "core/logging.h"

#include "ui/pictures.h"

#include <QFontDatabase>
#include <QHash>
#include <QResource>
#include <QSet>

namespace {

struct Sostituto {
    QString famiglia;
    const char *file;
};

const QHash<QString, Sostituto> &sostituti() {
    static const QHash<QString, Sostituto> tabella = {
        {QStringLiteral("Comic Sans MS"), {QStringLiteral("Comic Neue"), "ComicNeue-Bold.otf"}},
        {QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), "LiberationSans-Bold.ttf"}},
        {QStringLiteral("Times New Roman"),
         {QStringLiteral("Liberation Serif"), "LiberationSerif-Bold.ttf"}},
        {QStringLiteral("MS Sans Serif"), {QStringLiteral("Andika"), "Andika-Bold.ttf"}},
    };
    return tabella;
}

// Each face costs milliseconds and megabytes to register, and the start screen needs only one:
// a face is registered the first time a control asks for it.
void registraFile(const char *file) {
    static QSet<const char *> registrati;
    if (registrati.contains(file))
        return;
    registrati.insert(file);
    caricaRisorseUi();
    const QString percorso = QStringLiteral(":/fonts/") + QLatin1String(file);
    // Handed over where it lies in the program: registering by name would first copy the whole
    // face onto the heap.
    const QResource risorsa(percorso);
    const QByteArray dati =
        risorsa.compressionAlgorithm() == QResource::NoCompression
            ? QByteArray::fromRawData(reinterpret_cast<const char *>(risorsa.data()),
                                      qsizetype(risorsa.size()))
            : risorsa.uncompressedData();
    if (dati.isEmpty() || QFontDatabase::addApplicationFontFromData(dati) < 0)
        qCWarning(lcDisposizione) << "could not load the bundled font" << percorso;
}

} // namespace

QString famigliaSostitutiva(const QString &famigliaProgetto) {
    const auto trovato = sostituti().constFind(famigliaProgetto);
    return trovato == sostituti().cend() ? famigliaProgetto : trovato->famiglia;
}

QFont fontPer(const Carattere &carattere) {
    QFont font;
    if (!carattere.famiglia.isEmpty()) {
        const auto trovato = sostituti().constFind(carattere.famiglia);
        if (trovato != sostituti().cend()) {
            registraFile(trovato->file);
            font.setFamilies({trovato->famiglia});
        } else {
            font.setFamilies({carattere.famiglia});
        }
    }
    if (carattere.punti > 0)
        font.setPointSizeF(carattere.punti);
    font.setBold(true);
    return font;
}
