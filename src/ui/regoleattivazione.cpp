#include "ui/regoleattivazione.h"

bool RegoleAttivazione::finestraAttivata(const void *finestra, bool eSchermata, bool primaVolta) {
    if (!eSchermata) {
        m_provenienza = Provenienza::AltraFinestra;
        return false;
    }
    const bool conta =
        primaVolta || (m_provenienza == Provenienza::Schermata && m_ultimaSchermata != finestra);
    m_provenienza = Provenienza::Schermata;
    m_ultimaSchermata = finestra;
    return conta;
}

void RegoleAttivazione::applicazioneRitornata() {
    m_provenienza = Provenienza::AltraApplicazione;
}
