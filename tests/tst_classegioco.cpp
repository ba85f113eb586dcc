// The class in the game, on real widgets: "Chi gioca?", the child's name in the title, every
// drop recorded as it was made, and nothing at all without a class.
#include "classe/letturarisultati.h"
#include "classe/registrorisultati.h"
#include "classe/sessioneclasse.h"
#include "core/modulo1.h"
#include "core/servizi.h"
#include "exercise/schermataesercizio.h"
#include "screens/formmenu.h"
#include "screens/sceltabambino.h"
#include "support/cartellaprova.h"
#include "support/schermate.h"
#include "support/testdoubles.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QPointingDevice>
#include <QPushButton>
#include <QtTest>

using namespace NomiEsercizi;

namespace {

// Every file below the folders, with a digest of its content and its time: any write shows.
QStringList fotografia(const QStringList &cartelle) {
    QStringList voci;
    for (const QString &cartella : cartelle) {
        QDirIterator it(cartella, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString percorso = it.next();
            QFile file(percorso);
            QByteArray impronta;
            if (it.fileInfo().isFile() && file.open(QIODevice::ReadOnly))
                impronta =
                    QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
            voci << percorso + ' ' + impronta + ' ' +
                        it.fileInfo().lastModified().toString(Qt::ISODateWithMs);
        }
    }
    voci.sort();
    return voci;
}

// A drop as the results file should hold it, in one line to compare.
QString rilascio(const QString &attesa, const QString &data, bool giusto, Ingresso ingresso) {
    return QStringList{attesa.toUpper(), data.toUpper(), giusto ? "giusto" : "errato",
                       nomeIngresso(ingresso)}
        .join(' ');
}

} // namespace

class TestClasseGioco : public QObject {
    Q_OBJECT

    std::unique_ptr<ProvaSchermate> m_prova;
    std::unique_ptr<QTemporaryDir> m_utente;
    std::unique_ptr<QPointingDevice> m_schermoTattile{QTest::createTouchDevice()};

    void scriviClasse(const QByteArray &testo) {
        scriviFile(m_utente->path() + "/classe/bambini.txt", testo);
    }

private slots:
    void init() {
        m_prova = std::make_unique<ProvaSchermate>();
        m_prova->cartella.scriviLista("ba2.txt", {"ba,le", "bo,a", "bu,co", "bi,ro"});
        m_prova->cartella.scriviLista("ba4.txt", {"bar,ca", "bol,la", "bus,so", "bot,te"});
        m_utente = std::make_unique<QTemporaryDir>();
        servizi().cartellaUtente = m_utente->path();
        Modulo1::RiempiElencoListe();
        Modulo1::ListaScelta = 1;
    }
    void cleanup() { m_prova.reset(); }

    // A family's game: no class file, no "Chi gioca?", and a whole exercise writes nothing.
    void senzaClasseNienteScritto() {
        const QStringList cartelle = {m_utente->path(), m_prova->cartella.percorso()};
        const QStringList prima = fotografia(cartelle);
        FormMenu *menu = FormMenu::mostra();
        QTRY_VERIFY(menu->giaAttivata());
        QVERIFY(!menu->pulsanteChiGioca() && !menu->sceltaBambino());
        SchermataEsercizio *s = apriEsercizio(1);
        QCOMPARE(s->windowTitle(),
                 QStringLiteral("Zampirolo 2 \u2013 BA BE BI BO BU \u2013 facile"));
        trascina(tesseraPer(s, {1, 0}, false), casella(s, {1, 0}));
        for (int membro = 0; membro < 4; ++membro)
            for (int colonna : {1, 2})
                trascina(tesseraPer(s, {colonna, membro}), casella(s, {colonna, membro}));
        QVERIFY(s->controllo(BottoneAvanti)->isEnabled());
        chiudiTutte();
        SessioneClasse::svuota();
        QCOMPARE(fotografia(cartelle), prima);
    }

