#include "editor/finestraeditor.h"

#include "core/applicationfolder.h"
#include "core/finestremessaggio.h"
#include "core/modulo1.h"
#include "editor/adattatorefigura.h"
#include "editor/divisioneparola.h"
#include "editor/finestraclasse.h"
#include "editor/riquadrofigura.h"
#include "editor/tesseraparola.h"
#include "liste/lettorecampi.h"
#include "liste/sillabazione.h"
#include "liste/tipofilelista.h"
#include "liste/verificatore.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>

namespace {

QString descriviFile(const QString &cifra) {
    const std::optional<TipoFileLista> tipo = TipoFileLista::daCifra(cifra);
    return tipo ? tipo->descrizione() : QString();
}

QString didascalia(const QString &codice) {
    for (int riga = 0; riga < Modulo1::NumeroListe; ++riga)
        if (Modulo1::ElencoListe[riga][Modulo1::ColonnaCodice] == codice)
            return Modulo1::ElencoListe[riga][Modulo1::ColonnaCaption];
    return codice;
}

// ~/.local/share/zampirolo2 reads better than the whole path.
QString breve(const QString &cartella) {
    const QString casa = QDir::homePath();
    if (cartella.startsWith(casa + QLatin1Char('/')))
        return QDir::toNativeSeparators(QStringLiteral("~") + cartella.mid(casa.size()));
    return QDir::toNativeSeparators(cartella);
}

QString elenco(const QStringList &voci, int quante = 25) {
    QString testo = voci.mid(0, quante).join(QStringLiteral(", "));
    if (voci.size() > quante)
        testo += QStringLiteral(" e altre %1").arg(voci.size() - quante);
    return testo;
}

} // namespace

