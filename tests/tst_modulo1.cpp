// Start-up and the feedback sounds.
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
};

QTEST_MAIN(TestModulo1)
#include "tst_modulo1.moc"
