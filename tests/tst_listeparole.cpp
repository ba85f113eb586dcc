#include "core/applicationfolder.h"
#include "core/modulo1.h"
#include "core/servizi.h"
#include "liste/lettorelista.h"
#include "liste/problemasillaba.h"
#include "support/testdoubles.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(ErroreLista::Tipo)

namespace {

QString scriviFile(const QTemporaryDir &cartella, const QString &nome, const QByteArray &byte) {
    const QString percorso = cartella.filePath(nome);
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QFile file(percorso);
    file.open(QIODevice::WriteOnly);
    file.write(byte);
    return percorso;
}

QByteArray righe(int quante, int sillabe) {
    QByteArray testo;
    for (int i = 1; i <= quante; ++i) {
        QByteArrayList campi;
        for (int s = 1; s <= sillabe; ++s)
            campi << "\"s" + QByteArray::number(i) + "x" + QByteArray::number(s) + "\"";
        testo += campi.join(',') + "\r\n";
    }
    return testo;
}

} // namespace

namespace {
// Reads the chosen list and commits it with its count, as an exercise screen does.
std::optional<ErroreLista> CaricaParole(TabellaParole &Parole, const QString &suffisso) {
    RisultatoLettura letto = leggiListaParole(
        percorsoListaParole(servizi().cartellaApplicazione,
                            Modulo1::ElencoListe[Modulo1::ListaScelta][Modulo1::ColonnaCodice],
                            suffisso),
        Parole.sillabePerParola());
    if (letto.errore)
        return letto.errore;
    Parole = std::move(letto.tabella);
    Modulo1::NumeroParole = qint16(Parole.numeroRighe());
    return std::nullopt;
}
} // namespace

class TestListeParole : public QObject {
    Q_OBJECT

private slots:
    void fileValidiCaricati_data();
    void fileValidiCaricati();
    void fileErratiSegnalati_data();
    void fileErratiSegnalati();
    void sillabeRifiutate_data();
    void sillabeRifiutate();
    void codificheLette_data();
    void codificheLette();
    void fileSpecialiRifiutati_data();
    void fileSpecialiRifiutati();
    void erroreNominaFileParolaEProblema();
    void listaSceltaEDifficoltaComponganoIlNome_data();
    void listaSceltaEDifficoltaComponganoIlNome();
    void nomiCopiatiDaWindowsTrovatiSenzaMaiuscole();
    void ricaricaConMenoParoleContaSoloLeNuove();
    void caricamentoFallitoLasciaLaTabellaPrecedente();
    void cartellaApplicazioneAccantoOInstallata();
};

void TestListeParole::fileValidiCaricati_data() {
    QTest::addColumn<QByteArray>("byte");
    QTest::addColumn<int>("sillabe");
    QTest::addColumn<int>("parole");
    QTest::addColumn<QStringList>("ultimaParola");
    QTest::newRow("500 parole") << righe(500, 2) << 2 << 500 << QStringList{"s500x1", "s500x2"};
    QTest::newRow("500 parole di tre sillabe")
        << righe(500, 3) << 3 << 500 << QStringList{"s500x1", "s500x2", "s500x3"};
    QTest::newRow("file vuoto") << QByteArray() << 2 << 0 << QStringList{};
    QTest::newRow("windows-1252") << QByteArray("\"caf\",\"f\xe8\"\r\n") << 2 << 1
                                  << QStringList{"caf", QStringLiteral("fè")};
    QTest::newRow("utf-8 con BOM") << QByteArray("\xef\xbb\xbf\"caf\",\"f\xc3\xa8\"\n") << 2 << 1
                                   << QStringList{"caf", QStringLiteral("fè")};
    QTest::newRow("virgola tra virgolette")
        << QByteArray("\"a,b\",\"c\"\r\n") << 2 << 1 << QStringList{"a,b", "c"};
    QTest::newRow("parole spezzate e unite")
        << QByteArray("\"pa\",\r\n\"ta\",\"ta\",\"ga\"\r\n\"li\",\"na\"\r\n") << 3 << 2
        << QStringList{"ga", "li", "na"};
    QTest::newRow("spazi agli estremi tolti") << QByteArray("\" ca\t\",\"\xc2\xa0s\xc3\xa8 \"\r\n")
                                              << 2 << 1 << QStringList{"ca", QStringLiteral("sè")};
    QTest::newRow("64 KB esatti") << QByteArray(64 * 1024, ' ') << 2 << 0 << QStringList{};
}

