// The checker on a small application folder that a teacher might have written: each kind of
// mistake planted in it must be named, on the right file and word. And the content we ship in
// data/ passes every check a teacher's lists get.
#include "core/risolutoredati.h"
#include "editor/rigacomando.h"
#include "liste/regolelista.h"
#include "liste/verificatore.h"
#include "support/cartellaprova.h"

#include <QtTest>

using Tipo = ProblemaVerifica::Tipo;
Q_DECLARE_METATYPE(Tipo)

namespace {

// Every word in every list and level file it belongs to, with a picture of the right shape:
// the "ca" list fills both exercises, so only a planted fault makes its files short.
const QStringList Parole =
    QString("ca,sa ca,ne ca,po bu,co gat,to pa,ta,ta ca,mi,no ca,va,lo cu,pi,do").split(' ');

void riempi(CartellaProva &cartella) {
    for (const QString &codice :
         QString("TUTTE ba ca da fa ga la ma na pa ra sa ta va za cq&qu vocali").split(' ')) {
        for (const char *cifra : {"2", "3", "4", "5"}) {
            QStringList nelFile;
            for (const QString &parola : Parole) {
                const QStringList sillabe = parola.split(',');
                if (RegoleLista::cifraFile(RegoleLista::classificaParola(sillabe)) ==
                        QLatin1String(cifra) &&
                    RegoleLista::appartieneALista(codice, sillabe))
                    nelFile << parola;
            }
            cartella.scriviLista(codice + cifra + ".txt", nelFile);
        }
    }
    for (const QString &parola : Parole) {
        QImage figura(480, parola.count(',') == 1 ? 400 : 480, QImage::Format_RGB32);
        figura.fill(CartellaProva::coloreDi(parola));
        QVERIFY(
            figura.save(cartella.percorso() + "/images0/" + QString(parola).remove(',') + ".jpg"));
    }
}

// The command line as a terminal runs it; what it writes is gathered, the output anew each run.
struct Terminale {
    QString testo, errori;
    int esegui(const QStringList &argomenti, const QString &gioco = {},
               const QString &utente = {}) {
        testo.clear();
        QTextStream uscita(&testo), erroriFlusso(&errori);
        return RigaComando::esegui(argomenti, gioco, utente, uscita, erroriFlusso);
    }
};

} // namespace

class TestVerificatore : public QObject {
    Q_OBJECT

private slots:
    // Each row plants one mistake (a file written anew, its lines split by "|", removed or copied;
    // a bare name is a list) and names where the new problems of its kind must be reported:
    // "file:word" with "?" after a "forse" one.
    void nominaOgniProblema_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<Tipo>("tipo");
        QTest::addColumn<QStringList>("attesi");

