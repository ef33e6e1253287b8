// Drawing of one channel's layers onto the canvas the plot area gives; each channel sets
// its own projection, since every channel has its own value range.
#include "GLDecimation.h"
#include "GLPlotData.h"
#include "PlotCanvas.h"

#include <QDataStream>

#include <algorithm>

namespace {

constexpr quint16 ZoneStipple = 0xC3C3;
constexpr float TimeBandAlpha = 0.2f;
constexpr float MonitoringBandAlpha = 0.3f;

const QColor DataFileColor(60, 100, 0);
const QColor AverageColor(220, 220, 0);
const QColor LimitColor(255, 0, 0);

} // namespace

bool GLPlotData::beginDraw(PlotCanvas& canvas) const
{
    if (!m_enabled || !m_visible || !m_view || !(m_yMax > m_yMin) ||
        !(m_view->xEnd() > m_view->xStart()))
        return false;
    // Half a pixel row of margin, so that values at both ends of the range stay visible.
    const double p = (double(m_yMax) - m_yMin) / std::max(1, canvas.pixelSize().height());
    canvas.setProjection(m_view->xStart(), m_view->xEnd(), m_yMin - p / 2, m_yMax + p / 2);
    canvas.setLineStipple(0);
    return true;
}

void GLPlotData::draw(PlotCanvas& canvas) const
{
    if (!beginDraw(canvas))
        return;
    drawLayersBelowCurrent(canvas);
    drawCurrentWaveform(canvas);
    drawLayersAboveCurrent(canvas);
}

void GLPlotData::drawBackgroundLayers(PlotCanvas& canvas) const
{
    if (!beginDraw(canvas))
        return;
    drawLayersBelowCurrent(canvas);
    drawLayersAboveCurrent(canvas);
}

void GLPlotData::drawCurrentWaveformFrom(PlotCanvas& canvas, qsizetype from) const
{
    if (m_history.isEmpty() || !beginDraw(canvas))
        return;
    drawSeries(canvas, m_history.first(), m_samplingInterval, m_color, 1.0f, from);
}

void GLPlotData::drawLayersBelowCurrent(PlotCanvas& canvas) const
{
    if (isLayerShown(GLLayer::TimeBand))
        drawTimeBand(canvas);
    if (m_view->mode() == DataViewerMode) {
        drawDataFiles(canvas);
        drawAverage(canvas);
        drawUpperLimit(canvas);
        drawLowerLimit(canvas);
    }
    if (isLayerShown(GLLayer::TimeRanges))
        drawTimeRanges(canvas);
    if (isLayerShown(GLLayer::Zones))
        drawZones(canvas);
    if (isLayerShown(GLLayer::Reference))
        drawReferenceWaveform(canvas);
    if (m_view->mode() == LiveMode && m_monitoringWaveformOn && !m_ranges.isEmpty() &&
        isLayerShown(GLLayer::MonitoringBand))
        drawMonitoringBand(canvas);
    if (isLayerShown(GLLayer::Overwrite))
        drawOverwrite(canvas);
}

void GLPlotData::drawLayersAboveCurrent(PlotCanvas& canvas) const
{
    if (m_pointMarker.enabled && isLayerShown(GLLayer::PointMarker))
        drawPointMarker(canvas);
    m_waveformEditor.draw(canvas);
}

void GLPlotData::drawSeries(PlotCanvas& canvas, const GLWaveform& series, int interval,
                            const QColor& color, float alpha, qsizetype from) const
{
    if (series.isEmpty())
        return;
    const GLColumns columns =
        GLDecimation::columns(m_view->xStart(), m_view->xEnd(), m_view->areaWidth());
    GLSeriesWindow window =
        GLDecimation::window(m_view->xStart(), m_view->xEnd(), interval, series.size());
    if (from > 0) {
        // Redraw the column the last drawn sample is in, joined to the sample before it.
        const qsizetype start = GLDecimation::columnStart(from - 1, interval, columns);
        window.first = std::max(window.first, std::max(qsizetype(0), start - 1));
    }
    canvas.setColor(color, alpha);
    canvas.drawSeries(series.constData(), window, interval, columns);
}

void GLPlotData::drawTimeBand(PlotCanvas& canvas) const
{
    canvas.setColor(m_color, TimeBandAlpha);
    canvas.fillRect(m_timeBandStart, 0.0f, m_timeBandEnd, m_fullScale);
}

void GLPlotData::drawDataFiles(PlotCanvas& canvas) const
{
    for (int f = 0; f < m_dataFiles.size(); ++f) {
        if (m_view->isDataFileVisible(f))
            drawSeries(canvas, m_dataFiles.at(f), m_samplingInterval, DataFileColor, 1.0f);
    }
}

void GLPlotData::drawAverage(PlotCanvas& canvas) const
{
    drawSeries(canvas, m_average, m_samplingInterval, AverageColor, 1.0f);
}

