#include "avvio.h"
#include "core/fontconfigwarmup.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    FontconfigWarmup caratteri;
    QApplication app(argc, argv);
    caratteri.wait();
    return eseguiProgramma(app);
}
