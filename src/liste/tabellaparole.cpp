#include "liste/tabellaparole.h"

#include "liste/chiaveparola.h"

#include <QSet>

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

bool TabellaParole::stessaParola(int riga1, int riga2) const {
    return chiaveParola(parola(riga1)) == chiaveParola(parola(riga2));
}

int TabellaParole::paroleDiverse() const {
    QSet<QString> viste;
    for (int riga = 1; riga <= numeroRighe(); ++riga)
        viste.insert(chiaveParola(parola(riga)));
    return int(viste.size());
}

void TabellaParole::aggiungi(const QStringList &sillabe) {
    Q_ASSERT(sillabe.size() == m_sillabe);
    for (const QString &sillaba : sillabe)
        m_celle.append(sillaba);
}
