#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

// A picture area that stretches its picture to its own rectangle.
class Immagine : public QWidget {
    Q_OBJECT
public:
    // Gives the picture decoded to cover a size in device pixels (the whole picture when it is
    // smaller); the area stretches it to fit.
    using Sorgente = std::function<QPixmap(const QSize &)>;

    explicit Immagine(QWidget *parent = nullptr);

    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    // Decodes the picture for the area's size now, and again whenever the area grows past the
    // picture it has, so the picture stays sharp and never costs much more than the area;
    // once the source gives fewer pixels than asked (the whole picture), never again.
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
