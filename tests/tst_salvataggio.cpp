// The list editor never loses a teacher's work: a save writes every file or none, never over a
// change made by someone else, never a file the game would refuse; a refused file is repaired,
// not skipped in silence; an import reads only plain files.
#include "classe/elencobambini.h"
#include "core/servizi.h"
#include "core/transazionefile.h"
#include "editor/finestraeditor.h"
#include "editor/pannelloparola.h"
#include "editor/riparazionelista.h"
#include "editor/scrittorelista.h"
#include "liste/divisioninote.h"
#include "liste/lettorelista.h"
#include "support/ambienteeditor.h"

#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QtTest>

#include <cerrno>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

// Every file under a folder with its bytes: what a failed save must leave exactly as it was.
QMap<QString, QByteArray> contenuto(const QString &cartella) {
    QMap<QString, QByteArray> file;
    QDirIterator it(cartella, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly))
            file.insert(f.fileName(), f.readAll());
    }
    return file;
}

QStringList parole(const QString &percorso, int sillabe = 2) {
    const RisultatoLettura letto = leggiListaParole(percorso, sillabe);
    QStringList tutte;
    for (const QStringList &s : paroleTabella(letto.tabella, sillabe))
        tutte << s.join(QLatin1Char('-'));
    return tutte;
}

} // namespace

class TestSalvataggio : public QObject {
    Q_OBJECT

private slots:
    void init() { m_e = std::make_unique<AmbienteEditor>(); }
    void cleanup() {
        TransazioneFile::guastoDiProva = nullptr;
        if (!m_montata.isEmpty())
            ::umount(QFile::encodeName(m_montata).constData());
        m_montata.clear();
        m_e.reset();
    }

    // Two editors on one folder: the second one's word is neither lost from the lists the first
    // one also changed nor from any other, and the teacher sees what was merged.
    void dueEditorUnisconoLeModifiche() {
        FinestraEditor primo(servizi().dati());
        FinestraEditor secondo(servizi().dati());
        QVERIFY(primo.bloccaCartella());
        m_e->ambiente.messaggi.rispondi(Pulsante::No);
        QVERIFY(!secondo.bloccaCartella());
        QVERIFY(m_e->ambiente.messaggi.mostrati.last().testo.contains("altro editor"));

        aggiungiParola(primo, QStringLiteral("lupo"));
        aggiungiParola(secondo, QStringLiteral("lana"));
        QVERIFY(secondo.salva());
        m_e->ambiente.messaggi.rispondi(Pulsante::Si); // "Salvo così?"
        QVERIFY(primo.salva());
        const QString unione = m_e->ambiente.messaggi.mostrati.last().testo;
        QVERIFY2(unione.contains("TUTTE2.txt") && unione.contains("lu-po"), qPrintable(unione));

        const QString liste = m_e->lista({});
        for (const char *nome : {"TUTTE2.txt", "la2.txt"}) {
            const QStringList lette = parole(liste + nome);
            QVERIFY2(lette.contains("lu-po") && lette.contains("la-na") && lette.contains("me-la"),
                     qPrintable(nome + (": " + lette.join(' '))));
        }
        QVERIFY(parole(liste + "pa2.txt").contains("lu-po"));
        QVERIFY(parole(liste + "na2.txt").contains("la-na"));
        // What the first editor shows is what is on disk now.
        QVERIFY(primo.modello().parole("na", "2").contains({"la", "na"}));
    }

    // A file changed by hand while the teacher works: the hand's addition and the teacher's
    // removal and addition all survive.
    void unCambiamentoAManoResta() {
        FinestraEditor editor(servizi().dati());
        editor.modello().togli(QStringLiteral("luna"));
        aggiungiParola(editor, QStringLiteral("lupo"));
        m_e->gioco.scriviLista(QStringLiteral("TUTTE2.txt"), {"la,ma", "lu,na", "me,la", "ra,na"});
        m_e->ambiente.messaggi.rispondi(Pulsante::Si);
        QVERIFY(editor.salva());
        QCOMPARE(parole(m_e->lista("TUTTE2.txt")),
                 QStringList({"la-ma", "me-la", "ra-na", "lu-po"}));
    }

