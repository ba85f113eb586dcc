// The checker on a small application folder that a teacher might have written: each kind of
// mistake planted in it must be named, on the right file and word.
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
const QStringList Parole{
    QStringLiteral("ca,sa"),    QStringLiteral("ca,ne"),    QStringLiteral("ca,po"),
    QStringLiteral("bu,co"),    QStringLiteral("gat,to"),   QStringLiteral("pa,ta,ta"),
    QStringLiteral("ca,mi,no"), QStringLiteral("ca,va,lo"), QStringLiteral("cu,pi,do")};

void scriviFigura(const QString &cartella, const QString &nome, QSize misura, QColor colore) {
    QImage figura(misura, QImage::Format_RGB32);
    figura.fill(colore);
    QVERIFY(figura.save(cartella + QStringLiteral("/images0/") + nome, "JPG"));
}

void riempi(CartellaProva &cartella) {
    const QStringList codici = QStringLiteral("TUTTE ba ca da fa ga la ma na pa ra sa ta va za "
                                              "cq&qu vocali")
                                   .split(QLatin1Char(' '));
    for (const QString &codice : codici) {
        for (const char *cifra : {"2", "3", "4", "5"}) {
            QStringList nelFile;
            for (const QString &parola : Parole) {
                const QStringList sillabe = parola.split(QLatin1Char(','));
                if (RegoleLista::cifraFile(RegoleLista::classificaParola(sillabe)) ==
                        QLatin1String(cifra) &&
                    RegoleLista::appartieneALista(codice, sillabe))
                    nelFile << parola;
            }
            cartella.scriviLista(codice + QLatin1String(cifra) + QStringLiteral(".txt"), nelFile);
        }
    }
    for (const QString &parola : Parole) {
        const int sillabe = int(parola.count(QLatin1Char(','))) + 1;
        scriviFigura(cartella.percorso(), QString(parola).remove(QLatin1Char(',')) + ".jpg",
                     sillabe == 2 ? QSize(480, 400) : QSize(480, 480),
                     CartellaProva::coloreDi(parola));
    }
}

