#pragma once

#include <QHash>
#include <QImage>
#include <QStringList>

class ModelloListe;

// The picture of each word as its tile shows it, decoded once and shrunk to the tile, with what
// the checker says of the picture on disk. A list of 600 words would otherwise decode 600
// pictures at every word added; the list model forgets a word's entry when its picture changes.
class MiniatureParole {
public:
    struct Miniatura {
        QImage immagine; // never null: a missing picture is the game's placeholder
        QStringList problemi;
        int sillabe = 0; // the problems depend on the word's syllable count
    };

    static constexpr int Larghezza = 160;
    static constexpr int Altezza = 130;

    const Miniatura &di(const ModelloListe &modello, const QString &parola, int sillabe);
    void dimentica(const QString &chiave) { m_miniature.remove(chiave); }
    // Undo put back other new pictures: forget the words whose picture is not the same one.
    void dimenticaDiverse(const QHash<QString, QImage> &prima, const QHash<QString, QImage> &dopo);
    void dimenticaTutte() { m_miniature.clear(); }
    // Pictures read from disk or shrunk so far, so the tests can tell one decoded from all.
    int decodifiche() const { return m_decodifiche; }

private:
    QHash<QString, Miniatura> m_miniature;
    QImage m_segnaposto;
    int m_decodifiche = 0;
};
