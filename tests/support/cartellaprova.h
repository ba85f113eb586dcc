#pragma once

#include <QColor>
#include <QPixmap>
#include <QTemporaryDir>

// An application folder with lists as a teacher writes them and a one-colour picture per word.
class CartellaProva {
public:
    CartellaProva();
    QString percorso() const { return m_cartella.path(); }
    void scriviTesto(const QString &nomeFile, const QByteArray &contenuto);
    // One record per element, syllables split by commas, with a picture for every word.
    void scriviLista(const QString &nomeFile, const QStringList &parole);
    static QColor coloreDi(const QString &parola);

private:
    QTemporaryDir m_cartella;
};

// Writes a file, making its folder if needed; returns its path.
QString scriviFile(const QString &percorso, const QByteArray &byte);
// A file's bytes; empty when it cannot be read.
QByteArray leggiFile(const QString &percorso);
// Makes at the path what no data file may be: a FIFO ("fifo"), a link to /dev/zero or /dev/null
// ("zero", "null") or a folder ("cartella"); false for any other kind, or when it fails.
bool creaNonNormale(const QString &percorso, const QByteArray &tipo);
// The first character a terminal or a message would hide or obey (a control or format character
// other than a line break), as "U+XXXX in: text"; empty when there is none.
QString carattereNascosto(const QString &testo);
// Whether a picture is, give or take the JPEG's rounding, all of one colour.
bool haColore(const QPixmap &figura, const QColor &colore);
