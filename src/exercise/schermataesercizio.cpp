#include "exercise/schermataesercizio.h"

#include "core/finestremessaggio.h"
#include "core/modulo1.h"
#include "core/modulocolorisuoni.h"
#include "core/servizi.h"
#include "exercise/figureparole.h"
#include "exercise/trascinamentotessere.h"
#include "liste/lettorelista.h"
#include "ui/caption.h"
#include "ui/immagine.h"
#include "ui/registrofinestre.h"
#include "ui/twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>

namespace {

using Proprieta = ControlloRidimensionabile::Proprieta;
using namespace NomiEsercizi;

QString quanteParole(int numero) {
    if (numero == 0)
        return QStringLiteral("non ne ha nessuna");
    if (numero == 1)
        return QStringLiteral("ne ha solo una");
    return QStringLiteral("ne ha solo %1").arg(numero);
}

} // namespace

SchermataEsercizio::SchermataEsercizio(const ConfigurazioneEsercizio &configurazione)
    : Finestra(configurazione.layout())
    , m_configurazione(configurazione)
    , m_esercizio(configurazione.regole) {
    m_trascinamento = new TrascinamentoTessere(superficie());
    for (int t = 0; t < m_configurazione.tessere.size(); ++t)
        m_trascinamento->aggiungiTessera(tessera(t));
    for (NomeControllo caselle : m_configurazione.caselle) {
        for (int membro : indici(caselle))
            m_trascinamento->aggiungiBersaglio(controllo(caselle, membro));
    }
    m_trascinamento->osservaSuperficie();
    connect(m_trascinamento, &TrascinamentoTessere::rilasciata, this,
            &SchermataEsercizio::rilasciata);

    connect(controllo<QAbstractButton>(BottoneAvanti), &QAbstractButton::clicked, this,
            &SchermataEsercizio::BottoneAvanti_Click);
    collegaMenu(mnuAzzera, &SchermataEsercizio::mnuAzzera_Click);
    collegaMenu(mnufacile, &SchermataEsercizio::mnufacile_Click);
    collegaMenu(mnudifficile, &SchermataEsercizio::mnudifficile_Click);
    collegaMenu(mnuMaiuscolo, &SchermataEsercizio::mnuMaiuscolo_Click);
    collegaMenu(mnuMinuscolo, &SchermataEsercizio::mnuMinuscolo_Click);
    collegaMenu(configurazione.nomeInformazioni, &SchermataEsercizio::mnuInformazio_Click);
    collegaMenu(mnuEsci, &SchermataEsercizio::mnuEsci_Click);
}

void SchermataEsercizio::collegaMenu(NomeControllo nome, void (SchermataEsercizio::*gestore)()) {
    connect(voceMenu(nome), &QAction::triggered, this, gestore);
}

QWidget *SchermataEsercizio::tessera(int t) const {
    const RiferimentoControllo &r = m_configurazione.tessere.at(t);
    return controllo(r.nome, r.indice);
}

void SchermataEsercizio::onLoad() {
    preparaRidimensionamento();
    if (!caricaLista(Difficolta::Facile, QStringLiteral("Scegli un'altra lista nel menù."))) {
        rifiutaApertura();
        return;
    }
    Modulo1::ContaEsatti = 0;
    Modulo1::ContaErrati = 0;
    aggiornaContatori();
    m_maiuscolo = true;
    GeneraEsercizio();
}

void SchermataEsercizio::onActivate() {
    copriSchermo();
    for (int t = 0; t < m_configurazione.tessere.size(); ++t)
        Modulo1::ImpostaPosizione(t + 1, leggiTwips(tessera(t), Proprieta::Left));
    Modulo1::LarghezzaPosizioni = ridimensionabile().larghezzaCliente();
}

void SchermataEsercizio::onResize() {
    // The resizer puts every control back in its place, so a tile in flight is let go first.
    if (m_trascinamento)
        m_trascinamento->annulla();
    Finestra::onResize();
}