void GLPlotData::drawUpperLimit(PlotCanvas& canvas) const
{
    drawSeries(canvas, m_upperLimit, m_samplingInterval, LimitColor, 1.0f);
}

void GLPlotData::drawLowerLimit(PlotCanvas& canvas) const
{
    drawSeries(canvas, m_lowerLimit, m_samplingInterval, LimitColor, 1.0f);
}

void GLPlotData::drawTimeRanges(PlotCanvas& canvas) const
{
    canvas.setColor(m_color, m_view->rangeOpacity());
    for (const GLRange& r : std::as_const(m_ranges)) {
        if (r.enabled)
            canvas.fillRect(float(r.beginMs), 0.0f, float(r.endMs), m_fullScale);
    }
}

void GLPlotData::drawZones(PlotCanvas& canvas) const
{
    canvas.setColor(m_color, 1.0f);
    canvas.setLineStipple(ZoneStipple);
    for (const GLZone& z : std::as_const(m_zones)) {
        if (!z.enabled)
            continue;
        const float outline[] = {float(z.startMs), z.lower, float(z.endMs),   z.lower,
                                 float(z.endMs),   z.upper, float(z.startMs), z.upper};
        canvas.drawPolyline(outline, 4, true);
    }
    canvas.setLineStipple(0);
}

void GLPlotData::drawReferenceWaveform(PlotCanvas& canvas) const
{
    drawSeries(canvas, m_reference, m_referenceInterval, m_color,
               m_view->referenceWaveformOpacity());
}

void GLPlotData::drawMonitoringBand(PlotCanvas& canvas) const
{
    if (m_upperLimit.isEmpty() || m_lowerLimit.isEmpty() || m_samplingInterval < 1)
        return;
    const qsizetype count = std::min(m_upperLimit.size(), m_lowerLimit.size());
    const GLSeriesWindow window =
        GLDecimation::window(m_view->xStart(), m_view->xEnd(), m_samplingInterval, count);
    const GLColumns columns =
        GLDecimation::columns(m_view->xStart(), m_view->xEnd(), m_view->areaWidth());
    // Only the first time range bounds the band: it is the range the unit judges in.
    const GLRange& bounds = m_ranges.first();
    std::vector<float> vertices;
    GLDecimation::appendBand(m_upperLimit.constData(), m_lowerLimit.constData(), window,
                             m_samplingInterval, columns, bounds.beginMs, bounds.endMs, vertices);
    if (vertices.empty())
        return;
    canvas.setColor(m_color, MonitoringBandAlpha);
    canvas.fillBand(vertices.data(), qsizetype(vertices.size() / 2));
}

void GLPlotData::drawOverwrite(PlotCanvas& canvas) const
{
    const int last = std::min(effectiveOverwriteMaximum(), int(m_history.size()) - 1);
    for (int i = 1; i <= last; ++i)
        drawSeries(canvas, m_history.at(i), m_samplingInterval, m_color, m_overwriteOpacity);
}

void GLPlotData::drawCurrentWaveform(PlotCanvas& canvas) const
{
    if (!m_history.isEmpty())
        drawSeries(canvas, m_history.first(), m_samplingInterval, m_color, 1.0f);
}

void GLPlotData::writeDrawState(QDataStream& stream) const
{
    stream << m_enabled << m_visible << m_color.rgba() << m_yMin << m_yMax << m_fullScale
           << m_samplingInterval << m_referenceInterval << m_contentRevision
           << qint64(m_history.size()) << effectiveOverwriteMaximum() << m_overwriteOpacity
           << m_timeBandStart << m_timeBandEnd << m_monitoringWaveformOn;
    for (int layer = 0; layer < int(m_layerVisibility.size()); ++layer)
        stream << isLayerShown(GLLayer(layer));
    stream << qint64(m_zones.size()) << qint64(m_ranges.size())
           << qint64(m_waveformEditor.points().size());
    for (const GLZone& z : m_zones)
        stream << z.startMs << z.endMs << z.lower << z.upper << z.enabled;
    for (const GLRange& r : m_ranges)
        stream << r.beginMs << r.endMs << r.enabled;
    stream << m_pointMarker.timeMs << m_pointMarker.lower << m_pointMarker.upper
           << m_pointMarker.enabled;
    for (const GLWaveformEditor::Point& p : m_waveformEditor.points())
        stream << p.timeMs << p.value << p.selected;
}

void GLPlotData::drawPointMarker(PlotCanvas& canvas) const
{
    // The ticks keep at least 1 ms so that they stay visible when zoomed far in.
    const float w = float(std::max(1, int(timeWidth(5))));
    const float t = float(m_pointMarker.timeMs);
    const float low = float(m_pointMarker.lower);
    const float high = float(m_pointMarker.upper);
    const float ticks[] = {t, low, t, high, t - w, low, t + w, low, t - w, high, t + w, high};
    canvas.setColor(m_color, 1.0f);
    canvas.drawLines(ticks, 6);
}
