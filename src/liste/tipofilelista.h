#pragma once

#include <QString>
#include <QVector>

#include <optional>

enum class Livello { Facile, Difficile };

// "facile" or "difficile", as the menus and the window's title say it.
QString nomeLivello(Livello livello);

// The four kinds of file a list has, told by the digit after the list's code: "2" two easy
// syllables, "3" three easy, "4" two difficult, "5" three difficult. Everything that needs to
// know what a list file holds (the game, the checker, the editor) asks here.
class TipoFileLista {
public:
    // In the order of their digits.
    static const QVector<TipoFileLista> &tutti();
    static std::optional<TipoFileLista> daCifra(const QString &cifra);
    static TipoFileLista di(int sillabePerParola, Livello livello);
    // The list code and kind of a file name such as "ca4.txt" (any letter case).
    static std::optional<std::pair<QString, TipoFileLista>> daNomeFile(const QString &nome);

    QString cifra() const;
    int sillabePerParola() const { return m_sillabe; }
    Livello livello() const { return m_livello; }
    // The words one exercise shows: four of two syllables, three of three.
    int paroleNellEsercizio() const { return m_sillabe == 2 ? 4 : 3; }
    // The file of the other level for the same exercise (2 and 4, 3 and 5).
    TipoFileLista compagno() const;
    QString suffisso() const { return cifra() + QStringLiteral(".txt"); }
    QString nomeFile(const QString &codiceLista) const { return codiceLista + suffisso(); }
    // "due sillabe, facili", for the editor's choice of file.
    QString descrizione() const;

    bool operator==(const TipoFileLista &altro) const {
        return m_sillabe == altro.m_sillabe && m_livello == altro.m_livello;
    }
    bool operator!=(const TipoFileLista &altro) const { return !(*this == altro); }

private:
    TipoFileLista(int sillabe, Livello livello)
        : m_sillabe(sillabe)
        , m_livello(livello) {}

    int m_sillabe;
    Livello m_livello;
};
