// The game's own code under the clock, in one process:
//   misure passata N CARTELLA       one resizer pass against direct geometry writes
//   misure esercizio N CARTELLA     a new exercise against a bare decode of its pictures
//   misure memoria                  peak memory on the exercise screen, reached as a child would
// Each prints "name value" lines for bench/esegui.sh.
#include "avvio.h"
#include "core/finestremessaggio.h"
#include "core/modulo1.h"
#include "core/riproduttoresuoni.h"
#include "core/servizi.h"
#include "core/sorgentecasuale.h"
#include "exercise/schermataesercizio.h"
#include "ui/clsresize.h"
#include "ui/finestra.h"
#include "ui/twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <malloc.h>
#include <unistd.h>

namespace {

class SuoniMuti : public RiproduttoreSuoni {
public:
    void riproduci(const QString &) override {}
};

// A box would wait for a click nobody gives; the measurement stops and says why instead.
class MessaggiFatali : public FinestreMessaggio {
public:
    Pulsante mostra(const Messaggio &messaggio) override {
        std::fprintf(stderr, "misure: %s\n", qPrintable(messaggio.testo));
        _exit(1);
    }
};

class Conta : public QObject {
public:
    int paint = 0, move = 0, resize = 0;
    QObject *dentro = nullptr;
    bool eventFilter(QObject *o, QEvent *e) override {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || (w != dentro && !static_cast<QWidget *>(dentro)->isAncestorOf(w)))
            return false;
        if (e->type() == QEvent::Paint)
            ++paint;
        else if (e->type() == QEvent::Move)
            ++move;
        else if (e->type() == QEvent::Resize)
            ++resize;
        return false;
    }
    void azzera() { paint = move = resize = 0; }
};

