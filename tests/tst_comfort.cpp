// What makes the game easier for a child, on the real widgets: the window title, opening on
// the difficult file, play by keyboard alone, big letters and spoken words.
#include "core/modulo1.h"
#include "core/riproduttoresuoni.h"
#include "core/servizi.h"
#include "core/voceespeak.h"
#include "exercise/schermataesercizio.h"
#include "exercise/trascinamentotessere.h"
#include "screens/formmenu.h"
#include "support/cartellaprova.h"
#include "support/schermate.h"
#include "support/testdoubles.h"

#include <QMenuBar>
#include <QtTest>

using namespace NomiEsercizi;
using namespace NomiMenu;

namespace {

const QStringList Facili2 = {"pa,la", "ca,sa", "lu,na", "ne,ve"};
const QStringList Difficili2 = {"caf,fè", "gat,to", "pal,la", "bar,ca"};
const QStringList Facili3 = {"pa,ta,ta", "ga,li,na", "ca,ro,ta"};
const QStringList Difficili3 = {"pe,co,ra", "to,ma,te", "ban,die,ra"};

QString parolaDi(SchermataEsercizio *s, int membro) {
    return s->esercizio().parole().parola(s->esercizio().IndiceParola(membro + 1));
}

// Records what would be said, as "word@delay", instead of saying it.
struct VoceRegistrata : VoceParole {
    void pronuncia(const QString &parola, int dopo) override {
        dette << parola + '@' + QString::number(dopo);
    }
    QStringList dette;
};

} // namespace

class TestComfort : public QObject {
    Q_OBJECT

    VoceRegistrata m_voce;
    std::unique_ptr<ProvaSchermate> m_prova;

private slots:
    void init() {
        m_prova = std::make_unique<ProvaSchermate>();
        m_prova->cartella.scriviLista("TUTTE2.txt", Facili2);
        m_prova->cartella.scriviLista("TUTTE4.txt", Difficili2);
        m_prova->cartella.scriviLista("TUTTE3.txt", Facili3);
        m_prova->cartella.scriviLista("TUTTE5.txt", Difficili3);
        Modulo1::RiempiElencoListe();
        Modulo1::SuoniAttivi = true;
        m_voce = VoceRegistrata();
        servizi().voce = &m_voce;
    }
    void cleanup() { m_prova.reset(); }

    void facileInutilizzabileApreSulDifficile_data() {
        QTest::addColumn<int>("quale");
        QTest::addColumn<QByteArray>("facile"); // "-" for no file at all
        QTest::newRow("missing easy file") << 1 << QByteArray("-");
        QTest::newRow("easy file too short") << 2 << QByteArray("\"a\",\"b\"\r\n");
        QTest::newRow("easy file malformed") << 1 << QByteArray("\"pa\",\"la\"\r\n\"ca\"");
    }
    // Silently: no message, "difficile" marked, the difficult words on the tiles. (With neither
    // file usable the refusal stays, as tst_esercizi checks.)
    void facileInutilizzabileApreSulDifficile() {
        QFETCH(int, quale);
        QFETCH(QByteArray, facile);
        const QString fileFacile = QStringLiteral("TUTTE%1.txt").arg(quale + 1);
        if (facile == "-")
            QFile::remove(m_prova->cartella.percorso() + "/testizampirolo2/" + fileFacile);
        else
            m_prova->cartella.scriviTesto(fileFacile, facile);

        SchermataEsercizio *s = apriEsercizio(quale);
        QVERIFY(s && m_prova->ambiente.messaggi.mostrati.isEmpty());
        QVERIFY(s->voceMenu(mnudifficile)->isChecked() && !s->voceMenu(mnufacile)->isChecked());
        QVERIFY(s->windowTitle().endsWith("difficile"));
        const QStringList difficili = (quale == 1 ? Difficili2 : Difficili3).join(',').split(',');
        for (int t = 0; t < s->configurazione().tessere.size(); ++t)
            QVERIFY(difficili.contains(s->esercizio().sillabaTessera(t)));
    }