bool SchermataEsercizio::caricaLista(Difficolta difficolta, const QString &seguito) {
    const RegoleEsercizio &regole = m_configurazione.regole;
    const bool facile = difficolta == Difficolta::Facile;
    const QString codice = Modulo1::ElencoListe[Modulo1::ListaScelta][Modulo1::ColonnaCodice];
    const QString percorso =
        percorsoListaParole(servizi().cartellaApplicazione, codice,
                            facile ? regole.suffissoFacile : regole.suffissoDifficile);
    RisultatoLettura letto = leggiListaParole(percorso, regole.sillabePerParola);
    if (!letto.errore && m_esercizio.bastanoParole(letto.tabella)) {
        m_esercizio.sostituisciParole(std::move(letto.tabella));
        return true;
    }

    const QString problema =
        letto.errore ? letto.errore->descrizione()
                     : QStringLiteral("Per ogni esercizio servono almeno %1 parole diverse, ma la "
                                      "lista %2.")
                           .arg(regole.paroleNellEsercizio)
                           .arg(quanteParole(letto.tabella.numeroRighe()));
    mostraMessaggio(QStringLiteral("Non posso usare la lista \"%1\" (%2) per le %3.\n\n%4\n\n%5")
                        .arg(Modulo1::ElencoListe[Modulo1::ListaScelta][Modulo1::ColonnaCaption],
                             facile ? QStringLiteral("facile") : QStringLiteral("difficile"),
                             m_configurazione.descrizione, problema, seguito),
                    letto.errore ? IconaMessaggio::Critica : IconaMessaggio::Informazione);
    return false;
}

void SchermataEsercizio::GeneraEsercizio() {
    m_trascinamento->annulla();
    // SillabeGiuste goes back to 0 with the new choice of words below.
    for (NomeControllo caselle : m_configurazione.caselle) {
        for (int membro = 0; membro < m_configurazione.regole.paroleNellEsercizio; ++membro)
            scriviCaption(controllo(caselle, membro), QString());
    }

    SorgenteCasuale &casuale = *servizi().casuale;
    m_esercizio.scegliParole(casuale);

    for (int k = 0; k < m_configurazione.regole.paroleNellEsercizio; ++k) {
        const QString parola = m_esercizio.parole().parola(m_esercizio.IndiceParola(k + 1));
        controllo<Immagine>(Image1, k)->setPicture(caricaFiguraParola(parola));
    }

    const int x = numeroDisposizione(casuale);
    const double larghezza = ridimensionabile().larghezzaCliente();
    for (int t = 0; t < m_configurazione.tessere.size(); ++t) {
        QWidget *controlloTessera = tessera(t);
        const double posizione = Modulo1::Posizione((*m_configurazione.regole.disposizioni)[x][t]);
        scriviTwips(controlloTessera, Proprieta::Left,
                    posizioneAllaScala(posizione, Modulo1::LarghezzaPosizioni, larghezza,
                                       leggiTwips(controlloTessera, Proprieta::Width)));
    }

    for (int t = 0; t < m_configurazione.tessere.size(); ++t)
        tessera(t)->setEnabled(true);

    if (m_maiuscolo)
        ScriviMaiuscolo();
    else
        ScriviMinuscolo();
}

void SchermataEsercizio::ScriviMaiuscolo() {
    scriviTessere(true);
}

void SchermataEsercizio::ScriviMinuscolo() {
    scriviTessere(false);
}

void SchermataEsercizio::scriviTessere(bool maiuscole) {
    for (int t = 0; t < m_configurazione.tessere.size(); ++t) {
        const QString sillaba = m_esercizio.sillabaTessera(t);
        scriviCaption(tessera(t), maiuscole ? sillaba.toUpper() : sillaba.toLower());
    }
}

void SchermataEsercizio::rilasciata(QWidget *tessera, QWidget *bersaglio) {
    for (int colonna = 1; colonna <= m_configurazione.caselle.size(); ++colonna) {
        const NomeControllo caselle = m_configurazione.caselle[colonna - 1];
        for (int membro : indici(caselle)) {
            if (controllo(caselle, membro) == bersaglio) {
                giudicaRilascio(colonna, membro, bersaglio, tessera);
                return;
            }
        }
    }
}

