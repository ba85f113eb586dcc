#pragma once

#include "core/risolutoredati.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

class QImage;

// One thing a teacher should look at in the lists or pictures of an application folder.
struct ProblemaVerifica {
    enum class Tipo {
        Lettura,      // the game's reader refuses the file
        Divisione,    // the division is not the automatic one
        Maiuscole,    // syllables written with capitals
        Livello,      // an easy word in a difficult file or the other way round
        Appartenenza, // a word that is not the list's, or one of the list's that is missing
        FiguraMancante,
        FiguraIlleggibile,
        FiguraDeformata, // proportions the game's frame would stretch, or too small
        FiguraCondivisa, // the same picture as another word
        FiguraInutile,   // a picture no list uses
        Doppione,
        PocheParole,
        TutteNonUnione,
        Suono,              // a feedback sound missing or not a WAV the game can play
        FileInutilizzabile, // a teacher's file that cannot stand in for the bundled one
    };

    Tipo tipo = Tipo::Lettura;
    QString file;   // full path of the list file or picture
    int parola = 0; // 1-based word number in the file, 0 for the file as a whole
    QString messaggio;
    // The automatic division is itself uncertain, so the teacher's may well be right.
    bool forse = false;

    // "file:word-number: message", with the file shown relative to `base` when inside it.
    QString riga(const QString &base = QString()) const;
};

// Checks every list file the game can ask for, and the pictures, the way the game reads them.
class Verificatore {
public:
    struct Esito {
        QVector<ProblemaVerifica> problemi;
        int file = 0;
        int parole = 0; // words read, across all files
        int figure = 0; // picture files in the pictures folder
        int certi() const;
        QString riepilogo() const;
    };

    explicit Verificatore(RisolutoreDati dati);

    Esito verifica() const;

    // What is wrong with one word of the file `codice` + `cifra` + ".txt" on its own: its
    // division, letter case, level and list. The editor shows these beside each word.
    static QVector<ProblemaVerifica> problemiParola(const QString &codice, const QString &cifra,
                                                    const QStringList &sillabe);
    // Why the picture of a word of `numeroSillabe` syllables will not do, or nothing. The picture
    // as decoded goes to `decodificata` when given (null when unreadable), shrunk to fit `entro`.
    static QVector<ProblemaVerifica> problemiFigura(const QString &percorso, int numeroSillabe,
                                                    QImage *decodificata = nullptr,
                                                    const QSize &entro = {});

private:
    RisolutoreDati m_dati;
};
