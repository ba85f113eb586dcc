// The two exercise screens played on the real widgets: tiles dragged with a simulated mouse or
// finger, taps, the verdicts and counters, the menus, and lists or pictures that cannot be used.
#include "core/modulo1.h"
#include "exercise/figureparole.h"
#include "exercise/schermataesercizio.h"
#include "exercise/trascinamentotessere.h"
#include "screens/formavvio.h"
#include "screens/formmenu.h"
#include "support/cartellaprova.h"
#include "support/schermate.h"
#include "support/testdoubles.h"
#include "ui/immagine.h"
#include "ui/registrofinestre.h"
#include "ui/twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QPointingDevice>
#include <QScreen>
#include <QtTest>
#include <memory>

namespace {

using Proprieta = ControlloRidimensionabile::Proprieta;

const QStringList Facili2 = {"pa,la", "PA,ne", "ca,sa", "lu,na"};
const QStringList Difficili2 = {"caf,fè", "gi,lè", "mo,to", "ra,ne", "ba,ci"};
const QStringList Facili3 = {"pa,ta,ta", "ga,li,na", "ca,ro,ta"};
const QStringList Difficili3 = {"pe,co,ra", "to,ma,te", "ba,na,na", "pi,ra,ta"};

QStringList sillabe(const QStringList &parole) {
    QStringList tutte;
    for (const QString &parola : parole)
        tutte << parola.split(QLatin1Char(','));
    return tutte;
}

SchermataEsercizio *apri(int quale) {
    SchermataEsercizio *s = quale == 1 ? mostraDISEGNI1() : mostraDISEGNI2();
    const bool pronta =
        s &&
        QTest::qWaitFor(
            [s] { return s->giaAttivata() && s->geometry() == s->screen()->geometry(); }, 2000);
    return pronta ? s : nullptr;
}

QWidget *tessera(SchermataEsercizio *s, int t) {
    const RiferimentoControllo &r = s->configurazione().tessere.at(t);
    return widget(s, r.nome, r.indice);
}

QList<QWidget *> tessere(SchermataEsercizio *s) {
    QList<QWidget *> tutte;
    for (int t = 0; t < s->configurazione().tessere.size(); ++t)
        tutte << tessera(s, t);
    return tutte;
}

QWidget *casella(SchermataEsercizio *s, int colonna, int membro) {
    return widget(s, s->configurazione().caselle.at(colonna - 1), membro);
}

// An enabled tile showing this text, or nullptr.
QWidget *tesseraCon(SchermataEsercizio *s, const QString &testo, QWidget *tranne = nullptr) {
    for (QWidget *t : tessere(s)) {
        if (t != tranne && t->isEnabled() && leggiCaption(t) == testo)
            return t;
    }
    return nullptr;
}

QString caption(SchermataEsercizio *s, const QString &nome, int indice = -1) {
    return leggiCaption(widget(s, nome, indice));
}

QPoint nellaFinestra(QWidget *w, QPoint punto = QPoint(-1, -1)) {
    return w->mapTo(w->window(), punto == QPoint(-1, -1) ? w->rect().center() : punto);
}

// Press on the tile, move across in two steps and release over the target, through the
// window as real mouse input arrives (the tile then has the implicit grab).
void trascina(QWidget *da, QWidget *a, QPoint puntoInA = QPoint(-1, -1)) {
    QWindow *finestra = da->window()->windowHandle();
    const QPoint inizio = nellaFinestra(da);
    const QPoint fine = nellaFinestra(a, puntoInA);
    QTest::mousePress(finestra, Qt::LeftButton, {}, inizio);
    QTest::mouseMove(finestra, (inizio + fine) / 2);
    QTest::mouseMove(finestra, fine);
    QTest::mouseRelease(finestra, Qt::LeftButton, {}, fine);
}

void tocca(QWidget *w) {
    QWindow *finestra = w->window()->windowHandle();
    QTest::mouseClick(finestra, Qt::LeftButton, {}, nellaFinestra(w));
}

// Drops, for every slot, a tile that carries its syllable.
void completa(SchermataEsercizio *s) {
    const ConfigurazioneEsercizio &c = s->configurazione();
    for (int membro = 0; membro < c.regole.paroleNellEsercizio; ++membro) {
        for (int colonna = 1; colonna <= c.regole.sillabePerParola; ++colonna) {
            const QString attesa = s->esercizio().sillabaAttesa({colonna, membro});
            QWidget *t = nullptr;
            for (QWidget *candidata : tessere(s)) {
                if (candidata->isEnabled() && leggiCaption(candidata).toUpper() == attesa.toUpper())
                    t = candidata;
            }
            QVERIFY2(t, qPrintable(attesa));
            trascina(t, casella(s, colonna, membro));
        }
    }
}

QColor sfondo(QWidget *w) {
    return w->palette().color(QPalette::Window);
}

bool nascosto(SchermataEsercizio *s, const QString &nome) {
    return widget(s, nome)->isHidden();
}

} // namespace

class TestEsercizi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void primoEsercizioNellOrdineDelDisegno_data();
    void primoEsercizioNellOrdineDelDisegno();
    void ogniEsercizioMostraTutteLeParoleDellaLista_data();
    void ogniEsercizioMostraTutteLeParoleDellaLista();
    void disposizioneZeroDopoLeEstrazioniDelleParole();
    void stessaParolaNonEstrattaDueVolte();

    void giusteSenzaBadareAlleMaiuscoleEInEntrambeLeCaselle();
    void sbagliateSuCaselleEDidascalie();
    void rilascioFuoriDaUnaCasellaNonGiudica();
    void tesseraSegueIlPuntatoreEEvidenziaLaCasella();
    void toccoSceglieLaTesseraEToccoSullaCasellaLaPosa();
    void toccoAltroveAnnullaLaScelta();
    void ditoTrascinaEPosa();
    void finestraPiuPiccolaTessereDentroEAllaScala();

    void carattereECambioListaScartanoLEsercizio();
    void facileGiaSceltoRicaricaLaLista();
    void avantiRestaAbilitatoDopoIMenu();
    void azzeraTieneLEsercizio();
    void esciNoNonCambiaNullaEsciSiRiparteDaCapo();

    void listaInutilizzabileAllApertura_data();
    void listaInutilizzabileAllApertura();
    void listaDifficileInutilizzabileLasciaLEsercizio();
    void figuraMancanteMostraUnSegnaposto();
    void contatoriSiFermanoA32767();

    void partitaCompletaDalMenu_data();
    void partitaCompletaDalMenu();

