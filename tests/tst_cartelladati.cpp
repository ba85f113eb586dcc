#include "core/applicationfolder.h"
#include "support/cartellaprova.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QtTest>
#include <sys/time.h>

class TestCartellaDati : public QObject {
    Q_OBJECT
private slots:
    void figuraConAltreMaiuscoleSeguitaIlCambioDellaCartella_data() {
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QString>("dopo");
        QTest::addColumn<QString>("atteso");
        // The picture before, after (none when empty), and the one then found for "casa".
        for (const char *caso : {"rinominata:CASA.JPG:Casa.jpg:Casa.jpg",
                                 "aggiunta::CASA.JPG:CASA.JPG", "tolta:CASA.JPG::casa.jpg"}) {
            const QStringList c = QString(caso).split(':');
            QTest::newRow(caso) << c[1] << c[2] << c[3];
        }
    }
    // Pictures copied from old machines carry names in capitals. The folder is indexed once, and a
    // change to it must still be seen at the next look-up.
    void figuraConAltreMaiuscoleSeguitaIlCambioDellaCartella() {
        QFETCH(QString, prima);
        QFETCH(QString, dopo);
        QFETCH(QString, atteso);
        QTemporaryDir radice;
        const QDir figure(radice.filePath(CartelleDati::Immagini));
        QVERIFY(QDir().mkpath(figure.path()));
        scriviFile(figure.filePath(QStringLiteral("PANE.JPG")), "x");
        if (!prima.isEmpty())
            scriviFile(figure.filePath(prima), "x");
        // The folder's last change an hour back, as for a pictures folder installed long ago.
        const qint64 unOraFa = QDateTime::currentSecsSinceEpoch() - 3600;
        const timeval tempi[2] = {{unOraFa, 0}, {unOraFa, 0}};
        QVERIFY(::utimes(QFile::encodeName(figure.path()).constData(), tempi) == 0);
        const auto cerca = [&](const char *nome) {
            return QDir::fromNativeSeparators(
                percorsoDati(radice.path(), {CartelleDati::Immagini, QLatin1String(nome)}));
        };
        QCOMPARE(cerca("pane.jpg"), figure.filePath(QStringLiteral("PANE.JPG")));
        QCOMPARE(cerca("casa.jpg"), figure.filePath(prima.isEmpty() ? "casa.jpg" : prima));

        if (!prima.isEmpty())
            QVERIFY(QFile::remove(figure.filePath(prima)));
        if (!dopo.isEmpty())
            scriviFile(figure.filePath(dopo), "x");
        QCOMPARE(cerca("casa.jpg"), figure.filePath(atteso));
        QCOMPARE(cerca("pane.jpg"), figure.filePath(QStringLiteral("PANE.JPG")));
    }
};

QTEST_GUILESS_MAIN(TestCartellaDati)
#include "tst_cartelladati.moc"
