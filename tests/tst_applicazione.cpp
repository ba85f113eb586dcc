#include "core/applicazione.h"
#include "core/finestremessaggio.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QtTest>

// Start-up shared by the game and the list editor: icon, desktop link and Qt's Italian.
class TestApplicazione : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        m_traduzione =
            preparaApplicazione(*qApp, {QStringLiteral("Zampirolo 2"),
                                        QStringLiteral("io.github.zampirolo2.zampirolo2"),
                                        QStringLiteral("zampirolo2")});
    }
    // The window is linked to its menu entry and carries the icon in every size.
    void identitaDellaFinestra() {
        QCOMPARE(QGuiApplication::desktopFileName(), "io.github.zampirolo2.zampirolo2");
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Zampirolo 2"));
        QWidget finestra;
        const QList<QSize> misure = finestra.windowIcon().availableSizes();
        for (int lato : {16, 32, 48, 256})
            QVERIFY2(misure.contains(QSize(lato, lato)), qPrintable(QString::number(lato)));
        // The editor's icon is a different picture, not the game's under another name.
        QIcon editor;
        editor.addFile(QStringLiteral(":/icone/zampirolo2-liste/32.png"));
        QVERIFY(!editor.pixmap(32).isNull());
        QVERIFY(editor.pixmap(32).toImage() != finestra.windowIcon().pixmap(32).toImage());
    }
    void iPulsantiStandardParlanoItaliano_data() {
        QTest::addColumn<Pulsante>("pulsante");
        QTest::addColumn<QString>("testo");
        QTest::newRow("sì") << Pulsante::Si << QStringLiteral("&Sì");
        QTest::newRow("no") << Pulsante::No << QStringLiteral("&No");
        QTest::newRow("annulla") << Pulsante::Annulla << QStringLiteral("Annulla");
        QTest::newRow("ok") << Pulsante::Ok << QStringLiteral("OK");
    }
    // The message boxes no longer label their buttons by hand: Qt's translation must do it.
    void iPulsantiStandardParlanoItaliano() {
        QFETCH(Pulsante, pulsante);
        QFETCH(QString, testo);
        QVERIFY2(m_traduzione, "qtbase_it.qm missing: install qt6-translations-l10n");
        FinestreMessaggioQt messaggi;
        QString visto;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            QVERIFY(!box->buttons().isEmpty());
            visto = box->buttons().constFirst()->text();
            box->buttons().constFirst()->click();
        });
        const Messaggio messaggio{
            "Zampirolo 2", "Prova", IconaMessaggio::Domanda, {pulsante}, pulsante};
        QCOMPARE(messaggi.mostra(messaggio), pulsante);
        QCOMPARE(visto, testo);
    }

private:
    bool m_traduzione = false;
};

QTEST_MAIN(TestApplicazione)
#include "tst_applicazione.moc"
