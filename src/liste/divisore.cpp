#include "liste/divisore.h"

namespace {

bool vocale(char32_t c) {
    return c < 0x10000 && Sillabazione::vocale(QChar(c));
}
bool forte(char32_t c) {
    return c < 0x10000 && QStringLiteral("aeoàáèéòó").contains(QChar(c));
}
bool debole(char32_t c) {
    return c == U'i' || c == U'u';
}
bool deboleAccentata(char32_t c) {
    return c < 0x10000 && QStringLiteral("ìíîïùúûü").contains(QChar(c));
}
bool accentata(char32_t c) {
    return vocale(c) && !QStringLiteral("aeiou").contains(QChar(c));
}

} // namespace

Divisore::Divisore(QVector<char32_t> lettere, QVector<Suono> s)
    : w(std::move(lettere))
    , suoni(std::move(s))
    , n(int(w.size()))
    , nucleo(n, false) {
    for (char32_t c : w)
        accento = accento || accentata(c);
    for (int i = 0; i < suoni.size(); ++i)
        if (suoni[i] == Suono::Tonico)
            ultimaTonica = i;
}

Divisore::Esito Divisore::dividi() {
    if (dividiMonosillabo())
        return esito;
    segnaNuclei();
    int precedente = -1;
    for (int i = 0; i < n; ++i) {
        if (!nucleo[i])
            continue;
        if (precedente >= 0) {
            if (precedente + 1 == i)
                decidiTraVocali(precedente);
            else
                esito.tagli << inizioAttacco(precedente + 1, i);
        }
        precedente = i;
    }
    esito.senzaVocali = precedente < 0;
    return esito;
}

// A word with just one pair of vowels, an unmarked i or u before a, e or o, would carry an
// accent if the stress fell on the second (più, già): so the i or u is stressed and the two
// vowels split (zi-o, du-e, sci-a).
bool Divisore::dividiMonosillabo() {
    int vocali[2] = {-1, -1};
    int quante = 0;
    for (int i = 0; i < n && quante <= 2; ++i)
        if (vocale(w[i]) && quante++ < 2)
            vocali[quante - 1] = i;
    if (quante != 2 || vocali[1] != vocali[0] + 1)
        return false;
    const int p = vocali[0];
    if (!debole(w[p]) || !QStringLiteral("aeo").contains(QChar(w[p + 1])))
        return false;
    if (w[p] == U'u' && (at(p - 1) == U'q' || at(p - 1) == U'g'))
        return false;
    // The pronunciation knows better when it hears no stress there.
    if (!suoni.isEmpty() && suoni[p] != Suono::Tonico)
        return false;
    esito.tagli << p + 1;
    return true;
}

void Divisore::segnaNuclei() {
    for (int i = 0; i < n; ++i)
        nucleo[i] = vocale(w[i]);
    for (int i = 1; i + 1 < n; ++i) {
        const char32_t prima = w[i - 1];
        if (!vocale(w[i + 1]))
            continue;
        // u after q, and after g before a vowel, is heard as part of the consonant.
        if (w[i] == U'u' && (prima == U'q' || prima == U'g'))
            nucleo[i] = false;
        // i after c, g, sc or gl before another vowel only softens the consonant (cia-o,
        // gio-co, fo-glia), so it is no vowel of its own.
        const bool cg = prima == U'c' || prima == U'g';
        const bool gl = prima == U'l' && at(i - 2) == U'g';
        if (w[i] != U'i' || w[i + 1] == U'i' || deboleAccentata(w[i + 1]) || !(cg || gl))
            continue;
        // The pronunciation tells the softening i from a heard one (far-ma-ci-a).
        if (!suoni.isEmpty()) {
            nucleo[i] = suoni[i] != Suono::Muto;
            continue;
        }
        nucleo[i] = false;
        // Except at the end after a single c or g, where the i may be stressed
        // (far-ma-ci-a, bu-gi-a against ca-mi-cia, va-li-gia).
        const bool doppia = at(i - 2) == prima || (prima == U'c' && at(i - 2) == U's');
        if (cg && !doppia && !accento && i + 2 == n && (w[i + 1] == U'a' || w[i + 1] == U'e'))
            esito.incerti << i + 1;
        // Words made from sci (ski) keep its stressed i: sci-a-re, sci-a-to-re.
        else if (i == 2 && w[0] == U's' && w[1] == U'c' && !accento && i + 2 < n)
            esito.incerti << i + 1;
    }
}

