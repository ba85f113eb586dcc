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
// Whether a picture is, give or take the JPEG's rounding, all of one colour.
bool haColore(const QPixmap &figura, const QColor &colore);