QSet<QString> righe(const Verificatore::Esito &esito) {
    QSet<QString> insieme;
    for (const ProblemaVerifica &p : esito.problemi)
        insieme.insert(p.riga());
    return insieme;
}

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

        QTest::newRow("il lettore rifiuta")
            << "ca2.txt" << QByteArray("ca,sa|ca") << Tipo::Lettura << QStringList{"ca2.txt:2"};
        QTest::newRow("divisione sbagliata") << "TUTTE5.txt" << QByteArray("fi,nes,tra")
                                             << Tipo::Divisione << QStringList{"TUTTE5.txt:1"};
        QTest::newRow("divisione forse") << "TUTTE3.txt" << QByteArray("pa,ta,ta|pi,a,no")
                                         << Tipo::Divisione << QStringList{"TUTTE3.txt:2?"};
        QTest::newRow("maiuscole")
            << "ca2.txt" << QByteArray("Ca,sa") << Tipo::Maiuscole << QStringList{"ca2.txt:1"};
        QTest::newRow("livello") << "ta2.txt" << QByteArray("gat,to") << Tipo::Livello
                                 << QStringList{"ta2.txt:1"};
        QTest::newRow("non della lista") << "ba3.txt" << QByteArray("pa,ta,ta")
                                         << Tipo::Appartenenza << QStringList{"ba3.txt:1"};
        QTest::newRow("manca alla lista")
            << "sa2.txt" << QByteArray() << Tipo::Appartenenza << QStringList{"sa2.txt:0"};
        QTest::newRow("figura mancante") << "images0/casa.jpg" << QByteArray("-")
                                         << Tipo::FiguraMancante << QStringList{"TUTTE2.txt:1"};
        QTest::newRow("figura con le maiuscole") << "images0/CASA.JPG" << QByteArray("+casa.jpg")
                                                 << Tipo::FiguraMancante << QStringList{};
        QTest::newRow("figura illeggibile")
            << "images0/casa.jpg" << QByteArray("non è una figura") << Tipo::FiguraIlleggibile
            << QStringList{"TUTTE2.txt:1"};
        QTest::newRow("figura deformata") << "images0/patata.jpg" << QByteArray("+casa.jpg")
                                          << Tipo::FiguraDeformata << QStringList{"TUTTE3.txt:1"};
        QTest::newRow("figura condivisa") << "images0/cane.jpg" << QByteArray("+casa.jpg")
                                          << Tipo::FiguraCondivisa << QStringList{"TUTTE2.txt:2"};
        QTest::newRow("figura inutile") << "images0/lupo.jpg" << QByteArray("+casa.jpg")
                                        << Tipo::FiguraInutile << QStringList{"lupo.jpg:0"};
        QTest::newRow("doppione") << "sa2.txt" << QByteArray("ca,sa|ca,sa") << Tipo::Doppione
                                  << QStringList{"sa2.txt:2"};
        QTest::newRow("divisa in due modi")
            << "ca3.txt" << QByteArray("ca,mi,no|ca,va,lo|cu,pi,do|ca,s,a") << Tipo::Doppione
            << QStringList{"ca3.txt:4"};
        QTest::newRow("poche parole") << "ca2.txt" << QByteArray("ca,sa") << Tipo::PocheParole
                                      << QStringList{"ca2.txt:0", "ca4.txt:0"};
        QTest::newRow("suono illeggibile") << "suoni/no.wav" << QByteArray("non è un suono")
                                           << Tipo::Suono << QStringList{"no.wav:0"};
        QTest::newRow("TUTTE senza una parola")
            << "TUTTE2.txt" << QByteArray("bu,co|ca,sa|ca,po") << Tipo::TutteNonUnione
            << QStringList{"TUTTE2.txt:0"};
    }
    void nominaOgniProblema() {
        QFETCH(QString, file);
        QFETCH(QByteArray, contenuto);
        QFETCH(Tipo, tipo);
        QFETCH(QStringList, attesi);

        CartellaProva cartella;
        riempi(cartella);
        const RisolutoreDati dati(cartella.percorso(), QString());
        const QSet<QString> prima = righe(Verificatore(dati).verifica());

        const QString percorso =
            cartella.percorso() + (file.contains('/') ? "/" : "/testizampirolo2/") + file;
        const QString immagini = cartella.percorso() + QStringLiteral("/images0/");
        if (contenuto == "-") {
            QVERIFY(QFile::remove(percorso));
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
                trovati << QStringLiteral("%1:%2%3")
                               .arg(QFileInfo(p.file).fileName())
                               .arg(p.parola)
                               .arg(p.forse ? QStringLiteral("?") : QString());
        }
        trovati.sort();
        QCOMPARE(trovati, attesi);
    }
    // The terminal's form: one "file:word: message" line per problem, a summary, and a status that
    // tells a script whether anything must be fixed.
    void rigaDiComando() {
        CartellaProva cartella;
        riempi(cartella);
        cartella.scriviLista(QStringLiteral("ca2.txt"),
                             {QStringLiteral("ca,sa"), QStringLiteral("ca,ne"),
                              QStringLiteral("ca,po"), QStringLiteral("bu,co"),
                              QStringLiteral("ca,sa")});
        QVERIFY(RigaComando::senzaFinestra({QStringLiteral("--verifica")}));
        QVERIFY(!RigaComando::senzaFinestra({QStringLiteral("-platform"), QStringLiteral("xcb")}));
        QString testo, errori;
        QTextStream uscita(&testo), erroriFlusso(&errori);
        QCOMPARE(RigaComando::esegui({QStringLiteral("--verifica"), cartella.percorso()}, QString(),
                                     QString(), uscita, erroriFlusso),
                 1);
        uscita.flush();
        QVERIFY2(testo.contains(QStringLiteral("\ntestizampirolo2/ca2.txt:5: \"ca-sa\" c'è già")),
                 qPrintable(testo));

        QCOMPARE(RigaComando::esegui({QStringLiteral("--verifica"), cartella.percorso() + "/no"},
                                     QString(), QString(), uscita, erroriFlusso),
                 2);

        testo.clear();
        QCOMPARE(RigaComando::esegui({QStringLiteral("--sillaba"), QStringLiteral("finestra"),
                                      QStringLiteral("pausa")},
                                     QString(), QString(), uscita, erroriFlusso),
                 0);
        uscita.flush();
        QCOMPARE(testo, QStringLiteral("fi-ne-stra\npa?u-sa\n"));
    }
};

QTEST_MAIN(TestVerificatore)
#include "tst_verificatore.moc"
