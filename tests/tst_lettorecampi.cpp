#include "liste/lettorecampi.h"

#include <QtTest>

class TestLettoreCampi : public QObject {
    Q_OBJECT

private slots:
    void campiLettiInOrdine_data();
    void campiLettiInOrdine();
    void virgoletteNonChiuseSonoSegnalate();
    void codificaRiconosciuta_data();
    void codificaRiconosciuta();
};

namespace {

QStringList tuttiICampi(const QString &testo, bool *virgoletteAperte = nullptr) {
    LettoreCampi lettore(testo);
    QStringList campi;
    QString campo;
    for (;;) {
        const LettoreCampi::Esito esito = lettore.leggi(campo);
        if (esito == LettoreCampi::Esito::FineTesto)
            break;
        if (esito == LettoreCampi::Esito::VirgoletteAperte) {
            if (virgoletteAperte)
                *virgoletteAperte = true;
            break;
        }
        campi.append(campo);
    }
    return campi;
}

} // namespace

void TestLettoreCampi::campiLettiInOrdine_data() {
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QStringList>("campi");
    const QStringList casaLuna{"ca", "sa", "lu", "na"};
    QTest::newRow("una parola per riga, CRLF") << "\"ca\",\"sa\"\r\n\"lu\",\"na\"\r\n" << casaLuna;
    QTest::newRow("una parola per riga, LF") << "\"ca\",\"sa\"\n\"lu\",\"na\"\n" << casaLuna;
    QTest::newRow("senza a capo finale") << "\"ca\",\"sa\"\r\n\"lu\",\"na\"" << casaLuna;
    QTest::newRow("due parole su una riga") << "\"ca\",\"sa\",\"lu\",\"na\"\r\n" << casaLuna;
    QTest::newRow("parola spezzata su due righe") << "\"ca\",\r\n\"sa\"\r\n\"lu\"\r\n\"na\"\r\n"
                                                  << casaLuna;
    QTest::newRow("senza virgolette") << "ca,sa\r\nlu,na\r\n" << casaLuna;
    QTest::newRow("spazi iniziali persi senza virgolette") << "  ca,\tsa\r\n lu ,  na  \r\n"
                                                           << casaLuna;
    QTest::newRow("righe vuote saltate") << "\r\n\"ca\",\"sa\"\r\n\r\n  \r\n\"lu\",\"na\"\r\n\r\n"
                                         << casaLuna;
    QTest::newRow("virgola tra virgolette") << "\"a,b\",\"c\"\r\n" << QStringList{"a,b", "c"};
    QTest::newRow("spazi tra virgolette conservati") << "\" ca \",\"sa\"\r\n"
                                                     << QStringList{" ca ", "sa"};
    QTest::newRow("campo vuoto tra virgolette") << "\"\",\"a\"\r\n" << QStringList{"", "a"};
    QTest::newRow("campo vuoto tra due virgole") << "ca,,sa\r\n" << QStringList{"ca", "", "sa"};
    QTest::newRow("spazi dopo le virgolette") << "\"ca\"  ,  \"sa\"\r\n" << QStringList{"ca", "sa"};
    QTest::newRow("accenti") << QStringLiteral("\"caf\",\"fè\"\r\n") << QStringList{"caf", "fè"};
    QTest::newRow("testo vuoto") << "" << QStringList{};
    QTest::newRow("solo righe vuote") << "\r\n\r\n   \n" << QStringList{};
}

void TestLettoreCampi::campiLettiInOrdine() {
    QFETCH(QString, testo);
    QFETCH(QStringList, campi);
    bool aperte = false;
    QCOMPARE(tuttiICampi(testo, &aperte), campi);
    QVERIFY(!aperte);
}

void TestLettoreCampi::virgoletteNonChiuseSonoSegnalate() {
    // A forgotten closing quote swallows the line end up to the next quote; the last quote
    // then never closes, and that is reported instead of inventing a field.
    bool aperte = false;
    QCOMPARE(tuttiICampi(QStringLiteral("\"ca\",\"sa\r\n\"lu\",\"na\r\n"), &aperte),
             (QStringList{"ca", "sa\r\n"}));
    QVERIFY(aperte);
}

void TestLettoreCampi::codificaRiconosciuta_data() {
    QTest::addColumn<QByteArray>("byte");
    QTest::addColumn<QString>("testo");
    QTest::newRow("windows-1252 è") << QByteArray("\"f\xe8\"") << QStringLiteral("\"fè\"");
    QTest::newRow("windows-1252 euro e virgolette")
        << QByteArray("\x80\x93x\x94") << QStringLiteral("€“x”");
    QTest::newRow("windows-1252 maiuscole accentate")
        << QByteArray("\xc8\xd9") << QStringLiteral("ÈÙ");
    QTest::newRow("utf-8 è") << QByteArray("\"f\xc3\xa8\"") << QStringLiteral("\"fè\"");
    QTest::newRow("utf-8 con BOM")
        << QByteArray("\xef\xbb\xbf\"f\xc3\xa8\"") << QStringLiteral("\"fè\"");
    QTest::newRow("ascii") << QByteArray("\"ca\",\"sa\"") << QStringLiteral("\"ca\",\"sa\"");
    QTest::newRow("utf-8 non valido letto come windows-1252")
        << QByteArray("\xc3\xa8 \xe8") << QStringLiteral("Ã¨ è");
}

void TestLettoreCampi::codificaRiconosciuta() {
    QFETCH(QByteArray, byte);
    QFETCH(QString, testo);
    QCOMPARE(decodificaTestoLista(byte), testo);
}

QTEST_MAIN(TestLettoreCampi)
#include "tst_lettorecampi.moc"
