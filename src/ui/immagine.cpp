#include "ui/immagine.h"

#include <QPainter>

Immagine::Immagine(QWidget *parent)
    : QWidget(parent) {}

void Immagine::setPicture(const QPixmap &picture) {
    m_picture = picture;
    update();
}

void Immagine::paintEvent(QPaintEvent *) {
    if (m_picture.isNull())
        return;
    QPainter pittore(this);
    pittore.setRenderHint(QPainter::SmoothPixmapTransform);
    pittore.drawPixmap(rect(), m_picture);
}