void TestListeParole::fileValidiCaricati() {
    QFETCH(QByteArray, byte);
    QFETCH(int, sillabe);
    QFETCH(int, parole);
    QFETCH(QStringList, ultimaParola);
    QTemporaryDir cartella;
    const RisultatoLettura letto =
        leggiListaParole(scriviFile(cartella, QStringLiteral("x.txt"), byte), sillabe);
    QVERIFY2(!letto.errore, letto.errore ? qPrintable(letto.errore->descrizione()) : "");
    QCOMPARE(letto.tabella.numeroRighe(), parole);
    QCOMPARE(letto.tabella.sillabePerParola(), sillabe);
    for (int colonna = 1; colonna <= ultimaParola.size(); ++colonna)
        QCOMPARE(letto.tabella(parole, colonna), ultimaParola[colonna - 1]);
}

void TestListeParole::fileErratiSegnalati_data() {
    using Tipo = ErroreLista::Tipo;
    QTest::addColumn<QByteArray>("byte");
    QTest::addColumn<int>("sillabe");
    QTest::addColumn<ErroreLista::Tipo>("tipo");
    QTest::addColumn<int>("parola");
    QTest::newRow("501 parole") << righe(501, 2) << 2 << Tipo::TroppeParole << 501;
    QTest::newRow("ultima parola troncata")
        << QByteArray("\"ca\",\"sa\"\r\n\"lu\"\r\n") << 2 << Tipo::ParolaIncompleta << 2;
    QTest::newRow("sette campi su tre sillabe") << righe(7, 1) << 3 << Tipo::ParolaIncompleta << 3;
    QTest::newRow("virgolette non chiuse")
        << QByteArray("\"ca\",\"sa\r\n") << 2 << Tipo::ParolaIncompleta << 1;
    QTest::newRow("risale di cartella")
        << QByteArray("\"a\",\"b\"\r\n\"..\",\"x\"\r\n") << 2 << Tipo::SillabaNonValida << 2;
    QTest::newRow("punti doppi in mezzo")
        << QByteArray("\"a..b\",\"x\"\r\n") << 2 << Tipo::SillabaNonValida << 1;
    QTest::newRow("barra") << QByteArray("\"a\",\"b/c\"\r\n") << 2 << Tipo::SillabaNonValida << 1;
    QTest::newRow("barra rovescia")
        << QByteArray("\"a\\b\",\"c\"\r\n") << 2 << Tipo::SillabaNonValida << 1;
    QTest::newRow("carattere di controllo")
        << QByteArray("\"a\x01\",\"c\"\r\n") << 2 << Tipo::SillabaNonValida << 1;
    QTest::newRow("a capo tra virgolette")
        << QByteArray("\"a\r\nb\",\"c\"\r\n") << 2 << Tipo::SillabaNonValida << 1;
    QTest::newRow("due punti") << QByteArray("a,c:\r\n") << 2 << Tipo::SillabaNonValida << 1;
    QTest::newRow("punto interrogativo")
        << QByteArray("a,c?\r\n") << 2 << Tipo::SillabaNonValida << 1;
}

void TestListeParole::fileErratiSegnalati() {
    QFETCH(QByteArray, byte);
    QFETCH(int, sillabe);
    QFETCH(ErroreLista::Tipo, tipo);
    QFETCH(int, parola);
    QTemporaryDir cartella;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("x\\.txt")));
    const RisultatoLettura letto =
        leggiListaParole(scriviFile(cartella, QStringLiteral("x.txt"), byte), sillabe);
    QVERIFY(letto.errore);
    QCOMPARE(letto.errore->tipo, tipo);
    QCOMPARE(letto.errore->parola, parola);
    QCOMPARE(letto.tabella.numeroRighe(), 0); // nothing half-read is handed back
}

