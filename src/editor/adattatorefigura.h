#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// Turns a teacher's picture into one like the game's own: the picture whole, as large as fits
// with a margin, centred on the game's pale background, at the size of the game's frames.
class AdattatoreFigura {
public:
    static const QColor Sfondo;
    static QSize misura(int numeroSillabe); // 480 × 400 for two syllables, 480 × 480 for three

    // Reads a PNG, JPEG or SVG file (drawings at the size they will be shown); a null image
    // and the reason in `errore` when it cannot.
    static QImage leggi(const QString &percorso, int numeroSillabe, QString *errore = nullptr);
    static QImage adatta(const QImage &figura, int numeroSillabe);
    // The bytes of the JPEG the game looks for.
    static QByteArray jpeg(const QImage &figura);
};
