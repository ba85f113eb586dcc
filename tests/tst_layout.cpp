// The four windows as built from their tables: arrays with their gaps, stacking, fonts,
// pictures, initial states and menus, checked on the real widgets.
#include "exercise/schermataesercizio.h"
#include "support/schermate.h"
#include "ui/finestra.h"
#include "ui/fonts.h"
#include "ui/immagine.h"
#include "ui/layouts.h"
#include "ui/pictures.h"
#include "ui/registrofinestre.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QToolButton>
#include <QtEndian>
#include <QtTest>
#include <memory>

namespace {

using Costruttore = const DefinizioneFinestra &(*)();

std::unique_ptr<Finestra> costruisci(Costruttore layout) {
    return std::make_unique<Finestra>(layout());
}

// Position among siblings in painting order: higher is drawn later, over the lower ones.
int pianoDi(const QWidget *w) {
    return int(w->parentWidget()->children().indexOf(const_cast<QWidget *>(w)));
}

QString nomeAccessibile(QWidget *w) {
    QAccessibleInterface *ai = QAccessible::queryAccessibleInterface(w);
    return ai ? ai->text(QAccessible::Name) : QString();
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void finestreHannoTitoloSfondoEAreaDiProgetto_data();
    void finestreHannoTitoloSfondoEAreaDiProgetto();
    void arrayHannoEsattamenteGliIndiciDelProgetto_data();
    void arrayHannoEsattamenteGliIndiciDelProgetto();
    void ilPrimoElencatoEDisegnatoSopra();
    void controlliStannoNelPostoDiProgettoInPixel();
    void caratteriSonoISostitutiInGrassetto_data();
    void caratteriSonoISostitutiInGrassetto();
    void statiInizialiComeProgettati();
    void tessereECaselleHannoIlLoroAspetto();
    void menuDegliEserciziConDieciSpaziESpunte_data();
    void menuDegliEserciziConDieciSpaziESpunte();
    void figureIncorporateHannoTipoEMisure_data();
    void figureIncorporateHannoTipoEMisure();
    void puntatoriSonoCursoriVeri();
    void ogniControlloSiPresentaConLaSuaCaption();
};

void TestLayout::finestreHannoTitoloSfondoEAreaDiProgetto_data() {
    QTest::addColumn<void *>("layout");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QColor>("sfondo");
    QTest::addColumn<bool>("haMenu");
    QTest::newRow("FormAvvio") << (void *)&layoutFormAvvio << "Form1" << QSize(707, 541)
                               << QColor(0, 255, 255) << false;
    QTest::newRow("FormMenu") << (void *)&layoutFormMenu << "Form2" << QSize(599, 541)
                              << QColor(0, 255, 255) << false;
    QTest::newRow("DISEGNI1") << (void *)&layoutDISEGNI1 << "" << QSize(629, 409)
                              << QColor(0, 255, 0) << true;
    QTest::newRow("DISEGNI2") << (void *)&layoutDISEGNI2 << "" << QSize(638, 418)
                              << QColor(0, 255, 0) << true;
}

void TestLayout::finestreHannoTitoloSfondoEAreaDiProgetto() {
    QFETCH(void *, layout);
    QFETCH(QString, titolo);
    QFETCH(QSize, area);
    QFETCH(QColor, sfondo);
    QFETCH(bool, haMenu);
    auto finestra = costruisci(reinterpret_cast<Costruttore>(layout));
    QCOMPARE(finestra->windowTitle(), titolo);
    // The client area is the design size; a menu bar comes on top of it.
    QCOMPARE(finestra->superficie()->size(), area);
    QCOMPARE(finestra->ridimensionabile().larghezzaCliente(), area.width() * 15.0);
    QCOMPARE(finestra->ridimensionabile().altezzaCliente(), area.height() * 15.0);
    QCOMPARE(finestra->superficie()->palette().color(QPalette::Window), sfondo);
    QCOMPARE(finestra->barraMenu() != nullptr, haMenu);
    QCOMPARE(finestra->windowIcon().isNull(), titolo != "Form1");
}

void TestLayout::arrayHannoEsattamenteGliIndiciDelProgetto_data() {
    QTest::addColumn<void *>("layout");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QList<int>>("indici");
    QTest::newRow("FormAvvio Label1, no 1 or 2")
        << (void *)&layoutFormAvvio << "Label1" << QList<int>{0, 3, 4, 5, 6, 7, 8};
    QList<int> diciassette;
    for (int i = 0; i < 17; ++i)
        diciassette << i;
    QTest::newRow("FormMenu Option1") << (void *)&layoutFormMenu << "Option1" << diciassette;
    QTest::newRow("DISEGNI1 Image1")
        << (void *)&layoutDISEGNI1 << "Image1" << QList<int>{0, 1, 2, 3};
    QTest::newRow("DISEGNI1 Label1")
        << (void *)&layoutDISEGNI1 << "Label1" << QList<int>{0, 1, 2, 3};
    QTest::newRow("DISEGNI1 Label4")
        << (void *)&layoutDISEGNI1 << "Label4" << QList<int>{0, 1, 2, 3};
    QTest::newRow("DISEGNI1 Label2")
        << (void *)&layoutDISEGNI1 << "Label2" << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("DISEGNI1 Label3")
        << (void *)&layoutDISEGNI1 << "Label3" << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("DISEGNI2 Label1")
        << (void *)&layoutDISEGNI2 << "Label1" << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("DISEGNI2 Label2, no 3")
        << (void *)&layoutDISEGNI2 << "Label2" << QList<int>{0, 1, 2, 4};
    QTest::newRow("DISEGNI2 Label3, no 3")
        << (void *)&layoutDISEGNI2 << "Label3" << QList<int>{0, 1, 2, 4};
    QTest::newRow("DISEGNI2 Label4") << (void *)&layoutDISEGNI2 << "Label4" << QList<int>{0, 1, 2};
    QTest::newRow("DISEGNI2 Image1") << (void *)&layoutDISEGNI2 << "Image1" << QList<int>{0, 1, 2};
}

void TestLayout::arrayHannoEsattamenteGliIndiciDelProgetto() {
    QFETCH(void *, layout);
    QFETCH(QString, nome);
    QFETCH(QList<int>, indici);
    auto finestra = costruisci(reinterpret_cast<Costruttore>(layout));
    QCOMPARE(finestra->indici(NomeControllo(qPrintable(nome))), indici);
    for (int i = 0; i <= indici.last() + 1; ++i)
        QCOMPARE(widget(finestra, nome, i) != nullptr, indici.contains(i));
    QVERIFY(!widget(finestra, nome)); // an array has no member without an index
}

void TestLayout::ilPrimoElencatoEDisegnatoSopra() {
    auto d1 = costruisci(&layoutDISEGNI1);
    // Both answer pictures share one rectangle; the yes picture covers the no picture.
    QWidget *si = widget(d1, QStringLiteral("ComandoIconaSi"));
    QWidget *no = widget(d1, QStringLiteral("ComandoIconaNo"));
    QCOMPARE(si->geometry(), no->geometry());
    QVERIFY(pianoDi(si) > pianoDi(no));
    QCOMPARE(d1->superficie()->childAt(si->geometry().center()), si);

    // Every pair of controls on one window keeps the table's order, front to back.
    for (Costruttore layout :
         {&layoutFormAvvio, &layoutFormMenu, &layoutDISEGNI1, &layoutDISEGNI2}) {
        auto finestra = costruisci(layout);
        const auto &controlli = layout().controlli;
        for (int i = 1; i < controlli.size(); ++i) {
            QWidget *davanti = widget(finestra, controlli[i - 1].nome, controlli[i - 1].indice);
            QWidget *dietro = widget(finestra, controlli[i].nome, controlli[i].indice);
            if (davanti->parentWidget() == dietro->parentWidget())
                QVERIFY2(pianoDi(davanti) > pianoDi(dietro), qPrintable(dietro->objectName()));
        }
    }

    // Once shown, the chooser's frame lies over the menu's buttons.
    auto menu = costruisci(&layoutFormMenu);
    QWidget *frame = widget(menu, QStringLiteral("Frame1"));
    frame->show();
    const QPoint centro = widget(menu, QStringLiteral("Command3D5"))->geometry().center();
    QWidget *sopra = menu->superficie()->childAt(centro);
    QVERIFY(sopra == frame || frame->isAncestorOf(sopra));
}

void TestLayout::controlliStannoNelPostoDiProgettoInPixel() {
    auto d1 = costruisci(&layoutDISEGNI1);
    // Twips become pixels at 15 to one; the tiles take the eight columns 1080 twips apart.
    const int colonneLabel1[] = {120, 4440, 1200, 7680};
    const int colonneLabel4[] = {2280, 6600, 3360, 5520};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(widget(d1, QStringLiteral("Label1"), i)->geometry(),
                 QRect(colonneLabel1[i] / 15, 216, 69, 41));
        QCOMPARE(widget(d1, QStringLiteral("Label4"), i)->geometry(),
                 QRect(colonneLabel4[i] / 15, 216, 69, 41));
    }
    QCOMPARE(widget(d1, QStringLiteral("Image1"), 0)->geometry(), QRect(7, 16, 144, 120));

