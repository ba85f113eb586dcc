#include "exercise/figureparole.h"

#include "core/applicationfolder.h"
#include "core/lettorefigura.h"
#include "core/logging.h"
#include "core/servizi.h"

#include <QImageReader>
#include <memory>

QString percorsoFiguraParola(const QString &parola) {
    return servizi().dati().percorso(CartelleDati::Immagini, parola + QStringLiteral(".jpg"));
}

namespace {

// libjpeg shrinks by a half, a quarter and an eighth on its fast paths; any other factor costs
// more than decoding the whole picture. The largest of those shrinks that still covers the
// area; the painter's smooth stretch does the rest.
QSize misuraDiDecodifica(const QSize &naturale, const QSize &area) {
    QSize misura = naturale;
    for (int d = 2; d <= 8; d *= 2) {
        const QSize ridotta(naturale.width() / d, naturale.height() / d);
        if (ridotta.width() < area.width() || ridotta.height() < area.height())
            break;
        misura = ridotta;
    }
    return misura;
}

// A null image when the file is missing or unreadable. The name promises a JPEG, but Qt reads
// a picture saved in another format all the same (asking every image plugin about the content
// first would cost more than the decoding).
QImage leggiFiguraParola(const QString &parola, const QSize &area) {
    const QString percorso = percorsoFiguraParola(parola);
    LettoreFigura figuraLetta(percorso);
    QImageReader &lettore = figuraLetta.lettore();
    const QSize naturale = lettore.size();
    if (naturale.isValid())
        lettore.setScaledSize(misuraDiDecodifica(naturale, area));
    QImage figura = lettore.read();
    if (figura.isNull()) {
        qCWarning(lcDati).noquote() << "Figura della parola" << parola
                                    << "non leggibile:" << percorso << "-" << figuraLetta.motivo();
        return figura;
    }
    // Only a huge photo, or one far from the area's proportions, still has more than four times
    // the area's pixels: keep no more than the area needs.
    if (qint64(figura.width()) * figura.height() > 4 * qint64(area.width()) * area.height())
        figura = figura.scaled(area, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return figura;
}

} // namespace

Immagine::Sorgente sorgenteFiguraParola(const QString &parola) {
    auto illeggibile = std::make_shared<bool>(false);
    return [parola, illeggibile](const QSize &misura) {
        if (!*illeggibile) {
            const QImage figura = leggiFiguraParola(parola, misura);
            if (!figura.isNull())
                return QPixmap::fromImage(figura);
            *illeggibile = true;
        }
        return figuraSegnaposto();
    };
}
