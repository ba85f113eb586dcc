#include "core/modulocolorisuoni.h"

#include "core/applicationfolder.h"
#include "core/modulo1.h"
#include "core/riproduttoresuoni.h"
#include "core/servizi.h"
#include "core/sorgentecasuale.h"

#include <QtMath>

namespace ModuloColoriSuoni {

namespace {

// Entries 14 and 15 are the same pink, so it comes up twice as often as the others.
constexpr quint32 Tavolozza[VociTavolozza] = {
    0x00C0C0FF, 0x008080FF, 0x000000FF, 0x0080C0FF, 0x000080FF, 0x00C0FFFF,
    0x0000FFFF, 0x000040C0, 0x0080FF80, 0x0000C000, 0x00FFFFC0, 0x00FFFF00,
    0x00FFC0C0, 0x00FFC0FF, 0x00FFC0FF, 0x00E0E0E0, 0x00FF0000, 0x00FF00FF,
};

void suona(const QString &nomeFile) {
    servizi().suoni->riproduci(PercorsoSuono(nomeFile));
}

} // namespace

quint32 VoceTavolozza(int voce) {
    Q_ASSERT(voce >= 1 && voce <= VociTavolozza);
    return Tavolozza[voce - 1];
}

QString PercorsoSuono(const QString &nomeFile) {
    return servizi().dati().percorso(CartelleDati::Suoni, nomeFile);
}

void SuonoGiusto() {
    if (!Modulo1::SuoniAttivi)
        return;
    const int n = estrazione(servizi().casuale->prossimo(), 4) + 1;
    suona(QStringLiteral("si%1.wav").arg(n));
}

void SuonoSbagliato() {
    if (!Modulo1::SuoniAttivi)
        return;
    suona(QStringLiteral("no.wav"));
}

quint32 ColoreCasuale() {
    const int k = estrazione(servizi().casuale->prossimo(), VociTavolozza) + 1;
    return VoceTavolozza(k);
}

} // namespace ModuloColoriSuoni

QColor coloreDaBgr(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

double luminanzaRelativa(const QColor &colore) {
    const auto lineare = [](int componente) {
        const double c = componente / 255.0;
        return c <= 0.04045 ? c / 12.92 : qPow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineare(colore.red()) + 0.7152 * lineare(colore.green()) +
           0.0722 * lineare(colore.blue());
}

double rapportoContrasto(const QColor &a, const QColor &b) {
    const double la = luminanzaRelativa(a);
    const double lb = luminanzaRelativa(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor coloreScrittaSu(const QColor &sfondo) {
    const QColor nero(Qt::black);
    const QColor bianco(Qt::white);
    return rapportoContrasto(nero, sfondo) >= rapportoContrasto(bianco, sfondo) ? nero : bianco;
}
