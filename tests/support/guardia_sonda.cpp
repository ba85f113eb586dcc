// A stand-in for the game in the single-copy tests: it runs the real start-up with scripted
// message boxes and reports on standard output what a person would have seen.
// Usage: guardia_sonda <lock file>. While it runs, "stato" on standard input prints how many
// screens are open; closing standard input ends it.
#include "core/modulo1.h"
#include "core/guardiacopiaunica.h"
#include "screens/formavvio.h"
#include "support/testdoubles.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <unistd.h>

namespace {

int schermateAperte() {
    int aperte = 0;
    for (QWidget *finestra : QApplication::topLevelWidgets())
        aperte += finestra->isVisible() ? 1 : 0;
    return aperte;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    AmbienteDiProva ambiente;
    GuardiaCopiaUnica guardia(QString::fromLocal8Bit(argv[1]));
    QTextStream uscita(stdout);

    const bool avviato = Modulo1::Main(guardia, [] { FormAvvio::mostra(); });
    for (const Messaggio &m : ambiente.messaggi.mostrati)
        uscita << "messaggio: " << m.titolo << " | " << m.testo << " | icona " << int(m.icona)
               << " | pulsanti " << m.pulsanti.size() << Qt::endl;
    uscita << "schermate: " << schermateAperte() << Qt::endl;
    uscita << (avviato ? "avviato" : "rifiutato") << Qt::endl;
    if (!avviato)
        return 0;

    QSocketNotifier ingresso(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&ingresso, &QSocketNotifier::activated, [&] {
        char riga[64];
        const ssize_t letti = ::read(STDIN_FILENO, riga, sizeof riga);
        if (letti <= 0) {
            QApplication::quit();
            return;
        }
        uscita << "schermate: " << schermateAperte() << Qt::endl;
    });
    return QApplication::exec();
}
