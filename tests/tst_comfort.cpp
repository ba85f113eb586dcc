// What makes the game easier for a child, played on the real widgets: the window title that
// names list and level, a list whose easy file is short opening on its difficult one, play
// by keyboard alone, big letters and spoken words.
#include "core/modulo1.h"
#include "core/servizi.h"
#include "core/voceespeak.h"
#include "exercise/schermataesercizio.h"
#include "exercise/trascinamentotessere.h"
#include "screens/formmenu.h"
#include "support/cartellaprova.h"
#include "support/schermate.h"
#include "support/testdoubles.h"
#include "ui/registrofinestre.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QMenuBar>
#include <QRadioButton>
#include <QtTest>
#include <memory>

namespace {

const QStringList Facili2 = {"pa,la", "ca,sa", "lu,na", "ne,ve"};
const QStringList Difficili2 = {"caf,fè", "gat,to", "pal,la", "bar,ca"};
const QStringList Facili3 = {"pa,ta,ta", "ga,li,na", "ca,ro,ta"};
const QStringList Difficili3 = {"pe,co,ra", "to,ma,te", "ban,die,ra"};

SchermataEsercizio *apri(int quale) {
    SchermataEsercizio *s = quale == 1 ? mostraDISEGNI1() : mostraDISEGNI2();
    return s && QTest::qWaitFor([s] { return s->giaAttivata(); }, 2000) ? s : nullptr;
}

QString sillabeDi(SchermataEsercizio *s) {
    QStringList tutte;
    for (int t = 0; t < s->configurazione().tessere.size(); ++t)
        tutte << s->esercizio().sillabaTessera(t);
    return tutte.join(QLatin1Char(' '));
}

QWidget *tessera(SchermataEsercizio *s, int t) {
    const RiferimentoControllo &r = s->configurazione().tessere.at(t);
    return widget(s, r.nome, r.indice);
}

QWidget *casella(SchermataEsercizio *s, Casella c) {
    return widget(s, s->configurazione().caselle.at(c.colonna - 1), c.membro);
}

// A key as the keyboard sends it: to whatever has the focus in that window.
void premi(QWidget *finestra, Qt::Key tasto) {
    QTest::keyClick(finestra->windowHandle(), tasto);
}

// Tabs until the focus is on a control that satisfies `cerca`; false after a full round.
template <class F> bool tabulaFino(QWidget *finestra, F cerca) {
    for (int i = 0; i < 40; ++i) {
        premi(finestra, Qt::Key_Tab);
        if (finestra->focusWidget() && cerca(finestra->focusWidget()))
            return true;
    }
    return false;
}

int pixel(QWidget *w) {
    return QFontInfo(w->font()).pixelSize();
}

// Records what would be said instead of saying it.
class VoceRegistrata : public VoceParole {
public:
    void pronuncia(const QString &parola, int dopo) override {
        dette << parola;
        attese << dopo;
    }
    QStringList dette;
    QList<int> attese;
};

} // namespace

class TestComfort : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init();
    void cleanup();

    void titoloNominaListaELivello();
    void facileInutilizzabileApreSulDifficile_data();
    void facileInutilizzabileApreSulDifficile();

    void esercizioCompletoDallaTastiera();
    void menuESceltaDallaTastiera();

    void caratteriGrandiCresconoConLaFinestra();
    void caratteriNormaliRestanoQuelliDelDisegno();

    void figuraToccataDiceLaParola();
    void parolaCompletataDettaUnaVoltaDopoIlSi();
    void espeakSintetizzaLItalianoEMutaSenzaAudio();

private:
    VoceRegistrata m_voce;
    std::unique_ptr<CartellaProva> m_cartella;
    std::unique_ptr<AmbienteDiProva> m_ambiente;
};