void SchermataEsercizio::giudicaRilascio(int colonna, int membro, QWidget *casella,
                                         QWidget *tessera) {
    const QString data = leggiCaption(tessera);
    if (sillabaGiusta(m_esercizio.sillabaAttesa(colonna, membro), data)) {
        ModuloColoriSuoni::SuonoGiusto();
        scriviCaption(casella, data);
        scriviCaption(tessera, QString());
        tessera->setEnabled(false);
        const bool completato = m_esercizio.contaGiusta();
        mostraVerdetto(true);
        contaUnaRisposta(Modulo1::ContaEsatti);
        aggiornaContatori();
        if (completato)
            controllo(BottoneAvanti)->setEnabled(true);
    } else {
        ModuloColoriSuoni::SuonoSbagliato();
        contaUnaRisposta(Modulo1::ContaErrati);
        aggiornaContatori();
        mostraVerdetto(false);
    }
}

void SchermataEsercizio::mostraVerdetto(bool giusto) {
    controllo(ComandoIconaSi)->setVisible(giusto);
    controllo(ComandoIconaNo)->setVisible(!giusto);
}

void SchermataEsercizio::aggiornaContatori() {
    scriviCaption(controllo(EtichettaEsatti), QString::number(Modulo1::ContaEsatti));
    scriviCaption(controllo(EtichettaErrati), QString::number(Modulo1::ContaErrati));
}

void SchermataEsercizio::BottoneAvanti_Click() {
    GeneraEsercizio();
    controllo(BottoneAvanti)->setEnabled(false);
}

void SchermataEsercizio::mnuAzzera_Click() {
    Modulo1::ContaEsatti = 0;
    Modulo1::ContaErrati = 0;
    aggiornaContatori();
}

void SchermataEsercizio::scegliDifficolta(Difficolta difficolta) {
    QAction *facile = voceMenu(mnufacile);
    QAction *difficile = voceMenu(mnudifficile);
    const bool eraFacile = m_difficolta == Difficolta::Facile;
    facile->setChecked(difficolta == Difficolta::Facile);
    difficile->setChecked(difficolta == Difficolta::Difficile);
    if (!caricaLista(difficolta, QStringLiteral("L'esercizio continua con le parole di prima."))) {
        facile->setChecked(eraFacile);
        difficile->setChecked(!eraFacile);
        return;
    }
    m_difficolta = difficolta;
    GeneraEsercizio();
}

void SchermataEsercizio::mnufacile_Click() {
    scegliDifficolta(Difficolta::Facile);
}

void SchermataEsercizio::mnudifficile_Click() {
    scegliDifficolta(Difficolta::Difficile);
}

void SchermataEsercizio::scegliCaratteri(bool maiuscolo) {
    m_maiuscolo = maiuscolo;
    voceMenu(mnuMinuscolo)->setChecked(!maiuscolo);
    voceMenu(mnuMaiuscolo)->setChecked(maiuscolo);
    GeneraEsercizio();
    if (maiuscolo)
        ScriviMaiuscolo();
    else
        ScriviMinuscolo();
}

void SchermataEsercizio::mnuMaiuscolo_Click() {
    scegliCaratteri(true);
}

void SchermataEsercizio::mnuMinuscolo_Click() {
    scegliCaratteri(false);
}

void SchermataEsercizio::mnuInformazio_Click() {
    Modulo1::MostraInformazioni();
}

void SchermataEsercizio::mnuEsci_Click() {
    m_trascinamento->annulla();
    if (!chiediSiNo(QStringLiteral("Vuoi tornare al menù?"), Pulsante::Si))
        return;
    Modulo1::ContaEsatti = 0;
    Modulo1::ContaErrati = 0;
    RegistroFinestre::mostra(NomiFinestre::FormMenu);
    close();
}

SchermataEsercizio *mostraDISEGNI1() {
    return static_cast<SchermataEsercizio *>(RegistroFinestre::mostra(
        NomiFinestre::DISEGNI1, [] { return new SchermataEsercizio(configurazioneDISEGNI1()); }));
}

SchermataEsercizio *mostraDISEGNI2() {
    return static_cast<SchermataEsercizio *>(RegistroFinestre::mostra(
        NomiFinestre::DISEGNI2, [] { return new SchermataEsercizio(configurazioneDISEGNI2()); }));
}
