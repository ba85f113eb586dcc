#pragma once

#include <QString>
#include <QStringList>

// Where each data file comes from. A teacher's own folder (lists, pictures and sounds laid out
// like the application folder) comes first, file by file: a list or picture there replaces the
// bundled one of the same name, and everything else still comes from the application folder,
// which an installed game cannot write to. A class folder, shared by the computers of a class,
// stands between the two: the teacher's file, else the class's, else the bundled one.
class RisolutoreDati {
public:
    RisolutoreDati() = default;
    RisolutoreDati(QString cartellaApplicazione, QString cartellaUtente,
                   QString cartellaClasse = {});

    const QString &cartellaApplicazione() const { return m_applicazione; }
    const QString &cartellaUtente() const { return m_utente; }
    const QString &cartellaClasse() const { return m_classe; }

    // The file `nome` of a data folder (CartelleDati::Liste, …): the teacher's when it exists,
    // in any letter case, otherwise the application folder's (which may not exist either).
    QString percorso(const QString &cartellaDati, const QString &nome) const;
    // Whether that file comes from the teacher's folder.
    bool dallUtente(const QString &cartellaDati, const QString &nome) const;
    // Why the teacher's file of that name is there but cannot be used (a folder, a FIFO, a device,
    // a link to nothing or to one of those), or an empty text when it is usable or absent. The
    // teacher put it there to replace the bundled file, so this is said, never passed over:
    // percorso() then gives the bundled file and notes it once in the log.
    QString motivoInutilizzabile(const QString &cartellaDati, const QString &nome) const;
    // The names of the teacher's files of a data folder that cannot be used.
    QStringList nomiInutilizzabili(const QString &cartellaDati) const;
    // The names of the files of a data folder, both folders together, each name once.
    QStringList nomiFile(const QString &cartellaDati) const;

    // ~/.local/share/zampirolo2 on Linux: one folder shared by the game and the list editor.
    static QString cartellaUtenteStandard();

private:
    QString m_applicazione;
    QString m_utente;
    QString m_classe;
};
