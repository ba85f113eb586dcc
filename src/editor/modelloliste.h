#pragma once

#include "core/risolutoredati.h"
#include "editor/destinazioneparola.h"
#include "editor/importazioneparole.h"
#include "editor/improntafile.h"
#include "editor/miniatureparole.h"
#include "liste/errorelista.h"

#include <QHash>
#include <QImage>
#include <QSet>
#include <QStringList>
#include <QVector>

// The 68 list files of the game as the editor holds them, with the pictures not yet saved.
// Plain code: the window only shows it and turns clicks into calls.
class ModelloListe {
public:
    using Destinazione = DestinazioneParola;
    using Importazione = ImportazioneParole;
    using Impronta = ImprontaFile;

    explicit ModelloListe(RisolutoreDati dati);

    const RisolutoreDati &dati() const { return m_dati; }
    // The files the game's reader refused, with its message: the editor does not write them
    // until the teacher repairs them, lest they be lost.
    QStringList illeggibili() const;
    std::optional<ErroreLista> errore(const QString &nomeFile) const;
    static QStringList codici();
    static int sillabePerParola(const QString &cifra);

    const QVector<QStringList> &parole(const QString &codice, const QString &cifra) const;
    bool contiene(const QString &parola) const; // anywhere in the game, whatever the division

    static Destinazione destinazione(const QStringList &sillabe) {
        return DestinazioneParola::di(sillabe);
    }
    // Adds the word to its file in every list it belongs to, or to none when one is full.
    Destinazione aggiungi(const QStringList &sillabe);
    // Puts `sillabe` where the word `vecchia` was, in every file that still wants it, keeping its
    // place and its new picture; the lists it no longer belongs to lose it, new ones gain it.
    Destinazione sostituisci(const QString &vecchia, const QStringList &sillabe);
    // Takes the word (joined syllables) out of every file. Returns the lists it was in.
    QStringList togli(const QString &parola);
    // One word a line, each divided automatically and added where it belongs.
    Importazione importa(const QString &testo) { return ImportazioneParole::importa(*this, testo); }
    // Makes every TUTTE file the union of the other lists; returns how many words changed, or -1
    // with `motivo` when a TUTTE file would pass the game's limit.
    int ricostruisciTutte(QString *motivo = nullptr);
    // A refused file replaced by the teacher's repaired words.
    void ripara(const QString &nomeFile, const QVector<QStringList> &parole);

    void impostaFigura(const QString &parola, const QImage &figura);
    // The picture as the game would show it: a new one not yet saved, or the file found.
    QImage figura(const QString &parola) const;
    bool figuraNuova(const QString &parola) const;
    QString percorsoFigura(const QString &parola) const;
    // The word's picture shrunk for its tile, with the problems of the one on disk; decoded once.
    const MiniatureParole::Miniatura &miniatura(const QString &parola, int sillabe) const {
        return m_miniature.di(*this, parola, sillabe);
    }
    int decodificheMiniature() const { return m_miniature.decodifiche(); }

    // What an undo step puts back: the words of every file and the pictures not yet saved.
    struct Stato {
        QHash<QString, QVector<QStringList>> file;
        QHash<QString, QImage> figure;
    };
    Stato stato() const { return {m_file, m_figureNuove}; }
    // Files differing from the disk are the changed ones again, whatever was saved meanwhile.
    void ripristina(const Stato &stato);

    // The words added or changed since the files were read, each once.
    QVector<QStringList> paroleNuove() const;
    const QHash<QString, QImage> &figureNuove() const { return m_figureNuove; }

    bool modificato() const { return !m_modificati.isEmpty() || !m_figureNuove.isEmpty(); }
    // The list files someone changed on disk since the editor read them.
    QStringList cambiatiFuori() const;
    // Reads those files again and puts the teacher's own changes on top; returns, a line a file,
    // what was merged.
    QStringList unisciCambiatiFuori();
    // Writes every changed list and new picture into `cartella` (a folder laid out like the
    // application folder) all or nothing, each list first read back with the game's reader.
    // Returns what went wrong, in Italian; empty when everything was written.
    QString salva(const QString &cartella);

private:
    static QString chiave(const QString &codice, const QString &cifra);
    void leggi(const QString &k);
    QString rifiutoFile(const QString &k) const;
    void aggiungiA(const QString &k, const QStringList &sillabe);

    RisolutoreDati m_dati;
    QHash<QString, QVector<QStringList>> m_file;
    QHash<QString, QVector<QStringList>> m_letti; // as read, to find the teacher's own changes
    QHash<QString, Impronta> m_impronte;
    QHash<QString, ErroreLista> m_errori;
    QSet<QString> m_modificati;
    QHash<QString, QImage> m_figureNuove;
    mutable MiniatureParole m_miniature;
};
