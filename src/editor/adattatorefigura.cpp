#include "editor/adattatorefigura.h"

#include "core/lettorefigura.h"
#include "core/limitefigure.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

const QColor AdattatoreFigura::Sfondo = QColor(0xFF, 0xF5, 0xE1);

QSize AdattatoreFigura::misura(int numeroSillabe) {
    return numeroSillabe == 2 ? QSize(480, 400) : QSize(480, 480);
}

QImage AdattatoreFigura::leggi(const QString &percorso, int numeroSillabe, QString *errore) {
    auto rifiuto = [errore](const QString &motivo) {
        if (errore)
            *errore = motivo;
        return QImage();
    };
    // Through the bounded read: a pipe or a device dropped as a picture never reaches a decoder.
    LettoreFigura file(percorso, true);
    if (file.lettura().letto() && file.lettura().byte.isEmpty())
        return rifiuto(QStringLiteral("il file è vuoto"));
    if (!file.lettura().letto())
        return rifiuto(file.motivo());
    QImageReader &lettore = file.lettore();
    lettore.setAutoTransform(true);
    if (!lettore.canRead() ||
        !QByteArrayList{"png", "jpeg", "jpg", "svg", "svgz"}.contains(lettore.format()))
        return rifiuto(QStringLiteral("non è una figura (PNG, JPEG o SVG)"));
    const QSize dimensione = lettore.size();
    const bool disegno = lettore.format() == "svg" || lettore.format() == "svgz";
    // A drawing has no pixels of its own: render it straight at the size it will fill. A phone
    // photo has far more pixels than a frame shows: decode it already shrunk (a JPEG does that
    // while decoding), with room for a PNG, which is inflated whole before it shrinks.
    const QSize grande = disegno ? misura(numeroSillabe) * 0.8 : misura(numeroSillabe) * 2;
    const bool riduci = dimensione.isValid() && (disegno || dimensione.width() > grande.width() ||
                                                 dimensione.height() > grande.height());
    if (riduci)
        lettore.setScaledSize(dimensione.scaled(grande, Qt::KeepAspectRatio));
    bool troppoGrande = false;
    const QImage figura = leggiFiguraEntroLimite(lettore, &troppoGrande);
    if (troppoGrande)
        return rifiuto(QStringLiteral("è troppo grande: %1 × %2 pixel, più di %3 milioni")
                           .arg(dimensione.width())
                           .arg(dimensione.height())
                           .arg(MassimoPixelFigura / 1000000));
    if (figura.isNull())
        return rifiuto(QStringLiteral("la figura è rovinata e non si può leggere"));
    return figura;
}

QImage AdattatoreFigura::adatta(const QImage &figura, int numeroSillabe) {
    const QSize cornice = misura(numeroSillabe);
    QImage risultato(cornice, QImage::Format_RGB32);
    risultato.fill(Sfondo);
    if (figura.isNull())
        return risultato;
    // The game's own pictures leave about a fifth of the frame free around the drawing.
    const QSize spazio = cornice * 0.8;
    QSize dimensione = figura.size();
    if (dimensione.width() > spazio.width() || dimensione.height() > spazio.height() ||
        (dimensione.width() < spazio.width() / 2 && dimensione.height() < spazio.height() / 2))
        dimensione.scale(spazio, Qt::KeepAspectRatio);
    QPainter pittore(&risultato);
    pittore.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect dove(QPoint((cornice.width() - dimensione.width()) / 2,
                            (cornice.height() - dimensione.height()) / 2),
                     dimensione);
    pittore.drawImage(dove, figura);
    return risultato;
}

QByteArray AdattatoreFigura::jpeg(const QImage &figura) {
    QByteArray byte;
    QBuffer memoria(&byte);
    memoria.open(QIODevice::WriteOnly);
    figura.save(&memoria, "JPG", 85);
    return byte;
}
