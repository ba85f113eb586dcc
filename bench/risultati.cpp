// The "Risultati" page on a year of a class: 25 children, 200 school days, 100 drops a day
// (500,000 lines). Prints "risultati_ms <ms>": from nothing to the page painted, files read.
// Usage: risultati [folder to keep the files in; a temporary one by default]
#include "classe/registrorisultati.h"
#include "editor/paginarisultati.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir temporanea;
    const QString radice = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporanea.path();
    const QString cartella = cartellaRisultati(radice);
    QDir().mkpath(cartella);
    const QStringList sillabe = {"BA", "BE", "BI", "BO", "BU", "DA", "DE", "PA", "CA", "TA"};
    const QStringList liste = {"ba", "ca", "da", "pa", "ta"};
    const QDateTime primo(QDate(2025, 9, 15), QTime(9, 0));
    for (int b = 0; b < 25; ++b) {
        QByteArray byte;
        for (int giorno = 0; giorno < 200; ++giorno) {
            for (int r = 0; r < 100; ++r) {
                EventoGioco e;
                e.tempoMs = primo.addDays(giorno).addSecs(r * 20).toMSecsSinceEpoch();
                e.lista = liste.at((b + giorno) % liste.size());
                e.livello = QStringLiteral("facile");
                e.attesa = sillabe.at((r * 7 + b) % sillabe.size());
                e.data =
                    (r + giorno + b) % 4 == 0 ? sillabe.at((r + b) % sillabe.size()) : e.attesa;
                e.giusto = e.data == e.attesa;
                e.parola = e.attesa.toLower() + QStringLiteral("le");
                e.id = QStringLiteral("pc-%1-%2-%3").arg(b).arg(giorno).arg(r);
                byte += rigaEvento(e);
            }
        }
        QFile file(cartella + QStringLiteral("/Bambino%1@pc.jsonl").arg(b));
        if (!file.open(QIODevice::WriteOnly) || file.write(byte) != byte.size())
            return 1;
    }

    QElapsedTimer orologio;
    orologio.start();
    PaginaRisultati pagina({cartella});
    pagina.resize(1000, 700);
    pagina.show();
    pagina.repaint();
    QApplication::processEvents();
    std::printf("risultati_ms %.1f\n", orologio.nsecsElapsed() / 1e6);
    return 0;
}
