#include "exercise/figureparole.h"

#include "core/applicationfolder.h"
#include "core/logging.h"
#include "core/servizi.h"

#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <memory>

QString percorsoFiguraParola(const QString &parola) {
    return servizi().dati().percorso(CartelleDati::Immagini, parola + QStringLiteral(".jpg"));
}

namespace {

// A null image when the file is missing or unreadable.
QImage leggiFiguraParola(const QString &parola, const QSize &misura) {
    const QString percorso = percorsoFiguraParola(parola);
    QImageReader lettore(percorso);
    // The name promises a JPEG, but a picture saved in another format still shows.
    lettore.setDecideFormatFromContent(true);
    lettore.setScaledSize(misura);
    const QImage figura = lettore.read();
    if (figura.isNull())
        qCWarning(lcDati).noquote() << "Figura della parola" << parola
                                    << "non leggibile:" << percorso << "-" << lettore.errorString();
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

QPixmap figuraSegnaposto() {
    // Kept as an image: a static pixmap would outlive the application object.
    static const QImage segnaposto = [] {
        QImage immagine(480, 400, QImage::Format_RGB32);
        immagine.fill(QColor(236, 240, 244));
        QPainter pittore(&immagine);
        pittore.setRenderHint(QPainter::Antialiasing);
        const QRectF cornice(90, 80, 300, 240);
        pittore.setPen(QPen(QColor(150, 160, 172), 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        pittore.setBrush(QColor(250, 251, 252));
        pittore.drawRoundedRect(cornice, 24, 24);
        pittore.setPen(Qt::NoPen);
        pittore.setBrush(QColor(200, 206, 214));
        pittore.drawEllipse(QPointF(300, 150), 28, 28);
        QPainterPath monti;
        monti.moveTo(110, 300);
        monti.lineTo(190, 190);
        monti.lineTo(245, 255);
        monti.lineTo(285, 215);
        monti.lineTo(370, 300);
        monti.closeSubpath();
        pittore.setBrush(QColor(170, 178, 190));
        pittore.drawPath(monti);
        return immagine;
    }();
    return QPixmap::fromImage(segnaposto);
}
