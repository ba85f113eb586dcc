#include "ui/immagine.h"

#include <QPainter>

Immagine::Immagine(QWidget *parent)
    : QWidget(parent) {}

void Immagine::setPicture(const QPixmap &picture) {
    m_sorgente = nullptr;
    m_picture = picture;
    update();
}

void Immagine::setSorgente(Sorgente sorgente) {
    m_sorgente = std::move(sorgente);
    m_misuraDecodificata = QSize();
    decodificaSeServe();
}

void Immagine::decodificaSeServe() {
    const QSize misura = (QSizeF(size()) * devicePixelRatioF()).toSize();
    if (!m_sorgente || misura.isEmpty())
        return;
    // A smaller area draws the larger picture it has; only growing calls for more pixels.
    if (m_misuraDecodificata.isValid() && misura.width() <= m_misuraDecodificata.width() &&
        misura.height() <= m_misuraDecodificata.height())
        return;
    m_picture = m_sorgente(misura);
    // The area may grow up to the picture it has; a source that gives fewer pixels than asked
    // has no more to give, so the area may then grow as it likes.
    m_misuraDecodificata = m_picture.size();
    if (m_picture.width() < misura.width() || m_picture.height() < misura.height())
        m_misuraDecodificata = QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    update();
}

void Immagine::paintEvent(QPaintEvent *) {
    if (m_picture.isNull())
        return;
    QPainter pittore(this);
    pittore.setRenderHint(QPainter::SmoothPixmapTransform);
    pittore.drawPixmap(rect(), m_picture);
}

void Immagine::resizeEvent(QResizeEvent *) {
    decodificaSeServe();
}