FinestraEditor::FinestraEditor(RisolutoreDati dati, QWidget *genitore)
    : QMainWindow(genitore)
    , m_modello(std::move(dati)) {
    setWindowTitle(QStringLiteral("Zampirolo 2 liste"));
    QFont carattere = font();
    carattere.setPointSize(13);
    setFont(carattere);

    auto *centro = new QWidget(this);
    auto *colonna = new QVBoxLayout(centro);

    auto *scelte = new QHBoxLayout;
    m_lista = new QComboBox(centro);
    m_lista->setObjectName(QStringLiteral("lista"));
    for (const QString &codice : ModelloListe::codici())
        m_lista->addItem(didascalia(codice), codice);
    m_livello = new QComboBox(centro);
    m_livello->setObjectName(QStringLiteral("livello"));
    // Two syllables first, easy before difficult, as the game's menus go.
    for (const int sillabe : {2, 3})
        for (const Livello livello : {Livello::Facile, Livello::Difficile}) {
            const TipoFileLista tipo = TipoFileLista::di(sillabe, livello);
            m_livello->addItem(tipo.descrizione(), tipo.cifra());
        }
    m_destinazione = new QComboBox(centro);
    m_destinazione->setObjectName(QStringLiteral("destinazione"));
    m_destinazione->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_destinazione->setMinimumContentsLength(18);
    const RisolutoreDati &d = m_modello.dati();
    if (!d.cartellaUtente().isEmpty())
        m_destinazione->addItem(
            QStringLiteral("la tua cartella (%1)").arg(breve(d.cartellaUtente())),
            d.cartellaUtente());
    if (!d.cartellaClasse().isEmpty())
        m_destinazione->addItem(
            QStringLiteral("la cartella della classe (%1)").arg(breve(d.cartellaClasse())),
            d.cartellaClasse());
    m_destinazione->setToolTip(QStringLiteral("Il gioco legge prima i file della tua cartella, "
                                              "poi quelli della classe, poi i suoi"));
    // The installed game's folder is read-only; a copied game's folder may be the teacher's.
    if (QFileInfo(percorsoDati(d.cartellaApplicazione(), {CartelleDati::Liste})).isWritable())
        m_destinazione->addItem(QStringLiteral("la cartella del gioco (%1)")
                                    .arg(QDir::toNativeSeparators(d.cartellaApplicazione())),
                                d.cartellaApplicazione());
    scelte->addWidget(new QLabel(QStringLiteral("Lista:"), centro));
    scelte->addWidget(m_lista);
    scelte->addWidget(new QLabel(QStringLiteral("Parole:"), centro));
    scelte->addWidget(m_livello);
    scelte->addStretch();
    colonna->addLayout(scelte);

    m_avvisoFile = new QLabel(centro);
    m_avvisoFile->setObjectName(QStringLiteral("avvisoFile"));
    m_avvisoFile->setWordWrap(true);
    colonna->addWidget(m_avvisoFile);

    auto *corpo = new QHBoxLayout;
    auto *scorrimento = new QScrollArea(centro);
    m_scorrimento = scorrimento;
    scorrimento->setWidgetResizable(true);
    scorrimento->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *tessere = new QWidget(scorrimento);
    m_griglia = new QGridLayout(tessere);
    m_griglia->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    scorrimento->setWidget(tessere);
    scorrimento->viewport()->installEventFilter(this);
    corpo->addWidget(scorrimento, 1);
    corpo->addWidget(creaPannelloParola());
    colonna->addLayout(corpo, 1);

    auto *azioni = new QHBoxLayout;
    auto *importa = new QPushButton(QStringLiteral("Importa un elenco di parole…"), centro);
    auto *tutte = new QPushButton(QStringLiteral("Ricostruisci TUTTE"), centro);
    tutte->setToolTip(QStringLiteral("Mette in TUTTE esattamente le parole delle altre liste"));
    auto *salvaPulsante = new QPushButton(QStringLiteral("Salva"), centro);
    salvaPulsante->setObjectName(QStringLiteral("salva"));
    QFont grassetto = salvaPulsante->font();
    grassetto.setBold(true);
    salvaPulsante->setFont(grassetto);
    azioni->addWidget(importa);
    azioni->addWidget(tutte);
    azioni->addStretch();
    azioni->addWidget(new QLabel(QStringLiteral("Salva in:"), centro));
    azioni->addWidget(m_destinazione);
    azioni->addWidget(salvaPulsante);
    colonna->addLayout(azioni);
    setCentralWidget(centro);

    connect(m_lista, &QComboBox::currentIndexChanged, this, &FinestraEditor::aggiornaTessere);
    connect(m_livello, &QComboBox::currentIndexChanged, this, &FinestraEditor::aggiornaTessere);
    connect(importa, &QPushButton::clicked, this, &FinestraEditor::importa);
    connect(tutte, &QPushButton::clicked, this, &FinestraEditor::ricostruisciTutte);
    connect(salvaPulsante, &QPushButton::clicked, this, &FinestraEditor::salva);

    if (!m_modello.illeggibili().isEmpty())
        statusBar()->showMessage(QStringLiteral("Il gioco non riesce a leggere: %1. L'editor non "
                                                "li cambia: correggili a mano.")
                                     .arg(elenco(m_modello.illeggibili())));
    menuBar()
        ->addAction(QStringLiteral("Classe e risultati…"), this,
                    [this] {
                        auto *classe = new FinestraClasse(m_modello.dati(), this);
                        classe->setAttribute(Qt::WA_DeleteOnClose);
                        classe->show();
                    })
        ->setObjectName(QStringLiteral("classeERisultati"));
    aggiornaTessere();
    parolaScritta();
    // Roomy on a classroom computer's screen, without covering it all.
    if (const QScreen *schermo = screen())
        resize(schermo->availableSize() * 0.9);
}

