#include "avvio.h"

#include "classe/impostazioniclasse.h"
#include "classe/sessioneclasse.h"
#include "core/applicationfolder.h"
#include "core/applicazione.h"
#include "core/finestremessaggio.h"
#include "core/guardiacopiaunica.h"
#include "core/modulo1.h"
#include "core/modulocolorisuoni.h"
#include "core/orologio.h"
#include "core/servizi.h"
#include "core/sorgentecasuale.h"
#include "core/suonidifferiti.h"
#include "screens/formavvio.h"

#include <QApplication>
#include <QIcon>

int eseguiProgramma(QApplication &app) {
    preparaApplicazione(app, {TitoloProgramma, QStringLiteral("io.github.zampirolo2.zampirolo2"),
                              QStringLiteral("zampirolo2")});

    SorgenteMersenne casuale;
    OrologioDiSistema orologio;
    FinestreMessaggioQt messaggi;
    Servizi &s = servizi();
    s.casuale = &casuale;
    s.orologio = &orologio;
    s.messaggi = &messaggi;
    s.cartellaApplicazione = trovaCartellaApplicazione(QApplication::applicationDirPath());
    s.cartellaUtente = RisolutoreDati::cartellaUtenteStandard();
    s.cartellaClasse = cartellaClasseImpostata();
    s.terminaProgramma = [] {
        QApplication::exit(0);
    };

    QStringList suoniFeedback;
    for (const char *nome : {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"})
        suoniFeedback << ModuloColoriSuoni::PercorsoSuono(QString::fromLatin1(nome));
    SuoniDifferiti suoni(suoniFeedback);
    s.suoni = &suoni;
    VoceDifferita voce;
    s.voce = &voce;

    GuardiaCopiaUnica guardia;
    const auto mostraFormAvvio = [] {
        // The start screen shows its own icon, but its native window is made with the
        // program's, which would have all eight sizes decoded before the first frame.
        const QIcon icona = QApplication::windowIcon();
        QApplication::setWindowIcon(QIcon());
        FormAvvio::mostra();
        QApplication::setWindowIcon(icona);
    };
    if (!Modulo1::Main(guardia, mostraFormAvvio))
        return 0;
    const int esito = QApplication::exec();
    // The child's last events are still being written.
    SessioneClasse::reimposta();
    return esito;
}
