// Start-up, the feedback sounds and the captions on the random colours.
#include "core/guardiacopiaunica.h"
#include "core/modulo1.h"
#include "core/modulocolorisuoni.h"
#include "support/testdoubles.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace ModuloColoriSuoni;

class TestModulo1 : public QObject {
    Q_OBJECT

private slots:
    // Start-up sets the shared state and the seed (tst_copiaunica refuses a second copy).
    void avvio() {
        AmbienteDiProva ambiente;
        ambiente.orologio.valore = 987654321;
        QTemporaryDir cartella;
        GuardiaCopiaUnica guardia(cartella.filePath("z.lock"));
        int schermate = 0;
        QVERIFY(Modulo1::Main(guardia, [&] { ++schermate; }));
        QCOMPARE(schermate, 1);
        QVERIFY(Modulo1::SuoniAttivi);
        QCOMPARE(Modulo1::ElencoListe[15][Modulo1::ColonnaCodice], QStringLiteral("cq&qu"));
        QCOMPARE(ambiente.casuale.semeRicevuto, quint64(987654321));
    }

    // Each draw r picks si(Int(r * 4) + 1).wav; "no.wav" and switched-off sounds draw nothing.
    void suoni() {
        AmbienteDiProva ambiente(QStringLiteral("/app"));
        Modulo1::SuoniAttivi = true;
        ambiente.casuale.copione = {0.0f, 0.3f, 0.5f, 0.99f};
        for (int i = 0; i < 4; ++i)
            SuonoGiusto();
        SuonoSbagliato();
        QStringList attesi;
        for (const char *nome : {"si1", "si2", "si3", "si4", "no"})
            attesi << QDir::toNativeSeparators(QStringLiteral("/app/suoni/%1.wav").arg(nome));
        QCOMPARE(ambiente.suoni.suonati, attesi);
        Modulo1::SuoniAttivi = false;
        SuonoGiusto();
        SuonoSbagliato();
        QCOMPARE(ambiente.suoni.suonati.size(), 5);
        QCOMPARE(ambiente.casuale.estrazioni, 4);
    }

    // Every palette colour gets the caption colour that reads better on it, and at least 4.5:1.
    void scritteSulloSfondo_data() {
        QTest::addColumn<int>("voce");
        QTest::addColumn<QColor>("attesa");
        const QColor nero(Qt::black);
        const QColor bianco(Qt::white);
        for (int voce = 1; voce <= VociTavolozza; ++voce) {
            // Only the pure blue (17) and the dark orange-red (8) are dark enough for white.
            QTest::addRow("voce %d", voce) << voce << (voce == 8 || voce == 17 ? bianco : nero);
        }
    }
    void scritteSulloSfondo() {
        QFETCH(int, voce);
        QFETCH(QColor, attesa);
        const QColor sfondo = coloreDaBgr(VoceTavolozza(voce));
        const QColor scritta = coloreScrittaSu(sfondo);
        QCOMPARE(scritta, attesa);
        QVERIFY2(rapportoContrasto(scritta, sfondo) >= 4.5,
                 qPrintable(QString::number(rapportoContrasto(scritta, sfondo))));
        const QColor altra = scritta == QColor(Qt::black) ? QColor(Qt::white) : QColor(Qt::black);
        QVERIFY(rapportoContrasto(scritta, sfondo) > rapportoContrasto(altra, sfondo));
    }

    // Reference values of the formula: black on white, white on pure blue, a mid grey.
    void rapportiNoti() {
        QCOMPARE(rapportoContrasto(Qt::black, Qt::white), 21.0);
        QCOMPARE(rapportoContrasto(Qt::white, Qt::black), 21.0);
        QCOMPARE(qRound(rapportoContrasto(Qt::white, QColor(0, 0, 255)) * 100), 859);
        QCOMPARE(qRound(rapportoContrasto(Qt::white, QColor(255, 0, 0)) * 100), 400);
        QCOMPARE(qRound(luminanzaRelativa(QColor(128, 128, 128)) * 1000), 216);
        // Either side of the grey where black and white read alike: the better one wins even
        // where the other would still pass 4.5:1.
        QCOMPARE(coloreScrittaSu(QColor(117, 117, 117)), QColor(Qt::white));
        QCOMPARE(coloreScrittaSu(QColor(119, 119, 119)), QColor(Qt::black));
    }
};

QTEST_MAIN(TestModulo1)
#include "tst_modulo1.moc"
