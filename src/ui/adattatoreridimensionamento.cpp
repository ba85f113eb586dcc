#include "ui/adattatoreridimensionamento.h"

#include "ui/finestra.h"
#include "ui/twips.h"

#include <QAction>
#include <QPointer>
#include <QScreen>

namespace {

using Proprieta = ControlloRidimensionabile::Proprieta;

class ControlloWidget : public ControlloRidimensionabile {
public:
    explicit ControlloWidget(QWidget *widget)
        : m_widget(widget) {}

    std::optional<double> leggi(Proprieta proprieta) const override {
        if (!m_widget)
            return std::nullopt;
        return leggiTwips(m_widget, proprieta);
    }

    bool scrivi(Proprieta proprieta, double twips) override {
        if (!m_widget)
            return false;
        scriviTwips(m_widget, proprieta, twips);
        return true;
    }

    QString tag() const override {
        return m_widget ? m_widget->property("Tag").toString() : QString();
    }

private:
    QPointer<QWidget> m_widget;
};

// A menu item has no place or size; the resizer records zeros for it and leaves it alone.
class ControlloMenu : public ControlloRidimensionabile {
public:
    explicit ControlloMenu(QAction *voce)
        : m_voce(voce) {}
    std::optional<double> leggi(Proprieta) const override { return std::nullopt; }
    bool scrivi(Proprieta, double) override { return false; }
    QString tag() const override { return m_voce ? m_voce->property("Tag").toString() : QString(); }

private:
    QPointer<QAction> m_voce;
};

} // namespace

QSize AdattatoreRidimensionamento::margini() const {
    // The frame is known only once the window is on screen; before that there is none.
    if (!m_finestra.isVisible())
        return QSize(0, 0);
    const QRect esterno = m_finestra.frameGeometry();
    return QSize(esterno.width() - m_finestra.width(), esterno.height() - m_finestra.height());
}

int AdattatoreRidimensionamento::numeroControlli() const {
    return int(m_finestra.controlli().size() + m_finestra.vociMenu().size());
}

std::shared_ptr<ControlloRidimensionabile>
AdattatoreRidimensionamento::controlloNumero(int i) const {
    const auto &widget = m_finestra.controlli();
    if (i < 0 || i >= numeroControlli())
        return nullptr;
    if (i < widget.size())
        return std::make_shared<ControlloWidget>(widget.at(i).widget);
    return std::make_shared<ControlloMenu>(m_finestra.vociMenu().at(i - widget.size()).second);
}

double AdattatoreRidimensionamento::larghezzaCliente() const {
    return double(m_finestra.width()) * TwipsPerPixel;
}

double AdattatoreRidimensionamento::altezzaCliente() const {
    return double(m_finestra.height() - m_finestra.altezzaBarraMenu()) * TwipsPerPixel;
}

bool AdattatoreRidimensionamento::minimizzata() const {
    return m_finestra.isMinimized();
}

void AdattatoreRidimensionamento::impostaAngolo(float top, float left) {
    m_finestra.move(pixel(left), pixel(top));
}

void AdattatoreRidimensionamento::impostaAltezzaEsterna(double twips) {
    m_finestra.resize(m_finestra.width(), std::max(1, pixel(twips) - margini().height()));
    m_finestra.sistemaSuperficie(); // a hidden window gets no resize event until it is shown
}

void AdattatoreRidimensionamento::impostaLarghezzaEsterna(double twips) {
    m_finestra.resize(std::max(1, pixel(twips) - margini().width()), m_finestra.height());
    m_finestra.sistemaSuperficie();
}

double AdattatoreRidimensionamento::larghezzaSchermo() const {
    return double(m_finestra.screen()->geometry().width()) * TwipsPerPixel;
}

double AdattatoreRidimensionamento::altezzaSchermo() const {
    return double(m_finestra.screen()->geometry().height()) * TwipsPerPixel;
}

void AdattatoreRidimensionamento::sospendiDisegno() {
    m_finestra.setUpdatesEnabled(false);
}

void AdattatoreRidimensionamento::riprendiDisegno() {
    m_finestra.setUpdatesEnabled(true);
}
