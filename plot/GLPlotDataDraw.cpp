// Drawing of one channel's layers. The plot area has made the context current and
// bound its framebuffer; each channel sets its own projection, since every channel has
// its own value range.
#include "GLDecimation.h"
#include "GLPlotData.h"

#include <QDataStream>
#include <QOpenGLFunctions_2_1>

#include <algorithm>

namespace {

constexpr quint16 ZoneStipple = 0xC3C3;
constexpr float TimeBandAlpha = 0.2f;
constexpr float MonitoringBandAlpha = 0.3f;

const QColor DataFileColor(60, 100, 0);
const QColor AverageColor(220, 220, 0);
const QColor LimitColor(255, 0, 0);

} // namespace

bool GLPlotData::beginDraw(QOpenGLFunctions_2_1* gl)
{
    if (!m_enabled || !m_visible || !m_view || !gl || !(m_yMax > m_yMin) ||
        !(m_view->xEnd() > m_view->xStart()))
        return false;
    m_gl = gl;
    GLint viewport[4] = {0, 0, 0, 0};
    gl->glGetIntegerv(GL_VIEWPORT, viewport);
    const double p = (double(m_yMax) - m_yMin) / std::max(1, viewport[3]);
    gl->glMatrixMode(GL_PROJECTION);
    gl->glLoadIdentity();
    gl->glOrtho(m_view->xStart(), m_view->xEnd(), m_yMin - p / 2, m_yMax + p / 2, -1.0, 1.0);
    gl->glMatrixMode(GL_MODELVIEW);
    gl->glLoadIdentity();
    gl->glEnable(GL_BLEND);
    gl->glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    return true;
}

void GLPlotData::draw(QOpenGLFunctions_2_1* gl)
{
    if (!beginDraw(gl))
        return;
    drawLayersBelowCurrent();
    drawCurrentWaveform();
    drawLayersAboveCurrent();
    m_gl = nullptr;
}

void GLPlotData::drawBackgroundLayers(QOpenGLFunctions_2_1* gl)
{
    if (!beginDraw(gl))
        return;
    drawLayersBelowCurrent();
    drawLayersAboveCurrent();
    m_gl = nullptr;
}

void GLPlotData::drawCurrentWaveformFrom(QOpenGLFunctions_2_1* gl, qsizetype from)
{
    if (m_history.isEmpty() || !beginDraw(gl))
        return;
    gl->glLineWidth(1.0f);
    drawSeries(m_history.first(), m_samplingInterval, m_color, 1.0f, 0, from);
    m_gl = nullptr;
}

void GLPlotData::drawLayersBelowCurrent()
{
    if (isLayerShown(GLLayer::TimeBand))
        drawTimeBand();
    m_gl->glLineWidth(1.0f);
    if (m_view->mode() == DataViewerMode) {
        drawDataFiles();
        drawAverage();
        drawUpperLimit();
        drawLowerLimit();
    }
    if (isLayerShown(GLLayer::TimeRanges))
        drawTimeRanges();
    if (isLayerShown(GLLayer::Zones))
        drawZones();
    if (isLayerShown(GLLayer::Reference))
        drawReferenceWaveform();
    if (m_view->mode() == LiveMode && m_monitoringWaveformOn && !m_ranges.isEmpty() &&
        isLayerShown(GLLayer::MonitoringBand))
        drawMonitoringBand();
    if (isLayerShown(GLLayer::Overwrite))
        drawOverwrite();
}

void GLPlotData::drawLayersAboveCurrent()
{
    if (m_pointMarker.enabled && isLayerShown(GLLayer::PointMarker))
        drawPointMarker();
    m_waveformEditor.draw(m_gl);
}

void GLPlotData::applyColor(const QColor& color, float alpha) const
{
    m_gl->glColor4f(color.redF(), color.greenF(), color.blueF(), alpha);
}

void GLPlotData::drawSeries(const GLWaveform& series, int interval, const QColor& color,
                            float alpha, quint16 stipple, qsizetype from)
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
    m_vertices.clear();
    GLDecimation::appendLines(series.constData(), window, interval, columns, m_vertices);
    if (m_vertices.empty())
        return;
    applyColor(color, alpha);
    if (stipple != 0) {
        m_gl->glLineStipple(1, stipple);
        m_gl->glEnable(GL_LINE_STIPPLE);
    }
    m_gl->glEnableClientState(GL_VERTEX_ARRAY);
    m_gl->glVertexPointer(2, GL_FLOAT, 0, m_vertices.data());
    m_gl->glDrawArrays(GL_LINES, 0, GLsizei(m_vertices.size() / 2));
    m_gl->glDisableClientState(GL_VERTEX_ARRAY);
    if (stipple != 0)
        m_gl->glDisable(GL_LINE_STIPPLE);
}

