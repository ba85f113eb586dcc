#pragma once

#include "core/risolutoredati.h"

#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

// One child of the class: a first name and, for a child who cannot read it yet, the name of a
// picture from the game's own images0 folder beside it (may be empty).
struct Bambino {
    QString nome;
    QString figura;
    bool operator==(const Bambino &altro) const {
        return nome == altro.nome && figura == altro.figura;
    }
};

// The class file, classe/bambini.txt: one child a line, "Marta" or "Marta;gatto.jpg", UTF-8.
// It is written by a teacher (or by hand, or damaged), so each line is checked: a name that
// cannot be shown safely is left out and said in `avvisi`, never shown garbled.
struct ElencoBambini {
    QList<Bambino> bambini;
    QStringList avvisi; // in Italian, one per line left out (or one for all the excess)

    bool vuoto() const { return bambini.isEmpty(); }
    QStringList nomi() const;
};

// More buttons than this would not fit one screen at a size a child can touch.
constexpr int MassimoBambini = 40;
constexpr int MassimaLunghezzaNome = 24;
constexpr qint64 MassimaDimensioneElenco = 1024 * 1024;

// Why `nome` cannot be a child's name beside `altri` (empty, too long, control characters, not a
// letter at all, the same as another), or an empty text when it can.
QString motivoNomeRifiutato(const QString &nome, const QStringList &altri);
// Two names are one child when they differ only in letter case, accents' encoding or spaces
// around them.
QString chiaveNome(const QString &nome);

ElencoBambini leggiElencoBambini(const QString &percorso);
ElencoBambini analizzaElencoBambini(const QByteArray &byte);
QByteArray scriviElencoBambini(const QList<Bambino> &bambini);
// Saves the file whole (a failure leaves the old one); the Italian reason on failure.
QString salvaElencoBambini(const QString &percorso, const QList<Bambino> &bambini);

// The class file below a folder: the class folder when there is one, else the teacher's.
QString percorsoElencoBambini(const QString &cartella);

// The picture a child chose, from the game's pictures (looked up by `dati`), small enough for a
// button: a null pixmap when there is none or it cannot be read.
QPixmap figuraBambino(const RisolutoreDati &dati, const QString &figura, const QSize &misura);