    // Tab to a tile, Space, Tab to a slot, Enter: judged as a drag, with Escape letting go and
    // "avanti" reached and pressed at the end. Each word completed is said once, after the
    // "sì", but not with the sounds off.
    void esercizioCompletoDallaTastiera() {
        QDir(m_prova->cartella.percorso()).mkpath("suoni"); // a "sì" the word must wait for
        QFile::copy(ZAMPIROLO_DATA "/suoni/si1.wav",
                    m_prova->cartella.percorso() + "/suoni/si1.wav");
        SchermataEsercizio *s = apriEsercizio(1);
        QVERIFY(s);
        auto *trascinamento = s->findChild<TrascinamentoTessere *>();
        const auto cornice = [s] {
            auto *c = s->findChild<QWidget *>(QStringLiteral("corniceFuoco"));
            return c && c->isVisible() ? c : nullptr;
        };
        QVERIFY(!cornice()); // the mouse player sees none
        QWidget *scelta = tesseraPer(s, {1, 0});
        const QString prima = s->esercizio().sillabaAttesa({1, 0}).toUpper();
        QVERIFY(tabulaSu(s, scelta));
        QCOMPARE(scelta->accessibleDescription(), "sillaba " + prima);
        // Around the tile, leaving it in sight.
        QVERIFY(cornice() && cornice()->parentWidget() == scelta->parentWidget());
        QVERIFY(cornice()->geometry().contains(scelta->geometry().adjusted(-3, -3, 3, 3)));
        premi(s, Qt::Key_Space);
        QCOMPARE(trascinamento->selezionata(), scelta);
        QVERIFY(s->focusWidget() != scelta);
        premi(s, Qt::Key_Escape);
        QVERIFY(!trascinamento->selezionata());
        QCOMPARE(s->focusWidget(), scelta);

        // A wrong slot counts as a wrong drop, as with the mouse.
        premi(s, Qt::Key_Space);
        QWidget *sbagliata = casella(s, {2, 3});
        QVERIFY(tabulaSu(s, sbagliata));
        premi(s, Qt::Key_Return);
        QCOMPARE(Modulo1::ContaErrati, qint16(1));
        QVERIFY(scelta->isEnabled());

        // The mouse still reaches a slot that wears the frame.
        QVERIFY(tabulaSu(s, sbagliata));
        tocca(scelta);
        tocca(sbagliata);
        QCOMPARE(Modulo1::ContaErrati, qint16(2));

        for (int membro = 0; membro < 4; ++membro) {
            Modulo1::SuoniAttivi = membro < 3;
            for (int colonna : {2, 1}) {
                const Casella c{colonna, membro};
                QCOMPARE(casella(s, c)->accessibleDescription(),
                         QStringLiteral("casella vuota sotto la figura %1").arg(membro + 1));
                QVERIFY(tabulaSu(s, tesseraPer(s, c)));
                premi(s, Qt::Key_Space);
                QVERIFY(tabulaSu(s, casella(s, c)));
                premi(s, Qt::Key_Enter);
                QCOMPARE(m_voce.dette.size(), qMin(membro + (colonna == 1), 3));
            }
        }
        QVERIFY(durataSuonoGiusto() > 0);
        QCOMPARE(m_voce.dette.last(), parolaDi(s, 2) + '@' + QString::number(durataSuonoGiusto()));
        QCOMPARE(Modulo1::ContaEsatti, qint16(8));
        QCOMPARE(Modulo1::ContaErrati, qint16(2));
        QCOMPARE(casella(s, {2, 1})->accessibleDescription(),
                 QStringLiteral("casella con %1 sotto la figura 2")
                     .arg(s->esercizio().sillabaAttesa({2, 1}).toUpper()));
        QCOMPARE(s->focusWidget(), s->controllo(BottoneAvanti));
        premi(s, Qt::Key_Space);
        QVERIFY(!s->controllo(BottoneAvanti)->isEnabled());
    }