private:
    std::unique_ptr<CartellaProva> m_cartella;
    std::unique_ptr<AmbienteDiProva> m_ambiente;
};

void TestEsercizi::initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestEsercizi::init() {
    m_cartella = std::make_unique<CartellaProva>();
    m_cartella->scriviLista(QStringLiteral("TUTTE2.txt"), Facili2);
    m_cartella->scriviLista(QStringLiteral("TUTTE4.txt"), Difficili2);
    m_cartella->scriviLista(QStringLiteral("TUTTE3.txt"), Facili3);
    m_cartella->scriviLista(QStringLiteral("TUTTE5.txt"), Difficili3);
    for (const QStringList *lista : {&Facili2, &Difficili2, &Facili3, &Difficili3})
        m_cartella->scriviFigure(*lista);
    m_ambiente = std::make_unique<AmbienteDiProva>(m_cartella->percorso(), 7);
    // The menu is where an exercise goes back to, as if the child had come from it.
    RegistroFinestre::registra(NomiFinestre::FormMenu, [] { return new FormMenu; });
    Modulo1::RiempiElencoListe();
    Modulo1::SuoniAttivi = true;
}

void TestEsercizi::cleanup() {
    chiudiTutte();
    m_ambiente.reset();
    m_cartella.reset();
}

void TestEsercizi::primoEsercizioNellOrdineDelDisegno_data() {
    QTest::addColumn<int>("quale");
    QTest::addColumn<QStringList>("ordine");
    QTest::newRow("DISEGNI1") << 1
                              << QStringList{"Label1(0)", "Label1(2)", "Label4(0)", "Label4(2)",
                                             "Label1(1)", "Label4(3)", "Label4(1)", "Label1(3)"};
    QTest::newRow("DISEGNI2") << 2 << QStringList{"Label1(0)", "Label1(1)", "Label1(2)",
                                                  "Label1(3)", "Label1(4)", "Label1(5)",
                                                  "Label1(6)", "Label1(7)", "Label1(8)"};
}

// Loading shuffles the tiles to positions not yet recorded; the activation's resize puts them
// back in the designed order and only then records them.
void TestEsercizi::primoEsercizioNellOrdineDelDisegno() {
    QFETCH(int, quale);
    QFETCH(QStringList, ordine);
    SchermataEsercizio *s = apri(quale);
    QVERIFY(s);

    QList<QWidget *> daSinistra = tessere(s);
    std::sort(daSinistra.begin(), daSinistra.end(),
              [](QWidget *a, QWidget *b) { return a->x() < b->x(); });
    QStringList nomi;
    for (QWidget *t : daSinistra)
        nomi << t->objectName();
    QCOMPARE(nomi, ordine);

    for (int t = 0; t < daSinistra.size(); ++t) {
        QWidget *w = tessera(s, t);
        QCOMPARE(Modulo1::Posizione(t + 1), std::round(leggiTwips(w, Proprieta::Left)));
        QCOMPARE(leggiCaption(w), s->esercizio().sillabaTessera(t).toUpper());
        QVERIFY(w->isEnabled());
    }
    QCOMPARE(Modulo1::LarghezzaPosizioni, s->ridimensionabile().larghezzaCliente());
    QCOMPARE(caption(s, QStringLiteral("EtichettaEsatti")), QStringLiteral("0"));
    QCOMPARE(caption(s, QStringLiteral("EtichettaErrati")), QStringLiteral("0"));
    QVERIFY(!widget(s, QStringLiteral("BottoneAvanti"))->isEnabled());
    QVERIFY(voce(s, QStringLiteral("mnufacile"))->isChecked());
    QVERIFY(voce(s, QStringLiteral("mnuMaiuscolo"))->isChecked());
}

void TestEsercizi::ogniEsercizioMostraTutteLeParoleDellaLista_data() {
    QTest::addColumn<int>("quale");
    QTest::newRow("DISEGNI1") << 1;
    QTest::newRow("DISEGNI2") << 2;
}

// The easy lists hold exactly as many words as an exercise shows: every exercise shows all of
// them, each with its own picture, and the tiles always fill the recorded positions.
void TestEsercizi::ogniEsercizioMostraTutteLeParoleDellaLista() {
    QFETCH(int, quale);
    SchermataEsercizio *s = apri(quale);
    const ConfigurazioneEsercizio &c = s->configurazione();
    const int n = c.regole.paroleNellEsercizio;
    QList<double> registrate;
    for (int p = 1; p <= c.tessere.size(); ++p)
        registrate << Modulo1::Posizione(p);
    std::sort(registrate.begin(), registrate.end());

    QSet<QString> ordiniVisti;
    for (int volta = 0; volta < 40; ++volta) {
        completa(s);
        QVERIFY(widget(s, QStringLiteral("BottoneAvanti"))->isEnabled());
        tocca(widget(s, QStringLiteral("BottoneAvanti")));
        QVERIFY(!widget(s, QStringLiteral("BottoneAvanti"))->isEnabled());

        QSet<int> righe;
        QString ordine;
        for (int k = 0; k < n; ++k) {
            const int riga = s->esercizio().IndiceParola(k + 1);
            righe.insert(riga);
            ordine += QString::number(riga);
            const QString parola = s->esercizio().parole().parola(riga);
            QVERIFY2(haColore(widget<Immagine>(s, QStringLiteral("Image1"), k)->picture(),
                              CartellaProva::coloreDi(parola)),
                     qPrintable(parola));
            for (int colonna = 1; colonna <= c.regole.sillabePerParola; ++colonna)
                QCOMPARE(leggiCaption(casella(s, colonna, k)), QString());
        }
        QCOMPARE(righe.size(), n);
        ordiniVisti.insert(ordine);

        QList<double> lefts;
        for (QWidget *t : tessere(s)) {
            QVERIFY(t->isEnabled());
            QVERIFY(!leggiCaption(t).isEmpty());
            lefts << leggiTwips(t, Proprieta::Left);
        }
        std::sort(lefts.begin(), lefts.end());
        for (int i = 0; i < lefts.size(); ++i)
            QVERIFY(qAbs(lefts[i] - registrate[i]) < TwipsPerPixel);
        QCOMPARE(caption(s, QStringLiteral("Label2"), 4), QStringLiteral("Errati"));
        QCOMPARE(caption(s, QStringLiteral("Label3"), 4), QStringLiteral("Esatti"));
    }
    QVERIFY(ordiniVisti.size() > 1);
    QCOMPARE(Modulo1::ContaEsatti, qint16(40 * c.regole.sillabeDaCompletare()));
    QCOMPARE(Modulo1::ContaErrati, qint16(0));
}

