#include "core/voceparole.h"

#include "core/infowav.h"
#include "core/modulo1.h"
#include "core/modulocolorisuoni.h"
#include "core/servizi.h"

#include <cmath>

void pronunciaParola(const QString &parola, int dopoMillisecondi) {
    if (Modulo1::SuoniAttivi && servizi().voce)
        servizi().voce->pronuncia(parola, dopoMillisecondi);
}

int durataSuonoGiusto() {
    double secondi = 0;
    for (int n = 1; n <= 4; ++n) {
        const InfoWav info =
            leggiInfoWav(ModuloColoriSuoni::PercorsoSuono(QStringLiteral("si%1.wav").arg(n)));
        if (info.valido)
            secondi = std::max(secondi, info.durata());
    }
    return int(std::ceil(secondi * 1000));
}