QWidget *FinestraEditor::creaPannelloParola() {
    // Scrolls rather than squeezing its picture and buttons together on a small screen.
    auto *scorrimento = new QScrollArea(this);
    scorrimento->setFrameShape(QFrame::NoFrame);
    scorrimento->setWidgetResizable(true);
    scorrimento->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scorrimento->setFixedWidth(380);
    auto *pannello = new QWidget(scorrimento);
    scorrimento->setWidget(pannello);
    auto *colonna = new QVBoxLayout(pannello);
    auto *titolo = new QLabel(QStringLiteral("<b>Nuova parola</b>"), pannello);
    colonna->addWidget(titolo);
    m_parola = new QLineEdit(pannello);
    m_parola->setObjectName(QStringLiteral("parola"));
    m_parola->setPlaceholderText(QStringLiteral("Scrivi una parola"));
    QFont grande = m_parola->font();
    grande.setPointSize(20);
    m_parola->setFont(grande);
    colonna->addWidget(m_parola);
    m_divisione = new DivisioneParola(pannello);
    colonna->addWidget(m_divisione);
    m_esito = new QLabel(pannello);
    m_esito->setObjectName(QStringLiteral("esito"));
    m_esito->setWordWrap(true);
    colonna->addWidget(m_esito);

    m_figura = new RiquadroFigura(pannello);
    colonna->addWidget(m_figura, 0, Qt::AlignHCenter);
    auto *figure = new QHBoxLayout;
    auto *scegli = new QPushButton(QStringLiteral("Scegli un file…"), pannello);
    auto *delGioco = new QPushButton(QStringLiteral("Figura del gioco…"), pannello);
    figure->addWidget(scegli);
    figure->addWidget(delGioco);
    colonna->addLayout(figure);

    auto *conferma = new QHBoxLayout;
    m_aggiungi = new QPushButton(QStringLiteral("Aggiungi"), pannello);
    m_aggiungi->setObjectName(QStringLiteral("aggiungi"));
    m_annulla = new QPushButton(QStringLiteral("Annulla"), pannello);
    conferma->addWidget(m_aggiungi);
    conferma->addWidget(m_annulla);
    colonna->addLayout(conferma);
    colonna->addStretch();

    connect(m_parola, &QLineEdit::textChanged, this, &FinestraEditor::parolaScritta);
    connect(m_parola, &QLineEdit::returnPressed, this, &FinestraEditor::aggiungi);
    connect(m_divisione, &DivisioneParola::divisioneCambiata, this, &FinestraEditor::aggiornaEsito);
    connect(m_figura, &RiquadroFigura::fileLasciato, this, &FinestraEditor::usaFileFigura);
    connect(scegli, &QPushButton::clicked, this, [this] { scegliFigura(QDir::homePath()); });
    connect(delGioco, &QPushButton::clicked, this, [this] {
        scegliFigura(
            percorsoDati(m_modello.dati().cartellaApplicazione(), {CartelleDati::Immagini}));
    });
    connect(m_aggiungi, &QPushButton::clicked, this, &FinestraEditor::aggiungi);
    connect(m_annulla, &QPushButton::clicked, this, &FinestraEditor::annullaModifica);
    return scorrimento;
}

QString FinestraEditor::cifraScelta() const {
    return m_livello->currentData().toString();
}

QString FinestraEditor::codiceScelto() const {
    return m_lista->currentData().toString();
}

QString FinestraEditor::cartellaSalvataggio() const {
    return m_destinazione->currentData().toString();
}

