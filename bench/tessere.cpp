// The list editor on its fullest list: TUTTE2 with 499 words, each with its picture, one short of
// the 500 a list may hold. Prints "apertura_ms <ms>": from nothing to the editor showing TUTTE
// painted; then "aggiunta_ms <ms>": one word typed and added, until the tiles are painted again.
// Usage: tessere [folder to keep the game's files in; a temporary one by default]
#include "core/modulo1.h"
#include "core/risolutoredati.h"
#include "editor/finestraeditor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir temporanea;
    QTemporaryDir insegnante;
    const QString radice = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporanea.path();
    const QDir gioco(radice);
    gioco.mkpath(QStringLiteral("testizampirolo2"));
    gioco.mkpath(QStringLiteral("images0"));

    const QStringList consonanti = {"b", "c", "d", "f", "l", "m", "n", "p", "r", "s", "t", "v"};
    const QStringList vocali = {"a", "e", "i", "o", "u"};
    QStringList sillabe;
    for (const QString &c : consonanti)
        for (const QString &v : vocali)
            sillabe << c + v;
    QByteArray lista;
    for (int i = 0; i < 499; ++i) {
        const QString prima = sillabe.at(i / sillabe.size());
        const QString seconda = sillabe.at(i % sillabe.size());
        lista += QStringLiteral("\"%1\",\"%2\"\r\n").arg(prima, seconda).toUtf8();
        QImage figura(480, 400, QImage::Format_RGB32);
        figura.fill(QColor::fromHsv(i % 360, 120, 230));
        QPainter(&figura).fillRect(100, 80, 280, 240, QColor::fromHsv((i * 7) % 360, 200, 150));
        figura.save(gioco.filePath(QStringLiteral("images0/%1%2.jpg").arg(prima, seconda)), "JPG");
    }
    QFile file(gioco.filePath(QStringLiteral("testizampirolo2/TUTTE2.txt")));
    if (!file.open(QIODevice::WriteOnly) || file.write(lista) != lista.size())
        return 1;
    file.close();
    Modulo1::RiempiElencoListe();

    QElapsedTimer orologio;
    orologio.start();
    FinestraEditor editor(RisolutoreDati(radice, insegnante.path()));
    editor.mostraFile(QStringLiteral("TUTTE"), QStringLiteral("2"));
    editor.resize(1000, 700);
    editor.show();
    editor.repaint();
    QApplication::processEvents();
    std::printf("apertura_ms %.1f\n", orologio.nsecsElapsed() / 1e6);

    orologio.restart();
    editor.findChild<QLineEdit *>(QStringLiteral("parola"))->setText(QStringLiteral("lupo"));
    editor.findChild<QAbstractButton *>(QStringLiteral("aggiungi"))->click();
    editor.repaint();
    QApplication::processEvents();
    std::printf("aggiunta_ms %.1f\n", orologio.nsecsElapsed() / 1e6);
    return 0;
}
