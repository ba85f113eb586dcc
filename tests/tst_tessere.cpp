// The editor's tiles kept from one change to the next: a word added, edited or taken back makes
// or drops its own tile, and every other tile and decoded picture stays as it was; a full list
// makes only the tiles in view.
#include "core/servizi.h"
#include "editor/finestraeditor.h"
#include "editor/grigliatessere.h"
#include "editor/tesseraparola.h"
#include "support/ambienteeditor.h"

#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QUndoStack>
#include <QtTest>

namespace {

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
    void init() { m_e = std::make_unique<AmbienteEditor>(); }
    void cleanup() { m_e.reset(); }

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

        aggiungiParola(editor, QStringLiteral("lupo"));
        QVERIFY(tessera(editor, "lupo"));
        QCOMPARE(tessera(editor, "luna"), luna.data());
        QCOMPARE(tessera(editor, "mela"), mela.data());
        QCOMPARE(editor.modello().decodificheMiniature(), decodifiche + 1);

        // A new picture for "luna": its tile shows it at once, "mela" stays.
        clic(luna->findChild<QWidget *>("modifica"));
        QVERIFY(lasciaFile(editor, pngRosso(m_e->insegnante.path())));
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

    // A full list opens with about a screenful of tiles made and pictures decoded; Tab from
    // tile to tile, and scrolling down, make the rest, in the list's order.
    void unaListaPienaSiFaScorrendo() {
        const QStringList piena = paroleDiverse(499);
        m_e->gioco.scriviLista(QStringLiteral("TUTTE2.txt"), piena);
        FinestraEditor editor(servizi().dati());
        editor.resize(1000, 700);
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        auto *griglia = editor.findChild<GrigliaTessere *>();
        const QList<TesseraParola *> &fatte = griglia->tessere();
        const int subito = int(fatte.size());
        QCOMPARE(griglia->parole(), 499);
        QVERIFY2(subito >= 6 && subito <= 40, qPrintable(QString::number(subito)));
        QCOMPARE(editor.modello().decodificheMiniature(), subito);

        fatte.first()->findChild<QWidget *>("modifica")->setFocus();
        for (int i = 0; i < 2 * subito; ++i)
            QTest::keyClick(editor.focusWidget(), Qt::Key_Tab);
        const auto *raggiunta = qobject_cast<TesseraParola *>(editor.focusWidget()->parent());
        QVERIFY(raggiunta);
        QCOMPARE(raggiunta->sillabe().join(','), piena.at(subito));
        QVERIFY(fatte.size() > subito);

        QScrollBar *barra = griglia->verticalScrollBar();
        for (int i = 0; i < 10 && fatte.size() < 499; ++i)
            barra->setValue(barra->maximum());
        QCOMPARE(fatte.size(), 499);
        for (int i = 0; i < 499; ++i)
            QCOMPARE(fatte.at(i)->sillabe().join(','), piena.at(i));
        QCOMPARE(editor.modello().decodificheMiniature(), 499);
    }

private:
    std::unique_ptr<AmbienteEditor> m_e;
};

QTEST_MAIN(TestTessere)
#include "tst_tessere.moc"
