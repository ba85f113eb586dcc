#include "editor/pannelloparola.h"

#include "core/applicationfolder.h"
#include "core/finestremessaggio.h"
#include "editor/adattatorefigura.h"
#include "editor/divisioneparola.h"
#include "editor/modelloliste.h"
#include "editor/riquadrofigura.h"
#include "editor/sceltafiguragioco.h"
#include "editor/testieditor.h"
#include "liste/chiaveparola.h"
#include "liste/sillabazione.h"
#include "liste/tipofilelista.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace TestiEditor;

PannelloParola::PannelloParola(ModelloListe &modello, QWidget *genitore)
    : QScrollArea(genitore)
    , m_modello(modello) {
    // Scrolls rather than squeezing its picture and buttons together on a small screen.
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFixedWidth(380);
    auto *pannello = new QWidget(this);
    setWidget(pannello);
    auto *colonna = new QVBoxLayout(pannello);
    m_titolo = new QLabel(pannello);
    m_titolo->setObjectName(QStringLiteral("titoloParola"));
    colonna->addWidget(m_titolo);
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

    connect(m_parola, &QLineEdit::textChanged, this, &PannelloParola::parolaScritta);
    // Enter adds only a whole word: with its picture, or when the teacher says it has none.
    connect(m_parola, &QLineEdit::returnPressed, this, [this] {
        const QString parola = sillabe().join(QString());
        if (puoiAggiungere() &&
            (!m_figuraOriginale.isNull() || !m_modello.figura(parola).isNull() ||
             chiediSiNo(QStringLiteral("\"%1\" non ha ancora una figura. La aggiungo lo stesso?")
                            .arg(parola),
                        Pulsante::Si)))
            emit confermata();
    });
    connect(m_divisione, &DivisioneParola::divisioneCambiata, this, &PannelloParola::aggiornaEsito);
    connect(m_figura, &RiquadroFigura::fileLasciato, this, &PannelloParola::usaFileFigura);
    connect(scegli, &QPushButton::clicked, this, [this] { scegliFigura(QDir::homePath()); });
    connect(delGioco, &QPushButton::clicked, this, [this] {
        SceltaFiguraGioco scelta(
            percorsoDati(m_modello.dati().cartellaApplicazione(), {CartelleDati::Immagini}), this);
        if (scelta.exec() == QDialog::Accepted && !scelta.scelta().isEmpty())
            usaFileFigura(scelta.scelta());
    });
    connect(m_aggiungi, &QPushButton::clicked, this, &PannelloParola::confermata);
    connect(m_annulla, &QPushButton::clicked, this, &PannelloParola::svuota);
    parolaScritta();
}

void PannelloParola::impostaVista(const QString &codice, const QString &cifra) {
    m_codice = codice;
    m_cifra = cifra;
    aggiornaEsito();
}

QStringList PannelloParola::sillabe() const {
    return m_divisione->sillabe();
}

bool PannelloParola::puoiAggiungere() const {
    return m_aggiungi->isEnabled();
}

void PannelloParola::parolaScritta() {
    const QString scritta =
        m_parola->text().trimmed().normalized(QString::NormalizationForm_C).toLower();
    // Written divided ("ca-sa"): the teacher's own division, shown as she wrote it.
    const QString parola = QString(scritta).remove(QLatin1Char('-'));
    Divisione divisione = Sillabazione::sillaba(parola);
    if (scritta.contains(QLatin1Char('-')))
        divisione = {scritta.split(QLatin1Char('-'), Qt::SkipEmptyParts), false, {}};
    m_divisione->mostra(parola, divisione);
    if (m_figuraOriginale.isNull())
        m_figura->mostraFigura(parola.isEmpty() ? QImage() : m_modello.figura(parola));
    aggiornaEsito();
}

void PannelloParola::aggiornaEsito() {
    const QStringList sillabe = m_divisione->sillabe();
    const QString parola = sillabe.join(QString());
    const ModelloListe::Destinazione d = ModelloListe::destinazione(sillabe);
    const bool stessa = !m_inModifica.isEmpty() &&
                        chiaveParola(m_inModifica.join(QString())) == chiaveParola(parola);
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
        QStringList liste, file, daRiparare;
        for (const QString &codice : d.codici) {
            const QString nome = TipoFileLista::daCifra(d.cifra)->nomeFile(codice);
            liste << didascalia(codice);
            file << nome;
            if (m_modello.errore(nome))
                daRiparare << nome;
        }
        testo = QStringLiteral("Parola di %1. Va nelle liste %2 (file %3).")
                    .arg(descriviFile(d.cifra).chopped(1) + QLatin1Char('e'),
                         liste.join(QStringLiteral(", ")), file.join(QStringLiteral(", ")));
        if (!daRiparare.isEmpty())
            testo += QStringLiteral("<br><span style='color:#B3261E'>Il gioco non legge %1: "
                                    "finché non lo ripari la parola non ci va.</span>")
                         .arg(daRiparare.join(QStringLiteral(", ")));
        if (!d.codici.contains(m_codice))
            testo += QStringLiteral(" Non è una parola della lista che stai guardando.");
        else if (d.cifra != m_cifra)
            testo += QStringLiteral(" Non va tra le parole che stai guardando (%1).")
                         .arg(descriviFile(m_cifra));
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
    m_titolo->setText(m_inModifica.isEmpty() ? QStringLiteral("<b>Nuova parola</b>")
                                             : QStringLiteral("<b>Modifica parola</b>"));
    m_aggiungi->setText(m_inModifica.isEmpty() ? QStringLiteral("Aggiungi")
                                               : QStringLiteral("Salva la modifica"));
    m_annulla->setVisible(!m_inModifica.isEmpty());
}

void PannelloParola::usaFileFigura(const QString &percorso) {
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

void PannelloParola::scegliFigura(const QString &cartella) {
    const QString percorso = QFileDialog::getOpenFileName(
        this, QStringLiteral("Scegli la figura"), cartella,
        QStringLiteral("Figure (*.png *.jpg *.jpeg *.svg *.PNG *.JPG *.JPEG *.SVG)"));
    if (!percorso.isEmpty())
        usaFileFigura(percorso);
}

void PannelloParola::svuota() {
    m_inModifica.clear();
    m_figuraOriginale = QImage();
    m_parola->clear();
    aggiornaEsito();
}

void PannelloParola::modifica(const QStringList &sillabe) {
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
