#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Draws a thick two-tone frame around whichever of the watched controls has the keyboard
// focus, once the keyboard has moved it, so a child playing from the keyboard sees at once
// where it is, whatever the colours around. The frame is a mouse-transparent sibling laid
// around the focused control, never over it, and follows its place and size.
class CorniceFuoco : public QObject {
    Q_OBJECT
public:
    explicit CorniceFuoco(QObject *parent);

    void segui(QWidget *controllo);
    // The control that shows the frame now, or nullptr.
    QWidget *incorniciato() const;

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void mostraSu(QWidget *controllo);
    void riposiziona();

    QPointer<QWidget> m_disegno;
    QPointer<QWidget> m_incorniciato;
    bool m_tastiera = false; // the keyboard has moved the focus since the window opened
};
