// Word-list files read by the game's reader: fields, encodings, limits and refused syllables.
#include "liste/lettorelista.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ErroreLista::Tipo)

namespace {

QString scrivi(const QTemporaryDir &cartella, const QString &nome, const QByteArray &byte) {
    const QString percorso = cartella.filePath(nome);
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QFile file(percorso);
    file.open(QIODevice::WriteOnly);
    file.write(byte);
    return percorso;
}

QByteArray righe(int quante) {
    QByteArray testo;
    for (int i = 1; i <= quante; ++i)
        testo += "\"s" + QByteArray::number(i) + "\",\"t\"\r\n";
    return testo;
}

} // namespace

class TestListe : public QObject {
    Q_OBJECT

private slots:
    void listeValide_data() {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<int>("sillabe");
        QTest::addColumn<QString>("tutte"); // every syllable, row by row, in brackets
        QTest::newRow("CRLF, LF, righe vuote, parole spezzate")
            << QByteArray("\"ca\",\"sa\"\r\n\r\n  \n\"lu\",\r\n\"na\"") << 2 << "[ca][sa][lu][na]";
        QTest::newRow("senza virgolette")
            << QByteArray(" ca,\tsa\r\n lu , na  ") << 2 << "[ca][sa][lu][na]";
        QTest::newRow("tra virgolette resta tutto")
            << QByteArray("\" a,b \",\"\"  ,x\r\n") << 3 << "[ a,b ][][x]";
        QTest::newRow("windows-1252") << QByteArray("\"f\xe8\",\x80\x93\x94") << 2 << "[fè][€“”]";
        QTest::newRow("utf-8 con BOM")
            << QByteArray("\xef\xbb\xbf\"f\xc3\xa8\",x") << 2 << "[fè][x]";
        QString cinquecento;
        for (int i = 1; i <= 500; ++i)
            cinquecento += QStringLiteral("[s%1][t]").arg(i);
        QTest::newRow("500 parole") << righe(500) << 2 << cinquecento;
    }
    void listeValide() {
        QFETCH(QByteArray, byte);
        QFETCH(int, sillabe);
        QFETCH(QString, tutte);
        QTemporaryDir cartella;
        const RisultatoLettura letto = leggiListaParole(scrivi(cartella, "x.txt", byte), sillabe);
        QVERIFY2(!letto.errore, letto.errore ? qPrintable(letto.errore->descrizione()) : "");
        QString lette;
        for (int riga = 1; riga <= letto.tabella.numeroRighe(); ++riga) {
            for (int colonna = 1; colonna <= sillabe; ++colonna)
                lette += '[' + letto.tabella(riga, colonna) + ']';
        }
        QCOMPARE(lette, tutte);
    }

    void listeRifiutate_data() {
        using Tipo = ErroreLista::Tipo;
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<ErroreLista::Tipo>("tipo");
        QTest::addColumn<int>("parola");
        QTest::addColumn<QString>("dettaglio");
        QTest::newRow("501 parole") << righe(501) << Tipo::TroppeParole << 501 << "500 parole";
        QTest::newRow("troncata") << QByteArray("ca,sa\r\nlu") << Tipo::ParolaIncompleta << 2
                                  << "2 sillabe";
        QTest::newRow("virgolette aperte")
            << QByteArray("a,b\r\n\"ca\",\"sa\r\n") << Tipo::ParolaIncompleta << 2 << "virgolette";
        QTest::newRow("..") << QByteArray("a,b\r\n\"x..y\",c") << Tipo::SillabaNonValida << 2
                            << "\"..\"";
        QTest::newRow("/") << QByteArray("a,b/c") << Tipo::SillabaNonValida << 1 << "separatore";
        QTest::newRow("controllo")
            << QByteArray("\"a\r\nb\",c") << Tipo::SillabaNonValida << 1 << "controllo";
        QTest::newRow("?") << QByteArray("a,c?") << Tipo::SillabaNonValida << 1 << "il carattere ?";
    }
    void listeRifiutate() {
        QFETCH(QByteArray, byte);
        QFETCH(ErroreLista::Tipo, tipo);
        QFETCH(int, parola);
        QFETCH(QString, dettaglio);
        QTemporaryDir cartella;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ba2\\.txt"));
        const RisultatoLettura letto = leggiListaParole(scrivi(cartella, "ba2.txt", byte), 2);
        QVERIFY(letto.errore);
        QCOMPARE(letto.errore->tipo, tipo);
        QCOMPARE(letto.errore->parola, parola);
        QCOMPARE(letto.tabella.numeroRighe(), 0); // nothing half-read is handed back
        const QString descrizione = letto.errore->descrizione();
        QVERIFY2(descrizione.contains(dettaglio), qPrintable(descrizione));
        QVERIFY(descrizione.contains(QStringLiteral("\"ba2.txt\", parola numero %1").arg(parola)));
    }
};

QTEST_GUILESS_MAIN(TestListe)
#include "tst_liste.moc"