    auto d2 = costruisci(&layoutDISEGNI2);
    for (int i = 0; i < 9; ++i)
        QCOMPARE(widget(d2, QStringLiteral("Label1"), i)->x(), (240 + 960 * i) / 15);
    QCOMPARE(widget(d2, QStringLiteral("Label4"), 2)->geometry(), QRect(536, 184, 53, 35));

    // The options are placed inside their frame, which starts above the client area.
    auto menu = costruisci(&layoutFormMenu);
    QWidget *frame = widget(menu, QStringLiteral("Frame1"));
    QCOMPARE(frame->geometry(), QRect(24, -8, 521, 481));
    QWidget *opzione13 = widget(menu, QStringLiteral("Option1"), 13);
    QCOMPARE(opzione13->parentWidget(), frame);
    QCOMPARE(opzione13->geometry(), QRect(352, 96, 200, 36));
    QCOMPARE(widget(menu, QStringLiteral("Option1"), 9)->geometry(), QRect(32, 400, 200, 26));
}

void TestLayout::caratteriSonoISostitutiInGrassetto_data() {
    QTest::addColumn<void *>("layout");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("famiglia");
    QTest::addColumn<double>("punti");
    QTest::newRow("title") << (void *)&layoutFormAvvio << "Label1" << 0 << "Comic Neue" << 48.0;
    QTest::newRow("date") << (void *)&layoutFormAvvio << "Label2" << -1 << "Comic Neue" << 15.75;
    QTest::newRow("Avvio") << (void *)&layoutFormAvvio << "Command1" << -1 << "Comic Neue" << 24.0;
    QTest::newRow("frame") << (void *)&layoutFormMenu << "Frame1" << -1 << "Liberation Serif"
                           << 20.25;
    QTest::newRow("option") << (void *)&layoutFormMenu << "Option1" << 13 << "Liberation Serif"
                            << 14.25;
    QTest::newRow("menu button") << (void *)&layoutFormMenu << "Command3D6" << -1 << "Andika"
                                 << 18.0;
    QTest::newRow("sounds") << (void *)&layoutFormMenu << "Check1" << -1 << "Liberation Sans"
                            << 12.0;
    QTest::newRow("tile") << (void *)&layoutDISEGNI1 << "Label4" << 2 << "Andika" << 13.5;
    QTest::newRow("slot") << (void *)&layoutDISEGNI2 << "Label4" << 0 << "Andika" << 13.5;
    QTest::newRow("counter") << (void *)&layoutDISEGNI2 << "EtichettaEsatti" << -1
                             << "Liberation Sans" << 18.0;
    QTest::newRow("avanti") << (void *)&layoutDISEGNI1 << "BottoneAvanti" << -1 << "Liberation Sans"
                            << 14.25;
}

