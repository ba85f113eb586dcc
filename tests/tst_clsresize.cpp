#include "core/modulo1.h"
#include "support/schermate.h"
#include "support/testdoubles.h"
#include "ui/clsresize.h"
#include "ui/finestra.h"
#include "ui/layouts.h"
#include "ui/registrofinestre.h"

#include <QMenuBar>
#include <QtTest>
#include <array>
#include <cmath>
#include <memory>

namespace {

using Proprieta = ControlloRidimensionabile::Proprieta;

QString nomeProprieta(Proprieta proprieta) {
    switch (proprieta) {
    case Proprieta::Left:
        return QStringLiteral("Left");
    case Proprieta::Top:
        return QStringLiteral("Top");
    case Proprieta::Width:
        return QStringLiteral("Width");
    case Proprieta::Height:
        return QStringLiteral("Height");
    }
    return QString();
}

// A control that keeps its geometry as plain doubles, so every value the resizer hands over can
// be compared exactly as it was computed. It can refuse to be read or written per property.
class ControlloFinto : public ControlloRidimensionabile {
public:
    ControlloFinto(const QString &nome, QStringList *eventi, double left, double top, double width,
                   double height)
        : nome(nome)
        , valori{left, top, width, height}
        , m_eventi(eventi) {}

    std::optional<double> leggi(Proprieta proprieta) const override {
        ++letture[int(proprieta)];
        if (!leggibile[int(proprieta)])
            return std::nullopt;
        return valori[int(proprieta)];
    }

    bool scrivi(Proprieta proprieta, double twips) override {
        scritture.append(proprieta);
        m_eventi->append(nome + QLatin1Char('.') + nomeProprieta(proprieta));
        if (rifiutata[int(proprieta)])
            return false;
        valori[int(proprieta)] = twips;
        return true;
    }

    QString tag() const override { return etichetta; }

    void sposta(double left, double top, double width, double height) {
        valori = {left, top, width, height};
    }
    QRectF geometria() const { return QRectF(valori[0], valori[1], valori[2], valori[3]); }
    void rendiIlleggibile() { leggibile = {false, false, false, false}; }
    void rifiutaTutto() { rifiutata = {true, true, true, true}; }

    QString nome;
    std::array<double, 4> valori;
    std::array<bool, 4> leggibile{true, true, true, true};
    std::array<bool, 4> rifiutata{false, false, false, false};
    mutable std::array<int, 4> letture{0, 0, 0, 0};
    QList<Proprieta> scritture;
    QString etichetta;

private:
    QStringList *m_eventi;
};

// A window whose client size, display and state are set by the test. Every call the resizer
// makes on it, and every write on its controls, goes into one list in the order it happened.
// Setting an outer size sets the client size to it minus the borders.
class FinestraFinta : public FinestraRidimensionabile {
public:
    explicit FinestraFinta(double larghezza = 9000, double altezza = 6000)
        : larghezza(larghezza)
        , altezza(altezza) {}
    FinestraFinta(const FinestraFinta &) = delete;
    FinestraFinta &operator=(const FinestraFinta &) = delete;

    std::shared_ptr<ControlloFinto> aggiungi(const QString &nome, double left, double top,
                                             double width, double height) {
        auto controllo = std::make_shared<ControlloFinto>(nome, &eventi, left, top, width, height);
        controlli.append(controllo);
        return controllo;
    }

    int numeroControlli() const override { return int(controlli.size()); }
    std::shared_ptr<ControlloRidimensionabile> controlloNumero(int i) const override {
        return controlli.value(i);
    }
    double larghezzaCliente() const override { return larghezza; }
    double altezzaCliente() const override { return altezza; }
    bool minimizzata() const override { return ridotta; }
    void impostaAngolo(float top, float left) override {
        eventi.append(QStringLiteral("angolo"));
        angoloTop = top;
        angoloLeft = left;
    }
    void impostaAltezzaEsterna(double twips) override {
        eventi.append(QStringLiteral("altezza"));
        altezzaEsterna = twips;
        altezza = twips - bordoVerticale;
    }
    void impostaLarghezzaEsterna(double twips) override {
        eventi.append(QStringLiteral("larghezza"));
        larghezzaEsterna = twips;
        larghezza = twips - bordoOrizzontale;
    }
    double larghezzaSchermo() const override { return schermoLarghezza; }
    double altezzaSchermo() const override { return schermoAltezza; }
    void sospendiDisegno() override {
        eventi.append(QStringLiteral("sospendi"));
        ++sospensioni;
    }
    void riprendiDisegno() override {
        eventi.append(QStringLiteral("riprendi"));
        ++riprese;
    }

