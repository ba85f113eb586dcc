#include "liste/sillabazione.h"

#include <QHash>

namespace {

const QString Forti = QStringLiteral("aeoàáèéòó");
const QString DeboliAccentate = QStringLiteral("ìíîïùúûü");

bool forte(QChar c) {
    return Forti.contains(c);
}
bool debole(QChar c) {
    return c == QLatin1Char('i') || c == QLatin1Char('u');
}
bool deboleAccentata(QChar c) {
    return DeboliAccentate.contains(c);
}
bool accentata(QChar c) {
    return Sillabazione::vocale(c) && !QStringLiteral("aeiou").contains(c);
}

// Letter by letter, so every position in the result is the same letter of the word as given
// (QString::toLower may lengthen some letters).
QString minuscole(const QString &parola) {
    QString m = parola;
    for (QChar &c : m)
        c = c.toLower();
    return m;
}

QString unisci(const QStringList &sillabe) {
    return sillabe.join(QString());
}

QStringList taglia(const QString &parola, const QVector<int> &tagli) {
    QStringList sillabe;
    int inizio = 0;
    for (int t : tagli) {
        sillabe << parola.mid(inizio, t - inizio);
        inizio = t;
    }
    sillabe << parola.mid(inizio);
    return sillabe;
}

const QHash<QString, QVector<int>> &tagliDelleParoleConIato() {
    static const QHash<QString, QVector<int>> tagli = [] {
        QHash<QString, QVector<int>> h;
        for (const QString &divisa : Sillabazione::paroleConIato()) {
            const QStringList sillabe = divisa.split(QLatin1Char('-'));
            QVector<int> posizioni;
            int p = 0;
            for (int i = 0; i + 1 < sillabe.size(); ++i)
                posizioni << (p += sillabe.at(i).size());
            h.insert(unisci(sillabe), posizioni);
        }
        return h;
    }();
    return tagli;
}

// Works on the word in lower case; positions are the same in the word as given.
class Divisore {
public:
    explicit Divisore(const QString &p)
        : w(p)
        , n(int(p.size()))
        , nucleo(n, false) {}

    Divisione dividi(const QString &originale) {
        Divisione d;
        if (dividiMonosillabo()) {
            d.sillabe = taglia(originale, tagli);
            return d;
        }
        segnaNuclei();
        int precedente = -1;
        for (int i = 0; i < n; ++i) {
            if (!nucleo[i])
                continue;
            if (precedente >= 0) {
                if (precedente + 1 == i)
                    decidiTraVocali(precedente);
                else
                    tagli << inizioAttacco(precedente + 1, i);
            }
            precedente = i;
        }
        d.sillabe = taglia(originale, tagli);
        d.puntiIncerti = incerti;
        d.incerta = !incerti.isEmpty() || precedente < 0;
        return d;
    }

private:
    QChar at(int i) const { return i >= 0 && i < n ? w.at(i) : QChar(); }
    bool haAccento() const {
        for (QChar c : w)
            if (accentata(c))
                return true;
        return false;
    }

    // A word with just one pair of vowels, an unmarked i or u before a, e or o, would carry an
    // accent if the stress fell on the second (più, già): so the i or u is stressed and the two
    // vowels split (zi-o, du-e, sci-a).
    bool dividiMonosillabo() {
        QVector<int> vocali;
        for (int i = 0; i < n; ++i)
            if (Sillabazione::vocale(w.at(i)))
                vocali << i;
        if (vocali.size() != 2 || vocali[1] != vocali[0] + 1)
            return false;
        const int p = vocali[0];
        if (!debole(w.at(p)) || !QStringLiteral("aeo").contains(w.at(p + 1)))
            return false;
        if (w.at(p) == QLatin1Char('u') &&
            (at(p - 1) == QLatin1Char('q') || at(p - 1) == QLatin1Char('g')))
            return false;
        tagli << p + 1;
        return true;
    }

    void segnaNuclei() {
        const bool accento = haAccento();
        for (int i = 0; i < n; ++i)
            nucleo[i] = Sillabazione::vocale(w.at(i));
        for (int i = 1; i + 1 < n; ++i) {
            const QChar prima = w.at(i - 1);
            if (!Sillabazione::vocale(w.at(i + 1)))
                continue;
            // u after q, and after g before a vowel, is heard as part of the consonant.
            if (w.at(i) == QLatin1Char('u') &&
                (prima == QLatin1Char('q') || prima == QLatin1Char('g')))
                nucleo[i] = false;
            // i after c, g, sc or gl before another vowel only softens the consonant (cia-o,
            // gio-co, fo-glia), so it is no vowel of its own.
            const bool cg = prima == QLatin1Char('c') || prima == QLatin1Char('g');
            const bool gl = prima == QLatin1Char('l') && at(i - 2) == QLatin1Char('g');
            if (w.at(i) == QLatin1Char('i') && w.at(i + 1) != QLatin1Char('i') &&
                !deboleAccentata(w.at(i + 1)) && (cg || gl)) {
                nucleo[i] = false;
                // Except at the end after a single c or g, where the i may be stressed
                // (far-ma-ci-a, bu-gi-a against ca-mi-cia, va-li-gia).
                const bool doppia = at(i - 2) == prima ||
                                    (prima == QLatin1Char('c') && at(i - 2) == QLatin1Char('s'));
                if (cg && !doppia && !accento && i + 2 == n &&
                    (w.at(i + 1) == QLatin1Char('a') || w.at(i + 1) == QLatin1Char('e')))
                    incerti << i + 1;
                // Words made from sci (ski) keep its stressed i: sci-a-re, sci-a-to-re.
                else if (i == 2 && w.startsWith(QLatin1String("sci")) && !accento && i + 2 < n)
                    incerti << i + 1;
            }
        }
    }

