#include "ui/pictures.h"

#include "core/logging.h"

#include <QFile>
#include <QImageReader>

// The resources live in a static library; naming them here keeps the linker from dropping them.
static void initUiResources() {
    Q_INIT_RESOURCE(ui);
}

void caricaRisorseUi() {
    static const bool caricate = (initUiResources(), true);
    Q_UNUSED(caricate);
}

namespace {

// Qt reads the picture of a cursor file but not its hot spot, which the file header holds.
QPoint puntaDelCursore(const QString &percorso) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return QPoint();
    const QByteArray testa = file.read(14);
    if (testa.size() < 14 || testa.at(2) != 2) // type 2: cursor
        return QPoint();
    const auto parola = [&](int i) {
        return int(uchar(testa.at(i))) | int(uchar(testa.at(i + 1))) << 8;
    };
    return QPoint(parola(10), parola(12));
}

} // namespace

QString percorsoFigura(Figura figura) {
    switch (figura) {
    case Figura::Nessuna:
        break;
    case Figura::P1:
        return QStringLiteral(":/pictures/p1.ico");
    case Figura::P2:
        return QStringLiteral(":/pictures/p2.ico");
    case Figura::P3:
        return QStringLiteral(":/pictures/p3.ico");
    case Figura::P4:
        return QStringLiteral(":/pictures/p4.cur");
    case Figura::P5:
        return QStringLiteral(":/pictures/p5.ico");
    case Figura::P6:
        return QStringLiteral(":/pictures/p6.ico");
    case Figura::P7:
        return QStringLiteral(":/pictures/p7.ico");
    case Figura::P8:
        return QStringLiteral(":/pictures/p8.jpg");
    case Figura::P9:
        return QStringLiteral(":/pictures/p9.jpg");
    case Figura::P10:
        return QStringLiteral(":/pictures/p10.ico");
    case Figura::P11:
        return QStringLiteral(":/pictures/p11.ico");
    }
    return QString();
}

QPixmap pixmapFigura(Figura figura) {
    caricaRisorseUi();
    if (figura == Figura::Nessuna)
        return QPixmap();
    // An icon file may hold several sizes; the largest is the 32 x 32 one the screens show.
    QImageReader lettore(percorsoFigura(figura));
    QImage migliore;
    do {
        const QImage immagine = lettore.read();
        if (!immagine.isNull() && immagine.width() > migliore.width())
            migliore = immagine;
    } while (lettore.jumpToNextImage());
    if (migliore.isNull())
        qCWarning(lcDisposizione) << "embedded picture missing:" << percorsoFigura(figura);
    return QPixmap::fromImage(migliore);
}

QIcon iconaFigura(Figura figura) {
    caricaRisorseUi();
    if (figura == Figura::Nessuna)
        return QIcon();
    return QIcon(percorsoFigura(figura));
}

QCursor puntatoreFigura(Figura figura) {
    const QPixmap immagine = pixmapFigura(figura);
    if (immagine.isNull())
        return QCursor(Qt::ArrowCursor);
    QPoint punta(immagine.width() / 2, immagine.height() / 2);
    if (figura == Figura::P4)
        punta = puntaDelCursore(percorsoFigura(figura));
    else if (figura == Figura::P2)
        punta = QPoint(29, 12); // the tip of the finger pointing at "avanti"
    return QCursor(immagine, punta.x(), punta.y());
}