    int totaleScritture() const {
        int totale = 0;
        for (const auto &c : controlli)
            totale += int(c->scritture.size());
        return totale;
    }

    QList<std::shared_ptr<ControlloFinto>> controlli;
    double larghezza;
    double altezza;
    bool ridotta = false;
    double bordoOrizzontale = 0;
    double bordoVerticale = 0;
    double schermoLarghezza = 15360; // 1024 x 768 pixels
    double schermoAltezza = 11520;
    float angoloTop = -1;
    float angoloLeft = -1;
    double altezzaEsterna = -1;
    double larghezzaEsterna = -1;
    int sospensioni = 0;
    int riprese = 0;
    QStringList eventi;
};

// A resizer bound to the window whose first pass has recorded the layout.
clsResize resizerRegistrato(FinestraRidimensionabile &finestra) {
    clsResize resize;
    resize.setSourceForm(&finestra);
    resize.ResizeControls();
    return resize;
}

QRect registrato(const clsResize::ControlLayout &voce) {
    return QRect(voce.Left, voce.Top, voce.Width, voce.Height);
}

const QList<Proprieta> TutteLeProprieta = {Proprieta::Left, Proprieta::Top, Proprieta::Width,
                                           Proprieta::Height};

QStringList scrittureDi(const QString &nome, const QList<Proprieta> &proprieta) {
    QStringList voci;
    for (Proprieta p : proprieta)
        voci.append(nome + QLatin1Char('.') + nomeProprieta(p));
    return voci;
}

// A real window whose protected set-up step (the first thing every screen's load handler does)
// the tests can call.
class FinestraDiProva : public Finestra {
public:
    using Finestra::Finestra;
    using Finestra::preparaRidimensionamento;
};

// Widget geometry is whole pixels, so a scaled twip value may land half a pixel either way.
bool entroUnPixel(const QRect &attuale, const QRectF &atteso) {
    return std::abs(attuale.x() - atteso.x()) <= 1.0 && std::abs(attuale.y() - atteso.y()) <= 1.0 &&
           std::abs(attuale.width() - atteso.width()) <= 1.0 &&
           std::abs(attuale.height() - atteso.height()) <= 1.0;
}

QString descrivi(const QRect &attuale, const QRectF &atteso) {
    return QStringLiteral("got %1,%2 %3x%4, expected %5,%6 %7x%8")
        .arg(attuale.x())
        .arg(attuale.y())
        .arg(attuale.width())
        .arg(attuale.height())
        .arg(atteso.x())
        .arg(atteso.y())
        .arg(atteso.width())
        .arg(atteso.height());
}

// Position in the resizer's layout of a control of the real window: controls come first, in
// the order of the layout table.
int posizioneNelLayout(const Finestra &finestra, const QString &nome, int indice) {
    const auto &controlli = finestra.definizione().controlli;
    for (int i = 0; i < controlli.size(); ++i) {
        if (controlli[i].nome == nome && controlli[i].indice == indice)
            return i;
    }
    return -1;
}

// Design geometry of the tile "Label1"(0) on DISEGNI1 and the client it was drawn on, in twips.
const QRectF TesseraDisegnata(120, 3240, 1035, 615);
constexpr double ClienteDisegnatoLarghezza = 9435;
constexpr double ClienteDisegnatoAltezza = 6135;

} // namespace

class TestClsResize : public QObject {
    Q_OBJECT

private slots:
    // Recording
    void primaPassataRegistraSenzaSpostare();
    void registrazioneArrotondaAlPari_data();
    void registrazioneArrotondaAlPari();
    void proprietaIlleggibileRestaZero();

    // Scaling passes
    void passataScalaConIRapportiDelCliente_data();
    void passataScalaConIRapportiDelCliente();
    void passataScriveInOrdineADisegnoSospeso();
    void controlloSpostatoTornaAlPostoRegistrato();
    void finestraRidottaNonVieneToccata();
    void direttivaDelTagSceglieLeProprieta_data();
    void direttivaDelTagSceglieLeProprieta();
    void scritturaRifiutataVieneSaltata();
    void misuraRegistrataNullaNonDivide_data();
    void misuraRegistrataNullaNonDivide();

    // Sizing to the display
    void dimensionaASchermo_data();
    void dimensionaASchermo();
    void dimensionaASchermoAngoloPoiAltezzaPoiLarghezza();

    void reinizializzaPrendeLeMisureAttuali();

    // A real window on the 1024 x 768 test screen
    void finestraVeraAiTreQuartiDelloSchermo();
    void finestraVeraRegistraLeVociDiMenuANulla();
    void finestraVeraRiportaLaTesseraSpostata();
    void finestraVeraUnaScritturaPerControllo();
};