void TestComfort::init() {
    m_cartella = std::make_unique<CartellaProva>();
    for (const QString &codice : {QStringLiteral("TUTTE"), QStringLiteral("ba")}) {
        m_cartella->scriviLista(codice + QStringLiteral("2.txt"), Facili2);
        m_cartella->scriviLista(codice + QStringLiteral("4.txt"), Difficili2);
        m_cartella->scriviLista(codice + QStringLiteral("3.txt"), Facili3);
        m_cartella->scriviLista(codice + QStringLiteral("5.txt"), Difficili3);
    }
    for (const QStringList *lista : {&Facili2, &Difficili2, &Facili3, &Difficili3})
        m_cartella->scriviFigure(*lista);
    m_ambiente = std::make_unique<AmbienteDiProva>(m_cartella->percorso(), 7);
    RegistroFinestre::registra(NomiFinestre::FormMenu, [] { return new FormMenu; });
    Modulo1::RiempiElencoListe();
    Modulo1::SuoniAttivi = true;
    m_voce = VoceRegistrata();
    servizi().voce = &m_voce;
}

void TestComfort::cleanup() {
    chiudiTutte();
    servizi().voce = nullptr;
    m_ambiente.reset();
    m_cartella.reset();
}

// The title follows every change of level, including one the menu refuses.
void TestComfort::titoloNominaListaELivello() {
    Modulo1::ListaScelta = 1;
    SchermataEsercizio *s = apri(1);
    QVERIFY(s);
    const QString base = QStringLiteral("Zampirolo 2 \u2013 BA BE BI BO BU \u2013 ");
    QCOMPARE(s->windowTitle(), base + QStringLiteral("facile"));
    s->findChild<QAction *>(QStringLiteral("mnudifficile"))->trigger();
    QCOMPARE(s->windowTitle(), base + QStringLiteral("difficile"));
    QFile::remove(m_cartella->percorso() + QStringLiteral("/testizampirolo2/ba2.txt"));
    s->findChild<QAction *>(QStringLiteral("mnufacile"))->trigger();
    QCOMPARE(s->windowTitle(), base + QStringLiteral("difficile"));
    QCOMPARE(m_ambiente->messaggi.mostrati.size(), 1);
}

void TestComfort::facileInutilizzabileApreSulDifficile_data() {
    QTest::addColumn<int>("quale");
    QTest::addColumn<QByteArray>("facile"); // "-" for no file at all
    QTest::addColumn<bool>("difficileUsabile");
    QTest::newRow("missing easy file") << 1 << QByteArray("-") << true;
    QTest::newRow("easy file too short") << 2 << QByteArray("\"a\",\"b\",\"c\"\r\n") << true;
    QTest::newRow("easy file malformed") << 1 << QByteArray("\"pa\",\"la\"\r\n\"ca\"\r\n") << true;
    QTest::newRow("both unusable") << 1 << QByteArray("-") << false;
}

// Silently: no message, "difficile" marked, the difficult words on the tiles.
void TestComfort::facileInutilizzabileApreSulDifficile() {
    QFETCH(int, quale);
    QFETCH(QByteArray, facile);
    QFETCH(bool, difficileUsabile);
    const QString cartella = m_cartella->percorso() + QStringLiteral("/testizampirolo2/");
    const QString fileFacile = QStringLiteral("TUTTE%1.txt").arg(quale + 1);
    if (facile == "-")
        QFile::remove(cartella + fileFacile);
    else
        m_cartella->scriviTesto(fileFacile, facile);
    if (!difficileUsabile)
        m_cartella->scriviLista(QStringLiteral("TUTTE%1.txt").arg(quale + 3), {"ra,na"});

    SchermataEsercizio *s = apri(quale);
    if (!difficileUsabile) {
        QVERIFY(!s);
        QCOMPARE(m_ambiente->messaggi.mostrati.size(), 1);
        QVERIFY(m_ambiente->messaggi.mostrati.first().testo.contains(QStringLiteral("(facile)")));
        return;
    }
    QVERIFY(s);
    QVERIFY(m_ambiente->messaggi.mostrati.isEmpty());
    QVERIFY(s->findChild<QAction *>(QStringLiteral("mnudifficile"))->isChecked());
    QVERIFY(!s->findChild<QAction *>(QStringLiteral("mnufacile"))->isChecked());
    QVERIFY(s->windowTitle().endsWith(QStringLiteral("difficile")));
    const QStringList difficili = quale == 1 ? Difficili2 : Difficili3;
    for (const QString &sillaba : sillabeDi(s).split(QLatin1Char(' ')))
        QVERIFY2(difficili.join(QLatin1Char(',')).split(QLatin1Char(',')).contains(sillaba),
                 qPrintable(sillaba));
}