    // A list the game's reader refuses gets no new word (and says so, with the reader's reason),
    // is not written, and is repaired in its own view: a line dropped or corrected in place.
    void listaRifiutataSiRipara_data() {
        QTest::addColumn<bool>("correggi");
        QTest::newRow("togli la riga") << false;
        QTest::newRow("correggi la riga") << true;
    }
    void listaRifiutataSiRipara() {
        QFETCH(bool, correggi);
        const QByteArray rotta = "\"la\",\"ma\"\r\n\"lu\",\"na\",\"ra\"\r\n\"me\",\"la\"\r\n";
        const QString la2 = m_e->lista("la2.txt");
        scriviFile(la2, rotta);
        FinestraEditor editor(servizi().dati());
        editor.mostraFile("la", "2");
        const QString avviso = parte<QLabel>(editor, "avvisoFile")->text();
        QVERIFY2(avviso.contains("Il gioco non legge la2.txt: parola 2, la riga ha 3 sillabe"),
                 qPrintable(avviso));
        aggiungiParola(editor, QStringLiteral("lana"));
        const QString stato = editor.statusBar()->currentMessage();
        QVERIFY2(stato.contains("Non in la2.txt va riparato"), qPrintable(stato));
        QVERIFY(editor.salva());
        QCOMPARE(contenuto(m_e->insegnante.path()).value(la2), rotta);
        QVERIFY(parole(m_e->lista("TUTTE2.txt")).contains("la-na"));

        editor.mostraFile("la", "2");
        clic(editor, "ripara");
        auto *vista = editor.findChild<RiparazioneLista *>();
        QVERIFY(vista);
        QVERIFY(parte<QLabel>(*vista, "guasto")->text().contains("riga 2"));
        auto *prima = parte<QListWidget>(*vista, "primaDelGuasto");
        QCOMPARE(prima->count(), 1);
        QCOMPARE(prima->item(0)->text(), QStringLiteral("la-ma"));
        auto *riga = parte<QLineEdit>(*vista, "rigaGuasta");
        QCOMPARE(riga->text(), QStringLiteral("\"lu\",\"na\",\"ra\""));
        if (correggi)
            riga->setText(QStringLiteral("\"lu\",\"na\""));
        clic(*vista, correggi ? "correggiRiga" : "togliRiga");
        QVERIFY(!editor.modello().errore("la2.txt"));
        QVERIFY(editor.salva());
        QCOMPARE(parole(la2), correggi ? QStringList({"la-ma", "lu-na", "me-la"})
                                       : QStringList({"la-ma", "me-la"}));
    }

    // Past the game's 500 words a list takes no more: the import refuses word by word and says
    // which, and what is saved is what the game reads.
    void cinquecentoParoleAlPiu() {
        m_e->gioco.scriviLista(QStringLiteral("TUTTE2.txt"), paroleDiverse(MassimoParole - 1));
        FinestraEditor editor(servizi().dati());
        const QString elenco = m_e->insegnante.filePath("elenco.txt");
        scriviFile(elenco, "lupo\nrana\nsera\n");
        editor.importaFile(elenco);
        const QString resoconto = m_e->ambiente.messaggi.mostrati.last().testo;
        QVERIFY2(resoconto.contains("Parole aggiunte: 1.") &&
                     resoconto.contains("rana: TUTTE2.txt ha già 500") &&
                     resoconto.contains("sera: TUTTE2.txt"),
                 qPrintable(resoconto));
        QVERIFY(editor.salva());
        QCOMPARE(parole(m_e->lista("TUTTE2.txt")).size(), MassimoParole);
        // The last check before writing is the game's own reader.
        QVector<QStringList> troppe(MassimoParole + 1, {"la", "ma"});
        const QString scritta =
            scriviFile(m_e->insegnante.filePath("troppe.txt"), testoListaParole(troppe));
        QVERIFY(problemaListaScritta(scritta, troppe, 2).contains("500"));
    }