void TestEsercizi::disposizioneZeroDopoLeEstrazioniDelleParole() {
    SchermataEsercizio *s = apri(1);
    m_cartella->scriviLista(QStringLiteral("TUTTE2.txt"),
                            {"a,b", "c,d", "e,f", "g,h", "i,l", "m,n", "o,p", "q,r"});
    voce(s, QStringLiteral("mnufacile"))->trigger();
    // Int(r * 8) + 1: rows 1, 1 again, 3, 5, 7; then the layout Int(0.05 * 11) = 0.
    m_ambiente->casuale.copione = {0.0f, 0.1f, 0.25f, 0.5f, 0.75f, 0.05f};
    const int prima = m_ambiente->casuale.estrazioni;
    s->GeneraEsercizio();
    QCOMPARE(m_ambiente->casuale.estrazioni - prima, 6);
    QCOMPARE(s->esercizio().IndiceParola(1), 1);
    QCOMPARE(s->esercizio().IndiceParola(2), 3);
    QCOMPARE(s->esercizio().IndiceParola(4), 7);

    const int attese[] = {4, 8, 3, 2, 7, 1, 6, 5};
    for (int t = 0; t < 8; ++t)
        QCOMPARE(std::round(leggiTwips(tessera(s, t), Proprieta::Left)),
                 Modulo1::Posizione(attese[t]));
    QCOMPARE(caption(s, QStringLiteral("Label1"), 1), QStringLiteral("E"));
    QCOMPARE(caption(s, QStringLiteral("Label4"), 3), QStringLiteral("P"));
}

// Two rows of one word would show its picture twice: the second is drawn again, like a row.
void TestEsercizi::stessaParolaNonEstrattaDueVolte() {
    SchermataEsercizio *s = apri(1);
    m_cartella->scriviLista(QStringLiteral("TUTTE2.txt"), {"a,b", "A,B", "c,d", "e,f", "g,h"});
    voce(s, QStringLiteral("mnufacile"))->trigger();
    // Int(r * 5) + 1: rows 1, 2 (the same word), 3, 4, 5.
    m_ambiente->casuale.copione = {0.0f, 0.2f, 0.4f, 0.6f, 0.8f, 0.05f};
    s->GeneraEsercizio();
    QCOMPARE(s->esercizio().IndiceParola(1), 1);
    QCOMPARE(s->esercizio().IndiceParola(2), 3);
    QCOMPARE(s->esercizio().IndiceParola(4), 5);
}

// "PA,ne" is stored in capitals: its tile shows "pa" in lower case, like pala's, and either
// "pa" tile fits either slot, even one already filled.
void TestEsercizi::giusteSenzaBadareAlleMaiuscoleEInEntrambeLeCaselle() {
    SchermataEsercizio *s = apri(1);
    voce(s, QStringLiteral("mnuMinuscolo"))->trigger();
    int membroPane = -1;
    for (int k = 0; k < 4; ++k) {
        if (s->esercizio().sillabaAttesa({1, k}) == QStringLiteral("PA"))
            membroPane = k;
    }
    QVERIFY(membroPane >= 0);
    QWidget *slot = casella(s, 1, membroPane);
    QWidget *primo = tesseraCon(s, QStringLiteral("pa"));
    QWidget *secondo = tesseraCon(s, QStringLiteral("pa"), primo);
    QVERIFY(primo && secondo);
    m_ambiente->suoni.suonati.clear();

    trascina(primo, slot);
    QCOMPARE(leggiCaption(slot), QStringLiteral("pa"));
    QCOMPARE(leggiCaption(primo), QString());
    QVERIFY(!primo->isEnabled());
    QCOMPARE(caption(s, QStringLiteral("EtichettaEsatti")), QStringLiteral("1"));
    QVERIFY(!nascosto(s, QStringLiteral("ComandoIconaSi")));
    QVERIFY(nascosto(s, QStringLiteral("ComandoIconaNo")));
    QCOMPARE(m_ambiente->suoni.suonati.size(), 1);
    QVERIFY(m_ambiente->suoni.suonati.first().contains(QStringLiteral("/si")));

    trascina(secondo, slot);
    QCOMPARE(leggiCaption(slot), QStringLiteral("pa"));
    QCOMPARE(Modulo1::ContaEsatti, qint16(2));
    QCOMPARE(s->esercizio().SillabeGiuste(), 2);

    // The rest of the exercise: the second "pa" slot stays empty, yet it is complete.
    for (int k = 0; k < 4; ++k) {
        for (int colonna = 1; colonna <= 2; ++colonna) {
            const QString attesa = s->esercizio().sillabaAttesa({colonna, k}).toLower();
            if (attesa == QStringLiteral("pa"))
                continue;
            trascina(tesseraCon(s, attesa), casella(s, colonna, k));
        }
    }
    QCOMPARE(Modulo1::ContaEsatti, qint16(8));
    QVERIFY(widget(s, QStringLiteral("BottoneAvanti"))->isEnabled());
    int casellePaVuote = 0;
    for (int k = 0; k < 4; ++k)
        casellePaVuote += leggiCaption(casella(s, 1, k)).isEmpty();
    QCOMPARE(casellePaVuote, 1);

    tocca(widget(s, QStringLiteral("BottoneAvanti")));
    QVERIFY(!widget(s, QStringLiteral("BottoneAvanti"))->isEnabled());
    QCOMPARE(caption(s, QStringLiteral("EtichettaEsatti")), QStringLiteral("8"));
    QVERIFY(!nascosto(s, QStringLiteral("ComandoIconaSi")));
    QVERIFY(tesseraCon(s, QStringLiteral("pa")));
}

