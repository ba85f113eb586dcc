#include "support/cartellaprova.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// Real processes contend for the lock, as starts of the game would.
class TestCopiaUnica : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_cartella.isValid());
        // Copies run as an ordinary user must reach their folders inside this one.
        QCOMPARE(::chmod(QFile::encodeName(m_cartella.path()).constData(), 01777), 0);
        m_ambiente = QProcessEnvironment::systemEnvironment();
        m_ambiente.insert(QStringLiteral("HOME"), m_cartella.path());
        m_ambiente.insert(QStringLiteral("TMPDIR"), m_cartella.path());
        m_sonda = QStringLiteral(GUARDIA_SONDA);
        if (::geteuid() == 0) {
            m_setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
            if (const passwd *nessuno = ::getpwnam("nobody")) {
                m_uidComune = nessuno->pw_uid;
                m_gidComune = nessuno->pw_gid;
            }
            if (m_setpriv.isEmpty())
                m_senzaUtenteComune = QStringLiteral("Running as root without setpriv: no way to "
                                                     "start a copy as an ordinary user.");
            else
                preparaSondaComune();
        } else {
            m_uidComune = ::geteuid();
            m_gidComune = ::getegid();
        }
    }
    // Whatever was left where the lock belongs, the game starts; it keeps out a second copy
    // whenever it could take the lock over, and says once in the log when it could not.
    void soloUnaCopiaVivaFermaLAvvio_data() {
        QTest::addColumn<QByteArray>("contenuto"); // null: no lock file
        QTest::addColumn<int>("permessiFile");
        QTest::addColumn<int>("permessiCartella");
        QTest::addColumn<bool>("comune");  // started as an ordinary user
        QTest::addColumn<bool>("altrui");  // the lock belongs to another user
        QTest::addColumn<bool>("guardia"); // a second copy is then refused
        const QByteArray finita = bloccoDiUnaCopiaFinita();
        const QByteArray altraMacchina =
            QByteArray::number(QCoreApplication::applicationPid()) + "\nguardia_sonda\naltrove\n";
        const auto r = [](const char *nome, const QByteArray &contenuto, int file, int cartella,
                          bool comune, bool altrui, bool guardia) {
            QTest::newRow(nome) << contenuto << file << cartella << comune << altrui << guardia;
        };
        r("vuoto", "", 0644, 0700, false, false, true);
        r("spazzatura", "\xff\xfe\x01zz\n\n\n\n", 0644, 0700, false, false, true);
        r("di un altro nome di macchina", altraMacchina, 0644, 0700, false, false, true);
        r("in sola lettura", finita, 0444, 0700, true, false, true);
        r("in cartella di sola lettura", finita, 0644, 0555, true, false, false);
        r("di un altro utente in /tmp", finita, 0644, 01777, true, true, false);
        r("cartella di sola lettura senza blocco", QByteArray(), 0, 0555, true, false, false);
    }
    void soloUnaCopiaVivaFermaLAvvio() {
        QFETCH(QByteArray, contenuto);
        QFETCH(int, permessiFile);
        QFETCH(int, permessiCartella);
        QFETCH(bool, comune);
        QFETCH(bool, altrui);
        QFETCH(bool, guardia);
        if (comune && !m_senzaUtenteComune.isEmpty())
            QSKIP(qPrintable(m_senzaUtenteComune));
        if (altrui && ::geteuid() != 0)
            QSKIP("Only root can leave a lock file that belongs to another user.");

        const QString cartella = m_cartella.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(cartella));
        const QByteArray cartellaC = QFile::encodeName(cartella);
        const QString percorso = QDir(cartella).filePath(QStringLiteral("zampirolo2.lock"));
        if (!contenuto.isNull()) {
            scriviBloccoVecchio(percorso, contenuto);
            QCOMPARE(::chmod(QFile::encodeName(percorso).constData(), mode_t(permessiFile)), 0);
        }
        if (comune && !altrui)
            QVERIFY(daiAlComune(cartella) && (contenuto.isNull() || daiAlComune(percorso)));
        QCOMPARE(::chmod(cartellaC.constData(), mode_t(permessiCartella)), 0);
        const auto riapri = qScopeGuard([&] { ::chmod(cartellaC.constData(), 0700); });

        QProcess prima;
        QVERIFY(avvia(prima, {percorso}, comune));
        const QStringList righe = resoconto(prima);
        QCOMPARE(righe.last(), QStringLiteral("avviato"));
        QCOMPARE(righe.filter(QStringLiteral("avviso:")).size(), guardia ? 0 : 1);
        QVERIFY2(righe.filter("messaggio:").isEmpty(), qPrintable(righe.join('\n')));

        QProcess seconda;
        QVERIFY(avvia(seconda, {percorso}, comune));
        QCOMPARE(resoconto(seconda).last(), guardia ? "rifiutato" : "avviato");
        QCOMPARE(chiudi(seconda), QString());
        QCOMPARE(chiudi(prima), QString());
    }
    // A copy creates its lock file empty and writes its details a moment later: in between, a
    // second copy must wait rather than take the lock over.
    void bloccoAppenaCreatoNonVieneRipreso() {
        QFile appena(blocco());
        QVERIFY(appena.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QProcess seconda;
        QVERIFY(avvia(seconda, {blocco()}));
        QTest::qWait(800);
        QCOMPARE(::flock(appena.handle(), LOCK_EX | LOCK_NB), 0);
        appena.write(contenutoBlocco(QCoreApplication::applicationPid(), "tst_copiaunica"));
        QVERIFY(appena.flush());
        QCOMPARE(resoconto(seconda).last(), QStringLiteral("rifiutato"));
        QCOMPARE(chiudi(seconda), QString());
        appena.remove();
    }
    // A lock left without its flock still stops a copy while the process it names lives and
    // is seen to run the program it names; a number since given to another program does not,
    // nor one given to a process of the same user that hides its program (a non-dumpable one,
    // whose /proc/<pid>/exe its user cannot read).
    void bloccoSenzaFlockDiUnProcessoVivo_data() {
        QTest::addColumn<QByteArray>("programma");
        QTest::addColumn<bool>("nascosto");
        QTest::newRow("lo stesso programma") << QByteArray("tst_copiaunica") << false;
        QTest::newRow("un altro programma") << QByteArray("altro") << false;
        QTest::newRow("un processo che nasconde il programma")
            << QByteArray("guardia_sonda") << true;
    }
    void bloccoSenzaFlockDiUnProcessoVivo() {
        QFETCH(QByteArray, programma);
        QFETCH(bool, nascosto);
        if (nascosto && !m_senzaUtenteComune.isEmpty())
            QSKIP(qPrintable(m_senzaUtenteComune));
        QString percorso = blocco();
        qint64 pid = QCoreApplication::applicationPid();
        QProcess processoNascosto;
        if (nascosto) {
            // Root reads any /proc/<pid>/exe: the process, the lock and the copy are all the
            // ordinary user's.
            const QString cartella = m_cartella.filePath(QStringLiteral("nascosto"));
            QVERIFY(QDir().mkpath(cartella));
            percorso = QDir(cartella).filePath(QStringLiteral("zampirolo2.lock"));
            QVERIFY(avvia(processoNascosto, {QStringLiteral("--nascosto")}, true));
            QCOMPARE(rigaSeguente(processoNascosto), QStringLiteral("pronto"));
            pid = processoNascosto.processId();
            QVERIFY(daiAlComune(cartella));
        }
        scriviBloccoVecchio(percorso, contenutoBlocco(pid, programma));
        if (nascosto)
            QVERIFY(daiAlComune(percorso));
        QProcess copia;
        QVERIFY(avvia(copia, {percorso}, nascosto));
        QCOMPARE(resoconto(copia).last(), programma == "tst_copiaunica" ? "rifiutato" : "avviato");
        QCOMPARE(chiudi(copia), QString());
        if (nascosto)
            QCOMPARE(chiudi(processoNascosto), QString());
    }
    void dueCopieInsiemeDannoUnGiocoEUnErrore_data() {
        QTest::addColumn<QByteArray>("contenuto"); // null: no lock file
        QTest::newRow("nessun blocco") << QByteArray();
        QTest::newRow("vuoto") << QByteArray("");
        QTest::newRow("spazzatura") << QByteArray("?\n");
        QTest::newRow("di una copia finita") << bloccoDiUnaCopiaFinita();
    }
    void dueCopieInsiemeDannoUnGiocoEUnErrore() {
        QFETCH(QByteArray, contenuto);
        const QString errore = QStringLiteral(
            "messaggio: Error | E' già stata avviata una copia di questo programma! | icona 1 | "
            "pulsanti 1");
        m_ambiente.insert("GUARDIA_SONDA_INSIEME", "1");
        const auto ripristina = qScopeGuard([&] { m_ambiente.remove("GUARDIA_SONDA_INSIEME"); });
        // More than two copies, let go together, make an overlap of their look at the lock likely.
        constexpr int copie = 4;
        for (int giro = 0; giro < 5; ++giro) {
            QFile::remove(blocco());
            if (!contenuto.isNull())
                scriviBloccoVecchio(blocco(), contenuto);
            QProcess processi[copie];
            for (QProcess &p : processi) {
                QVERIFY(avvia(p, {blocco()}));
                QCOMPARE(rigaSeguente(p), QStringLiteral("pronto"));
            }
            for (QProcess &p : processi)
                p.write("\n");
            int avviati = 0;
            for (QProcess &p : processi) {
                const QStringList righe = resoconto(p);
                if (righe.last() == QStringLiteral("avviato"))
                    ++avviati;
                else
                    QCOMPARE(righe, (QStringList{errore, "schermate: 0", "rifiutato"}));
            }
            QCOMPARE(avviati, 1);
            for (QProcess &p : processi)
                QCOMPARE(chiudi(p), QString());
            QVERIFY(!QFile::exists(blocco())); // a normal end removes the lock
        }
    }
    void ilBloccoDiUnUtenteNonFermaUnAltro() {
        if (::geteuid() != 0 || !m_senzaUtenteComune.isEmpty())
            QSKIP(::geteuid() != 0 ? "Needs root to start copies as two different users."
                                   : qPrintable(m_senzaUtenteComune));
        // Nothing in the environment names the user, so only the lock's place can tell them apart.
        const QProcessEnvironment salvato = m_ambiente;
        const auto ripristina = qScopeGuard([&] { m_ambiente = salvato; });
        for (const char *nome : {"USER", "USERNAME", "LOGNAME", "XDG_RUNTIME_DIR"})
            m_ambiente.remove(QString::fromLatin1(nome));

        QProcess copie[3]; // root's, then two of the ordinary user's
        for (int i = 0; i < 3; ++i) {
            QVERIFY(avvia(copie[i], {}, i > 0));
            QCOMPARE(resoconto(copie[i]).last(), i < 2 ? "avviato" : "rifiutato");
        }
        for (QProcess &p : copie)
            QCOMPARE(chiudi(p), QString());
    }

private:
    QTemporaryDir m_cartella;
    QTemporaryDir m_programmi;
    QProcessEnvironment m_ambiente;
    QString m_setpriv;
    QString m_sonda;             // the program the copies run
    QString m_senzaUtenteComune; // why no copy can run as an ordinary user, if it cannot
    uid_t m_uidComune = 65534;
    gid_t m_gidComune = 65534;

    // The ordinary user may not reach the build folder (a checkout in root's home, or in any
    // folder made by mktemp -d, is 0700): its copies run a copy of the program from a folder it
    // can reach, and read the test screen and the leak suppressions from there too.
    void preparaSondaComune() {
        const QString cartella = m_programmi.path();
        const QString sonda = cartella + QStringLiteral("/guardia_sonda");
        if (!m_programmi.isValid() || ::chmod(QFile::encodeName(cartella).constData(), 0755) != 0 ||
            !QFile::copy(m_sonda, sonda)) {
            m_senzaUtenteComune =
                QStringLiteral("Cannot copy the probe program into %1 for an ordinary user.")
                    .arg(cartella);
            return;
        }
        m_sonda = sonda;
        const std::pair<const char *, const char *> fileNellAmbiente[] = {
            {"QT_QPA_PLATFORM", "configfile"}, {"LSAN_OPTIONS", "suppressions"}};
        for (const auto &[variabile, chiave] : fileNellAmbiente) {
            QString valore = m_ambiente.value(QString::fromLatin1(variabile));
            const QRegularExpressionMatch trovato =
                QRegularExpression(QStringLiteral("%1=([^:]*)").arg(QLatin1String(chiave)))
                    .match(valore);
            const QString copia = cartella + QLatin1Char('/') + QLatin1String(chiave);
            if (!trovato.hasMatch() || !QFile::copy(trovato.captured(1), copia))
                continue;
            QFile::setPermissions(copia, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
            valore.replace(trovato.capturedStart(1), trovato.capturedLength(1), copia);
            m_ambiente.insert(QString::fromLatin1(variabile), valore);
        }
        // A first copy, started as the ordinary user, must start the game.
        const QString prova = m_cartella.filePath(QStringLiteral("prova"));
        QProcess copia;
        if (!QDir().mkpath(prova) || !daiAlComune(prova) ||
            !avvia(copia, {prova + QStringLiteral("/zampirolo2.lock")}, true) ||
            resoconto(copia).last() != QLatin1String("avviato") || !chiudi(copia).isEmpty())
            m_senzaUtenteComune = QStringLiteral("An ordinary user cannot run the probe program "
                                                 "copied to %1: every row that needs one is "
                                                 "skipped.")
                                      .arg(cartella);
    }

    QString blocco() const { return m_cartella.filePath(QStringLiteral("zampirolo2.lock")); }
    static QString rigaSeguente(QProcess &processo) {
        while (!processo.canReadLine()) {
            if (!processo.waitForReadyRead(10000))
                return QStringLiteral("<nessuna risposta>");
        }
        return QString::fromUtf8(processo.readLine()).trimmed();
    }
    static QStringList resoconto(QProcess &processo) {
        QStringList righe;
        do
            righe << rigaSeguente(processo);
        while (!righe.last().contains(QRegularExpression("^(avviato|rifiutato|<)")));
        return righe;
    }
    // Root starts an ordinary user's copy through setpriv, as "nobody"; anyone else is one already.
    bool avvia(QProcess &processo, const QStringList &argomenti, bool comune = false) {
        processo.setProcessEnvironment(m_ambiente);
        // Nor may it enter the test's own working folder, inside the build folder.
        processo.setWorkingDirectory(m_cartella.path());
        if (comune && ::geteuid() == 0)
            processo.start(m_setpriv, QStringList{QStringLiteral("--reuid=%1").arg(m_uidComune),
                                                  QStringLiteral("--regid=%1").arg(m_gidComune),
                                                  "--clear-groups", m_sonda} +
                                          argomenti);
        else
            processo.start(m_sonda, argomenti);
        return processo.waitForStarted();
    }
    // Ends a copy as closing the game would; empty when it ended cleanly, else what it said
    // (a sanitizer's report, in the sanitizer build).
    static QString chiudi(QProcess &processo) {
        processo.closeWriteChannel();
        if (!processo.waitForFinished(10000))
            return QStringLiteral("still running"); // QProcess kills it on destruction
        if (processo.exitStatus() == QProcess::NormalExit && processo.exitCode() == 0)
            return QString();
        return QStringLiteral("exit code %1: ").arg(processo.exitCode()) +
               QString::fromLocal8Bit(processo.readAllStandardError()).right(3000);
    }
    static QByteArray bloccoDiUnaCopiaFinita() {
        QProcess finita;
        finita.start(QStringLiteral("true"), {});
        finita.waitForStarted();
        const qint64 pid = finita.processId();
        finita.waitForFinished();
        return contenutoBlocco(pid, "guardia_sonda");
    }
    // What a copy writes in its lock: its process number, its program and its machine.
    static QByteArray contenutoBlocco(qint64 pid, const QByteArray &programma) {
        return QByteArray::number(pid) + '\n' + programma + '\n' +
               QSysInfo::machineHostName().toUtf8() + '\n';
    }
    bool daiAlComune(const QString &percorso) const {
        return ::chown(QFile::encodeName(percorso).constData(), m_uidComune, m_gidComune) == 0;
    }
    static void scriviBloccoVecchio(const QString &percorso, const QByteArray &contenuto) {
        QFile file(scriviFile(percorso, contenuto));
        QVERIFY(file.open(QIODevice::Append)); // to date it back, writing nothing more
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
    }
};

QTEST_GUILESS_MAIN(TestCopiaUnica)
#include "tst_copiaunica.moc"
