#include "editor/paginarisultati.h"

#include "core/finestremessaggio.h"
#include "core/transazionefile.h"
#include "editor/graficorisultati.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>

#include <algorithm>

namespace {

QString quantiBambini(int n) {
    return n == 1 ? QStringLiteral("1 bambino") : QStringLiteral("%1 bambini").arg(n);
}

QTableWidget *tabella(const QStringList &intestazioni, QWidget *genitore) {
    auto *t = new QTableWidget(0, int(intestazioni.size()), genitore);
    t->setHorizontalHeaderLabels(intestazioni);
    t->horizontalHeader()->setStretchLastSection(true);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return t;
}

void riempi(QTableWidget *t, const QList<QStringList> &righe) {
    t->setRowCount(int(righe.size()));
    for (int r = 0; r < righe.size(); ++r)
        for (int c = 0; c < righe.at(r).size(); ++c)
            t->setItem(r, c, new QTableWidgetItem(righe.at(r).at(c)));
}

} // namespace

PaginaRisultati::PaginaRisultati(QStringList cartelleRisultati, QWidget *genitore)
    : QWidget(genitore)
    , m_cartelle(std::move(cartelleRisultati)) {
    auto *colonna = new QVBoxLayout(this);
    auto *filtri = new QHBoxLayout;
    m_bambino = new QComboBox(this);
    m_bambino->setObjectName(QStringLiteral("bambino"));
    m_lista = new QComboBox(this);
    m_lista->setObjectName(QStringLiteral("listaRisultati"));
    m_date = new QCheckBox(QStringLiteral("Dal"), this);
    m_da = new QDateEdit(QDate::currentDate().addMonths(-1), this);
    m_a = new QDateEdit(QDate::currentDate(), this);
    for (QDateEdit *d : {m_da, m_a}) {
        d->setCalendarPopup(true);
        d->setEnabled(false);
    }
    filtri->addWidget(new QLabel(QStringLiteral("Bambino:"), this));
    filtri->addWidget(m_bambino);
    filtri->addWidget(new QLabel(QStringLiteral("Lista:"), this));
    filtri->addWidget(m_lista);
    filtri->addWidget(m_date);
    filtri->addWidget(m_da);
    filtri->addWidget(new QLabel(QStringLiteral("al"), this));
    filtri->addWidget(m_a);
    filtri->addStretch();
    colonna->addLayout(filtri);

    m_sommario = new QLabel(this);
    m_sommario->setWordWrap(true);
    colonna->addWidget(m_sommario);
    m_grafico = new GraficoRisultati(this);
    colonna->addWidget(m_grafico, 2);
    auto *tabelle = new QHBoxLayout;
    m_confusioni = tabella({QStringLiteral("Confusioni")}, this);
    m_parole = tabella({QStringLiteral("Parola"), QStringLiteral("Tentativi sbagliati")}, this);
    tabelle->addWidget(m_confusioni);
    tabelle->addWidget(m_parole);
    colonna->addLayout(tabelle, 3);

    auto *azioni = new QHBoxLayout;
    auto *esporta = new QPushButton(QStringLiteral("Esporta in CSV…"), this);
    m_cancellaBambino = new QPushButton(this);
    auto *cancellaTutti = new QPushButton(QStringLiteral("Cancella tutti i risultati…"), this);
    azioni->addWidget(esporta);
    azioni->addStretch();
    azioni->addWidget(m_cancellaBambino);
    azioni->addWidget(cancellaTutti);
    colonna->addLayout(azioni);

    connect(m_bambino, &QComboBox::currentIndexChanged, this, &PaginaRisultati::mostra);
    connect(m_lista, &QComboBox::currentIndexChanged, this, &PaginaRisultati::mostra);
    connect(m_date, &QCheckBox::toggled, this, [this](bool attive) {
        m_da->setEnabled(attive);
        m_a->setEnabled(attive);
        mostra();
    });
    connect(m_da, &QDateEdit::dateChanged, this, &PaginaRisultati::mostra);
    connect(m_a, &QDateEdit::dateChanged, this, &PaginaRisultati::mostra);
    connect(esporta, &QPushButton::clicked, this, &PaginaRisultati::esporta);
    connect(m_cancellaBambino, &QPushButton::clicked, this,
            [this] { cancella(m_bambino->currentData().toString()); });
    connect(cancellaTutti, &QPushButton::clicked, this, [this] { cancella({}); });
    ricarica();
}

void PaginaRisultati::ricarica() {
    m_eventi = leggiRisultatiLetti(m_cartelle);
    const QString bambino = m_bambino->currentData().toString();
    const QString lista = m_lista->currentData().toString();
    const QSignalBlocker b1(m_bambino), b2(m_lista);
    m_bambino->clear();
    m_bambino->addItem(QStringLiteral("Tutta la classe"), QString());
    QSet<QString> visti;
    for (const std::vector<EventoLetto> &file : m_eventi.perFile) {
        if (!file.empty())
            visti.insert(m_eventi.testo(file.front().bambino));
    }
    QStringList nomi(visti.cbegin(), visti.cend());
    nomi.sort();
    for (const QString &nome : nomi)
        m_bambino->addItem(nome, nome);
    m_bambino->setCurrentIndex(std::max(0, m_bambino->findData(bambino)));
    m_lista->clear();
    m_lista->addItem(QStringLiteral("Tutte le liste"), QString());
    for (const QString &l : listeNeiRisultati(m_eventi))
        m_lista->addItem(l, l);
    m_lista->setCurrentIndex(std::max(0, m_lista->findData(lista)));
    mostra();
}

