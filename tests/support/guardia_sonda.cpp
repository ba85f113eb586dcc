// A stand-in for the game in the single-copy tests: it runs the real start-up with scripted
// message boxes and reports on standard output what a person would have seen.
// Usage: guardia_sonda [lock file], the program's own lock file when none is given. Warnings of
// the program's own come first, as "avviso:" lines. Closing standard input ends it. With
// GUARDIA_SONDA_INSIEME set, it first says "pronto" and waits for a line, so that several copies
// can be let go at the same instant.
// "guardia_sonda --nascosto" is instead a live process that hides its program, as gpg-agent does
// (not dumpable, so its /proc/<pid>/exe cannot be read by its own user): it says "pronto" and
// lives until standard input is closed.
#include "core/guardiacopiaunica.h"
#include "core/modulo1.h"
#include "screens/formavvio.h"
#include "support/testdoubles.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

QStringList avvisi;
QtMessageHandler gestorePrecedente = nullptr;

void raccogliAvvisi(QtMsgType tipo, const QMessageLogContext &contesto, const QString &testo) {
    if (tipo == QtWarningMsg && QByteArray(contesto.category).startsWith("zampirolo."))
        avvisi << testo;
    gestorePrecedente(tipo, contesto, testo);
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc == 2 && std::strcmp(argv[1], "--nascosto") == 0) {
        if (::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) != 0)
            return 2;
        std::fputs("pronto\n", stdout);
        std::fflush(stdout);
        char c;
        while (::read(STDIN_FILENO, &c, 1) > 0) {
        }
        return 0;
    }
    QApplication app(argc, argv);
    if (argc > 2)
        return 2;
    gestorePrecedente = qInstallMessageHandler(raccogliAvvisi);
    AmbienteDiProva ambiente;
    GuardiaCopiaUnica guardia(argc == 2 ? QString::fromLocal8Bit(argv[1])
                                        : GuardiaCopiaUnica::percorsoPredefinito());
    QTextStream uscita(stdout);
    if (qEnvironmentVariableIsSet("GUARDIA_SONDA_INSIEME")) {
        uscita << "pronto" << Qt::endl;
        char via = 0;
        if (::read(STDIN_FILENO, &via, 1) != 1)
            return 2;
    }

    const bool avviato = Modulo1::Main(guardia, [] { FormAvvio::mostra(); });
    for (const QString &avviso : avvisi)
        uscita << "avviso: " << avviso << Qt::endl;
    for (const Messaggio &m : ambiente.messaggi.mostrati)
        uscita << "messaggio: " << m.titolo << " | " << m.testo << " | icona " << int(m.icona)
               << " | pulsanti " << m.pulsanti.size() << Qt::endl;
    const QWidgetList finestre = QApplication::topLevelWidgets();
    uscita << "schermate: " << std::count_if(finestre.cbegin(), finestre.cend(), [](QWidget *w) {
        return w->isVisible();
    }) << Qt::endl;
    uscita << (avviato ? "avviato" : "rifiutato") << Qt::endl;
    if (!avviato)
        return 0;

    QSocketNotifier ingresso(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&ingresso, &QSocketNotifier::activated, [&] {
        char riga[64];
        if (::read(STDIN_FILENO, riga, sizeof riga) <= 0)
            QApplication::quit();
    });
    return QApplication::exec();
}
