#pragma once

#include "core/risolutoredati.h"
#include "liste/tabellaparole.h"
#include "liste/tipofilelista.h"
#include "liste/verificatore.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

// A list file as the checker read it.
struct FileVerificato {
    QString codice;
    TipoFileLista tipo = TipoFileLista::di(2, Livello::Facile);
    QString percorso;
    TabellaParole tabella;
    bool letto = false;

    QString nome() const { return tipo.nomeFile(codice); }
    QStringList sillabe(int riga) const;
};

// The checks of a whole application folder, one function each, over the files read once.
class ControlliVerifica {
public:
    explicit ControlliVerifica(const RisolutoreDati &dati);

    // Every list file the game can ask for, as the game's reader reads it.
    void leggiFile();
    // Each word on its own, then twice in a file or divided two ways, and its picture.
    void controllaParole();
    void controllaFigureInutili();
    // Teacher's files that cannot stand in for the bundled ones.
    void controllaFileInutilizzabili();
    void controllaFileCorti();
    void controllaTutte();
    void controllaSuoni();

    Verificatore::Esito esito() const;

private:
    void segnala(ProblemaVerifica p, const QString &file, int parola);
    const FileVerificato *cerca(const QString &codice, const TipoFileLista &tipo) const;
    void controllaUnione(const FileVerificato &tutte);

    const RisolutoreDati &m_dati;
    QVector<FileVerificato> m_file;
    QSet<QString> m_parole; // every word read, by chiaveParola
    Verificatore::Esito m_esito;
};

// Shared by the checks: a problem with its message, and a division written "ca-sa".
ProblemaVerifica problemaVerifica(ProblemaVerifica::Tipo tipo, const QString &messaggio,
                                  bool forse = false);
QString divisa(const QStringList &sillabe);