void FinestraEditor::aggiornaTessere() {
    // Later, not now: the click that got here may come from a button of one of them.
    while (QLayoutItem *voce = m_griglia->takeAt(0)) {
        if (QWidget *tessera = voce->widget()) {
            tessera->hide();
            tessera->deleteLater();
        }
        delete voce;
    }
    const QString codice = codiceScelto();
    const QString cifra = cifraScelta();
    const QVector<QStringList> &parole = m_modello.parole(codice, cifra);
    m_tessere.clear();
    for (const QStringList &sillabe : parole) {
        const QString parola = sillabe.join(QString());
        QStringList problemi;
        for (const ProblemaVerifica &p : Verificatore::problemiParola(codice, cifra, sillabe))
            problemi << (p.forse ? QStringLiteral("Forse: ") : QString()) + p.messaggio;
        if (!m_modello.figuraNuova(parola))
            for (const ProblemaVerifica &p : Verificatore::problemiFigura(
                     m_modello.percorsoFigura(parola), int(sillabe.size())))
                problemi << p.messaggio;
        auto *tessera = new TesseraParola(sillabe, m_modello.figura(parola), problemi);
        connect(tessera, &TesseraParola::modifica, this, &FinestraEditor::modifica);
        connect(tessera, &TesseraParola::togli, this, &FinestraEditor::togli);
        m_tessere << tessera;
    }
    disponiTessere();

    const TipoFileLista tipo = *TipoFileLista::daCifra(cifra);
    const QString nome = tipo.nomeFile(codice);
    const int servono = tipo.paroleNellEsercizio();
    QString avviso = QStringLiteral("File %1: %2 parole.").arg(nome).arg(parole.size());
    if (m_modello.illeggibili().contains(nome))
        avviso += QStringLiteral(" Il gioco non riesce a leggere questo file: correggilo a mano, "
                                 "l'editor non lo cambia.");
    else if (parole.size() < servono)
        avviso += QStringLiteral(" Un esercizio ne mostra %1: con meno il gioco usa l'altro "
                                 "livello, se basta.")
                      .arg(servono);
    else if (parole.size() < servono * 2)
        avviso += QStringLiteral(" Meglio almeno %1, perché gli esercizi non si ripetano.")
                      .arg(servono * 2);
    m_avvisoFile->setText(avviso);
}

void FinestraEditor::disponiTessere() {
    const int colonne = qMax(1, (m_scorrimento->viewport()->width() - 12) /
                                    (TesseraParola::Larghezza + m_griglia->horizontalSpacing()));
    while (QLayoutItem *voce = m_griglia->takeAt(0))
        delete voce; // the tiles stay, only their places go
    for (int i = 0; i < m_tessere.size(); ++i)
        m_griglia->addWidget(m_tessere[i], i / colonne, i % colonne);
}

bool FinestraEditor::eventFilter(QObject *oggetto, QEvent *evento) {
    if (oggetto == m_scorrimento->viewport() && evento->type() == QEvent::Resize)
        disponiTessere();
    return QMainWindow::eventFilter(oggetto, evento);
}

void FinestraEditor::parolaScritta() {
    const QString parola =
        m_parola->text().trimmed().normalized(QString::NormalizationForm_C).toLower();
    const Divisione divisione = Sillabazione::sillaba(parola);
    m_divisione->mostra(parola, divisione);
    if (m_figuraOriginale.isNull())
        m_figura->mostraFigura(parola.isEmpty() ? QImage() : m_modello.figura(parola));
    aggiornaEsito();
}

void FinestraEditor::aggiornaEsito() {
    const QStringList sillabe = m_divisione->sillabe();
    const QString parola = sillabe.join(QString());
    const ModelloListe::Destinazione d = ModelloListe::destinazione(sillabe);
    const bool stessa = !m_inModifica.isEmpty() &&
                        m_inModifica.join(QString()).compare(parola, Qt::CaseInsensitive) == 0;
    bool puoi = d.valida();
    QString testo;
    if (parola.isEmpty()) {
        testo = QStringLiteral("Scrivi la parola: la divido io in sillabe. Un clic tra due "
                               "lettere sposta la divisione.");
        puoi = false;
    } else if (!d.valida()) {
        testo =
            QStringLiteral("<span style='color:#B3261E'>%1</span>").arg(d.rifiuto.toHtmlEscaped());
    } else {
        QStringList liste, file;
        for (const QString &codice : d.codici) {
            liste << didascalia(codice);
            file << TipoFileLista::daCifra(d.cifra)->nomeFile(codice);
        }
        testo = QStringLiteral("Parola di %1. Va nelle liste %2 (file %3).")
                    .arg(descriviFile(d.cifra).chopped(1) + QLatin1Char('e'),
                         liste.join(QStringLiteral(", ")), file.join(QStringLiteral(", ")));
        if (!d.codici.contains(codiceScelto()))
            testo += QStringLiteral(" Non è una parola della lista che stai guardando.");
        else if (d.cifra != cifraScelta())
            testo += QStringLiteral(" Non va tra le parole che stai guardando (%1).")
                         .arg(descriviFile(cifraScelta()));
        if (Sillabazione::sillaba(parola).incerta)
            testo += QStringLiteral("<br><span style='background:#FFC069'>In arancione:</span> "
                                    "non sono sicuro della divisione, controllala.");
        if (m_modello.contiene(parola) && !stessa) {
            testo += QStringLiteral("<br><b>C'è già nel gioco.</b>");
            puoi = false;
        }
        if (m_figuraOriginale.isNull() && m_modello.figura(parola).isNull())
            testo += QStringLiteral("<br>Manca la figura: sceglila o trascinala qui sotto.");
    }
    m_esito->setText(testo);
    m_aggiungi->setEnabled(puoi);
    m_aggiungi->setText(m_inModifica.isEmpty() ? QStringLiteral("Aggiungi")
                                               : QStringLiteral("Salva la modifica"));
    m_annulla->setVisible(!m_inModifica.isEmpty());
}

