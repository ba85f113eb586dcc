// Feeds any bytes to the word-list reader as the game does and stops at the first syllable or
// word that could break a tile, a message or a picture path.

#include "core/applicationfolder.h"
#include "liste/errorelista.h"
#include "liste/lettorelista.h"
#include "liste/problemasillaba.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QStringView>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<QTemporaryDir> cartella;
QString fileLista;
QString cartellaImmagini;

[[noreturn]] void fallisci(const char *motivo, const QString &testo) {
    std::fprintf(stderr, "fuzz_lettorelista: %s: \"%s\"\n", motivo,
                 testoLeggibile(testo).toUtf8().constData());
    std::abort();
}

void controllaSillaba(const QString &sillaba) {
    if (sillaba.isEmpty())
        fallisci("sillaba vuota", sillaba);
    if (sillaba.contains(QLatin1Char('/')) || sillaba.contains(QLatin1Char('\\')))
        fallisci("separatore di cartelle", sillaba);
    if (sillaba.contains(QLatin1String("..")))
        fallisci("\"..\" in una sillaba", sillaba);
    if (sillaba.front().isSpace() || sillaba.back().isSpace())
        fallisci("spazio agli estremi", sillaba);
    for (const char32_t u : QStringView(sillaba).toUcs4())
        if (QChar::category(u) == QChar::Other_Control ||
            QChar::category(u) == QChar::Other_Format || carattereInvisibile(u))
            fallisci("carattere di controllo o invisibile", sillaba);
}

void controllaFigura(const QString &parola) {
    const QString percorso = QDir::fromNativeSeparators(
        percorsoDati(cartella->path(), {CartelleDati::Immagini, parola + QStringLiteral(".jpg")}));
    const QString pulito = QDir::cleanPath(percorso);
    if (!pulito.startsWith(cartellaImmagini + QLatin1Char('/')) ||
        pulito.mid(cartellaImmagini.size() + 1).contains(QLatin1Char('/')) || pulito != percorso)
        fallisci("la figura esce da images0", percorso);
    if (parola.startsWith(QLatin1Char('.')) || parola.endsWith(QLatin1Char('.')))
        fallisci("nome di figura con un punto agli estremi", parola);
}

void controllaMessaggio(const ErroreLista &errore) {
    const QString testo = errore.descrizione();
    for (const QChar c : testo)
        if (c != QLatin1Char('\n') &&
            (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format))
            fallisci("carattere di controllo nel messaggio", testo);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    // Every refused list logs a warning; thousands a second would only slow the run.
    QLoggingCategory::setFilterRules(QStringLiteral("zampirolo.*=false"));
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // A folder in memory where there is one: a file is written for every input.
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    cartella = std::make_unique<QTemporaryDir>(base + QStringLiteral("/zampirolo-fuzz-XXXXXX"));
    if (!cartella->isValid())
        std::abort();
    QDir(cartella->path()).mkpath(CartelleDati::Immagini);
    QDir(cartella->path()).mkpath(CartelleDati::Liste);
    cartellaImmagini = cartella->path() + QLatin1Char('/') + CartelleDati::Immagini;
    fileLista =
        percorsoListaParole(cartella->path(), QStringLiteral("FUZZ"), QStringLiteral("2.txt"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t quanti) {
    {
        QFile file(fileLista);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(dati), qint64(quanti));
    }
    for (const int sillabe : {2, 3}) {
        const RisultatoLettura letto = leggiListaParole(fileLista, sillabe);
        if (letto.errore) {
            if (letto.tabella.numeroRighe() != 0)
                fallisci("errore con parole lette", letto.errore->descrizione());
            controllaMessaggio(*letto.errore);
            continue;
        }
        for (int riga = 1; riga <= letto.tabella.numeroRighe(); ++riga) {
            for (int colonna = 1; colonna <= sillabe; ++colonna)
                controllaSillaba(letto.tabella(riga, colonna));
            controllaFigura(letto.tabella.parola(riga));
        }
    }
    return 0;
}
