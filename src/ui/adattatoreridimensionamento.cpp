#include "ui/adattatoreridimensionamento.h"

#include "ui/finestra.h"
#include "ui/twips.h"

#include <QAction>
#include <QPointer>
#include <QScreen>
#include <utility>

namespace {

using Proprieta = ControlloRidimensionabile::Proprieta;

class ControlloWidget : public ControlloRidimensionabile {
public:
    ControlloWidget(const Finestra &finestra, int numero, std::shared_ptr<BloccoDisegno> blocco)
        : m_finestra(finestra)
        , m_numero(numero)
        , m_widget(finestra.controlli().at(numero).widget)
        , m_blocco(std::move(blocco)) {}

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

    void scriviGeometria(const Geometria &geometria) override {
        if (!m_widget)
            return;
        const QRect attuale = m_widget->geometry();
        const QRect nuova = geometriaTwips(attuale, geometria);
        if (nuova == attuale)
            return;
        m_blocco->primaDiCambiare();
        m_widget->setGeometry(nuova);
    }

    // Kept by the window beside the control, so a pass reads it without a property look-up.
    QString tag() const override { return m_finestra.controlli().at(m_numero).tag; }

private:
    const Finestra &m_finestra;
    int m_numero;
    QPointer<QWidget> m_widget;
    std::shared_ptr<BloccoDisegno> m_blocco;
};

// A menu item has no place or size; the resizer records zeros for it and leaves it alone,
// so no tag could change what happens to it.
class ControlloMenu : public ControlloRidimensionabile {
public:
    std::optional<double> leggi(Proprieta) const override { return std::nullopt; }
    bool scrivi(Proprieta, double) override { return false; }
    void scriviGeometria(const Geometria &) override {}
    QString tag() const override { return QString(); }
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
        return std::make_shared<ControlloWidget>(m_finestra, i, m_blocco);
    return std::make_shared<ControlloMenu>();
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

void BloccoDisegno::primaDiCambiare() {
    if (m_passeAperte > 0 && !m_sospesa) {
        m_sospesa = m_finestra.superficie();
        m_sospesa->setUpdatesEnabled(false);
    }
}

void BloccoDisegno::apri() {
    ++m_passeAperte;
}

void BloccoDisegno::chiudi() {
    if (--m_passeAperte > 0 || !m_sospesa)
        return;
    std::exchange(m_sospesa, nullptr)->setUpdatesEnabled(true);
}

AdattatoreRidimensionamento::AdattatoreRidimensionamento(Finestra &finestra)
    : m_finestra(finestra)
    , m_blocco(std::make_shared<BloccoDisegno>(finestra)) {}

void AdattatoreRidimensionamento::sospendiDisegno() {
    m_blocco->apri();
}

void AdattatoreRidimensionamento::riprendiDisegno() {
    m_blocco->chiudi();
}
