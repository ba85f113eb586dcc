#pragma once

#include "classe/eventogioco.h"
#include "exercise/configurazioneesercizio.h"
#include "exercise/esercizio.h"
#include "liste/lettorelista.h"
#include "liste/tipofilelista.h"
#include "ui/finestra.h"

class TrascinamentoTessere;

// The exercise screen: DISEGNI1 (four two-syllable words) and DISEGNI2 (three three-syllable
// words) are this one class with two configurations. The state of the exercise lives in
// Esercizio; the screen hands it each drop and shows what it holds.
class SchermataEsercizio : public Finestra {
    Q_OBJECT
public:
    explicit SchermataEsercizio(const ConfigurazioneEsercizio &configurazione);
    ~SchermataEsercizio() override;

    const ConfigurazioneEsercizio &configurazione() const { return m_configurazione; }
    const Esercizio &esercizio() const { return m_esercizio; }

    void GeneraEsercizio();

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;
    void onLoad() override;
    void onActivate() override;
    void onResize() override;

private:
    QWidget *tessera(int t) const;
    void collegaMenu(NomeControllo nome, void (SchermataEsercizio::*gestore)());
    // Captions and enabled states from the exercise, the counters and the case flag.
    void mostraStato();
    QString nelCarattereScelto(const QString &sillaba) const;
    void mostraVerdetto(bool giusto);

    RisultatoLettura leggiLista(Livello difficolta) const;
    // Read without error and long enough for one exercise.
    bool usabile(const RisultatoLettura &letto) const;
    // Loads the list of the chosen difficulty. When it cannot be used the child is told why
    // and false comes back, with the word table as it was.
    bool caricaLista(Livello difficolta, const QString &seguito);
    void spiegaRifiuto(Livello difficolta, const RisultatoLettura &letto, const QString &seguito);
    // "Zampirolo 2 – list – level", kept in step with the level in use.
    void aggiornaTitolo();
    void scegliDifficolta(Livello difficolta);
    void scegliCaratteri(bool maiuscolo);
    void rilasciata(int tessera, Casella casella);
    bool parolaCompleta(int membro) const;
    // The word as the list writes it, syllables joined: what the voice says for a picture.
    QString parolaDellaFigura(int membro) const;

    // For the child playing, if any: an event of this exercise, list and level, now.
    EventoGioco evento(EventoGioco::Tipo tipo) const;
    void registraFine(EventoGioco::Tipo tipo);

    void BottoneAvanti_Click();
    void mnuAzzera_Click();
    void mnufacile_Click();
    void mnudifficile_Click();
    void mnuMaiuscolo_Click();
    void mnuMinuscolo_Click();
    void mnuInformazio_Click();
    void mnuEsci_Click();

    const ConfigurazioneEsercizio &m_configurazione;
    Esercizio m_esercizio;
    bool m_maiuscolo = true;
    // "avanti" lights up when an exercise is completed and stays lit until it is pressed.
    bool m_avanti = false;
    Livello m_difficolta = Livello::Facile;
    TrascinamentoTessere *m_trascinamento = nullptr;
    // When the exercise on screen began, while it is neither completed nor left.
    qint64 m_inizio = -1;
};

SchermataEsercizio *mostraDISEGNI1();
SchermataEsercizio *mostraDISEGNI2();