    // "Chi gioca?" by keyboard, then another child by mouse from the menu; the title names her.
    void chiGioca() {
        scriviClasse("Marta\nLuca;gatto.jpg\nAnna\n\u0001\n");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Riga 4 lasciata fuori"));
        FormMenu *menu = FormMenu::mostra();
        QTRY_VERIFY(menu->giaAttivata());
        SceltaBambino *scelta = menu->sceltaBambino();
        QVERIFY(scelta && scelta->isVisible());
        QCOMPARE(scelta->pulsanti().size(), 3);
        QVERIFY(
            !menu->controllo(NomiMenu::Command3D1)->isVisible()); // under it, out of Tab's reach
        QVERIFY(scelta->pulsanti().first()->height() >= 72);
        QCOMPARE(menu->focusWidget(), scelta->pulsanti().first());
        premi(menu, Qt::Key_Right);
        premi(menu, Qt::Key_Return);
        QCOMPARE(SessioneClasse::bambino(), QStringLiteral("Luca"));
        QVERIFY(!menu->sceltaBambino());
        QVERIFY(menu->controllo(NomiMenu::Command3D1)->isVisible());
        QCOMPARE(menu->pulsanteChiGioca()->text(), QStringLiteral("Gioca:\nLuca"));

        tocca(menu->pulsanteChiGioca());
        QVERIFY(menu->sceltaBambino());
        QCOMPARE(menu->focusWidget(), menu->sceltaBambino()->pulsanti().at(1)); // who plays now
        tocca(menu->sceltaBambino()->pulsanti().first());
        QCOMPARE(SessioneClasse::bambino(), QStringLiteral("Marta"));
        tocca(menu->controllo(NomiMenu::Command3D1));
        eliminaChiuse();
        SchermataEsercizio *s = apriEsercizio(1);
        QVERIFY(s);
        QCOMPARE(s->windowTitle(),
                 QStringLiteral("Zampirolo 2 \u2013 Marta \u2013 BA BE BI BO BU \u2013 facile"));
        // Back on the menu the child stays chosen: no second "Chi gioca?".
        chiudiTutte();
        menu = FormMenu::mostra();
        QTRY_VERIFY(menu->giaAttivata());
        QVERIFY(!menu->sceltaBambino() && menu->pulsanteChiGioca()->isVisible());
    }

    // A whole exercise with a child chosen: exactly the drops made are recorded, right and
    // wrong, by mouse, tap, finger and keyboard, between its start and its completion.
    void ogniRilascioRegistrato() {
        scriviClasse("Marta\n");
        SessioneClasse::caricaElenco();
        SessioneClasse::scegliBambino(QStringLiteral("Marta"));
        SchermataEsercizio *s = apriEsercizio(1);
        QVERIFY(s);
        QStringList attesi;
        const auto annota = [&](Casella c, QWidget *t, bool giusto, Ingresso ingresso) {
            attesi << rilascio(s->esercizio().sillabaAttesa(c), leggiCaption(t), giusto, ingresso);
        };
        QList<Casella> caselle;
        for (int membro = 0; membro < 4; ++membro)
            for (int colonna : {1, 2})
                caselle.append({colonna, membro});

        QWidget *t = tesseraPer(s, caselle.at(0), false);
        annota(caselle.at(0), t, false, Ingresso::Mouse);
        trascina(t, casella(s, caselle.at(0)));
        for (int i = 0; i < caselle.size(); ++i) {
            const Casella c = caselle.at(i);
            t = tesseraPer(s, c);
            const Ingresso ingresso = Ingresso(i % 4);
            annota(c, t, true, ingresso);
            switch (ingresso) {
            case Ingresso::Mouse:
                trascina(t, casella(s, c));
                break;
            case Ingresso::Tap:
                tocca(t);
                tocca(casella(s, c));
                break;
            case Ingresso::Tocco:
                QTest::touchEvent(s, m_schermoTattile.get()).press(0, centro(t), s);
                QTest::touchEvent(s, m_schermoTattile.get()).move(0, centro(casella(s, c)), s);
                QTest::touchEvent(s, m_schermoTattile.get()).release(0, centro(casella(s, c)), s);
                break;
            case Ingresso::Tastiera:
                QVERIFY(tabulaSu(s, t));
                premi(s, Qt::Key_Space);
                QVERIFY(tabulaSu(s, casella(s, c)));
                premi(s, Qt::Key_Return);
                break;
            }
            QCOMPARE(Modulo1::ContaEsatti, qint16(i + 1));
        }
        QCOMPARE(Modulo1::ContaErrati, qint16(1));
        SessioneClasse::svuota();

        const QVector<EventoBambino> eventi = leggiRisultati({cartellaRisultati(m_utente->path())});
        QCOMPARE(eventi.size(), attesi.size() + 2);
        QCOMPARE(eventi.first().evento.tipo, EventoGioco::Tipo::Inizio);
        QCOMPARE(eventi.last().evento.tipo, EventoGioco::Tipo::Completato);
        QStringList letti;
        for (int i = 1; i <= attesi.size(); ++i) {
            const EventoGioco &e = eventi.at(i).evento;
            QVERIFY(e.tipo == EventoGioco::Tipo::Rilascio && !e.parola.isEmpty());
            QCOMPARE(eventi.at(i).bambino + ' ' + e.lista + ' ' + e.livello, "Marta ba facile");
            letti << rilascio(e.attesa, e.data, e.giusto, e.ingresso);
        }
        QCOMPARE(letti, attesi);
        // Leaving the next exercise half done says so.
        tocca(s->controllo(BottoneAvanti));
        trascina(tesseraPer(s, {1, 0}), casella(s, {1, 0}));
        chiudiTutte();
        SessioneClasse::svuota();
        const QVector<EventoBambino> dopo = leggiRisultati({cartellaRisultati(m_utente->path())});
        QCOMPARE(dopo.size(), eventi.size() + 3);
        QCOMPARE(dopo.last().evento.tipo, EventoGioco::Tipo::Lasciato);
    }
};

QTEST_MAIN(TestClasseGioco)
#include "tst_classegioco.moc"