void TestLayout::caratteriSonoISostitutiInGrassetto() {
    QFETCH(void *, layout);
    QFETCH(QString, nome);
    QFETCH(int, indice);
    QFETCH(QString, famiglia);
    QFETCH(double, punti);
    auto finestra = costruisci(reinterpret_cast<Costruttore>(layout));
    QWidget *w = widget(finestra, nome, indice);
    QVERIFY(w);
    QCOMPARE(w->font().pointSizeF(), punti);
    QVERIFY(w->font().bold());
    // The bundled face is really used, not a look-alike the machine happens to have.
    const QFontInfo info(w->font());
    QCOMPARE(info.family(), famiglia);
    QVERIFY(info.bold());
}

void TestLayout::statiInizialiComeProgettati() {
    auto d1 = costruisci(&layoutDISEGNI1);
    QVERIFY(!widget(d1, QStringLiteral("BottoneAvanti"))->isEnabled());
    QVERIFY(!widget(d1, QStringLiteral("ComandoIconaSi"))->isHidden());
    QVERIFY(!widget(d1, QStringLiteral("ComandoIconaNo"))->isHidden());
    QVERIFY(widget(d1, QStringLiteral("Label1"), 0)->isEnabled());
    QCOMPARE(leggiCaption(widget(d1, QStringLiteral("Label1"), 3)), QStringLiteral("Label1"));
    QCOMPARE(leggiCaption(widget(d1, QStringLiteral("Label3"), 0)), QString());
    QCOMPARE(leggiCaption(widget(d1, QStringLiteral("Label2"), 4)), QStringLiteral("Errati"));
    QCOMPARE(leggiCaption(widget(d1, QStringLiteral("Label3"), 4)), QStringLiteral("Esatti"));
    for (int i = 0; i < 4; ++i)
        QVERIFY(widget<Immagine>(d1, QStringLiteral("Image1"), i)->picture().isNull());
    QVERIFY(!widget<Immagine>(d1, QStringLiteral("ComandoIconaSi"))->picture().isNull());

    auto menu = costruisci(&layoutFormMenu);
    QVERIFY(widget(menu, QStringLiteral("Frame1"))->isHidden());
    QVERIFY(!widget<QCheckBox>(menu, QStringLiteral("Check1"))->isChecked());
    QVERIFY(widget<QRadioButton>(menu, QStringLiteral("Option1"), 0)->isChecked());
    for (int i = 1; i < 17; ++i)
        QVERIFY(!widget<QRadioButton>(menu, QStringLiteral("Option1"), i)->isChecked());
    QCOMPARE(leggiCaption(widget(menu, QStringLiteral("Option1"), 16)), QStringLiteral("Option1"));
    QCOMPARE(widget(menu, QStringLiteral("Option1"), 13)->height(), 36);
    QCOMPARE(widget(menu, QStringLiteral("Option1"), 12)->height(), 26);
}

