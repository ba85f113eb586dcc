#pragma once

#include <QList>
#include <QObject>

class QAbstractButton;
class QRadioButton;

// The list menu by keyboard alone: Tab reaches every button and check box, Enter presses them
// as Space does. In the list chooser the arrows move among the lists without choosing (up and
// down in a column, left and right across), Tab stays inside it, and Space or Enter chooses.
class TastieraMenu : public QObject {
    Q_OBJECT
public:
    TastieraMenu(const QList<QAbstractButton *> &pulsanti, const QList<QRadioButton *> &opzioni,
                 QObject *parent);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    bool muoviTraOpzioni(int qui, int tasto);

    QList<QRadioButton *> m_opzioni;
};
