#pragma once

#include "classe/riepilogorisultati.h"

#include <QRectF>
#include <QVector>
#include <QWidget>

// One day's bar: the right drops in green at the bottom, the wrong ones in red above them.
struct BarraGrafico {
    QRectF giuste;
    QRectF sbagliate;
    QString etichetta; // "2/3", shown under the bar when there is room
};

// The bars for `giorni` in `area`, all on one scale: the busiest day fills the height. Plain
// geometry, so what the chart shows can be checked without looking at pixels.
QVector<BarraGrafico> barreGrafico(const QVector<GiornoGrafico> &giorni, const QRectF &area);

// Right and wrong drops day by day, drawn with QPainter.
class GraficoRisultati : public QWidget {
    Q_OBJECT
public:
    explicit GraficoRisultati(QWidget *genitore = nullptr);

    void impostaGiorni(QVector<GiornoGrafico> giorni);
    const QVector<GiornoGrafico> &giorni() const { return m_giorni; }
    // Where the bars go inside the widget, below the legend and above the dates.
    QRectF areaBarre() const;

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    QVector<GiornoGrafico> m_giorni;
};
