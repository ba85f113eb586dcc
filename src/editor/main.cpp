#include "classe/impostazioniclasse.h"
#include "core/applicationfolder.h"
#include "core/applicazione.h"
#include "core/finestremessaggio.h"
#include "core/risolutoredati.h"
#include "core/servizi.h"
#include "editor/finestraeditor.h"
#include "editor/rigacomando.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QTextStream>
#include <cstdio>

int main(int argc, char *argv[]) {
    QStringList argomenti;
    for (int i = 1; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);

    if (RigaComando::senzaFinestra(argomenti)) {
        // No display is needed to check lists: the packaging check runs this on a bare machine.
        QCoreApplication app(argc, argv);
        // The reader's own warnings would repeat, less tidily, what the check prints.
        QLoggingCategory::setFilterRules(
            QStringLiteral("zampirolo.dati.warning=false\nzampirolo.*.debug=false"));
        QTextStream uscita(stdout);
        QTextStream errori(stderr);
        const QString cartellaGioco =
            trovaCartellaApplicazione(QCoreApplication::applicationDirPath());
        RigaComando::preparaDivisione(cartellaGioco, RisolutoreDati::cartellaUtenteStandard());
        return RigaComando::esegui(argomenti, cartellaGioco,
                                   RisolutoreDati::cartellaUtenteStandard(), uscita, errori);
    }

    QApplication app(argc, argv);
    preparaApplicazione(app, {QStringLiteral("Zampirolo 2 liste"),
                              QStringLiteral("io.github.zampirolo2.liste"),
                              QStringLiteral("zampirolo2-liste")});
    RigaComando::preparaDivisione(trovaCartellaApplicazione(QApplication::applicationDirPath()),
                                  RisolutoreDati::cartellaUtenteStandard());
    FinestreMessaggioQt messaggi;
    servizi().messaggi = &messaggi;
    FinestraEditor finestra(
        RisolutoreDati(trovaCartellaApplicazione(QApplication::applicationDirPath()),
                       RisolutoreDati::cartellaUtenteStandard(), cartellaClasseImpostata()));
    if (!finestra.bloccaCartella())
        return 0;
    finestra.show();
    return QApplication::exec();
}
