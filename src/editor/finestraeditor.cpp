#include "editor/finestraeditor.h"

#include "core/applicationfolder.h"
#include "core/finestremessaggio.h"
#include "core/guardiacopiaunica.h"
#include "core/letturadati.h"
#include "editor/adattatorefigura.h"
#include "editor/pannelloparola.h"
#include "editor/riparazionelista.h"
#include "editor/tesseraparola.h"
#include "editor/testieditor.h"
#include "liste/chiaveparola.h"
#include "liste/lettorecampi.h"
#include "liste/lettorelista.h"
#include "liste/verificatore.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>

using namespace TestiEditor;

namespace {

const QStringList Cifre{QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("3"),
                        QStringLiteral("5")};

// An imported word list is a few thousand words at most; anything larger is not one.
constexpr qint64 MassimiByteImportazione = 1024 * 1024;

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
    for (const QString &cifra : Cifre)
        m_livello->addItem(descriviFile(cifra), cifra);
    m_destinazione = new QComboBox(centro);
    m_destinazione->setObjectName(QStringLiteral("destinazione"));
    m_destinazione->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_destinazione->setMinimumContentsLength(18);
    const RisolutoreDati &d = m_modello.dati();
    if (!d.cartellaUtente().isEmpty())
        m_destinazione->addItem(
            QStringLiteral("la tua cartella (%1)").arg(breve(d.cartellaUtente())),
            d.cartellaUtente());
    m_destinazione->setToolTip(QStringLiteral("Il gioco legge prima i file della tua cartella, "
                                              "poi i suoi"));
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

    auto *avvisi = new QHBoxLayout;
    m_avvisoFile = new QLabel(centro);
    m_avvisoFile->setObjectName(QStringLiteral("avvisoFile"));
    m_avvisoFile->setWordWrap(true);
    m_ripara = new QPushButton(QStringLiteral("Ripara…"), centro);
    m_ripara->setObjectName(QStringLiteral("ripara"));
    avvisi->addWidget(m_avvisoFile, 1);
    avvisi->addWidget(m_ripara);
    colonna->addLayout(avvisi);

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
    m_pannello = new PannelloParola(m_modello, centro);
    corpo->addWidget(m_pannello);
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
    connect(m_ripara, &QPushButton::clicked, this, &FinestraEditor::riparaFileMostrato);
    connect(importa, &QPushButton::clicked, this, &FinestraEditor::importa);
    connect(tutte, &QPushButton::clicked, this, &FinestraEditor::ricostruisciTutte);
    connect(salvaPulsante, &QPushButton::clicked, this, &FinestraEditor::salva);
    connect(m_pannello, &PannelloParola::confermata, this, &FinestraEditor::aggiungi);

    if (!m_modello.illeggibili().isEmpty())
        statusBar()->showMessage(QStringLiteral("Il gioco non riesce a leggere: %1. Le parole "
                                                "nuove non ci vanno finché non li ripari.")
                                     .arg(elenco(m_modello.illeggibili())));
    aggiornaTessere();
    // Roomy on a classroom computer's screen, without covering it all.
    if (const QScreen *schermo = screen())
        resize(schermo->availableSize() * 0.9);
}

FinestraEditor::~FinestraEditor() = default;

