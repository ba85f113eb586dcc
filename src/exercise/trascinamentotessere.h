#pragma once

#include "classe/eventogioco.h"
#include "exercise/casella.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

// Moves syllable tiles by hand, with a mouse or a finger: a press on an enabled tile picks
// it up at once, the tile follows the pointer, and the release drops it on whatever slot lies
// under the release point. Afterwards the tile goes back to where it was; what becomes of its
// syllable is for whoever listens to `rilasciata`, which names the tile and the slot by the
// identities they were added with.
//
// A press and release that does not move past the platform's drag distance is a tap: it
// selects the tile, and a following tap on a slot drops it there. Tapping the selected tile
// again, or anything that is not a slot, lets it go.
class TrascinamentoTessere : public QObject {
    Q_OBJECT
public:
    // `superficie` holds the tiles and the slots as direct children.
    explicit TrascinamentoTessere(QWidget *superficie);

    void aggiungiTessera(QWidget *tessera, int indice);
    void aggiungiBersaglio(QWidget *bersaglio, Casella casella);
    // Watches every other child of the surface too, so a tap anywhere cancels a selection.
    void osservaSuperficie();

    // The tile picked up by a tap or the keyboard, waiting for its slot.
    QWidget *selezionata() const { return m_selezionata; }

    // Puts a tile that is being dragged back and forgets any selection.
    void annulla();
    // What a tap does, for the keyboard: select a free tile (nullptr lets it go), and drop the
    // selected tile on a slot.
    void scegli(QWidget *tessera);
    void posaSu(QWidget *bersaglio);
    // How the tile of the last `rilasciata` got there: a drag by mouse or by finger, a tap on
    // the tile then on the slot, or the keyboard (posaSu).
    Ingresso ingressoUltimoRilascio() const { return m_ingresso; }

signals:
    void rilasciata(int tessera, Casella casella);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    bool premi(QWidget *widget, const QPoint &globale);
    void sposta(const QPoint &globale);
    void rilascia(const QPoint &globale);

    bool eTessera(const QWidget *widget) const;
    void emettiRilascio(QWidget *tessera, QWidget *bersaglio, Ingresso ingresso);
    QWidget *bersaglioSotto(const QPoint &globale) const;
    void evidenziaBersaglio(QWidget *bersaglio);
    void seleziona(QWidget *tessera);
    void riponi();

    QWidget *m_superficie;
    QList<QPointer<QWidget>> m_tessere;
    QList<int> m_indici; // the index of each tile
    QList<QPointer<QWidget>> m_bersagli;
    QList<Casella> m_caselle; // the slot of each target

    QPointer<QWidget> m_trascinata;
    QPoint m_posizioneOriginale;
    QPoint m_presa;          // where the tile was picked up, relative to its corner
    QPoint m_puntoPressione; // global
    bool m_oltreSoglia = false;
    int m_dito = -1;                 // the touch point that drags, or -1 for the mouse
    QPointer<QWidget> m_sopraSotto;  // the widget just above the tile, to restore its stacking
    QPointer<QWidget> m_evidenziato; // the slot under the pointer while dragging
    QPointer<QWidget> m_selezionata;
    Ingresso m_ingresso = Ingresso::Mouse;
};
