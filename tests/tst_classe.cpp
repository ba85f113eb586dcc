// The class without widgets: the names file, the results lines, writing and reading them back,
// several writers at once, a folder that goes away, and the teacher's summary.
#include "classe/elencobambini.h"
#include "classe/letturarisultati.h"
#include "classe/registrorisultati.h"
#include "classe/riepilogorisultati.h"
#include "support/cartellaprova.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

EventoGioco rilascio(const QString &data, const QString &attesa, bool giusto,
                     const QString &giorno = QStringLiteral("2026-03-02"),
                     const QString &lista = QStringLiteral("ba"),
                     const QString &parola = QStringLiteral("bale")) {
    EventoGioco e;
    e.tempoMs = QDateTime(QDate::fromString(giorno, Qt::ISODate), QTime(10, 0)).toMSecsSinceEpoch();
    e.lista = lista;
    e.livello = QStringLiteral("facile");
    e.parola = parola;
    e.attesa = attesa;
    e.data = data;
    e.giusto = giusto;
    return e;
}

// Wrong drops of "DA" for "BA" on the list "ba", one for each id.
QByteArray righeConId(const QStringList &id, const QString &parola = QStringLiteral("bale")) {
    QByteArray byte;
    for (const QString &i : id) {
        EventoGioco e = rilascio("DA", "BA", false, "2026-03-02", "ba", parola);
        e.id = i;
        byte += ::rigaEvento(e);
    }
    return byte;
}

} // namespace

class TestClasse : public QObject {
    Q_OBJECT

private slots:
    void elencoBambini_data() {
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<QStringList>("nomi");
        QTest::addColumn<QString>("avviso"); // a part of the only warning, or empty: none
        const auto r = [](const char *nome, const QByteArray &testo, const QStringList &nomi,
                          const char *avviso = "") {
            QTest::newRow(nome) << testo << nomi << QString::fromUtf8(avviso);
        };
        r("due, una figura", "Marta\r\n\r\n  Luca ; gatto.jpg\n", {"Marta", "Luca"});
        r("nome vuoto", "Marta\n ;gatto.jpg\n", {"Marta"},
          "Riga 2 lasciata fuori: il nome è vuoto");
        r("doppione", "Marta\nLuca\nMARTA\n", {"Marta", "Luca"}, "c'è già un bambino");
        r("controllo", "Ma\x07rta\nLuca\n", {"Luca"}, "caratteri che non si possono mostrare");
        r("testo rovesciato", QString("Luca\n\u202Eatram\n").toUtf8(), {"Luca"},
          "Riga 2 lasciata fuori: il nome contiene caratteri");
        r("solo cifre", "123\n", {}, "non contiene lettere");
        r("troppo lungo", "Mariaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\n", {}, "più lungo di 24");
        r("figura fuori da images0", "Marta;../../segreto.jpg\n", {}, "figura");
    }
    void elencoBambini() {
        QFETCH(QByteArray, testo);
        QFETCH(QStringList, nomi);
        QFETCH(QString, avviso);
        const ElencoBambini elenco = analizzaElencoBambini(testo);
        QCOMPARE(elenco.nomi(), nomi);
        QCOMPARE(elenco.avvisi.size(), avviso.isEmpty() ? 0 : 1);
        if (!avviso.isEmpty())
            QVERIFY2(elenco.avvisi.first().contains(avviso), qPrintable(elenco.avvisi.first()));
    }

    // Ten thousand names give a class that fits a screen, one warning, and the file round-trips.
    void elencoGrandeESalvato() {
        QByteArray testo;
        for (int i = 0; i < 10000; ++i)
            testo += "Bimbo" + QByteArray(1, char('a' + i % 26)) + QByteArray::number(i) + '\n';
        QTemporaryDir cartella;
        const QString percorso = percorsoElencoBambini(cartella.path());
        scriviFile(percorso, testo);
        ElencoBambini elenco = leggiElencoBambini(percorso);
        QCOMPARE(elenco.bambini.size(), MassimoBambini);
        QCOMPARE(elenco.avvisi, QStringList{"Una classe ha al massimo 40 bambini: 9960 nomi in "
                                            "più lasciati fuori."});
        elenco.bambini.first().figura = QStringLiteral("gatto.jpg");
        QCOMPARE(salvaElencoBambini(percorso, elenco.bambini), QString());
        QCOMPARE(leggiElencoBambini(percorso).bambini, elenco.bambini);
        scriviFile(percorso, QByteArray(MassimaDimensioneElenco + 1, 'a'));
        QVERIFY(leggiElencoBambini(percorso).vuoto());
        QVERIFY(leggiElencoBambini(percorso).avvisi.value(0).contains("Non posso leggere"));
    }