void TestClsResize::primaPassataRegistraSenzaSpostare() {
    FinestraFinta finestra;
    auto uno = finestra.aggiungi(QStringLiteral("uno"), 300, 600, 900, 1200);
    auto due = finestra.aggiungi(QStringLiteral("due"), 0, 0, 9000, 6000);
    clsResize resize;
    resize.setSourceForm(&finestra);

    resize.ResizeControls();

    QVERIFY(!resize.FirstTime());
    QCOMPARE(resize.RecordedWidth(), 9000);
    QCOMPARE(resize.RecordedHeight(), 6000);
    QCOMPARE(resize.Layout().size(), 2);
    QCOMPARE(resize.Layout()[0].Ctl.get(), uno.get());
    QCOMPARE(resize.Layout()[1].Ctl.get(), due.get());
    QCOMPARE(registrato(resize.Layout()[0]), QRect(300, 600, 900, 1200));
    QCOMPARE(registrato(resize.Layout()[1]), QRect(0, 0, 9000, 6000));
    QCOMPARE(finestra.totaleScritture(), 0);
    QVERIFY(finestra.eventi.isEmpty());
}

void TestClsResize::registrazioneArrotondaAlPari_data() {
    QTest::addColumn<double>("valore");
    QTest::addColumn<int>("atteso");
    QTest::newRow("2.5 a 2") << 2.5 << 2;
    QTest::newRow("3.5 a 4") << 3.5 << 4;
    QTest::newRow("-0.5 a 0") << -0.5 << 0;
    QTest::newRow("-1.5 a -2") << -1.5 << -2;
    QTest::newRow("0.5 a 0") << 0.5 << 0;
    QTest::newRow("1.5 a 2") << 1.5 << 2;
    QTest::newRow("2.4999 a 2") << 2.4999 << 2;
    QTest::newRow("2.5001 a 3") << 2.5001 << 3;
    QTest::newRow("-2.7 a -3") << -2.7 << -3;
    QTest::newRow("intero") << 7.0 << 7;
}

// The client size is rounded the same way; an even base keeps the parity of the offset, so
// the same row serves both.
void TestClsResize::registrazioneArrotondaAlPari() {
    QFETCH(double, valore);
    QFETCH(int, atteso);
    FinestraFinta finestra(9000 + valore, 6000 + valore);
    finestra.aggiungi(QStringLiteral("uno"), valore, valore, valore, valore);
    clsResize resize;
    resize.setSourceForm(&finestra);

    resize.ResizeControls();

    QCOMPARE(registrato(resize.Layout()[0]), QRect(atteso, atteso, atteso, atteso));
    QCOMPARE(resize.RecordedWidth(), 9000 + atteso);
    QCOMPARE(resize.RecordedHeight(), 6000 + atteso);
}

// Menu items have none of the four properties: they keep zeros, and a property that cannot be
// read must not stop the others of the same control from being read.
void TestClsResize::proprietaIlleggibileRestaZero() {
    FinestraFinta finestra;
    auto parziale = finestra.aggiungi(QStringLiteral("parziale"), 300, 600, 900, 1200);
    parziale->leggibile = {false, true, true, false};
    auto voceMenu = finestra.aggiungi(QStringLiteral("menu"), 15, 30, 45, 60);
    voceMenu->rendiIlleggibile();
    voceMenu->rifiutaTutto();
    auto dopo = finestra.aggiungi(QStringLiteral("dopo"), 100, 200, 300, 400);
    clsResize resize;
    resize.setSourceForm(&finestra);

    resize.ResizeControls();

    QCOMPARE(registrato(resize.Layout()[0]), QRect(0, 600, 900, 0));
    QCOMPARE(registrato(resize.Layout()[1]), QRect(0, 0, 0, 0));
    QCOMPARE(registrato(resize.Layout()[2]), QRect(100, 200, 300, 400));
    QCOMPARE(parziale->letture, (std::array<int, 4>{1, 1, 1, 1}));
    QCOMPARE(voceMenu->letture, (std::array<int, 4>{1, 1, 1, 1}));

    // The control after a menu item is still scaled.
    finestra.larghezza = 18000;
    finestra.altezza = 12000;
    resize.ResizeControls();
    QCOMPARE(dopo->geometria(), QRectF(200, 400, 600, 800));
    QCOMPARE(parziale->geometria(), QRectF(0, 1200, 1800, 0));
}

