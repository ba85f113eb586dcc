#pragma once

#include "exercise/casella.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

class CorniceFuoco;
class Esercizio;
class QAbstractButton;
class QWidget;
class TrascinamentoTessere;

// Plays an exercise from the keyboard alone. Tab and the arrow keys move the focus through
// the free tiles, then the slots, then "avanti" when it is lit; Space or Enter on a tile picks
// it up as a tap does and moves the focus to the slots; Space or Enter on a slot drops it
// there through the same path as a drag; Escape lets the tile go.
class TastieraTessere : public QObject {
    Q_OBJECT
public:
    // The exercise tells which slots are still empty: what a slot shows is for the child.
    TastieraTessere(TrascinamentoTessere &trascinamento, const Esercizio &esercizio,
                    QWidget *finestra, QAbstractButton *avanti);

    void aggiungiTessera(QWidget *tessera);
    void aggiungiCasella(QWidget *casella, Casella posto);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    // Where the focus goes, in reading order.
    QList<QWidget *> percorso() const;
    void segui(QWidget *controllo);
    void sposta(int passo);
    void conferma(QWidget *controllo);
    void lascia();
    void metti(QWidget *controllo);

    TrascinamentoTessere &m_trascinamento;
    const Esercizio &m_esercizio;
    QHash<QWidget *, Casella> m_posti;
    QWidget *m_finestra;
    QPointer<QAbstractButton> m_avanti;
    QList<QPointer<QWidget>> m_tessere;
    QList<QPointer<QWidget>> m_caselle;
    CorniceFuoco *m_cornice;
};
