#include "editor/finestraeditor.h"

#include "core/applicationfolder.h"
#include "core/finestremessaggio.h"
#include "core/guardiacopiaunica.h"
#include "core/letturadati.h"
#include "editor/adattatorefigura.h"
#include "editor/aiutoeditor.h"
#include "editor/avvisifigure.h"
#include "editor/comandomodifica.h"
#include "editor/finestraclasse.h"
#include "editor/grigliatessere.h"
#include "editor/pannelloparola.h"
#include "editor/riparazionelista.h"
#include "editor/testieditor.h"
#include "liste/chiaveparola.h"
#include "liste/divisioninote.h"
#include "liste/lettorecampi.h"
#include "liste/lettorelista.h"
#include "liste/tipofilelista.h"

#include <QAction>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QUndoStack>

using namespace TestiEditor;

// An imported word list is a few thousand words at most; anything larger is not one.
constexpr qint64 MassimiByteImportazione = 1024 * 1024;

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
    m_griglia = new GrigliaTessere(m_modello, centro);
    corpo->addWidget(m_griglia, 1);
    m_pannello = new PannelloParola(m_modello, centro);
    corpo->addWidget(m_pannello);
    colonna->addLayout(corpo, 1);

    auto *azioni = new QHBoxLayout;
    auto *importa = new QPushButton(QStringLiteral("Importa un elenco di parole…"), centro);
    auto *tutte = new QPushButton(QStringLiteral("Ricostruisci TUTTE"), centro);
    tutte->setObjectName(QStringLiteral("ricostruisci"));
    tutte->setToolTip(QStringLiteral("Mette in TUTTE esattamente le parole delle altre liste"));
    auto *aiuto = new QPushButton(QStringLiteral("?"), centro);
    aiuto->setToolTip(QStringLiteral("Guida (F1)"));
    auto *salvaPulsante = new QPushButton(QStringLiteral("Salva"), centro);
    salvaPulsante->setObjectName(QStringLiteral("salva"));
    QFont grassetto = salvaPulsante->font();
    grassetto.setBold(true);
    salvaPulsante->setFont(grassetto);
    azioni->addWidget(importa);
    azioni->addWidget(tutte);
    azioni->addWidget(aiuto);
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
    connect(aiuto, &QPushButton::clicked, this, &FinestraEditor::mostraAiuto);
    connect(m_pannello, &PannelloParola::confermata, this, &FinestraEditor::aggiungi);
    connect(m_griglia, &GrigliaTessere::modifica, m_pannello, &PannelloParola::modifica);
    connect(m_griglia, &GrigliaTessere::togli, this, &FinestraEditor::togli);

    if (!m_modello.illeggibili().isEmpty())
        statusBar()->showMessage(QStringLiteral("Il gioco non riesce a leggere: %1. Le parole "
                                                "nuove non ci vanno finché non li ripari.")
                                     .arg(elenco(m_modello.illeggibili())));
    m_pila = new QUndoStack(this);
    creaMenu();
    FinestraClasse::aggiungiAlMenu(this, m_modello.dati());
    aggiornaTessere();
    // Roomy on a classroom computer's screen, without covering it all.
    if (const QScreen *schermo = screen())
        resize(schermo->availableSize() * 0.9);
}

FinestraEditor::~FinestraEditor() = default;

void FinestraEditor::creaMenu() {
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Importa un elenco di parole…"), this,
                    &FinestraEditor::importa);
    file->addAction(QStringLiteral("&Salva"), QKeySequence::Save, this, &FinestraEditor::salva);
    QMenu *modifica = menuBar()->addMenu(QStringLiteral("&Modifica"));
    QAction *annulla = m_pila->createUndoAction(this, QStringLiteral("Annulla"));
    annulla->setShortcut(QKeySequence::Undo);
    QAction *rifai = m_pila->createRedoAction(this, QStringLiteral("Rifai"));
    rifai->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence::Redo});
    modifica->addAction(annulla);
    modifica->addAction(rifai);
    modifica->addAction(QStringLiteral("Ricostruisci &TUTTE"), this,
                        &FinestraEditor::ricostruisciTutte);
    menuBar()
        ->addMenu(QStringLiteral("&Aiuto"))
        ->addAction(QStringLiteral("&Guida"), QKeySequence::HelpContents, this,
                    &FinestraEditor::mostraAiuto);
}

void FinestraEditor::registra(const QString &testo, const ModelloListe::Stato &prima) {
    m_pila->push(new ComandoModifica(testo, m_modello, prima, [this] { segnaModifiche(); }));
}

void FinestraEditor::mostraAiuto() {
    mostraMessaggio(testoAiutoEditor(m_modello.dati().cartellaUtente()),
                    IconaMessaggio::Informazione);
}

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
    const QString codice = codiceScelto();
    const QString cifra = cifraScelta();
    const QVector<QStringList> &parole = m_modello.parole(codice, cifra);
    m_griglia->mostra(codice, cifra);
    m_pannello->impostaVista(codice, cifra);

    const QString nome = TipoFileLista::daCifra(cifra)->nomeFile(codice);
    const auto errore = m_modello.errore(nome);
    m_avvisoFile->setText(
        avvisoFile(nome, ModelloListe::sillabePerParola(cifra), int(parole.size()), errore));
    m_ripara->setVisible(errore.has_value());
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
    const ModelloListe::Stato prima = m_modello.stato();
    const ModelloListe::Destinazione d = m_modello.sostituisci(vecchia, sillabe);
    if (!d.valida()) {
        statusBar()->showMessage(d.rifiuto);
        return;
    }
    confermaDivisioneAggiunta(sillabe);
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
    registra(vecchia.isEmpty() ? QStringLiteral("aggiungi %1").arg(parola)
                               : QStringLiteral("modifica %1").arg(parola),
             prima);
    segnaModifiche();
    statusBar()->showMessage(messaggio);
}

void FinestraEditor::togli(const QStringList &sillabe) {
    const QString scritta = sillabe.join(QLatin1Char('-'));
    if (!chiediSiNo(QStringLiteral("Tolgo \"%1\" da tutte le liste del gioco?").arg(scritta),
                    Pulsante::No))
        return;
    const ModelloListe::Stato prima = m_modello.stato();
    m_modello.togli(sillabe.join(QString()));
    registra(QStringLiteral("togli %1").arg(scritta), prima);
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
    const ModelloListe::Stato prima = m_modello.stato();
    const ModelloListe::Importazione esito = m_modello.importa(decodificaTestoLista(letti.byte));
    registra(QStringLiteral("importa %1").arg(QFileInfo(percorso).fileName()), prima);
    mostraMessaggio(resocontoImportazione(esito), IconaMessaggio::Informazione);
    segnaModifiche();
}

void FinestraEditor::riparaFileMostrato() {
    const QString nome = TipoFileLista::daCifra(cifraScelta())->nomeFile(codiceScelto());
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
    const ModelloListe::Stato prima = m_modello.stato();
    const int cambiate = m_modello.ricostruisciTutte(&motivo);
    if (cambiate > 0)
        registra(QStringLiteral("ricostruisci TUTTE"), prima);
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
    if (const QString avviso = AvvisiFigure::avviso(m_modello);
        !avviso.isEmpty() && !chiediSiNo(avviso, Pulsante::Si))
        return false;
    // Someone else's change is never overwritten: it is read again and the teacher's own
    // changes go on top of it, shown before anything is written.
    if (!m_modello.cambiatiFuori().isEmpty()) {
        const QStringList unite = m_modello.unisciCambiatiFuori();
        m_pila->clear(); // an undo step would put back the files as they were before the merge
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
