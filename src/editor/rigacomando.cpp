#include "editor/rigacomando.h"

#include "core/applicationfolder.h"
#include "liste/divisioninote.h"
#include "liste/errorelista.h"
#include "liste/fonemiespeak.h"
#include "liste/lettorelista.h"
#include "liste/sillabazione.h"
#include "liste/tipofilelista.h"
#include "liste/verificatore.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A line for the terminal. List contents and file names are the teacher's, or anyone's: an escape
// sequence in them would retitle or clear the terminal, a direction mark reverse what it shows.
QString riga(const QString &testo) {
    return testoLeggibile(testo) + QLatin1Char('\n');
}

} // namespace

void RigaComando::preparaDivisione(const QString &cartellaGioco, const QString &cartellaUtente) {
    static FonemiEspeak pronuncia;
    static DivisioniNote note;
    for (const TipoFileLista &tipo : TipoFileLista::tutti()) {
        const int sillabe = tipo.sillabePerParola();
        const RisultatoLettura lista =
            leggiListaParole(percorsoDati(cartellaGioco, {CartelleDati::Liste,
                                                          tipo.nomeFile(QStringLiteral("TUTTE"))}),
                             sillabe);
        for (int riga = 1; riga <= lista.tabella.numeroRighe(); ++riga) {
            QStringList parola;
            for (int colonna = 1; colonna <= sillabe; ++colonna)
                parola << lista.tabella(riga, colonna);
            note.aggiungi(parola);
        }
    }
    if (!cartellaUtente.isEmpty())
        note.caricaConfermate(DivisioniNote::percorsoConfermate(cartellaUtente));
    Sillabazione::usaPronuncia(&pronuncia);
    Sillabazione::usaDivisioniNote(&note);
}

bool RigaComando::senzaFinestra(const QStringList &argomenti) {
    // Qt's own options ("-platform", "-style") start with one dash and go to the window.
    const QString primo = argomenti.value(0);
    return primo.startsWith(QLatin1String("--")) || primo == QLatin1String("-h");
}

QString RigaComando::uso() {
    return QStringLiteral(
        "Uso:\n"
        "  zampirolo2-liste                     apre l'editor delle liste\n"
        "  zampirolo2-liste --verifica [CARTELLA]\n"
        "                                       controlla liste e figure\n"
        "  zampirolo2-liste --sillaba PAROLA...  divide le parole in sillabe\n"
        "\n"
        "Un \"?\" nella divisione (pa?u-sa) segna un punto dove non sono sicuro:\n"
        "l'italiano ammette due divisioni, o la pronuncia non lo dice. Controlla\n"
        "la parola nell'editor: quando la aggiungi, la tua divisione vale da\n"
        "allora in poi.\n");
}

int RigaComando::esegui(const QStringList &argomenti, const QString &cartellaGioco,
                        const QString &cartellaUtente, QTextStream &uscita, QTextStream &errori) {
    const QString comando = argomenti.value(0);
    if (comando == QLatin1String("--verifica"))
        return verifica(argomenti.mid(1), cartellaGioco, cartellaUtente, uscita, errori);
    if (comando == QLatin1String("--sillaba"))
        return sillaba(argomenti.mid(1), uscita, errori);
    if (comando == QLatin1String("--help") || comando == QLatin1String("-h")) {
        uscita << uso();
        return 0;
    }
    errori << riga(QStringLiteral("Opzione sconosciuta: %1").arg(comando)) << uso();
    return 2;
}

int RigaComando::verifica(const QStringList &argomenti, const QString &cartellaGioco,
                          const QString &cartellaUtente, QTextStream &uscita, QTextStream &errori) {
    if (argomenti.size() > 1) {
        errori << QStringLiteral("--verifica controlla una cartella sola.\n") << uso();
        return 2;
    }
    // A folder named on the command line is checked as it is; without one, what the game
    // reads: the teacher's own files over the bundled ones.
    const bool scelta = !argomenti.isEmpty();
    const QString cartella = QDir(scelta ? argomenti.first() : cartellaGioco).absolutePath();
    const QString liste = percorsoDati(cartella, {CartelleDati::Liste});
    if (!QFileInfo(liste).isDir()) {
        errori << riga(QStringLiteral("Nella cartella %1 non ci sono le liste del gioco (manca "
                                      "la cartella %2).")
                           .arg(QDir::toNativeSeparators(cartella), CartelleDati::Liste));
        return 2;
    }
    const RisolutoreDati dati(cartella, scelta ? QString() : cartellaUtente);
    if (!dati.cartellaUtente().isEmpty() && QFileInfo(dati.cartellaUtente()).isDir())
        uscita << riga(QStringLiteral("Con i file dell'insegnante in %1")
                           .arg(QDir::toNativeSeparators(dati.cartellaUtente())));

    const Verificatore::Esito esito = Verificatore(dati).verifica();
    for (const ProblemaVerifica &p : esito.problemi)
        uscita << riga(p.riga(cartella));
    uscita << riga(esito.riepilogo());
    return esito.certi() == 0 ? 0 : 1;
}

int RigaComando::sillaba(const QStringList &parole, QTextStream &uscita, QTextStream &errori) {
    if (parole.isEmpty()) {
        errori << QStringLiteral("--sillaba vuole almeno una parola.\n") << uso();
        return 2;
    }
    bool incerte = false, rifiutate = false;
    for (const QString &scritta : parole) {
        // A word given divided ("ca-sa") is divided again, to be compared.
        const QString parola =
            scritta.normalized(QString::NormalizationForm_C).remove(QLatin1Char('-'));
        if (const QString motivo = Sillabazione::motivoRifiuto(parola); !motivo.isEmpty()) {
            errori << QStringLiteral("\"%1\": %2\n").arg(scritta, motivo);
            rifiutate = true;
            continue;
        }
        const Divisione d = Sillabazione::sillaba(parola);
        incerte = incerte || d.incerta;
        uscita << Sillabazione::testo(d) << '\n';
    }
    if (incerte)
        uscita << QStringLiteral("(\"?\": qui la divisione è incerta, controllala; "
                                 "zampirolo2-liste --help spiega)\n");
    return rifiutate ? 1 : 0;
}
