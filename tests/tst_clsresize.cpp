// The resizer's arithmetic on a fake window.
#include "ui/clsresize.h"

#include <QtTest>
#include <array>

namespace {

using Proprieta = ControlloRidimensionabile::Proprieta;

// Geometry kept as plain doubles, so every value the resizer hands over is compared exactly.
struct ControlloFinto : ControlloRidimensionabile {
    std::array<double, 4> valori;
    QString etichetta;
    std::optional<double> leggi(Proprieta p) const override { return valori[int(p)]; }
    bool scrivi(Proprieta p, double twips) override {
        valori[int(p)] = twips;
        return true;
    }
    QString tag() const override { return etichetta; }
};

// A borderless window on a 1024 x 768 display: setting an outer size sets the client size.
struct FinestraFinta : FinestraRidimensionabile {
    std::shared_ptr<ControlloFinto> aggiungi(std::array<double, 4> valori, QString tag = {}) {
        controlli.append(std::make_shared<ControlloFinto>());
        controlli.last()->valori = valori;
        controlli.last()->etichetta = tag;
        return controlli.last();
    }
    int numeroControlli() const override { return int(controlli.size()); }
    std::shared_ptr<ControlloRidimensionabile> controlloNumero(int i) const override {
        return controlli.value(i);
    }
    double larghezzaCliente() const override { return larghezza; }
    double altezzaCliente() const override { return altezza; }
    bool minimizzata() const override { return ridotta; }
    void impostaAngolo(float top, float left) override { angolo = QPointF(left, top); }
    void impostaAltezzaEsterna(double twips) override { altezza = twips; }
    void impostaLarghezzaEsterna(double twips) override { larghezza = twips; }
    double larghezzaSchermo() const override { return 15360; }
    double altezzaSchermo() const override { return 11520; }
    void sospendiDisegno() override {}
    void riprendiDisegno() override {}

    // Recording is the resizer's first pass, so tests add their controls first.
    void registra() {
        resize.setSourceForm(this);
        resize.ResizeControls();
    }
    clsResize resize;
    QList<std::shared_ptr<ControlloFinto>> controlli;
    double larghezza = 9000, altezza = 6000;
    bool ridotta = false;
    QPointF angolo;
};

} // namespace

class TestClsResize : public QObject {
    Q_OBJECT

private slots:
    // The first pass records whole twips (halves to even) and moves nothing; the next scales
    // each record by the client's change, for the properties its tag names ("@" then LTWH).
    void registraPoiScala() {
        FinestraFinta finestra;
        const QStringList tag{"", "LT", "@LT", "@wh", "@H", "@"};
        for (const QString &t : tag)
            finestra.aggiungi({100.4, 200.5, 300.5, 401.5}, t);
        finestra.registra();
        QCOMPARE(finestra.controlli[0]->valori,
                 (std::array<double, 4>{100.4, 200.5, 300.5, 401.5}));
        QCOMPARE(finestra.resize.RecordedHeight(), 6000);
        for (auto &c : finestra.controlli)
            c->valori = {7, 7, 7, 7}; // as a drag would leave them
        finestra.larghezza = 18000;
        finestra.altezza = 3000;
        finestra.resize.ResizeControls();
        const QStringList attesi{"200 100 600 201", "200 100 600 201", "200 100 7 7",
                                 "7 7 600 201",     "7 7 7 201",       "7 7 7 7"};
        for (int i = 0; i < tag.size(); ++i) {
            const auto &v = finestra.controlli[i]->valori;
            QCOMPARE(QStringLiteral("%1 %2 %3 %4").arg(v[0]).arg(v[1]).arg(v[2]).arg(v[3]),
                     attesi[i]);
        }
    }

    // Three quarters of the display, centred, and the controls scaled to the new client.
    void dimensionaASchermo() {
        FinestraFinta finestra;
        finestra.larghezza = 5760;
        finestra.altezza = 2880;
        auto c = finestra.aggiungi({900, 600, 90, 60});
        finestra.resize.setSourceForm(&finestra);
        finestra.resize.SizeFormToScreen(75);
        QCOMPARE(finestra.angolo, QPointF(1920, 1440));
        QCOMPARE(finestra.larghezza, 11520.0);
        QCOMPARE(finestra.altezza, 8640.0);
        QCOMPARE(c->valori, (std::array<double, 4>{1800, 1800, 180, 180}));
    }
};

QTEST_GUILESS_MAIN(TestClsResize)
#include "tst_clsresize.moc"