// The second word is at fault; the message names the file, the word and the reason, and shows
// every invisible character by its code so nothing cuts or hides the text.
void TestListeParole::sillabeRifiutate_data() {
    QTest::addColumn<QByteArray>("parola");
    QTest::addColumn<int>("sillabe");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("vuota") << QByteArray("\"\",sa") << 2 << "\"\" è vuota";
    QTest::newRow("solo spazi") << QByteArray("ca,\"  \"") << 2 << "è vuota";
    QTest::newRow("virgole doppie") << QByteArray("ca,,sa") << 3 << "è vuota";
    QTest::newRow("troppo lunga") << QByteArray("precipitev,olissimevolmente") << 2
                                  << "al massimo 8 lettere";
    QTest::newRow("spazio in mezzo") << QByteArray("\"c a\",sa") << 2 << "uno spazio";
    QTest::newRow("NUL") << QByteArray("\"c\0a\",sa", 8) << 2 << "\"cU+0000a\" contiene";
    QTest::newRow("controllo") << QByteArray("c\x06o,sa") << 2 << "\"cU+0006o\" contiene";
    QTest::newRow("trattino morbido") << QByteArray("c\xc2\xado,sa") << 2 << "(U+00AD)";
    QTest::newRow("spazio a larghezza zero") << QByteArray("c\xe2\x80\x8bo,sa") << 2 << "U+200B";
    QTest::newRow("da destra a sinistra") << QByteArray("c\xe2\x80\xaeo,sa") << 2 << "U+202E";
    QTest::newRow("BOM nel testo") << QByteArray("\xef\xbb\xbf"
                                                 "ca,sa")
                                   << 2 << "U+FEFF";
    QTest::newRow("separatore di riga") << QByteArray("c\xe2\x80\xa8o,sa") << 2 << "U+2028";
    QTest::newRow("separatore di paragrafo") << QByteArray("c\xe2\x80\xa9o,sa") << 2 << "U+2029";
    QTest::newRow("uso privato") << QByteArray("c\xee\x80\x80o,sa") << 2 << "U+E000";
    QTest::newRow("non carattere") << QByteArray("c\xef\xb7\x90o,sa") << 2 << "U+FDD0";
    QTest::newRow("carattere sostitutivo") << QByteArray("c\xef\xbf\xbdo,sa") << 2 << "illeggibile";
    QTest::newRow("comincia con un punto") << QByteArray(".ca,sa") << 2 << "comincia con un punto";
    QTest::newRow("finisce con un punto") << QByteArray("ca,sa.") << 2 << "finisce con un punto";
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

void TestListeParole::sillabeRifiutate() {
    QFETCH(QByteArray, parola);
    QFETCH(int, sillabe);
    QFETCH(QString, motivo);
    QTemporaryDir cartella;
    const QByteArray buona = sillabe == 2 ? "ca,sa\r\n" : "pa,ta,ta\r\n";
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("x\\.txt")));
    const RisultatoLettura letto = leggiListaParole(
        scriviFile(cartella, QStringLiteral("x.txt"), buona + parola + "\r\n"), sillabe);
    QVERIFY(letto.errore);
    QCOMPARE(letto.errore->parola, 2);
    const QString testo = letto.errore->descrizione();
    QVERIFY2(testo.startsWith(QStringLiteral("Lista di parole \"x.txt\", parola numero 2: la ")),
             qPrintable(testo));
    QVERIFY2(testo.contains(motivo), qPrintable(testo));
    for (const QChar c : testo)
        QVERIFY2(c == QLatin1Char('\n') ||
                     (c.category() != QChar::Other_Control && c.category() != QChar::Other_Format),
                 qPrintable(testo));
}

namespace {
QByteArray utf16(const QString &testo, QStringConverter::Encoding codifica, bool bom) {
    QStringEncoder codificatore(codifica, bom ? QStringConverter::Flag::WriteBom
                                              : QStringConverter::Flag::Default);
    return codificatore.encode(testo);
}
} // namespace

void TestListeParole::codificheLette_data() {
    QTest::addColumn<QByteArray>("byte");
    QTest::addColumn<QStringList>("celle");
    const QString testo = QStringLiteral("\"caf\",\"fè\"\r\nper,ché\r\n");
    const QStringList celle{"caf", QStringLiteral("fè"), "per", QStringLiteral("ché")};
    QTest::newRow("UTF-16 LE con BOM") << utf16(testo, QStringConverter::Utf16LE, true) << celle;
    QTest::newRow("UTF-16 BE con BOM") << utf16(testo, QStringConverter::Utf16BE, true) << celle;
    QTest::newRow("UTF-16 LE senza BOM") << utf16(testo, QStringConverter::Utf16LE, false) << celle;
    QTest::newRow("UTF-16 BE senza BOM") << utf16(testo, QStringConverter::Utf16BE, false) << celle;
    QTest::newRow("windows-1252 e poi UTF-8")
        << QByteArray("\"caf\",\"f\xe8\"\r\nper,ch\xc3\xa9\r\n") << celle;
    QTest::newRow("BOM UTF-8 e poi windows-1252")
        << QByteArray("\xef\xbb\xbf\"caf\",\"f\xc3\xa8\"\r\nper,ch\xe9\r\n") << celle;
}

