// What makes the game easier for a child, played on the real widgets: the window title that
// names list and level, and a list whose easy file is short opening on its difficult one.
#include "core/modulo1.h"
#include "exercise/schermataesercizio.h"
#include "screens/formmenu.h"
#include "support/cartellaprova.h"
#include "support/schermate.h"
#include "support/testdoubles.h"
#include "ui/registrofinestre.h"

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

private:
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
}

void TestComfort::cleanup() {
    chiudiTutte();
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

QTEST_MAIN(TestComfort)
#include "tst_comfort.moc"