    void rigaEvento() {
        EventoGioco e = rilascio("DA", "BA", false);
        e.ingresso = Ingresso::Tastiera;
        e.id = QStringLiteral("pc-1-2-3");
        const QByteArray riga = ::rigaEvento(e);
        QVERIFY(riga.endsWith('\n') && riga.count('\n') == 1);
        const RigaLetta letta = leggiRigaEvento(riga.chopped(1));
        QCOMPARE(letta.esito, RigaLetta::Esito::Buona);
        QCOMPARE(::rigaEvento(letta.evento), riga);
        QCOMPARE(leggiRigaEvento(QByteArray(riga).replace("\"v\":1", "\"v\":2").chopped(1)).esito,
                 RigaLetta::Esito::Nuova);
        QCOMPARE(leggiRigaEvento("{\"nome\":\"x\"}").esito, RigaLetta::Esito::Estranea);
    }

    // The quick reader of a year of results and the JSON reader agree on every line, whatever
    // its texts, key order or spacing.
    void letturaVeloce_data() {
        QTest::addColumn<QByteArray>("riga");
        EventoGioco e = rilascio("DÀ", "BA", true);
        e.ingresso = Ingresso::Tocco;
        e.id = QStringLiteral("pc-1-7");
        QTest::addRow("scritta dal gioco") << ::rigaEvento(e).chopped(1);
        e.parola = QStringLiteral("ba\"le\\\n");
        QTest::addRow("caratteri speciali") << ::rigaEvento(e).chopped(1);
        QTest::addRow("spazi e ordine") << QByteArray(
            "{ \"id\" : \"x\", \"giusto\" : false , \"tipo\":\"completato\",\"durata\":1.5e3,"
            "\"v\":1,\"t\":-5}");
        QTest::addRow("annidata") << QByteArray("{\"v\":1,\"tipo\":\"inizio\",\"extra\":[1,2]}");
        QTest::addRow("nuova") << QByteArray("{\"v\":2,\"tipo\":\"inizio\"}");
        QTest::addRow("estranea") << QByteArray("{\"v\":1,\"tipo\":\"salto\"}");
        QTest::addRow("rotta") << QByteArray("{\"v\":1,\"tipo\":\"ini");
    }
    void letturaVeloce() {
        QFETCH(QByteArray, riga);
        const RigaLetta veloce = leggiRigaComeIlLettore(riga);
        const RigaLetta json = leggiRigaEvento(riga);
        QCOMPARE(veloce.esito, json.esito);
        QCOMPARE(::rigaEvento(veloce.evento), ::rigaEvento(json.evento));
    }

