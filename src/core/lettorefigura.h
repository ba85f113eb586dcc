#pragma once

#include "core/letturadati.h"

#include <QBuffer>
#include <QImageReader>
#include <QString>

// A photo from a phone is a few megabytes; nothing a teacher makes for the game comes near this.
constexpr qint64 MassimiByteFigura = 64 * 1024 * 1024;

// A picture file brought into memory through the bounded read, for Qt to decode from there: a
// FIFO or a device named like a picture never reaches a decoder. The format is first guessed
// from the name, as reading from the file would; a picture saved under another suffix still
// decodes, found from its content.
class LettoreFigura {
public:
    // `dalContenuto`: ask every decoder about the content first (slower; the checker and the
    // editor do, the game does not).
    explicit LettoreFigura(const QString &percorso, bool dalContenuto = false);
    LettoreFigura(const LettoreFigura &) = delete;
    LettoreFigura &operator=(const LettoreFigura &) = delete;

    const LetturaDati &lettura() const { return m_lettura; }
    // Usable only when lettura().letto(); otherwise it reads nothing.
    QImageReader &lettore() { return m_lettore; }
    // Why the picture was not decoded, in Italian: the file's fault or the decoder's.
    QString motivo() const;

private:
    LetturaDati m_lettura;
    QBuffer m_buffer;
    QImageReader m_lettore;
};
