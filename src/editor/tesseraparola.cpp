#include "editor/tesseraparola.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TesseraParola::TesseraParola(const QStringList &sillabe, const QImage &figura,
                             const QStringList &problemi, QWidget *genitore)
    : QFrame(genitore)
    , m_sillabe(sillabe) {
    setFrameShape(QFrame::StyledPanel);
    setObjectName(QStringLiteral("tessera-") + sillabe.join(QString()));
    setFixedWidth(Larghezza);
    auto *colonna = new QVBoxLayout(this);

    auto *immagine = new QLabel(this);
    immagine->setAlignment(Qt::AlignCenter);
    immagine->setFixedHeight(130);
    if (figura.isNull())
        immagine->setText(QStringLiteral("(nessuna figura)"));
    else
        immagine->setPixmap(QPixmap::fromImage(figura).scaled(160, 130, Qt::KeepAspectRatio,
                                                              Qt::SmoothTransformation));
    colonna->addWidget(immagine);

    auto *parola = new QLabel(sillabe.join(QStringLiteral(" - ")), this);
    QFont grande = parola->font();
    grande.setPointSize(18);
    grande.setBold(true);
    parola->setFont(grande);
    parola->setAlignment(Qt::AlignCenter);
    colonna->addWidget(parola);

    if (!problemi.isEmpty()) {
        auto *avvisi = new QLabel(problemi.join(QLatin1Char('\n')), this);
        avvisi->setObjectName(QStringLiteral("problemi"));
        avvisi->setWordWrap(true);
        avvisi->setStyleSheet(QStringLiteral("color: #B3261E;"));
        colonna->addWidget(avvisi);
        setStyleSheet(QStringLiteral("TesseraParola { border: 2px solid #B3261E; }"));
    }

    auto *pulsanti = new QHBoxLayout;
    auto *modifica = new QPushButton(QStringLiteral("Modifica"), this);
    auto *togli = new QPushButton(QStringLiteral("Togli"), this);
    modifica->setObjectName(QStringLiteral("modifica"));
    togli->setObjectName(QStringLiteral("togli"));
    pulsanti->addWidget(modifica);
    pulsanti->addWidget(togli);
    colonna->addLayout(pulsanti);
    connect(modifica, &QPushButton::clicked, this, [this] { emit this->modifica(m_sillabe); });
    connect(togli, &QPushButton::clicked, this, [this] { emit this->togli(m_sillabe); });
}
