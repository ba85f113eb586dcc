#pragma once

#include <QString>
#include <QVector>
#include <optional>

// What went wrong while reading a word list, told in Italian so the screens can show it.
struct ErroreLista {
    enum class Tipo { FileMancante, TroppeParole, ParolaIncompleta, SillabaNonValida };

    Tipo tipo = Tipo::FileMancante;
    QString file;   // full path of the list file
    int parola = 0; // 1-based record number, 0 when the file itself is at fault
    QString dettaglio;

    QString descrizione() const;
};

// The word table `Parole` of an exercise screen: rows 1 to NumeroParole, columns 1 to 2 or 3,
// each cell one syllable exactly as the file stores it.
class TabellaParole {
public:
    explicit TabellaParole(int sillabePerParola = 2);

    int sillabePerParola() const { return m_sillabe; }
    int numeroRighe() const { return m_celle.size() / m_sillabe; }
    // riga from 1, colonna from 1 to sillabePerParola().
    const QString &operator()(int riga, int colonna) const;
    // Syllables of a row joined: the word, which also names its picture.
    QString parola(int riga) const;

    void aggiungi(const QStringList &sillabe);

private:
    int m_sillabe;
    QVector<QString> m_celle;
};

constexpr int MassimoParole = 500;

struct RisultatoLettura {
    TabellaParole tabella;
    std::optional<ErroreLista> errore;
};

// Reads a whole word-list file. On any error the table is to be discarded.
RisultatoLettura leggiListaParole(const QString &percorso, int sillabePerParola);

// The file of the chosen list (ListaScelta) for a suffix such as "2.txt".
QString percorsoListaParole(const QString &suffisso);

// Loads the chosen list into Parole and sets NumeroParole. On an error both stay as they were,
// so a failed load never leaves a half-filled table in use.
std::optional<ErroreLista> CaricaParole(TabellaParole &Parole, const QString &suffisso);

// A syllable goes into a picture's file name, so it may not leave the pictures folder nor
// hold what no file name can: returns why it is refused, or an empty text when it is fine.
QString problemaSillaba(const QString &sillaba);
