// The start screen, the list menu and the road through the screens, clicked on real widgets.
#include "core/modulo1.h"
#include "screens/formavvio.h"
#include "screens/formmenu.h"
#include "support/schermate.h"
#include "support/testdoubles.h"
#include "ui/registrofinestre.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

using namespace NomiMenu;

namespace {

// The screen with this name once it has been activated.
Finestra *aperta(const QString &nome) {
    Finestra *f = RegistroFinestre::aperta(nome);
    return f && QTest::qWaitFor([f] { return f->giaAttivata(); }) ? f : nullptr;
}

void clicca(Finestra *finestra, NomeControllo nome, int indice = -1) {
    QWidget *w = finestra->controllo(nome, indice);
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

} // namespace

class TestSchermate : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteDiProva> m_ambiente;

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() {
        m_ambiente = std::make_unique<AmbienteDiProva>();
        Modulo1::RiempiElencoListe();
        Modulo1::SuoniAttivi = true;
    }
    void cleanup() {
        chiudiTutte();
        m_ambiente.reset();
    }

    void stradaDelleSchermate() {
        FormAvvio::mostra();
        QTRY_COMPARE(aperta("FormAvvio")->geometry(), QGuiApplication::primaryScreen()->geometry());
        // Scaled with the window: the title keeps its share of the width.
        QCOMPARE(aperta("FormAvvio")->controllo(NomiAvvio::Label1, 0)->width(),
                 qRound(8295.0 * 1024 / 10605));
        clicca(aperta("FormAvvio"), NomiAvvio::Command1);
        eliminaChiuse();
        QCOMPARE(schermateAperte(), QStringList{"FormMenu"});
        QVERIFY(aperta("FormMenu")->controllo<QCheckBox>(Check1)->isChecked());
        clicca(aperta("FormMenu"), Check1);
        QVERIFY(!Modulo1::SuoniAttivi);

        for (NomeControllo pulsante : {Command3D1, Command1}) {
            clicca(aperta("FormMenu"), pulsante);
            eliminaChiuse();
            const QString esercizio = schermateAperte().join(',');
            QVERIFY(esercizio == "DISEGNI1" || esercizio == "DISEGNI2");
            m_ambiente->messaggi.rispondi(Pulsante::Si);
            aperta(esercizio)->voceMenu(NomiEsercizi::mnuEsci)->trigger();
            eliminaChiuse();
            QCOMPARE(schermateAperte(), QStringList{"FormMenu"});
        }
        QVERIFY(!aperta("FormMenu")->controllo<QCheckBox>(Check1)->isChecked());

        for (Pulsante risposta : {Pulsante::No, Pulsante::Si}) {
            m_ambiente->messaggi.rispondi(risposta);
            clicca(aperta("FormMenu"), Command3D5);
        }
        QCOMPARE(m_ambiente->messaggi.mostrati.last().testo, "Vuoi uscire dal programma?");
        QCOMPARE(m_ambiente->terminazioni, 1);
        QCOMPARE(m_ambiente->messaggi.senzaRisposta, 0);
    }

    // The chooser opens on the current list; a choice counts only when confirmed.
    void sceltaLista() {
        FormMenu::mostra();
        Finestra *menu = aperta("FormMenu");
        Modulo1::ListaScelta = 3;
        clicca(menu, Command3D6);
        QVERIFY(menu->controllo<QRadioButton>(Option1, 3)->isChecked());
        QCOMPARE(leggiCaption(menu->controllo(Option1, 15)), QStringLiteral("QU & CQU"));
        for (Pulsante risposta : {Pulsante::Annulla, Pulsante::Ok}) {
            QVERIFY(menu->controllo(Frame1)->isVisible());
            QCOMPARE(Modulo1::ListaScelta, qint16(3));
            m_ambiente->messaggi.rispondi(risposta);
            clicca(menu, Option1, 15);
        }
        QCOMPARE(m_ambiente->messaggi.mostrati.last().testo, "Hai scelto di lavorare con QU & CQU");
        QCOMPARE(Modulo1::ListaScelta, qint16(15));
        QVERIFY(!menu->controllo(Frame1)->isVisible());
        // Once the screen that loaded last is gone, its resizer finds no window.
        menu->close();
        eliminaChiuse();
        QVERIFY(!Modulo1::Ridimensiona->SourceForm());
        Modulo1::Ridimensiona->SizeFormToScreen(75);
    }

