// The exercise rules without widgets: drawing words, what tiles carry and slots expect,
// judging, the counters and where a shuffled tile may go.
#include "exercise/configurazioneesercizio.h"
#include "exercise/esercizio.h"
#include "support/testdoubles.h"

#include <QtTest>

namespace {

TabellaParole tabella(int sillabe, const QStringList &parole) {
    TabellaParole t(sillabe);
    for (const QString &parola : parole)
        t.aggiungi(parola.split(QLatin1Char(',')));
    return t;
}

} // namespace

class TestRegole : public QObject {
    Q_OBJECT

private slots:
    void paroleDistinteConRiestrazioniNellOrdine();
    void tessereECaselleDelleDueSchermate();
    void ogniDisposizioneUsaOgniPosizioneUnaVolta();
    void giudizioIgnoraSoloLeMaiuscole_data();
    void giudizioIgnoraSoloLeMaiuscole();
    void contatoriSiFermanoAlMassimo();
    void posizioneAllaScalaDellaFinestra_data();
    void posizioneAllaScalaDellaFinestra();
};

// A repeated row is drawn again with a fresh value, and only the rows already chosen count.
void TestRegole::paroleDistinteConRiestrazioniNellOrdine() {
    CasualeContato casuale;
    Esercizio esercizio(regoleBisillabe());
    esercizio.sostituisciParole(tabella(2, {"a,b", "c,d", "e,f", "g,h", "i,l"}));
    // Int(r * 5) + 1: 2, 2 again, 5, 2 again, 5 again, 1, 4
    casuale.copione = {0.2f, 0.3f, 0.9f, 0.25f, 0.99f, 0.0f, 0.7f};
    esercizio.scegliParole(casuale);
    QCOMPARE(casuale.estrazioni, 7);
    QCOMPARE(esercizio.IndiceParola(1), 2);
    QCOMPARE(esercizio.IndiceParola(2), 5);
    QCOMPARE(esercizio.IndiceParola(3), 1);
    QCOMPARE(esercizio.IndiceParola(4), 4);
    QCOMPARE(esercizio.sillaba(1, 2), QStringLiteral("l"));

    esercizio.sostituisciParole(tabella(2, {"a,b", "c,d", "e,f", "g,h"}));
    for (int volta = 0; volta < 200; ++volta) {
        esercizio.scegliParole(casuale);
        QSet<int> righe;
        for (int j = 1; j <= 4; ++j)
            righe.insert(esercizio.IndiceParola(j));
        QCOMPARE(righe, (QSet<int>{1, 2, 3, 4}));
    }
    QCOMPARE(esercizio.SillabeGiuste(), 0);
}

void TestRegole::tessereECaselleDelleDueSchermate() {
    CasualeContato casuale;
    casuale.copione = {0.0f, 0.34f, 0.67f};
    Esercizio esercizio(regoleTrisillabe());
    esercizio.sostituisciParole(tabella(3, {"pa,ta,ta", "ga,li,na", "ca,ro,ta"}));
    esercizio.scegliParole(casuale);
    // Label1(k) carries syllable k div 3 + 1 of word k mod 3 + 1.
    QStringList tessere;
    for (int t = 0; t < 9; ++t)
        tessere << esercizio.sillabaTessera(t);
    QCOMPARE(tessere.join(QLatin1Char(' ')), QStringLiteral("pa ga ca ta li ro ta na ta"));
    QCOMPARE(esercizio.sillabaAttesa({3, 1}), QStringLiteral("na"));
    // Member 4 of every slot array is a caption ("Errati", "Esatti"): nothing is expected there.
    QCOMPARE(esercizio.sillabaAttesa({1, 4}), QString());
    QCOMPARE(regoleTrisillabe().sillabeDaCompletare(), 9);

    Esercizio due(regoleBisillabe());
    QCOMPARE(due.sillabaAttesa({1, 0}), QString()); // nothing drawn yet
    QCOMPARE(configurazioneDISEGNI1().tessere.at(5).nome.testo(), QStringLiteral("Label4"));
    QCOMPARE(regoleBisillabe().tessere.at(5).parola, 1);
    for (int t = 0; t < 9; ++t) {
        const SillabaTessera &st = regoleTrisillabe().tessere.at(t);
        const Verdetto v = esercizio.giudica(t, {st.colonna, st.parola});
        QVERIFY(v.giusto);
        QCOMPARE(v.completato, t == 8);
    }
}

