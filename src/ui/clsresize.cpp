#include "ui/clsresize.h"

#include "core/logging.h"

#include <cmath>

namespace {

using Proprieta = ControlloRidimensionabile::Proprieta;

// Recorded values are whole twips, an exact half going to the even neighbour.
qint32 arrotonda(double valore) {
    return qint32(std::nearbyint(valore));
}

class DisegnoSospeso {
public:
    explicit DisegnoSospeso(FinestraRidimensionabile &finestra)
        : m_finestra(finestra) {
        m_finestra.sospendiDisegno();
    }
    ~DisegnoSospeso() { m_finestra.riprendiDisegno(); }
    DisegnoSospeso(const DisegnoSospeso &) = delete;
    DisegnoSospeso &operator=(const DisegnoSospeso &) = delete;

private:
    FinestraRidimensionabile &m_finestra;
};

} // namespace

void ControlloRidimensionabile::scriviGeometria(const Geometria &geometria) {
    if (geometria.left)
        scrivi(Proprieta::Left, *geometria.left);
    if (geometria.top)
        scrivi(Proprieta::Top, *geometria.top);
    if (geometria.width)
        scrivi(Proprieta::Width, *geometria.width);
    if (geometria.height)
        scrivi(Proprieta::Height, *geometria.height);
}

DirettivaRidimensionamento leggiDirettiva(const QString &tag) {
    if (tag.isEmpty())
        return {};
    const QString maiuscolo = tag.toUpper();
    if (!maiuscolo.startsWith(QLatin1Char('@')))
        return {};
    DirettivaRidimensionamento d;
    d.left = maiuscolo.contains(QLatin1Char('L'));
    d.top = maiuscolo.contains(QLatin1Char('T'));
    d.width = maiuscolo.contains(QLatin1Char('W'));
    d.height = maiuscolo.contains(QLatin1Char('H'));
    return d;
}

void clsResize::Initialise() {
    FinestraRidimensionabile &finestra = *m_SourceForm;
    m_RecordedWidth = arrotonda(finestra.larghezzaCliente());
    m_RecordedHeight = arrotonda(finestra.altezzaCliente());

    m_Layout.clear();
    const int n = finestra.numeroControlli();
    m_Layout.resize(n);
    for (int i = 0; i < n; ++i) {
        ControlLayout &voce = m_Layout[i];
        voce.Ctl = finestra.controlloNumero(i);
        if (!voce.Ctl)
            continue;
        const auto leggi = [&](Proprieta p) {
            return arrotonda(voce.Ctl->leggi(p).value_or(0));
        };
        voce.Left = leggi(Proprieta::Left);
        voce.Top = leggi(Proprieta::Top);
        voce.Width = leggi(Proprieta::Width);
        voce.Height = leggi(Proprieta::Height);
    }
    m_FirstTime = false;
}

void clsResize::ReInitialise() {
    if (m_SourceForm)
        Initialise();
}

void clsResize::SizeFormToScreen(const quint8 &Percent) {
    if (!m_SourceForm)
        return;
    FinestraRidimensionabile &finestra = *m_SourceForm;
    if (m_FirstTime)
        Initialise();

    const double altezzaSchermo = finestra.altezzaSchermo();
    const double larghezzaSchermo = finestra.larghezzaSchermo();
    const qint32 h = qint32(std::floor((Percent / 100.0) * altezzaSchermo));
    const qint32 w = qint32(std::floor((Percent / 100.0) * larghezzaSchermo));

    finestra.impostaAngolo(float((altezzaSchermo - h) / 2), float((larghezzaSchermo - w) / 2));
    finestra.impostaAltezzaEsterna(h);
    finestra.impostaLarghezzaEsterna(w);
    ResizeControls();
}

void clsResize::ResizeControls() {
    if (!m_SourceForm)
        return;
    FinestraRidimensionabile &finestra = *m_SourceForm;
    if (finestra.numeroControlli() == 0)
        return;
    if (finestra.minimizzata())
        return;
    if (m_FirstTime) {
        Initialise();
        return;
    }
    // A window recorded with no client area gives no ratio to scale by; leave it as it is.
    if (m_RecordedWidth == 0 || m_RecordedHeight == 0) {
        qCWarning(lcDisposizione) << "resize skipped: the recorded client size is empty";
        return;
    }

    DisegnoSospeso sospeso(finestra);
    const double ry = finestra.altezzaCliente() / m_RecordedHeight;
    const double rx = finestra.larghezzaCliente() / m_RecordedWidth;
    for (const ControlLayout &voce : std::as_const(m_Layout)) {
        if (voce.Ctl)
            scriviControllo(voce, rx, ry);
    }
}

void clsResize::scriviControllo(const ControlLayout &voce, double rx, double ry) {
    const DirettivaRidimensionamento d = leggiDirettiva(voce.Ctl->tag());
    ControlloRidimensionabile::Geometria g;
    if (d.left)
        g.left = voce.Left * rx;
    if (d.top)
        g.top = voce.Top * ry;
    if (d.width)
        g.width = voce.Width * rx;
    if (d.height)
        g.height = voce.Height * ry;
    voce.Ctl->scriviGeometria(g);
}
