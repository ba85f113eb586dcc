#include "core/finestremessaggio.h"
#include "core/modulo1.h"
#include "core/guardiacopiaunica.h"
#include "support/testdoubles.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestModulo1 : public QObject {
    Q_OBJECT

private slots:
    void catalogoHaLeDiciassetteListe_data();
    void catalogoHaLeDiciassetteListe();
    void catalogoLasciaVuoteLeRigheInPiuELaColonnaZero();
    void avvioImpostaLoStatoEMostraLaSchermataIniziale();
    void avvioConUnaCopiaAttivaMostraSoloErrore();
    void informazioniHannoSetteRigheENonCambianoNulla();
    void confermaUscitaTerminaSoloConSi_data();
    void confermaUscitaTerminaSoloConSi();
    void posizioneNoveArrotondaAlPariPiuVicino_data();
    void posizioneNoveArrotondaAlPariPiuVicino();
    void finestraQtRestituisceIlPulsanteScelto();
};

void TestModulo1::catalogoHaLeDiciassetteListe_data() {
    QTest::addColumn<int>("riga");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("codice");
    QTest::newRow("0") << 0 << "TUTTE"
                       << "TUTTE";
    QTest::newRow("1") << 1 << "BA BE BI BO BU"
                       << "ba";
    QTest::newRow("2") << 2 << "CA CE CI CO CU"
                       << "ca";
    QTest::newRow("3") << 3 << "DA DE DI DO DU"
                       << "da";
    QTest::newRow("4") << 4 << "FA FE FI FO FU"
                       << "fa";
    QTest::newRow("5") << 5 << "GA GE GI GO GU"
                       << "ga";
    QTest::newRow("6") << 6 << "LA LE LI LO LU"
                       << "la";
    QTest::newRow("7") << 7 << "MA ME MI MO MU"
                       << "ma";
    QTest::newRow("8") << 8 << "NA NE NI NO NU"
                       << "na";
    QTest::newRow("9") << 9 << "PA PE PI PO PU"
                       << "pa";
    QTest::newRow("10") << 10 << "RA RE RI RO RU"
                        << "ra";
    QTest::newRow("11") << 11 << "SA SE SI SO SU"
                        << "sa";
    QTest::newRow("12") << 12 << "TA TE TI TO TU"
                        << "ta";
    QTest::newRow("13") << 13 << "VA VE VI VO VU"
                        << "va";
    QTest::newRow("14") << 14 << "ZA ZE ZI ZO ZU"
                        << "za";
    QTest::newRow("15") << 15 << "QU & CQU"
                        << "cq&qu";
    QTest::newRow("16") << 16 << "LE VOCALI"
                        << "vocali";
}

void TestModulo1::catalogoHaLeDiciassetteListe() {
    QFETCH(int, riga);
    QFETCH(QString, caption);
    QFETCH(QString, codice);
    AmbienteDiProva ambiente;
    Modulo1::RiempiElencoListe();
    QCOMPARE(Modulo1::ElencoListe[riga][Modulo1::ColonnaCaption], caption);
    QCOMPARE(Modulo1::ElencoListe[riga][Modulo1::ColonnaCodice], codice);
}

void TestModulo1::catalogoLasciaVuoteLeRigheInPiuELaColonnaZero() {
    AmbienteDiProva ambiente;
    Modulo1::RiempiElencoListe();
    for (int riga = 0; riga < Modulo1::RigheElencoListe; ++riga) {
        QVERIFY2(Modulo1::ElencoListe[riga][0].isEmpty(), qPrintable(QString::number(riga)));
        if (riga >= Modulo1::NumeroListe) {
            QVERIFY(Modulo1::ElencoListe[riga][1].isEmpty());
            QVERIFY(Modulo1::ElencoListe[riga][2].isEmpty());
        }
    }
}

void TestModulo1::avvioImpostaLoStatoEMostraLaSchermataIniziale() {
    AmbienteDiProva ambiente;
    ambiente.orologio.valore = 987654321;
    Modulo1::ListaScelta = 7;
    QTemporaryDir cartella;
    GuardiaCopiaUnica guardia(cartella.filePath(QStringLiteral("z.lock")));
    int schermateMostrate = 0;

    QVERIFY(Modulo1::Main(guardia, [&] { ++schermateMostrate; }));

    QCOMPARE(schermateMostrate, 1);
    QVERIFY(Modulo1::SuoniAttivi);
    QCOMPARE(Modulo1::ListaScelta, qint16(0));
    QCOMPARE(Modulo1::ElencoListe[0][Modulo1::ColonnaCodice], QStringLiteral("TUTTE"));
    QCOMPARE(ambiente.casuale.semeRicevuto, quint64(987654321));
    QCOMPARE(Modulo1::NumeroParole, qint16(0));
    QCOMPARE(Modulo1::ContaEsatti, qint16(0));
    QCOMPARE(Modulo1::ContaErrati, qint16(0));
    QVERIFY(!Modulo1::Ridimensiona);
    QVERIFY(ambiente.messaggi.mostrati.isEmpty());
}

