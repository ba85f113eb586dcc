#include "exercise/esercizio.h"

#include "core/modulo1.h"
#include "core/sorgentecasuale.h"
#include "liste/chiaveparola.h"

#include <QSet>

#include <algorithm>
#include <limits>

Esercizio::Esercizio(const RegoleEsercizio &regole)
    : m_regole(regole)
    , m_parole(regole.sillabePerParola) {}

void Esercizio::sostituisciParole(TabellaParole parole) {
    Q_ASSERT(parole.sillabePerParola() == m_regole.sillabePerParola);
    Q_ASSERT(bastanoParole(parole));
    m_parole = std::move(parole);
    m_righe.clear();
    Modulo1::NumeroParole = qint16(m_parole.numeroRighe());
}

bool Esercizio::bastanoParole(const TabellaParole &parole) const {
    return parole.paroleDiverse() >= m_regole.paroleNellEsercizio;
}

void Esercizio::scegliParole(SorgenteCasuale &casuale) {
    const int numeroParole = m_parole.numeroRighe();
    Q_ASSERT(m_parole.paroleDiverse() >= m_regole.paroleNellEsercizio);
    m_sillabeGiuste = 0;
    m_usate.fill(false, m_regole.tessere.size());
    m_caselle.fill(-1, m_regole.paroleNellEsercizio * m_regole.sillabePerParola);
    m_righe.clear();
    QSet<QString> scelte;
    for (int j = 0; j < m_regole.paroleNellEsercizio; ++j) {
        // The same word twice would show two equal pictures, each with a right answer: draw
        // again, but only so often. A list of many rows of one word and a few others would
        // otherwise keep the child waiting, or for ever when the count were wrong.
        int riga = 0;
        for (int prova = 0; prova < MassimoEstrazioniPerParola && riga == 0; ++prova) {
            const int estratta = estrazione(casuale.prossimo(), numeroParole) + 1;
            if (!scelte.contains(chiaveParola(m_parole.parola(estratta))))
                riga = estratta;
        }
        if (riga == 0)
            riga = rigaNonScelta(scelte, casuale);
        if (riga == 0)
            break;
        scelte.insert(chiaveParola(m_parole.parola(riga)));
        m_righe.append(riga);
    }
}

int Esercizio::rigaNonScelta(const QSet<QString> &scelte, SorgenteCasuale &casuale) const {
    QVector<int> rimaste;
    QSet<QString> viste = scelte;
    for (int riga = 1; riga <= m_parole.numeroRighe(); ++riga) {
        const QString chiave = chiaveParola(m_parole.parola(riga));
        if (!viste.contains(chiave)) {
            viste.insert(chiave);
            rimaste.append(riga);
        }
    }
    if (rimaste.isEmpty())
        return 0;
    return rimaste.at(estrazione(casuale.prossimo(), int(rimaste.size())));
}

QString Esercizio::sillaba(int parola, int colonna) const {
    if (parola < 0 || parola >= m_righe.size())
        return {};
    return m_parole(m_righe[parola], colonna);
}

QString Esercizio::sillabaTessera(int tessera) const {
    const SillabaTessera &t = m_regole.tessere.at(tessera);
    return sillaba(t.parola, t.colonna);
}

int Esercizio::indiceCasella(Casella casella) const {
    if (casella.membro < 0 || casella.membro >= m_regole.paroleNellEsercizio ||
        casella.colonna < 1 || casella.colonna > m_regole.sillabePerParola)
        return -1;
    return (casella.colonna - 1) * m_regole.paroleNellEsercizio + casella.membro;
}

QString Esercizio::sillabaAttesa(Casella casella) const {
    if (indiceCasella(casella) < 0)
        return {};
    return sillaba(casella.membro, casella.colonna);
}

int Esercizio::tesseraIn(Casella casella) const {
    const int i = indiceCasella(casella);
    return i < 0 ? -1 : m_caselle.value(i, -1);
}

Verdetto Esercizio::giudica(int tessera, Casella casella) {
    Q_ASSERT(tessera >= 0 && tessera < m_usate.size() && !m_usate[tessera]);
    const int i = indiceCasella(casella);
    // A slot that belongs to no word takes no tile, whatever it carries.
    if (i < 0 || !sillabaGiusta(sillabaAttesa(casella), sillabaTessera(tessera))) {
        contaUnaRisposta(Modulo1::ContaErrati);
        return {false, false};
    }
    m_caselle[i] = tessera;
    m_usate[tessera] = true;
    ++m_sillabeGiuste;
    contaUnaRisposta(Modulo1::ContaEsatti);
    return {true, m_sillabeGiuste == m_regole.sillabeDaCompletare()};
}

bool sillabaGiusta(const QString &attesa, const QString &data) {
    return attesa.toUpper() == data.toUpper();
}

void contaUnaRisposta(qint16 &contatore) {
    if (contatore < std::numeric_limits<qint16>::max())
        ++contatore;
}

int numeroDisposizione(SorgenteCasuale &casuale) {
    return estrazione(casuale.prossimo(), NumeroDisposizioni);
}

double posizioneAllaScala(double posizione, double larghezzaRegistrata, double larghezzaAttuale,
                          double larghezzaTessera) {
    double left = posizione;
    if (larghezzaRegistrata > 0 && larghezzaAttuale > 0)
        left = posizione * larghezzaAttuale / larghezzaRegistrata;
    const double massimo = std::max(0.0, larghezzaAttuale - larghezzaTessera);
    return std::clamp(left, 0.0, massimo);
}
