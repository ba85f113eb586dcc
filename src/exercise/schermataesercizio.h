#pragma once

#include "ui/finestra.h"

// What tells the two exercise screens apart.
struct ConfigurazioneEsercizio {
    const DefinizioneFinestra &(*layout)();
    QString nomeMenuLista;    // "mnuLista" / "mnulista"
    QString nomeInformazioni; // "mnuInformazio" / "Informazio"
};

const ConfigurazioneEsercizio &configurazioneDISEGNI1();
const ConfigurazioneEsercizio &configurazioneDISEGNI2();

// The exercise screen: DISEGNI1 (four two-syllable words) and DISEGNI2 (three three-syllable
// words) are this one class with two configurations.
class SchermataEsercizio : public Finestra {
    Q_OBJECT
public:
    explicit SchermataEsercizio(const ConfigurazioneEsercizio &configurazione);

    const ConfigurazioneEsercizio &configurazione() const { return m_configurazione; }

protected:
    void onLoad() override;
    void onActivate() override;

private:
    void mnuInformazio_Click();
    void mnuEsci_Click();

    const ConfigurazioneEsercizio &m_configurazione;
};

SchermataEsercizio *mostraDISEGNI1();
SchermataEsercizio *mostraDISEGNI2();
