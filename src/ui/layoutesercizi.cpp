#include "ui/layoutrows.h"
#include "ui/layouts.h"
#include "ui/nomicontrolli.h"

using namespace RigheLayout;
using namespace NomiEsercizi;

namespace {

const QString Dieci = QString(10, QLatin1Char(' '));

// The menu bar is the same on both exercise screens except for two item names.
QList<DefinizioneVoceMenu> menuEsercizio(const QString &nomeLista,
                                         const QString &nomeInformazioni) {
    return {
        {mnuAzzera, QStringLiteral("Azzera conteggio") + Dieci, {}, false},
        {nomeLista, QStringLiteral("Lista parole") + Dieci, {}, false},
        {mnufacile, QStringLiteral("facile"), nomeLista, true},
        {mnudifficile, QStringLiteral("difficile"), nomeLista, false},
        {mnuCaratteri, QStringLiteral("Caratteri") + Dieci, {}, false},
        {mnuMaiuscolo, QStringLiteral("stampato maiuscolo"), mnuCaratteri, true},
        {mnuMinuscolo, QStringLiteral("stampato minuscolo"), mnuCaratteri, false},
        {nomeInformazioni, QStringLiteral("Informazioni") + Dieci, {}, false},
        {mnuEsci, QStringLiteral("Esci"), {}, false},
    };
}

DefinizioneControllo avanti(int left, int top) {
    DefinizioneControllo c = pulsante(BottoneAvanti, QStringLiteral("avanti"), left, top, 1935, 975,
                                      {Arial, 14.25}, Figura::P3, Figura::P2);
    c.abilitato = false;
    return c;
}

DefinizioneControllo testoSuSfondo(const QString &nome, int indice, const QString &caption,
                                   int left, int top, int width, int height, double punti) {
    return riga(TipoControllo::Etichetta, nome, indice, caption, left, top, width, height,
                {Arial, punti});
}

} // namespace

const DefinizioneFinestra &layoutDISEGNI1() {
    static const DefinizioneFinestra definizione = [] {
        DefinizioneFinestra f = finestra(NomiFinestre::DISEGNI1, QString(), 9435, 6135, Verde);
        f.menu = menuEsercizio(mnuLista, mnuInformazio);

        const int leftImage1[] = {105, 2400, 4680, 6960};
        const int leftLabel2[] = {120, 2400, 4680, 6960};
        const int leftLabel3[] = {1200, 3480, 5760, 8040};
        const int leftLabel1[] = {120, 4440, 1200, 7680};
        const int leftLabel4[] = {2280, 6600, 3360, 5520};

        f.controlli = {
            avanti(7080, 4320),
            testoSuSfondo(EtichettaErrati, -1, QStringLiteral("quantierrati"), 5280, 4455, 855, 615,
                          18),
            testoSuSfondo(EtichettaEsatti, -1, QStringLiteral("quantiesatti"), 2880, 4455, 975, 615,
                          18),
            testoSuSfondo(Label2, 4, QStringLiteral("Errati"), 4440, 4575, 735, 495, 12),
            testoSuSfondo(Label3, 4, QStringLiteral("Esatti"), 2040, 4575, 735, 375, 12),
            figura(ComandoIconaSi, -1, 840, 4320, 975, 855, Figura::P5),
        };
        for (int i = 3; i >= 0; --i)
            f.controlli.append(tessera(Label4, i, leftLabel4[i], 3240, 1035, 615));
        for (int i = 3; i >= 0; --i)
            f.controlli.append(casella(Label3, i, leftLabel3[i], 2160, 1035, 525));
        for (int i = 3; i >= 1; --i)
            f.controlli.append(tessera(Label1, i, leftLabel1[i], 3240, 1035, 615));
        for (int i = 3; i >= 1; --i)
            f.controlli.append(casella(Label2, i, leftLabel2[i], 2160, 1035, 525));
        for (int i = 3; i >= 1; --i)
            f.controlli.append(figura(Image1, i, leftImage1[i], 240, 2160, 1800));
        f.controlli.append({
            casella(Label2, 0, leftLabel2[0], 2160, 1035, 525),
            tessera(Label1, 0, leftLabel1[0], 3240, 1035, 615),
            figura(Image1, 0, leftImage1[0], 240, 2160, 1800),
            figura(ComandoIconaNo, -1, 840, 4320, 975, 855, Figura::P6),
        });
        return f;
    }();
    return definizione;
}

const DefinizioneFinestra &layoutDISEGNI2() {
    static const DefinizioneFinestra definizione = [] {
        DefinizioneFinestra f = finestra(NomiFinestre::DISEGNI2, QString(), 9570, 6270, Verde);
        f.menu = menuEsercizio(mnulista, Informazio);

        const int leftImage1[] = {240, 3240, 6360};
        const int leftLabel2[] = {120, 3120, 6360};
        const int leftLabel3[] = {960, 3960, 7200};
        const int leftLabel4[] = {1800, 4800, 8040};
        const auto slot = [](const QString &nome, int indice, int left) {
            return casella(nome, indice, left, 2760, 795, 525);
        };

        f.controlli.append(avanti(6960, 4680));
        for (int i = 8; i >= 1; --i)
            f.controlli.append(tessera(Label1, i, 240 + 960 * i, 3600, 795, 615));
        f.controlli.append({
            slot(Label4, 2, leftLabel4[2]),
            slot(Label2, 2, leftLabel2[2]),
            slot(Label3, 2, leftLabel3[2]),
            slot(Label4, 1, leftLabel4[1]),
            slot(Label2, 1, leftLabel2[1]),
            slot(Label3, 1, leftLabel3[1]),
            slot(Label4, 0, leftLabel4[0]),
            figura(Image1, 2, leftImage1[2], 240, 2400, 2400),
            figura(Image1, 1, leftImage1[1], 240, 2400, 2400),
            testoSuSfondo(EtichettaErrati, -1, QStringLiteral("quantierrati"), 5160, 4815, 855, 615,
                          18),
            testoSuSfondo(EtichettaEsatti, -1, QStringLiteral("quantiesatti"), 2760, 4815, 975, 615,
                          18),
            testoSuSfondo(Label2, 4, QStringLiteral("Errati"), 4320, 4935, 735, 495, 12),
            testoSuSfondo(Label3, 4, QStringLiteral("Esatti"), 1920, 4935, 735, 375, 12),
            figura(ComandoIconaSi, -1, 720, 4680, 975, 855, Figura::P5),
            slot(Label3, 0, leftLabel3[0]),
            slot(Label2, 0, leftLabel2[0]),
            tessera(Label1, 0, 240, 3600, 795, 615),
            figura(Image1, 0, leftImage1[0], 240, 2400, 2400),
            figura(ComandoIconaNo, -1, 720, 4680, 975, 855, Figura::P6),
        });
        return f;
    }();
    return definizione;
}