void TestRegole::ogniDisposizioneUsaOgniPosizioneUnaVolta() {
    for (const RegoleEsercizio *c : {&regoleBisillabe(), &regoleTrisillabe()}) {
        const int n = c->tessere.size();
        for (int x = 0; x < NumeroDisposizioni; ++x) {
            QSet<int> posizioni;
            for (int t = 0; t < n; ++t)
                posizioni.insert((*c->disposizioni)[x][t]);
            QCOMPARE(posizioni.size(), n);
            QCOMPARE(*std::min_element(posizioni.cbegin(), posizioni.cend()), 1);
            QCOMPARE(*std::max_element(posizioni.cbegin(), posizioni.cend()), n);
        }
    }
    CasualeContato casuale;
    casuale.copione = {0.0f, 0.9999f};
    QCOMPARE(numeroDisposizione(casuale), 0);
    QCOMPARE(numeroDisposizione(casuale), 10);
}

void TestRegole::giudizioIgnoraSoloLeMaiuscole_data() {
    QTest::addColumn<QString>("attesa");
    QTest::addColumn<QString>("data");
    QTest::addColumn<bool>("giusta");
    QTest::newRow("tile lower, list upper") << "PA"
                                            << "pa" << true;
    QTest::newRow("mixed case") << "Qua"
                                << "qUA" << true;
    QTest::newRow("accented letters change case too") << "fè"
                                                      << "FÈ" << true;
    QTest::newRow("accent matters") << "fe"
                                    << "fè" << false;
    QTest::newRow("blanks matter") << "pa"
                                   << "pa " << false;
    QTest::newRow("caption expects nothing") << ""
                                             << "pa" << false;
    QTest::newRow("empty syllable on a caption") << ""
                                                 << "" << true;
}

void TestRegole::giudizioIgnoraSoloLeMaiuscole() {
    QFETCH(QString, attesa);
    QFETCH(QString, data);
    QFETCH(bool, giusta);
    QCOMPARE(sillabaGiusta(attesa, data), giusta);
}

void TestRegole::contatoriSiFermanoAlMassimo() {
    qint16 contatore = 32765;
    contaUnaRisposta(contatore);
    QCOMPARE(contatore, qint16(32766));
    contaUnaRisposta(contatore);
    contaUnaRisposta(contatore);
    QCOMPARE(contatore, qint16(32767));
}

void TestRegole::posizioneAllaScalaDellaFinestra_data() {
    QTest::addColumn<double>("posizione");
    QTest::addColumn<double>("registrata");
    QTest::addColumn<double>("attuale");
    QTest::addColumn<double>("attesa");
    // Tiles 1000 twips wide.
    QTest::newRow("same size: as recorded") << 5520.0 << 15360.0 << 15360.0 << 5520.0;
    QTest::newRow("window grown") << 3000.0 << 11520.0 << 15360.0 << 4000.0;
    QTest::newRow("window shrunk") << 12000.0 << 15360.0 << 7680.0 << 6000.0;
    QTest::newRow("never past the right edge") << 9900.0 << 10000.0 << 10000.0 << 9000.0;
    QTest::newRow("nothing recorded yet") << 0.0 << 0.0 << 15360.0 << 0.0;
    QTest::newRow("window narrower than a tile") << 500.0 << 15360.0 << 600.0 << 0.0;
}

void TestRegole::posizioneAllaScalaDellaFinestra() {
    QFETCH(double, posizione);
    QFETCH(double, registrata);
    QFETCH(double, attuale);
    QFETCH(double, attesa);
    QCOMPARE(posizioneAllaScala(posizione, registrata, attuale, 1000), attesa);
}

QTEST_GUILESS_MAIN(TestRegole)
#include "tst_regole.moc"