void FinestraEditor::usaFileFigura(const QString &percorso) {
    const int sillabe = qBound(2, int(m_divisione->sillabe().size()), 3);
    QString errore;
    const QImage figura = AdattatoreFigura::leggi(percorso, sillabe, &errore);
    if (figura.isNull()) {
        mostraMessaggio(QStringLiteral("Non riesco a leggere la figura %1 (%2).")
                            .arg(QDir::toNativeSeparators(percorso), errore),
                        IconaMessaggio::Critica);
        return;
    }
    m_figuraOriginale = figura;
    m_figura->mostraFigura(AdattatoreFigura::adatta(figura, sillabe));
    aggiornaEsito();
}

void FinestraEditor::scegliFigura(const QString &cartella) {
    const QString percorso = QFileDialog::getOpenFileName(
        this, QStringLiteral("Scegli la figura"), cartella,
        QStringLiteral("Figure (*.png *.jpg *.jpeg *.svg *.PNG *.JPG *.JPEG *.SVG)"));
    if (!percorso.isEmpty())
        usaFileFigura(percorso);
}

void FinestraEditor::aggiungi() {
    const QStringList sillabe = m_divisione->sillabe();
    if (!m_aggiungi->isEnabled())
        return;
    const QString parola = sillabe.join(QString());
    QImage figura = m_figuraOriginale;
    if (!m_inModifica.isEmpty()) {
        const QString vecchia = m_inModifica.join(QString());
        if (figura.isNull() && vecchia.compare(parola, Qt::CaseInsensitive) != 0)
            figura = m_modello.figura(vecchia); // a renamed word keeps its picture
        m_modello.togli(vecchia);
    }
    const ModelloListe::Destinazione d = m_modello.aggiungi(sillabe);
    if (!figura.isNull())
        m_modello.impostaFigura(parola, AdattatoreFigura::adatta(figura, int(sillabe.size())));
    statusBar()->showMessage(
        QStringLiteral("\"%1\" è nelle liste %2. Ricordati di salvare.")
            .arg(sillabe.join(QLatin1Char('-')), d.codici.join(QStringLiteral(", "))));
    m_inModifica.clear();
    m_figuraOriginale = QImage();
    m_parola->clear();
    // Show the new tile: in the list being looked at when it is one of the word's, else TUTTE.
    if (!d.codici.contains(codiceScelto()))
        m_lista->setCurrentIndex(0);
    m_livello->setCurrentIndex(m_livello->findData(d.cifra));
    segnaModifiche();
}

void FinestraEditor::annullaModifica() {
    m_inModifica.clear();
    m_figuraOriginale = QImage();
    m_parola->clear();
    aggiornaEsito();
}

void FinestraEditor::modifica(const QStringList &sillabe) {
    m_inModifica = sillabe;
    m_figuraOriginale = QImage();
    m_parola->setText(sillabe.join(QString()));
    // The division the list has, which may be the teacher's own, not the automatic one.
    Divisione scritta = Sillabazione::sillaba(sillabe.join(QString()));
    scritta.sillabe = sillabe;
    m_divisione->mostra(sillabe.join(QString()), scritta);
    aggiornaEsito();
    m_parola->setFocus();
}

