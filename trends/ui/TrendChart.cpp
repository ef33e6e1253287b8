#include "TrendChart.h"

#include <QChart>
#include <QChartView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <cmath>

namespace {

// More points than this are thinned for drawing: a chart is a few hundred pixels wide,
// and each point of a scatter series is a graphics item of its own.
constexpr int MaxDrawnPoints = 800;
constexpr int Columns = MaxDrawnPoints / 2;
constexpr int AntialiasedPoints = 300;

// Keeps the lowest and the highest point of each run of `width` shots, in shot order, so
// that no outlier vanishes from a long run.
QList<QPointF> thinned(const QList<QPointF>& points, double width)
{
    QList<QPointF> kept;
    qsizetype i = 0;
    while (i < points.size()) {
        const qint64 column = qint64((points[i].x() - 1) / width);
        qsizetype low = i;
        qsizetype high = i;
        for (++i; i < points.size() && qint64((points[i].x() - 1) / width) == column; ++i) {
            if (points[i].y() < points[low].y())
                low = i;
            if (points[i].y() > points[high].y())
                high = i;
        }
        kept.append(points[std::min(low, high)]);
        if (low != high)
            kept.append(points[std::max(low, high)]);
    }
    return kept;
}

// 1, 2 or 5 times a power of ten, at least `raw`: whole shot numbers on the axis.
double niceStep(double raw)
{
    const double power = std::pow(10.0, std::floor(std::log10(std::max(raw, 1.0))));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw)
            return factor * power;
    }
    return 10 * power;
}

} // namespace

TrendChart::TrendChart(QChartView* view)
    : QObject(view), m_view(view), m_chart(new QChart), m_run(new QLineSeries(this)),
      m_ok(new QScatterSeries(this)), m_ng(new QScatterSeries(this)),
      m_lower(dashedLine(QColor(200, 120, 0))), m_upper(dashedLine(QColor(200, 120, 0))),
      m_mean(dashedLine(QColor(40, 90, 200))), m_x(new QValueAxis(this)), m_y(new QValueAxis(this))
{
    m_run->setPen(QPen(QColor(150, 150, 150), 1));
    for (QScatterSeries* points : {m_ok, m_ng}) {
        // Squares: an ellipse is a curve path per point, several times dearer to paint.
        points->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        points->setMarkerSize(6);
        points->setPen(Qt::NoPen);
    }
    m_ok->setColor(QColor(0, 160, 60));
    m_ng->setColor(QColor(220, 30, 30));
    for (QXYSeries* series :
         std::initializer_list<QXYSeries*>{m_run, m_lower, m_upper, m_mean, m_ok, m_ng}) {
        m_chart->addSeries(series);
    }
    m_chart->addAxis(m_x, Qt::AlignBottom);
    m_chart->addAxis(m_y, Qt::AlignLeft);
    for (QAbstractSeries* series : m_chart->series()) {
        series->attachAxis(m_x);
        series->attachAxis(m_y);
    }
    m_x->setLabelFormat(QStringLiteral("%d"));
    m_x->setTickType(QValueAxis::TicksDynamic);
    m_x->setTickAnchor(0);
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart->legend()->markers(m_run).first()->setVisible(false);
    m_chart->legend()->markers(m_upper).first()->setVisible(false);
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    view->setChart(m_chart);
    view->setRenderHint(QPainter::Antialiasing);
    for (QScatterSeries* points : {m_ok, m_ng}) {
        connect(points, &QScatterSeries::hovered, this, [this](const QPointF& point, bool state) {
            Q_EMIT pointHovered(int(std::lround(point.x())) - 1, state);
        });
    }
    retranslate();
}

QLineSeries* TrendChart::dashedLine(const QColor& color)
{
    auto* line = new QLineSeries(this);
    line->setPen(QPen(color, 1.5, Qt::DashLine));
    return line;
}

void TrendChart::retranslate()
{
    m_ok->setName(tr("OK"));
    m_ng->setName(tr("NG"));
    m_lower->setName(tr("Limits"));
    m_mean->setName(tr("Mean"));
    m_x->setTitleText(tr("Shot (oldest to newest)"));
}

int TrendChart::pointCount() const
{
    return m_points;
}

// Emptied rather than hidden: hiding a series would show its legend marker again.
void TrendChart::setHorizontal(QLineSeries* series, double y, int count, bool visible)
{
    if (visible)
        series->replace({QPointF(1, y), QPointF(std::max(count, 2), y)});
    else
        series->clear();
}

void TrendChart::show(const QList<TrendShot>& shots, TrendItem item, double scale,
                      const TrendBand& band, double mean, const QString& title,
                      const QString& valueTitle)
{
    m_points = 0;
    QList<QPointF> run;
    QList<QPointF> ok;
    QList<QPointF> ng;
    run.reserve(shots.size());
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    for (const TrendShot& shot : shots) {
        if (!shot.has(item))
            continue;
        const QPointF point(double(run.size() + 1), shot.value(item) * scale);
        run.append(point);
        ++m_points;
        (shot.ok ? ok : ng).append(point);
        low = std::min(low, point.y());
        high = std::max(high, point.y());
    }
    const int count = int(run.size());
    if (count > MaxDrawnPoints) {
        const double width = std::ceil(double(count) / Columns);
        run = thinned(run, width);
        ok = thinned(ok, width);
        ng = thinned(ng, width);
    }
    m_run->replace(run);
    m_ok->replace(ok);
    m_ng->replace(ng);
    m_drawn = int(ok.size() + ng.size());
    // Smoothing a few hundred markers costs more than it shows.
    m_view->setRenderHint(QPainter::Antialiasing, m_drawn <= AntialiasedPoints);
    setHorizontal(m_lower, band.lower * scale, count, band.hasLower);
    setHorizontal(m_upper, band.upper * scale, count, band.hasUpper);
    setHorizontal(m_mean, mean, count, count > 0 && std::isfinite(mean));
    // The band stays in view with the values, so a drift towards a limit shows.
    if (band.hasLower)
        low = std::min(low, band.lower * scale);
    if (band.hasUpper)
        high = std::max(high, band.upper * scale);
    if (low > high) {
        low = 0;
        high = 1;
    }
    const double margin = high > low ? (high - low) * 0.05 : std::max(std::abs(high) * 0.05, 0.5);
    m_y->setRange(low - margin, high + margin);
    m_y->applyNiceNumbers();
    m_x->setRange(0.5, std::max(count, 2) + 0.5);
    m_x->setTickInterval(niceStep(std::max(count, 2) / 8.0));
    m_y->setTitleText(valueTitle);
    m_chart->setTitle(title);
}
