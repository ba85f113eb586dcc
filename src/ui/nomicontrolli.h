#pragma once

#include <QString>

// The name of a control or menu item of a layout. Only the constants below make one, so a
// misspelt name fails to compile instead of finding no widget at run time.
class NomeControllo {
public:
    constexpr explicit NomeControllo(const char *testo)
        : m_testo(testo) {}
    QString testo() const { return QString::fromLatin1(m_testo); }
    operator QString() const { return testo(); }

private:
    const char *m_testo;
};

namespace NomiFinestre {
inline constexpr NomeControllo FormAvvio{"FormAvvio"};
inline constexpr NomeControllo FormMenu{"FormMenu"};
inline constexpr NomeControllo DISEGNI1{"DISEGNI1"};
inline constexpr NomeControllo DISEGNI2{"DISEGNI2"};
} // namespace NomiFinestre

namespace NomiAvvio {
inline constexpr NomeControllo Command1{"Command1"};
inline constexpr NomeControllo Label1{"Label1"};
inline constexpr NomeControllo Label2{"Label2"};
} // namespace NomiAvvio

namespace NomiMenu {
inline constexpr NomeControllo Frame1{"Frame1"};
inline constexpr NomeControllo Option1{"Option1"};
inline constexpr NomeControllo Command1{"Command1"};
inline constexpr NomeControllo Command3D1{"Command3D1"};
inline constexpr NomeControllo Command3D5{"Command3D5"};
inline constexpr NomeControllo Command3D6{"Command3D6"};
inline constexpr NomeControllo Check1{"Check1"};
inline constexpr NomeControllo Check2{"Check2"};
} // namespace NomiMenu

// DISEGNI1 and DISEGNI2 share their names but for two menu items.
namespace NomiEsercizi {
inline constexpr NomeControllo BottoneAvanti{"BottoneAvanti"};
inline constexpr NomeControllo EtichettaErrati{"EtichettaErrati"};
inline constexpr NomeControllo EtichettaEsatti{"EtichettaEsatti"};
inline constexpr NomeControllo ComandoIconaSi{"ComandoIconaSi"};
inline constexpr NomeControllo ComandoIconaNo{"ComandoIconaNo"};
inline constexpr NomeControllo Image1{"Image1"};
inline constexpr NomeControllo Label1{"Label1"};
inline constexpr NomeControllo Label2{"Label2"};
inline constexpr NomeControllo Label3{"Label3"};
inline constexpr NomeControllo Label4{"Label4"};

inline constexpr NomeControllo mnuAzzera{"mnuAzzera"};
inline constexpr NomeControllo mnuLista{"mnuLista"}; // DISEGNI1
inline constexpr NomeControllo mnulista{"mnulista"}; // DISEGNI2
inline constexpr NomeControllo mnufacile{"mnufacile"};
inline constexpr NomeControllo mnudifficile{"mnudifficile"};
inline constexpr NomeControllo mnuCaratteri{"mnuCaratteri"};
inline constexpr NomeControllo mnuMaiuscolo{"mnuMaiuscolo"};
inline constexpr NomeControllo mnuMinuscolo{"mnuMinuscolo"};
inline constexpr NomeControllo mnuInformazio{"mnuInformazio"}; // DISEGNI1
inline constexpr NomeControllo Informazio{"Informazio"};       // DISEGNI2
inline constexpr NomeControllo mnuEsci{"mnuEsci"};
} // namespace NomiEsercizi
