#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>

// What zampirolo2-liste does from a terminal: "--verifica [CARTELLA]" and "--sillaba PAROLA…".
class RigaComando {
public:
    // Whether the arguments (without the program's name) ask for no window.
    static bool senzaFinestra(const QStringList &argomenti);

    // Runs the command and returns the exit status.
    // `cartellaGioco` and `cartellaUtente` are what the game reads when no folder is given.
    static int esegui(const QStringList &argomenti, const QString &cartellaGioco,
                      const QString &cartellaUtente, QTextStream &uscita, QTextStream &errori);

    // Sets what every division in this process uses: eSpeak NG's pronunciation, the divisions of
    // the bundled lists in `cartellaGioco` and those the teacher confirmed in `cartellaUtente`.
    // Once, before the first word is divided.
    static void preparaDivisione(const QString &cartellaGioco, const QString &cartellaUtente);

private:
    static int verifica(const QStringList &argomenti, const QString &cartellaGioco,
                        const QString &cartellaUtente, QTextStream &uscita, QTextStream &errori);
    static int sillaba(const QStringList &parole, QTextStream &uscita, QTextStream &errori);
    static QString uso();
};
