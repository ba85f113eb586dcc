#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The word table `Parole` of an exercise screen: rows 1 to numeroRighe(), columns 1 to 2 or 3,
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
    // Rows whose words differ by chiaveParola: the count and the draw use the same identity.
    int paroleDiverse() const;
    bool stessaParola(int riga1, int riga2) const;

    void aggiungi(const QStringList &sillabe);

private:
    int m_sillabe;
    QVector<QString> m_celle;
};