void TestModulo1::avvioConUnaCopiaAttivaMostraSoloErrore() {
    AmbienteDiProva ambiente;
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("z.lock"));
    GuardiaCopiaUnica primaCopia(percorso);
    QVERIFY(primaCopia.acquisisci());

    GuardiaCopiaUnica secondaCopia(percorso);
    int schermateMostrate = 0;
    QVERIFY(!Modulo1::Main(secondaCopia, [&] { ++schermateMostrate; }));

    QCOMPARE(schermateMostrate, 0);
    QVERIFY(!Modulo1::SuoniAttivi);
    QVERIFY(Modulo1::ElencoListe[0][1].isEmpty());
    QCOMPARE(ambiente.messaggi.mostrati.size(), 1);
    const Messaggio &errore = ambiente.messaggi.mostrati.first();
    QCOMPARE(errore.titolo, QStringLiteral("Error"));
    QCOMPARE(errore.testo, QStringLiteral("E' già stata avviata una copia di questo programma!"));
    QCOMPARE(errore.icona, IconaMessaggio::Critica);
    QCOMPARE(errore.pulsanti, QList<Pulsante>{Pulsante::Ok});
    QVERIFY(primaCopia.acquisisci()); // the running copy keeps its lock
}

void TestModulo1::informazioniHannoSetteRigheENonCambianoNulla() {
    AmbienteDiProva ambiente;
    Modulo1::RiempiElencoListe();
    Modulo1::SuoniAttivi = true;
    Modulo1::ContaEsatti = 5;
    Modulo1::MostraInformazioni();
    Modulo1::MostraInformazioni();

    QCOMPARE(ambiente.messaggi.mostrati.size(), 2);
    const Messaggio &info = ambiente.messaggi.mostrati.first();
    QCOMPARE(info.titolo, QStringLiteral("Zampirolo 2"));
    QCOMPARE(info.icona, IconaMessaggio::Informazione);
    QCOMPARE(info.pulsanti, QList<Pulsante>{Pulsante::Ok});
    QCOMPARE(info.testo, ambiente.messaggi.mostrati.last().testo);
    const QStringList righe = info.testo.split(QStringLiteral("\r\n"));
    QCOMPARE(righe.size(), 7);
    QVERIFY(!info.testo.contains(QLatin1Char('@'))); // no e-mail address we do not have
    QVERIFY(righe[3].count(QLatin1Char('-')) == righe[3].size() && righe[3].size() > 10);
    QVERIFY(righe[6].contains(QStringLiteral("CREDITS.md")));
    QVERIFY(Modulo1::SuoniAttivi);
    QCOMPARE(Modulo1::ContaEsatti, qint16(5));
    QCOMPARE(ambiente.terminazioni, 0);
}

void TestModulo1::confermaUscitaTerminaSoloConSi_data() {
    QTest::addColumn<Pulsante>("risposta");
    QTest::addColumn<int>("terminazioni");
    QTest::newRow("si") << Pulsante::Si << 1;
    QTest::newRow("no") << Pulsante::No << 0;
}

void TestModulo1::confermaUscitaTerminaSoloConSi() {
    QFETCH(Pulsante, risposta);
    QFETCH(int, terminazioni);
    AmbienteDiProva ambiente;
    ambiente.messaggi.rispondi(risposta);
    Modulo1::ConfermaUscita();

    QCOMPARE(ambiente.terminazioni, terminazioni);
    QCOMPARE(ambiente.messaggi.senzaRisposta, 0);
    const Messaggio &domanda = ambiente.messaggi.mostrati.first();
    QCOMPARE(domanda.testo, QStringLiteral("Vuoi uscire dal programma?"));
    QCOMPARE(domanda.titolo, QStringLiteral("Zampirolo 2"));
    QCOMPARE(domanda.icona, IconaMessaggio::Domanda);
    QCOMPARE(domanda.pulsanti, (QList<Pulsante>{Pulsante::Si, Pulsante::No}));
}

void TestModulo1::posizioneNoveArrotondaAlPariPiuVicino_data() {
    QTest::addColumn<double>("valore");
    QTest::addColumn<int>("atteso");
    QTest::newRow("2.5 a 2") << 2.5 << 2;
    QTest::newRow("3.5 a 4") << 3.5 << 4;
    QTest::newRow("7919.4") << 7919.4 << 7919;
    QTest::newRow("7919.6") << 7919.6 << 7920;
}

void TestModulo1::posizioneNoveArrotondaAlPariPiuVicino() {
    QFETCH(double, valore);
    QFETCH(int, atteso);
    AmbienteDiProva ambiente;
    Modulo1::ImpostaPosizione(9, valore);
    QCOMPARE(Modulo1::Posizione9, qint16(atteso));
    Modulo1::ImpostaPosizione(1, valore);
    QCOMPARE(Modulo1::Posizione(1), double(float(valore))); // single precision, not rounded
}

void TestModulo1::finestraQtRestituisceIlPulsanteScelto() {
    FinestreMessaggioQt messaggi;
    QString titoloVisto, testoVisto;
    QMessageBox::Icon iconaVista = QMessageBox::NoIcon;
    bool predefinitoSi = false;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        titoloVisto = box->windowTitle();
        testoVisto = box->text();
        iconaVista = box->icon();
        predefinitoSi = box->defaultButton() == box->button(QMessageBox::Yes);
        box->button(QMessageBox::No)->click();
    });
    const Pulsante scelto = messaggi.mostra({QStringLiteral("Zampirolo 2"),
                                             QStringLiteral("Vuoi tornare al menù?"),
                                             IconaMessaggio::Domanda,
                                             {Pulsante::Si, Pulsante::No},
                                             Pulsante::Si});
    QCOMPARE(scelto, Pulsante::No);
    QCOMPARE(titoloVisto, QStringLiteral("Zampirolo 2"));
    QCOMPARE(testoVisto, QStringLiteral("Vuoi tornare al menù?"));
    QCOMPARE(iconaVista, QMessageBox::Question);
    QVERIFY(predefinitoSi);
}

QTEST_MAIN(TestModulo1)
#include "tst_modulo1.moc"
