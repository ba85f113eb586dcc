// The content we ship in data/ passes every check a teacher's lists get: the game reads every
// file, each word is divided, levelled and listed by the rules, TUTTE is the union, every word
// has its own picture of the right shape and no picture is left over.
#include "core/risolutoredati.h"
#include "liste/verificatore.h"

#include <QtTest>

class TestContenuti : public QObject {
    Q_OBJECT

private slots:
    void nienteDaCorreggere() {
        const Verificatore::Esito esito =
            Verificatore(RisolutoreDati(QStringLiteral(ZAMPIROLO_DATA), QString())).verifica();
        QStringList righe;
        for (const ProblemaVerifica &p : esito.problemi)
            righe << p.riga(QStringLiteral(ZAMPIROLO_DATA));
        QVERIFY2(esito.problemi.isEmpty(), qPrintable(righe.join(QLatin1Char('\n'))));
        QCOMPARE(esito.file, 68);
        QVERIFY(esito.parole > 300);
    }
};

QTEST_MAIN(TestContenuti)
#include "tst_contenuti.moc"
