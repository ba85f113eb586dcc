// The teacher's side of the class: the "Classe" and "Risultati" pages on real widgets, the
// chart's bars, the class folder remembered per account or for the whole computer, and the
// three folders a data file is looked up in.
#include "classe/impostazioniclasse.h"
#include "classe/registrorisultati.h"
#include "core/applicationfolder.h"
#include "core/risolutoredati.h"
#include "editor/finestraclasse.h"
#include "editor/graficorisultati.h"
#include "editor/paginaclasse.h"
#include "editor/paginarisultati.h"
#include "support/cartellaprova.h"
#include "support/testdoubles.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTableWidget>
#include <QtTest>

namespace {

EventoGioco rilascio(const QString &data, const QString &attesa, const QDate &giorno,
                     const QString &lista = QStringLiteral("ba")) {
    EventoGioco e;
    e.tempoMs = QDateTime(giorno, QTime(9, 30)).toMSecsSinceEpoch();
    e.lista = lista;
    e.parola = attesa.toLower() + QStringLiteral("le");
    e.attesa = attesa;
    e.data = data;
    e.giusto = data == attesa;
    return e;
}

QByteArray righe(const QList<EventoGioco> &eventi, const QString &prefisso) {
    QByteArray byte;
    int n = 0;
    for (EventoGioco e : eventi) {
        e.id = prefisso + QString::number(n++);
        byte += rigaEvento(e);
    }
    return byte;
}

QStringList colonna(const QTableWidget *t, int c = 0) {
    QStringList testi;
    for (int r = 0; r < t->rowCount(); ++r)
        testi << t->item(r, c)->text();
    return testi;
}

} // namespace

class TestClasseEditor : public QObject {
    Q_OBJECT

    std::unique_ptr<AmbienteDiProva> m_ambiente;
    std::unique_ptr<QTemporaryDir> m_radice;

private slots:
    void init() {
        m_ambiente = std::make_unique<AmbienteDiProva>();
        m_radice = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_radice->filePath("utente"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                           m_radice->filePath("xdg"));
    }
    void cleanup() { m_ambiente.reset(); }

    void paginaClasse() {
        const QString cartella = m_radice->filePath("classe");
        QImage gatto(40, 40, QImage::Format_RGB32);
        gatto.fill(Qt::gray);
        QDir().mkpath(cartella + "/images0");
        QVERIFY(gatto.save(cartella + "/images0/gatto.jpg"));
        RisolutoreDati dati(m_radice->filePath("app"), {}, cartella);
        scriviFile(percorsoElencoBambini(cartella), "Marta\nMarta\n");
        PaginaClasse pagina(dati, cartella);
        QCOMPARE(pagina.elenco()->count(), 1);
        QVERIFY(pagina.esito()->text().contains("Riga 2 lasciata fuori"));

        const auto scrivi = [&pagina](const QString &nome) {
            pagina.campoNome()->clear();
            QTest::keyClicks(pagina.campoNome(), nome);
        };
        scrivi("  Luca ");
        pagina.sceltaFigura()->setCurrentIndex(pagina.sceltaFigura()->findData("gatto.jpg"));
        QTest::keyClick(pagina.campoNome(), Qt::Key_Return);
        QCOMPARE(pagina.elenco()->count(), 2);
        QCOMPARE(pagina.bambini().last(), (Bambino{"Luca", "gatto.jpg"}));
        QVERIFY(!pagina.elenco()->item(1)->icon().isNull()); // the class folder's picture
        for (const QString &rifiutato : {QString("luca"), QString(" "), QString("Ma\trta")}) {
            scrivi(rifiutato);
            QVERIFY(!pagina.aggiungi());
            QVERIFY(pagina.esito()->text().startsWith("Non aggiungo il nome"));
        }
        QCOMPARE(pagina.elenco()->count(), 2);

        pagina.elenco()->setCurrentRow(0);
        QCOMPARE(pagina.campoNome()->text(), QStringLiteral("Marta"));
        scrivi("Luca");
        QVERIFY(!pagina.rinomina()); // Luca is taken
        scrivi("Martina");
        QVERIFY(pagina.rinomina());
        pagina.elenco()->setCurrentRow(1);
        pagina.togli();
        QVERIFY(pagina.salva());
        QCOMPARE(leggiElencoBambini(percorsoElencoBambini(cartella)).nomi(),
                 QStringList{"Martina"});
    }