void TestEsercizi::sbagliateSuCaselleEDidascalie() {
    SchermataEsercizio *s = apri(2);
    QWidget *primaSillaba = tesseraCon(s, s->esercizio().sillabaAttesa({1, 0}).toUpper());
    trascina(primaSillaba, casella(s, 1, 0));
    QVERIFY(!nascosto(s, QStringLiteral("ComandoIconaSi")));
    m_ambiente->suoni.suonati.clear();

    // A tile that is not the first word's second syllable: everything stays, the tile comes
    // back to its place.
    QWidget *ga = nullptr;
    for (QWidget *t : tessere(s)) {
        if (!ga && t->isEnabled() &&
            leggiCaption(t) != s->esercizio().sillabaAttesa({2, 0}).toUpper())
            ga = t;
    }
    const QString testo = leggiCaption(ga);
    const QRect dove = ga->geometry();
    trascina(ga, casella(s, 2, 0));
    QCOMPARE(caption(s, QStringLiteral("EtichettaErrati")), QStringLiteral("1"));
    QVERIFY(nascosto(s, QStringLiteral("ComandoIconaSi")));
    QVERIFY(!nascosto(s, QStringLiteral("ComandoIconaNo")));
    QCOMPARE(m_ambiente->suoni.suonati.size(), 1);
    QVERIFY(m_ambiente->suoni.suonati.first().endsWith(QStringLiteral("no.wav")));
    QCOMPARE(leggiCaption(ga), testo);
    QVERIFY(ga->isEnabled());
    QCOMPARE(ga->geometry(), dove);
    QCOMPARE(leggiCaption(casella(s, 2, 0)), QString());

    // The captions beside the counters belong to the slot arrays and expect nothing.
    trascina(ga, widget(s, QStringLiteral("Label2"), 4));
    trascina(ga, widget(s, QStringLiteral("Label3"), 4));
    QCOMPARE(Modulo1::ContaErrati, qint16(3));
    QCOMPARE(caption(s, QStringLiteral("Label2"), 4), QStringLiteral("Errati"));
    QCOMPARE(caption(s, QStringLiteral("Label3"), 4), QStringLiteral("Esatti"));
    QCOMPARE(caption(s, QStringLiteral("EtichettaEsatti")), QStringLiteral("1"));

    // A new exercise from the menu keeps the last verdict and both counters.
    voce(s, QStringLiteral("mnufacile"))->trigger();
    QVERIFY(!nascosto(s, QStringLiteral("ComandoIconaNo")));
    QVERIFY(nascosto(s, QStringLiteral("ComandoIconaSi")));
    QCOMPARE(caption(s, QStringLiteral("EtichettaErrati")), QStringLiteral("3"));
    QCOMPARE(caption(s, QStringLiteral("EtichettaEsatti")), QStringLiteral("1"));
}

void TestEsercizi::rilascioFuoriDaUnaCasellaNonGiudica() {
    SchermataEsercizio *s = apri(1);
    QWidget *t = tessera(s, 0);
    const QRect dove = t->geometry();
    const QString testo = leggiCaption(t);
    const QList<QWidget *> altrove = {widget(s, QStringLiteral("Image1"), 2), tessera(s, 5),
                                      widget(s, QStringLiteral("EtichettaEsatti")),
                                      widget(s, QStringLiteral("BottoneAvanti")), s->superficie()};
    for (QWidget *bersaglio : altrove) {
        trascina(t, bersaglio, bersaglio == s->superficie() ? QPoint(5, 5) : QPoint(-1, -1));
        QCOMPARE(t->geometry(), dove);
    }
    QCOMPARE(leggiCaption(t), testo);
    QVERIFY(m_ambiente->suoni.suonati.isEmpty());
    QCOMPARE(Modulo1::ContaErrati + Modulo1::ContaEsatti, 0);

    // Focus lost mid-drag: the release may never come, so the tile goes home at once.
    QWindow *finestra = s->windowHandle();
    QTest::mousePress(finestra, Qt::LeftButton, {}, nellaFinestra(t));
    QTest::mouseMove(finestra, nellaFinestra(casella(s, 1, 2)));
    QVERIFY(t->geometry() != dove);
    QEvent disattivazione(QEvent::WindowDeactivate);
    QApplication::sendEvent(s, &disattivazione);
    QCOMPARE(t->geometry(), dove);
    QCOMPARE(s->trascinamento()->trascinata(), nullptr);
    QTest::mouseRelease(finestra, Qt::LeftButton, {}, nellaFinestra(casella(s, 1, 2)));
    QCOMPARE(Modulo1::ContaErrati + Modulo1::ContaEsatti, 0);

    // A used-up tile cannot be picked up again.
    trascina(t, casella(s, 1, 0));
    QVERIFY(!t->isEnabled());
    QTest::mousePress(finestra, Qt::LeftButton, {}, nellaFinestra(t));
    QTest::mouseMove(finestra, nellaFinestra(casella(s, 2, 3)));
    QCOMPARE(t->geometry(), dove);
    QTest::mouseRelease(finestra, Qt::LeftButton, {}, nellaFinestra(casella(s, 2, 3)));
    QCOMPARE(Modulo1::ContaEsatti + Modulo1::ContaErrati, 1);
}

