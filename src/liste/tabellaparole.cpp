#include "liste/tabellaparole.h"

TabellaParole::TabellaParole(int sillabePerParola)
    : m_sillabe(sillabePerParola) {
    Q_ASSERT(sillabePerParola >= 1);
}

const QString &TabellaParole::operator()(int riga, int colonna) const {
    Q_ASSERT(riga >= 1 && riga <= numeroRighe());
    Q_ASSERT(colonna >= 1 && colonna <= m_sillabe);
    return m_celle[(riga - 1) * m_sillabe + (colonna - 1)];
}

QString TabellaParole::parola(int riga) const {
    QString testo;
    for (int colonna = 1; colonna <= m_sillabe; ++colonna)
        testo += (*this)(riga, colonna);
    return testo;
}

void TabellaParole::aggiungi(const QStringList &sillabe) {
    Q_ASSERT(sillabe.size() == m_sillabe);
    for (const QString &sillaba : sillabe)
        m_celle.append(sillaba);
}