    void barre_data() {
        QTest::addColumn<QList<int>>("conteggi"); // right, wrong, right, wrong, ...
        QTest::addRow("un giorno") << QList<int>{3, 1};
        QTest::addRow("tre giorni") << QList<int>{2, 2, 0, 8, 1, 0};
        QTest::addRow("giorni vuoti") << QList<int>{0, 0, 0, 0};
    }
    void barre() {
        QFETCH(QList<int>, conteggi);
        QVector<GiornoGrafico> giorni;
        int massimo = 0;
        for (int i = 0; i < conteggi.size(); i += 2) {
            giorni.append({QDate(2026, 3, 1 + i / 2), conteggi.at(i), conteggi.at(i + 1)});
            massimo = std::max(massimo, conteggi.at(i) + conteggi.at(i + 1));
        }
        const QRectF area(10, 20, 300, 200);
        const QVector<BarraGrafico> barre = barreGrafico(giorni, area);
        QCOMPARE(barre.size(), giorni.size());
        const double unita = area.height() / std::max(1, massimo);
        for (int i = 0; i < barre.size(); ++i) {
            const BarraGrafico &b = barre.at(i);
            QCOMPARE(b.giuste.bottom(), area.bottom());
            QCOMPARE(b.sbagliate.bottom(), b.giuste.top());
            QCOMPARE(b.giuste.height(), giorni.at(i).giuste * unita);
            QCOMPARE(b.sbagliate.height(), giorni.at(i).sbagliate * unita);
            QVERIFY(area.contains(b.giuste.united(b.sbagliate)) || b.giuste.height() == 0);
            if (i > 0)
                QVERIFY(barre.at(i - 1).giuste.right() < b.giuste.left());
            QCOMPARE(b.etichetta, QStringLiteral("%1/3").arg(1 + i));
        }
        QVERIFY(barreGrafico({}, area).isEmpty());
    }

    // The page on a fixture: Marta's confusions in order, her chart's days, the filters, the
    // class view, the export and the deletion that asks first.
    void paginaRisultati() {
        const QString cartella = cartellaRisultati(m_radice->path());
        const QDate lunedi(2026, 3, 2), martedi(2026, 3, 3);
        QList<EventoGioco> marta;
        for (int i = 0; i < 7; ++i)
            marta << rilascio("DA", "BA", i < 4 ? lunedi : martedi);
        for (int i = 0; i < 3; ++i)
            marta << rilascio("BA", "BA", martedi) << rilascio("PA", "BA", martedi);
        marta << rilascio("CE", "CA", martedi, "ca");
        scriviFile(cartella + "/Marta@pc1.jsonl", righe(marta.mid(0, 10), "a"));
        scriviFile(cartella + "/Marta@pc2.jsonl", righe(marta.mid(10), "b")); // another computer
        scriviFile(cartella + "/Luca@pc1.jsonl",
                   righe({rilascio("PA", "BA", lunedi), rilascio("BA", "BA", lunedi)}, "c"));

        PaginaRisultati pagina({cartella});
        QCOMPARE(colonna(pagina.tabellaConfusioni()),
                 (QStringList{"PA al posto di BA: 4 volte (2 bambini)",
                              "DA al posto di BA: 7 volte (1 bambino)",
                              "CE al posto di CA: 1 volta (1 bambino)"}));
        QVERIFY2(
            pagina.sommario()->text().contains("Liste praticate: ba (2 bambini), ca (1 bambino)"),
            qPrintable(pagina.sommario()->text()));
        QCOMPARE(colonna(pagina.tabellaParole(), 1).first(), QStringLiteral("11 (2 bambini)"));
        pagina.scegliBambino("Marta");
        QCOMPARE(colonna(pagina.tabellaConfusioni()),
                 (QStringList{"DA al posto di BA: 7 volte", "PA al posto di BA: 3 volte",
                              "CE al posto di CA: 1 volta"}));
        QCOMPARE(colonna(pagina.tabellaParole()).first(), QStringLiteral("bale"));
        QCOMPARE(colonna(pagina.tabellaParole(), 1).first(), QStringLiteral("10"));
        QVERIFY(pagina.sommario()->text().startsWith("Marta: 2 giorni di gioco, 0 esercizi "
                                                     "completati, 3 giuste e 11 sbagliate"));
        const QVector<GiornoGrafico> &giorni = pagina.grafico()->giorni();
        QCOMPARE(giorni.size(), 2);
        QCOMPARE(giorni.at(0).sbagliate, 4); // hers, not the class's 5
        QVERIFY(!pagina.grafico()->grab().isNull());

        pagina.impostaFiltro({martedi, martedi, "ca"});
        QCOMPARE(colonna(pagina.tabellaConfusioni()), QStringList{"CE al posto di CA: 1 volta"});
        QCOMPARE(pagina.grafico()->giorni().size(), 1);

        const QString csv = m_radice->filePath("esporta.csv");
        QCOMPARE(pagina.esportaCsv(csv), QString());
        QCOMPARE(leggiFile(csv), riepilogoInCsv(pagina.riepilogo()));

        m_ambiente->messaggi.rispondi(Pulsante::No);
        pagina.cancella("Marta");
        QVERIFY(QFile::exists(cartella + "/Marta@pc2.jsonl"));
        m_ambiente->messaggi.rispondi(Pulsante::Si);
        pagina.cancella("Marta");
        QVERIFY(m_ambiente->messaggi.mostrati.last().testo.contains("risultati di Marta"));
        QVERIFY(!QFile::exists(cartella + "/Marta@pc1.jsonl") &&
                !QFile::exists(cartella + "/Marta@pc2.jsonl"));
        QVERIFY(QFile::exists(cartella + "/Luca@pc1.jsonl"));
        m_ambiente->messaggi.rispondi(Pulsante::Si);
        pagina.cancella({});
        QVERIFY(QDir(cartella).isEmpty());
    }

