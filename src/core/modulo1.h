#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>

class clsResize;
class GuardiaCopiaUnica;

// The program-wide state that outlives the screens, the list catalogue, start-up and the two
// message-box services that several screens call.
namespace Modulo1 {

constexpr int RigheElencoListe = 21;
constexpr int ColonneElencoListe = 3;
constexpr int NumeroListe = 17;
constexpr int ColonnaCaption = 1;
constexpr int ColonnaCodice = 2;

extern bool SuoniAttivi;
// "Caratteri grandi": fonts that grow with the window. Off at start, kept for the run.
extern bool CaratteriGrandi;
extern qint16 NumeroParole;
extern qint16 ContaEsatti;
extern qint16 ContaErrati;
extern QString ElencoListe[RigheElencoListe][ColonneElencoListe];
extern qint16 ListaScelta;
// Left edges of the syllable tiles, in twips, as recorded when an exercise screen was activated.
extern float Posizione1, Posizione2, Posizione3, Posizione4;
extern float Posizione5, Posizione6, Posizione7, Posizione8;
extern qint16 Posizione9;
// The client width, in twips, of the window whose tiles gave those positions (0 before any):
// lets a window resized since then place the tiles at its own scale.
extern double LarghezzaPosizioni;
// The resizer of the screen that loaded last, or none.
extern std::shared_ptr<clsResize> Ridimensiona;

// The p-th saved position (1 to 9), as the shuffle tables name them.
double Posizione(int p);
void ImpostaPosizione(int p, double valore);

void RiempiElencoListe();
void MostraInformazioni();
void ConfermaUscita();

// The seven lines of the information box.
QString TestoInformazioni();

// Start-up. Returns false when another copy is running: the "Error" box has been shown and no
// screen opened. Otherwise the shared state is set and mostraFormAvvio has shown the start screen.
bool Main(GuardiaCopiaUnica &guardia, const std::function<void()> &mostraFormAvvio);

// Puts every shared value back as it is before start-up (for a fresh run in tests).
void Reimposta();

} // namespace Modulo1
