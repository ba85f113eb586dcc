// The start screen, the list menu and the road through the screens, driven on the real widgets
// with simulated clicks on a fixed 1024 x 768 offscreen screen.
#include "core/finestremessaggio.h"
#include "core/modulo1.h"
#include "core/modulocolorisuoni.h"
#include "exercise/schermataesercizio.h"
#include "screens/formavvio.h"
#include "screens/formmenu.h"
#include "support/schermate.h"
#include "support/testdoubles.h"
#include "ui/clsresize.h"
#include "ui/finestra.h"
#include "ui/layouts.h"
#include "ui/registrofinestre.h"
#include "ui/smistatoreattivazioni.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>
#include <memory>

namespace {

using Proprieta = ControlloRidimensionabile::Proprieta;

void clicca(Finestra *finestra, const QString &nome, int indice = -1) {
    QWidget *w = widget(finestra, nome, indice);
    QVERIFY2(w && w->isVisible(), qPrintable(nome));
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// A screen that counts how often its Activate handler runs.
class SchermataContata : public Finestra {
public:
    explicit SchermataContata(const QString &nome)
        : Finestra(layoutFormAvvio()) {
        setObjectName(nome);
    }
    int attivazioni = 0;

protected:
    void onActivate() override { ++attivazioni; }
};

bool coloreDellaTavolozza(const QColor &colore) {
    for (int voce = 1; voce <= ModuloColoriSuoni::VociTavolozza; ++voce) {
        if (coloreDaBgr(ModuloColoriSuoni::VoceTavolozza(voce)) == colore)
            return true;
    }
    return false;
}

QRect schermo() {
    return QGuiApplication::primaryScreen()->geometry();
}

} // namespace

class TestSchermate : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void avvioRiempieLoSchermoConUnColoreDellaTavolozza();
    void avvioPortaAlMenuELasciaSoloQuello();
    void menuCopreLoSchermoERispecchiaISuoni();
    void interruttoreSuoniSopravviveAUnEsercizio();
    void sceltaListaSiAprePosataSullaListaCorrente();
    void sceltaListaOkCambiaListaAnnullaNo_data();
    void sceltaListaOkCambiaListaAnnullaNo();
    void ridimensionareConLaSceltaApertaRiportaIlProgetto();
    void esciDelMenuChiedeConferma_data();
    void esciDelMenuChiedeConferma();
    void eserciziSiApronoDalMenuEChiudonoIlMenu_data();
    void eserciziSiApronoDalMenuEChiudonoIlMenu();
    void esciDellEsercizioTornaAlMenuSoloConSi();
    void informazioniDallEsercizio();
    void strada_AvvioMenuEserciziEMenu();
    void resizerDiUnaSchermataChiusaNonToccaNulla();
    void attivazioniContateSoloDaAltreSchermate();
    void regoleAttivazione_data();
    void regoleAttivazione();
    void chiudereLUltimaFinestraTerminaIlProgramma();

private:
    std::unique_ptr<AmbienteDiProva> m_ambiente;
};

void TestSchermate::initTestCase() {
    // Closing windows between tests must not end the test program; the last test turns the
    // program's real setting back on.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestSchermate::init() {
    m_ambiente = std::make_unique<AmbienteDiProva>();
    Modulo1::RiempiElencoListe();
    Modulo1::SuoniAttivi = true;
}

void TestSchermate::cleanup() {
    chiudiTutte();
    m_ambiente.reset();
}

void TestSchermate::avvioRiempieLoSchermoConUnColoreDellaTavolozza() {
    FormAvvio *avvio = FormAvvio::mostra();
    QCOMPARE(Modulo1::Ridimensiona->SourceForm(), &avvio->ridimensionabile());
    QTRY_COMPARE(avvio->geometry(), schermo());
    QVERIFY(coloreDellaTavolozza(avvio->superficie()->palette().color(QPalette::Window)));
    QCOMPARE(m_ambiente->casuale.estrazioni, 1);
    // Every control is scaled to the full screen: the title keeps its share of the width.
    QWidget *titolo = widget(avvio, QStringLiteral("Label1"), 0);
    QCOMPARE(titolo->width(), qRound(8295.0 / 10605 * schermo().width()));
    QCOMPARE(titolo->x(), qRound(960.0 / 10605 * schermo().width()));
}