    // The administrator's setting for every account, then the teacher's own, which wins.
    void cartellaDellaClasse() {
        QCOMPARE(cartellaClasseImpostata(), QString());
        scriviFile(m_radice->filePath("xdg/zampirolo2/zampirolo2.conf"),
                   "[classe]\ncartella=/srv/classe-1a\n");
        QCOMPARE(cartellaClasseImpostata(), QStringLiteral("/srv/classe-1a"));
        FinestraClasse finestra(
            RisolutoreDati(m_radice->filePath("app"), m_radice->filePath("mia")));
        QSignalSpy cambiata(&finestra, &FinestraClasse::cartellaCambiata);
        const QString classe = m_radice->filePath("classe");
        finestra.impostaCartella(classe);
        QCOMPARE(cambiata.size(), 1);
        QCOMPARE(cartellaClasseImpostata(), classe);
        finestra.paginaClasse()->campoNome()->setText("Marta");
        QVERIFY(finestra.paginaClasse()->aggiungi() && finestra.paginaClasse()->salva());
        QVERIFY(QFile::exists(percorsoElencoBambini(classe)));
        QVERIFY(!QFile::exists(percorsoElencoBambini(m_radice->filePath("mia"))));
    }

    // A file is the teacher's, else the class's, else the game's.
    void treCartelle_data() {
        QTest::addColumn<QStringList>("dove"); // the folders that have the file
        QTest::addColumn<QString>("atteso");
        QTest::addRow("tutte") << QStringList{"mia", "classe", "app"} << "mia";
        QTest::addRow("classe e gioco") << QStringList{"classe", "app"} << "classe";
        QTest::addRow("solo gioco") << QStringList{"app"} << "app";
        QTest::addRow("mia e gioco") << QStringList{"mia", "app"} << "mia";
    }
    void treCartelle() {
        QFETCH(QStringList, dove);
        QFETCH(QString, atteso);
        for (const QString &c : dove)
            scriviFile(m_radice->filePath(c + "/testizampirolo2/ba2.txt"), c.toUtf8());
        const RisolutoreDati dati(m_radice->filePath("app"), m_radice->filePath("mia"),
                                  m_radice->filePath("classe"));
        QCOMPARE(dati.percorso(CartelleDati::Liste, "ba2.txt"),
                 m_radice->filePath(atteso + "/testizampirolo2/ba2.txt"));
        // A class folder that is gone (an unplugged share) leaves the game's file.
        const RisolutoreDati sparita(m_radice->filePath("app"), {}, m_radice->filePath("niente"));
        QCOMPARE(sparita.percorso(CartelleDati::Liste, "ba2.txt"),
                 m_radice->filePath("app/testizampirolo2/ba2.txt"));
    }
};

QTEST_MAIN(TestClasseEditor)
#include "tst_classeeditor.moc"