void FinestraEditor::togli(const QStringList &sillabe) {
    const QString scritta = sillabe.join(QLatin1Char('-'));
    if (!chiediSiNo(QStringLiteral("Tolgo \"%1\" da tutte le liste del gioco?").arg(scritta),
                    Pulsante::No))
        return;
    m_modello.togli(sillabe.join(QString()));
    statusBar()->showMessage(QStringLiteral("\"%1\" tolta. Ricordati di salvare.").arg(scritta));
    segnaModifiche();
}

void FinestraEditor::importa() {
    const QString percorso = QFileDialog::getOpenFileName(
        this, QStringLiteral("Importa un elenco di parole, una per riga"), QDir::homePath(),
        QStringLiteral("Testo (*.txt *.TXT);;Tutti i file (*)"));
    if (percorso.isEmpty())
        return;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 1024 * 1024) {
        mostraMessaggio(QStringLiteral("Non riesco a leggere %1.").arg(percorso),
                        IconaMessaggio::Critica);
        return;
    }
    const ModelloListe::Importazione esito =
        m_modello.importa(decodificaTestoLista(file.readAll()));
    QString testo = QStringLiteral("Parole aggiunte: %1.").arg(esito.aggiunte.size());
    if (!esito.incerte.isEmpty())
        testo += QStringLiteral("\n\nDa controllare, la divisione è incerta dove c'è \"?\": %1")
                     .arg(elenco(esito.incerte));
    if (!esito.rifiutate.isEmpty())
        testo += QStringLiteral("\n\nNon aggiunte:\n%1").arg(esito.rifiutate.mid(0, 15).join('\n'));
    if (!esito.giaPresenti.isEmpty())
        testo += QStringLiteral("\n\nGià nel gioco: %1").arg(elenco(esito.giaPresenti));
    if (!esito.aggiunte.isEmpty())
        testo += QStringLiteral("\n\nOgni parola nuova ha bisogno della sua figura.");
    mostraMessaggio(testo, IconaMessaggio::Informazione);
    segnaModifiche();
}

void FinestraEditor::ricostruisciTutte() {
    const int cambiate = m_modello.ricostruisciTutte();
    mostraMessaggio(cambiate == 0 ? QStringLiteral("TUTTE era già l'unione delle altre liste.")
                                  : QStringLiteral("TUTTE ora ha esattamente le parole delle "
                                                   "altre liste (%1 cambiamenti).")
                                        .arg(cambiate),
                    IconaMessaggio::Informazione);
    segnaModifiche();
}

void FinestraEditor::segnaModifiche() {
    setWindowTitle(
        QStringLiteral("Zampirolo 2 liste") +
        (m_modello.modificato() ? QStringLiteral(" (modifiche non salvate)") : QString()));
    aggiornaTessere();
    aggiornaEsito();
}

bool FinestraEditor::salva() {
    const QString cartella = cartellaSalvataggio();
    if (cartella.isEmpty()) {
        mostraMessaggio(QStringLiteral("Non c'è una cartella in cui posso scrivere."),
                        IconaMessaggio::Critica);
        return false;
    }
    const QStringList errori = m_modello.salva(cartella);
    segnaModifiche();
    if (!errori.isEmpty()) {
        mostraMessaggio(errori.join(QLatin1Char('\n')), IconaMessaggio::Critica);
        return false;
    }
    statusBar()->showMessage(
        QStringLiteral("Salvato in %1.").arg(QDir::toNativeSeparators(cartella)));
    return true;
}

void FinestraEditor::closeEvent(QCloseEvent *evento) {
    if (!m_modello.modificato()) {
        evento->accept();
        return;
    }
    const Pulsante scelta = mostraMessaggio(
        QStringLiteral("Ci sono modifiche non salvate. Le salvo prima di chiudere?"),
        IconaMessaggio::Domanda, {Pulsante::Si, Pulsante::No, Pulsante::Annulla}, Pulsante::Si);
    if (scelta == Pulsante::No || (scelta == Pulsante::Si && salva()))
        evento->accept();
    else
        evento->ignore();
}
