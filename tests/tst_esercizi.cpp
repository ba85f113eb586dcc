// The exercise screens played on real widgets: mouse drags, taps, a finger, menus, bad lists.
#include "core/modulo1.h"
#include "exercise/schermataesercizio.h"
#include "support/cartellaprova.h"
#include "support/schermate.h"
#include "support/testdoubles.h"
#include "ui/immagine.h"

#include <QtTest>

using namespace NomiEsercizi;

namespace {

QStringList captions(SchermataEsercizio *s) {
    QStringList testi;
    for (QWidget *t : tessere(s))
        testi << leggiCaption(t);
    return testi;
}

} // namespace

class TestEsercizi : public QObject {
    Q_OBJECT

    std::unique_ptr<ProvaSchermate> m_prova;

private slots:
    void init() {
        m_prova = std::make_unique<ProvaSchermate>();
        m_prova->cartella.scriviLista("TUTTE2.txt", {"pa,la", "PA,ne", "ca,sa", "lu,na"});
        m_prova->cartella.scriviLista("TUTTE4.txt", {"caf,fè", "gi,lè", "mo,to", "ra,ne", "ba,ci"});
        m_prova->cartella.scriviLista("TUTTE3.txt", {"pa,ta,ta", "ga,li,na", "ca,ro,ta"});
        Modulo1::RiempiElencoListe();
        Modulo1::SuoniAttivi = true;
    }
    void cleanup() { m_prova.reset(); }

    void giocoCompletoColMouse_data() {
        QTest::addColumn<int>("quale");
        for (int quale : {1, 2})
            QTest::addRow("DISEGNI%d", quale) << quale;
    }
    void giocoCompletoColMouse() {
        QFETCH(int, quale);
        SchermataEsercizio *s = apriEsercizio(quale);
        QVERIFY(s);
        const RegoleEsercizio &regole = s->configurazione().regole;
        for (int k = 0; k < regole.paroleNellEsercizio; ++k) {
            const QString parola =
                s->esercizio().parole().parola(s->esercizio().IndiceParola(k + 1));
            QVERIFY(haColore(s->controllo<Immagine>(Image1, k)->picture(),
                             CartellaProva::coloreDi(parola)));
        }

        // A wrong tile goes back where it was and the slot stays empty.
        QWidget *sbagliata = tesseraPer(s, {1, 0}, false);
        const QRect dove = sbagliata->geometry();
        trascina(sbagliata, casella(s, {1, 0}));
        QCOMPARE(sbagliata->geometry(), dove);
        QCOMPARE(leggiCaption(s->controllo(EtichettaErrati)), QStringLiteral("1"));
        QVERIFY(m_prova->ambiente.suoni.suonati.last().endsWith("no.wav"));
        QVERIFY(!s->controllo(ComandoIconaSi)->isVisible());
        QCOMPARE(leggiCaption(casella(s, {1, 0})), QString());
        trascina(tesseraPer(s, {1, 0}), s->controllo(Image1, 0)); // not a slot: no verdict
        QCOMPARE(Modulo1::ContaErrati, qint16(1));

        // Every slot filled with its tile; "avanti" lights up with the last one only.
        int giuste = 0;
        for (int membro = 0; membro < regole.paroleNellEsercizio; ++membro) {
            for (int colonna = 1; colonna <= regole.sillabePerParola; ++colonna) {
                QVERIFY(!s->controllo(BottoneAvanti)->isEnabled());
                QWidget *t = tesseraPer(s, {colonna, membro});
                const QString sillaba = leggiCaption(t);
                trascina(t, casella(s, {colonna, membro}));
                QCOMPARE(leggiCaption(casella(s, {colonna, membro})), sillaba);
                QVERIFY(!t->isEnabled() && leggiCaption(t).isEmpty());
                QCOMPARE(leggiCaption(s->controllo(EtichettaEsatti)), QString::number(++giuste));
                QVERIFY(m_prova->ambiente.suoni.suonati.last().contains("/si"));
                QVERIFY(s->controllo(ComandoIconaSi)->isVisible());
            }
        }
        QVERIFY(s->controllo(BottoneAvanti)->isEnabled());
        trascina(tessere(s).first(), casella(s, {2, 0})); // a used tile stays put
        QCOMPARE(Modulo1::ContaEsatti + Modulo1::ContaErrati, giuste + 1);

        s->voceMenu(mnuAzzera)->trigger();
        QCOMPARE(leggiCaption(s->controllo(EtichettaErrati)), QStringLiteral("0"));
        tocca(s->controllo(BottoneAvanti));
        QVERIFY(!s->controllo(BottoneAvanti)->isEnabled());
        QVERIFY(!captions(s).contains(QString()));
        QCOMPARE(leggiCaption(casella(s, {1, 0})), QString());
    }

