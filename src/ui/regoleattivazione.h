#pragma once

// Qt reports a window activation in many cases: a screen's first display, focus moving between
// two of our windows, a message box closing, a return from another application. A screen's
// Activate handler runs only for the first two; this class tells them apart.
class RegoleAttivazione {
public:
    // A window has become active. Returns true when it is one of our screens and the handler
    // should run: it is shown for the first time, or focus has come from another of our screens.
    bool finestraAttivata(const void *finestra, bool eSchermata, bool primaVolta);
    // The program is active again after the user worked in another application.
    void applicazioneRitornata();

private:
    enum class Provenienza { Nessuna, Schermata, AltraFinestra, AltraApplicazione };
    Provenienza m_provenienza = Provenienza::Nessuna;
    // Only compared, never followed: the screen it named may be gone.
    const void *m_ultimaSchermata = nullptr;
};