void TestClsResize::passataScalaConIRapportiDelCliente_data() {
    QTest::addColumn<double>("larghezza");
    QTest::addColumn<double>("altezza");
    QTest::addColumn<QRectF>("atteso");
    // Recorded on a 9000 x 6000 client with the control at 300, 600 and 900 x 1200.
    QTest::newRow("invariata") << 9000.0 << 6000.0 << QRectF(300, 600, 900, 1200);
    QTest::newRow("larga il doppio, alta una volta e mezza")
        << 18000.0 << 9000.0 << QRectF(600, 900, 1800, 1800);
    QTest::newRow("dimezzata") << 4500.0 << 3000.0 << QRectF(150, 300, 450, 600);
    QTest::newRow("solo piu alta") << 9000.0 << 12000.0 << QRectF(300, 1200, 900, 2400);
    // Fractions are handed over as they are; rounding to pixels is the window's business.
    QTest::newRow("rapporti non interi")
        << 10000.0 << 7000.0 << QRectF(1000.0 / 3, 700, 1000, 1400);
    QTest::newRow("mezzo twip") << 9015.0 << 6010.0 << QRectF(300.5, 601, 901.5, 1202);
}

void TestClsResize::passataScalaConIRapportiDelCliente() {
    QFETCH(double, larghezza);
    QFETCH(double, altezza);
    QFETCH(QRectF, atteso);
    FinestraFinta finestra(9000, 6000);
    auto uno = finestra.aggiungi(QStringLiteral("uno"), 300, 600, 900, 1200);
    clsResize resize = resizerRegistrato(finestra);

    finestra.larghezza = larghezza;
    finestra.altezza = altezza;
    resize.ResizeControls();

    QCOMPARE(uno->geometria(), atteso);
    QCOMPARE(uno->scritture, TutteLeProprieta);
    // The reference stays the first recording, whatever the passes did.
    QCOMPARE(resize.RecordedWidth(), 9000);
    QCOMPARE(registrato(resize.Layout()[0]), QRect(300, 600, 900, 1200));
}

// One repaint per pass: drawing is suspended once, every write happens while it is, and it is
// resumed once at the end.
void TestClsResize::passataScriveInOrdineADisegnoSospeso() {
    FinestraFinta finestra;
    finestra.aggiungi(QStringLiteral("a"), 300, 600, 900, 1200);
    finestra.aggiungi(QStringLiteral("b"), 30, 60, 90, 120);
    clsResize resize = resizerRegistrato(finestra);

    finestra.larghezza = 12000;
    resize.ResizeControls();

    const QStringList attesi = QStringList{QStringLiteral("sospendi")} +
                               scrittureDi(QStringLiteral("a"), TutteLeProprieta) +
                               scrittureDi(QStringLiteral("b"), TutteLeProprieta) +
                               QStringList{QStringLiteral("riprendi")};
    QCOMPARE(finestra.eventi, attesi);
}

// Handlers move tiles around during an exercise; the next change of size must put them back
// where the design had them, scaled, not scale wherever they were left.
void TestClsResize::controlloSpostatoTornaAlPostoRegistrato() {
    FinestraFinta finestra(9000, 6000);
    auto tessera = finestra.aggiungi(QStringLiteral("tessera"), 300, 600, 900, 1200);
    clsResize resize = resizerRegistrato(finestra);

    tessera->sposta(4000, 5000, 100, 100);
    resize.ResizeControls();
    QCOMPARE(tessera->geometria(), QRectF(300, 600, 900, 1200));

    tessera->sposta(4000, 5000, 100, 100);
    finestra.larghezza = 18000;
    finestra.altezza = 3000;
    resize.ResizeControls();
    QCOMPARE(tessera->geometria(), QRectF(600, 300, 1800, 600));
}

void TestClsResize::finestraRidottaNonVieneToccata() {
    FinestraFinta finestra(9000, 6000);
    auto uno = finestra.aggiungi(QStringLiteral("uno"), 300, 600, 900, 1200);
    clsResize resize = resizerRegistrato(finestra);

    finestra.ridotta = true;
    finestra.larghezza = 1500;
    finestra.altezza = 0;
    resize.ResizeControls();
    QVERIFY(finestra.eventi.isEmpty());
    QCOMPARE(uno->geometria(), QRectF(300, 600, 900, 1200));
    QCOMPARE(resize.RecordedWidth(), 9000);
    QCOMPARE(resize.RecordedHeight(), 6000);

    finestra.ridotta = false;
    finestra.larghezza = 18000;
    finestra.altezza = 12000;
    resize.ResizeControls();
    QCOMPARE(uno->geometria(), QRectF(600, 1200, 1800, 2400));
}

