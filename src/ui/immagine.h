#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

// A picture area that stretches its picture to its own rectangle.
class Immagine : public QWidget {
    Q_OBJECT
public:
    // Gives the picture decoded at a size in device pixels.
    using Sorgente = std::function<QPixmap(const QSize &)>;

    explicit Immagine(QWidget *parent = nullptr);

    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    // Decodes the picture at the area's size now, and again whenever the area grows past the
    // size it was decoded at, so the picture stays sharp and never costs more than the area.
    void setSorgente(Sorgente sorgente);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void decodificaSeServe();

    QPixmap m_picture;
    Sorgente m_sorgente;
    QSize m_misuraDecodificata;
};
