// The resizer's arithmetic on a fake window.
#include "core/modulo1.h"
#include "support/testdoubles.h"
#include "ui/clsresize.h"
#include "ui/finestra.h"
#include "ui/layouts.h"
#include "ui/nomicontrolli.h"

#include <QtTest>
#include <array>
#include <memory>

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

// A real window whose protected set-up step (the first thing every screen's load handler does)
// the tests can call.
struct FinestraDiProva : Finestra {
    using Finestra::Finestra;
    using Finestra::preparaRidimensionamento;
};

// Counts, per widget of one window, the geometry events it receives and the paints.
struct ContaEventi : QObject {
    explicit ContaEventi(QWidget *finestra)
        : finestra(finestra) {
        qApp->installEventFilter(this);
    }
    ~ContaEventi() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject *oggetto, QEvent *evento) override {
        auto *w = qobject_cast<QWidget *>(oggetto);
        if (w && (w == finestra || finestra->isAncestorOf(w))) {
            if (evento->type() == QEvent::Move)
                ++spostamenti[w];
            else if (evento->type() == QEvent::Resize)
                ++ridimensionamenti[w];
            disegni += evento->type() == QEvent::Paint;
        }
        return false;
    }
    QWidget *finestra;
    QHash<QWidget *, int> spostamenti, ridimensionamenti;
    int disegni = 0;
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

    // On a real window a pass sets each control's rectangle at once (one move and one resize,
    // not one per property) and follows a tag set at run time; a pass that changes nothing
    // repaints nothing.
    void finestraVeraUnaScritturaPerControllo() {
        AmbienteDiProva ambiente;
        auto finestra = std::make_unique<FinestraDiProva>(layoutDISEGNI1());
        finestra->preparaRidimensionamento();
        finestra->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));
        int visibili = 0;
        for (const auto &c : finestra->controlli()) {
            c.widget->setGeometry(c.widget->geometry().adjusted(7, 5, 20, 16));
            visibili += c.widget->isVisible() ? 1 : 0;
        }
        QVERIFY(visibili > 10);
        QWidget *soloPosto = finestra->controllo(NomiEsercizi::Image1, 0);
        finestra->impostaTag(NomiEsercizi::Image1, 0, QStringLiteral("@lt"));
        const QSize misuraLasciata = soloPosto->size();
        QCoreApplication::processEvents();
        {
            ContaEventi conta(finestra.get());
            Modulo1::Ridimensiona->ResizeControls();
            for (const auto &c : finestra->controlli()) {
                if (!c.widget->isVisible())
                    continue;
                QCOMPARE(conta.spostamenti.value(c.widget), 1);
                QCOMPARE(conta.ridimensionamenti.value(c.widget), c.widget == soloPosto ? 0 : 1);
            }
            QCOMPARE(soloPosto->size(), misuraLasciata);
            QTRY_VERIFY(conta.disegni > 0);
        }
        ContaEventi conta(finestra.get());
        Modulo1::Ridimensiona->ResizeControls();
        QTest::qWait(50);
        QCOMPARE(conta.spostamenti.size() + conta.ridimensionamenti.size(), 0);
        QCOMPARE(conta.disegni, 0);
    }
};

QTEST_MAIN(TestClsResize)
#include "tst_clsresize.moc"