// Tab to a tile, Space, Tab to a slot, Enter: judged as a drag, with Escape letting go and
// "avanti" reached and pressed at the end, never touching the mouse.
void TestComfort::esercizioCompletoDallaTastiera() {
    SchermataEsercizio *s = apri(1);
    QVERIFY(s);
    TrascinamentoTessere *trascinamento = s->trascinamento();
    const auto vaiATessera = [&](const QString &testo) {
        return tabulaFino(s, [&](QWidget *w) {
            return w->accessibleDescription() == QStringLiteral("sillaba ") + testo;
        });
    };
    const QString prima = s->esercizio().sillabaAttesa({1, 0}).toUpper();
    const auto cornice = [s] {
        auto *c = s->findChild<QWidget *>(QStringLiteral("corniceFuoco"));
        return c && c->isVisible() ? c : nullptr;
    };
    QVERIFY(!cornice()); // the mouse player sees none
    QVERIFY(vaiATessera(prima));
    QWidget *scelta = s->focusWidget();
    // Around the tile, leaving it in sight.
    QVERIFY(cornice());
    QCOMPARE(cornice()->parentWidget(), scelta->parentWidget());
    QVERIFY(cornice()->geometry().contains(scelta->geometry().adjusted(-3, -3, 3, 3)));
    premi(s, Qt::Key_Space);
    QCOMPARE(trascinamento->selezionata(), scelta);
    QVERIFY(s->focusWidget() != scelta);
    premi(s, Qt::Key_Escape);
    QVERIFY(!trascinamento->selezionata());
    QCOMPARE(s->focusWidget(), scelta);

    // A wrong slot counts as a wrong drop, as with the mouse.
    premi(s, Qt::Key_Space);
    QWidget *sbagliata = casella(s, {2, 3});
    QVERIFY(s->esercizio().sillabaAttesa({2, 3}).toUpper() != prima);
    QVERIFY(tabulaFino(s, [&](QWidget *w) { return w == sbagliata; }));
    premi(s, Qt::Key_Return);
    QCOMPARE(Modulo1::ContaErrati, qint16(1));
    QVERIFY(scelta->isEnabled());

    // The mouse still drops on a slot that wears the frame.
    QVERIFY(tabulaFino(s, [&](QWidget *w) { return w == sbagliata; }));
    const QPoint da = scelta->mapTo(s, scelta->rect().center());
    const QPoint a = sbagliata->mapTo(s, sbagliata->rect().center());
    QTest::mousePress(s->windowHandle(), Qt::LeftButton, {}, da);
    QTest::mouseMove(s->windowHandle(), (da + a) / 2);
    QTest::mouseMove(s->windowHandle(), a);
    QTest::mouseRelease(s->windowHandle(), Qt::LeftButton, {}, a);
    QCOMPARE(Modulo1::ContaErrati, qint16(2));

    for (int membro = 0; membro < 4; ++membro) {
        for (int colonna = 1; colonna <= 2; ++colonna) {
            const Casella c{colonna, membro};
            QCOMPARE(casella(s, c)->accessibleDescription(),
                     QStringLiteral("casella vuota sotto la figura %1").arg(membro + 1));
            QVERIFY(vaiATessera(s->esercizio().sillabaAttesa(c).toUpper()));
            premi(s, Qt::Key_Space);
            QVERIFY(tabulaFino(s, [&](QWidget *w) { return w == casella(s, c); }));
            premi(s, Qt::Key_Enter);
            QVERIFY(s->esercizio().tesseraIn(c) >= 0);
        }
    }
    QCOMPARE(Modulo1::ContaEsatti, qint16(8));
    QCOMPARE(Modulo1::ContaErrati, qint16(2));
    QCOMPARE(casella(s, {2, 1})->accessibleDescription(),
             QStringLiteral("casella con %1 sotto la figura 2")
                 .arg(s->esercizio().sillabaAttesa({2, 1}).toUpper()));
    QWidget *avanti = widget(s, QStringLiteral("BottoneAvanti"));
    QCOMPARE(s->focusWidget(), avanti);
    premi(s, Qt::Key_Space);
    QVERIFY(!avanti->isEnabled());
    QCOMPARE(s->esercizio().SillabeGiuste(), 0);
    QVERIFY(tessera(s, 0)->isEnabled());
}

