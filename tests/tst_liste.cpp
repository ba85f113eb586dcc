// Word-list files read by the game's reader: fields, encodings, limits and refused syllables.
#include "core/letturadati.h"
#include "liste/lettorelista.h"
#include "support/cartellaprova.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ErroreLista::Tipo)
Q_DECLARE_METATYPE(LetturaDati::Esito)

namespace {

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
        // Beyond U+FFFF: U+1003A cut to 16 bits would be ':', and an emoji.
        QTest::newRow("oltre U+FFFF")
            << QByteArray("\"ca\xf0\x90\x80\xba\",\xf0\x9f\x98\x80\r\n") << 2
            << QString::fromUtf8("[ca\xf0\x90\x80\xba][\xf0\x9f\x98\x80]");
    }
    void listeValide() {
        QFETCH(QByteArray, byte);
        QFETCH(int, sillabe);
        QFETCH(QString, tutte);
        QTemporaryDir cartella;
        const RisultatoLettura letto =
            leggiListaParole(scriviFile(cartella.filePath("x.txt"), byte), sillabe);
        QVERIFY2(!letto.errore, letto.errore ? qPrintable(letto.errore->descrizione()) : "");
        QString lette;
        for (int riga = 1; riga <= letto.tabella.numeroRighe(); ++riga) {
            for (int colonna = 1; colonna <= sillabe; ++colonna)
                lette += '[' + letto.tabella(riga, colonna) + ']';
        }
        QCOMPARE(lette, tutte);
    }

    // Every data file (list, picture, sound, imported words) is read through one function:
    // plain files only, opened without waiting, never read past the limit. A FIFO that blocked
    // here would hang the test until its time limit.
    void letturaDati_data() {
        using Esito = LetturaDati::Esito;
        QTest::addColumn<QString>("oggetto");
        QTest::addColumn<qint64>("limite");
        QTest::addColumn<LetturaDati::Esito>("esito");
        QTest::addColumn<int>("letti");
        QTest::newRow("file al limite") << "file" << qint64(10) << Esito::Letto << 10;
        QTest::newRow("un byte oltre") << "file" << qint64(9) << Esito::TroppoGrande << 0;
        QTest::newRow("link a un file") << "link" << qint64(10) << Esito::Letto << 10;
        QTest::newRow("mancante") << "nulla" << qint64(10) << Esito::Mancante << 0;
        QTest::newRow("link rotto") << "rotto" << qint64(10) << Esito::Mancante << 0;
        QTest::newRow("fifo") << "fifo" << qint64(10) << Esito::NonNormale << 0;
        QTest::newRow("link a /dev/zero") << "zero" << qint64(10) << Esito::NonNormale << 0;
        QTest::newRow("/dev/null") << "null" << qint64(10) << Esito::NonNormale << 0;
        QTest::newRow("cartella") << "cartella" << qint64(10) << Esito::NonNormale << 0;
    }
    void letturaDati() {
        QFETCH(QString, oggetto);
        QFETCH(qint64, limite);
        QFETCH(LetturaDati::Esito, esito);
        QFETCH(int, letti);
        QTemporaryDir cartella;
        const QString file = scriviFile(cartella.filePath("vero.wav"), "0123456789");
        const QString percorso = cartella.filePath(QStringLiteral("dato"));
        if (oggetto == "link")
            QVERIFY(QFile::link(file, percorso));
        else if (oggetto == "rotto")
            QVERIFY(QFile::link(cartella.filePath("nessuno"), percorso));
        else if (oggetto != "file" && oggetto != "nulla")
            QVERIFY(creaNonNormale(percorso, oggetto.toLatin1()));
        const QString letto = oggetto == "file" ? file : percorso;
        const LetturaDati lettura = leggiFileDati(letto, limite);
        QCOMPARE(lettura.esito, esito);
        QCOMPARE(lettura.byte.size(), letti);
        QCOMPARE(lettura.motivo().isEmpty(), esito == LetturaDati::Esito::Letto);
        QCOMPARE(esaminaFileDati(letto, limite), esito);
        // A header is read from a file of any size, and nothing from anything else.
        const LetturaDati inizio = leggiInizioFileDati(letto, 4);
        const bool normale = esito == LetturaDati::Esito::Letto || oggetto == "file";
        QCOMPARE(inizio.letto(), normale);
        QCOMPARE(inizio.byte, normale ? QByteArray("0123") : QByteArray());
        QCOMPARE(inizio.dimensione, normale ? 10 : 0);
    }

    // The message names the file, the word and the reason, and shows every invisible character
    // by its code so nothing cuts or hides the text.
    void listeRifiutate_data() {
        using Tipo = ErroreLista::Tipo;
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<int>("sillabe");
        QTest::addColumn<ErroreLista::Tipo>("tipo");
        QTest::addColumn<int>("parola");
        QTest::addColumn<QString>("dettaglio");
        const auto r = [](const char *nome, const QByteArray &byte, Tipo tipo, int parola,
                          const char *dettaglio) {
            QTest::newRow(nome) << byte << 2 << tipo << parola << QString::fromUtf8(dettaglio);
        };
        r("501 parole", righe(501), Tipo::TroppeParole, 501, "500 parole");
        r("troncata", QByteArray("ca,sa\r\nlu"), Tipo::ParolaIncompleta, 2, "2 sillabe");
        // Blank lines are not words: the faulty one is named by its own number.
        r("dopo una riga vuota", QByteArray("ca,sa\r\n\r\nlu\r\nme,la\r\n"), Tipo::ParolaIncompleta,
          2, "la riga ha una sillaba sola");
        r("virgolette aperte", QByteArray("a,b\r\n\"ca\",\"sa\r\n"), Tipo::ParolaIncompleta, 2,
          "virgolette");
        r("..", QByteArray("a,b\r\n\"x..y\",c"), Tipo::SillabaNonValida, 2, "\"..\"");
        r("/", QByteArray("a,b/c"), Tipo::SillabaNonValida, 1, "separatore");
        r("a capo", QByteArray("\"a\r\nb\",c"), Tipo::SillabaNonValida, 1, "controllo");
        r("?", QByteArray("a,c?"), Tipo::SillabaNonValida, 1, "il carattere ?");
        r("un byte oltre 64 KB", QByteArray(64 * 1024 + 1, ' '), Tipo::FileNonAdatto, 0,
          "più grande di 64 KB");
        // None of these may freeze or end the game: a FIFO waits for a writer for ever, /dev/zero
        // never ends.
        for (const char *speciale : {"fifo", "zero", "cartella"})
            r(speciale, speciale, Tipo::FileNonAdatto, 0, "non è un file di testo normale");

        // A good word, then this one, of as many syllables as it has.
        const auto seconda = [](Tipo tipo) {
            return [tipo](const char *nome, const QByteArray &parola, const char *motivo) {
                const int sillabe = int(parola.count(',')) + 1;
                const QByteArray buona = sillabe == 2 ? "ca,sa\r\n" : "pa,ta,ta\r\n";
                QTest::newRow(nome) << buona + parola + "\r\n"
                                    << sillabe << tipo << 2 << QString::fromUtf8(motivo);
            };
        };
        const auto s = seconda(Tipo::SillabaNonValida), p = seconda(Tipo::ParolaNonValida);
        s("vuota", QByteArray("\"\",sa"), "\"\" è vuota");
        s("solo spazi", QByteArray("ca,\"  \""), "è vuota");
        s("virgole doppie", QByteArray("ca,,sa"), "è vuota");
        s("troppo lunga", QByteArray("precipitev,olissimevolmente"), "al massimo 8 lettere");
        s("spazio in mezzo", QByteArray("\"c a\",sa"), "uno spazio");
        s("NUL", QByteArray("\"c\0a\",sa", 8), "\"cU+0000a\" contiene");
        s("controllo", QByteArray("c\x06o,sa"), "\"cU+0006o\" contiene");
        // Soft hyphen, zero width, right-to-left override, line and paragraph separators,
        // private use, a noncharacter: each shown by its code.
        for (char32_t u : {0xAD, 0x200B, 0x202E, 0x2028, 0x2029, 0xE000, 0xFDD0}) {
            const QByteArray codice =
                "U+" + QByteArray::number(uint(u), 16).toUpper().rightJustified(4, '0');
            s(codice, "c" + QString::fromUcs4(&u, 1).toUtf8() + "o,sa", codice);
        }
        s("BOM nel testo", QByteArray("\xef\xbb\xbf") + "ca,sa", "U+FEFF");
        s("sostitutivo", QByteArray("c\xef\xbf\xbdo,sa"), "illeggibile");
        p("comincia con un punto", QByteArray(".ca,sa"), "comincia con un punto");
        p("finisce con un punto", QByteArray("ca,sa."), "finisce con un punto");
        p("punti tra sillabe", QByteArray("ca.,.sa"), "\"ca..sa\" contiene \"..\"");
        p("CON", QByteArray("c,On"), "\"cOn\" è un nome che Windows riserva");
        p("COM1", QByteArray("co,m1"), "Windows riserva");
        p("LPT9 con estensione", QByteArray("lpt,9.x"), "Windows riserva");
        p("nul con estensione", QByteArray("nu,l.a,b"), "Windows riserva");
        // Each syllable within the limit, but marks typed apart make the name too long.
        QByteArray segni = "a";
        for (int i = 0; i < 23; ++i)
            segni += "\xf0\x9d\x85\xa7"; // U+1D167, a combining mark of four bytes
        p("nome oltre 255 byte", segni + "," + segni + "," + segni,
          "troppo lunga per dare il nome");
    }
    void listeRifiutate() {
        QFETCH(QByteArray, byte);
        QFETCH(int, sillabe);
        QFETCH(ErroreLista::Tipo, tipo);
        QFETCH(int, parola);
        QFETCH(QString, dettaglio);
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("ba2.txt"));
        if (!creaNonNormale(percorso, byte))
            scriviFile(percorso, byte);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ba2\\.txt"));
        const RisultatoLettura letto = leggiListaParole(percorso, sillabe);
        QVERIFY(letto.errore);
        QCOMPARE(letto.errore->tipo, tipo);
        QCOMPARE(letto.errore->parola, parola);
        QCOMPARE(letto.tabella.numeroRighe(), 0); // nothing half-read is handed back
        const QString testo = letto.errore->descrizione();
        QVERIFY2(testo.contains(dettaglio), qPrintable(testo));
        QString inizio = "Lista di parole \"ba2.txt\"" +
                         (parola ? QStringLiteral(", parola numero %1").arg(parola) : "") + ": ";
        if (tipo == ErroreLista::Tipo::SillabaNonValida)
            inizio += "la sillaba ";
        else if (tipo == ErroreLista::Tipo::ParolaNonValida)
            inizio += "la parola ";
        QVERIFY2(testo.startsWith(inizio), qPrintable(testo));
        QVERIFY2(carattereNascosto(testo).isEmpty(), qPrintable(carattereNascosto(testo)));
    }
};

QTEST_GUILESS_MAIN(TestListe)
#include "tst_liste.moc"
