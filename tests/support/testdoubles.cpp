#include "support/testdoubles.h"

#include "classe/sessioneclasse.h"
#include "core/modulo1.h"
#include "core/servizi.h"

Pulsante MessaggiCopione::mostra(const Messaggio &messaggio) {
    mostrati.append(messaggio);
    if (!risposte.isEmpty())
        return risposte.dequeue();
    ++senzaRisposta;
    if (messaggio.predefinito != Pulsante::Nessuno)
        return messaggio.predefinito;
    return messaggio.pulsanti.isEmpty() ? Pulsante::Nessuno : messaggio.pulsanti.first();
}

AmbienteDiProva::AmbienteDiProva(const QString &cartellaApplicazione, quint64 seme)
    : casuale(seme) {
    Modulo1::Reimposta();
    SessioneClasse::reimposta();
    Servizi &s = servizi();
    s.casuale = &casuale;
    s.orologio = &orologio;
    s.suoni = &suoni;
    s.messaggi = &messaggi;
    s.cartellaApplicazione = cartellaApplicazione.isEmpty()
                                 ? QStringLiteral(ZAMPIROLO_FIXTURES "/app")
                                 : cartellaApplicazione;
    s.terminaProgramma = [this] {
        ++terminazioni;
    };
}

AmbienteDiProva::~AmbienteDiProva() {
    SessioneClasse::reimposta();
    Modulo1::Reimposta();
    servizi() = Servizi();
}
