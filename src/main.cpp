#include "core/applicationfolder.h"
#include "core/applicazione.h"
#include "core/finestremessaggio.h"
#include "core/guardiacopiaunica.h"
#include "core/modulo1.h"
#include "core/modulocolorisuoni.h"
#include "core/orologio.h"
#include "core/riproduttoresuoni.h"
#include "core/servizi.h"
#include "core/sorgentecasuale.h"
#include "screens/formavvio.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
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
    s.terminaProgramma = [] {
        QApplication::exit(0);
    };

    QStringList suoniFeedback;
    for (const char *nome : {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"})
        suoniFeedback << ModuloColoriSuoni::PercorsoSuono(QString::fromLatin1(nome));
    RiproduttoreSoundEffect suoni(suoniFeedback, RiproduttoreSoundEffect::rilevaAudio());
    s.suoni = &suoni;

    GuardiaCopiaUnica guardia;
    if (!Modulo1::Main(guardia, [] { FormAvvio::mostra(); }))
        return 0;
    return QApplication::exec();
}