    // The arrows move among the lists without choosing; Enter chooses and confirms.
    void menuESceltaDallaTastiera() {
        m_prova->cartella.scriviLista("ba2.txt", Facili2); // the list chosen below
        FormMenu *menu = FormMenu::mostra();
        QTRY_VERIFY(menu->giaAttivata());
        QVERIFY(tabulaSu(menu, menu->controllo(Command3D6)));
        premi(menu, Qt::Key_Return);
        QVERIFY(menu->controllo(Frame1)->isVisible());
        QCOMPARE(menu->focusWidget(), menu->controllo(Option1, 0));
        premi(menu, Qt::Key_Down);
        premi(menu, Qt::Key_Right);
        QCOMPARE(menu->focusWidget(), menu->controllo(Option1, 10));
        premi(menu, Qt::Key_Left);
        QVERIFY(m_prova->ambiente.messaggi.mostrati.isEmpty());
        premi(menu, Qt::Key_Return);
        QCOMPARE(m_prova->ambiente.messaggi.mostrati.size(), 1);
        QCOMPARE(Modulo1::ListaScelta, qint16(1));
        QVERIFY(!menu->controllo(Frame1)->isVisible());

        QVERIFY(tabulaSu(menu, menu->controllo(Check2)));
        premi(menu, Qt::Key_Space);
        QVERIFY(Modulo1::CaratteriGrandi && menu->controllo(Command3D1)->font().pointSizeF() > 18);
        premi(menu, Qt::Key_Space);
        QCOMPARE(menu->controllo(Command3D1)->font().pointSizeF(), 18.0);
        QVERIFY(tabulaSu(menu, menu->controllo(Command3D1)));
        premi(menu, Qt::Key_Enter);
        eliminaChiuse();
        QCOMPARE(schermateAperte(), QStringList{"DISEGNI1"});
    }

    // Big letters grow with the window, the syllables as large as their boxes allow; without
    // them the design's fixed sizes hold at every size.
    void caratteriSecondoLaScelta_data() {
        QTest::addColumn<bool>("grandi");
        QTest::newRow("design sizes") << false;
        QTest::newRow("big letters") << true;
    }
    void caratteriSecondoLaScelta() {
        QFETCH(bool, grandi);
        Modulo1::CaratteriGrandi = grandi;
        SchermataEsercizio *s = apriEsercizio(1);
        QVERIFY(s);
        s->showNormal();
        QList<int> misure; // pixel sizes of the counter, the menu bar and a tile, at each size
        for (const QSize &dimensione : {QSize(640, 420), QSize(960, 630)}) {
            s->resize(dimensione);
            QTRY_COMPARE(s->size(), dimensione);
            for (QWidget *w :
                 {s->controllo(EtichettaEsatti), (QWidget *)s->barraMenu(), tessere(s).at(0)})
                misure << QFontInfo(w->font()).pixelSize();
            for (int t = 0; grandi && t < 8; ++t) {
                QWidget *w = tessere(s).at(t);
                const QFontMetrics metrica(w->font());
                QVERIFY(metrica.horizontalAdvance(leggiCaption(w)) <= w->contentsRect().width());
                QVERIFY(metrica.height() <= w->height() &&
                        metrica.height() * 10 >= w->height() * 6);
                QCOMPARE(w->font(), casella(s, {1, 0})->font());
            }
        }
        if (!grandi) { // 18 and 13.5 points
            QCOMPARE(misure, (QList<int>{24, misure[1], 18, 24, misure[1], 18}));
            return;
        }
        // In proportion with the window, and larger than the design's 24 pixels (18 points).
        const double rapporto = misure[3] / double(misure[0]);
        QVERIFY2(rapporto > 1.4 && rapporto < 1.6, qPrintable(QString::number(rapporto)));
        QVERIFY(misure[4] > misure[1] && misure[3] > 24);
    }

    // A tapped picture says its word at once, and nothing with the sounds off.
    void figuraToccataDiceLaParola() {
        SchermataEsercizio *s = apriEsercizio(2);
        QVERIFY(s);
        for (bool suoni : {true, false}) {
            Modulo1::SuoniAttivi = suoni;
            QTest::mouseClick(s->controllo(Image1, 2), Qt::LeftButton);
        }
        QCOMPARE(m_voce.dette, QStringList{parolaDi(s, 2) + "@0"});
    }

    // A word, not its letters spelt one by one; silent, with one warning, without audio.
    void espeakDiceLaParolaEMutaSenzaAudio() {
        int frequenza = 0;
        QString errore;
        const QByteArray parola = sintetizzaParola(QStringLiteral("CAFFÈ"), frequenza, errore);
        QVERIFY2(errore.isEmpty(), qPrintable(errore));
        QVERIFY(frequenza > 0 && !parola.isEmpty() && parola.size() < frequenza * 2);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no audio output"));
        VoceEspeak muta(false);
        QVERIFY(muta.muta());
        muta.pronuncia("casa");
        // The whole road through the synthesis thread, up to an output that cannot play here.
        if (RiproduttoreSoundEffect::rilevaAudio())
            return;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot play"));
        VoceEspeak voce(true);
        voce.pronuncia("luna", 50);
        QTRY_VERIFY(voce.muta());
    }
};

QTEST_MAIN(TestComfort)
#include "tst_comfort.moc"