void TestClsResize::direttivaDelTagSceglieLeProprieta_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("top");
    QTest::addColumn<bool>("width");
    QTest::addColumn<bool>("height");
    QTest::newRow("vuoto") << QString() << true << true << true << true;
    QTest::newRow("testo libero") << "abc" << true << true << true << true;
    QTest::newRow("solo chiocciola blocca") << "@" << false << false << false << false;
    QTest::newRow("@lt minuscolo") << "@lt" << true << true << false << false;
    QTest::newRow("@LT") << "@LT" << true << true << false << false;
    QTest::newRow("@wh") << "@wh" << false << false << true << true;
    QTest::newRow("@HTWL in disordine") << "@HTWL" << true << true << true << true;
    QTest::newRow("chiocciola non in testa") << "x@L" << true << true << true << true;
    QTest::newRow("spazio prima della chiocciola") << " @lt" << true << true << true << true;
    // The letters count wherever they are, even inside a word.
    QTest::newRow("@Width") << "@Width" << false << true << true << true;
    QTest::newRow("@h") << "@h" << false << false << false << true;
}

void TestClsResize::direttivaDelTagSceglieLeProprieta() {
    QFETCH(QString, tag);
    QFETCH(bool, left);
    QFETCH(bool, top);
    QFETCH(bool, width);
    QFETCH(bool, height);

    const DirettivaRidimensionamento d = leggiDirettiva(tag);
    QCOMPARE(d.left, left);
    QCOMPARE(d.top, top);
    QCOMPARE(d.width, width);
    QCOMPARE(d.height, height);

    FinestraFinta finestra(9000, 6000);
    auto uno = finestra.aggiungi(QStringLiteral("uno"), 300, 600, 900, 1200);
    uno->etichetta = tag;
    auto senzaTag = finestra.aggiungi(QStringLiteral("senzaTag"), 30, 60, 90, 120);
    clsResize resize = resizerRegistrato(finestra);

    // Properties left out keep whatever they are now, not the recorded value.
    uno->sposta(1, 2, 3, 4);
    finestra.larghezza = 18000;
    finestra.altezza = 12000;
    resize.ResizeControls();

    QList<Proprieta> scelte;
    if (left)
        scelte.append(Proprieta::Left);
    if (top)
        scelte.append(Proprieta::Top);
    if (width)
        scelte.append(Proprieta::Width);
    if (height)
        scelte.append(Proprieta::Height);
    QCOMPARE(uno->scritture, scelte);
    QCOMPARE(uno->geometria(),
             QRectF(left ? 600 : 1, top ? 1200 : 2, width ? 1800 : 3, height ? 2400 : 4));
    // One control's tag says nothing about the next.
    QCOMPARE(senzaTag->geometria(), QRectF(60, 120, 180, 240));
}

// A control that cannot take a property is skipped and the pass goes on; drawing is resumed
// all the same.
void TestClsResize::scritturaRifiutataVieneSaltata() {
    FinestraFinta finestra(9000, 6000);
    auto primo = finestra.aggiungi(QStringLiteral("primo"), 300, 600, 900, 1200);
    auto rifiuta = finestra.aggiungi(QStringLiteral("rifiuta"), 30, 60, 90, 120);
    rifiuta->rifiutaTutto();
    auto soloLeft = finestra.aggiungi(QStringLiteral("soloLeft"), 10, 20, 30, 40);
    soloLeft->rifiutata = {true, false, false, false};
    auto ultimo = finestra.aggiungi(QStringLiteral("ultimo"), 100, 200, 300, 400);
    clsResize resize = resizerRegistrato(finestra);

    finestra.larghezza = 18000;
    finestra.altezza = 12000;
    resize.ResizeControls();

    QCOMPARE(primo->geometria(), QRectF(600, 1200, 1800, 2400));
    QCOMPARE(rifiuta->scritture, TutteLeProprieta);
    QCOMPARE(rifiuta->geometria(), QRectF(30, 60, 90, 120));
    QCOMPARE(soloLeft->geometria(), QRectF(10, 40, 60, 80));
    QCOMPARE(ultimo->geometria(), QRectF(200, 400, 600, 800));
    QCOMPARE(finestra.sospensioni, 1);
    QCOMPARE(finestra.riprese, 1);
    QCOMPARE(finestra.eventi.last(), QStringLiteral("riprendi"));
}

void TestClsResize::misuraRegistrataNullaNonDivide_data() {
    QTest::addColumn<double>("larghezza");
    QTest::addColumn<double>("altezza");
    QTest::newRow("larghezza nulla") << 0.0 << 6000.0;
    QTest::newRow("altezza nulla") << 9000.0 << 0.0;
    QTest::newRow("entrambe nulle") << 0.0 << 0.0;
    QTest::newRow("larghezza arrotondata a zero") << 0.4 << 6000.0;
    QTest::newRow("altezza di mezzo twip") << 9000.0 << 0.5;
}

