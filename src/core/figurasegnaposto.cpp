#include "core/figurasegnaposto.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

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
