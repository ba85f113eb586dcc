// Feeds any bytes to the syllable division, as a teacher might paste them: the first part is
// the word, and what follows a NUL byte is the pronunciation it is given. Stops at the first
// division that loses, adds or cuts a letter, or marks a place outside the word.

#include "liste/fonemiparola.h"
#include "liste/sillabazione.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

struct FonemiDati : FonemiParola {
    QString fonemi(const QString &) override { return pronuncia; }
    QString pronuncia;
};

[[noreturn]] void fallisci(const char *motivo, const QString &parola) {
    std::fprintf(stderr, "fuzz_sillabazione: %s: \"%s\"\n", motivo, parola.toUtf8().constData());
    std::abort();
}

void controlla(const QString &parola, const Divisione &d) {
    if (parola.isEmpty()) {
        if (!d.sillabe.isEmpty())
            fallisci("sillabe senza parola", parola);
        return;
    }
    if (d.sillabe.join(QString()) != parola)
        fallisci("le sillabe non rifanno la parola", parola);
    int fine = 0;
    for (const QString &s : d.sillabe) {
        if (s.isEmpty())
            fallisci("sillaba vuota", parola);
        if (s.front().isLowSurrogate() || s.back().isHighSurrogate())
            fallisci("lettera tagliata in due", parola);
        fine += int(s.size());
    }
    for (int p : d.puntiIncerti)
        if (p <= 0 || p >= fine)
            fallisci("segno fuori dalla parola", parola);
    if (!d.puntiIncerti.isEmpty() && !d.incerta)
        fallisci("segni in una divisione certa", parola);
    const QString testo = Sillabazione::testo(d);
    if (testo.size() != parola.size() + d.sillabe.size() - 1 + d.puntiIncerti.size())
        fallisci("il testo perde o aggiunge segni", parola);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t quanti) {
    const QByteArray tutto(reinterpret_cast<const char *>(dati), qsizetype(quanti));
    const qsizetype zero = tutto.indexOf('\0');
    const QString parola = QString::fromUtf8(zero < 0 ? tutto : tutto.left(zero));
    FonemiDati fonemi;
    fonemi.pronuncia = zero < 0 ? QString() : QString::fromUtf8(tutto.mid(zero + 1));

    const Divisione regole = Sillabazione::sillabaConLeRegole(parola);
    controlla(parola, regole);
    const Divisione conPronuncia = Sillabazione::sillabaConLeRegole(parola, &fonemi);
    controlla(parola, conPronuncia);
    controlla(parola, Sillabazione::sillaba(parola));
    Sillabazione::motivoRifiuto(parola);
    if (Sillabazione::alternativaScolastica(regole.sillabe, regole.sillabe))
        fallisci("una divisione è alternativa di se stessa", parola);
    Sillabazione::alternativaScolastica(regole.sillabe, conPronuncia.sillabe);
    return 0;
}