void TestListeParole::codificheLette() {
    QFETCH(QByteArray, byte);
    QFETCH(QStringList, celle);
    QTemporaryDir cartella;
    const RisultatoLettura letto =
        leggiListaParole(scriviFile(cartella, QStringLiteral("x.txt"), byte), 2);
    QVERIFY2(!letto.errore, letto.errore ? qPrintable(letto.errore->descrizione()) : "");
    QStringList lette;
    for (int riga = 1; riga <= letto.tabella.numeroRighe(); ++riga)
        lette << letto.tabella(riga, 1) << letto.tabella(riga, 2);
    QCOMPARE(lette, celle);
}

// None of these may freeze or end the game: a FIFO waits for a writer forever, /dev/zero never
// ends.
void TestListeParole::fileSpecialiRifiutati_data() {
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("FIFO") << "fifo"
                          << "non è un file di testo normale";
    QTest::newRow("link a /dev/zero") << "zero"
                                      << "non è un file di testo normale";
    QTest::newRow("cartella") << "cartella"
                              << "non è un file di testo normale";
    QTest::newRow("un byte oltre 64 KB") << "grande"
                                         << "più grande di 64 KB";
}

void TestListeParole::fileSpecialiRifiutati() {
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
        scriviFile(cartella, QStringLiteral("x.txt"), QByteArray(64 * 1024 + 1, ' '));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("x\\.txt")));
    const RisultatoLettura letto = leggiListaParole(percorso, 2);
    QVERIFY(letto.errore);
    QCOMPARE(letto.errore->tipo, ErroreLista::Tipo::FileNonAdatto);
    QVERIFY2(letto.errore->descrizione().contains(motivo), qPrintable(letto.errore->descrizione()));
}

void TestListeParole::erroreNominaFileParolaEProblema() {
    QTemporaryDir cartella;
    const QString percorso =
        scriviFile(cartella, QStringLiteral("ba2.txt"), "\"ca\",\"sa\"\r\n\"lu\"");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("ba2\\.txt")));
    const QString troncata = leggiListaParole(percorso, 2).errore->descrizione();
    QVERIFY2(troncata.contains(QStringLiteral("\"ba2.txt\"")), qPrintable(troncata));
    QVERIFY(troncata.contains(QStringLiteral("parola numero 2")));
    QVERIFY(troncata.contains(QStringLiteral("2 sillabe")));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("manca\\.txt")));
    const QString mancante =
        leggiListaParole(cartella.filePath(QStringLiteral("manca.txt")), 2).errore->descrizione();
    QVERIFY2(mancante.contains(QStringLiteral("\"manca.txt\"")), qPrintable(mancante));
    QVERIFY(mancante.contains(QStringLiteral("non c'è")));
    QVERIFY(!mancante.contains(QStringLiteral("parola numero")));
}

void TestListeParole::listaSceltaEDifficoltaComponganoIlNome_data() {
    QTest::addColumn<int>("lista");
    QTest::addColumn<QString>("suffisso");
    QTest::addColumn<int>("sillabe");
    QTest::addColumn<int>("parole");
    QTest::addColumn<QString>("primaParola");
    QTest::newRow("TUTTE facile a due") << 0 << "2.txt" << 2 << 4 << "casa";
    QTest::newRow("TUTTE facile a tre") << 0 << "3.txt" << 3 << 3 << "patata";
    QTest::newRow("QU e CQU facile a tre") << 15 << "3.txt" << 3 << 3 << "aquila";
    QTest::newRow("CA difficile a due, in windows-1252")
        << 2 << "4.txt" << 2 << 4 << QStringLiteral("caffè");
}

void TestListeParole::listaSceltaEDifficoltaComponganoIlNome() {
    QFETCH(int, lista);
    QFETCH(QString, suffisso);
    QFETCH(int, sillabe);
    QFETCH(int, parole);
    QFETCH(QString, primaParola);
    AmbienteDiProva ambiente;
    Modulo1::RiempiElencoListe();
    Modulo1::ListaScelta = qint16(lista);
    TabellaParole Parole(sillabe);
    const auto errore = CaricaParole(Parole, suffisso);
    QVERIFY2(!errore, errore ? qPrintable(errore->descrizione()) : "");
    QCOMPARE(Modulo1::NumeroParole, qint16(parole));
    QCOMPARE(Parole.parola(1), primaParola);
}