void svuota() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void aspetta(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

QString kib(const char *campo) {
    QFile f(QStringLiteral("/proc/self/status"));
    f.open(QIODevice::ReadOnly);
    for (const QByteArray &riga : f.readAll().split('\n')) {
        if (riga.startsWith(campo))
            return QString::fromLatin1(riga.mid(int(qstrlen(campo))).trimmed().split(' ').first());
    }
    return QStringLiteral("0");
}

void prepara(const QString &cartella, SorgenteMersenne &casuale, SuoniMuti &suoni,
             MessaggiFatali &messaggi) {
    Servizi &s = servizi();
    s.casuale = &casuale;
    s.suoni = &suoni;
    s.messaggi = &messaggi;
    s.cartellaApplicazione = cartella;
    s.terminaProgramma = [] {
        QApplication::exit(0);
    };
    Modulo1::RiempiElencoListe();
    Modulo1::ListaScelta = 0;
    Modulo1::SuoniAttivi = false;
}

// The place the resizer gives each control at the window's current size, written directly.
QVector<QPair<QWidget *, QRect>> posti(Finestra *f, double rapporto) {
    QVector<QPair<QWidget *, QRect>> risultato;
    const clsResize &r = *Modulo1::Ridimensiona;
    const double rx = rapporto * f->ridimensionabile().larghezzaCliente() / r.RecordedWidth();
    const double ry = rapporto * f->ridimensionabile().altezzaCliente() / r.RecordedHeight();
    const auto &controlli = f->controlli();
    for (int i = 0; i < controlli.size(); ++i) {
        const auto &v = r.Layout().at(i);
        risultato.append({controlli.at(i).widget, QRect(pixel(v.Left * rx), pixel(v.Top * ry),
                                                        std::max(0, pixel(v.Width * rx)),
                                                        std::max(0, pixel(v.Height * ry)))});
    }
    return risultato;
}

// What a hand-written resize would do: scale each recorded rectangle and set it, with the
// window's updates held around the whole batch.
[[gnu::noinline]] void scriviDirettamente(Finestra *f) {
    const clsResize &r = *Modulo1::Ridimensiona;
    const double ry = f->ridimensionabile().altezzaCliente() / r.RecordedHeight();
    const double rx = f->ridimensionabile().larghezzaCliente() / r.RecordedWidth();
    const auto &controlli = f->controlli();
    f->setUpdatesEnabled(false);
    for (int c = 0; c < controlli.size(); ++c) {
        const auto &v = r.Layout().at(c);
        controlli.at(c).widget->setGeometry(QRect(pixel(v.Left * rx), pixel(v.Top * ry),
                                                  std::max(0, pixel(v.Width * rx)),
                                                  std::max(0, pixel(v.Height * ry))));
    }
    f->setUpdatesEnabled(true);
}

int passata(int n, const QString &cartella) {
    SorgenteMersenne casuale;
    SuoniMuti suoni;
    MessaggiFatali messaggi;
    prepara(cartella, casuale, suoni, messaggi);
    Finestra *f = mostraDISEGNI1();
    if (!f)
        return 1;
    aspetta(300);
    Conta conta;
    conta.dentro = f;
    qApp->installEventFilter(&conta);
    const auto altrove = posti(f, 0.8);
    const auto scrivi = [](const QVector<QPair<QWidget *, QRect>> &p) {
        for (const auto &c : p)
            c.first->setGeometry(c.second);
    };
    std::printf("controlli %d\n", int(Modulo1::Ridimensiona->Layout().size()));
    for (int i = 0; i < n; ++i) {
        // Each method goes first in every other round, so neither gains from going second.
        for (int volta = 0; volta < 2; ++volta) {
            const int metodo = (volta + i) % 2;
            scrivi(altrove);
            svuota();
            conta.azzera();
            QElapsedTimer t;
            t.start();
            if (metodo == 0) {
                Modulo1::Ridimensiona->ResizeControls();
            } else {
                scriviDirettamente(f);
            }
            const qint64 ns = t.nsecsElapsed();
            const int spostamenti = conta.move + conta.resize;
            svuota();
            std::printf("%s %.4f\n", metodo == 0 ? "passata" : "diretta", ns / 1e6);
            std::printf("%s_eventi %d\n%s_disegni %d\n", metodo == 0 ? "passata" : "diretta",
                        spostamenti, metodo == 0 ? "passata" : "diretta", conta.paint);
        }
        // The same pass again with nothing to change.
        conta.azzera();
        Modulo1::Ridimensiona->ResizeControls();
        svuota();
        std::printf("ferma_disegni %d\n", conta.paint);
    }
    std::fflush(stdout);
    _exit(0);
}

// An application folder whose word lists are written in capitals, as lists typed on old
// machines often are; pictures and sounds are the real ones.
QString cartellaMaiuscola(const QTemporaryDir &tmp, const QString &dati) {
    QDir radice(tmp.path());
    radice.mkdir(QStringLiteral("testizampirolo2"));
    QDir liste(dati + QStringLiteral("/testizampirolo2"));
    for (const QString &nome : liste.entryList(QDir::Files)) {
        QFile in(liste.filePath(nome));
        in.open(QIODevice::ReadOnly);
        QFile out(radice.filePath(QStringLiteral("testizampirolo2/") + nome));
        out.open(QIODevice::WriteOnly);
        // The bundled lists are Windows-1252, whose letters are Latin-1's.
        out.write(QString::fromLatin1(in.readAll()).toUpper().toLatin1());
    }
    for (const char *c : {"images0", "suoni"})
        QFile::link(QDir(dati).absoluteFilePath(QLatin1String(c)),
                    radice.filePath(QLatin1String(c)));
    return tmp.path();
}

int esercizio(int n, const QString &dati, bool maiuscola) {
    SorgenteMersenne casuale;
    SuoniMuti suoni;
    MessaggiFatali messaggi;
    QTemporaryDir tmp;
    prepara(maiuscola ? cartellaMaiuscola(tmp, dati) : dati, casuale, suoni, messaggi);
    auto *f = mostraDISEGNI1();
    if (!f)
        return 1;
    aspetta(300);
    // The real file of each word, found apart from the game's own look-up.
    const QDir figure(dati + QStringLiteral("/images0"));
    QHash<QString, QString> file;
    for (const QString &nome : figure.entryList(QDir::Files))
        file.insert(nome.normalized(QString::NormalizationForm_C).toLower(), figure.filePath(nome));
    for (int i = 0; i < n; ++i) {
        QElapsedTimer t;
        t.start();
        f->GeneraEsercizio();
        const qint64 genera = t.nsecsElapsed();
        QStringList percorsi;
        for (int k = 1; k <= 4; ++k) {
            const QString parola = f->esercizio().parole().parola(f->esercizio().IndiceParola(k));
            percorsi << file.value((parola + QStringLiteral(".jpg"))
                                       .normalized(QString::NormalizationForm_C)
                                       .toLower());
        }
        t.restart();
        for (const QString &percorso : percorsi) {
            QImageReader lettore(percorso);
            if (lettore.read().isNull())
                std::fprintf(stderr, "non leggibile: %s\n", qPrintable(percorso));
        }
        const qint64 decodifica = t.nsecsElapsed();
        svuota();
        std::printf("genera %.4f\ndecodifica %.4f\n", genera / 1e6, decodifica / 1e6);
    }
    std::fflush(stdout);
    _exit(0);
}

// Start, menu, exercise: clicks through the real program as a child would.
int memoria(QApplication &app) {
    auto *passo = new QTimer(qApp);
    int fase = 0;
    QObject::connect(passo, &QTimer::timeout, [&fase] {
        const auto aperta = [](const char *nome) -> QWidget * {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->objectName() == QLatin1String(nome))
                    return w;
            return nullptr;
        };
        const auto premi = [&](const char *finestra, const char *bottone) {
            QWidget *w = aperta(finestra);
            auto *b = w ? w->findChild<QAbstractButton *>(QLatin1String(bottone)) : nullptr;
            if (b)
                b->click();
            return b != nullptr;
        };
        if (fase == 0 && premi("FormAvvio", "Command1"))
            fase = 1;
        else if (fase == 1 && premi("FormMenu", "Command3D1"))
            fase = 2;
        else if (fase >= 2 && aperta("DISEGNI1") && ++fase == 30) {
            if (qEnvironmentVariableIsSet("BENCH_SMAPS")) {
                const struct mallinfo2 mi = mallinfo2();
                std::printf("heap_in_uso %zu\nheap_libero %zu\nmmap %zu\n", mi.uordblks / 1024,
                            mi.fordblks / 1024, mi.hblkhd / 1024);
                QFile in(QStringLiteral("/proc/self/smaps"));
                QFile out(qEnvironmentVariable("BENCH_SMAPS"));
                if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
                    out.write(in.readAll());
            }
            std::printf("picco %s\nresidente %s\n", qPrintable(kib("VmHWM:")),
                        qPrintable(kib("VmRSS:")));
            std::fflush(stdout);
            _exit(0);
        }
    });
    passo->start(20);
    return eseguiProgramma(app);
}

} // namespace

int main(int argc, char *argv[]) {
    const QString modo = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    if (modo == QLatin1String("memoria")) {
        QApplication app(argc, argv);
        return memoria(app);
    }
    if (argc < 4) {
        std::fprintf(stderr, "uso: misure passata|esercizio|minuscola N CARTELLA | memoria\n");
        return 2;
    }
    QApplication app(argc, argv);
    const int n = QString::fromLatin1(argv[2]).toInt();
    const QString cartella = QString::fromLocal8Bit(argv[3]);
    if (modo == QLatin1String("passata"))
        return passata(n, cartella);
    if (modo == QLatin1String("esercizio") || modo == QLatin1String("minuscola"))
        return esercizio(n, cartella, modo == QLatin1String("esercizio"));
    return 2;
}
