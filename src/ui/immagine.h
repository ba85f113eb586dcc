#pragma once

#include <QPixmap>
#include <QWidget>

// A picture area that stretches its picture to its own rectangle.
class Immagine : public QWidget {
    Q_OBJECT
public:
    explicit Immagine(QWidget *parent = nullptr);

    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
