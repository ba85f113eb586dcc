#include "editor/tesseraparola.h"

#include "core/figurasegnaposto.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TesseraParola::TesseraParola(const QStringList &sillabe, const QImage &figura,
                             const QStringList &problemi, QWidget *genitore)
    : QFrame(genitore)
    , m_sillabe(sillabe) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette bordo = palette();
    bordo.setColor(QPalette::WindowText,
                   problemi.isEmpty() ? QColor(0xC8, 0xC8, 0xC8) : QColor(0xB3, 0x26, 0x1E));
    setPalette(bordo);
    setLineWidth(problemi.isEmpty() ? 1 : 3);
    setObjectName(QStringLiteral("tessera-") + sillabe.join(QString()));
    setFixedWidth(Larghezza);
    auto *colonna = new QVBoxLayout(this);

    auto *immagine = new QLabel(this);
    immagine->setAlignment(Qt::AlignCenter);
    immagine->setFixedHeight(130);
    // What the game shows for a missing picture, so the teacher sees what a child would.
    const QPixmap mostrata = figura.isNull() ? figuraSegnaposto() : QPixmap::fromImage(figura);
    immagine->setPixmap(mostrata.scaled(160, 130, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    colonna->addWidget(immagine);

    auto *parola = new QLabel(sillabe.join(QStringLiteral(" - ")), this);
    QFont grande = parola->font();
    grande.setPointSize(18);
    grande.setBold(true);
    parola->setFont(grande);
    parola->setAlignment(Qt::AlignCenter);
    QPalette testo = parola->palette();
    testo.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::WindowText));
    parola->setPalette(testo); // the tile's own text colour is only for its border
    colonna->addWidget(parola);

    if (!problemi.isEmpty()) {
        auto *avvisi = new QLabel(problemi.join(QLatin1Char('\n')), this);
        avvisi->setObjectName(QStringLiteral("problemi"));
        avvisi->setWordWrap(true);
        colonna->addWidget(avvisi);
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
