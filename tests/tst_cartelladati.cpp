#include "core/applicationfolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QtTest>
#include <sys/time.h>

namespace {

void scrivi(const QString &percorso) {
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}

// Dates the folder's last change an hour back, as for a pictures folder installed long ago.
void invecchia(const QString &cartella) {
    const qint64 prima = QDateTime::currentSecsSinceEpoch() - 3600;
    const timeval tempi[2] = {{prima, 0}, {prima, 0}};
    QVERIFY(::utimes(QFile::encodeName(cartella).constData(), tempi) == 0);
}

} // namespace

class TestCartellaDati : public QObject {
    Q_OBJECT
private slots:
    void figuraConAltreMaiuscoleSeguitaIlCambioDellaCartella_data();
    void figuraConAltreMaiuscoleSeguitaIlCambioDellaCartella();
};

void TestCartellaDati::figuraConAltreMaiuscoleSeguitaIlCambioDellaCartella_data() {
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("dopo");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("rinominata") << "CASA.JPG"
                                << "Casa.jpg"
                                << "Casa.jpg";
    QTest::newRow("aggiunta") << ""
                              << "CASA.JPG"
                              << "CASA.JPG";
    QTest::newRow("tolta") << "CASA.JPG"
                           << ""
                           << "casa.jpg";
}

// Pictures copied from old machines carry names in capitals. The folder is indexed once, and a
// change to it must still be seen at the next look-up.
void TestCartellaDati::figuraConAltreMaiuscoleSeguitaIlCambioDellaCartella() {
    QFETCH(QString, prima);
    QFETCH(QString, dopo);
    QFETCH(QString, atteso);
    QTemporaryDir radice;
    const QDir figure(radice.filePath(CartelleDati::Immagini));
    QVERIFY(QDir().mkpath(figure.path()));
    scrivi(figure.filePath(QStringLiteral("PANE.JPG")));
    if (!prima.isEmpty())
        scrivi(figure.filePath(prima));
    invecchia(figure.path());
    const auto cerca = [&](const char *nome) {
        return QDir::fromNativeSeparators(
            percorsoDati(radice.path(), {CartelleDati::Immagini, QLatin1String(nome)}));
    };
    QCOMPARE(cerca("pane.jpg"), figure.filePath(QStringLiteral("PANE.JPG")));
    QCOMPARE(cerca("casa.jpg"),
             figure.filePath(prima.isEmpty() ? QStringLiteral("casa.jpg") : prima));

    if (!prima.isEmpty())
        QVERIFY(QFile::remove(figure.filePath(prima)));
    if (!dopo.isEmpty())
        scrivi(figure.filePath(dopo));
    QCOMPARE(cerca("casa.jpg"), figure.filePath(atteso));
    QCOMPARE(cerca("pane.jpg"), figure.filePath(QStringLiteral("PANE.JPG")));
}

QTEST_GUILESS_MAIN(TestCartellaDati)
#include "tst_cartelladati.moc"
