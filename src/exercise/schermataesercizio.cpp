#include "exercise/schermataesercizio.h"

#include "core/messageboxes.h"
#include "core/modulo1.h"
#include "core/modulocolorisuoni.h"
#include "core/services.h"
#include "exercise/figureparole.h"
#include "exercise/trascinamento.h"
#include "screens/formmenu.h"
#include "ui/immagine.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>

namespace {

using Proprieta = ControlloRidimensionabile::Proprieta;

const QString BottoneAvanti = QStringLiteral("BottoneAvanti");
const QString EtichettaEsatti = QStringLiteral("EtichettaEsatti");
const QString EtichettaErrati = QStringLiteral("EtichettaErrati");
const QString Image1 = QStringLiteral("Image1");

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
    , m_esercizio(configurazione) {
    m_trascinamento = new TrascinamentoTessere(superficie());
    for (int t = 0; t < m_configurazione.tessere.size(); ++t)
        m_trascinamento->aggiungiTessera(tessera(t));
    for (const ArrayCaselle &caselle : m_configurazione.caselle) {
        for (int membro : indici(caselle.nome))
            m_trascinamento->aggiungiBersaglio(controllo(caselle.nome, membro));
    }
    m_trascinamento->osservaSuperficie();
    connect(m_trascinamento, &TrascinamentoTessere::rilasciata, this,
            &SchermataEsercizio::rilasciata);

    connect(controllo<QAbstractButton>(BottoneAvanti), &QAbstractButton::clicked, this,
            &SchermataEsercizio::BottoneAvanti_Click);
    collegaMenu(QStringLiteral("mnuAzzera"), &SchermataEsercizio::mnuAzzera_Click);
    collegaMenu(QStringLiteral("mnufacile"), &SchermataEsercizio::mnufacile_Click);
    collegaMenu(QStringLiteral("mnudifficile"), &SchermataEsercizio::mnudifficile_Click);
    collegaMenu(QStringLiteral("mnuMaiuscolo"), &SchermataEsercizio::mnuMaiuscolo_Click);
    collegaMenu(QStringLiteral("mnuMinuscolo"), &SchermataEsercizio::mnuMinuscolo_Click);
    collegaMenu(configurazione.nomeInformazioni, &SchermataEsercizio::mnuInformazio_Click);
    collegaMenu(QStringLiteral("mnuEsci"), &SchermataEsercizio::mnuEsci_Click);
}

void SchermataEsercizio::collegaMenu(const QString &nome, void (SchermataEsercizio::*gestore)()) {
    connect(voceMenu(nome), &QAction::triggered, this, gestore);
}

QWidget *SchermataEsercizio::tessera(int t) const {
    const RiferimentoControllo &r = m_configurazione.tessere.at(t).controllo;
    return controllo(r.nome, r.indice);
}

QLabel *SchermataEsercizio::etichetta(const QString &nome, int indice) const {
    return controllo<QLabel>(nome, indice);
}

void SchermataEsercizio::onLoad() {
    preparaRidimensionamento();
    if (!caricaLista(Difficolta::Facile, QStringLiteral("Scegli un'altra lista nel menù."))) {
        rifiutaApertura();
        return;
    }
    Modulo1::ContaEsatti = 0;
    Modulo1::ContaErrati = 0;
    etichetta(EtichettaErrati)->setText(QStringLiteral("0"));
    etichetta(EtichettaEsatti)->setText(QStringLiteral("0"));
    m_maiuscolo = true;
    GeneraEsercizio();
}

void SchermataEsercizio::onActivate() {
    copriSchermo();
    for (int t = 0; t < m_configurazione.tessere.size(); ++t)
        Modulo1::ImpostaPosizione(t + 1, leggiTwips(tessera(t), Proprieta::Left));
    Modulo1::LarghezzaPosizioni = larghezzaCliente();
}

void SchermataEsercizio::onResize() {
    // The resizer puts every control back in its place, so a tile in flight is let go first.
    if (m_trascinamento)
        m_trascinamento->annulla();
    Finestra::onResize();
}

bool SchermataEsercizio::caricaLista(Difficolta difficolta, const QString &seguito) {
    const bool facile = difficolta == Difficolta::Facile;
    const QString suffisso =
        facile ? m_configurazione.suffissoFacile : m_configurazione.suffissoDifficile;
    const qint16 numeroPrecedente = Modulo1::NumeroParole;
    TabellaParole nuova(m_configurazione.sillabePerParola);
    QString problema;
    IconaMessaggio icona = IconaMessaggio::Informazione;
    if (const auto errore = CaricaParole(nuova, suffisso)) {
        problema = errore->descrizione();
        icona = IconaMessaggio::Critica;
    } else if (!m_esercizio.bastanoParole(nuova)) {
        Modulo1::NumeroParole = numeroPrecedente;
        problema = QStringLiteral("Per ogni esercizio servono almeno %1 parole diverse, ma la "
                                  "lista %2.")
                       .arg(m_configurazione.paroleNellEsercizio)
                       .arg(quanteParole(nuova.numeroRighe()));
    } else {
        m_esercizio.sostituisciParole(std::move(nuova));
        return true;
    }

    Messaggio messaggio;
    messaggio.titolo = QStringLiteral("Zampirolo 2");
    messaggio.testo = QStringLiteral("Non posso usare la lista \"%1\" (%2) per le %3.\n\n%4\n\n%5")
                          .arg(Modulo1::ElencoListe[Modulo1::ListaScelta][Modulo1::ColonnaCaption],
                               facile ? QStringLiteral("facile") : QStringLiteral("difficile"),
                               m_configurazione.descrizione, problema, seguito);
    messaggio.icona = icona;
    servizi().messaggi->mostra(messaggio);
    return false;
}

void SchermataEsercizio::GeneraEsercizio() {
    m_trascinamento->annulla();
    // SillabeGiuste goes back to 0 with the new choice of words below.
    for (const RiferimentoControllo &r : m_configurazione.daSvuotare)
        scriviCaption(controllo(r.nome, r.indice), QString());

    SorgenteCasuale &casuale = *servizi().casuale;
    m_esercizio.scegliParole(casuale, Modulo1::NumeroParole);

    for (int k = 0; k < m_configurazione.paroleNellEsercizio; ++k) {
        const QString parola = m_esercizio.parole().parola(m_esercizio.IndiceParola(k + 1));
        controllo<Immagine>(Image1, k)->setSorgente(sorgenteFiguraParola(parola));
    }

    const int x = numeroDisposizione(casuale);
    const double larghezza = larghezzaCliente();
    for (int t = 0; t < m_configurazione.tessere.size(); ++t) {
        QWidget *controlloTessera = tessera(t);
        const double posizione = Modulo1::Posizione((*m_configurazione.disposizioni)[x][t]);
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
    for (const ArrayCaselle &caselle : m_configurazione.caselle) {
        for (int membro : indici(caselle.nome)) {
            if (controllo(caselle.nome, membro) == bersaglio) {
                giudicaRilascio(caselle.colonna, membro, bersaglio, tessera);
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
    controllo(QStringLiteral("ComandoIconaSi"))->setVisible(giusto);
    controllo(QStringLiteral("ComandoIconaNo"))->setVisible(!giusto);
}

void SchermataEsercizio::aggiornaContatori() {
    etichetta(EtichettaEsatti)->setText(QString::number(Modulo1::ContaEsatti));
    etichetta(EtichettaErrati)->setText(QString::number(Modulo1::ContaErrati));
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
    QAction *facile = voceMenu(QStringLiteral("mnufacile"));
    QAction *difficile = voceMenu(QStringLiteral("mnudifficile"));
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
    voceMenu(QStringLiteral("mnuMinuscolo"))->setChecked(!maiuscolo);
    voceMenu(QStringLiteral("mnuMaiuscolo"))->setChecked(maiuscolo);
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
    Messaggio messaggio;
    messaggio.titolo = QStringLiteral("Zampirolo 2");
    messaggio.testo = QStringLiteral("Vuoi tornare al menù?");
    messaggio.icona = IconaMessaggio::Domanda;
    messaggio.pulsanti = {Pulsante::Si, Pulsante::No};
    messaggio.predefinito = Pulsante::Si;
    if (servizi().messaggi->mostra(messaggio) != Pulsante::Si)
        return;
    Modulo1::ContaEsatti = 0;
    Modulo1::ContaErrati = 0;
    FormMenu::mostra();
    close();
}

SchermataEsercizio *mostraDISEGNI1() {
    return static_cast<SchermataEsercizio *>(Finestra::mostra(QStringLiteral("DISEGNI1"), [] {
        return new SchermataEsercizio(configurazioneDISEGNI1());
    }));
}

SchermataEsercizio *mostraDISEGNI2() {
    return static_cast<SchermataEsercizio *>(Finestra::mostra(QStringLiteral("DISEGNI2"), [] {
        return new SchermataEsercizio(configurazioneDISEGNI2());
    }));
}