    // The captions written on the random colour of the start screen (title, date, credits) and
    // of the menu turn white where black would not read.
    void scritteSulColoreCasuale_data() {
        QTest::addColumn<float>("estratto");
        QTest::addColumn<QColor>("sfondo");
        QTest::addColumn<QColor>("scritta");
        QTest::newRow("rosa") << 0.0f << QColor(255, 192, 192) << QColor(Qt::black);
        QTest::newRow("rosso") << 0.12f << QColor(255, 0, 0) << QColor(Qt::black);
        QTest::newRow("rosso scuro") << 0.4f << QColor(192, 64, 0) << QColor(Qt::white);
        QTest::newRow("blu") << 0.9f << QColor(0, 0, 255) << QColor(Qt::white);
    }
    void scritteSulColoreCasuale() {
        QFETCH(float, estratto);
        QFETCH(QColor, sfondo);
        QFETCH(QColor, scritta);
        m_ambiente->casuale.copione = {estratto};
        FormAvvio::mostra();
        Finestra *avvio = aperta("FormAvvio");
        QCOMPARE(avvio->superficie()->palette().color(QPalette::Window), sfondo);
        QList<QWidget *> etichette{avvio->controllo(NomiAvvio::Label2)};
        for (int i : {0, 3, 4, 5, 6, 7, 8})
            etichette << avvio->controllo(NomiAvvio::Label1, i);
        for (QWidget *w : etichette)
            QCOMPARE(w->palette().color(w->foregroundRole()), scritta);
        chiudiTutte();

        m_ambiente->casuale.copione = {estratto};
        FormMenu::mostra();
        Finestra *menu = aperta("FormMenu");
        QCOMPARE(menu->superficie()->palette().color(QPalette::Window), sfondo);
        clicca(menu, Command3D6);
        for (QWidget *w :
             {menu->controllo(Check1), menu->controllo(Check2), menu->controllo(Frame1),
              menu->controllo(Option1, 0), menu->controllo(Option1, 16)}) {
            QVERIFY(w->isVisible());
            QCOMPARE(w->palette().color(w->foregroundRole()), scritta);
        }
        // The frame's title is drawn by the style, so look at its pixels: the colour of the
        // letters is there, the other one is not.
        auto *cornice = static_cast<QGroupBox *>(menu->controllo(Frame1));
        const QImage titolo =
            cornice->grab(QRect(0, 0, cornice->width(), cornice->fontMetrics().height())).toImage();
        const QColor opposta = scritta == QColor(Qt::black) ? QColor(Qt::white) : QColor(Qt::black);
        int inScritta = 0, inOpposta = 0;
        for (int y = 0; y < titolo.height(); ++y) {
            for (int x = 0; x < titolo.width(); ++x) {
                inScritta += titolo.pixelColor(x, y) == scritta;
                inOpposta += titolo.pixelColor(x, y) == opposta;
            }
        }
        QVERIFY2(inScritta > 20 && inOpposta == 0,
                 qPrintable(QStringLiteral("%1 %2").arg(inScritta).arg(inOpposta)));
    }

    // Steps: 'S' screen n shown first, 's' screen n activated again, 'm' a message box or
    // another window, 'r' a return from another application; + when the step counts.
    void regoleAttivazione() {
        RegoleAttivazione regole;
        int schermate[3] = {};
        const QStringList passi = QString("S1+ S2+ s1+ s1 m s2 S0+ s1+ r s2").split(' ');
        for (const QString &p : passi) {
            if (p == "r")
                regole.applicazioneRitornata();
            else
                QCOMPARE(p == "m" ? regole.finestraAttivata(&passi, false, false)
                                  : regole.finestraAttivata(&schermate[p.mid(1, 1).toInt()], true,
                                                            p.at(0) == 'S'),
                         p.endsWith('+'));
        }
    }
};

QTEST_MAIN(TestSchermate)
#include "tst_schermate.moc"