    // Two vowels side by side, at a and a + 1, both sounded.
    void decidiTraVocali(int a) {
        const QChar x = w.at(a), y = w.at(a + 1);
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
            if (y == QLatin1Char('i') && Sillabazione::vocale(at(a + 2)))
                return true;
            return false;
        }();
        if (dividi) {
            tagli << a + 1;
            return;
        }
        if (!iatoPossibile(a))
            return;
        incerti << a + 1;
    }

    // Whether an unmarked i or u joined to another vowel might be stressed and so split off.
    bool iatoPossibile(int a) const {
        const QChar x = w.at(a), y = w.at(a + 1);
        if (haAccento())
            return false; // the stress is elsewhere, or on the other vowel
        if (x == QLatin1Char('i') && a > 0 && nucleo[a - 1])
            return false; // the i between two vowels
        if (debole(y) && a + 2 == n)
            return false; // a final i or u is never stressed unless written so (po-i, lu-i)
        if (x == QLatin1Char('u') && y == QLatin1Char('o') && a + 2 < n)
            return false; // uo inside a word (cuo-re, scuo-la, buo-no)
        // i after ch or gh is stressed only in a few nouns of sounds ending in a vowel, ch and
        // -io (luc-ci-chi-o); elsewhere it is a glide (chio-do, ghiac-cio, oc-chio).
        if (x == QLatin1Char('i') && at(a - 1) == QLatin1Char('h') &&
            (at(a - 2) == QLatin1Char('c') || at(a - 2) == QLatin1Char('g')) &&
            (a + 2 < n || !Sillabazione::vocale(at(a - 3))))
            return false;
        return true;
    }

    // Consonants fill [da, a): returns where the next syllable starts.
    int inizioAttacco(int da, int a) const {
        // Each sound: its first position and the letter that stands for it ('K' for ch and
        // gh, 'Q' for qu and gu).
        QVector<int> inizi;
        QString suoni;
        for (int i = da; i < a; ++i) {
            const QChar c = w.at(i);
            if (!suoni.isEmpty()) {
                const QChar prima = w.at(i - 1);
                if (c == QLatin1Char('h') &&
                    (prima == QLatin1Char('c') || prima == QLatin1Char('g'))) {
                    suoni.back() = QLatin1Char('K');
                    continue;
                }
                // A vowel letter among consonants is the softening i or the u of qu and gu.
                if (Sillabazione::vocale(c)) {
                    if (c == QLatin1Char('u'))
                        suoni.back() = QLatin1Char('Q');
                    continue;
                }
            }
            inizi << i;
            suoni += c;
        }
        for (int k = 0; k < suoni.size(); ++k)
            if (attaccoValido(suoni.mid(k)))
                return inizi[k];
        return a;
    }

    // Whether a word could start with these consonant sounds.
    static bool attaccoValido(const QString &s) {
        if (s.size() == 1)
            return true;
        if (s.at(0) == QLatin1Char('s') && s.at(1) != QLatin1Char('s'))
            return attaccoValido(s.mid(1));
        if (s.size() != 2)
            return false;
        if (s == QLatin1String("gn"))
            return true;
        if (s.at(1) == QLatin1Char('l'))
            return QStringLiteral("bcfgpK").contains(s.at(0));
        if (s.at(1) == QLatin1Char('r'))
            return QStringLiteral("bcdfgptvK").contains(s.at(0));
        return false;
    }

    const QString w;
    const int n;
    QVector<bool> nucleo;
    QVector<int> tagli;
    QVector<int> incerti;
};

} // namespace

bool Sillabazione::vocale(QChar lettera) {
    return QStringLiteral("aeiouàáèéìíîïòóùúûü").contains(lettera.toLower());
}

Divisione Sillabazione::sillaba(const QString &parola) {
    if (parola.isEmpty())
        return {};
    const auto &tabella = tagliDelleParoleConIato();
    const auto trovata = tabella.constFind(minuscole(parola));
    if (trovata != tabella.constEnd())
        return {taglia(parola, trovata.value()), false, {}};
    return sillabaConLeRegole(parola);
}

Divisione Sillabazione::sillabaConLeRegole(const QString &parola) {
    if (parola.isEmpty())
        return {};
    return Divisore(minuscole(parola)).dividi(parola);
}

QString Sillabazione::testo(const Divisione &divisione) {
    QString t;
    int posizione = 0;
    for (const QString &s : divisione.sillabe) {
        if (!t.isEmpty())
            t += QLatin1Char('-');
        for (QChar c : s) {
            if (divisione.puntiIncerti.contains(posizione++))
                t += QLatin1Char('?');
            t += c;
        }
    }
    return t;
}
