#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

// The feedback sounds of the exercises and the random background colours of the screens.
namespace ModuloColoriSuoni {

constexpr int VociTavolozza = 18;

// Entries 1 to 18, as &H00BBGGRR values (red in the low byte).
quint32 VoceTavolozza(int voce);

void SuonoGiusto();
void SuonoSbagliato();
quint32 ColoreCasuale();

// The path of a file in the sounds folder.
QString PercorsoSuono(const QString &nomeFile);

} // namespace ModuloColoriSuoni

// Converts a &H00BBGGRR colour to Qt's.
QColor coloreDaBgr(quint32 bgr);

// WCAG's relative luminance (0 black, 1 white) and the contrast ratio of two colours (1 to 21).
double luminanzaRelativa(const QColor &colore);
double rapportoContrasto(const QColor &a, const QColor &b);

// Black or white, whichever reads better on the given background.
QColor coloreScrittaSu(const QColor &sfondo);