void TestEsercizi::tesseraSegueIlPuntatoreEEvidenziaLaCasella() {
    SchermataEsercizio *s = apri(1);
    QWidget *t = tessera(s, 3);
    QWidget *slot = casella(s, 2, 1);
    const QColor giallo = sfondo(slot);
    QWindow *finestra = s->windowHandle();
    const QPoint presa = nellaFinestra(t, QPoint(10, 8));
    QTest::mousePress(finestra, Qt::LeftButton, {}, presa);
    const QPoint sopra = nellaFinestra(slot);
    QTest::mouseMove(finestra, sopra);
    QCOMPARE(t->mapTo(s, QPoint(10, 8)), sopra);
    QVERIFY(sfondo(slot) != giallo);
    QTest::mouseMove(finestra, nellaFinestra(widget(s, QStringLiteral("Image1"), 0)));
    QCOMPARE(sfondo(slot), giallo);
    QTest::mouseRelease(finestra, Qt::LeftButton, {},
                        nellaFinestra(widget(s, QStringLiteral("Image1"), 0)));
    QCOMPARE(sfondo(slot), giallo);
}

void TestEsercizi::toccoSceglieLaTesseraEToccoSullaCasellaLaPosa() {
    SchermataEsercizio *s = apri(1);
    const QString attesa = s->esercizio().sillabaAttesa({2, 2}).toUpper();
    QWidget *giusta = tesseraCon(s, attesa);
    const QColor bianco = sfondo(giusta);

    tocca(giusta);
    QCOMPARE(s->trascinamento()->selezionata(), giusta);
    QVERIFY(sfondo(giusta) != bianco);
    QVERIFY(m_ambiente->suoni.suonati.isEmpty());

    tocca(casella(s, 2, 2));
    QCOMPARE(leggiCaption(casella(s, 2, 2)), attesa);
    QVERIFY(!giusta->isEnabled());
    QCOMPARE(Modulo1::ContaEsatti, qint16(1));
    QCOMPARE(s->trascinamento()->selezionata(), nullptr);
    QCOMPARE(sfondo(giusta), bianco);

    // A wrong tap counts like a wrong drop.
    QWidget *altra = tesseraCon(s, s->esercizio().sillabaAttesa({1, 0}).toUpper());
    tocca(altra);
    tocca(casella(s, 2, 0));
    QCOMPARE(Modulo1::ContaErrati, qint16(1));
    QVERIFY(altra->isEnabled());
}

void TestEsercizi::toccoAltroveAnnullaLaScelta() {
    SchermataEsercizio *s = apri(1);
    QWidget *a = tessera(s, 0);
    QWidget *b = tessera(s, 1);
    const QColor bianco = sfondo(a);

    tocca(a);
    tocca(a);
    QCOMPARE(s->trascinamento()->selezionata(), nullptr);
    QCOMPARE(sfondo(a), bianco);

    tocca(a);
    tocca(b);
    QCOMPARE(s->trascinamento()->selezionata(), b);
    QCOMPARE(sfondo(a), bianco);

    tocca(widget(s, QStringLiteral("Image1"), 1));
    QCOMPARE(s->trascinamento()->selezionata(), nullptr);
    tocca(casella(s, 1, 1));
    QCOMPARE(Modulo1::ContaEsatti + Modulo1::ContaErrati, 0);

    tocca(b);
    QTest::mouseClick(s->windowHandle(), Qt::LeftButton, {},
                      s->superficie()->mapTo(s, QPoint(3, s->superficie()->height() - 3)));
    QCOMPARE(s->trascinamento()->selezionata(), nullptr);
    QVERIFY(m_ambiente->suoni.suonati.isEmpty());
}

void TestEsercizi::ditoTrascinaEPosa() {
    SchermataEsercizio *s = apri(2);
    QPointingDevice *schermoTattile = QTest::createTouchDevice();
    const QString attesa = s->esercizio().sillabaAttesa({3, 1}).toUpper();
    QWidget *t = tesseraCon(s, attesa);
    const QPoint da = nellaFinestra(t);
    const QPoint a = nellaFinestra(casella(s, 3, 1));
    QTest::touchEvent(s, schermoTattile).press(0, da, s);
    QTest::touchEvent(s, schermoTattile).move(0, (da + a) / 2, s);
    QCOMPARE(t->mapTo(s, t->rect().center()), (da + a) / 2);
    QTest::touchEvent(s, schermoTattile).move(0, a, s);
    QTest::touchEvent(s, schermoTattile).release(0, a, s);
    QCOMPARE(leggiCaption(casella(s, 3, 1)), attesa);
    QVERIFY(!t->isEnabled());

    // A finger tap on a tile, then on a slot.
    const QString altra = s->esercizio().sillabaAttesa({1, 2}).toUpper();
    QWidget *u = tesseraCon(s, altra);
    QTest::touchEvent(s, schermoTattile).press(1, nellaFinestra(u), s);
    QTest::touchEvent(s, schermoTattile).release(1, nellaFinestra(u), s);
    QCOMPARE(s->trascinamento()->selezionata(), u);
    QTest::touchEvent(s, schermoTattile).press(2, nellaFinestra(casella(s, 1, 2)), s);
    QTest::touchEvent(s, schermoTattile).release(2, nellaFinestra(casella(s, 1, 2)), s);
    QCOMPARE(leggiCaption(casella(s, 1, 2)), altra);
    QCOMPARE(Modulo1::ContaEsatti, qint16(2));
}