// The arrows move among the lists without choosing; Enter chooses and confirms.
void TestComfort::menuESceltaDallaTastiera() {
    FormMenu *menu = FormMenu::mostra();
    QTRY_VERIFY(menu->giaAttivata());
    QWidget *cambia = widget(menu, QStringLiteral("Command3D6"));
    QVERIFY(tabulaFino(menu, [&](QWidget *w) { return w == cambia; }));
    premi(menu, Qt::Key_Return);
    QVERIFY(widget(menu, QStringLiteral("Frame1"))->isVisible());
    QCOMPARE(menu->focusWidget(), widget(menu, QStringLiteral("Option1"), 0));
    premi(menu, Qt::Key_Down);
    premi(menu, Qt::Key_Right);
    QCOMPARE(menu->focusWidget(), widget(menu, QStringLiteral("Option1"), 10));
    premi(menu, Qt::Key_Left);
    QVERIFY(m_ambiente->messaggi.mostrati.isEmpty());
    premi(menu, Qt::Key_Return);
    QCOMPARE(m_ambiente->messaggi.mostrati.size(), 1);
    QCOMPARE(Modulo1::ListaScelta, qint16(1));
    QVERIFY(!widget(menu, QStringLiteral("Frame1"))->isVisible());

    auto *grandi = widget<QCheckBox>(menu, QStringLiteral("Check2"));
    QVERIFY(tabulaFino(menu, [&](QWidget *w) { return w == grandi; }));
    premi(menu, Qt::Key_Space);
    QVERIFY(Modulo1::CaratteriGrandi);
    QWidget *bisillabe = widget(menu, QStringLiteral("Command3D1"));
    QVERIFY(tabulaFino(menu, [&](QWidget *w) { return w == bisillabe; }));
    premi(menu, Qt::Key_Enter);
    eliminaChiuse();
    QCOMPARE(schermateAperte(), QStringList{"DISEGNI1"});
}

// Every font grows with the window; the syllables take the largest size their boxes allow.
void TestComfort::caratteriGrandiCresconoConLaFinestra() {
    Modulo1::CaratteriGrandi = true;
    SchermataEsercizio *s = apri(1);
    QVERIFY(s);
    s->showNormal();
    QWidget *contatore = widget(s, QStringLiteral("EtichettaEsatti"));
    QList<int> misure;
    for (const QSize &dimensione : {QSize(640, 420), QSize(960, 630)}) {
        s->resize(dimensione);
        QTRY_COMPARE(s->size(), dimensione);
        misure << pixel(contatore) << pixel(s->barraMenu());
        for (int t = 0; t < 8; ++t) {
            QWidget *w = tessera(s, t);
            const QFontMetrics metrica(w->font());
            QVERIFY(metrica.horizontalAdvance(leggiCaption(w)) <= w->contentsRect().width());
            QVERIFY(metrica.height() <= w->height());
            QVERIFY2(metrica.height() * 10 >= w->height() * 6, qPrintable(QString::number(t)));
            QCOMPARE(w->font(), casella(s, {1, 0})->font());
        }
    }
    // In proportion with the window, and larger than the design's 24 pixels (18 points).
    const double rapporto = misure[2] / double(misure[0]);
    QVERIFY2(rapporto > 1.4 && rapporto < 1.6, qPrintable(QString::number(rapporto)));
    QVERIFY(misure[3] > misure[1]);
    QVERIFY(misure[2] > 24);
}

