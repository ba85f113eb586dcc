// The editor's tiles kept from one change to the next: a word added, edited or taken back makes
// or drops its own tile, and every other tile and decoded picture stays as it was.
#include "core/modulo1.h"
#include "core/servizi.h"
#include "editor/finestraeditor.h"
#include "editor/grigliatessere.h"
#include "editor/riquadrofigura.h"
#include "editor/tesseraparola.h"
#include "support/cartellaprova.h"
#include "support/schermate.h"
#include "support/testdoubles.h"

#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QUndoStack>
#include <QtTest>

namespace {

TesseraParola *tessera(FinestraEditor &editor, const QString &parola) {
    for (TesseraParola *t : editor.findChild<GrigliaTessere *>()->tessere())
        if (t->sillabe().join(QString()) == parola)
            return t;
    return nullptr;
}

QPixmap figuraDi(TesseraParola *tessera) {
    for (QLabel *etichetta : tessera->findChildren<QLabel *>())
        if (!etichetta->pixmap().isNull())
            return etichetta->pixmap();
    return {};
}

void clic(QWidget *pulsante) {
    QTest::mouseClick(pulsante, Qt::LeftButton);
    // The tiles let go are deleted later: let them go now, so a pointer to one tells.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class TestTessere : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_gioco = std::make_unique<CartellaProva>();
        const QStringList parole{"la,ma", "lu,na", "me,la"};
        m_gioco->scriviLista(QStringLiteral("TUTTE2.txt"), parole);
        m_gioco->scriviLista(QStringLiteral("la2.txt"), parole);
        m_insegnante = std::make_unique<QTemporaryDir>();
        m_ambiente = std::make_unique<AmbienteDiProva>(m_gioco->percorso(), 3);
        servizi().cartellaUtente = m_insegnante->path();
        Modulo1::RiempiElencoListe();
    }
    void cleanup() {
        chiudiTutte();
        m_ambiente.reset();
        m_insegnante.reset();
        m_gioco.reset();
    }

    // One word added, then given a new picture, then taken back: each time only that word's tile
    // is made (and its picture decoded); the others are the same widgets, not decoded again.
    void soloLaTesseraCambiataSiRifa() {
        FinestraEditor editor(servizi().dati());
        editor.show();
        editor.mostraFile(QStringLiteral("TUTTE"), QStringLiteral("2"));
        const int decodifiche = editor.modello().decodificheMiniature();
        QCOMPARE(decodifiche, 3);
        QPointer<TesseraParola> luna = tessera(editor, "luna");
        QPointer<TesseraParola> mela = tessera(editor, "mela");
        QVERIFY(luna && mela);
        QVERIFY(haColore(figuraDi(luna), CartellaProva::coloreDi("luna")));

        QTest::keyClicks(editor.findChild<QLineEdit *>("parola"), QStringLiteral("lupo"));
        clic(editor.findChild<QWidget *>("aggiungi"));
        QVERIFY(tessera(editor, "lupo"));
        QCOMPARE(tessera(editor, "luna"), luna.data());
        QCOMPARE(tessera(editor, "mela"), mela.data());
        QCOMPARE(editor.modello().decodificheMiniature(), decodifiche + 1);

        // A new picture for "luna": its tile shows it at once, "mela" stays.
        clic(luna->findChild<QWidget *>("modifica"));
        QImage rossa(60, 50, QImage::Format_RGB32);
        rossa.fill(Qt::red);
        const QString png = m_insegnante->filePath("rossa.png");
        QVERIFY(rossa.save(png));
        auto *riquadro = editor.findChild<RiquadroFigura *>();
        QMimeData dati;
        dati.setUrls({QUrl::fromLocalFile(png)});
        const QPoint centro = riquadro->rect().center();
        QDragEnterEvent entra(centro, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(riquadro, &entra);
        QDropEvent lascia(centro, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(riquadro, &lascia);
        clic(editor.findChild<QWidget *>("aggiungi"));
        QVERIFY(!luna);
        QVERIFY(haColore(figuraDi(tessera(editor, "luna")), Qt::red));
        QCOMPARE(tessera(editor, "mela"), mela.data());
        QCOMPARE(editor.modello().decodificheMiniature(), decodifiche + 2);

        // Undone, "luna" has its picture from disk again; the word added stays added.
        editor.pila()->undo();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(haColore(figuraDi(tessera(editor, "luna")), CartellaProva::coloreDi("luna")));
        QVERIFY(tessera(editor, "lupo"));
        QCOMPARE(tessera(editor, "mela"), mela.data());
        QCOMPARE(editor.modello().decodificheMiniature(), decodifiche + 3);
    }

private:
    std::unique_ptr<CartellaProva> m_gioco;
    std::unique_ptr<QTemporaryDir> m_insegnante;
    std::unique_ptr<AmbienteDiProva> m_ambiente;
};

QTEST_MAIN(TestTessere)
#include "tst_tessere.moc"
