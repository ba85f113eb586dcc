#include "core/modulo1.h"

#include "core/finestremessaggio.h"
#include "core/guardiacopiaunica.h"
#include "core/orologio.h"
#include "core/servizi.h"
#include "core/sorgentecasuale.h"

#include <QStringList>
#include <cmath>

namespace Modulo1 {

bool SuoniAttivi = false;
bool CaratteriGrandi = false;
qint16 NumeroParole = 0;
qint16 ContaEsatti = 0;
qint16 ContaErrati = 0;
QString ElencoListe[RigheElencoListe][ColonneElencoListe];
qint16 ListaScelta = 0;
float Posizione1 = 0, Posizione2 = 0, Posizione3 = 0, Posizione4 = 0;
float Posizione5 = 0, Posizione6 = 0, Posizione7 = 0, Posizione8 = 0;
qint16 Posizione9 = 0;
double LarghezzaPosizioni = 0;
std::shared_ptr<clsResize> Ridimensiona;

namespace {

float *posizioniDecimali[] = {&Posizione1, &Posizione2, &Posizione3, &Posizione4,
                              &Posizione5, &Posizione6, &Posizione7, &Posizione8};

} // namespace

double Posizione(int p) {
    Q_ASSERT(p >= 1 && p <= 9);
    return p == 9 ? double(Posizione9) : double(*posizioniDecimali[p - 1]);
}

void ImpostaPosizione(int p, double valore) {
    Q_ASSERT(p >= 1 && p <= 9);
    if (p == 9)
        Posizione9 = qint16(std::nearbyint(valore)); // halves go to the even neighbour
    else
        *posizioniDecimali[p - 1] = float(valore);
}

void RiempiElencoListe() {
    static const char *const catalogo[NumeroListe][2] = {
        {"TUTTE", "TUTTE"},       {"BA BE BI BO BU", "ba"}, {"CA CE CI CO CU", "ca"},
        {"DA DE DI DO DU", "da"}, {"FA FE FI FO FU", "fa"}, {"GA GE GI GO GU", "ga"},
        {"LA LE LI LO LU", "la"}, {"MA ME MI MO MU", "ma"}, {"NA NE NI NO NU", "na"},
        {"PA PE PI PO PU", "pa"}, {"RA RE RI RO RU", "ra"}, {"SA SE SI SO SU", "sa"},
        {"TA TE TI TO TU", "ta"}, {"VA VE VI VO VU", "va"}, {"ZA ZE ZI ZO ZU", "za"},
        {"QU & CQU", "cq&qu"},    {"LE VOCALI", "vocali"},
    };
    for (int riga = 0; riga < NumeroListe; ++riga) {
        ElencoListe[riga][ColonnaCaption] = QString::fromLatin1(catalogo[riga][0]);
        ElencoListe[riga][ColonnaCodice] = QString::fromLatin1(catalogo[riga][1]);
    }
}

QString TestoInformazioni() {
    const QStringList righe = {
        QStringLiteral("Programma: scritto dagli sviluppatori di Zampirolo 2"),
        QStringLiteral("Sito: nessuno; il programma si presenta nel file README.md"),
        QStringLiteral("Posta: nessun indirizzo; fonti e licenze nel file CREDITS.md"),
        QStringLiteral("--------------------------------------------------"),
        QStringLiteral("Archivi di parole e immagini: preparati per Zampirolo 2"),
        QStringLiteral("Disegni: emoji Fluent di Microsoft, con licenza MIT"),
        QStringLiteral("Fonti e licenze: file CREDITS.md nella cartella dei dati"),
    };
    return righe.join(QStringLiteral("\r\n"));
}

void MostraInformazioni() {
    mostraMessaggio(TestoInformazioni(), IconaMessaggio::Informazione);
}

void ConfermaUscita() {
    if (chiediSiNo(QStringLiteral("Vuoi uscire dal programma?")))
        servizi().terminaProgramma();
}

bool Main(GuardiaCopiaUnica &guardia, const std::function<void()> &mostraFormAvvio) {
    if (!guardia.acquisisci()) {
        Messaggio messaggio;
        messaggio.titolo = QStringLiteral("Error");
        messaggio.testo = QStringLiteral("E' già stata avviata una copia di questo programma!");
        messaggio.icona = IconaMessaggio::Critica;
        messaggio.pulsanti = {Pulsante::Ok};
        servizi().messaggi->mostra(messaggio);
        return false;
    }
    SuoniAttivi = true;
    servizi().casuale->semina(servizi().orologio->istante());
    RiempiElencoListe();
    ListaScelta = 0;
    mostraFormAvvio();
    return true;
}

void Reimposta() {
    SuoniAttivi = false;
    CaratteriGrandi = false;
    NumeroParole = 0;
    ContaEsatti = 0;
    ContaErrati = 0;
    for (auto &riga : ElencoListe) {
        for (QString &cella : riga)
            cella.clear();
    }
    ListaScelta = 0;
    for (float *posizione : posizioniDecimali)
        *posizione = 0;
    Posizione9 = 0;
    LarghezzaPosizioni = 0;
    Ridimensiona.reset();
}

} // namespace Modulo1
