#include "exercise/schermataesercizio.h"

#include "classe/sessioneclasse.h"
#include "core/applicationfolder.h"
#include "core/finestremessaggio.h"
#include "core/modulo1.h"
#include "core/modulocolorisuoni.h"
#include "core/servizi.h"
#include "core/voceparole.h"
#include "exercise/figureparole.h"
#include "exercise/tastieratessere.h"
#include "exercise/trascinamentotessere.h"
#include "liste/lettorelista.h"
#include "ui/caption.h"
#include "ui/caratterigrandi.h"
#include "ui/immagine.h"
#include "ui/registrofinestre.h"
#include "ui/twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QMouseEvent>

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
        m_trascinamento->aggiungiTessera(tessera(t), t);
    for (int colonna = 1; colonna <= m_configurazione.caselle.size(); ++colonna) {
        const NomeControllo caselle = m_configurazione.caselle[colonna - 1];
        for (int membro : indici(caselle))
            m_trascinamento->aggiungiBersaglio(controllo(caselle, membro), {colonna, membro});
    }
    m_trascinamento->osservaSuperficie();
    auto *tastiera = new TastieraTessere(*m_trascinamento, m_esercizio, this,
                                         controllo<QAbstractButton>(BottoneAvanti));
    for (int t = 0; t < m_configurazione.tessere.size(); ++t)
        tastiera->aggiungiTessera(tessera(t));
    for (int colonna = 1; colonna <= m_configurazione.caselle.size(); ++colonna) {
        for (int membro = 0; membro < configurazione.regole.paroleNellEsercizio; ++membro)
            tastiera->aggiungiCasella(controllo(m_configurazione.caselle[colonna - 1], membro),
                                      {colonna, membro});
    }
    connect(m_trascinamento, &TrascinamentoTessere::rilasciata, this,
            &SchermataEsercizio::rilasciata);
    for (int membro : indici(Image1))
        controllo(Image1, membro)->installEventFilter(this);

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