void TestSchermate::avvioPortaAlMenuELasciaSoloQuello() {
    QPointer<FormAvvio> avvio = FormAvvio::mostra();
    QTRY_VERIFY(avvio->giaAttivata());
    clicca(avvio, QStringLiteral("Command1"));
    QCOMPARE(schermateAperte(), QStringList{"FormMenu"});
    eliminaChiuse();
    QVERIFY(!avvio);
    QCOMPARE(Modulo1::Ridimensiona->SourceForm(),
             &RegistroFinestre::aperta(QStringLiteral("FormMenu"))->ridimensionabile());
}

void TestSchermate::menuCopreLoSchermoERispecchiaISuoni() {
    FormMenu *menu = FormMenu::mostra();
    QTRY_COMPARE(menu->geometry(), schermo());
    auto *check1 = widget<QCheckBox>(menu, QStringLiteral("Check1"));
    QVERIFY(check1->isChecked());
    const QColor sfondo = menu->superficie()->palette().color(QPalette::Window);
    QVERIFY(coloreDellaTavolozza(sfondo));
    QCOMPARE(check1->palette().color(check1->backgroundRole()), sfondo);
    QVERIFY(check1->autoFillBackground());

    clicca(menu, QStringLiteral("Check1"));
    QVERIFY(!Modulo1::SuoniAttivi);
    clicca(menu, QStringLiteral("Check1"));
    QVERIFY(Modulo1::SuoniAttivi);
    QVERIFY(m_ambiente->messaggi.mostrati.isEmpty());
}

void TestSchermate::interruttoreSuoniSopravviveAUnEsercizio() {
    FormMenu *menu = FormMenu::mostra();
    clicca(menu, QStringLiteral("Check1"));
    QVERIFY(!Modulo1::SuoniAttivi);
    clicca(menu, QStringLiteral("Command3D1"));
    auto *esercizio = RegistroFinestre::aperta(QStringLiteral("DISEGNI1"));
    QVERIFY(esercizio);
    m_ambiente->messaggi.rispondi(Pulsante::Si);
    voce(esercizio, QStringLiteral("mnuEsci"))->trigger();
    eliminaChiuse();

    FormMenu *nuovo = static_cast<FormMenu *>(RegistroFinestre::aperta(QStringLiteral("FormMenu")));
    QVERIFY(nuovo && nuovo != menu);
    QVERIFY(!widget<QCheckBox>(nuovo, QStringLiteral("Check1"))->isChecked());
    QVERIFY(!Modulo1::SuoniAttivi);
}

void TestSchermate::sceltaListaSiAprePosataSullaListaCorrente() {
    Modulo1::ListaScelta = 12;
    FormMenu *menu = FormMenu::mostra();
    QTRY_COMPARE(menu->geometry(), schermo());
    QWidget *frame1 = widget(menu, QStringLiteral("Frame1"));
    QVERIFY(frame1->isHidden());

    clicca(menu, QStringLiteral("Command3D6"));
    QVERIFY(frame1->isVisible());
    QCOMPARE(frame1->geometry(), menu->superficie()->rect());
    // Marking the current list is not a click: nothing is asked.
    QVERIFY(m_ambiente->messaggi.mostrati.isEmpty());

    // Two columns in plain twips, each row as high as Option1(0) is now plus 100 twips.
    const double h = widget(menu, QStringLiteral("Option1"), 0)->height() * 15.0;
    for (int i = 0; i < 17; ++i) {
        auto *opzione = widget<QRadioButton>(menu, QStringLiteral("Option1"), i);
        const int riga = i <= 8 ? i : i - 9;
        QCOMPARE(opzione->x(), i <= 8 ? 33 : 333);
        QCOMPARE(opzione->y(), qRound((600 + riga * (h + 100)) / 15));
        QCOMPARE(opzione->width(), 233);
        QCOMPARE(opzione->font().pointSizeF(), 12.0);
        QCOMPARE(leggiCaption(opzione), Modulo1::ElencoListe[i][1]);
        QCOMPARE(opzione->isChecked(), i == 12);
    }
    // The chooser hides the buttons: what is under the Esci button is the frame.
    const QPoint esci = widget(menu, QStringLiteral("Command3D5"))->geometry().center();
    QWidget *sotto = menu->superficie()->childAt(esci);
    QVERIFY(sotto == frame1 || frame1->isAncestorOf(sotto));
}