void TestComfort::caratteriNormaliRestanoQuelliDelDisegno() {
    SchermataEsercizio *s = apri(2);
    QVERIFY(s);
    s->showNormal();
    for (const QSize &dimensione : {QSize(640, 420), QSize(960, 630)}) {
        s->resize(dimensione);
        QTRY_COMPARE(s->size(), dimensione);
        QCOMPARE(tessera(s, 0)->font().pointSizeF(), 13.5);
        QCOMPARE(widget(s, QStringLiteral("EtichettaEsatti"))->font().pointSizeF(), 18.0);
    }
    // Switched on and off again on the menu, the menu's own fonts follow.
    FormMenu *menu = FormMenu::mostra();
    QTRY_VERIFY(menu->giaAttivata());
    QWidget *pulsante = widget(menu, QStringLiteral("Command3D1"));
    auto *grandi = widget<QCheckBox>(menu, QStringLiteral("Check2"));
    grandi->click();
    QVERIFY(pulsante->font().pointSizeF() > 18);
    grandi->click();
    QCOMPARE(pulsante->font().pointSizeF(), 18.0);
}

void TestComfort::figuraToccataDiceLaParola() {
    SchermataEsercizio *s = apri(1);
    QVERIFY(s);
    QWidget *figura = widget(s, QStringLiteral("Image1"), 2);
    QTest::mouseClick(figura, Qt::LeftButton);
    const QString parola = s->esercizio().parole().parola(s->esercizio().IndiceParola(3));
    QCOMPARE(m_voce.dette, QStringList{parola});
    QCOMPARE(m_voce.attese, QList<int>{0});
    Modulo1::SuoniAttivi = false;
    QTest::mouseClick(figura, Qt::LeftButton);
    QCOMPARE(m_voce.dette.size(), 1);
}

// Said once, when its last syllable goes in, and held back for the "sì" already playing.
void TestComfort::parolaCompletataDettaUnaVoltaDopoIlSi() {
    SchermataEsercizio *s = apri(2);
    QVERIFY(s);
    TrascinamentoTessere *trascinamento = s->trascinamento();
    const auto posa = [&](Casella c) {
        for (int t = 0; t < 9; ++t) {
            if (!s->esercizio().tesseraUsata(t) &&
                s->esercizio().sillabaTessera(t) == s->esercizio().sillabaAttesa(c)) {
                trascinamento->scegli(tessera(s, t));
                trascinamento->posaSu(casella(s, c));
                return;
            }
        }
        QFAIL("no tile for the slot");
    };
    posa({3, 1});
    posa({1, 1});
    QVERIFY(m_voce.dette.isEmpty());
    const int suoni = m_ambiente->suoni.suonati.size();
    posa({2, 1});
    QCOMPARE(m_voce.dette,
             QStringList{s->esercizio().parole().parola(s->esercizio().IndiceParola(2))});
    QCOMPARE(m_ambiente->suoni.suonati.size(), suoni + 1);
    QVERIFY(m_ambiente->suoni.suonati.last().contains(
        QRegularExpression(QStringLiteral("/si[1-4]\\.wav$"))));
    QCOMPARE(m_voce.attese.first(), durataSuonoGiusto());
    posa({1, 0});
    QCOMPARE(m_voce.dette.size(), 1);
}

void TestComfort::espeakSintetizzaLItalianoEMutaSenzaAudio() {
    int frequenza = 0;
    QString errore;
    const QByteArray corta = sintetizzaParola(QStringLiteral("re"), frequenza, errore);
    QVERIFY2(errore.isEmpty(), qPrintable(errore));
    QVERIFY(frequenza > 0);
    const QByteArray lunga = sintetizzaParola(QStringLiteral("CAFFÈ"), frequenza, errore);
    // A word, not its letters spelt one by one: well under a second.
    QVERIFY(lunga.size() > corta.size());
    QVERIFY(lunga.size() < frequenza * 2);
    int batch = 0;
    QVERIFY(sintetizzaParola(QStringLiteral("cioccolata"), frequenza, errore, [&batch] {
                return ++batch > 1;
            }).size() < lunga.size());

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no audio output")));
    VoceEspeak muta(false);
    QVERIFY(muta.muta());
    muta.pronuncia(QStringLiteral("casa"));

    // The whole road through the synthesis thread, up to an output that cannot play here.
    if (RiproduttoreSoundEffect::rilevaAudio())
        return;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot play")));
    VoceEspeak voce(true);
    voce.pronuncia(QStringLiteral("luna"), 50);
    QTRY_VERIFY(voce.muta());
}

QTEST_MAIN(TestComfort)
#include "tst_comfort.moc"
