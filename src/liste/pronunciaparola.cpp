#include "liste/pronunciaparola.h"

#include "liste/sillabazione.h"

namespace {

// One vowel or glide of the pronunciation: the vowel letter it can stand for.
struct Vocale {
    char32_t lettera;
    Suono suono;
};

// eSpeak NG's Italian vowels and glides, with the letter each one is written with.
char32_t letteraDelSuono(char32_t s) {
    switch (s) {
    case U'a':
    case U'ɑ':
    case U'ɐ':
    case U'æ':
        return U'a';
    case U'e':
    case U'ɛ':
    case U'ə':
        return U'e';
    case U'i':
    case U'ɪ':
    case U'j':
    case U'y':
        return U'i';
    case U'o':
    case U'ɔ':
        return U'o';
    case U'u':
    case U'ʊ':
    case U'w':
        return U'u';
    default:
        return 0;
    }
}

char32_t vocaleDellaLettera(char32_t c) {
    if (c >= 0x10000 || !Sillabazione::vocale(QChar(c)))
        return 0;
    static const QString accenti = QStringLiteral("àáèéìíîïòóùúûü");
    static const QString basi = QStringLiteral("aaeeiiiioouuuu");
    const qsizetype k = accenti.indexOf(QChar(c));
    return k >= 0 ? basi.at(k).unicode() : c;
}

// Whether the letter at p may be an i that is only written: after c or g (sc and gl included)
// and before another vowel.
bool puoEssereMuta(const QVector<char32_t> &w, int p) {
    if (w[p] != U'i' || p == 0 || p + 1 >= w.size() || !vocaleDellaLettera(w[p + 1]))
        return false;
    const char32_t prima = w[p - 1];
    return prima == U'c' || prima == U'g' || (prima == U'l' && p >= 2 && w[p - 2] == U'g');
}

} // namespace

QVector<Suono> PronunciaParola::allinea(const QVector<char32_t> &w, const QString &fonemi) {
    QVector<Vocale> vocali;
    bool accento = false;
    for (const char32_t s : QStringView(fonemi).toUcs4()) {
        if (s == U'ˈ') {
            accento = true;
        } else if (s == U' ' || s == U'\n') {
            return {}; // more than one word
        } else if (const char32_t l = letteraDelSuono(s)) {
            // The stress mark stands before the stressed vowel, after a glide (fjˈore).
            const bool glide = s == U'j' || s == U'w';
            vocali.push_back({l, glide     ? Suono::Semivocale
                                 : accento ? Suono::Tonico
                                           : Suono::Atono});
            if (!glide)
                accento = false;
        }
    }
    QVector<Suono> suoni(w.size(), Suono::Nessuno);
    int prossima = 0;
    for (int p = 0; p < w.size(); ++p) {
        const char32_t v = vocaleDellaLettera(w[p]);
        if (!v)
            continue;
        if (prossima < vocali.size() && vocali[prossima].lettera == v) {
            suoni[p] = vocali[prossima].suono;
            ++prossima;
        } else if (puoEssereMuta(w, p)) {
            suoni[p] = Suono::Muto;
        } else {
            return {};
        }
    }
    if (prossima != vocali.size())
        return {};
    return suoni;
}
