// A teacher's own folder replaces bundled lists, pictures and sounds file by file, and the game
// builds every data path through it.
#include "core/applicationfolder.h"
#include "core/modulocolorisuoni.h"
#include "core/risolutoredati.h"
#include "core/servizi.h"
#include "support/cartellaprova.h"

#include <QDir>
#include <QtTest>

class TestRisolutoreDati : public QObject {
    Q_OBJECT

private slots:
    void fileDellInsegnantePrimaDiQuelliDelGioco_data() {
        QTest::addColumn<QString>("cartella");
        QTest::addColumn<QString>("nelGioco");
        QTest::addColumn<QString>("dellInsegnante");
        QTest::addColumn<QString>("cercato");
        QTest::addColumn<bool>("dallUtente");
        // Folder, the game's file, the teacher's, the one sought; "+" when the teacher's wins.
        for (const char *caso :
             {"testizampirolo2 ba2.txt ba2.txt ba2.txt +", "images0 casa.jpg CASA.JPG casa.jpg +",
              "suoni no.wav no.wav no.wav +", "images0 casa.jpg cane.jpg casa.jpg -"}) {
            const QStringList c = QString(caso).split(' ');
            QTest::newRow(caso) << c[0] << c[1] << c[2] << c[3] << (c[4] == "+");
        }
    }
    void fileDellInsegnantePrimaDiQuelliDelGioco() {
        QFETCH(QString, cartella);
        QFETCH(QString, nelGioco);
        QFETCH(QString, dellInsegnante);
        QFETCH(QString, cercato);
        QFETCH(bool, dallUtente);
        CartellaProva gioco, insegnante;
        const auto percorso = [&](const CartellaProva &radice, const QString &nome) {
            return radice.percorso() + QLatin1Char('/') + cartella + QLatin1Char('/') + nome;
        };
        scriviFile(percorso(gioco, nelGioco), {});
        scriviFile(percorso(insegnante, dellInsegnante), {});
        const QString atteso = QDir::toNativeSeparators(
            dallUtente ? percorso(insegnante, dellInsegnante) : percorso(gioco, nelGioco));

        const RisolutoreDati dati(gioco.percorso(), insegnante.percorso());
        QCOMPARE(dati.percorso(cartella, cercato), atteso);
        QCOMPARE(dati.dallUtente(cartella, cercato), dallUtente);
        // Without a teacher's folder only the game's files count.
        QVERIFY(RisolutoreDati(gioco.percorso(), QString())
                    .percorso(cartella, cercato)
                    .startsWith(QDir::toNativeSeparators(gioco.percorso())));

        // The game's own lookups go the same way.
        servizi().cartellaApplicazione = gioco.percorso();
        servizi().cartellaUtente = insegnante.percorso();
        if (cartella == CartelleDati::Suoni)
            QCOMPARE(ModuloColoriSuoni::PercorsoSuono(cercato), atteso);
        servizi() = Servizi();
    }
    void nomiDiEntrambeLeCartelleUnaVolta() {
        CartellaProva gioco, insegnante;
        gioco.scriviLista(QStringLiteral("TUTTE2.txt"), {"ca,sa", "lu,na"});
        insegnante.scriviLista(QStringLiteral("TUTTE2.txt"), {"lu,na", "gu,fo"});
        QStringList nomi = RisolutoreDati(gioco.percorso(), insegnante.percorso())
                               .nomiFile(CartelleDati::Immagini);
        nomi.sort();
        QCOMPARE(nomi, QStringList({"casa.jpg", "gufo.jpg", "luna.jpg"}));
    }
};

QTEST_MAIN(TestRisolutoreDati)
#include "tst_risolutoredati.moc"
