#include "ui/layoutrows.h"
#include "ui/layouts.h"
#include "ui/nomicontrolli.h"

using namespace RigheLayout;
using namespace NomiAvvio;

const DefinizioneFinestra &layoutFormAvvio() {
    static const DefinizioneFinestra definizione = [] {
        DefinizioneFinestra f =
            finestra(NomiFinestre::FormAvvio, QStringLiteral("Form1"), 10605, 8115, Ciano);
        f.icona = Figura::P1;

        const Carattere credito{ComicSans, 12};
        const auto etichetta1 = [&](int indice, const QString &testo, int left, int top) {
            return riga(TipoControllo::Etichetta, Label1, indice, testo, left, top, 6615, 495,
                        credito);
        };

        f.controlli = {
            pulsante(Command1, QStringLiteral("Avvio"), 3600, 6240, 3735, 1455, {ComicSans, 24},
                     Figura::P1, Figura::P1),
            etichetta1(6, QStringLiteral("\u201cCaratteri\u201d Comic Neue, Andika: OFL"), 240,
                       5160),
            etichetta1(5, QStringLiteral("Programma di: autori di Zampirolo 2"), 240, 3120),
            etichetta1(3, QStringLiteral("Immagini utilizzate ricavate dai libri di lettura:"), 240,
                       4080),
            etichetta1(4, QStringLiteral("Archivi di: autori di Zampirolo 2"), 240, 3480),
            etichetta1(7, QStringLiteral("\u201cFluent Emoji\u201d Microsoft: licenza MIT"), 120,
                       4440),
            etichetta1(8, QStringLiteral("\u201cParole e disegni\u201d Zampirolo 2"), 240, 4800),
        };

        DefinizioneControllo data =
            riga(TipoControllo::Etichetta, Label2, -1, QStringLiteral("25 aprile 2003"), 720, 6840,
                 2415, 615, {ComicSans, 15.75});
        data.coloreTesto = Nero;
        data.centrato = true;
        f.controlli.append(data);

        DefinizioneControllo titolo =
            riga(TipoControllo::Etichetta, Label1, 0, QStringLiteral("Zampirolo - 2"), 960, 120,
                 8295, 3255, {ComicSans, 48});
        titolo.centrato = true;
        f.controlli.append(titolo);
        return f;
    }();
    return definizione;
}
