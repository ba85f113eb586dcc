// The list editor driven as a teacher would: a word typed, its division corrected with a click,
// a picture dropped from the file manager, saved; then the game reads what was written.
#include "core/modulo1.h"
#include "core/servizi.h"
#include "editor/divisioneparola.h"
#include "editor/finestraeditor.h"
#include "editor/pannelloparola.h"
#include "editor/sceltafiguragioco.h"
#include "editor/scrittorelista.h"
#include "editor/tesseraparola.h"
#include "exercise/schermataesercizio.h"
#include "liste/divisioninote.h"
#include "liste/lettorelista.h"
#include "liste/sillabazione.h"
#include "support/ambienteeditor.h"
#include "support/schermate.h"
#include "ui/immagine.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>

class TestEditor : public QObject {
    Q_OBJECT

private slots:
    void init() { m_e = std::make_unique<AmbienteEditor>(); }
    void cleanup() { m_e.reset(); }
    // The whole road: the word reaches every list it belongs to in the teacher's folder, in the
    // game's format, with a picture fitted to the game's frame, and the next exercise of its list
    // shows it with that picture.
    void parolaNuovaConFiguraArrivaNelGioco() {
        FinestraEditor editor(servizi().dati());
        editor.show();
        QTest::keyClicks(parte(editor, "parola"), QStringLiteral("Lupo"));
        QCOMPARE(editor.findChild<DivisioneParola *>()->sillabe(), QStringList({"lu", "po"}));
        QVERIFY(parte<QLabel>(editor, "esito")->text().contains("la2.txt"));

        // A red square on a transparent ground, as a PNG dropped from the file manager.
        QImage disegno(100, 100, QImage::Format_ARGB32);
        disegno.fill(Qt::transparent);
        QPainter(&disegno).fillRect(20, 20, 60, 60, Qt::red);
        const QString png = m_e->insegnante.filePath(QStringLiteral("lupo-disegno.png"));
        QVERIFY(disegno.save(png));
        QVERIFY(lasciaFile(editor, png));

        clic(editor, "aggiungi");
        QVERIFY(editor.modello().modificato());
        QCOMPARE(editor.cartellaSalvataggio(), m_e->insegnante.path());
        clic(editor, "salva");
        QVERIFY(!editor.modello().modificato());
        QCOMPARE(m_e->ambiente.messaggi.mostrati.size(), 0);

        const QString liste = m_e->lista({});
        QCOMPARE(
            leggiFile(liste + "la2.txt"),
            QByteArray("\"la\",\"ma\"\r\n\"lu\",\"na\"\r\n\"me\",\"la\"\r\n\"lu\",\"po\"\r\n"));
        for (const char *nome : {"TUTTE2.txt", "pa2.txt"}) {
            const RisultatoLettura letto = leggiListaParole(liste + nome, 2);
            QVERIFY(!letto.errore);
            QCOMPARE(letto.tabella.parola(letto.tabella.numeroRighe()), QStringLiteral("lupo"));
        }
        QVERIFY(!QFile::exists(m_e->gioco.percorso() + QStringLiteral("/testizampirolo2/pa2.txt")));
        const QImage salvata(m_e->insegnante.filePath(QStringLiteral("images0/lupo.jpg")), "JPG");
        QCOMPARE(salvata.size(), QSize(480, 400));
        QVERIFY(haColore(QPixmap::fromImage(salvata.copy(0, 0, 8, 8)), QColor(0xFF, 0xF5, 0xE1)));
        QVERIFY(haColore(QPixmap::fromImage(salvata), Qt::red));

        Modulo1::ListaScelta = 6; // "LA LE LI LO LU"
        SchermataEsercizio *s = mostraDISEGNI1();
        QVERIFY(s);
        int k = 0; // where the new word is
        while (k < 4 &&
               s->esercizio().parole().parola(s->esercizio().IndiceParola(k + 1)) != "lupo")
            ++k;
        QVERIFY(k < 4);
        QVERIFY(haColore(s->controllo<Immagine>(NomiEsercizi::Image1, k)->picture(), Qt::red));
    }
    // An unmarked i or u beside a vowel is where spelling cannot tell: the place is coloured and a
    // click there splits (or joins) the letters.
    void unClicSpostaLaDivisione() {
        FinestraEditor editor(servizi().dati());
        editor.show();
        QTest::keyClicks(parte(editor, "parola"), QStringLiteral("pausa"));
        auto *divisione = editor.findChild<DivisioneParola *>();
        QCOMPARE(divisione->sillabe(), QStringList({"pau", "sa"}));
        QVERIFY(!divisione->spazio(2)->styleSheet().isEmpty());
        QVERIFY(divisione->spazio(3)->styleSheet().isEmpty());
        QTest::mouseClick(divisione->spazio(2), Qt::LeftButton);
        QCOMPARE(divisione->sillabe(), QStringList({"pa", "u", "sa"}));
        QVERIFY(parte<QLabel>(editor, "esito")->text().contains("TUTTE3.txt"));
        QTest::mouseClick(divisione->spazio(3), Qt::LeftButton);
        QCOMPARE(divisione->sillabe(), QStringList({"pa", "usa"}));
    }
    // A division typed with hyphens is hers; adding the word confirms it, stored in her folder,
    // and from then on it is the division everywhere, with nothing left to check.
    void divisioneScrittaEConfermata() {
        DivisioniNote note;
        note.caricaConfermate(DivisioniNote::percorsoConfermate(m_e->insegnante.path()));
        Sillabazione::usaDivisioniNote(&note);
        const auto ripristina = qScopeGuard([] { Sillabazione::usaDivisioniNote(nullptr); });
        FinestraEditor editor(servizi().dati());
        editor.show();
        auto *divisione = editor.findChild<DivisioneParola *>();
        QTest::keyClicks(parte(editor, "parola"), QStringLiteral("pa-u-sa"));
        QCOMPARE(divisione->sillabe(), QStringList({"pa", "u", "sa"}));
        QVERIFY(parte(editor, "aggiungi")->isEnabled());
        QTest::keyClick(parte(editor, "parola"), Qt::Key_Return);
        QCOMPARE(Sillabazione::testo(Sillabazione::sillaba("pausa")), QStringLiteral("pa-u-sa"));

        DivisioniNote riletto;
        riletto.caricaConfermate(DivisioniNote::percorsoConfermate(m_e->insegnante.path()));
        QCOMPARE(riletto.cerca("PAUSA"), QStringList({"pa", "u", "sa"}));
        // A sure division the teacher kept is not stored.
        QTest::keyClicks(parte(editor, "parola"), QStringLiteral("lupo\r"));
        riletto = DivisioniNote();
        riletto.caricaConfermate(DivisioniNote::percorsoConfermate(m_e->insegnante.path()));
        QVERIFY(!riletto.confermata("lupo"));
    }
    void rifiutaLeParoleCheNonSiGiocano_data() {
        QTest::addColumn<QString>("parola");
        QTest::addColumn<QString>("motivo");
        for (const char *caso :
             {"re:una sillaba sola", "elefante:4 sillabe", "ca sa:due parole", "ape2:cifre",
              "l'ape:apostrofo", "ca.sa:solo lettere", "luna:già nel gioco", "aux:Windows riserva"})
            QTest::newRow(caso) << QString(caso).section(':', 0, 0)
                                << QString(caso).section(':', 1);
    }
    void rifiutaLeParoleCheNonSiGiocano() {
        QFETCH(QString, parola);
        QFETCH(QString, motivo);
        FinestraEditor editor(servizi().dati());
        QTest::keyClicks(parte(editor, "parola"), parola + '\r'); // Return adds nothing either
        QVERIFY(!parte(editor, "aggiungi")->isEnabled() && !editor.modello().modificato());
        const QString esito = parte<QLabel>(editor, "esito")->text();
        QVERIFY2(esito.contains(motivo, Qt::CaseInsensitive), qPrintable(esito));
    }
    void chiedePrimaDiPerdereLeModifiche() {
        FinestraEditor editor(servizi().dati());
        editor.show();
        QTest::keyClicks(parte(editor, "parola"), QStringLiteral("lupo\r"));
        QVERIFY(editor.modello().modificato());

        const qsizetype mostrati = m_e->ambiente.messaggi.mostrati.size();
        m_e->ambiente.messaggi.rispondi(Pulsante::Annulla);
        QVERIFY(!editor.close());
        QCOMPARE(m_e->ambiente.messaggi.mostrati.size(), mostrati + 1);
        QVERIFY(editor.isVisible());

        m_e->ambiente.messaggi.rispondi(Pulsante::Si);
        QVERIFY(editor.close());
        QVERIFY(QFile::exists(m_e->lista("la2.txt")));
    }
    void scriveNelFormatoDelGioco_data() {
        QTest::addColumn<QString>("sillabe");
        QTest::addColumn<QByteArray>("atteso");
        QTest::newRow("Windows-1252") << "caf,fè" << QByteArray("\"caf\",\"f\xE8\"\r\n");
        QTest::newRow("UTF-8 solo se serve")
            << "ła,ta" << QByteArray("\xEF\xBB\xBF\"\xC5\x82\x61\",\"ta\"\r\n");
    }
    void scriveNelFormatoDelGioco() {
        QFETCH(QString, sillabe);
        QFETCH(QByteArray, atteso);
        QCOMPARE(testoListaParole({sillabe.split(QLatin1Char(','))}), atteso);
    }
    // A teacher's word list: each word divided and filed, doubtful divisions and unplayable words
    // named; then TUTTE made the union again after a list was changed by hand.
    void importaERicostruisceTutte() {
        ModelloListe modello(servizi().dati());
        // Lines written divided are the teacher's own divisions, kept and compared.
        const ModelloListe::Importazione esito = modello.importa(
            "Lupo\r\nre\n\npausa\nluna\nta-vo-lo\na-tle-ta\n \nape2\nl'ape\ncasa bella\n");
        QCOMPARE(esito.aggiunte, QStringList({"lu-po", "pau-sa", "ta-vo-lo", "a-tle-ta"}));
        QCOMPARE(esito.incerte,
                 QStringList({"pa?u-sa", "a-tle-ta (la divisione automatica è at-le-ta)"}));
        QCOMPARE(esito.rifiutate.size(), 4);
        QVERIFY(esito.rifiutate[1].startsWith("ape2: ") && esito.rifiutate[1].contains("cifre"));
        QCOMPARE(esito.giaPresenti, QStringList({"lu-na"}));
        QCOMPARE(modello.parole(QStringLiteral("sa"), QStringLiteral("4")).size(), 1);

        m_e->gioco.scriviLista("TUTTE2.txt", {"la,ma", "ze,ro"});
        ModelloListe aMano(servizi().dati());
        QCOMPARE(aMano.ricostruisciTutte(), 3); // zero leaves, luna and mela come
        QCOMPARE(aMano.parole("TUTTE", "2"),
                 QVector<QStringList>({{"la", "ma"}, {"lu", "na"}, {"me", "la"}}));
        QCOMPARE(aMano.ricostruisciTutte(), 0);
    }

