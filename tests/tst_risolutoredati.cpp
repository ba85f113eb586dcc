// A teacher's own folder replaces bundled lists, pictures and sounds file by file, the game builds
// every data path through it, and a picture named in other capitals follows the folder's changes.
#include "core/applicationfolder.h"
#include "core/modulocolorisuoni.h"
#include "core/risolutoredati.h"
#include "core/servizi.h"
#include "support/cartellaprova.h"

#include <QDateTime>
#include <QDir>
#include <QtTest>
#include <sys/time.h>

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
    void figuraConAltreMaiuscoleSeguitaIlCambioDellaCartella_data() {
        QTest::addColumn<QString>("prima");
        QTest::addColumn<QString>("dopo");
        QTest::addColumn<QString>("atteso");
        // The picture before, after (none when empty), and the one then found for "casa".
        for (const char *caso : {"rinominata:CASA.JPG:Casa.jpg:Casa.jpg",
                                 "aggiunta::CASA.JPG:CASA.JPG", "tolta:CASA.JPG::casa.jpg"}) {
            const QStringList c = QString(caso).split(':');
            QTest::newRow(caso) << c[1] << c[2] << c[3];
        }
    }
    // Pictures copied from old machines carry names in capitals. The folder is indexed once, and a
    // change to it must still be seen at the next look-up.
    void figuraConAltreMaiuscoleSeguitaIlCambioDellaCartella() {
        QFETCH(QString, prima);
        QFETCH(QString, dopo);
        QFETCH(QString, atteso);
        QTemporaryDir radice;
        const QDir figure(radice.filePath(CartelleDati::Immagini));
        QVERIFY(QDir().mkpath(figure.path()));
        scriviFile(figure.filePath(QStringLiteral("PANE.JPG")), "x");
        if (!prima.isEmpty())
            scriviFile(figure.filePath(prima), "x");
        // The folder's last change an hour back, as for a pictures folder installed long ago.
        const qint64 unOraFa = QDateTime::currentSecsSinceEpoch() - 3600;
        const timeval tempi[2] = {{unOraFa, 0}, {unOraFa, 0}};
        QVERIFY(::utimes(QFile::encodeName(figure.path()).constData(), tempi) == 0);
        const auto cerca = [&](const char *nome) {
            return QDir::fromNativeSeparators(
                percorsoDati(radice.path(), {CartelleDati::Immagini, QLatin1String(nome)}));
        };
        QCOMPARE(cerca("pane.jpg"), figure.filePath(QStringLiteral("PANE.JPG")));
        QCOMPARE(cerca("casa.jpg"), figure.filePath(prima.isEmpty() ? "casa.jpg" : prima));

        if (!prima.isEmpty())
            QVERIFY(QFile::remove(figure.filePath(prima)));
        if (!dopo.isEmpty())
            scriviFile(figure.filePath(dopo), "x");
        QCOMPARE(cerca("casa.jpg"), figure.filePath(atteso));
        QCOMPARE(cerca("pane.jpg"), figure.filePath(QStringLiteral("PANE.JPG")));
    }
};

QTEST_MAIN(TestRisolutoreDati)
#include "tst_risolutoredati.moc"