// A window recorded with no client area gives no ratio; dividing by it would send infinities
// or NaN to the controls.
void TestClsResize::misuraRegistrataNullaNonDivide() {
    QFETCH(double, larghezza);
    QFETCH(double, altezza);
    FinestraFinta finestra(larghezza, altezza);
    auto uno = finestra.aggiungi(QStringLiteral("uno"), 300, 600, 900, 1200);
    clsResize resize = resizerRegistrato(finestra);
    QVERIFY(!resize.FirstTime());

    finestra.larghezza = 9000;
    finestra.altezza = 6000;
    resize.ResizeControls();

    QCOMPARE(finestra.totaleScritture(), 0);
    QCOMPARE(uno->geometria(), QRectF(300, 600, 900, 1200));
    QCOMPARE(finestra.sospensioni, finestra.riprese);
}

void TestClsResize::dimensionaASchermo_data() {
    QTest::addColumn<double>("schermoLarghezza");
    QTest::addColumn<double>("schermoAltezza");
    QTest::addColumn<int>("percento");
    QTest::addColumn<double>("altezza");
    QTest::addColumn<double>("larghezza");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("left");
    QTest::newRow("1024x768 al 75%")
        << 15360.0 << 11520.0 << 75 << 8640.0 << 11520.0 << 1440.0f << 1920.0f;
    // An odd difference leaves half a twip on each side; the corner keeps it.
    QTest::newRow("differenza dispari")
        << 15361.0 << 11521.0 << 75 << 8640.0 << 11520.0 << 1440.5f << 1920.5f;
    // 0.75 of 999 and of 1001 are 749.25 and 750.75: the size is cut down, never rounded up.
    QTest::newRow("taglia i decimali")
        << 1001.0 << 999.0 << 75 << 749.0 << 750.0 << 125.0f << 125.5f;
    QTest::newRow("800x600 al 50%")
        << 12000.0 << 9000.0 << 50 << 4500.0 << 6000.0 << 2250.0f << 3000.0f;
    QTest::newRow("schermo intero")
        << 15360.0 << 11520.0 << 100 << 11520.0 << 15360.0 << 0.0f << 0.0f;
}

void TestClsResize::dimensionaASchermo() {
    QFETCH(double, schermoLarghezza);
    QFETCH(double, schermoAltezza);
    QFETCH(int, percento);
    QFETCH(double, altezza);
    QFETCH(double, larghezza);
    QFETCH(float, top);
    QFETCH(float, left);
    FinestraFinta finestra;
    finestra.aggiungi(QStringLiteral("uno"), 300, 600, 900, 1200);
    finestra.schermoLarghezza = schermoLarghezza;
    finestra.schermoAltezza = schermoAltezza;
    clsResize resize;
    resize.setSourceForm(&finestra);

    resize.SizeFormToScreen(quint8(percento));

    QCOMPARE(finestra.altezzaEsterna, altezza);
    QCOMPARE(finestra.larghezzaEsterna, larghezza);
    QCOMPARE(finestra.angoloTop, top);
    QCOMPARE(finestra.angoloLeft, left);
    QCOMPARE(finestra.eventi.count(QStringLiteral("angolo")), 1);
    QCOMPARE(finestra.eventi.count(QStringLiteral("altezza")), 1);
    QCOMPARE(finestra.eventi.count(QStringLiteral("larghezza")), 1);
}

// The window is placed, then given its height, then its width, and only then are the controls
// scaled, against the client size recorded before any of that.
void TestClsResize::dimensionaASchermoAngoloPoiAltezzaPoiLarghezza() {
    FinestraFinta finestra(ClienteDisegnatoLarghezza, ClienteDisegnatoAltezza);
    finestra.bordoOrizzontale = 120; // frame
    finestra.bordoVerticale = 810;   // title and menu bar
    auto tessera = finestra.aggiungi(QStringLiteral("tessera"), 120, 3240, 1035, 615);
    clsResize resize;
    resize.setSourceForm(&finestra);

    resize.SizeFormToScreen(75);

    const QStringList attesi =
        QStringList{QStringLiteral("angolo"), QStringLiteral("altezza"),
                    QStringLiteral("larghezza"), QStringLiteral("sospendi")} +
        scrittureDi(QStringLiteral("tessera"), TutteLeProprieta) +
        QStringList{QStringLiteral("riprendi")};
    QCOMPARE(finestra.eventi, attesi);
    QCOMPARE(resize.RecordedWidth(), 9435);
    QCOMPARE(resize.RecordedHeight(), 6135);
    const double rx = (11520.0 - 120) / 9435;
    const double ry = (8640.0 - 810) / 6135;
    QCOMPARE(tessera->geometria(), QRectF(120 * rx, 3240 * ry, 1035 * rx, 615 * ry));
}