void TestListeParole::nomiCopiatiDaWindowsTrovatiSenzaMaiuscole() {
    AmbienteDiProva ambiente;
    Modulo1::RiempiElencoListe();
    Modulo1::ListaScelta = 1;
    TabellaParole Parole(2);
    QVERIFY(!CaricaParole(Parole, QStringLiteral("4.txt"))); // the fixture is named BA4.TXT
    QCOMPARE(Parole.parola(1), QStringLiteral("barca"));

    QTemporaryDir cartella;
    scriviFile(cartella, QStringLiteral("Images0/CASA.JPG"), "x");
    const QString trovato = percorsoDati(cartella.path(), {CartelleDati::Immagini, "casa.jpg"});
    QCOMPARE(QDir::fromNativeSeparators(trovato),
             cartella.filePath(QStringLiteral("Images0/CASA.JPG")));
    const QString assente = percorsoDati(cartella.path(), {CartelleDati::Immagini, "luna.jpg"});
    QCOMPARE(QDir::fromNativeSeparators(assente),
             cartella.filePath(QStringLiteral("Images0/luna.jpg")));
}

void TestListeParole::ricaricaConMenoParoleContaSoloLeNuove() {
    QTemporaryDir cartella;
    AmbienteDiProva ambiente(cartella.path());
    Modulo1::RiempiElencoListe();
    scriviFile(cartella, QStringLiteral("testizampirolo2/TUTTE2.txt"), righe(9, 2));
    scriviFile(cartella, QStringLiteral("testizampirolo2/TUTTE4.txt"), righe(5, 2));
    TabellaParole Parole(2);
    QVERIFY(!CaricaParole(Parole, QStringLiteral("2.txt")));
    QCOMPARE(Modulo1::NumeroParole, qint16(9));
    QVERIFY(!CaricaParole(Parole, QStringLiteral("4.txt")));
    QCOMPARE(Modulo1::NumeroParole, qint16(5));
    QCOMPARE(Parole.numeroRighe(), 5);
    QCOMPARE(Parole(5, 2), QStringLiteral("s5x2"));
}

void TestListeParole::caricamentoFallitoLasciaLaTabellaPrecedente() {
    QTemporaryDir cartella;
    AmbienteDiProva ambiente(cartella.path());
    Modulo1::RiempiElencoListe();
    scriviFile(cartella, QStringLiteral("testizampirolo2/TUTTE2.txt"), righe(6, 2));
    QByteArray rotto = righe(3, 2) + "\"../../etc\",\"x\"\r\n";
    scriviFile(cartella, QStringLiteral("testizampirolo2/TUTTE4.txt"), rotto);
    TabellaParole Parole(2);
    QVERIFY(!CaricaParole(Parole, QStringLiteral("2.txt")));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("TUTTE4")));
    const auto errore = CaricaParole(Parole, QStringLiteral("4.txt"));
    QVERIFY(errore);
    QCOMPARE(errore->tipo, ErroreLista::Tipo::SillabaNonValida);
    QCOMPARE(errore->parola, 4);
    QCOMPARE(Modulo1::NumeroParole, qint16(6));
    QCOMPARE(Parole.numeroRighe(), 6);
    QCOMPARE(Parole(6, 1), QStringLiteral("s6x1"));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("TUTTE3")));
    QVERIFY(CaricaParole(Parole, QStringLiteral("3.txt")));
    QCOMPARE(Modulo1::NumeroParole, qint16(6));
}

void TestListeParole::cartellaApplicazioneAccantoOInstallata() {
    QTemporaryDir radice;
    QDir(radice.path()).mkpath(QStringLiteral("portatile/suoni"));
    QDir(radice.path()).mkpath(QStringLiteral("prefisso/bin"));
    QDir(radice.path()).mkpath(QStringLiteral("prefisso/share/zampirolo2/testizampirolo2"));
    QDir(radice.path()).mkpath(QStringLiteral("vuota"));

    QCOMPARE(trovaCartellaApplicazione(radice.filePath(QStringLiteral("portatile"))),
             radice.filePath(QStringLiteral("portatile")));
    QCOMPARE(trovaCartellaApplicazione(radice.filePath(QStringLiteral("prefisso/bin"))),
             radice.filePath(QStringLiteral("prefisso/share/zampirolo2")));
    // No data anywhere: the program goes on but says where it looked.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("dati non trovate")));
    QCOMPARE(trovaCartellaApplicazione(radice.filePath(QStringLiteral("vuota"))),
             radice.filePath(QStringLiteral("vuota")));
}

QTEST_MAIN(TestListeParole)
#include "tst_listeparole.moc"