// Positions recorded at full screen would leave tiles outside a smaller window: the next
// exercise places them at the window's current scale.
void TestEsercizi::finestraPiuPiccolaTessereDentroEAllaScala() {
    SchermataEsercizio *s = apri(1);
    s->showNormal();
    s->resize(640, 400);
    QTRY_COMPARE(s->width(), 640);
    QList<int> progetto;
    for (QWidget *t : tessere(s))
        progetto << t->x();
    std::sort(progetto.begin(), progetto.end());

    completa(s); // dragging works at this size too
    QCOMPARE(Modulo1::ContaEsatti, qint16(8));
    tocca(widget(s, QStringLiteral("BottoneAvanti")));
    QList<int> dopo;
    for (QWidget *t : tessere(s)) {
        QVERIFY(s->superficie()->rect().contains(t->geometry()));
        dopo << t->x();
    }
    std::sort(dopo.begin(), dopo.end());
    for (int i = 0; i < dopo.size(); ++i)
        QVERIFY2(qAbs(dopo[i] - progetto[i]) <= 1, qPrintable(QString::number(i)));
}

void TestEsercizi::carattereECambioListaScartanoLEsercizio() {
    SchermataEsercizio *s = apri(1);
    trascina(tesseraCon(s, s->esercizio().sillabaAttesa({2, 0}).toUpper()), casella(s, 2, 0));
    trascina(tessera(s, 0), widget(s, QStringLiteral("Label2"), 4));
    const QStringList facili = sillabe(Facili2);
    const QStringList difficili = sillabe(Difficili2);

    voce(s, QStringLiteral("mnuMinuscolo"))->trigger();
    QVERIFY(!s->Maiuscolo());
    QVERIFY(voce(s, QStringLiteral("mnuMinuscolo"))->isChecked());
    QVERIFY(!voce(s, QStringLiteral("mnuMaiuscolo"))->isChecked());
    QCOMPARE(leggiCaption(casella(s, 2, 0)), QString());
    for (QWidget *t : tessere(s)) {
        QVERIFY(t->isEnabled());
        QCOMPARE(leggiCaption(t), leggiCaption(t).toLower());
    }
    QCOMPARE(Modulo1::ContaEsatti, qint16(1));
    QCOMPARE(Modulo1::ContaErrati, qint16(1));

    voce(s, QStringLiteral("mnudifficile"))->trigger();
    QVERIFY(voce(s, QStringLiteral("mnudifficile"))->isChecked());
    QVERIFY(!voce(s, QStringLiteral("mnufacile"))->isChecked());
    for (QWidget *t : tessere(s)) {
        QVERIFY(difficili.contains(leggiCaption(t)));
        QCOMPARE(leggiCaption(t), leggiCaption(t).toLower());
    }

    // Four of the five difficult words are drawn, so caffè or gilè is always among them.
    voce(s, QStringLiteral("mnuMaiuscolo"))->trigger();
    bool accentata = false;
    for (QWidget *t : tessere(s)) {
        QVERIFY(difficili.contains(leggiCaption(t).toLower()));
        accentata |=
            leggiCaption(t) == QStringLiteral("LÈ") || leggiCaption(t) == QStringLiteral("FÈ");
    }
    QVERIFY(accentata);

    voce(s, QStringLiteral("mnufacile"))->trigger();
    for (QWidget *t : tessere(s))
        QVERIFY(facili.contains(leggiCaption(t), Qt::CaseInsensitive));
    QCOMPARE(caption(s, QStringLiteral("EtichettaEsatti")), QStringLiteral("1"));
    QCOMPARE(caption(s, QStringLiteral("EtichettaErrati")), QStringLiteral("1"));
}

void TestEsercizi::facileGiaSceltoRicaricaLaLista() {
    SchermataEsercizio *s = apri(1);
    m_cartella->scriviLista(QStringLiteral("TUTTE2.txt"), {"ra,na", "lu,po", "to,po", "mu,ro"});
    voce(s, QStringLiteral("mnufacile"))->trigger();
    QVERIFY(voce(s, QStringLiteral("mnufacile"))->isChecked());
    QVERIFY(!voce(s, QStringLiteral("mnudifficile"))->isChecked());
    QCOMPARE(Modulo1::NumeroParole, qint16(4));
    QVERIFY(tesseraCon(s, QStringLiteral("RA")));
    QVERIFY(!tesseraCon(s, QStringLiteral("PA")));
}

void TestEsercizi::avantiRestaAbilitatoDopoIMenu() {
    SchermataEsercizio *s = apri(2);
    completa(s);
    QWidget *avanti = widget(s, QStringLiteral("BottoneAvanti"));
    QVERIFY(avanti->isEnabled());
    voce(s, QStringLiteral("mnudifficile"))->trigger();
    QVERIFY(avanti->isEnabled());
    voce(s, QStringLiteral("mnuMinuscolo"))->trigger();
    QVERIFY(avanti->isEnabled());
    QCOMPARE(s->esercizio().SillabeGiuste(), 0);
    tocca(avanti);
    QVERIFY(!avanti->isEnabled());
}

void TestEsercizi::azzeraTieneLEsercizio() {
    SchermataEsercizio *s = apri(1);
    QWidget *t = tesseraCon(s, s->esercizio().sillabaAttesa({1, 3}).toUpper());
    trascina(t, casella(s, 1, 3));
    trascina(tessera(s, 7), widget(s, QStringLiteral("Label3"), 4));
    voce(s, QStringLiteral("mnuAzzera"))->trigger();
    QCOMPARE(caption(s, QStringLiteral("EtichettaEsatti")), QStringLiteral("0"));
    QCOMPARE(caption(s, QStringLiteral("EtichettaErrati")), QStringLiteral("0"));
    QVERIFY(!leggiCaption(casella(s, 1, 3)).isEmpty());
    QVERIFY(!t->isEnabled());
    QCOMPARE(s->esercizio().SillabeGiuste(), 1);
    QVERIFY(!nascosto(s, QStringLiteral("ComandoIconaNo")));

    trascina(tesseraCon(s, s->esercizio().sillabaAttesa({2, 3}).toUpper()), casella(s, 2, 3));
    QCOMPARE(caption(s, QStringLiteral("EtichettaEsatti")), QStringLiteral("1"));
}

