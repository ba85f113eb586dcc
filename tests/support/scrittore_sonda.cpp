// Appends events for one child into a folder as the game does, for the tests of several
// computers (or two copies on one) writing at once.
// Usage: scrittore_sonda <folder> <child> <count> <list>. It says "pronto" and waits for a line on
// standard input, so that several copies can be let go at the same instant.
#include "classe/registrorisultati.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 5)
        return 2;
    std::puts("pronto");
    std::fflush(stdout);
    char via[8];
    if (!std::fgets(via, sizeof via, stdin))
        return 3;
    RegistroRisultati registro(a.at(1), QString(), a.at(2));
    for (int i = 0; i < a.at(3).toInt(); ++i) {
        EventoGioco e;
        e.lista = a.at(4);
        e.parola = QStringLiteral("parola%1").arg(i);
        e.attesa = QStringLiteral("BA");
        e.data = QStringLiteral("DA");
        registro.registra(e);
    }
    registro.svuota();
    return 0;
}
