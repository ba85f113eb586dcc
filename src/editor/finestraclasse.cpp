#include "editor/finestraclasse.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

#include "classe/impostazioniclasse.h"
#include "classe/registrorisultati.h"
#include "editor/paginaclasse.h"
#include "editor/paginarisultati.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

FinestraClasse::FinestraClasse(RisolutoreDati dati, QWidget *genitore)
    : QDialog(genitore)
    , m_dati(std::move(dati)) {
    setWindowTitle(QStringLiteral("Classe e risultati"));
    auto *colonna = new QVBoxLayout(this);
    auto *riga = new QHBoxLayout;
    riga->addWidget(new QLabel(QStringLiteral("Cartella della classe:"), this));
    m_cartella = new QLabel(this);
    m_cartella->setTextInteractionFlags(Qt::TextSelectableByMouse);
    riga->addWidget(m_cartella, 1);
    auto *scegli = new QPushButton(QStringLiteral("Scegli…"), this);
    auto *nessuna = new QPushButton(QStringLiteral("Nessuna"), this);
    scegli->setToolTip(QStringLiteral("Una cartella condivisa dai computer della classe"));
    riga->addWidget(scegli);
    riga->addWidget(nessuna);
    colonna->addLayout(riga);
    m_schede = new QTabWidget(this);
    colonna->addWidget(m_schede, 1);
    connect(scegli, &QPushButton::clicked, this, &FinestraClasse::scegliCartella);
    connect(nessuna, &QPushButton::clicked, this, [this] { impostaCartella({}); });
    costruisciPagine();
    resize(900, 700);
}

void FinestraClasse::scegliCartella() {
    const QString cartella = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Cartella della classe"), m_dati.cartellaClasse());
    if (!cartella.isEmpty())
        impostaCartella(cartella);
}

void FinestraClasse::impostaCartella(const QString &cartella) {
    impostaCartellaClasse(cartella);
    m_dati = RisolutoreDati(m_dati.cartellaApplicazione(), m_dati.cartellaUtente(), cartella);
    costruisciPagine();
    emit cartellaCambiata(cartella);
}

void FinestraClasse::costruisciPagine() {
    const QString classe = m_dati.cartellaClasse();
    const QString cartella = classe.isEmpty() ? m_dati.cartellaUtente() : classe;
    m_cartella->setText(classe.isEmpty()
                            ? QStringLiteral("nessuna: la classe sta nella tua cartella")
                            : QDir::toNativeSeparators(classe));
    const int scheda = std::max(0, m_schede->currentIndex());
    while (m_schede->count() > 0) {
        QWidget *pagina = m_schede->widget(0);
        m_schede->removeTab(0);
        delete pagina;
    }
    m_classe = new PaginaClasse(m_dati, cartella, m_schede);
    // Lines still waiting on this computer count too: each line has an id, so one moved over
    // meanwhile is never counted twice.
    QStringList cartelle{cartellaRisultati(cartella)};
    if (!classe.isEmpty() && !m_dati.cartellaUtente().isEmpty())
        cartelle << cartellaRisultatiInAttesa(m_dati.cartellaUtente());
    m_risultati = new PaginaRisultati(cartelle, m_schede);
    m_schede->addTab(m_classe, QStringLiteral("Classe"));
    m_schede->addTab(m_risultati, QStringLiteral("Risultati"));
    m_schede->setCurrentIndex(scheda);
}

void FinestraClasse::aggiungiAlMenu(QMainWindow *finestra, const RisolutoreDati &dati) {
    QAction *voce = finestra->menuBar()->addAction(
        QStringLiteral("Classe e risultati…"), finestra, [finestra, dati] {
            auto *classe = new FinestraClasse(dati, finestra);
            classe->setAttribute(Qt::WA_DeleteOnClose);
            classe->show();
        });
    voce->setObjectName(QStringLiteral("classeERisultati"));
}