void TestEsercizi::esciNoNonCambiaNullaEsciSiRiparteDaCapo() {
    SchermataEsercizio *s = apri(1);
    voce(s, QStringLiteral("mnudifficile"))->trigger();
    voce(s, QStringLiteral("mnuMinuscolo"))->trigger();
    trascina(tesseraCon(s, s->esercizio().sillabaAttesa({1, 0}).toLower()), casella(s, 1, 0));
    QStringList prima;
    for (QWidget *t : tessere(s))
        prima << leggiCaption(t) + QString::number(t->x());

    m_ambiente->messaggi.rispondi(Pulsante::No);
    voce(s, QStringLiteral("mnuEsci"))->trigger();
    QCOMPARE(m_ambiente->messaggi.mostrati.last().testo, QStringLiteral("Vuoi tornare al menù?"));
    QStringList dopo;
    for (QWidget *t : tessere(s))
        dopo << leggiCaption(t) + QString::number(t->x());
    QCOMPARE(dopo, prima);
    QCOMPARE(Modulo1::ContaEsatti, qint16(1));
    QVERIFY(voce(s, QStringLiteral("mnudifficile"))->isChecked());
    QCOMPARE(schermateAperte(), QStringList{"DISEGNI1"});

    m_ambiente->messaggi.rispondi(Pulsante::Si);
    voce(s, QStringLiteral("mnuEsci"))->trigger();
    eliminaChiuse();
    QCOMPARE(schermateAperte(), QStringList{"FormMenu"});
    QCOMPARE(Modulo1::ContaEsatti, qint16(0));

    Modulo1::ContaEsatti = 4;
    SchermataEsercizio *nuova = apri(1);
    QVERIFY(voce(nuova, QStringLiteral("mnufacile"))->isChecked());
    QVERIFY(voce(nuova, QStringLiteral("mnuMaiuscolo"))->isChecked());
    QVERIFY(nuova->Maiuscolo());
    QCOMPARE(Modulo1::ContaEsatti, qint16(0));
    for (QWidget *t : tessere(nuova))
        QVERIFY(sillabe(Facili2).contains(leggiCaption(t), Qt::CaseInsensitive));
}

void TestEsercizi::listaInutilizzabileAllApertura_data() {
    QTest::addColumn<int>("quale");
    QTest::addColumn<QByteArray>("contenuto"); // "-" for no file at all
    QTest::addColumn<QString>("motivo");
    QByteArray cinquecentouno;
    for (int i = 0; i < 501; ++i)
        cinquecentouno += "\"pa\",\"la\"\r\n";
    QTest::newRow("missing file") << 1 << QByteArray("-") << "non si può leggere";
    QTest::newRow("501 words") << 1 << cinquecentouno << "al massimo 500";
    QTest::newRow("truncated record")
        << 1 << QByteArray("\"pa\",\"la\"\r\n\"ca\"\r\n") << "finisce a metà";
    QTest::newRow("unsafe syllable") << 1 << QByteArray("\"..\\..\\x\",\"la\"\r\n") << "contiene";
    QTest::newRow("three words") << 1 << QByteArray("a,b\r\nc,d\r\ne,f\r\n") << "ne ha solo 3";
    QTest::newRow("empty list") << 1 << QByteArray() << "non ne ha nessuna";
    QTest::newRow("four rows, three different words")
        << 1 << QByteArray("a,b\r\nA,B\r\nc,d\r\ne,f\r\n")
        << "ne ha solo 3. Alcune parole sono ripetute";
    QTest::newRow("two words, three syllables")
        << 2 << QByteArray("a,b,c\r\nd,e,f\r\n") << "almeno 3 parole";
}

// The child stays on the list menu with a message that names the list and the difficulty.
void TestEsercizi::listaInutilizzabileAllApertura() {
    QFETCH(int, quale);
    QFETCH(QByteArray, contenuto);
    QFETCH(QString, motivo);
    const QString file = quale == 1 ? QStringLiteral("TUTTE2.txt") : QStringLiteral("TUTTE3.txt");
    if (contenuto == "-")
        QFile::remove(m_cartella->percorso() + QStringLiteral("/testizampirolo2/") + file);
    else
        m_cartella->scriviTesto(file, contenuto);

    FormMenu *menu = FormMenu::mostra();
    QTRY_VERIFY(menu->giaAttivata());
    Modulo1::ContaEsatti = 5;
    QWidget *pulsante =
        widget(menu, quale == 1 ? QStringLiteral("Command3D1") : QStringLiteral("Command1"));
    QTest::mouseClick(pulsante, Qt::LeftButton, {}, pulsante->rect().center());
    eliminaChiuse();

    QCOMPARE(m_ambiente->messaggi.mostrati.size(), 1);
    const QString testo = m_ambiente->messaggi.mostrati.first().testo;
    QVERIFY2(testo.contains(QStringLiteral("\"TUTTE\" (facile)")), qPrintable(testo));
    QVERIFY2(testo.contains(motivo), qPrintable(testo));
    QCOMPARE(schermateAperte(), QStringList{"FormMenu"});
    QVERIFY(!RegistroFinestre::aperta(quale == 1 ? QStringLiteral("DISEGNI1")
                                                 : QStringLiteral("DISEGNI2")));
    QCOMPARE(Modulo1::Ridimensiona->SourceForm(), &menu->ridimensionabile());
    QCOMPARE(Modulo1::ContaEsatti, qint16(5));
    // The menu still works: the other exercise opens.
    QVERIFY(apri(quale == 1 ? 2 : 1));
}

