#include "ui/adattatoreridimensionamento.h"

#include "ui/finestra.h"
#include "ui/twips.h"

#include <QAction>
#include <QPointer>
#include <QScreen>
#include <utility>

namespace {

using Proprieta = ControlloRidimensionabile::Proprieta;

// The tag is the dynamic property "Tag". A pass reads it from every control, and most have no
// dynamic property at all: asking for that first skips a name search through the meta-object
// that would cost more than the rest of the pass.
QString leggiTag(const QObject *oggetto) {
    if (!oggetto || oggetto->dynamicPropertyNames().isEmpty())
        return QString();
    return oggetto->property("Tag").toString();
}

class ControlloWidget : public ControlloRidimensionabile {
public:
    ControlloWidget(QWidget *widget, std::shared_ptr<BloccoDisegno> blocco)
        : m_widget(widget)
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

    QString tag() const override { return leggiTag(m_widget); }

private:
    QPointer<QWidget> m_widget;
    std::shared_ptr<BloccoDisegno> m_blocco;
};

// A menu item has no place or size; the resizer records zeros for it and leaves it alone.
class ControlloMenu : public ControlloRidimensionabile {
public:
    explicit ControlloMenu(QAction *voce)
        : m_voce(voce) {}
    std::optional<double> leggi(Proprieta) const override { return std::nullopt; }
    bool scrivi(Proprieta, double) override { return false; }
    void scriviGeometria(const Geometria &) override {}
    QString tag() const override { return leggiTag(m_voce); }

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
        return std::make_shared<ControlloWidget>(widget.at(i).widget, m_blocco);
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