    // Every change is undone and redone whole with the usual keys; Ctrl+S saves, F1 helps.
    void annullaERifaOgniModifica_data() {
        QTest::addColumn<QString>("azione");
        for (const char *azione : {"aggiungi", "modifica", "togli", "importa", "ricostruisci"})
            QTest::newRow(azione) << azione;
    }
    void annullaERifaOgniModifica() {
        QFETCH(QString, azione);
        if (azione == "ricostruisci")
            m_e->gioco.scriviLista("TUTTE2.txt", {"la,ma"});
        FinestraEditor editor(servizi().dati());
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        const QVector<QStringList> prima = editor.modello().parole("TUTTE", "2");
        if (azione == "aggiungi") {
            QTest::keyClicks(parte(editor, "parola"), QStringLiteral("lupo\r"));
        } else if (azione == "modifica") {
            clic(*tessera(editor, "luna"), "modifica");
            auto *campo = parte<QLineEdit>(editor, "parola");
            campo->selectAll();
            QTest::keyClicks(campo, QStringLiteral("lune\r"));
        } else if (azione == "togli") {
            m_e->ambiente.messaggi.rispondi(Pulsante::Si);
            clic(*tessera(editor, "luna"), "togli");
        } else if (azione == "importa") {
            editor.importaFile(scriviFile(m_e->insegnante.filePath("elenco.txt"), "rana\nsera\n"));
        } else {
            clic(editor, "ricostruisci");
        }
        const QVector<QStringList> dopo = editor.modello().parole("TUTTE", "2");
        QVERIFY(dopo != prima);
        QCOMPARE(editor.pila()->count(), 1);
        QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor.modello().parole("TUTTE", "2"), prima);
        QVERIFY(!editor.modello().modificato());
        QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(editor.modello().parole("TUTTE", "2"), dopo);
        QTest::keyClick(&editor, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!editor.modello().modificato());
        QCOMPARE(editor.modello().parole("TUTTE", "2"), dopo);
        const int mostrati = int(m_e->ambiente.messaggi.mostrati.size());
        QTest::keyClick(&editor, Qt::Key_F1);
        QCOMPARE(m_e->ambiente.messaggi.mostrati.size(), mostrati + 1);
        QVERIFY(m_e->ambiente.messaggi.mostrati.last().testo.contains("Le liste e i livelli"));
    }
    // An edited word keeps its place in every file and its picture, and the panel says it is
    // editing; a word only divided anew keeps the new picture it was given.
    void modificaTieneFiguraEPosto() {
        FinestraEditor editor(servizi().dati());
        editor.mostraFile("la", "2");
        clic(*tessera(editor, "luna"), "modifica");
        QVERIFY(parte<QLabel>(editor, "titoloParola")->text().contains("Modifica parola"));
        auto *campo = parte<QLineEdit>(editor, "parola");
        campo->selectAll();
        QTest::keyClicks(campo, QStringLiteral("lune"));
        clic(editor, "aggiungi");
        QVERIFY(parte<QLabel>(editor, "titoloParola")->text().contains("Nuova parola"));
        for (const char *codice : {"TUTTE", "la"})
            QCOMPARE(editor.modello().parole(codice, "2").at(1), QStringList({"lu", "ne"}));
        QVERIFY(haColore(QPixmap::fromImage(editor.modello().figura("lune")),
                         CartellaProva::coloreDi("luna")));

        QTest::keyClicks(campo, QStringLiteral("pausa"));
        lasciaFile(editor, pngRosso(m_e->insegnante.path()));
        clic(editor, "aggiungi");
        QVERIFY(editor.modello().figuraNuova("pausa"));
        clic(*tessera(editor, "pausa"), "modifica");
        QTest::mouseClick(editor.findChild<DivisioneParola *>()->spazio(2), Qt::LeftButton);
        clic(editor, "aggiungi");
        QVERIFY(editor.modello().parole("TUTTE", "3").contains({"pa", "u", "sa"}));
        QVERIFY(haColore(QPixmap::fromImage(editor.modello().figura("pausa")), Qt::red));
    }
    // A phone photo is decoded already shrunk and fitted like any picture; a file that is not
    // a picture is refused in Italian, never with Qt's English.
    void figureComeLeHaUnInsegnante_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("messaggio");
        for (const char *caso :
             {"foto.jpg:", "vuoto.png:è vuoto", "testo.jpg:non è una figura (PNG, JPEG o SVG)"})
            QTest::newRow(caso) << QString(caso).section(':', 0, 0)
                                << QString(caso).section(':', 1);
    }
    void figureComeLeHaUnInsegnante() {
        QFETCH(QString, file);
        QFETCH(QString, messaggio);
        const QString percorso = m_e->insegnante.filePath(file);
        if (file == "foto.jpg") {
            QImage foto(8000, 6000, QImage::Format_RGB888);
            foto.fill(Qt::red);
            QVERIFY(foto.save(percorso, "JPG", 50));
        } else {
            scriviFile(percorso, file == "testo.jpg" ? "lupo, luna, mela\n" : "");
        }
        FinestraEditor editor(servizi().dati());
        QTest::keyClicks(parte(editor, "parola"), QStringLiteral("lupo"));
        lasciaFile(editor, percorso);
        if (messaggio.isEmpty()) {
            QCOMPARE(m_e->ambiente.messaggi.mostrati.size(), 0);
            const QImage scelta = editor.pannello()->figuraScelta();
            QVERIFY(!scelta.isNull() && scelta.width() <= 960);
            QVERIFY(haColore(QPixmap::fromImage(scelta), Qt::red));
        } else {
            QCOMPARE(m_e->ambiente.messaggi.mostrati.size(), 1);
            const QString testo = m_e->ambiente.messaggi.mostrati.first().testo;
            QVERIFY2(testo.contains(messaggio) && !testo.contains("Unsupported"),
                     qPrintable(testo));
        }
    }

    // Enter adds a word without a picture only when the teacher says so; saving a word without
    // one, or two words with the same picture, asks first.
    void avvisaDelleFigureMancantiOUguali() {
        FinestraEditor editor(servizi().dati());
        m_e->ambiente.messaggi.rispondi(Pulsante::No);
        QTest::keyClicks(parte(editor, "parola"), QStringLiteral("lupo\r"));
        QVERIFY(m_e->ambiente.messaggi.mostrati.last().testo.contains("non ha ancora una figura"));
        QVERIFY(!editor.modello().modificato());
        m_e->ambiente.messaggi.rispondi(Pulsante::Si);
        QTest::keyClick(parte(editor, "parola"), Qt::Key_Return);
        QVERIFY(editor.modello().contiene("lupo"));

        for (const char *parola : {"rana", "pera"}) {
            QTest::keyClicks(parte(editor, "parola"), parola);
            lasciaFile(editor, pngRosso(m_e->insegnante.path()));
            QTest::keyClick(parte(editor, "parola"), Qt::Key_Return);
        }
        m_e->ambiente.messaggi.rispondi(Pulsante::No);
        QVERIFY(!editor.salva());
        const QString avviso = m_e->ambiente.messaggi.mostrati.last().testo;
        QVERIFY2(avviso.contains("Senza figura") && avviso.contains("lu-po") &&
                     avviso.contains("pera e rana"),
                 qPrintable(avviso));
        QVERIFY(editor.modello().modificato());
        QVERIFY(!QFile::exists(m_e->lista("TUTTE2.txt")));
    }

    // "Figura del gioco…" shows the pictures themselves, each with its word.
    void figureDelGiocoInMiniatura() {
        SceltaFiguraGioco scelta(m_e->gioco.percorso() + QStringLiteral("/images0"));
        QListWidget *elenco = scelta.elenco();
        QCOMPARE(elenco->count(), 3);
        QCOMPARE(elenco->item(1)->text(), QStringLiteral("luna"));
        const QPixmap miniatura = elenco->item(1)->icon().pixmap(SceltaFiguraGioco::Lato);
        QVERIFY(haColore(miniatura, CartellaProva::coloreDi("luna")));
        elenco->setCurrentRow(1);
        QVERIFY(scelta.scelta().endsWith("images0/luna.jpg"));
    }

private:
    std::unique_ptr<AmbienteEditor> m_e;
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