    // Files are read whole or skipped whole, each with one log line; only a torn last line is
    // left out quietly, and a line copied twice counts once.
    void letturaRisultati() {
        QTemporaryDir radice;
        const QString cartella = cartellaRisultati(radice.path());
        QByteArray buone;
        for (int i = 0; i < 3; ++i) {
            EventoGioco e = rilascio("DA", "BA", i == 1);
            e.id = QStringLiteral("id%1").arg(i);
            buone += ::rigaEvento(e);
        }
        scriviFile(cartella + "/Marta@pc1.jsonl",
                   buone + buone.left(buone.indexOf('\n')).chopped(5));
        // The same lines moved twice, then a damaged line and a new one: only the damaged
        // line is lost.
        EventoGioco nuovo = rilascio("BA", "BA", true);
        nuovo.id = QStringLiteral("id3");
        scriviFile(cartella + "/Marta@pc2.jsonl", buone + "{\"v\":1,\"ti\n" + ::rigaEvento(nuovo));
        scriviFile(cartella + "/Luca@pc1.jsonl", "nome,cognome\nLuca,Rossi\n");
        scriviFile(cartella + "/appunti.jsonl", buone);
        scriviFile(cartella + "/Anna@pc1.jsonl", QByteArray(buone).replace("\"v\":1", "\"v\":9"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Luca@pc1.*non è un file"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("appunti.*il nome non"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Anna@pc1.*più recente"));
        const QVector<EventoBambino> eventi = leggiRisultati({cartella});
        QCOMPARE(eventi.size(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(eventi.at(i).bambino, QStringLiteral("Marta"));
            QCOMPARE(eventi.at(i).evento.id, QStringLiteral("id%1").arg(i));
        }
        QCOMPARE(cancellaRisultati({cartella}, QStringLiteral("Marta")), QStringList());
        QVERIFY(!QFile::exists(cartella + "/Marta@pc2.jsonl"));
        QVERIFY(QFile::exists(cartella + "/appunti.jsonl") &&
                QFile::exists(cartella + "/Anna@pc1.jsonl"));
    }

    // Each id counts once across files and within one; ids that share a counter, a copy's
    // name or digits are different lines, and lines without an id all count.
    void idContatiUnaVolta_data() {
        QTest::addColumn<QStringList>("primo");
        QTest::addColumn<QStringList>("secondo");
        QTest::addColumn<QStringList>("letti");
        const QStringList tre{"pc-7-1", "pc-7-2", "pc-7-64"};
        QTest::addRow("ripetute") << tre + tre << tre << tre;
        const QStringList simili{"pc-7-1", "pc-8-1", "pc-1-23", "pc-12-3", "pc-123", "x-1",
                                 "x-01",   "x-+1",   "x-",      "-1",      "x",      ""};
        QTest::addRow("simili") << simili
                                << QStringList{"pc-8-1", "pc-12-3", "x-01", "x", "", "pc-7-2"}
                                << simili + QStringList{"", "pc-7-2"};
        // Kept aside at first; by the second file, the bits of copy "a" reach 300000.
        QStringList grandi{"a-5000000000", "a-1048576", "a-300000"};
        for (int i = 1; i <= 80; ++i)
            grandi << QStringLiteral("b-%1").arg(i);
        QTest::addRow("contatori grandi")
            << grandi << QStringList{"a-5000000000", "a-5000000001", "a-1048576", "a-300000"}
            << grandi + QStringList{"a-5000000001"};
    }
    void idContatiUnaVolta() {
        QFETCH(QStringList, primo);
        QFETCH(QStringList, secondo);
        QFETCH(QStringList, letti);
        QTemporaryDir cartella;
        scriviFile(cartella.path() + "/Marta@pc1.jsonl", righeConId(primo));
        scriviFile(cartella.path() + "/Marta@pc2.jsonl", righeConId(secondo));
        QStringList id;
        for (const EventoBambino &e : leggiRisultati({cartella.path()}))
            id << e.evento.id;
        QCOMPARE(id, letti);
    }

    // Children one after the other on the same list: each child and the list count apart.
    void bambiniStessaLista() {
        QTemporaryDir cartella;
        for (const QString &b : QStringList{"Luca", "Marta", "Zoe"})
            scriviFile(cartella.path() + "/" + b + "@pc1.jsonl",
                       righeConId({b + "-1", b + "-2"}, b));
        const RiepilogoClasse r = riepiloga(leggiRisultatiLetti({cartella.path()}), {});
        QCOMPARE(r.bambini.value(1).parole.value(0).parola, QStringLiteral("Marta"));
        QCOMPARE(r.liste.value(0).bambini, 3);
        QCOMPARE(r.confusioni.value(0).bambini, 3);
    }

    void nomeFileSicuro() {
        const QString nome =
            nomeFileRisultati(QStringLiteral("Zoë/..\\x"), QStringLiteral("aula 3"));
        QVERIFY(!nome.contains('/') && !nome.contains('\\'));
        QCOMPARE(bambinoDelFile(nome), QStringLiteral("Zoë/..\\x"));
    }

    // Two copies writing for the same child into one folder lose nothing and tear nothing.
    void dueProcessiNonPerdonoNulla() {
        QTemporaryDir radice;
        QList<QProcess *> processi;
        for (const char *lista : {"ba", "ca"}) {
            auto *p = new QProcess(this);
            p->start(QStringLiteral(SCRITTORE_SONDA),
                     {radice.path(), QStringLiteral("Marta"), QStringLiteral("2000"),
                      QString::fromLatin1(lista)});
            processi << p;
        }
        // Both ready before either writes, so their writes overlap.
        for (QProcess *p : processi)
            QVERIFY(p->waitForReadyRead(30000) && p->readLine().startsWith("pronto"));
        for (QProcess *p : processi)
            p->write("via\n");
        for (QProcess *p : processi) {
            QVERIFY(p->waitForFinished(60000));
            QCOMPARE(p->exitCode(), 0);
        }
        const QString file =
            cartellaRisultati(radice.path()) + "/" + nomeFileRisultati("Marta", computerLocale());
        const QByteArrayList righe = leggiFile(file).split('\n');
        QCOMPARE(righe.size(), 4001); // and a newline at the end
        QHash<QString, QSet<QString>> perLista;
        for (const QByteArray &riga : righe.mid(0, 4000)) {
            const RigaLetta letta = leggiRigaEvento(riga);
            QCOMPARE(letta.esito, RigaLetta::Esito::Buona);
            perLista[letta.evento.lista].insert(letta.evento.parola);
        }
        QCOMPARE(perLista.value("ba").size(), 2000);
        QCOMPARE(perLista.value("ca").size(), 2000);
        QCOMPARE(leggiRisultati({cartellaRisultati(radice.path())}).size(), 4000);
    }

    // Records opened one after the other in the same millisecond (the child changed at once)
    // keep distinct ids, so the reader counts every line.
    void registriNelloStessoIstante() {
        QTemporaryDir classe, locale;
        for (int i = 0; i < 20; ++i) {
            RegistroRisultati registro(classe.path(), locale.path(), "Marta");
            registro.registra(rilascio("DA", "BA", false));
            registro.svuota();
        }
        QCOMPARE(leggiRisultati({cartellaRisultati(classe.path())}).size(), 20);
    }

    // A class folder that cannot be written: said once, lines kept here, moved over whole when
    // it can be written again, and never counted twice.
    void cartellaSparita() {
        QTemporaryDir classe, locale;
        // A file where the results folder should be: nothing can be written below it.
        scriviFile(cartellaRisultati(classe.path()), "non una cartella");
        const QString nome = nomeFileRisultati("Marta", computerLocale());
        {
            RegistroRisultati registro(classe.path(), locale.path(), "Marta");
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression("Non posso scrivere i risultati.*li tengo"));
            for (int i = 0; i < 3; ++i)
                registro.registra(rilascio("DA", "BA", false));
            registro.svuota();
        }
        const QString attesa = cartellaRisultatiInAttesa(locale.path()) + "/" + nome;
        QCOMPARE(leggiFile(attesa).count('\n'), 3);
        // A power cut tore the last waiting line: it stays behind, the whole ones move.
        scriviFile(attesa, leggiFile(attesa) + "{\"v\":1,\"ti");
        QFile::remove(cartellaRisultati(classe.path()));
        {
            RegistroRisultati registro(classe.path(), locale.path(), "Marta");
            registro.registra(rilascio("BA", "BA", true));
            registro.svuota();
        }
        QVERIFY(!QFile::exists(attesa));
        const QVector<EventoBambino> eventi = leggiRisultati({cartellaRisultati(classe.path())});
        QCOMPARE(eventi.size(), 4);
        QVERIFY(!eventi.at(0).evento.giusto && eventi.at(3).evento.giusto);
        // Moved twice (the removal failed the first time): still four.
        const QString mossi = cartellaRisultati(classe.path()) + "/" + nome;
        const QByteArray tutto = leggiFile(mossi);
        scriviFile(mossi, tutto + tutto.left(tutto.indexOf('\n') + 1));
        QCOMPARE(leggiRisultati({cartellaRisultati(classe.path())}).size(), 4);
    }

