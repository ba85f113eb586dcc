#include "editor/graficorisultati.h"

#include <QPainter>

#include <algorithm>

namespace {

const QColor Verde(46, 160, 67);
const QColor Rosso(207, 34, 46);

} // namespace

QVector<BarraGrafico> barreGrafico(const QVector<GiornoGrafico> &giorni, const QRectF &area) {
    QVector<BarraGrafico> barre;
    if (giorni.isEmpty() || area.isEmpty())
        return barre;
    int massimo = 1;
    for (const GiornoGrafico &g : giorni)
        massimo = std::max(massimo, g.giuste + g.sbagliate);
    const double passo = area.width() / giorni.size();
    const double larghezza = std::max(1.0, passo * 0.7);
    const double scala = area.height() / massimo;
    for (int i = 0; i < giorni.size(); ++i) {
        const GiornoGrafico &g = giorni.at(i);
        const double x = area.left() + i * passo + (passo - larghezza) / 2;
        const double altezzaGiuste = g.giuste * scala;
        const double altezzaSbagliate = g.sbagliate * scala;
        BarraGrafico b;
        b.giuste = QRectF(x, area.bottom() - altezzaGiuste, larghezza, altezzaGiuste);
        b.sbagliate = QRectF(x, b.giuste.top() - altezzaSbagliate, larghezza, altezzaSbagliate);
        b.etichetta = g.giorno.toString(QStringLiteral("d/M"));
        barre.append(b);
    }
    return barre;
}

GraficoRisultati::GraficoRisultati(QWidget *genitore)
    : QWidget(genitore) {
    setMinimumHeight(180);
    setAccessibleName(QStringLiteral("Grafico delle risposte giuste e sbagliate per giorno"));
}

void GraficoRisultati::impostaGiorni(QVector<GiornoGrafico> giorni) {
    m_giorni = std::move(giorni);
    update();
}

QRectF GraficoRisultati::areaBarre() const {
    const int riga = fontMetrics().height();
    return QRectF(rect()).adjusted(8, riga + 10, -8, -(riga + 6));
}

void GraficoRisultati::paintEvent(QPaintEvent *) {
    QPainter pittore(this);
    pittore.fillRect(rect(), palette().base());
    const int riga = fontMetrics().height();
    // The legend, in words as well as colours.
    pittore.fillRect(QRectF(8, 6, riga * 0.8, riga * 0.8), Verde);
    pittore.setPen(palette().text().color());
    pittore.drawText(QPointF(12 + riga, 4 + riga * 0.8), QStringLiteral("giuste"));
    const double dopo = 24 + riga + fontMetrics().horizontalAdvance(QStringLiteral("giuste"));
    pittore.fillRect(QRectF(dopo, 6, riga * 0.8, riga * 0.8), Rosso);
    pittore.drawText(QPointF(dopo + riga + 4, 4 + riga * 0.8), QStringLiteral("sbagliate"));

    const QRectF area = areaBarre();
    if (m_giorni.isEmpty()) {
        pittore.drawText(area, Qt::AlignCenter, QStringLiteral("Nessun risultato da mostrare"));
        return;
    }
    pittore.setPen(palette().mid().color());
    pittore.drawLine(area.bottomLeft(), area.bottomRight());
    const QVector<BarraGrafico> barre = barreGrafico(m_giorni, area);
    // Dates under the bars only as often as they fit.
    const double largaEtichetta = fontMetrics().horizontalAdvance(QStringLiteral("30/12")) + 6;
    const int ogni = std::max(1, int(largaEtichetta / (area.width() / barre.size())) + 1);
    pittore.setPen(palette().text().color());
    for (int i = 0; i < barre.size(); ++i) {
        const BarraGrafico &b = barre.at(i);
        pittore.fillRect(b.giuste, Verde);
        pittore.fillRect(b.sbagliate, Rosso);
        if (i % ogni == 0)
            // Kept inside the widget, so the first and last dates are not cut.
            pittore.drawText(QRectF(std::clamp(b.giuste.center().x() - largaEtichetta / 2, 0.0,
                                               width() - largaEtichetta),
                                    area.bottom() + 3, largaEtichetta, riga),
                             Qt::AlignHCenter | Qt::AlignTop, b.etichetta);
    }
}