SchermataEsercizio::~SchermataEsercizio() {
    registraFine(EventoGioco::Tipo::Lasciato);
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
    // A list whose easy file cannot fill an exercise still opens, quietly, on its difficult
    // file; only when neither can be used is the child told and kept on the menu.
    RisultatoLettura facile = leggiLista(Livello::Facile);
    if (usabile(facile)) {
        m_esercizio.sostituisciParole(std::move(facile.tabella));
    } else if (RisultatoLettura difficile = leggiLista(Livello::Difficile); usabile(difficile)) {
        m_esercizio.sostituisciParole(std::move(difficile.tabella));
        m_difficolta = Livello::Difficile;
        voceMenu(mnufacile)->setChecked(false);
        voceMenu(mnudifficile)->setChecked(true);
    } else {
        spiegaRifiuto(Livello::Facile, facile, QStringLiteral("Scegli un'altra lista nel menù."));
        rifiutaApertura();
        return;
    }
    aggiornaTitolo();
    Modulo1::ContaEsatti = 0;
    Modulo1::ContaErrati = 0;
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

RisultatoLettura SchermataEsercizio::leggiLista(Livello difficolta) const {
    const RegoleEsercizio &regole = m_configurazione.regole;
    const QString codice = Modulo1::ElencoListe[Modulo1::ListaScelta][Modulo1::ColonnaCodice];
    const QString percorso = servizi().dati().percorso(
        CartelleDati::Liste,
        TipoFileLista::di(regole.sillabePerParola, difficolta).nomeFile(codice));
    return leggiListaParole(percorso, regole.sillabePerParola);
}

bool SchermataEsercizio::usabile(const RisultatoLettura &letto) const {
    return !letto.errore && m_esercizio.bastanoParole(letto.tabella);
}

bool SchermataEsercizio::caricaLista(Livello difficolta, const QString &seguito) {
    RisultatoLettura letto = leggiLista(difficolta);
    if (usabile(letto)) {
        m_esercizio.sostituisciParole(std::move(letto.tabella));
        return true;
    }
    spiegaRifiuto(difficolta, letto, seguito);
    return false;
}

void SchermataEsercizio::spiegaRifiuto(Livello difficolta, const RisultatoLettura &letto,
                                       const QString &seguito) {
    const RegoleEsercizio &regole = m_configurazione.regole;
    QString problema =
        letto.errore ? letto.errore->descrizione()
                     : QStringLiteral("Per ogni esercizio servono almeno %1 parole diverse, ma la "
                                      "lista %2.")
                           .arg(regole.paroleNellEsercizio)
                           .arg(quanteParole(letto.tabella.paroleDiverse()));
    // A teacher counting lines would otherwise find more words than the message says.
    if (!letto.errore && letto.tabella.paroleDiverse() < letto.tabella.numeroRighe())
        problema += QStringLiteral(" Alcune parole sono ripetute: ognuna conta una volta sola.");
    mostraMessaggio(QStringLiteral("Non posso usare la lista \"%1\" (%2) per le %3.\n\n%4\n\n%5")
                        .arg(Modulo1::ElencoListe[Modulo1::ListaScelta][Modulo1::ColonnaCaption],
                             nomeLivello(difficolta), m_configurazione.descrizione, problema,
                             seguito),
                    letto.errore ? IconaMessaggio::Critica : IconaMessaggio::Informazione);
}

void SchermataEsercizio::aggiornaTitolo() {
    // The window manager shows it, so a teacher passing by sees who plays, which list and level.
    const QString bambino = SessioneClasse::bambino();
    setWindowTitle(QStringLiteral("%1 \u2013 %2%3 \u2013 %4")
                       .arg(TitoloProgramma,
                            bambino.isEmpty() ? QString() : bambino + QStringLiteral(" \u2013 "),
                            Modulo1::ElencoListe[Modulo1::ListaScelta][Modulo1::ColonnaCaption],
                            nomeLivello(m_difficolta)));
}

EventoGioco SchermataEsercizio::evento(EventoGioco::Tipo tipo) const {
    EventoGioco e;
    e.tipo = tipo;
    e.tempoMs = QDateTime::currentMSecsSinceEpoch();
    e.lista = Modulo1::ElencoListe[Modulo1::ListaScelta][Modulo1::ColonnaCodice];
    e.livello = nomeLivello(m_difficolta);
    e.sillabe = m_configurazione.regole.sillabePerParola;
    return e;
}

void SchermataEsercizio::registraFine(EventoGioco::Tipo tipo) {
    if (m_inizio < 0)
        return;
    EventoGioco e = evento(tipo);
    e.durataMs = qMax<qint64>(0, e.tempoMs - m_inizio);
    m_inizio = -1;
    SessioneClasse::registra(e);
}

void SchermataEsercizio::GeneraEsercizio() {
    m_trascinamento->annulla();
    registraFine(EventoGioco::Tipo::Lasciato);
    SorgenteCasuale &casuale = *servizi().casuale;
    m_esercizio.scegliParole(casuale);

    for (int k = 0; k < m_configurazione.regole.paroleNellEsercizio; ++k) {
        const QString parola = m_esercizio.parole().parola(m_esercizio.IndiceParola(k + 1));
        controllo<Immagine>(Image1, k)->setSorgente(sorgenteFiguraParola(parola));
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
    mostraStato();
    const EventoGioco inizio = evento(EventoGioco::Tipo::Inizio);
    m_inizio = inizio.tempoMs;
    SessioneClasse::registra(inizio);
}

QString SchermataEsercizio::nelCarattereScelto(const QString &sillaba) const {
    return m_maiuscolo ? sillaba.toUpper() : sillaba.toLower();
}

void SchermataEsercizio::mostraStato() {
    for (int t = 0; t < m_configurazione.tessere.size(); ++t) {
        const bool usata = m_esercizio.tesseraUsata(t);
        const QString testo = usata ? QString() : nelCarattereScelto(m_esercizio.sillabaTessera(t));
        scriviCaption(tessera(t), testo);
        tessera(t)->setEnabled(!usata);
        tessera(t)->setAccessibleDescription(usata ? QStringLiteral("tessera già posata")
                                                   : QStringLiteral("sillaba ") + testo);
    }
    for (int colonna = 1; colonna <= m_configurazione.caselle.size(); ++colonna) {
        for (int membro = 0; membro < m_configurazione.regole.paroleNellEsercizio; ++membro) {
            const int t = m_esercizio.tesseraIn({colonna, membro});
            const QString testo =
                t < 0 ? QString() : nelCarattereScelto(m_esercizio.sillabaTessera(t));
            QWidget *casella = controllo(m_configurazione.caselle[colonna - 1], membro);
            scriviCaption(casella, testo);
            casella->setAccessibleDescription(
                (testo.isEmpty() ? QStringLiteral("casella vuota")
                                 : QStringLiteral("casella con %1").arg(testo)) +
                QStringLiteral(" sotto la figura %1").arg(membro + 1));
        }
    }
    scriviCaption(controllo(EtichettaEsatti), QString::number(Modulo1::ContaEsatti));
    scriviCaption(controllo(EtichettaErrati), QString::number(Modulo1::ContaErrati));
    controllo(BottoneAvanti)->setEnabled(m_avanti);
    adattaCaratteri(*this);
}

bool SchermataEsercizio::parolaCompleta(int membro) const {
    for (int colonna = 1; colonna <= m_configurazione.regole.sillabePerParola; ++colonna) {
        if (m_esercizio.tesseraIn({colonna, membro}) < 0)
            return false;
    }
    return true;
}

QString SchermataEsercizio::parolaDellaFigura(int membro) const {
    return m_esercizio.parole().parola(m_esercizio.IndiceParola(membro + 1));
}

bool SchermataEsercizio::eventFilter(QObject *oggetto, QEvent *evento) {
    // Touching a picture says its word: many children cannot read it yet.
    if (evento->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(evento)->button() == Qt::LeftButton) {
        for (int membro : indici(Image1)) {
            if (oggetto == controllo(Image1, membro))
                pronunciaParola(parolaDellaFigura(membro));
        }
    }
    return Finestra::eventFilter(oggetto, evento);
}

void SchermataEsercizio::rilasciata(int tessera, Casella casella) {
    const bool eraCompleta = parolaCompleta(casella.membro);
    EventoGioco rilascio = evento(EventoGioco::Tipo::Rilascio);
    if (casella.membro < m_configurazione.regole.paroleNellEsercizio)
        rilascio.parola = parolaDellaFigura(casella.membro);
    rilascio.attesa = m_esercizio.sillabaAttesa(casella);
    rilascio.data = m_esercizio.sillabaTessera(tessera);
    rilascio.ingresso = m_trascinamento->ingressoUltimoRilascio();
    const Verdetto verdetto = m_esercizio.giudica(tessera, casella);
    if (verdetto.giusto)
        ModuloColoriSuoni::SuonoGiusto();
    else
        ModuloColoriSuoni::SuonoSbagliato();
    if (verdetto.giusto && !eraCompleta && parolaCompleta(casella.membro))
        pronunciaParola(parolaDellaFigura(casella.membro), durataSuonoGiusto());
    if (verdetto.completato)
        m_avanti = true;
    mostraVerdetto(verdetto.giusto);
    mostraStato();
    // Recorded once the child has the verdict; the writing itself happens on another thread.
    rilascio.giusto = verdetto.giusto;
    SessioneClasse::registra(rilascio);
    if (verdetto.completato)
        registraFine(EventoGioco::Tipo::Completato);
}

void SchermataEsercizio::mostraVerdetto(bool giusto) {
    controllo(ComandoIconaSi)->setVisible(giusto);
    controllo(ComandoIconaNo)->setVisible(!giusto);
}

void SchermataEsercizio::BottoneAvanti_Click() {
    m_avanti = false;
    GeneraEsercizio();
}

void SchermataEsercizio::mnuAzzera_Click() {
    Modulo1::ContaEsatti = 0;
    Modulo1::ContaErrati = 0;
    mostraStato();
}

void SchermataEsercizio::scegliDifficolta(Livello difficolta) {
    QAction *facile = voceMenu(mnufacile);
    QAction *difficile = voceMenu(mnudifficile);
    const bool eraFacile = m_difficolta == Livello::Facile;
    facile->setChecked(difficolta == Livello::Facile);
    difficile->setChecked(difficolta == Livello::Difficile);
    if (!caricaLista(difficolta, QStringLiteral("L'esercizio continua con le parole di prima."))) {
        facile->setChecked(eraFacile);
        difficile->setChecked(!eraFacile);
        return;
    }
    m_difficolta = difficolta;
    aggiornaTitolo();
    GeneraEsercizio();
}

void SchermataEsercizio::mnufacile_Click() {
    scegliDifficolta(Livello::Facile);
}

void SchermataEsercizio::mnudifficile_Click() {
    scegliDifficolta(Livello::Difficile);
}

void SchermataEsercizio::scegliCaratteri(bool maiuscolo) {
    m_maiuscolo = maiuscolo;
    voceMenu(mnuMinuscolo)->setChecked(!maiuscolo);
    voceMenu(mnuMaiuscolo)->setChecked(maiuscolo);
    GeneraEsercizio();
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
    registraFine(EventoGioco::Tipo::Lasciato);
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