// After a screen rebuilds itself, what it looks like now becomes the design to keep in
// proportion: sizes, places and the list of controls all come from the current state.
void TestClsResize::reinizializzaPrendeLeMisureAttuali() {
    FinestraFinta finestra(9000, 6000);
    auto uno = finestra.aggiungi(QStringLiteral("uno"), 300, 600, 900, 1200);
    clsResize resize;
    resize.setSourceForm(&finestra);

    resize.ReInitialise(); // also records the first time
    QVERIFY(!resize.FirstTime());
    QCOMPARE(resize.RecordedWidth(), 9000);

    finestra.larghezza = 18000;
    finestra.altezza = 12000;
    uno->sposta(50, 60, 70, 80);
    auto nuovo = finestra.aggiungi(QStringLiteral("nuovo"), 1000, 2000, 3000, 4000.5);
    resize.ReInitialise();

    QCOMPARE(finestra.totaleScritture(), 0);
    QCOMPARE(resize.RecordedWidth(), 18000);
    QCOMPARE(resize.RecordedHeight(), 12000);
    QCOMPARE(resize.Layout().size(), 2);
    QCOMPARE(registrato(resize.Layout()[0]), QRect(50, 60, 70, 80));
    QCOMPARE(registrato(resize.Layout()[1]), QRect(1000, 2000, 3000, 4000));

    finestra.larghezza = 9000;
    finestra.altezza = 6000;
    resize.ResizeControls();
    QCOMPARE(uno->geometria(), QRectF(25, 30, 35, 40));
    QCOMPARE(nuovo->geometria(), QRectF(500, 1000, 1500, 2000));
}

void TestClsResize::finestraVeraAiTreQuartiDelloSchermo() {
    AmbienteDiProva ambiente;
    auto finestra = std::make_unique<Finestra>(layoutDISEGNI1());
    QCOMPARE(finestra->ridimensionabile().larghezzaSchermo(), 15360.0);
    QCOMPARE(finestra->ridimensionabile().altezzaSchermo(), 11520.0);
    clsResize resize;
    resize.setSourceForm(&finestra->ridimensionabile());

    resize.SizeFormToScreen(75);

    // The window's own table is the reference: its design client size and the tile as drawn.
    QCOMPARE(resize.RecordedWidth(), int(ClienteDisegnatoLarghezza));
    QCOMPARE(resize.RecordedHeight(), int(ClienteDisegnatoAltezza));
    const int voce = posizioneNelLayout(*finestra, QStringLiteral("Label1"), 0);
    QVERIFY(voce >= 0);
    QCOMPARE(QRectF(registrato(resize.Layout()[voce])), TesseraDisegnata);

    // Three quarters of 1024 x 768, centred. The test screen draws no frame, so the outer size
    // is the widget's size; the menu bar comes off the client height.
    QCOMPARE(finestra->geometry(), QRect(128, 96, 768, 576));
    // A hidden window lays out its client area when it is first shown, as every screen is
    // right after its load handler.
    finestra->show();
    QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));
    QCOMPARE(finestra->frameGeometry(), QRect(128, 96, 768, 576));
    const int barra = finestra->barraMenu()->height();
    QVERIFY(barra > 0);
    QCOMPARE(finestra->superficie()->geometry(), QRect(0, barra, 768, 576 - barra));
    QCOMPARE(finestra->ridimensionabile().larghezzaCliente(), 11520.0);
    QCOMPARE(finestra->ridimensionabile().altezzaCliente(), (576.0 - barra) * TwipsPerPixel);

    const double rx = finestra->ridimensionabile().larghezzaCliente() / ClienteDisegnatoLarghezza;
    const double ry = finestra->ridimensionabile().altezzaCliente() / ClienteDisegnatoAltezza;
    const QRectF atteso(TesseraDisegnata.x() * rx / TwipsPerPixel,
                        TesseraDisegnata.y() * ry / TwipsPerPixel,
                        TesseraDisegnata.width() * rx / TwipsPerPixel,
                        TesseraDisegnata.height() * ry / TwipsPerPixel);
    const QRect tessera = widget(finestra, QStringLiteral("Label1"), 0)->geometry();
    QVERIFY2(entroUnPixel(tessera, atteso), qPrintable(descrivi(tessera, atteso)));
}

