#pragma once

#include "ui/clsresize.h"

#include <QSize>

class Finestra;

// Shows the resizer one of our windows: its controls and menu items in table order, with
// their geometry in twips, and the window's outer size and place.
class AdattatoreRidimensionamento : public FinestraRidimensionabile {
public:
    explicit AdattatoreRidimensionamento(Finestra &finestra)
        : m_finestra(finestra) {}

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
};
