#pragma once

#include "ShotLogReader.h"
#include "TrendItem.h"

#include <QList>
#include <QObject>
#include <QPointF>

class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

// The run chart inside a chart view: the values in shot order as a line, each shot as a
// point coloured by its verdict, the band's sides and the mean as dashed lines. Points
// are replaced as a whole (QXYSeries::replace), which is far cheaper than appending one
// by one. A run longer than the chart has pixels is thinned to each column's lowest and
// highest shot.
class TrendChart : public QObject
{
    Q_OBJECT

public:
    explicit TrendChart(QChartView* view);

    // `scale` converts the shots' log values to the values shown.
    void show(const QList<TrendShot>& shots, TrendItem item, double scale, const TrendBand& band,
              double mean, const QString& title, const QString& valueTitle);
    void retranslate();
    // The shots in the run, and how many of them are drawn (long runs are thinned).
    int pointCount() const;
    int drawnPointCount() const { return m_drawn; }

Q_SIGNALS:
    // The shot under the mouse, by its place in the run.
    void pointHovered(int index, bool hovering);

private:
    QLineSeries* dashedLine(const QColor& color);
    void setHorizontal(QLineSeries* series, double y, int count, bool visible);

    QChartView* m_view;
    QChart* m_chart;
    QLineSeries* m_run;
    QScatterSeries* m_ok;
    QScatterSeries* m_ng;
    QLineSeries* m_lower;
    QLineSeries* m_upper;
    QLineSeries* m_mean;
    QValueAxis* m_x;
    QValueAxis* m_y;
    int m_points = 0;
    int m_drawn = 0;
};
