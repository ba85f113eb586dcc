#include "editor/riparazionelista.h"

#include "editor/modelloliste.h"
#include "liste/lettorelista.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

AnalisiLista analizzaLista(const QString &testo, int sillabePerParola) {
    AnalisiLista analisi;
    QStringList righe = testo.split(QLatin1Char('\n'));
    for (QString &riga : righe)
        if (riga.endsWith(QLatin1Char('\r')))
            riga.chop(1);
    for (int i = 0; i < righe.size(); ++i) {
        const QString &riga = righe[i];
        RisultatoLettura letta = leggiTestoListaParole(riga, sillabePerParola, QString());
        QString motivo;
        if (letta.errore)
            motivo = letta.errore->dettaglio;
        else if (letta.tabella.numeroRighe() > 1)
            motivo = QStringLiteral("sulla riga ci sono più sillabe di quante ne ha una parola "
                                    "(%1).")
                         .arg(sillabePerParola);
        else if (letta.tabella.numeroRighe() == 1 && analisi.parole.size() >= MassimoParole)
            motivo =
                QStringLiteral("una lista può contenere al massimo %1 parole.").arg(MassimoParole);
        if (!motivo.isEmpty()) {
            analisi.numeroRiga = i + 1;
            analisi.rigaGuasta = riga;
            analisi.motivo = motivo;
            analisi.righeDopo = righe.mid(i + 1);
            return analisi;
        }
        analisi.righePrima << riga;
        if (letta.tabella.numeroRighe() == 1) {
            QStringList sillabe;
            for (int colonna = 1; colonna <= sillabePerParola; ++colonna)
                sillabe << letta.tabella(1, colonna);
            analisi.parole << sillabe;
        }
    }
    return analisi;
}

QString AnalisiLista::testoCon(const QString &correzione) const {
    QStringList righe = righePrima;
    if (!correzione.isNull())
        righe << correzione;
    righe << righeDopo;
    return righe.join(QStringLiteral("\r\n"));
}

RiparazioneLista::RiparazioneLista(ModelloListe &modello, const QString &nomeFile,
                                   const QString &testo, QWidget *genitore)
    : QDialog(genitore)
    , m_modello(modello)
    , m_nome(nomeFile)
    , m_sillabe(ModelloListe::sillabePerParola(nomeFile.section(QLatin1Char('.'), 0, 0).right(1))) {
    setWindowTitle(QStringLiteral("Ripara %1").arg(nomeFile));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *colonna = new QVBoxLayout(this);
    m_guasto = new QLabel(this);
    m_guasto->setObjectName(QStringLiteral("guasto"));
    m_guasto->setWordWrap(true);
    colonna->addWidget(m_guasto);
    colonna->addWidget(
        new QLabel(QStringLiteral("Le parole lette prima della riga sbagliata:"), this));
    m_prima = new QListWidget(this);
    m_prima->setObjectName(QStringLiteral("primaDelGuasto"));
    colonna->addWidget(m_prima, 1);
    colonna->addWidget(
        new QLabel(QStringLiteral("La riga sbagliata (puoi correggerla qui):"), this));
    m_riga = new QLineEdit(this);
    m_riga->setObjectName(QStringLiteral("rigaGuasta"));
    colonna->addWidget(m_riga);
    auto *pulsanti = new QDialogButtonBox(this);
    auto *togli =
        pulsanti->addButton(QStringLiteral("Togli la riga"), QDialogButtonBox::ActionRole);
    togli->setObjectName(QStringLiteral("togliRiga"));
    auto *correggi =
        pulsanti->addButton(QStringLiteral("Correggi la riga"), QDialogButtonBox::ActionRole);
    correggi->setObjectName(QStringLiteral("correggiRiga"));
    pulsanti->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
    colonna->addWidget(pulsanti);
    connect(togli, &QPushButton::clicked, this, &RiparazioneLista::togliRiga);
    connect(correggi, &QPushButton::clicked, this, [this] { correggiRiga(m_riga->text()); });
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(560, 480);
    mostra(testo);
}

void RiparazioneLista::mostra(const QString &testo) {
    m_analisi = analizzaLista(testo, m_sillabe);
    if (m_analisi.integra()) {
        m_modello.ripara(m_nome, m_analisi.parole);
        emit riparata(m_nome);
        accept();
        return;
    }
    m_guasto->setText(QStringLiteral("<b>%1, riga %2:</b> %3")
                          .arg(m_nome)
                          .arg(m_analisi.numeroRiga)
                          .arg(m_analisi.motivo.toHtmlEscaped()));
    m_prima->clear();
    for (const QStringList &sillabe : m_analisi.parole)
        m_prima->addItem(sillabe.join(QLatin1Char('-')));
    m_riga->setText(m_analisi.rigaGuasta);
}

void RiparazioneLista::togliRiga() {
    mostra(m_analisi.testoCon(QString()));
}

void RiparazioneLista::correggiRiga(const QString &riga) {
    mostra(m_analisi.testoCon(riga.isNull() ? QStringLiteral("") : riga));
}
