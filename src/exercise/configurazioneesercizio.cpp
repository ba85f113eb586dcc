#include "exercise/configurazioneesercizio.h"

#include "ui/layouts.h"

using namespace NomiEsercizi;

namespace {

ConfigurazioneEsercizio creaDISEGNI1() {
    ConfigurazioneEsercizio c{
        regoleBisillabe(), NomiFinestre::DISEGNI1, QStringLiteral("parole bisillabe"),
        &layoutDISEGNI1,   mnuInformazio,          {},
        {Label2, Label3}};
    for (int i = 0; i < 4; ++i)
        c.tessere.append({Label1, i});
    for (int i = 0; i < 4; ++i)
        c.tessere.append({Label4, i});
    return c;
}

ConfigurazioneEsercizio creaDISEGNI2() {
    ConfigurazioneEsercizio c{regoleTrisillabe(),
                              NomiFinestre::DISEGNI2,
                              QStringLiteral("parole trisillabe"),
                              &layoutDISEGNI2,
                              Informazio,
                              {},
                              {Label2, Label3, Label4}};
    for (int k = 0; k < 9; ++k)
        c.tessere.append({Label1, k});
    return c;
}

} // namespace

const ConfigurazioneEsercizio &configurazioneDISEGNI1() {
    static const ConfigurazioneEsercizio c = creaDISEGNI1();
    return c;
}

const ConfigurazioneEsercizio &configurazioneDISEGNI2() {
    static const ConfigurazioneEsercizio c = creaDISEGNI2();
    return c;
}
