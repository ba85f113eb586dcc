#include "support/ambienteeditor.h"

#include "core/modulo1.h"
#include "core/servizi.h"
#include "editor/finestraeditor.h"
#include "editor/grigliatessere.h"
#include "editor/riquadrofigura.h"
#include "editor/tesseraparola.h"
#include "support/schermate.h"

#include <QLineEdit>
#include <QMimeData>
#include <QtTest>

AmbienteEditor::AmbienteEditor(const QStringList &parole)
    : ambiente(gioco.percorso(), 3) {
    gioco.scriviLista(QStringLiteral("TUTTE2.txt"), parole);
    gioco.scriviLista(QStringLiteral("la2.txt"), parole);
    servizi().cartellaUtente = insegnante.path();
    Modulo1::RiempiElencoListe();
}

AmbienteEditor::~AmbienteEditor() {
    chiudiTutte();
}

TesseraParola *tessera(FinestraEditor &editor, const QString &parola) {
    for (TesseraParola *t : editor.findChild<GrigliaTessere *>()->tessere())
        if (t->sillabe().join(QString()) == parola)
            return t;
    return nullptr;
}

bool lasciaFile(FinestraEditor &editor, const QString &percorso) {
    auto *riquadro = editor.findChild<RiquadroFigura *>();
    QMimeData dati;
    dati.setUrls({QUrl::fromLocalFile(percorso)});
    const QPoint centro = riquadro->rect().center();
    QDragEnterEvent entra(centro, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(riquadro, &entra);
    QDropEvent lascia(centro, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(riquadro, &lascia);
    return entra.isAccepted();
}

void clic(QWidget &finestra, const char *nome) {
    QTest::mouseClick(parte(finestra, nome), Qt::LeftButton);
}

void aggiungiParola(FinestraEditor &editor, const QString &parola) {
    auto *campo = parte<QLineEdit>(editor, "parola");
    campo->clear();
    QTest::keyClicks(campo, parola);
    clic(editor, "aggiungi");
}

QStringList paroleDiverse(int quante) {
    const QString vocali = QStringLiteral("aeiou");
    const QString consonanti = QStringLiteral("bcdfglmnprst");
    QStringList parole;
    for (int i = 0; i < quante; ++i) // the first syllable changes every 12 words
        parole << QStringLiteral("%1%2,%3%4")
                      .arg(consonanti[i / 60], vocali[(i / 12) % 5])
                      .arg(consonanti[i % 12], vocali[i % 5]);
    return parole;
}

QString pngRosso(const QString &cartella) {
    QImage disegno(100, 100, QImage::Format_ARGB32);
    disegno.fill(Qt::red);
    const QString png = cartella + QStringLiteral("/rosso.png");
    disegno.save(png);
    return png;
}
