#include "editor/paginaclasse.h"

#include "core/applicationfolder.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

PaginaClasse::PaginaClasse(RisolutoreDati dati, QString cartella, QWidget *genitore)
    : QWidget(genitore)
    , m_dati(std::move(dati))
    , m_cartella(std::move(cartella)) {
    auto *colonna = new QVBoxLayout(this);
    colonna->addWidget(new QLabel(
        QStringLiteral("I nomi dei bambini (solo il nome, senza cognome). Con una classe il gioco "
                       "chiede \"Chi gioca?\" e tiene i risultati di ognuno."),
        this));
    m_elenco = new QListWidget(this);
    m_elenco->setIconSize(QSize(48, 48));
    colonna->addWidget(m_elenco, 1);
    auto *riga = new QHBoxLayout;
    m_nome = new QLineEdit(this);
    m_nome->setPlaceholderText(QStringLiteral("Nome del bambino"));
    m_nome->setMaxLength(MassimaLunghezzaNome);
    m_figura = new QComboBox(this);
    m_figura->addItem(QStringLiteral("(nessuna figura)"), QString());
    for (const QString &nome : m_dati.nomiFile(CartelleDati::Immagini))
        m_figura->addItem(QFileInfo(nome).completeBaseName(), nome);
    auto *aggiungiPulsante = new QPushButton(QStringLiteral("Aggiungi"), this);
    auto *rinominaPulsante = new QPushButton(QStringLiteral("Cambia"), this);
    auto *togliPulsante = new QPushButton(QStringLiteral("Togli"), this);
    auto *salvaPulsante = new QPushButton(QStringLiteral("Salva la classe"), this);
    riga->addWidget(m_nome, 1);
    riga->addWidget(new QLabel(QStringLiteral("Figura:"), this));
    riga->addWidget(m_figura);
    riga->addWidget(aggiungiPulsante);
    riga->addWidget(rinominaPulsante);
    riga->addWidget(togliPulsante);
    colonna->addLayout(riga);
    auto *fondo = new QHBoxLayout;
    m_esito = new QLabel(this);
    m_esito->setWordWrap(true);
    fondo->addWidget(m_esito, 1);
    fondo->addWidget(salvaPulsante);
    colonna->addLayout(fondo);

    connect(aggiungiPulsante, &QPushButton::clicked, this, &PaginaClasse::aggiungi);
    connect(rinominaPulsante, &QPushButton::clicked, this, &PaginaClasse::rinomina);
    connect(togliPulsante, &QPushButton::clicked, this, &PaginaClasse::togli);
    connect(salvaPulsante, &QPushButton::clicked, this, &PaginaClasse::salva);
    connect(m_nome, &QLineEdit::returnPressed, this, &PaginaClasse::aggiungi);
    connect(m_elenco, &QListWidget::currentRowChanged, this, &PaginaClasse::selezionato);

    const ElencoBambini letto = leggiElencoBambini(percorso());
    m_bambini = letto.bambini;
    // What was left out of the file is said here, where the teacher can put it right.
    m_esito->setText(letto.avvisi.join(QLatin1Char('\n')));
    mostraElenco();
}

QString PaginaClasse::percorso() const {
    return percorsoElencoBambini(m_cartella);
}

void PaginaClasse::mostraElenco() {
    m_elenco->clear();
    for (const Bambino &b : m_bambini) {
        auto *voce = new QListWidgetItem(b.nome, m_elenco);
        const QPixmap figura = figuraBambino(m_dati, b.figura, QSize(48, 48));
        if (!figura.isNull())
            voce->setIcon(figura);
    }
}

void PaginaClasse::selezionato() {
    const int r = m_elenco->currentRow();
    if (r < 0 || r >= m_bambini.size())
        return;
    m_nome->setText(m_bambini.at(r).nome);
    m_figura->setCurrentIndex(std::max(0, m_figura->findData(m_bambini.at(r).figura)));
}

bool PaginaClasse::aggiungi() {
    QStringList altri;
    for (const Bambino &b : m_bambini)
        altri << b.nome;
    QString motivo = motivoNomeRifiutato(m_nome->text(), altri);
    if (motivo.isEmpty() && m_bambini.size() >= MassimoBambini)
        motivo = QStringLiteral("una classe ha al massimo %1 bambini").arg(MassimoBambini);
    if (!motivo.isEmpty()) {
        m_esito->setText(QStringLiteral("Non aggiungo il nome: %1.").arg(motivo));
        return false;
    }
    m_bambini.append({m_nome->text().trimmed(), m_figura->currentData().toString()});
    m_esito->setText(QStringLiteral("Aggiunto %1. Ricorda di salvare.").arg(m_bambini.last().nome));
    m_nome->clear();
    mostraElenco();
    return true;
}

bool PaginaClasse::rinomina() {
    const int r = m_elenco->currentRow();
    if (r < 0 || r >= m_bambini.size())
        return false;
    QStringList altri;
    for (int i = 0; i < m_bambini.size(); ++i)
        if (i != r)
            altri << m_bambini.at(i).nome;
    if (const QString motivo = motivoNomeRifiutato(m_nome->text(), altri); !motivo.isEmpty()) {
        m_esito->setText(QStringLiteral("Non cambio il nome: %1.").arg(motivo));
        return false;
    }
    // The results already recorded stay under the old name, in their own files.
    m_bambini[r] = {m_nome->text().trimmed(), m_figura->currentData().toString()};
    m_esito->setText(QStringLiteral("Cambiato. Ricorda di salvare."));
    mostraElenco();
    m_elenco->setCurrentRow(r);
    return true;
}

void PaginaClasse::togli() {
    const int r = m_elenco->currentRow();
    if (r < 0 || r >= m_bambini.size())
        return;
    m_esito->setText(QStringLiteral("Tolto %1: i suoi risultati restano finché non li cancelli "
                                    "in \"Risultati\". Ricorda di salvare.")
                         .arg(m_bambini.takeAt(r).nome));
    mostraElenco();
}

bool PaginaClasse::salva() {
    const QString errore = salvaElencoBambini(percorso(), m_bambini);
    m_esito->setText(
        errore.isEmpty()
            ? QStringLiteral("Classe salvata in %1.").arg(QDir::toNativeSeparators(percorso()))
            : errore);
    return errore.isEmpty();
}
