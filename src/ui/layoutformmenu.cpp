#include "ui/layoutrows.h"
#include "ui/layouts.h"
#include "ui/nomicontrolli.h"

using namespace RigheLayout;
using namespace NomiMenu;

const DefinizioneFinestra &layoutFormMenu() {
    static const DefinizioneFinestra definizione = [] {
        DefinizioneFinestra f =
            finestra(NomiFinestre::FormMenu, QStringLiteral("Form2"), 8985, 8115, Ciano);

        DefinizioneControllo cornice = riga(TipoControllo::Cornice, Frame1, -1,
                                            QStringLiteral("Seleziona la lista da utilizzare"), 360,
                                            -120, 7815, 7215, {TimesNewRoman, 20.25});
        cornice.visibile = false;
        f.controlli.append(cornice);

        struct PostoOpzione {
            int left, top, height;
        };
        static const PostoOpzione opzioni[] = {
            {600, 720, 390},   {600, 1320, 390},  {480, 1920, 390},  {480, 2520, 390},
            {480, 3120, 390},  {480, 3720, 390},  {480, 4320, 390},  {480, 4920, 390},
            {480, 5400, 390},  {480, 6000, 390},  {480, 6600, 390},  {5160, 3480, 390},
            {5160, 2520, 390}, {5280, 1440, 540}, {5160, 3960, 390}, {5280, 4680, 390},
            {5280, 5160, 390},
        };
        for (int i = 0; i < 17; ++i) {
            DefinizioneControllo opzione =
                riga(TipoControllo::Opzione, Option1, i, QStringLiteral("Option1"), opzioni[i].left,
                     opzioni[i].top, 3000, opzioni[i].height, {TimesNewRoman, 14.25});
            opzione.contenitore = Frame1;
            opzione.selezionato = i == 0;
            f.controlli.append(opzione);
        }

        const Carattere pulsanti{MsSansSerif, 18};
        f.controlli.append({
            pulsante(Command1, QStringLiteral("trisillabe"), 2160, 1680, 4500, 1245, pulsanti,
                     Figura::P8, Figura::P4),
            pulsante(Command3D5, QStringLiteral("Esci"), 2160, 5040, 4500, 1260, pulsanti,
                     Figura::P10, Figura::P4),
            pulsante(Command3D6, QStringLiteral("Cambia lista di parole"), 2160, 3600, 4500, 1260,
                     pulsanti, Figura::P11, Figura::P4),
            pulsante(Command3D1, QStringLiteral("parole bisillabe"), 2160, 360, 4500, 1245,
                     pulsanti, Figura::P9, Figura::P4),
        });

        // The two switches share the gap between "trisillabe" and "Cambia lista di parole".
        DefinizioneControllo suoni =
            riga(TipoControllo::Casella, Check1, -1, QStringLiteral("Suoni attivati"), 2880, 2970,
                 3135, 315, {Arial, 12});
        suoni.puntatore = Figura::P7;
        f.controlli.append(suoni);
        DefinizioneControllo grandi =
            riga(TipoControllo::Casella, Check2, -1, QStringLiteral("Caratteri grandi"), 2880, 3285,
                 3135, 315, {Arial, 12});
        grandi.puntatore = Figura::P7;
        f.controlli.append(grandi);
        return f;
    }();
    return definizione;
}