void TestSchermate::sceltaListaOkCambiaListaAnnullaNo_data() {
    QTest::addColumn<int>("risposta");
    QTest::addColumn<int>("listaDopo");
    QTest::addColumn<bool>("apertaDopo");
    QTest::newRow("OK") << int(Pulsante::Ok) << 15 << false;
    QTest::newRow("Cancel") << int(Pulsante::Annulla) << 3 << true;
}

void TestSchermate::sceltaListaOkCambiaListaAnnullaNo() {
    QFETCH(int, risposta);
    QFETCH(int, listaDopo);
    QFETCH(bool, apertaDopo);
    Modulo1::ListaScelta = 3;
    FormMenu *menu = FormMenu::mostra();
    clicca(menu, QStringLiteral("Command3D6"));
    m_ambiente->messaggi.rispondi(Pulsante(risposta));
    clicca(menu, QStringLiteral("Option1"), 15);

    QCOMPARE(m_ambiente->messaggi.mostrati.size(), 1);
    const Messaggio &domanda = m_ambiente->messaggi.mostrati.first();
    QCOMPARE(domanda.testo, QStringLiteral("Hai scelto di lavorare con QU & CQU"));
    QCOMPARE(domanda.titolo, QStringLiteral("Zampirolo 2"));
    QCOMPARE(domanda.icona, IconaMessaggio::Informazione);
    QCOMPARE(domanda.pulsanti, (QList<Pulsante>{Pulsante::Ok, Pulsante::Annulla}));
    QCOMPARE(int(Modulo1::ListaScelta), listaDopo);
    QCOMPARE(widget(menu, QStringLiteral("Frame1"))->isVisible(), apertaDopo);
    // After Cancel the clicked option stays marked while the list in use is unchanged.
    QVERIFY(widget<QRadioButton>(menu, QStringLiteral("Option1"), 15)->isChecked());
}

void TestSchermate::ridimensionareConLaSceltaApertaRiportaIlProgetto() {
    FormMenu *menu = FormMenu::mostra();
    QTRY_COMPARE(menu->geometry(), schermo());
    clicca(menu, QStringLiteral("Command3D6"));
    menu->showNormal();
    menu->resize(899, 541); // twice the design width, the design height
    QTRY_COMPARE(menu->width(), 899);

    auto *opzione = widget<QRadioButton>(menu, QStringLiteral("Option1"), 0);
    const double rx = menu->ridimensionabile().larghezzaCliente() / 8985;
    QCOMPARE(opzione->x(), qRound(600 * rx / 15));
    QCOMPARE(opzione->width(), qRound(3000 * rx / 15));
    QCOMPARE(opzione->y(), 48);
    QCOMPARE(widget(menu, QStringLiteral("Frame1"))->y(), -8);
    // The chooser's font and captions stay as the chooser set them.
    QCOMPARE(opzione->font().pointSizeF(), 12.0);
    QCOMPARE(leggiCaption(opzione), QStringLiteral("TUTTE"));
}

void TestSchermate::esciDelMenuChiedeConferma_data() {
    QTest::addColumn<int>("risposta");
    QTest::addColumn<int>("terminazioni");
    QTest::newRow("Yes") << int(Pulsante::Si) << 1;
    QTest::newRow("No") << int(Pulsante::No) << 0;
}

void TestSchermate::esciDelMenuChiedeConferma() {
    QFETCH(int, risposta);
    QFETCH(int, terminazioni);
    FormMenu *menu = FormMenu::mostra();
    m_ambiente->messaggi.rispondi(Pulsante(risposta));
    clicca(menu, QStringLiteral("Command3D5"));
    QCOMPARE(m_ambiente->messaggi.mostrati.size(), 1);
    QCOMPARE(m_ambiente->messaggi.mostrati.first().testo,
             QStringLiteral("Vuoi uscire dal programma?"));
    QCOMPARE(m_ambiente->terminazioni, terminazioni);
    QCOMPARE(schermateAperte(), QStringList{"FormMenu"});
}

void TestSchermate::eserciziSiApronoDalMenuEChiudonoIlMenu_data() {
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<QString>("esercizio");
    QTest::addColumn<QSize>("areaProgetto");
    QTest::newRow("parole bisillabe") << "Command3D1"
                                      << "DISEGNI1" << QSize(9435, 6135);
    QTest::newRow("trisillabe") << "Command1"
                                << "DISEGNI2" << QSize(9570, 6270);
}

