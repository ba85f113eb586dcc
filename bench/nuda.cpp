// The floor: what any Qt Widgets program pays on this machine.
//   nuda finestra            a bare QWidget shown, then the event loop (start-up floor)
//   nuda testo               the same window with one line of text: what drawing any text costs
//   nuda memoria FILE...     a bare window showing the decoded pictures; prints its peak memory
#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget finestra;
    finestra.resize(768, 576);
    if (argc > 1 && qstrcmp(argv[1], "memoria") == 0) {
        auto *griglia = new QGridLayout(&finestra);
        for (int i = 2; i < argc; ++i) {
            auto *figura = new QLabel(&finestra);
            figura->setScaledContents(true);
            figura->setPixmap(
                QPixmap::fromImage(QImageReader(QString::fromLocal8Bit(argv[i])).read()));
            griglia->addWidget(figura, (i - 2) / 2, (i - 2) % 2);
        }
        finestra.resize(1024, 768);
        QTimer::singleShot(600, [] {
            if (qEnvironmentVariableIsSet("BENCH_SMAPS")) {
                QFile in(QStringLiteral("/proc/self/smaps"));
                QFile out(qEnvironmentVariable("BENCH_SMAPS"));
                if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
                    out.write(in.readAll());
            }
            QFile f(QStringLiteral("/proc/self/status"));
            f.open(QIODevice::ReadOnly);
            for (const QByteArray &riga : f.readAll().split('\n')) {
                if (riga.startsWith("VmHWM:"))
                    std::printf("picco %s\n", riga.mid(6).trimmed().split(' ').first().constData());
            }
            std::fflush(stdout);
            _exit(0);
        });
    }
    if (argc > 1 && qstrcmp(argv[1], "testo") == 0) {
        auto *riga = new QLabel(QStringLiteral("Zampirolo 2"), &finestra);
        QFont font = riga->font();
        font.setPointSize(48);
        riga->setFont(font);
        riga->adjustSize();
    }
    finestra.show();
    return app.exec();
}