    void riepilogo() {
        QVector<EventoBambino> eventi;
        const auto aggiungi = [&eventi](const QString &bambino, const EventoGioco &e,
                                        int volte = 1) {
            for (int i = 0; i < volte; ++i) {
                EventoGioco copia = e;
                copia.id = QStringLiteral("%1-%2").arg(bambino).arg(eventi.size());
                eventi.append({bambino, copia});
            }
        };
        aggiungi("Marta", rilascio("da", "ba", false, "2026-03-02", "ba", "bale"), 5);
        aggiungi("Marta", rilascio("DA", "BA", false, "2026-03-03", "ba", "bagno"), 2);
        aggiungi("Marta", rilascio("BE", "BA", false, "2026-03-03", "ba", "bagno"), 3);
        aggiungi("Marta", rilascio("BA", "BA", true, "2026-03-03"), 4);
        aggiungi("Marta", rilascio("PA", "CA", false, "2026-04-01", "ca", "casa"));
        EventoGioco fatto = rilascio({}, {}, false, "2026-03-03");
        fatto.tipo = EventoGioco::Tipo::Completato;
        aggiungi("Marta", fatto, 2);
        aggiungi("Luca", rilascio("BE", "BA", false, "2026-03-02"));
        aggiungi("Luca", rilascio("BA", "BA", true, "2026-03-02"), 6);

        const RiepilogoClasse tutto = riepiloga(eventi, {});
        QCOMPARE(tutto.bambini.size(), 2);
        const RiepilogoBambino &marta = tutto.bambini.at(1);
        QCOMPARE(marta.bambino, QStringLiteral("Marta")); // her counts: in the CSV below
        QStringList confusioni;
        for (const Confusione &c : marta.confusioni)
            confusioni << testoConfusione(c);
        QCOMPARE(confusioni,
                 (QStringList{"DA al posto di BA: 7 volte", "BE al posto di BA: 3 volte",
                              "PA al posto di CA: 1 volta"}));
        // bagno 2 + 3 times, bale 5: equal counts go in alphabetical order. The chart has one
        // point a day, in order.
        QStringList parole, grafico;
        for (const ParolaTentativi &p : marta.parole)
            parole << QStringLiteral("%1 %2").arg(p.parola).arg(p.sbagliate);
        for (const GiornoGrafico &g : marta.grafico)
            grafico << QStringLiteral("%1 %2+%3")
                           .arg(g.giorno.toString(Qt::ISODate))
                           .arg(g.giuste)
                           .arg(g.sbagliate);
        QCOMPARE(parole, (QStringList{"bagno 5", "bale 5", "casa 1"}));
        QCOMPARE(grafico, (QStringList{"2026-03-02 0+5", "2026-03-03 4+5", "2026-04-01 0+1"}));

        // The class: BE for BA is made by two children, so it comes before DA for BA.
        QCOMPARE(testoConfusione(tutto.confusioni.first()),
                 QStringLiteral("BE al posto di BA: 4 volte"));
        QCOMPARE(tutto.confusioni.first().bambini, 2);
        // Its hardest words: bale 5 times for Marta and once for Luca.
        const ParolaTentativi &prima = tutto.parole.first();
        QCOMPARE(std::tie(prima.parola, prima.sbagliate, prima.bambini),
                 std::make_tuple(QStringLiteral("bale"), 6, 2));
        QCOMPARE(tutto.liste.first().lista, QStringLiteral("ba"));
        QCOMPARE(tutto.liste.first().rilasci, 21); // Marta 14, Luca 7
        QCOMPARE(tutto.liste.first().bambini, 2);

        FiltroRisultati marzo{QDate(2026, 3, 3), QDate(2026, 3, 31), QStringLiteral("ba")};
        const RiepilogoClasse filtrato = riepiloga(eventi, marzo);
        QCOMPARE(filtrato.bambini.size(), 1);
        QCOMPARE(filtrato.bambini.first().giorni, 1);
        QCOMPARE(filtrato.bambini.first().sbagliate, 5);
        QCOMPARE(listeNeiRisultati(eventi), (QStringList{"ba", "ca"}));

        const QByteArray csv = riepilogoInCsv(tutto);
        QVERIFY(csv.startsWith("Bambino,Giorni di gioco,"));
        QVERIFY2(csv.contains("\r\nMarta,3,2,4,11,DA al posto di BA: 7 volte; BE al posto"), csv);
        RiepilogoClasse pericoloso;
        pericoloso.bambini.append(RiepilogoBambino{});
        pericoloso.bambini.first().bambino = QStringLiteral("=1+1,\"x\"");
        QVERIFY(riepilogoInCsv(pericoloso).contains("\"'=1+1,\"\"x\"\"\""));
    }
};

QTEST_GUILESS_MAIN(TestClasse)
#include "tst_classe.moc"
