#pragma once

#include "classe/elencobambini.h"

#include <QList>
#include <QWidget>

class QPushButton;

// "Chi gioca?": one big button per child of the class, with the child's picture, over the whole
// menu. A touch, a click, or the arrows and Enter choose; the child's name is what `scelto`
// carries.
class SceltaBambino : public QWidget {
    Q_OBJECT
public:
    SceltaBambino(const QList<Bambino> &bambini, QWidget *genitore);

    QList<QPushButton *> pulsanti() const { return m_pulsanti; }

signals:
    void scelto(const QString &nome);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    QList<QPushButton *> m_pulsanti;
    int m_colonne = 1;
};

class RisolutoreDati;
