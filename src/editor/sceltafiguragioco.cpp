#include "editor/sceltafiguragioco.h"

#include "core/lettorefigura.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SceltaFiguraGioco::SceltaFiguraGioco(const QString &cartella, QWidget *genitore)
    : QDialog(genitore)
    , m_cartella(cartella) {
    setWindowTitle(QStringLiteral("Figura del gioco"));
    auto *colonna = new QVBoxLayout(this);
    m_elenco = new QListWidget(this);
    m_elenco->setViewMode(QListView::IconMode);
    m_elenco->setIconSize(QSize(Lato, Lato));
    m_elenco->setGridSize(QSize(Lato + 40, Lato + 36));
    m_elenco->setResizeMode(QListView::Adjust);
    m_elenco->setMovement(QListView::Static);
    colonna->addWidget(m_elenco);
    auto *pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    pulsanti->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Usa questa"));
    pulsanti->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    colonna->addWidget(pulsanti);
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_elenco, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    const QStringList nomi =
        QDir(cartella).entryList({QStringLiteral("*.jpg"), QStringLiteral("*.JPG"),
                                  QStringLiteral("*.png"), QStringLiteral("*.PNG")},
                                 QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &nome : nomi) {
        // Decoded already small: a JPEG shrinks while it decodes.
        LettoreFigura figura(QDir(cartella).filePath(nome));
        QImage miniatura;
        if (figura.lettura().letto()) {
            QImageReader &lettore = figura.lettore();
            const QSize dimensione = lettore.size();
            if (dimensione.isValid())
                lettore.setScaledSize(dimensione.scaled(Lato, Lato, Qt::KeepAspectRatio));
            miniatura = lettore.read();
        }
        auto *voce = new QListWidgetItem(QIcon(QPixmap::fromImage(miniatura)),
                                         QFileInfo(nome).completeBaseName(), m_elenco);
        voce->setData(Qt::UserRole, nome);
    }
    resize(760, 560);
}

QString SceltaFiguraGioco::scelta() const {
    const QListWidgetItem *voce = m_elenco->currentItem();
    return voce ? QDir(m_cartella).filePath(voce->data(Qt::UserRole).toString()) : QString();
}