void TestEsercizi::listaDifficileInutilizzabileLasciaLEsercizio() {
    SchermataEsercizio *s = apri(1);
    const auto istantanea = [s] {
        QStringList captions;
        for (QWidget *t : tessere(s))
            captions << leggiCaption(t);
        return captions;
    };
    const QStringList prima = istantanea();

    QFile::remove(m_cartella->percorso() + QStringLiteral("/testizampirolo2/TUTTE4.txt"));
    voce(s, QStringLiteral("mnudifficile"))->trigger();
    QVERIFY(m_ambiente->messaggi.mostrati.last().testo.contains(QStringLiteral("(difficile)")));
    QVERIFY(voce(s, QStringLiteral("mnufacile"))->isChecked());
    QVERIFY(!voce(s, QStringLiteral("mnudifficile"))->isChecked());
    QCOMPARE(istantanea(), prima);

    m_cartella->scriviLista(QStringLiteral("TUTTE4.txt"), {"ra,na", "lu,po"});
    voce(s, QStringLiteral("mnudifficile"))->trigger();
    QVERIFY(m_ambiente->messaggi.mostrati.last().testo.contains(QStringLiteral("ne ha solo 2")));
    QCOMPARE(istantanea(), prima);
    QCOMPARE(Modulo1::NumeroParole, qint16(4));
    QCOMPARE(m_ambiente->messaggi.mostrati.size(), 2);

    // Back on a good difficult list, a failing easy one leaves the difficult mark.
    m_cartella->scriviLista(QStringLiteral("TUTTE4.txt"), Difficili2);
    voce(s, QStringLiteral("mnudifficile"))->trigger();
    QFile::remove(m_cartella->percorso() + QStringLiteral("/testizampirolo2/TUTTE2.txt"));
    voce(s, QStringLiteral("mnufacile"))->trigger();
    QCOMPARE(m_ambiente->messaggi.mostrati.size(), 3);
    QVERIFY(voce(s, QStringLiteral("mnudifficile"))->isChecked());
    QVERIFY(!voce(s, QStringLiteral("mnufacile"))->isChecked());
    completa(s);
    QVERIFY(widget(s, QStringLiteral("BottoneAvanti"))->isEnabled());
}

void TestEsercizi::figuraMancanteMostraUnSegnaposto() {
    QFile::remove(m_cartella->percorso() + QStringLiteral("/images0/casa.jpg"));
    m_cartella->scriviTesto(QStringLiteral("../images0/luna.jpg"), "not a picture");
    SchermataEsercizio *s = apri(1);
    const QImage segnaposto = figuraSegnaposto().toImage();
    int segnaposti = 0;
    for (int k = 0; k < 4; ++k) {
        const QString parola = s->esercizio().parole().parola(s->esercizio().IndiceParola(k + 1));
        const QImage figura = widget<Immagine>(s, QStringLiteral("Image1"), k)->picture().toImage();
        const bool mancante = parola == QStringLiteral("casa") || parola == QStringLiteral("luna");
        QCOMPARE(figura == segnaposto, mancante);
        segnaposti += mancante;
    }
    QCOMPARE(segnaposti, 2);
    completa(s);
    QVERIFY(widget(s, QStringLiteral("BottoneAvanti"))->isEnabled());
}

void TestEsercizi::contatoriSiFermanoA32767() {
    SchermataEsercizio *s = apri(1);
    Modulo1::ContaEsatti = 32766;
    Modulo1::ContaErrati = 32767;
    completa(s);
    QCOMPARE(Modulo1::ContaEsatti, qint16(32767));
    QCOMPARE(caption(s, QStringLiteral("EtichettaEsatti")), QStringLiteral("32767"));
    tocca(widget(s, QStringLiteral("BottoneAvanti")));
    trascina(tessera(s, 0), widget(s, QStringLiteral("Label2"), 4));
    QCOMPARE(Modulo1::ContaErrati, qint16(32767));
    QCOMPARE(caption(s, QStringLiteral("EtichettaErrati")), QStringLiteral("32767"));
}

void TestEsercizi::partitaCompletaDalMenu_data() {
    QTest::addColumn<int>("quale");
    QTest::newRow("parole bisillabe") << 1;
    QTest::newRow("trisillabe") << 2;
}

void TestEsercizi::partitaCompletaDalMenu() {
    QFETCH(int, quale);
    FormAvvio *avvio = FormAvvio::mostra();
    QTRY_VERIFY(avvio->giaAttivata());
    tocca(widget(avvio, QStringLiteral("Command1")));
    eliminaChiuse();
    auto *menu = static_cast<FormMenu *>(RegistroFinestre::aperta(QStringLiteral("FormMenu")));
    QVERIFY(menu);
    QTRY_VERIFY(menu->giaAttivata());
    tocca(widget(menu, quale == 1 ? QStringLiteral("Command3D1") : QStringLiteral("Command1")));
    eliminaChiuse();
    auto *s = static_cast<SchermataEsercizio *>(RegistroFinestre::aperta(
        quale == 1 ? QStringLiteral("DISEGNI1") : QStringLiteral("DISEGNI2")));
    QVERIFY(s);
    QTRY_VERIFY(s->giaAttivata());
    QCOMPARE(schermateAperte().size(), 1);

    for (int esercizio = 1; esercizio <= 3; ++esercizio) {
        completa(s);
        QCOMPARE(caption(s, QStringLiteral("EtichettaEsatti")),
                 QString::number(esercizio * s->configurazione().regole.sillabeDaCompletare()));
        tocca(widget(s, QStringLiteral("BottoneAvanti")));
    }
    QCOMPARE(caption(s, QStringLiteral("EtichettaErrati")), QStringLiteral("0"));
    QCOMPARE(m_ambiente->suoni.suonati.size(),
             3 * s->configurazione().regole.sillabeDaCompletare());

    m_ambiente->messaggi.rispondi(Pulsante::Si);
    voce(s, QStringLiteral("mnuEsci"))->trigger();
    eliminaChiuse();
    QCOMPARE(schermateAperte(), QStringList{"FormMenu"});
    QCOMPARE(m_ambiente->messaggi.senzaRisposta, 0);
}

QTEST_MAIN(TestEsercizi)
#include "tst_esercizi.moc"
