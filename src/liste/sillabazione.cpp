#include "liste/sillabazione.h"

#include "liste/divisioninote.h"
#include "liste/divisore.h"
#include "liste/fonemiparola.h"

#include <QHash>
#include <algorithm>
#include <cstdlib>

namespace {

FonemiParola *pronunciaInUso = nullptr;
DivisioniNote *divisioniInUso = nullptr;

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

QVector<int> tagliDi(const QStringList &sillabe) {
    QVector<int> posizioni;
    int p = 0;
    for (int i = 0; i + 1 < sillabe.size(); ++i)
        posizioni << (p += int(sillabe.at(i).size()));
    return posizioni;
}

const QHash<QString, QVector<int>> &tagliDelleParoleConIato() {
    static const QHash<QString, QVector<int>> tagli = [] {
        QHash<QString, QVector<int>> h;
        for (const QString &divisa : Sillabazione::paroleConIato()) {
            const QStringList sillabe = divisa.split(QLatin1Char('-'));
            h.insert(sillabe.join(QString()), tagliDi(sillabe));
        }
        return h;
    }();
    return tagli;
}

// Letter by letter, so every position in the result is the same letter of the word as given
// (QString::toLower may lengthen some letters).
QString minuscole(const QString &parola) {
    QString m = parola;
    for (QChar &c : m)
        c = c.toLower();
    return m;
}

} // namespace

void Sillabazione::usaPronuncia(FonemiParola *fonemi) {
    pronunciaInUso = fonemi;
}

void Sillabazione::usaDivisioniNote(DivisioniNote *note) {
    divisioniInUso = note;
}

DivisioniNote *Sillabazione::divisioniNote() {
    return divisioniInUso;
}

bool Sillabazione::alternativaScolastica(const QStringList &una, const QStringList &altra) {
    const QString parola = una.join(QString()).toLower();
    if (parola != altra.join(QString()).toLower() || una.size() != altra.size())
        return false;
    const QVector<int> a = tagliDi(una), b = tagliDi(altra);
    bool diverse = false;
    for (int k = 0; k < a.size(); ++k) {
        if (a[k] == b[k])
            continue;
        diverse = true;
        // The same boundary, one letter apart, across a stop or f or v and the consonant after
        // it (t|l, p|n, p|s, c|n, t|m); never across l, m, n, r, s or a double consonant.
        const int p = std::max(a[k], b[k]);
        if (std::abs(a[k] - b[k]) != 1 || p < 1 || p >= parola.size())
            return false;
        const QChar primo = parola.at(p - 1), secondo = parola.at(p);
        if (!QStringLiteral("bcdfgptv").contains(primo) || primo == secondo || vocale(secondo) ||
            !secondo.isLetter() || secondo == QLatin1Char('h'))
            return false;
        // Groups that start words (li-bro, ca-pra, ra-gno) are always kept together.
        const bool attacco =
            (secondo == QLatin1Char('l') && QStringLiteral("bcfgp").contains(primo)) ||
            (secondo == QLatin1Char('r') && QStringLiteral("bcdfgptv").contains(primo)) ||
            (primo == QLatin1Char('g') && secondo == QLatin1Char('n'));
        if (attacco)
            return false;
    }
    return diverse;
}

bool Sillabazione::vocale(QChar lettera) {
    return QStringLiteral("aeiouàáèéìíîïòóùúûü").contains(lettera.toLower());
}

Divisione Sillabazione::sillaba(const QString &parola) {
    if (parola.isEmpty())
        return {};
    if (divisioniInUso) {
        const QStringList nota = divisioniInUso->cerca(parola);
        if (!nota.isEmpty())
            return {taglia(parola, tagliDi(nota)), false, {}};
    }
    const auto &tabella = tagliDelleParoleConIato();
    const auto trovata = tabella.constFind(minuscole(parola));
    if (trovata != tabella.constEnd())
        return {taglia(parola, trovata.value()), false, {}};
    return sillabaConLeRegole(parola, pronunciaInUso);
}

Divisione Sillabazione::sillabaConLeRegole(const QString &parola, FonemiParola *fonemi) {
    if (parola.isEmpty())
        return {};
    // Whole code points, each in lower case; `inizio` maps them back to the word as given.
    QVector<char32_t> lettere;
    QVector<int> inizio;
    lettere.reserve(parola.size());
    inizio.reserve(parola.size() + 1);
    for (int i = 0; i < parola.size(); ++i) {
        char32_t c = parola.at(i).unicode();
        inizio << i;
        if (parola.at(i).isHighSurrogate() && i + 1 < parola.size() &&
            parola.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(parola.at(i), parola.at(i + 1));
            ++i;
        }
        lettere << QChar::toLower(c);
    }
    inizio << int(parola.size());

    QVector<Suono> suoni;
    if (fonemi) {
        const QString f = fonemi->fonemi(parola);
        if (!f.isEmpty())
            suoni = PronunciaParola::allinea(lettere, f);
    }
    const Divisore::Esito esito = Divisore(lettere, suoni).dividi();
    Divisione d;
    QVector<int> tagli;
    for (int t : esito.tagli)
        tagli << inizio[t];
    d.sillabe = taglia(parola, tagli);
    for (int t : esito.incerti)
        d.puntiIncerti << inizio[t];
    d.incerta = !esito.incerti.isEmpty() || esito.senzaVocali;
    return d;
}

QString Sillabazione::testo(const Divisione &divisione) {
    QString t;
    int posizione = 0;
    int prossimo = 0; // the marks come in the word's order
    QVector<int> segni = divisione.puntiIncerti;
    std::sort(segni.begin(), segni.end());
    for (const QString &s : divisione.sillabe) {
        if (!t.isEmpty())
            t += QLatin1Char('-');
        for (QChar c : s) {
            while (prossimo < segni.size() && segni[prossimo] < posizione)
                ++prossimo;
            if (prossimo < segni.size() && segni[prossimo] == posizione)
                t += QLatin1Char('?');
            ++posizione;
            t += c;
        }
    }
    return t;
}

QString Sillabazione::motivoRifiuto(const QString &parola) {
    if (parola.trimmed().isEmpty())
        return QStringLiteral("manca la parola");
    for (const char32_t c : QStringView(parola).toUcs4()) {
        if (QChar::isSpace(c))
            return QStringLiteral("sono due parole: scrivine una sola");
        if (QChar::isDigit(c))
            return QStringLiteral("ha delle cifre: scrivi la parola solo con le lettere");
        if (c == U'\'' || c == U'’')
            return QStringLiteral("ha l'apostrofo, e il gioco unisce le sillabe senza: scrivi "
                                  "la parola da sola (ape, non l'ape)");
        if (!QChar::isLetter(c))
            return QStringLiteral("ha segni che non sono lettere: scrivi solo lettere, "
                                  "anche accentate");
        if (c >= 0x10000 || QChar::script(c) != QChar::Script_Latin)
            return QStringLiteral("ha lettere che non sono dell'alfabeto latino");
    }
    return {};
}