FiltroRisultati PaginaRisultati::filtro() const {
    FiltroRisultati f;
    f.lista = m_lista->currentData().toString();
    if (m_date->isChecked()) {
        f.da = m_da->date();
        f.a = m_a->date();
    }
    return f;
}

void PaginaRisultati::scegliBambino(const QString &nome) {
    m_bambino->setCurrentIndex(std::max(0, m_bambino->findData(nome)));
}

void PaginaRisultati::impostaFiltro(const FiltroRisultati &f) {
    const QSignalBlocker b1(m_lista), b2(m_date), b3(m_da), b4(m_a);
    m_lista->setCurrentIndex(std::max(0, m_lista->findData(f.lista)));
    m_date->setChecked(f.da.isValid() || f.a.isValid());
    m_da->setEnabled(m_date->isChecked());
    m_a->setEnabled(m_date->isChecked());
    m_da->setDate(f.da.isValid() ? f.da : QDate(2000, 1, 1));
    m_a->setDate(f.a.isValid() ? f.a : QDate(2999, 12, 31));
    mostra();
}

void PaginaRisultati::mostra() {
    m_riepilogo = riepiloga(m_eventi, filtro());
    const QString bambino = m_bambino->currentData().toString();
    m_cancellaBambino->setVisible(!bambino.isEmpty());
    m_cancellaBambino->setText(QStringLiteral("Cancella i risultati di %1…").arg(bambino));
    QList<QStringList> confusioni, parole;
    if (bambino.isEmpty()) {
        // The class as a whole: which lists, which confusions most children share.
        QMap<QDate, GiornoGrafico> perGiorno;
        int giuste = 0, sbagliate = 0;
        for (const RiepilogoBambino &r : m_riepilogo.bambini) {
            giuste += r.giuste;
            sbagliate += r.sbagliate;
            for (const GiornoGrafico &g : r.grafico) {
                GiornoGrafico &somma = perGiorno[g.giorno];
                somma.giorno = g.giorno;
                somma.giuste += g.giuste;
                somma.sbagliate += g.sbagliate;
            }
        }
        m_grafico->impostaGiorni(perGiorno.values());
        QStringList liste;
        for (const ListaPraticata &l : m_riepilogo.liste)
            liste << QStringLiteral("%1 (%2)").arg(l.lista, quantiBambini(l.bambini));
        m_sommario->setText(QStringLiteral("Tutta la classe: %1 bambini, %2 giuste e %3 sbagliate. "
                                           "Liste praticate: %4.")
                                .arg(m_riepilogo.bambini.size())
                                .arg(giuste)
                                .arg(sbagliate)
                                .arg(liste.isEmpty() ? QStringLiteral("nessuna")
                                                     : liste.join(QStringLiteral(", "))));
        for (const Confusione &c : m_riepilogo.confusioni)
            confusioni << QStringList{testoConfusione(c) +
                                      QStringLiteral(" (%1)").arg(quantiBambini(c.bambini))};
        for (const ParolaTentativi &p : m_riepilogo.parole)
            parole << QStringList{
                p.parola, QStringLiteral("%1 (%2)").arg(p.sbagliate).arg(quantiBambini(p.bambini))};
    } else {
        const auto it =
            std::find_if(m_riepilogo.bambini.cbegin(), m_riepilogo.bambini.cend(),
                         [&](const RiepilogoBambino &r) { return r.bambino == bambino; });
        const RiepilogoBambino r = it == m_riepilogo.bambini.cend() ? RiepilogoBambino{} : *it;
        m_grafico->impostaGiorni(r.grafico);
        m_sommario->setText(QStringLiteral("%1: %2 giorni di gioco, %3 esercizi completati, %4 "
                                           "giuste e %5 sbagliate.")
                                .arg(bambino)
                                .arg(r.giorni)
                                .arg(r.completati)
                                .arg(r.giuste)
                                .arg(r.sbagliate));
        for (const Confusione &c : r.confusioni)
            confusioni << QStringList{testoConfusione(c)};
        for (const ParolaTentativi &p : r.parole)
            parole << QStringList{p.parola, QString::number(p.sbagliate)};
    }
    riempi(m_confusioni, confusioni);
    riempi(m_parole, parole);
}

QString PaginaRisultati::esportaCsv(const QString &percorso) const {
    return TransazioneFile::scriviFile(percorso, riepilogoInCsv(m_riepilogo));
}

void PaginaRisultati::esporta() {
    const QString percorso = QFileDialog::getSaveFileName(
        this, QStringLiteral("Esporta i risultati"), QStringLiteral("risultati.csv"),
        QStringLiteral("CSV (*.csv)"));
    if (percorso.isEmpty())
        return;
    if (const QString errore = esportaCsv(percorso); !errore.isEmpty())
        mostraMessaggio(errore, IconaMessaggio::Critica);
}

void PaginaRisultati::cancella(const QString &bambino) {
    const QString domanda =
        bambino.isEmpty()
            ? QStringLiteral("Vuoi cancellare i risultati di tutti i bambini? Non si possono "
                             "recuperare.")
            : QStringLiteral("Vuoi cancellare tutti i risultati di %1? Non si possono "
                             "recuperare.")
                  .arg(bambino);
    if (!chiediSiNo(domanda, Pulsante::No))
        return;
    const QStringList rimasti = cancellaRisultati(m_cartelle, bambino);
    if (!rimasti.isEmpty())
        mostraMessaggio(QStringLiteral("Non sono riuscito a cancellare: %1")
                            .arg(rimasti.join(QStringLiteral(", "))),
                        IconaMessaggio::Critica);
    ricarica();
}
