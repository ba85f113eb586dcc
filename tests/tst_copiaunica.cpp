#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

// Two real processes contend for the lock, as two starts of the game would.
class TestCopiaUnica : public QObject {
    Q_OBJECT

private slots:
    void secondaCopiaMostraSoloErroreELaPrimaResta();
    void bloccoDiUnaCopiaUccisaNonFermaLaSuccessiva();

private:
    QTemporaryDir m_cartella;
    QString blocco() const { return m_cartella.filePath(QStringLiteral("zampirolo2.lock")); }
    static QString rigaSeguente(QProcess &processo);
    static bool avvia(QProcess &processo, const QString &blocco);
};

QString TestCopiaUnica::rigaSeguente(QProcess &processo) {
    while (!processo.canReadLine()) {
        if (!processo.waitForReadyRead(10000))
            return QStringLiteral("<nessuna risposta>");
    }
    return QString::fromUtf8(processo.readLine()).trimmed();
}

bool TestCopiaUnica::avvia(QProcess &processo, const QString &blocco) {
    processo.start(QStringLiteral(GUARDIA_SONDA), {blocco});
    return processo.waitForStarted();
}

void TestCopiaUnica::secondaCopiaMostraSoloErroreELaPrimaResta() {
    QProcess prima;
    QVERIFY(avvia(prima, blocco()));
    QCOMPARE(rigaSeguente(prima), QStringLiteral("schermate: 1"));
    QCOMPARE(rigaSeguente(prima), QStringLiteral("avviato"));

    QProcess seconda;
    QVERIFY(avvia(seconda, blocco()));
    QVERIFY(seconda.waitForFinished(10000));
    QCOMPARE(seconda.exitCode(), 0);
    const QStringList righe = QString::fromUtf8(seconda.readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(righe,
             (QStringList{QStringLiteral("messaggio: Error | E' già stata avviata una copia di "
                                         "questo programma! | icona 1 | pulsanti 1"),
                          QStringLiteral("schermate: 0"), QStringLiteral("rifiutato")}));

    prima.write("stato\n");
    QCOMPARE(rigaSeguente(prima), QStringLiteral("schermate: 1"));
    prima.closeWriteChannel();
    QVERIFY(prima.waitForFinished(10000));
    QCOMPARE(prima.exitStatus(), QProcess::NormalExit);
    QVERIFY(!QFile::exists(blocco())); // a normal end removes the lock
}

void TestCopiaUnica::bloccoDiUnaCopiaUccisaNonFermaLaSuccessiva() {
    QProcess uccisa;
    QVERIFY(avvia(uccisa, blocco()));
    QCOMPARE(rigaSeguente(uccisa), QStringLiteral("schermate: 1"));
    QCOMPARE(rigaSeguente(uccisa), QStringLiteral("avviato"));
    ::kill(pid_t(uccisa.processId()), SIGKILL);
    QVERIFY(uccisa.waitForFinished(10000));
    QVERIFY(QFile::exists(blocco())); // left behind, as after a crash

    QProcess successiva;
    QVERIFY(avvia(successiva, blocco()));
    QCOMPARE(rigaSeguente(successiva), QStringLiteral("schermate: 1"));
    QCOMPARE(rigaSeguente(successiva), QStringLiteral("avviato"));
    successiva.closeWriteChannel();
    QVERIFY(successiva.waitForFinished(10000));
}

QTEST_GUILESS_MAIN(TestCopiaUnica)
#include "tst_copiaunica.moc"