    // A save that fails anywhere, the picture or a list, leaves every file byte for byte as it
    // was and no temporary file behind; the changes stay in the editor, and it says why.
    void salvataggioAMetaNonCambiaNiente_data() {
        QTest::addColumn<QString>("guasto");
        QTest::newRow("la figura") << "lupo.jpg";
        QTest::newRow("l'ultima lista") << "pa2.txt";
    }
    void salvataggioAMetaNonCambiaNiente() {
        QFETCH(QString, guasto);
        for (const char *nome : {"TUTTE2.txt", "la2.txt"})
            scriviFile(m_e->lista(nome), testoListaParole({{"la", "ma"}, {"lu", "na"}}));
        QDir(m_e->insegnante.path()).mkpath("images0");
        const QMap<QString, QByteArray> prima = contenuto(m_e->insegnante.path());
        FinestraEditor editor(servizi().dati());
        QTest::keyClicks(parte(editor, "parola"), QStringLiteral("lupo"));
        editor.pannello()->usaFileFigura(pngRosso(m_e->insegnante.path()));
        clic(editor, "aggiungi");
        TransazioneFile::guastoDiProva = [guasto](const QString &percorso) {
            return percorso.endsWith(guasto) ? EACCES : 0;
        };
        clic(editor, "salva");
        QMap<QString, QByteArray> dopo = contenuto(m_e->insegnante.path());
        dopo.remove(m_e->insegnante.filePath("rosso.png"));
        QCOMPARE(dopo, prima);
        const QString messaggio = m_e->ambiente.messaggi.mostrati.last().testo;
        QVERIFY2(messaggio.contains(guasto) && messaggio.contains("permesso"),
                 qPrintable(messaggio));
        QVERIFY(!editor.statusBar()->currentMessage().startsWith("Salvato"));
        QVERIFY(editor.modello().modificato());
        TransazioneFile::guastoDiProva = nullptr;
        QVERIFY(editor.salva());
        QVERIFY(QFile::exists(m_e->insegnante.filePath("images0/lupo.jpg")));
    }

    // A full disk: the small list that would have sat in a write buffer is refused at once,
    // and the good file stays.
    void discoPienoNonSostituisceNiente() {
        m_montata = m_e->insegnante.path();
        if (::mount("tmpfs", QFile::encodeName(m_montata).constData(), "tmpfs", 0, "size=200k") !=
            0) {
            m_montata.clear();
            QSKIP("Serve un tmpfs di 200 KiB: montarlo richiede i privilegi di root.");
        }
        const QString la2 = m_e->lista("la2.txt");
        scriviFile(la2, testoListaParole({{"la", "ma"}, {"lu", "na"}}));
        scriviFile(m_e->lista("TUTTE2.txt"), testoListaParole({{"la", "ma"}, {"lu", "na"}}));
        QDir(m_e->insegnante.path()).mkpath("images0");
        const QString bambini = percorsoElencoBambini(m_e->insegnante.path());
        QCOMPARE(salvaElencoBambini(bambini, {{"Marta", {}}}), QString());
        const QString confermate = DivisioniNote::percorsoConfermate(m_e->insegnante.path());
        scriviFile(confermate, "a-tle-ta\n");
        const QMap<QString, QByteArray> prima = contenuto(m_e->insegnante.path());
        {
            QFile riempi(m_e->insegnante.filePath("riempi"));
            QVERIFY(riempi.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (riempi.write(QByteArray(4096, 'x')) == 4096) {
            }
        }
        FinestraEditor editor(servizi().dati());
        aggiungiParola(editor, QStringLiteral("lupo"));
        QVERIFY(!editor.salva());
        QVERIFY(m_e->ambiente.messaggi.mostrati.last().testo.contains("il disco è pieno"));
        // The class's names and the confirmed divisions are written the same way.
        QVERIFY(salvaElencoBambini(bambini, {{"Marta", {}}, {"Luca", {}}}).contains("pieno"));
        DivisioniNote note;
        note.caricaConfermate(confermate);
        QVERIFY(!note.conferma({"fa", "i", "na"}));
        QMap<QString, QByteArray> dopo = contenuto(m_e->insegnante.path());
        dopo.remove(m_e->insegnante.filePath("riempi"));
        QCOMPARE(dopo, prima);
    }

    // A rename refused half-way (here the last target is a folder) puts back the files already
    // replaced and removes the new ones, so the lists never name a picture that is not there.
    void sostituzioneAMetaSiDisfa() {
        const QString vecchia = m_e->insegnante.filePath("la2.txt");
        scriviFile(vecchia, "vecchia\n");
        QDir(m_e->insegnante.path()).mkpath("ma2.txt/dentro");
        const QMap<QString, QByteArray> prima = contenuto(m_e->insegnante.path());
        TransazioneFile transazione;
        transazione.aggiungi(vecchia, "nuova\n");
        transazione.aggiungi(m_e->insegnante.filePath("lupo.jpg"), "figura");
        transazione.aggiungi(m_e->insegnante.filePath("ma2.txt"), "lista\n");
        QVERIFY(!transazione.esegui());
        QVERIFY2(transazione.errore().contains("cartella"), qPrintable(transazione.errore()));
        QCOMPARE(contenuto(m_e->insegnante.path()), prima);
        // Once the folder is gone the same save goes through and leaves no copy behind.
        QVERIFY(QDir(m_e->insegnante.filePath("ma2.txt")).removeRecursively());
        QVERIFY2(transazione.esegui(), qPrintable(transazione.errore()));
        QCOMPARE(QDir(m_e->insegnante.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"la2.txt", "lupo.jpg", "ma2.txt"}));
        QCOMPARE(contenuto(m_e->insegnante.path()).value(vecchia), QByteArray("nuova\n"));
    }