    // Tap a tile, then a slot, to drop it; a tap elsewhere lets it go. (Every way of dropping,
    // a finger's too, is recorded in tst_classegioco.)
    void toccoAltroveLasciaLaTessera() {
        SchermataEsercizio *s = apriEsercizio(1);
        QWidget *t = tesseraPer(s, {2, 1});
        for (QWidget *w : {t, s->controllo(Image1, 1), casella(s, {2, 1})})
            tocca(w);
        QCOMPARE(Modulo1::ContaEsatti + Modulo1::ContaErrati, 0);
        tocca(t);
        tocca(casella(s, {2, 1}));
        QCOMPARE(Modulo1::ContaEsatti, qint16(1));
    }

    // Case and list changes start a new exercise; a list that cannot be used changes nothing,
    // the title included.
    void menu() {
        SchermataEsercizio *s = apriEsercizio(1);
        QCOMPARE(s->windowTitle(), QStringLiteral("Zampirolo 2 \u2013 TUTTE \u2013 facile"));
        trascina(tesseraPer(s, {1, 0}), casella(s, {1, 0}));
        s->voceMenu(mnuMinuscolo)->trigger();
        QCOMPARE(leggiCaption(casella(s, {1, 0})), QString());
        QCOMPARE(captions(s), captions(s).join(',').toLower().split(','));
        QVERIFY(!s->voceMenu(mnuMaiuscolo)->isChecked());

        s->voceMenu(mnudifficile)->trigger();
        QCOMPARE(s->windowTitle(), QStringLiteral("Zampirolo 2 \u2013 TUTTE \u2013 difficile"));
        const QStringList difficili = captions(s);
        QVERIFY(difficili.contains(QStringLiteral("fè")) || difficili.contains("mo"));
        m_prova->cartella.scriviTesto("TUTTE2.txt", "\"a\",\"b/c\"\r\n");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TUTTE2"));
        s->voceMenu(mnufacile)->trigger();
        QVERIFY(m_prova->ambiente.messaggi.mostrati.last().testo.contains("L'esercizio continua"));
        QVERIFY(s->voceMenu(mnudifficile)->isChecked() && !s->voceMenu(mnufacile)->isChecked());
        QCOMPARE(captions(s), difficili);
        QVERIFY(s->windowTitle().endsWith("difficile"));
        QCOMPARE(m_prova->ambiente.messaggi.mostrati.size(), 1);
    }

    // With neither file usable the child stays where they were, told which list and
    // difficulty cannot be used and why.
    void listaInutilizzabile() {
        // Four rows but three different words: the words are counted, and the message says why.
        m_prova->cartella.scriviTesto("TUTTE2.txt", "a,b\r\nA,B\r\nc,d\r\ne,f");
        QFile::remove(m_prova->cartella.percorso() +
                      "/testizampirolo2/TUTTE4.txt"); // else it opens
        QVERIFY(!apriEsercizio(1));
        QString testo = m_prova->ambiente.messaggi.mostrati.last().testo;
        QVERIFY2(testo.contains("\"TUTTE\" (facile)") &&
                     testo.contains("ne ha solo 3. Alcune parole sono ripetute"),
                 qPrintable(testo));
        QFile::remove(m_prova->cartella.percorso() + "/testizampirolo2/TUTTE3.txt");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TUTTE3"));
        QVERIFY(!apriEsercizio(2));
        testo = m_prova->ambiente.messaggi.mostrati.last().testo;
        QVERIFY2(testo.contains("non si può leggere"), qPrintable(testo));
        QVERIFY(schermateAperte().isEmpty());
    }
};

QTEST_MAIN(TestEsercizi)
#include "tst_esercizi.moc"
