#pragma once

#include "ui/clsresize.h"

#include <QSize>
#include <memory>

class Finestra;
class QWidget;

// Redrawing of the window's client area, which holds every control, is held from the first
// control a pass really changes until the pass ends. Held, the writes cost no repaint each and
// the controls repaint once at the end; a pass that changes nothing never holds it, and so
// repaints nothing.
class BloccoDisegno {
public:
    explicit BloccoDisegno(Finestra &finestra)
        : m_finestra(finestra) {}
    void apri();
    void primaDiCambiare();
    void chiudi();

private:
    Finestra &m_finestra;
    QWidget *m_sospesa = nullptr;
    int m_passeAperte = 0;
};

// Shows the resizer one of our windows: its controls and menu items in table order, with
// their geometry in twips, and the window's outer size and place.
class AdattatoreRidimensionamento : public FinestraRidimensionabile {
public:
    explicit AdattatoreRidimensionamento(Finestra &finestra);

    Finestra &finestra() const { return m_finestra; }

    int numeroControlli() const override;
    std::shared_ptr<ControlloRidimensionabile> controlloNumero(int i) const override;
    double larghezzaCliente() const override;
    double altezzaCliente() const override;
    bool minimizzata() const override;
    void impostaAngolo(float top, float left) override;
    void impostaAltezzaEsterna(double twips) override;
    void impostaLarghezzaEsterna(double twips) override;
    double larghezzaSchermo() const override;
    double altezzaSchermo() const override;
    void sospendiDisegno() override;
    void riprendiDisegno() override;

private:
    QSize margini() const;

    Finestra &m_finestra;
    std::shared_ptr<BloccoDisegno> m_blocco;
};