    // Only a plain file of at most 1 MiB is imported: a pipe would block for ever and a device
    // never ends. Decomposed accents are composed first.
    void importaSoloFileNormali_data() {
        QTest::addColumn<QString>("percorso");
        QTest::addColumn<QString>("atteso");
        for (const char *caso :
             {"pipe:fifo:non è un file", "dispositivo:/dev/zero:non è un file",
              "troppo grande:grande.txt:grande", "accenti scomposti:caffe.txt:Parole aggiunte: 2."})
            QTest::newRow(caso) << QString(caso).section(':', 1, 1)
                                << QString(caso).section(':', 2);
    }
    void importaSoloFileNormali() {
        QFETCH(QString, percorso);
        QFETCH(QString, atteso);
        const QDir qui(m_e->insegnante.path());
        if (percorso == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(qui.filePath(percorso)).constData(), 0600), 0);
        if (percorso == "grande.txt")
            scriviFile(qui.filePath(percorso), QByteArray(1024 * 1024 + 1, 'a'));
        if (percorso == "caffe.txt")
            scriviFile(qui.filePath(percorso),
                       QStringLiteral("caffe\u0300\npero\u0300\n").toUtf8());
        FinestraEditor editor(servizi().dati());
        editor.importaFile(qui.filePath(percorso));
        const QString messaggio = m_e->ambiente.messaggi.mostrati.last().testo;
        QVERIFY2(messaggio.contains(atteso), qPrintable(messaggio));
        if (percorso == "caffe.txt")
            QVERIFY(editor.modello().contiene(QStringLiteral("caff\u00E8")));
    }

    // Any set of lists the editor can hold, saved and read back by the game's reader, gives the
    // same words with the same divisions.
    void quelloCheSalvaIlGiocoLoLegge() {
        const QStringList sillabe{"ca", "fè",  "ła", "sci", "gno", "mar", "pe", "ru",
                                  "tò", "ghi", "ba", "zu",  "ple", "bri", "ò"};
        for (quint32 seme = 1; seme <= 20; ++seme) {
            QRandomGenerator caso(seme);
            ModelloListe modello(servizi().dati());
            for (int i = 0; i < 30; ++i) {
                QStringList parola;
                const int quante = 2 + int(caso.bounded(2));
                for (int s = 0; s < quante; ++s)
                    parola << sillabe[int(caso.bounded(sillabe.size()))];
                modello.aggiungi(parola);
            }
            QVERIFY(modello.salva(m_e->insegnante.path()).isEmpty());
            for (const QString &codice : ModelloListe::codici()) {
                for (const char *cifra : {"2", "3", "4", "5"}) {
                    const QVector<QStringList> &tenute = modello.parole(codice, cifra);
                    const QString file = percorsoListaParole(m_e->insegnante.path(), codice,
                                                             cifra + QStringLiteral(".txt"));
                    if (!QFile::exists(file))
                        continue;
                    const int n = ModelloListe::sillabePerParola(cifra);
                    const RisultatoLettura letto = leggiListaParole(file, n);
                    QVERIFY(!letto.errore);
                    QCOMPARE(paroleTabella(letto.tabella, n), tenute);
                }
            }
        }
    }

private:
    std::unique_ptr<AmbienteEditor> m_e;
    QString m_montata;
};

QTEST_MAIN(TestSalvataggio)
#include "tst_salvataggio.moc"