void GLPlotData::drawTimeBand()
{
    applyColor(m_color, TimeBandAlpha);
    m_gl->glRectf(m_timeBandStart, 0.0f, m_timeBandEnd, m_fullScale);
}

void GLPlotData::drawDataFiles()
{
    for (int f = 0; f < m_dataFiles.size(); ++f) {
        if (m_view->isDataFileVisible(f))
            drawSeries(m_dataFiles.at(f), m_samplingInterval, DataFileColor, 1.0f);
    }
}

void GLPlotData::drawAverage()
{
    drawSeries(m_average, m_samplingInterval, AverageColor, 1.0f);
}

void GLPlotData::drawUpperLimit()
{
    drawSeries(m_upperLimit, m_samplingInterval, LimitColor, 1.0f);
}

void GLPlotData::drawLowerLimit()
{
    drawSeries(m_lowerLimit, m_samplingInterval, LimitColor, 1.0f);
}

void GLPlotData::drawTimeRanges()
{
    applyColor(m_color, m_view->rangeOpacity());
    for (const GLRange& r : std::as_const(m_ranges)) {
        if (r.enabled)
            m_gl->glRectf(float(r.beginMs), 0.0f, float(r.endMs), m_fullScale);
    }
}

void GLPlotData::drawZones()
{
    applyColor(m_color, 1.0f);
    m_gl->glLineStipple(1, ZoneStipple);
    m_gl->glEnable(GL_LINE_STIPPLE);
    for (const GLZone& z : std::as_const(m_zones)) {
        if (!z.enabled)
            continue;
        m_gl->glBegin(GL_LINE_LOOP);
        m_gl->glVertex2f(float(z.startMs), z.lower);
        m_gl->glVertex2f(float(z.endMs), z.lower);
        m_gl->glVertex2f(float(z.endMs), z.upper);
        m_gl->glVertex2f(float(z.startMs), z.upper);
        m_gl->glEnd();
    }
    m_gl->glDisable(GL_LINE_STIPPLE);
}

void GLPlotData::drawReferenceWaveform()
{
    drawSeries(m_reference, m_referenceInterval, m_color, m_view->referenceWaveformOpacity());
}

void GLPlotData::drawMonitoringBand()
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
    m_vertices.clear();
    GLDecimation::appendBand(m_upperLimit.constData(), m_lowerLimit.constData(), window,
                             m_samplingInterval, columns, bounds.beginMs, bounds.endMs, m_vertices);
    if (m_vertices.empty())
        return;
    applyColor(m_color, MonitoringBandAlpha);
    m_gl->glEnableClientState(GL_VERTEX_ARRAY);
    m_gl->glVertexPointer(2, GL_FLOAT, 0, m_vertices.data());
    m_gl->glDrawArrays(GL_QUAD_STRIP, 0, GLsizei(m_vertices.size() / 2));
    m_gl->glDisableClientState(GL_VERTEX_ARRAY);
}

void GLPlotData::drawOverwrite()
{
    const int last = std::min(effectiveOverwriteMaximum(), int(m_history.size()) - 1);
    for (int i = 1; i <= last; ++i)
        drawSeries(m_history.at(i), m_samplingInterval, m_color, m_overwriteOpacity);
}

void GLPlotData::drawCurrentWaveform()
{
    if (!m_history.isEmpty())
        drawSeries(m_history.first(), m_samplingInterval, m_color, 1.0f);
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

void GLPlotData::drawPointMarker()
{
    // The ticks keep at least 1 ms so that they stay visible when zoomed far in.
    const float w = float(std::max(1, int(timeWidth(5))));
    const float t = float(m_pointMarker.timeMs);
    const float low = float(m_pointMarker.lower);
    const float high = float(m_pointMarker.upper);
    m_gl->glLineWidth(1.0f);
    applyColor(m_color, 1.0f);
    m_gl->glBegin(GL_LINES);
    m_gl->glVertex2f(t, low);
    m_gl->glVertex2f(t, high);
    m_gl->glVertex2f(t - w, low);
    m_gl->glVertex2f(t + w, low);
    m_gl->glVertex2f(t - w, high);
    m_gl->glVertex2f(t + w, high);
    m_gl->glEnd();
}