// Two vowels side by side, at a and a + 1, both sounded.
void Divisore::decidiTraVocali(int a) {
    const char32_t x = w[a], y = w[a + 1];
    const bool dividi = [&] {
        if (forte(x) && forte(y))
            return true;
        if (deboleAccentata(x))
            return true;
        if (deboleAccentata(y))
            return !debole(x);
        if (x == y)
            return true;
        // An i between two vowels starts the next syllable (ma-ia-le, a-iuo-la).
        if (y == U'i' && vocale(at(a + 2)))
            return true;
        return false;
    }();
    if (dividi) {
        esito.tagli << a + 1;
        return;
    }
    const bool possibile = iatoPossibile(a);
    if (!suoni.isEmpty()) {
        // A stressed i or u splits from its neighbour (pa-u-ra, li-u-to), an unstressed one
        // stays (pau-sa, spa-zio), and so does a glide beside it (fiu-me, a-iu-to).
        const bool tonicaDebole = (debole(x) && tonica(a) && suoni[a + 1] != Suono::Semivocale) ||
                                  (debole(y) && tonica(a + 1) && suoni[a] != Suono::Semivocale);
        // Before the stress eSpeak writes a full i, not a glide, where ri- and tri- meet a
        // vowel (ri-em-pi-re, tri-on-fo); an unstressed u there may go either way
        // (du-et-to, duet-to).
        const bool primaDellAccento =
            possibile && !tonicaDebole && suoni[a] == Suono::Atono && tonicaDa(a + 1);
        const bool prefisso = (a == 1 && w[0] == U'r') || (a == 2 && w[0] == U't' && w[1] == U'r');
        if (primaDellAccento && x == U'i' && prefisso)
            esito.tagli << a + 1;
        else if (primaDellAccento && x == U'u' && y != U'o')
            esito.incerti << a + 1;
        else if (possibile && tonicaDebole)
            esito.tagli << a + 1;
        // Where the rules are sure of the join and the pronunciation is not, the teacher looks.
        else if (!possibile && tonicaDebole)
            esito.incerti << a + 1;
        return;
    }
    if (possibile)
        esito.incerti << a + 1;
}

// Whether an unmarked i or u joined to another vowel might be stressed and so split off.
bool Divisore::iatoPossibile(int a) const {
    const char32_t x = w[a], y = w[a + 1];
    if (accento)
        return false; // the stress is elsewhere, or on the other vowel
    if (x == U'i' && a > 0 && nucleo[a - 1])
        return false; // the i between two vowels
    if (debole(y) && a + 2 == n)
        return false; // a final i or u is never stressed unless written so (po-i, lu-i)
    if (x == U'u' && y == U'o' && a + 2 < n)
        return false; // uo inside a word (cuo-re, scuo-la, buo-no)
    // i after ch or gh is stressed only in a few nouns of sounds ending in a vowel, ch and
    // -io (luc-ci-chi-o); elsewhere it is a glide (chio-do, ghiac-cio, oc-chio).
    if (x == U'i' && at(a - 1) == U'h' && (at(a - 2) == U'c' || at(a - 2) == U'g') &&
        (a + 2 < n || !vocale(at(a - 3))))
        return false;
    return true;
}

// Consonants fill [da, a): returns where the next syllable starts.
int Divisore::inizioAttacco(int da, int a) const {
    // Each sound: its first position and the letter that stands for it ('K' for ch and gh,
    // 'Q' for qu and gu).
    QVector<int> inizi;
    QVector<char32_t> suoniConsonanti;
    for (int i = da; i < a; ++i) {
        const char32_t c = w[i];
        if (!suoniConsonanti.isEmpty()) {
            const char32_t prima = w[i - 1];
            if (c == U'h' && (prima == U'c' || prima == U'g')) {
                suoniConsonanti.back() = U'K';
                continue;
            }
            // A vowel letter among consonants is the softening i or the u of qu and gu.
            if (vocale(c)) {
                if (c == U'u')
                    suoniConsonanti.back() = U'Q';
                continue;
            }
        }
        inizi << i;
        suoniConsonanti << c;
    }
    // No Italian word starts with more than three consonant sounds (s, then a pair): only the
    // last three need trying, which keeps a long run of consonants linear.
    const int k0 = std::max(0, int(suoniConsonanti.size()) - 3);
    for (int k = k0; k < suoniConsonanti.size(); ++k)
        if (attaccoValido(suoniConsonanti, k))
            return inizi[k];
    return a;
}

// Whether a word could start with the consonant sounds s[da..].
bool Divisore::attaccoValido(const QVector<char32_t> &s, int da) {
    const int quanti = int(s.size()) - da;
    if (quanti == 1)
        return true;
    if (s[da] == U's' && s[da + 1] != U's')
        return attaccoValido(s, da + 1);
    if (quanti != 2)
        return false;
    const char32_t p = s[da], q = s[da + 1];
    if (p == U'g' && q == U'n')
        return true;
    const auto tra = [p](const char *lettere) {
        for (; *lettere; ++lettere)
            if (p == char32_t(*lettere))
                return true;
        return false;
    };
    if (q == U'l')
        return tra("bcfgpK");
    if (q == U'r')
        return tra("bcdfgptvK");
    return false;
}
