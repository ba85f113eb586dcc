#include "ui/caratterigrandi.h"

#include "core/modulo1.h"
#include "ui/caption.h"
#include "ui/finestra.h"
#include "ui/fonts.h"
#include "ui/twips.h"

#include <QFontMetricsF>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>

namespace {

const char *const Scalati = "zampirolo_caratteriScalati";

// How much larger than its design the window is, as the resizer scales the controls; the
// smaller of the two ratios keeps text inside its control.
double scala(const Finestra &finestra, int altezzaBarra) {
    const DefinizioneFinestra &d = finestra.definizione();
    const double rx = finestra.width() / double(pixel(d.larghezzaCliente));
    const double ry = (finestra.height() - altezzaBarra) / double(pixel(d.altezzaCliente));
    return std::max(0.1, std::min(rx, ry));
}

bool eSillaba(const DefinizioneControllo &d) {
    return d.aspetto == Aspetto::Tessera || d.aspetto == Aspetto::Casella;
}

// The largest pixel size at which every text fits inside every box, with a little air.
int misuraCheSta(QFont font, const QStringList &testi, const QList<QWidget *> &scatole) {
    if (scatole.isEmpty())
        return -1;
    int larghezza = INT_MAX, altezza = INT_MAX;
    for (QWidget *w : scatole) {
        const QRect dentro = w->contentsRect();
        larghezza = std::min(larghezza, dentro.width() - dentro.height() / 4);
        altezza = std::min(altezza, dentro.height() - dentro.height() / 8);
    }
    const auto sta = [&](int pixel) {
        font.setPixelSize(pixel);
        const QFontMetricsF metrica(font);
        if (metrica.height() > altezza)
            return false;
        return std::all_of(testi.cbegin(), testi.cend(), [&](const QString &t) {
            return metrica.horizontalAdvance(t) <= larghezza;
        });
    };
    int basso = 1, alto = std::max(1, altezza);
    while (basso < alto) {
        const int medio = (basso + alto + 1) / 2;
        if (sta(medio))
            basso = medio;
        else
            alto = medio - 1;
    }
    return basso;
}

} // namespace

void adattaCaratteriBarra(Finestra &finestra) {
    QMenuBar *barra = finestra.barraMenu();
    if (!barra || (!Modulo1::CaratteriGrandi && !finestra.property(Scalati).toBool()))
        return;
    QFont font;
    if (Modulo1::CaratteriGrandi)
        font.setPointSizeF(QFont().pointSizeF() * scala(finestra, 0));
    barra->setFont(font);
    for (QMenu *tendina : barra->findChildren<QMenu *>())
        tendina->setFont(font);
}

void adattaCaratteri(Finestra &finestra) {
    const bool grandi = Modulo1::CaratteriGrandi;
    if (!grandi && !finestra.property(Scalati).toBool())
        return;
    finestra.setProperty(Scalati, grandi);
    const double s = scala(finestra, finestra.altezzaBarraMenu());

    const QList<DefinizioneControllo> &definizioni = finestra.definizione().controlli;
    const QList<Finestra::ControlloCostruito> &controlli = finestra.controlli();
    QList<QWidget *> sillabe;
    QStringList testi;
    for (int i = 0; i < definizioni.size() && i < controlli.size(); ++i) {
        const DefinizioneControllo &d = definizioni.at(i);
        QWidget *w = controlli.at(i).widget;
        if (!w || d.carattere.famiglia.isEmpty())
            continue;
        QFont font = fontPer(d.carattere);
        if (grandi && eSillaba(d)) {
            sillabe.append(w);
            if (!leggiCaption(w).isEmpty())
                testi.append(leggiCaption(w));
            continue;
        }
        if (grandi)
            font.setPointSizeF(d.carattere.punti * s);
        w->setFont(font);
    }
    if (sillabe.isEmpty())
        return;
    QFont font = sillabe.first()->font();
    // Slots start empty: the tiles' syllables are what they will hold.
    if (testi.isEmpty())
        testi.append(QStringLiteral("MM"));
    const int pixel = misuraCheSta(font, testi, sillabe);
    font.setPixelSize(pixel);
    for (QWidget *w : sillabe)
        w->setFont(font);
}
