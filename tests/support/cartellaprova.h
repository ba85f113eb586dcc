#pragma once

#include <QColor>
#include <QString>
#include <QTemporaryDir>

// An application folder made by a test: word lists written as a teacher would (Windows-1252,
// CRLF) and one-colour JPEG pictures whose colour tells which word they belong to.
class CartellaProva {
public:
    CartellaProva();

    QString percorso() const { return m_cartella.path(); }
    // One record per element, each syllable quoted: {"pa,la", "ca,sa"}.
    void scriviLista(const QString &nomeFile, const QStringList &parole);
    void scriviTesto(const QString &nomeFile, const QByteArray &contenuto);
    void scriviFigura(const QString &parola);
    // Pictures for every word of the records given.
    void scriviFigure(const QStringList &parole);

    static QColor coloreDi(const QString &parola);

private:
    QTemporaryDir m_cartella;
};

// Whether a picture is, give or take the JPEG's rounding, all of one colour.
bool haColore(const QPixmap &figura, const QColor &colore);