void TestSchermate::eserciziSiApronoDalMenuEChiudonoIlMenu() {
    QFETCH(QString, pulsante);
    QFETCH(QString, esercizio);
    QFETCH(QSize, areaProgetto);
    FormMenu *menu = FormMenu::mostra();
    clicca(menu, pulsante);
    QCOMPARE(schermateAperte(), QStringList{esercizio});
    Finestra *schermata = RegistroFinestre::aperta(esercizio);
    QCOMPARE(Modulo1::Ridimensiona->SourceForm(), &schermata->ridimensionabile());
    // Recorded from the design, then scaled to the whole screen.
    QCOMPARE(Modulo1::Ridimensiona->RecordedWidth(), areaProgetto.width());
    QCOMPARE(Modulo1::Ridimensiona->RecordedHeight(), areaProgetto.height());
    QTRY_COMPARE(schermata->geometry(), schermo());
    QWidget *avanti = widget(schermata, QStringLiteral("BottoneAvanti"));
    const DefinizioneControllo &progetto = schermata->definizione().controlli.first();
    QCOMPARE(progetto.nome, QStringLiteral("BottoneAvanti"));
    const double rx = schermata->ridimensionabile().larghezzaCliente() / areaProgetto.width();
    const double ry = schermata->ridimensionabile().altezzaCliente() / areaProgetto.height();
    QCOMPARE(avanti->x(), qRound(progetto.left * rx / 15));
    QCOMPARE(avanti->y(), qRound(progetto.top * ry / 15));
    QCOMPARE(avanti->height(), qRound(progetto.height * ry / 15));
}

void TestSchermate::esciDellEsercizioTornaAlMenuSoloConSi() {
    SchermataEsercizio *esercizio = mostraDISEGNI2();
    Modulo1::ContaEsatti = 7;
    Modulo1::ContaErrati = 2;

    m_ambiente->messaggi.rispondi(Pulsante::No);
    voce(esercizio, QStringLiteral("mnuEsci"))->trigger();
    const Messaggio &domanda = m_ambiente->messaggi.mostrati.first();
    QCOMPARE(domanda.testo, QStringLiteral("Vuoi tornare al menù?"));
    QCOMPARE(domanda.predefinito, Pulsante::Si);
    QCOMPARE(domanda.icona, IconaMessaggio::Domanda);
    QCOMPARE(schermateAperte(), QStringList{"DISEGNI2"});
    QCOMPARE(int(Modulo1::ContaEsatti), 7);

    m_ambiente->messaggi.rispondi(Pulsante::Si);
    voce(esercizio, QStringLiteral("mnuEsci"))->trigger();
    QCOMPARE(schermateAperte(), QStringList{"FormMenu"});
    QCOMPARE(int(Modulo1::ContaEsatti), 0);
    QCOMPARE(int(Modulo1::ContaErrati), 0);
}

void TestSchermate::informazioniDallEsercizio() {
    SchermataEsercizio *uno = mostraDISEGNI1();
    voce(uno, QStringLiteral("mnuInformazio"))->trigger();
    uno->close();
    SchermataEsercizio *due = mostraDISEGNI2();
    voce(due, QStringLiteral("Informazio"))->trigger();
    QCOMPARE(m_ambiente->messaggi.mostrati.size(), 2);
    for (const Messaggio &m : m_ambiente->messaggi.mostrati) {
        QCOMPARE(m.testo, Modulo1::TestoInformazioni());
        QCOMPARE(m.icona, IconaMessaggio::Informazione);
    }
    QCOMPARE(schermateAperte(), QStringList{"DISEGNI2"});
}

void TestSchermate::strada_AvvioMenuEserciziEMenu() {
    FormAvvio::mostra();
    QCOMPARE(schermateAperte(), QStringList{"FormAvvio"});
    clicca(RegistroFinestre::aperta(QStringLiteral("FormAvvio")), QStringLiteral("Command1"));
    QCOMPARE(schermateAperte(), QStringList{"FormMenu"});

    for (const QString &pulsante : {QStringLiteral("Command3D1"), QStringLiteral("Command1")}) {
        clicca(RegistroFinestre::aperta(QStringLiteral("FormMenu")), pulsante);
        const QStringList aperte = schermateAperte();
        QCOMPARE(aperte.size(), 1);
        QVERIFY(aperte.first().startsWith(QStringLiteral("DISEGNI")));
        m_ambiente->messaggi.rispondi(Pulsante::Si);
        RegistroFinestre::aperta(aperte.first())
            ->findChild<QAction *>(QStringLiteral("mnuEsci"))
            ->trigger();
        eliminaChiuse();
        QCOMPARE(schermateAperte(), QStringList{"FormMenu"});
    }
    QCOMPARE(m_ambiente->messaggi.senzaRisposta, 0);
}

