#include "editor/adattatorefigura.h"

#include "core/limitefigure.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>

const QColor AdattatoreFigura::Sfondo = QColor(0xFF, 0xF5, 0xE1);

QSize AdattatoreFigura::misura(int numeroSillabe) {
    return numeroSillabe == 2 ? QSize(480, 400) : QSize(480, 480);
}

QImage AdattatoreFigura::leggi(const QString &percorso, int numeroSillabe, QString *errore) {
    QImageReader lettore(percorso);
    lettore.setDecideFormatFromContent(true);
    lettore.setAutoTransform(true);
    const QSize dimensione = lettore.size();
    if (lettore.format() == "svg" || lettore.format() == "svgz") {
        // A drawing has no pixels of its own: render it straight at the size it will fill.
        if (dimensione.isValid())
            lettore.setScaledSize(
                dimensione.scaled(misura(numeroSillabe) * 0.8, Qt::KeepAspectRatio));
    } else {
        // A phone photo is decoded already shrunk to twice the frame, which keeps it sharp:
        // whole, 48 MP would take 200 MB for a frame of 480 pixels.
        const QSize abbondante = misura(3) * 2;
        if (dimensione.width() > abbondante.width() || dimensione.height() > abbondante.height())
            lettore.setScaledSize(dimensione.scaled(abbondante, Qt::KeepAspectRatio));
    }
    bool troppoGrande = false;
    const QImage figura = leggiFiguraEntroLimite(lettore, &troppoGrande);
    if (figura.isNull() && errore)
        *errore = troppoGrande ? QStringLiteral("è troppo grande: %1 × %2 pixel, più di %3 milioni")
                                     .arg(dimensione.width())
                                     .arg(dimensione.height())
                                     .arg(MassimoPixelFigura / 1000000)
                               : lettore.errorString();
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

bool AdattatoreFigura::salva(const QImage &figura, const QString &percorso) {
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!figura.save(&file, "JPG", 85)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