bool FinestraEditor::bloccaCartella() {
    const QString cartella = m_modello.dati().cartellaUtente();
    if (cartella.isEmpty() || !QDir().mkpath(cartella))
        return true;
    // The game's own rules for a lock left behind: a crashed editor never locks the teacher out.
    m_guardia = std::make_unique<GuardiaCopiaUnica>(
        QDir(cartella).filePath(QStringLiteral(".zampirolo2-liste.lock")));
    if (m_guardia->acquisisci())
        return true;
    m_guardia.reset();
    return chiediSiNo(QStringLiteral("Le liste di %1 sono già aperte in un altro editor. Le apro "
                                     "lo stesso? Se salvi da tutti e due, unisco le modifiche, "
                                     "ma è più semplice usarne uno solo.")
                          .arg(breve(cartella)),
                      Pulsante::No);
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

void FinestraEditor::mostraFile(const QString &codice, const QString &cifra) {
    m_lista->setCurrentIndex(qMax(0, m_lista->findData(codice)));
    m_livello->setCurrentIndex(qMax(0, m_livello->findData(cifra)));
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
        connect(tessera, &TesseraParola::modifica, m_pannello, &PannelloParola::modifica);
        connect(tessera, &TesseraParola::togli, this, &FinestraEditor::togli);
        m_tessere << tessera;
    }
    disponiTessere();
    m_pannello->impostaVista(codice, cifra);

    const QString nome = codice + cifra + QStringLiteral(".txt");
    const int servono = ModelloListe::sillabePerParola(cifra) == 2 ? 4 : 3;
    QString avviso = QStringLiteral("File %1: %2 parole.").arg(nome).arg(parole.size());
    const auto errore = m_modello.errore(nome);
    if (errore)
        avviso = QStringLiteral("<span style='color:#B3261E'>Il gioco non legge %1: parola %2, "
                                "%3</span> Le parole nuove non ci vanno finché non lo ripari.")
                     .arg(nome)
                     .arg(errore->parola)
                     .arg(errore->dettaglio.toHtmlEscaped());
    else if (parole.size() < servono)
        avviso += QStringLiteral(" Un esercizio ne mostra %1: con meno il gioco usa l'altro "
                                 "livello, se basta.")
                      .arg(servono);
    else if (parole.size() < servono * 2)
        avviso += QStringLiteral(" Meglio almeno %1, perché gli esercizi non si ripetano.")
                      .arg(servono * 2);
    m_avvisoFile->setText(avviso);
    m_ripara->setVisible(errore.has_value());
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

void FinestraEditor::aggiungi() {
    if (!m_pannello->puoiAggiungere())
        return;
    const QStringList sillabe = m_pannello->sillabe();
    const QString parola = sillabe.join(QString());
    const QString vecchia = m_pannello->inModifica().join(QString());
    QImage figura = m_pannello->figuraScelta();
    // A word spelt anew keeps the picture it had on disk; a new picture moves with the word.
    if (figura.isNull() && !vecchia.isEmpty() && chiaveParola(vecchia) != chiaveParola(parola) &&
        !m_modello.figuraNuova(vecchia))
        figura = m_modello.figura(vecchia);
    const ModelloListe::Destinazione d = m_modello.sostituisci(vecchia, sillabe);
    if (!d.valida()) {
        statusBar()->showMessage(d.rifiuto);
        return;
    }
    if (!figura.isNull())
        m_modello.impostaFigura(parola, AdattatoreFigura::adatta(figura, int(sillabe.size())));
    QString messaggio =
        QStringLiteral("\"%1\" è nelle liste %2. Ricordati di salvare.")
            .arg(sillabe.join(QLatin1Char('-')), d.codici.join(QStringLiteral(", ")));
    if (!d.escluse.isEmpty())
        messaggio += QStringLiteral(" Non in %1").arg(d.escluse.join(QStringLiteral("; ")));
    m_pannello->svuota();
    // Show the new tile: in the list being looked at when it is one of the word's, else TUTTE.
    if (!d.codici.contains(codiceScelto()))
        m_lista->setCurrentIndex(0);
    m_livello->setCurrentIndex(m_livello->findData(d.cifra));
    segnaModifiche();
    statusBar()->showMessage(messaggio);
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
    if (!percorso.isEmpty())
        importaFile(percorso);
}

void FinestraEditor::importaFile(const QString &percorso) {
    // A pipe or a device from the file dialog would hang the editor or fill its memory.
    const LetturaDati letti = leggiFileDati(percorso, MassimiByteImportazione);
    if (!letti.letto()) {
        mostraMessaggio(QStringLiteral("Non importo %1: %2")
                            .arg(QDir::toNativeSeparators(percorso), letti.motivo()),
                        IconaMessaggio::Critica);
        return;
    }
    const ModelloListe::Importazione esito = m_modello.importa(decodificaTestoLista(letti.byte));
    QString testo = QStringLiteral("Parole aggiunte: %1.").arg(esito.aggiunte.size());
    if (!esito.aggiunte.isEmpty())
        testo += QStringLiteral("\n%1").arg(elenco(esito.aggiunte));
    if (!esito.incerte.isEmpty())
        testo += QStringLiteral("\n\nDa controllare, la divisione è incerta dove c'è \"?\": %1")
                     .arg(elenco(esito.incerte));
    if (!esito.rifiutate.isEmpty())
        testo += QStringLiteral("\n\nNon aggiunte (%1):\n%2")
                     .arg(esito.rifiutate.size())
                     .arg(esito.rifiutate.mid(0, 15).join('\n'));
    if (esito.rifiutate.size() > 15)
        testo += QStringLiteral("\ne altre %1.").arg(esito.rifiutate.size() - 15);
    if (!esito.giaPresenti.isEmpty())
        testo += QStringLiteral("\n\nGià nel gioco: %1").arg(elenco(esito.giaPresenti));
    if (!esito.aggiunte.isEmpty())
        testo += QStringLiteral("\n\nOgni parola nuova ha bisogno della sua figura.");
    mostraMessaggio(testo, IconaMessaggio::Informazione);
    segnaModifiche();
}

void FinestraEditor::riparaFileMostrato() {
    const QString nome = codiceScelto() + cifraScelta() + QStringLiteral(".txt");
    const auto errore = m_modello.errore(nome);
    if (!errore)
        return;
    const LetturaDati letti = leggiFileDati(errore->file, MassimiByteLista);
    if (!letti.letto()) {
        mostraMessaggio(
            QStringLiteral("Non posso aprire %1 per ripararlo: %2").arg(nome, letti.motivo()),
            IconaMessaggio::Critica);
        return;
    }
    auto *vista = new RiparazioneLista(m_modello, nome, decodificaTestoLista(letti.byte), this);
    connect(vista, &RiparazioneLista::riparata, this, [this](const QString &riparato) {
        statusBar()->showMessage(
            QStringLiteral("%1 ora si legge. Ricordati di salvare.").arg(riparato));
        segnaModifiche();
    });
    vista->open();
}

void FinestraEditor::ricostruisciTutte() {
    QString motivo;
    const int cambiate = m_modello.ricostruisciTutte(&motivo);
    if (cambiate < 0)
        mostraMessaggio(QStringLiteral("Non ho cambiato TUTTE: %1.").arg(motivo),
                        IconaMessaggio::Critica);
    else
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
}

bool FinestraEditor::salva() {
    const QString cartella = cartellaSalvataggio();
    if (cartella.isEmpty()) {
        mostraMessaggio(QStringLiteral("Non c'è una cartella in cui posso scrivere."),
                        IconaMessaggio::Critica);
        return false;
    }
    // Someone else's change is never overwritten: it is read again and the teacher's own
    // changes go on top of it, shown before anything is written.
    if (!m_modello.cambiatiFuori().isEmpty()) {
        const QStringList unite = m_modello.unisciCambiatiFuori();
        segnaModifiche();
        if (!chiediSiNo(QStringLiteral("Qualcuno ha cambiato questi file da quando li ho letti:\n"
                                       "%1\n\nSalvo così?")
                            .arg(unite.join(QLatin1Char('\n'))),
                        Pulsante::Si))
            return false;
    }
    const QString errore = m_modello.salva(cartella);
    segnaModifiche();
    if (!errore.isEmpty()) {
        statusBar()->showMessage(QStringLiteral("Non salvato."));
        mostraMessaggio(errore, IconaMessaggio::Critica);
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