// The last screen to load may close before another loads (the last window of the run); a
// resize pass after that must find no window rather than freed widgets.
void TestSchermate::resizerDiUnaSchermataChiusaNonToccaNulla() {
    FormMenu *menu = FormMenu::mostra();
    const std::shared_ptr<clsResize> resizer = Modulo1::Ridimensiona;
    QCOMPARE(resizer->SourceForm(), &menu->ridimensionabile());
    menu->close();
    eliminaChiuse();
    QVERIFY(!resizer->SourceForm());
    resizer->ResizeControls();
    resizer->SizeFormToScreen(75);
    QVERIFY(schermateAperte().isEmpty());
}

void TestSchermate::attivazioniContateSoloDaAltreSchermate() {
    auto *a = new SchermataContata(QStringLiteral("A"));
    auto *b = new SchermataContata(QStringLiteral("B"));
    a->show();
    a->activateWindow();
    QTRY_COMPARE(a->attivazioni, 1); // first display
    b->show();
    b->activateWindow();
    QTRY_COMPARE(b->attivazioni, 1);
    a->activateWindow();
    QTRY_COMPARE(a->attivazioni, 2); // focus came from another screen

    // A message box closing gives the focus back: that is no activation.
    {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Zampirolo 2"),
                        QStringLiteral("prova"));
        box.show();
        box.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &box);
    }
    a->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), a);
    QTest::qWait(20);
    QCOMPARE(a->attivazioni, 2);

    // Nor is coming back from another application, whichever screen gets the focus.
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    b->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), b);
    QTest::qWait(20);
    QCOMPARE(b->attivazioni, 1);
    a->activateWindow();
    QTRY_COMPARE(a->attivazioni, 3);
}

void TestSchermate::regoleAttivazione_data() {
    // Each step: 'S' screen x shown first, 's' screen x activated again, 'm' a message box or
    // other window, 'r' return from another application. Expected: which steps count.
    QTest::addColumn<QStringList>("passi");
    QTest::addColumn<QList<bool>>("contano");
    QTest::newRow("first display") << QStringList{"S1"} << QList<bool>{true};
    QTest::newRow("between screens")
        << QStringList{"S1", "S2", "s1", "s2"} << QList<bool>{true, true, true, true};
    QTest::newRow("box closes") << QStringList{"S1", "m", "s1"} << QList<bool>{true, false, false};
    QTest::newRow("other application")
        << QStringList{"S1", "r", "s1"} << QList<bool>{true, false, false};
    QTest::newRow("box then other screen")
        << QStringList{"S1", "S2", "m", "s1"} << QList<bool>{true, true, false, false};
    QTest::newRow("same screen again") << QStringList{"S1", "s1"} << QList<bool>{true, false};
    QTest::newRow("first display after box")
        << QStringList{"S1", "m", "S2"} << QList<bool>{true, false, true};
}

void TestSchermate::regoleAttivazione() {
    QFETCH(QStringList, passi);
    QFETCH(QList<bool>, contano);
    RegoleAttivazione regole;
    int schermate[3] = {};
    for (int i = 0; i < passi.size(); ++i) {
        const QString &passo = passi.at(i);
        bool conta = false;
        if (passo == QLatin1String("r")) {
            regole.applicazioneRitornata();
        } else if (passo == QLatin1String("m")) {
            conta = regole.finestraAttivata(&passi, false, false);
        } else {
            const int n = passo.mid(1).toInt();
            conta = regole.finestraAttivata(&schermate[n], true, passo.at(0) == QLatin1Char('S'));
        }
        QCOMPARE(conta, contano.at(i));
    }
}

void TestSchermate::chiudereLUltimaFinestraTerminaIlProgramma() {
    QApplication::setQuitOnLastWindowClosed(true);
    FormMenu::mostra();
    QTimer::singleShot(0, [] { RegistroFinestre::aperta(QStringLiteral("FormMenu"))->close(); });
    // Should the program not end, the loop is ended with a failure code instead of hanging.
    QTimer guardia;
    guardia.setSingleShot(true);
    connect(&guardia, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guardia.start(5000);
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(TestSchermate)
#include "tst_schermate.moc"