// Menu items are counted among the window's controls but have no geometry: they sit at the end
// of the layout with zeros, and a pass leaves them alone.
void TestClsResize::finestraVeraRegistraLeVociDiMenuANulla() {
    AmbienteDiProva ambiente;
    auto finestra = std::make_unique<Finestra>(layoutDISEGNI1());
    clsResize resize;
    resize.setSourceForm(&finestra->ridimensionabile());
    resize.ReInitialise();

    const int widget = int(finestra->definizione().controlli.size());
    const int voci = int(finestra->definizione().menu.size());
    QVERIFY(voci > 0);
    QCOMPARE(resize.Layout().size(), widget + voci);
    for (int i = 0; i < widget; ++i)
        QVERIFY2(resize.Layout()[i].Width > 0 && resize.Layout()[i].Height > 0,
                 qPrintable(QString::number(i)));
    for (int i = widget; i < widget + voci; ++i) {
        QVERIFY(resize.Layout()[i].Ctl);
        QCOMPARE(registrato(resize.Layout()[i]), QRect(0, 0, 0, 0));
    }
}

// The program's own path: the load step binds a resizer and sizes the window, and from then on
// every resize of the window runs it through the window's handler.
void TestClsResize::finestraVeraRiportaLaTesseraSpostata() {
    AmbienteDiProva ambiente;
    auto finestra = std::make_unique<FinestraDiProva>(layoutDISEGNI1());
    finestra->preparaRidimensionamento();
    QVERIFY(Modulo1::Ridimensiona);
    QCOMPARE(Modulo1::Ridimensiona->SourceForm(), &finestra->ridimensionabile());
    finestra->show();
    QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));

    QWidget *tessera = widget(finestra, QStringLiteral("Label1"), 0);
    QVERIFY(tessera);
    tessera->move(400, 20); // as a drag would leave it

    finestra->resize(900, 700);
    const auto attesa = [&] {
        const double rx =
            finestra->ridimensionabile().larghezzaCliente() / ClienteDisegnatoLarghezza;
        const double ry = finestra->ridimensionabile().altezzaCliente() / ClienteDisegnatoAltezza;
        return QRectF(TesseraDisegnata.x() * rx / TwipsPerPixel,
                      TesseraDisegnata.y() * ry / TwipsPerPixel,
                      TesseraDisegnata.width() * rx / TwipsPerPixel,
                      TesseraDisegnata.height() * ry / TwipsPerPixel);
    };
    QTRY_VERIFY2(entroUnPixel(tessera->geometry(), attesa()),
                 qPrintable(descrivi(tessera->geometry(), attesa())));
    QCOMPARE(finestra->width(), 900);
}

// Counts, per widget of one window, the geometry events it receives and the paints.
class ContaEventi : public QObject {
public:
    explicit ContaEventi(QWidget *finestra)
        : m_finestra(finestra) {
        qApp->installEventFilter(this);
    }
    ~ContaEventi() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject *oggetto, QEvent *evento) override {
        auto *w = qobject_cast<QWidget *>(oggetto);
        if (w && (w == m_finestra || m_finestra->isAncestorOf(w))) {
            if (evento->type() == QEvent::Move)
                ++spostamenti[w];
            else if (evento->type() == QEvent::Resize)
                ++ridimensionamenti[w];
            else if (evento->type() == QEvent::Paint)
                ++disegni;
        }
        return false;
    }

    QHash<QWidget *, int> spostamenti, ridimensionamenti;
    int disegni = 0;

private:
    QWidget *m_finestra;
};

// A pass sets each control's rectangle at once: one move and one resize, not one per property.
// A pass that finds everything in place changes nothing and repaints nothing.
void TestClsResize::finestraVeraUnaScritturaPerControllo() {
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
    QCoreApplication::processEvents();

    {
        ContaEventi conta(finestra.get());
        Modulo1::Ridimensiona->ResizeControls();
        for (const auto &c : finestra->controlli()) {
            if (!c.widget->isVisible())
                continue;
            QCOMPARE(conta.spostamenti.value(c.widget), 1);
            QCOMPARE(conta.ridimensionamenti.value(c.widget), 1);
        }
        QTRY_VERIFY(conta.disegni > 0);
    }

    ContaEventi conta(finestra.get());
    Modulo1::Ridimensiona->ResizeControls();
    QTest::qWait(50);
    QCOMPARE(conta.spostamenti.size() + conta.ridimensionamenti.size(), 0);
    QCOMPARE(conta.disegni, 0);
}

QTEST_MAIN(TestClsResize)
#include "tst_clsresize.moc"