void TestLayout::tessereECaselleHannoIlLoroAspetto() {
    auto d2 = costruisci(&layoutDISEGNI2);
    auto *tessera = widget<QLabel>(d2, QStringLiteral("Label1"), 4);
    QVERIFY(tessera->autoFillBackground());
    QCOMPARE(tessera->palette().color(QPalette::Window), QColor(255, 255, 255));
    QCOMPARE(tessera->frameShape(), QFrame::NoFrame);
    QVERIFY(tessera->alignment() & Qt::AlignHCenter);

    auto *casella = widget<QLabel>(d2, QStringLiteral("Label3"), 1);
    QVERIFY(casella->autoFillBackground());
    QCOMPARE(casella->palette().color(QPalette::Window), QColor(255, 255, 192));
    QCOMPARE(casella->frameShape(), QFrame::Box);
    QCOMPARE(casella->lineWidth(), 1);

    auto *errati = widget<QLabel>(d2, QStringLiteral("Label2"), 4);
    QVERIFY(!errati->autoFillBackground()); // the window's colour shows through
    auto avvio = costruisci(&layoutFormAvvio);
    auto *data = widget<QLabel>(avvio, QStringLiteral("Label2"));
    QCOMPARE(data->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    QVERIFY(data->alignment() & Qt::AlignHCenter);
    // A credit line longer than its label wraps at word boundaries.
    QVERIFY(widget<QLabel>(avvio, QStringLiteral("Label1"), 3)->wordWrap());
}

void TestLayout::menuDegliEserciziConDieciSpaziESpunte_data() {
    QTest::addColumn<void *>("layout");
    QTest::addColumn<QString>("lista");
    QTest::addColumn<QString>("informazioni");
    QTest::newRow("DISEGNI1") << (void *)&layoutDISEGNI1 << "mnuLista"
                              << "mnuInformazio";
    QTest::newRow("DISEGNI2") << (void *)&layoutDISEGNI2 << "mnulista"
                              << "Informazio";
}

void TestLayout::menuDegliEserciziConDieciSpaziESpunte() {
    QFETCH(void *, layout);
    QFETCH(QString, lista);
    QFETCH(QString, informazioni);
    auto finestra = costruisci(reinterpret_cast<Costruttore>(layout));
    const QString dieci(10, QLatin1Char(' '));

    QStringList barra;
    for (QAction *voce : finestra->barraMenu()->actions())
        barra << voce->text();
    QCOMPARE(barra, QStringList({"Azzera conteggio" + dieci, "Lista parole" + dieci,
                                 "Caratteri" + dieci, "Informazioni" + dieci, "Esci"}));
    QCOMPARE(voce(finestra, informazioni)->text(), "Informazioni" + dieci);

    QMenu *sottoLista = voce(finestra, lista)->menu();
    QVERIFY(sottoLista);
    QCOMPARE(sottoLista->actions().size(), 2);
    QCOMPARE(sottoLista->actions().at(0), voce(finestra, QStringLiteral("mnufacile")));
    QCOMPARE(sottoLista->actions().at(1)->text(), QStringLiteral("difficile"));
    QMenu *sottoCaratteri = voce(finestra, QStringLiteral("mnuCaratteri"))->menu();
    QCOMPARE(sottoCaratteri->actions().at(0)->text(), QStringLiteral("stampato maiuscolo"));
    QCOMPARE(sottoCaratteri->actions().at(1)->text(), QStringLiteral("stampato minuscolo"));

    QVERIFY(voce(finestra, QStringLiteral("mnufacile"))->isChecked());
    QVERIFY(!voce(finestra, QStringLiteral("mnudifficile"))->isChecked());
    QVERIFY(voce(finestra, QStringLiteral("mnuMaiuscolo"))->isChecked());
    QVERIFY(!voce(finestra, QStringLiteral("mnuMinuscolo"))->isChecked());
    QVERIFY(!voce(finestra, QStringLiteral("mnuEsci"))->isCheckable());
    // The other screen's names do not exist here.
    QVERIFY(!voce(finestra, lista == "mnuLista" ? "mnulista" : "mnuLista"));
}

void TestLayout::figureIncorporateHannoTipoEMisure_data() {
    QTest::addColumn<int>("figura");
    QTest::addColumn<QByteArray>("formato");
    QTest::addColumn<QList<QSize>>("immagini");
    const QSize g(32, 32), p(16, 16);
    QTest::newRow("P1") << int(Figura::P1) << QByteArray("ico") << QList<QSize>{g};
    QTest::newRow("P2") << int(Figura::P2) << QByteArray("ico") << QList<QSize>{g, p};
    QTest::newRow("P3") << int(Figura::P3) << QByteArray("ico") << QList<QSize>{g};
    QTest::newRow("P4") << int(Figura::P4) << QByteArray("ico") << QList<QSize>{g};
    QTest::newRow("P5") << int(Figura::P5) << QByteArray("ico") << QList<QSize>{g};
    QTest::newRow("P6") << int(Figura::P6) << QByteArray("ico") << QList<QSize>{g};
    QTest::newRow("P7") << int(Figura::P7) << QByteArray("ico") << QList<QSize>{g};
    QTest::newRow("P8") << int(Figura::P8) << QByteArray("jpeg") << QList<QSize>{{107, 69}};
    QTest::newRow("P9") << int(Figura::P9) << QByteArray("jpeg") << QList<QSize>{{74, 74}};
    QTest::newRow("P10") << int(Figura::P10) << QByteArray("ico") << QList<QSize>{g};
    QTest::newRow("P11") << int(Figura::P11) << QByteArray("ico") << QList<QSize>{g, p};
}

void TestLayout::figureIncorporateHannoTipoEMisure() {
    QFETCH(int, figura);
    QFETCH(QByteArray, formato);
    QFETCH(QList<QSize>, immagini);
    caricaRisorseUi();
    QImageReader lettore(percorsoFigura(Figura(figura)));
    QCOMPARE(lettore.format(), formato);
    QList<QSize> lette;
    do {
        const QImage immagine = lettore.read();
        QVERIFY2(!immagine.isNull(), qPrintable(lettore.errorString()));
        lette << immagine.size();
    } while (lettore.jumpToNextImage());
    QCOMPARE(lette, immagini);

    // Qt decodes every entry to full colour, so the file itself tells the kind: a cursor has
    // type 2, and the two 16-colour icons store 4 bits per pixel.
    QFile file(percorsoFigura(Figura(figura)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray dati = file.readAll();
    if (formato == "ico") {
        QCOMPARE(int(dati.at(2)), figura == int(Figura::P4) ? 2 : 1);
        const quint32 inizio = qFromLittleEndian<quint32>(dati.constData() + 18);
        const quint16 bit = qFromLittleEndian<quint16>(dati.constData() + inizio + 14);
        const bool sediciColori = figura == int(Figura::P3) || figura == int(Figura::P10);
        if (sediciColori)
            QCOMPARE(bit, quint16(4));
    }
}

void TestLayout::puntatoriSonoCursoriVeri() {
    auto d1 = costruisci(&layoutDISEGNI1);
    for (const QString &nome : {QStringLiteral("Label1"), QStringLiteral("Label2")}) {
        const QCursor cursore = widget(d1, nome, 0)->cursor();
        QCOMPARE(cursore.shape(), Qt::BitmapCursor);
        QCOMPARE(cursore.pixmap().size(), QSize(32, 32));
    }
    // The hand's hot spot is the one written in the cursor file, inside the picture.
    const QPoint punta = widget(d1, QStringLiteral("Label1"), 0)->cursor().hotSpot();
    QVERIFY(QRect(0, 0, 32, 32).contains(punta));
    QVERIFY(punta != QPoint(0, 0));
    QCOMPARE(widget(d1, QStringLiteral("BottoneAvanti"))->cursor().shape(), Qt::BitmapCursor);
    // The pictures and captions of the counters keep the ordinary arrow.
    QCOMPARE(widget(d1, QStringLiteral("EtichettaEsatti"))->cursor().shape(), Qt::ArrowCursor);

    auto menu = costruisci(&layoutFormMenu);
    QCOMPARE(widget(menu, QStringLiteral("Check1"))->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(widget(menu, QStringLiteral("Command3D1"))->cursor().shape(), Qt::BitmapCursor);
    auto *p9 = widget<QToolButton>(menu, QStringLiteral("Command3D1"));
    QCOMPARE(p9->iconSize(), QSize(74, 74));
    QCOMPARE(p9->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
}

void TestLayout::ogniControlloSiPresentaConLaSuaCaption() {
    for (Costruttore layout :
         {&layoutFormAvvio, &layoutFormMenu, &layoutDISEGNI1, &layoutDISEGNI2}) {
        auto finestra = costruisci(layout);
        for (const DefinizioneControllo &d : layout().controlli) {
            QWidget *w = widget(finestra, d.nome, d.indice);
            if (d.caption.isEmpty())
                continue;
            QCOMPARE(nomeAccessibile(w), d.caption);
        }
        // Pictures have no caption but still a name a screen reader can say.
        for (int i : finestra->indici(NomeControllo("Image1")))
            QVERIFY(!nomeAccessibile(widget(finestra, QStringLiteral("Image1"), i)).isEmpty());
    }
    auto menu = costruisci(&layoutFormMenu);
    auto *opzione = widget(menu, QStringLiteral("Option1"), 15);
    scriviCaption(opzione, QStringLiteral("QU & CQU"));
    QCOMPARE(leggiCaption(opzione), QStringLiteral("QU & CQU"));
    QCOMPARE(nomeAccessibile(opzione), QStringLiteral("QU & CQU"));
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
