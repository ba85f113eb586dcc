// Word-list files read by the game's reader: fields, encodings, limits and refused syllables.
#include "liste/lettorelista.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

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
        QTest::newRow("virgola tra virgolette, spazi agli estremi tolti")
            << QByteArray("\" a,b \",\"\xc2\xa0s\xc3\xa8\t\"  ,x\r\n") << 3 << "[a,b][sè][x]";
        QTest::newRow("windows-1252") << QByteArray("\"f\xe8\",\x80\x93\x94") << 2 << "[fè][€“”]";
        QTest::newRow("utf-8 con BOM")
            << QByteArray("\xef\xbb\xbf\"f\xc3\xa8\",x") << 2 << "[fè][x]";
        QString cinquecento;
        for (int i = 1; i <= 500; ++i)
            cinquecento += QStringLiteral("[s%1][t]").arg(i);
        QTest::newRow("500 parole") << righe(500) << 2 << cinquecento;
        QTest::newRow("64 KB esatti") << QByteArray(64 * 1024, ' ') << 2 << "";
        // Notepad's "Unicode", with or without its mark, and lines pasted in either encoding.
        const QString testo = QStringLiteral("\"caf\",\"fè\"\r\nper,ché\r\n");
        const QString celle = QStringLiteral("[caf][fè][per][ché]");
        for (auto codifica : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
            for (bool bom : {true, false}) {
                QStringEncoder codificatore(codifica, bom ? QStringConverter::Flag::WriteBom
                                                          : QStringConverter::Flag::Default);
                QTest::addRow("UTF-16 %s %s", codifica == QStringConverter::Utf16LE ? "LE" : "BE",
                              bom ? "con BOM" : "senza BOM")
                    << QByteArray(codificatore.encode(testo)) << 2 << celle;
            }
        }
        QTest::newRow("windows-1252 e poi UTF-8")
            << QByteArray("\"caf\",\"f\xe8\"\r\nper,ch\xc3\xa9\r\n") << 2 << celle;
        QTest::newRow("BOM UTF-8 e poi windows-1252")
            << QByteArray("\xef\xbb\xbf\"caf\",\"f\xc3\xa8\"\r\nper,ch\xe9\r\n") << 2 << celle;
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

    // The second word is at fault; the message names the file, the word and the reason, and
    // shows every invisible character by its code so nothing cuts or hides the text.
    void sillabeRifiutate_data() {
        QTest::addColumn<QByteArray>("parola");
        QTest::addColumn<int>("sillabe");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("vuota") << QByteArray("\"\",sa") << 2 << "\"\" è vuota";
        QTest::newRow("solo spazi") << QByteArray("ca,\"  \"") << 2 << "è vuota";
        QTest::newRow("virgole doppie") << QByteArray("ca,,sa") << 3 << "è vuota";
        QTest::newRow("troppo lunga")
            << QByteArray("precipitev,olissimevolmente") << 2 << "al massimo 8 lettere";
        QTest::newRow("spazio in mezzo") << QByteArray("\"c a\",sa") << 2 << "uno spazio";
        QTest::newRow("NUL") << QByteArray("\"c\0a\",sa", 8) << 2 << "\"cU+0000a\" contiene";
        QTest::newRow("controllo") << QByteArray("c\x06o,sa") << 2 << "\"cU+0006o\" contiene";
        QTest::newRow("trattino morbido") << QByteArray("c\xc2\xado,sa") << 2 << "(U+00AD)";
        QTest::newRow("larghezza zero") << QByteArray("c\xe2\x80\x8bo,sa") << 2 << "U+200B";
        QTest::newRow("da destra a sinistra") << QByteArray("c\xe2\x80\xaeo,sa") << 2 << "U+202E";
        QTest::newRow("BOM nel testo") << QByteArray("\xef\xbb\xbf"
                                                     "ca,sa")
                                       << 2 << "U+FEFF";
        QTest::newRow("separatore di riga") << QByteArray("c\xe2\x80\xa8o,sa") << 2 << "U+2028";
        QTest::newRow("separatore di paragrafo")
            << QByteArray("c\xe2\x80\xa9o,sa") << 2 << "U+2029";
        QTest::newRow("uso privato") << QByteArray("c\xee\x80\x80o,sa") << 2 << "U+E000";
        QTest::newRow("non carattere") << QByteArray("c\xef\xb7\x90o,sa") << 2 << "U+FDD0";
        QTest::newRow("sostitutivo") << QByteArray("c\xef\xbf\xbdo,sa") << 2 << "illeggibile";
        QTest::newRow("comincia con un punto")
            << QByteArray(".ca,sa") << 2 << "comincia con un punto";
        QTest::newRow("finisce con un punto")
            << QByteArray("ca,sa.") << 2 << "finisce con un punto";
        QTest::newRow("punti tra sillabe")
            << QByteArray("ca.,.sa") << 2 << "\"ca..sa\" contiene \"..\"";
        QTest::newRow("CON") << QByteArray("c,On") << 2 << "\"cOn\" è un nome che Windows riserva";
        QTest::newRow("COM1") << QByteArray("co,m1") << 2 << "Windows riserva";
        QTest::newRow("LPT9 con estensione") << QByteArray("lpt,9.x") << 2 << "Windows riserva";
        QTest::newRow("nul con estensione") << QByteArray("nu,l.a,b") << 3 << "Windows riserva";
        // Each syllable within the limit, but marks typed apart make the name too long.
        QByteArray segni = "a";
        for (int i = 0; i < 23; ++i)
            segni += "\xf0\x9d\x85\xa7"; // U+1D167, a combining mark of four bytes
        QTest::newRow("nome oltre 255 byte")
            << segni + "," + segni + "," + segni << 3 << "troppo lunga per dare il nome";
    }
    void sillabeRifiutate() {
        QFETCH(QByteArray, parola);
        QFETCH(int, sillabe);
        QFETCH(QString, motivo);
        QTemporaryDir cartella;
        const QByteArray buona = sillabe == 2 ? "ca,sa\r\n" : "pa,ta,ta\r\n";
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("x\\.txt")));
        const RisultatoLettura letto =
            leggiListaParole(scrivi(cartella, "x.txt", buona + parola + "\r\n"), sillabe);
        QVERIFY(letto.errore);
        QCOMPARE(letto.errore->parola, 2);
        const QString testo = letto.errore->descrizione();
        QVERIFY2(
            testo.startsWith(QStringLiteral("Lista di parole \"x.txt\", parola numero 2: la ")),
            qPrintable(testo));
        QVERIFY2(testo.contains(motivo), qPrintable(testo));
        for (const QChar c : testo)
            QVERIFY2(c == QLatin1Char('\n') || (c.category() != QChar::Other_Control &&
                                                c.category() != QChar::Other_Format),
                     qPrintable(testo));
    }

    // None of these may freeze or end the game: a FIFO waits for a writer for ever, /dev/zero
    // never ends.
    void fileSpecialiRifiutati_data() {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("motivo");
        for (const char *tipo : {"fifo", "zero", "cartella"})
            QTest::newRow(tipo) << tipo << "non è un file di testo normale";
        QTest::newRow("un byte oltre 64 KB") << "grande"
                                             << "più grande di 64 KB";
    }
    void fileSpecialiRifiutati() {
        QFETCH(QString, tipo);
        QFETCH(QString, motivo);
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("x.txt"));
        if (tipo == QLatin1String("fifo"))
            QCOMPARE(mkfifo(QFile::encodeName(percorso).constData(), 0600), 0);
        else if (tipo == QLatin1String("zero"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), percorso));
        else if (tipo == QLatin1String("cartella"))
            QVERIFY(QDir().mkdir(percorso));
        else
            scrivi(cartella, "x.txt", QByteArray(64 * 1024 + 1, ' '));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("x\\.txt")));
        const RisultatoLettura letto = leggiListaParole(percorso, 2);
        QVERIFY(letto.errore);
        QCOMPARE(letto.errore->tipo, ErroreLista::Tipo::FileNonAdatto);
        QVERIFY2(letto.errore->descrizione().contains(motivo),
                 qPrintable(letto.errore->descrizione()));
    }
};

QTEST_GUILESS_MAIN(TestListe)
#include "tst_liste.moc"
