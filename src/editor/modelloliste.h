#pragma once

#include "core/risolutoredati.h"

#include <QHash>
#include <QImage>
#include <QSet>
#include <QStringList>
#include <QVector>

// The 68 list files of the game as the editor holds them, with the pictures not yet saved.
// Plain code: the window only shows it and turns clicks into calls.
class ModelloListe {
public:
    // Where a word goes: the digit of its file and every list it belongs to (TUTTE first), or
    // why the game cannot use it.
    struct Destinazione {
        QString cifra;
        QStringList codici;
        QString rifiuto;
        bool valida() const { return rifiuto.isEmpty(); }
    };
    struct Importazione {
        QStringList aggiunte;  // divided, as "ca-sa"
        QStringList incerte;   // added, but the division should be confirmed
        QStringList rifiutate; // "parola: why"
        QStringList giaPresenti;
    };

    explicit ModelloListe(RisolutoreDati dati);

    const RisolutoreDati &dati() const { return m_dati; }
    // The files the game's reader refused: the editor never writes them, lest they be lost.
    const QStringList &illeggibili() const { return m_illeggibili; }
    static QStringList codici();

    const QVector<QStringList> &parole(const QString &codice, const QString &cifra) const;
    bool contiene(const QString &parola) const; // anywhere in the game, whatever the division

    static Destinazione destinazione(const QStringList &sillabe);
    // Adds the word to its file in every list it belongs to.
    Destinazione aggiungi(const QStringList &sillabe);
    // Takes the word (joined syllables) out of every file. Returns the lists it was in.
    QStringList togli(const QString &parola);
    // One word a line, each divided automatically and added where it belongs.
    Importazione importa(const QString &testo);
    // Makes every TUTTE file the union of the other lists; returns how many words changed.
    int ricostruisciTutte();

    void impostaFigura(const QString &parola, const QImage &figura);
    // The picture as the game would show it: a new one not yet saved, or the file found.
    QImage figura(const QString &parola) const;
    bool figuraNuova(const QString &parola) const;
    QString percorsoFigura(const QString &parola) const;

    bool modificato() const { return !m_modificati.isEmpty() || !m_figureNuove.isEmpty(); }
    // Writes every changed list and new picture into `cartella` (a folder laid out like the
    // application folder), each file whole and atomically. Returns what went wrong, if anything.
    QStringList salva(const QString &cartella);

private:
    static QString chiave(const QString &codice, const QString &cifra);
    void aggiungiA(const QString &codice, const QString &cifra, const QStringList &sillabe);

    RisolutoreDati m_dati;
    QHash<QString, QVector<QStringList>> m_file;
    QSet<QString> m_modificati;
    QStringList m_illeggibili;
    QHash<QString, QImage> m_figureNuove;
};