        const auto r = [](const char *nome, const char *file, const char *contenuto, Tipo tipo,
                          const char *attesi) {
            QTest::newRow(nome) << file << QByteArray(contenuto) << tipo
                                << QString(attesi).split(' ', Qt::SkipEmptyParts);
        };
        r("il lettore rifiuta", "ca2.txt", "ca,sa|ca", Tipo::Lettura, "ca2.txt:2");
        r("divisione sbagliata", "TUTTE5.txt", "fi,nes,tra", Tipo::Divisione, "TUTTE5.txt:1");
        r("divisione forse", "TUTTE3.txt", "pa,ta,ta|pi,a,no", Tipo::Divisione, "TUTTE3.txt:2?");
        r("due divisioni dei libri di scuola", "TUTTE5.txt", "a,tle,ta|ca,psu,la|ap,ne,a",
          Tipo::Divisione, "TUTTE5.txt:1? TUTTE5.txt:2?");
        r("gruppo che apre le parole", "TUTTE5.txt", "a,lbe,ro|a,ppun,to|lib,ro,ne",
          Tipo::Divisione, "TUTTE5.txt:1 TUTTE5.txt:2 TUTTE5.txt:3");
        r("maiuscole", "ca2.txt", "Ca,sa", Tipo::Maiuscole, "ca2.txt:1");
        r("livello", "ta2.txt", "gat,to", Tipo::Livello, "ta2.txt:1");
        r("non della lista", "ba3.txt", "pa,ta,ta", Tipo::Appartenenza, "ba3.txt:1");
        r("manca alla lista", "sa2.txt", "", Tipo::Appartenenza, "sa2.txt:0");
        r("figura mancante", "images0/casa.jpg", "-", Tipo::FiguraMancante, "TUTTE2.txt:1");
        r("figura con le maiuscole", "images0/CASA.JPG", "+casa.jpg", Tipo::FiguraMancante, "");
        r("figura illeggibile", "images0/casa.jpg", "non è una figura", Tipo::FiguraIlleggibile,
          "TUTTE2.txt:1");
        r("figura deformata", "images0/patata.jpg", "+casa.jpg", Tipo::FiguraDeformata,
          "TUTTE3.txt:1");
        r("figura condivisa", "images0/cane.jpg", "+casa.jpg", Tipo::FiguraCondivisa,
          "TUTTE2.txt:2");
        r("figura inutile", "images0/lupo.jpg", "+casa.jpg", Tipo::FiguraInutile, "lupo.jpg:0");
        r("doppione", "sa2.txt", "ca,sa|ca,sa", Tipo::Doppione, "sa2.txt:2");
        r("divisa in due modi", "ca3.txt", "ca,mi,no|ca,va,lo|cu,pi,do|ca,s,a", Tipo::Doppione,
          "ca3.txt:4");
        r("poche parole", "ca2.txt", "ca,sa", Tipo::PocheParole, "ca2.txt:0 ca4.txt:0");
        r("suono illeggibile", "suoni/no.wav", "non è un suono", Tipo::Suono, "no.wav:0");
        // Opening a FIFO as a sound used to wait for a writer for ever.
        r("suono FIFO", "suoni/si1.wav", "fifo", Tipo::Suono, "si1.wav:0");
        r("TUTTE senza una parola", "TUTTE2.txt", "bu,co|ca,sa|ca,po", Tipo::TutteNonUnione,
          "TUTTE2.txt:0");
    }
    void nominaOgniProblema() {
        QFETCH(QString, file);
        QFETCH(QByteArray, contenuto);
        QFETCH(Tipo, tipo);
        QFETCH(QStringList, attesi);

        CartellaProva cartella;
        riempi(cartella);
        const RisolutoreDati dati(cartella.percorso(), QString());
        QSet<QString> prima;
        for (const ProblemaVerifica &p : Verificatore(dati).verifica().problemi)
            prima.insert(p.riga());

        const QString percorso =
            cartella.percorso() + (file.contains('/') ? "/" : "/testizampirolo2/") + file;
        const QString immagini = cartella.percorso() + QStringLiteral("/images0/");
        if (contenuto == "-") {
            QVERIFY(QFile::remove(percorso));
        } else if (contenuto == "fifo") {
            QFile::remove(percorso);
            QVERIFY(QDir().mkpath(QFileInfo(percorso).path()) && creaNonNormale(percorso, "fifo"));
        } else if (contenuto.startsWith('+')) {
            QFile::remove(percorso);
            QVERIFY(QFile::copy(immagini + QString::fromUtf8(contenuto.mid(1)), percorso));
            if (file.endsWith(QLatin1String("CASA.JPG")))
                QVERIFY(QFile::remove(immagini + QStringLiteral("casa.jpg")));
        } else {
            scriviFile(percorso, QByteArray(contenuto).replace('|', "\r\n"));
        }

        QStringList trovati;
        for (const ProblemaVerifica &p : Verificatore(dati).verifica().problemi) {
            if (p.tipo == tipo && !prima.contains(p.riga()))
                trovati << QFileInfo(p.file).fileName() + ':' + QString::number(p.parola) +
                               (p.forse ? "?" : "");
        }
        trovati.sort();
        QCOMPARE(trovati, attesi);
    }
    // A teacher's file put in place of a bundled one on purpose but unusable (a link to a
    // device, a FIFO, a folder) is named, and the bundled file used in its place, with that said.
    void fileInutilizzabiliDellInsegnante() {
        CartellaProva gioco, insegnante;
        riempi(gioco);
        const QString suo = insegnante.percorso();
        QVERIFY(creaNonNormale(suo + "/testizampirolo2/ca2.txt", "zero") &&
                creaNonNormale(suo + "/images0/casa.jpg", "fifo") &&
                creaNonNormale(suo + "/suoni/no.wav", "cartella"));
        const RisolutoreDati dati(gioco.percorso(), suo);
        QSet<QString> prima;
        for (const ProblemaVerifica &p :
             Verificatore(RisolutoreDati(gioco.percorso(), QString())).verifica().problemi)
            prima.insert(QFileInfo(p.file).fileName() + p.messaggio);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ca2\\.txt.*non si può usare"));
        QCOMPARE(dati.percorso("testizampirolo2", "ca2.txt"),
                 QDir::toNativeSeparators(gioco.percorso() + "/testizampirolo2/ca2.txt"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("casa\\.jpg.*non si può usare"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no\\.wav.*non si può usare"));
        const Verificatore::Esito esito = Verificatore(dati).verifica();
        QStringList nominati;
        for (const ProblemaVerifica &p : esito.problemi) {
            // The bundled files stood in: nothing else is new.
            if (prima.contains(QFileInfo(p.file).fileName() + p.messaggio))
                continue;
            QVERIFY2(p.tipo == Tipo::FileInutilizzabile, qPrintable(p.riga()));
            nominati << QFileInfo(p.file).fileName();
            QVERIFY2(p.messaggio.contains("non si può usare"), qPrintable(p.messaggio));
        }
        nominati.sort();
        QCOMPARE(nominati, QStringList({"ca2.txt", "casa.jpg", "no.wav"}));
    }

    // The terminal's form: one "file:word: message" line per problem, a summary, and a status that
    // tells a script whether anything must be fixed.
    void rigaDiComando() {
        CartellaProva cartella;
        riempi(cartella);
        cartella.scriviLista("ca2.txt", {"ca,sa", "ca,ne", "ca,po", "bu,co", "ca,sa"});
        QVERIFY(RigaComando::senzaFinestra({"--verifica"}));
        QVERIFY(!RigaComando::senzaFinestra({"-platform", "xcb"}));
        Terminale t;
        QCOMPARE(t.esegui({"--verifica", cartella.percorso()}), 1);
        QVERIFY2(t.testo.contains(QStringLiteral("\ntestizampirolo2/ca2.txt:5: \"ca-sa\" c'è già")),
                 qPrintable(t.testo));
        QCOMPARE(t.esegui({"--verifica", cartella.percorso() + "/no"}), 2);
        QCOMPARE(t.esegui({"--sillaba", "finestra"}), 0);
        QCOMPARE(t.testo, QStringLiteral("fi-ne-stra\n"));
        // A "?" comes with one line that says what it means.
        QCOMPARE(t.esegui({"--sillaba", "finestra", "pausa"}), 0);
        QVERIFY2(t.testo.startsWith(QStringLiteral("fi-ne-stra\npa?u-sa\n(\"?\": ")),
                 qPrintable(t.testo));
        QCOMPARE(t.testo.count('\n'), 3);
        QVERIFY(t.esegui({"--help"}) == 0 &&
                t.testo.contains(QStringLiteral("Un \"?\" nella divisione")));
        // What cannot be a word is refused with its reason; the other words are still divided.
        t.errori.clear();
        QCOMPARE(t.esegui({"--sillaba", "casa bella", "ape2", "l'ape", "ca-sa"}), 1);
        QCOMPARE(t.testo, QStringLiteral("ca-sa\n"));
        for (const char *motivo : {"due parole", "cifre", "apostrofo"})
            QVERIFY2(t.errori.contains(QString::fromUtf8(motivo)), qPrintable(t.errori));
    }
    // What reaches the terminal from list files and file names: escape sequences would retitle or
    // clear it, a right-to-left override would reverse the line. Each shows as its code.
    void terminaleSenzaSequenze() {
        CartellaProva cartella;
        riempi(cartella);
        QTemporaryDir insegnante;
        const QString utente = insegnante.filePath(QString::fromUtf8("Maestra \x1b[2J\u202Eia"));
        scriviFile(utente + "/testizampirolo2/ca2.txt", "\"\x1b]0;titolo\x07"
                                                        "ca\",sa\r\n");
        scriviFile(utente + "/images0/" + QString::fromUtf8("\x1b[31mlupo\u202Egpj.jpg"), "x");
        Terminale t;
        QCOMPARE(t.esegui({"--verifica"}, cartella.percorso(), utente), 1);
        const QString testo = t.testo;
        QCOMPARE(t.esegui({"--verifica", utente + "/no"}), 2);
        const QString &errori = t.errori;
        for (const QString &scritto : {testo, t.testo, errori})
            QVERIFY2(carattereNascosto(scritto).isEmpty(), qPrintable(carattereNascosto(scritto)));
        // The teacher's folder, the list's syllable and the picture's name, each one readable.
        for (const char *leggibile : {"Con i file dell'insegnante in", "U+001B]0;titoloU+0007ca",
                                      "Maestra U+001B[2JU+202Eia/images0/U+001B[31mlupoU+202Egpj"})
            QVERIFY2(testo.contains(leggibile), qPrintable(testo));
        QVERIFY2(errori.contains("Maestra U+001B[2JU+202Eia/no"), qPrintable(errori));
    }

    // The game reads every file we ship, each word is divided, levelled and listed by the rules,
    // TUTTE is the union, every word has its own picture of the right shape, none left over.
    void contenutiDelGiocoSenzaErrori() {
        const Verificatore::Esito esito =
            Verificatore(RisolutoreDati(QStringLiteral(ZAMPIROLO_DATA), QString())).verifica();
        QStringList righe;
        for (const ProblemaVerifica &p : esito.problemi)
            righe << p.riga(QStringLiteral(ZAMPIROLO_DATA));
        QVERIFY2(esito.problemi.isEmpty(), qPrintable(righe.join(QLatin1Char('\n'))));
        QCOMPARE(esito.file, 68);
        QVERIFY(esito.parole > 300);
    }
};

QTEST_MAIN(TestVerificatore)
#include "tst_verificatore.moc"
