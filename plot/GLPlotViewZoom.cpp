// The time window, the value ranges and everything that moves them: scroll bars, zoom
// sliders, the hand and magnifier tools and the fit buttons.
//
// The zoom sliders are only moved from here when their signals are blocked, i.e. when
// the change did not come from the slider itself; a slider set from outside would
// otherwise zoom again to its own quantised level.
#include "GLDecimation.h"
#include "GLPlotArea.h"
#include "GLPlotView.h"
#include "GLXAxis.h"
#include "GLYAxis.h"
#include "GLZoomLevels.h"

#include <QDebug>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>

#include <cmath>

namespace {

// Closer than this many pixels per ms the samples are far apart and nothing more is seen.
constexpr double MaxPixelsPerMs = 10.0;
constexpr double NarrowestHalfWidthMs = 10.0;
// A rubber band smaller than this share of the whole zooms to the deepest level instead.
constexpr double DeepestZoom = 1000.0;

} // namespace

void GLPlotView::setObservationPeriod(int ms)
{
    if (ms == m_observationPeriod)
        return;
    m_observationPeriod = ms;
    m_periodSeconds = ms / 1000;
    updateHeader();
    const QSignalBlocker blocker(m_xScaleSlider);
    setXRange(0, ms);
}

void GLPlotView::setXRange(double a, double b)
{
    m_xStart = std::min(a, b);
    m_xEnd = std::max(a, b);
    const double pixelsPerMs = areaWidth() / (m_xEnd - m_xStart);
    if (pixelsPerMs > MaxPixelsPerMs) {
        qDebug() << "Exceeds X scaling limit. pixelPerData=" << pixelsPerMs;
        const double centre = (m_xStart + m_xEnd) / 2.0;
        m_xStart = centre - NarrowestHalfWidthMs;
        m_xEnd = centre + NarrowestHalfWidthMs;
    }
    clampXRange();
    updateHorizontalScrollBarRange();
    updateXGridStep();
    const double width = m_xEnd - m_xStart;
    if (m_xScaleSlider->signalsBlocked() && width > 0.0)
        m_xScaleSlider->setValue(xLevelOf(m_observationPeriod / width, 0));
    const int value = int(std::floor(m_xStart)) * 10;
    if (m_horizontalScrollBar->value() == value)
        scrollHorizontal(value);
    else
        m_horizontalScrollBar->setValue(value);
}

void GLPlotView::clampXRange()
{
    if (m_xStart < 0.0) {
        m_xEnd -= m_xStart;
        m_xStart = 0.0;
    }
    if (m_xEnd > m_observationPeriod) {
        m_xStart -= m_xEnd - m_observationPeriod;
        m_xEnd = m_observationPeriod;
    }
    if (m_xStart < 0.0 || m_xEnd > m_observationPeriod) {
        m_xStart = 0.0;
        m_xEnd = m_observationPeriod;
    }
}

void GLPlotView::updateHorizontalScrollBarRange()
{
    // One scroll bar unit is 0.1 ms. The range is set quietly: a value clamped to the new
    // range must not scroll the window that is being set up.
    const int width = int(std::floor(m_xEnd - m_xStart));
    const QSignalBlocker blocker(m_horizontalScrollBar);
    m_horizontalScrollBar->setRange(0, std::max(0, (m_observationPeriod * 5 - width * 5) * 2));
    m_horizontalScrollBar->setPageStep(width * 10);
    m_horizontalScrollBar->setSingleStep(std::max(1, width));
}

void GLPlotView::updateXGridStep()
{
    m_xGridStep = GLZoomLevels::timeGridStep(m_xEnd - m_xStart);
}

void GLPlotView::scrollHorizontal(int value)
{
    const double width = m_xEnd - m_xStart;
    m_xStart = value / 10.0;
    m_xEnd = m_xStart + width;
    m_plotArea->refresh();
    m_xAxis->update();
}

void GLPlotView::scaleChangedX(int value)
{
    const QList<int>& factors = GLZoomLevels::xFactors();
    zoomX(factors.at(std::clamp(value, 0, int(factors.size()) - 1)), (m_xStart + m_xEnd) / 2.0);
}

void GLPlotView::zoomX(int factor, double centre)
{
    const double half = (m_observationPeriod / std::max(1, factor)) * 0.5;
    setXRange(centre - half, centre + half);
}

int GLPlotView::xLevelOf(double factor, int direction) const
{
    return GLZoomLevels::levelOf(GLZoomLevels::xFactors(), factor, direction);
}

int GLPlotView::yLevelOf(double factor, int direction) const
{
    return GLZoomLevels::levelOf(GLZoomLevels::yFactors(), factor, direction);
}

void GLPlotView::updateVerticalScrollBarRange()
{
    if (!m_focusedChannel)
        return;
    // One unit is 0.01 value units; the bar is inverted so that up means higher values.
    const int span = int(std::floor(m_focusedChannel->yMax() - m_focusedChannel->yMin()));
    const int maximum = int(std::floor(m_focusedChannel->fullScale())) * 100 - span * 100;
    const QSignalBlocker blocker(m_verticalScrollBar);
    m_verticalScrollBar->setRange(0, std::max(0, maximum));
    m_verticalScrollBar->setPageStep(span * 100);
    m_verticalScrollBar->setSingleStep(std::max(1, span * 10));
}

void GLPlotView::synchroniseYControls()
{
    if (!m_focusedChannel)
        return;
    updateVerticalScrollBarRange();
    const float span = m_focusedChannel->yMax() - m_focusedChannel->yMin();
    if (m_yScaleSlider->signalsBlocked() && span > 0.0f)
        m_yScaleSlider->setValue(yLevelOf(m_focusedChannel->fullScale() / span, 0));
    // Only the bar follows: the channels already hold their ranges, and scrolling would
    // give all of them the focused channel's range.
    const QSignalBlocker blocker(m_verticalScrollBar);
    m_verticalScrollBar->setValue(m_verticalScrollBar->maximum() -
                                  int(std::floor(m_focusedChannel->yMin() * 100.0f)));
    m_plotArea->refresh();
    m_yAxis->update();
}

void GLPlotView::synchroniseYControlsQuietly()
{
    const QSignalBlocker blocker(m_yScaleSlider);
    synchroniseYControls();
}

void GLPlotView::scrollVertical(int value)
{
    if (!m_focusedChannel)
        return;
    const float low = (m_verticalScrollBar->maximum() - value) / 100.0f;
    const float span = m_focusedChannel->yMax() - m_focusedChannel->yMin();
    for (GLPlotData* c : std::as_const(m_channels))
        c->setYRange(low, low + span);
    m_plotArea->refresh();
    m_yAxis->update();
}

void GLPlotView::scaleChangedY(int value)
{
    const QList<int>& factors = GLZoomLevels::yFactors();
    const int factor = factors.at(std::clamp(value, 0, int(factors.size()) - 1));
    qDebug() << "Scale index:" << value << " Factor:" << factor;
    if (!m_focusedChannel)
        return;
    zoomYFromBottom(m_focusedChannel, factor);
    synchroniseYControls();
}

void GLPlotView::zoomYAround(GLPlotData* channel, int factor, double centre)
{
    const double half = channel->fullScale() / std::max(1, factor) / 2.0;
    channel->setYRange(float(centre - half), float(centre + half));
}

void GLPlotView::zoomYFromBottom(GLPlotData* channel, int factor)
{
    const float low = channel->yMin();
    channel->setYRange(low, low + channel->fullScale() / std::max(1, factor));
}

void GLPlotView::scrolledByHandTool(QPoint delta)
{
    const double width = m_xEnd - m_xStart;
    const double start = m_xStart - width / std::max(1, areaWidth()) * delta.x();
    m_horizontalScrollBar->setValue(int(std::floor(start * 10.0 + 0.5)));
    if (!m_focusedChannel)
        return;
    const double dv = m_focusedChannel->valueHeight(delta.y());
    m_verticalScrollBar->setValue(m_verticalScrollBar->maximum() -
                                  int(std::floor((m_focusedChannel->yMin() + dv) * 100.0)));
}

void GLPlotView::zoomedBySingleMagnifier(QRect zoomRect)
{
    zoomByRectangle(zoomRect, false);
}

void GLPlotView::zoomedByMultiMagnifier(QRect zoomRect)
{
    zoomByRectangle(zoomRect, true);
}

void GLPlotView::zoomByRectangle(const QRect& rect, bool allChannels)
{
    const QSignalBlocker xBlocker(m_xScaleSlider);
    const QSignalBlocker yBlocker(m_yScaleSlider);
    const bool click = rect.width() == 0 || rect.height() == 0;
    const double t1 = pixelToTime(rect.x());
    const double t2 = pixelToTime(rect.x() + rect.width());
    const double centre = (t1 + t2) / 2.0;
    if (click)
        zoomX(GLZoomLevels::xFactors().at(xLevelOf(m_observationPeriod / (m_xEnd - m_xStart), 1)),
              centre);
    else if (m_observationPeriod / (t2 - t1) > DeepestZoom)
        zoomX(int(DeepestZoom), centre);
    else
        setXRange(t1, t2);

    const auto zoomChannel = [&](GLPlotData* c) {
        const double y1 = c->valueAtPixel(rect.y() + rect.height());
        const double y2 = c->valueAtPixel(rect.y());
        const double middle = (y1 + y2) / 2.0;
        const double fullScale = c->fullScale();
        if (click) {
            const int level = yLevelOf(fullScale / (double(c->yMax()) - c->yMin()), 1);
            zoomYAround(c, GLZoomLevels::yFactors().at(level), middle);
        } else if (fullScale / (y2 - y1) > DeepestZoom) {
            zoomYAround(c, int(DeepestZoom), middle);
        } else {
            c->setYRange(float(y1), float(y2));
        }
    };
    if (allChannels) {
        for (GLPlotData* c : std::as_const(m_channels))
            zoomChannel(c);
    } else if (m_focusedChannel) {
        zoomChannel(m_focusedChannel);
    }
    synchroniseYControls();
    m_plotArea->refresh();
}

void GLPlotView::fitX()
{
    const QSignalBlocker blocker(m_xScaleSlider);
    setXRange(0, m_observationPeriod);
}

void GLPlotView::fitFullScale()
{
    fitX();
    for (GLPlotData* c : std::as_const(m_channels))
        c->resetYToFullScale();
    synchroniseYControlsQuietly();
    m_plotArea->refresh();
}

void GLPlotView::fitFocusedChannelY()
{
    if (!m_focusedChannel)
        return;
    if (m_mode == LiveMode)
        m_focusedChannel->fitToWaveforms();
    else if (m_mode == ChannelSettingsMode)
        m_focusedChannel->fitToReference();
    else
        m_focusedChannel->fitToDataFiles();
    synchroniseYControlsQuietly();
}

void GLPlotView::fitY(quint8 channel)
{
    GLPlotData* c = this->channel(channel);
    if (!c)
        return;
    c->fitToWaveforms();
    if (c == m_focusedChannel) {
        synchroniseYControlsQuietly();
    } else {
        m_plotArea->refresh();
    }
}

void GLPlotView::fitAllY()
{
    for (GLPlotData* c : std::as_const(m_channels))
        c->fitToWaveforms();
    synchroniseYControlsQuietly();
    m_plotArea->refresh();
}

float GLPlotView::focusedFullScale() const
{
    return m_focusedChannel ? m_focusedChannel->fullScale() : 1.0f;
}

float GLPlotView::focusedYMin() const
{
    return m_focusedChannel ? m_focusedChannel->yMin() : 0.0f;
}

float GLPlotView::focusedYMax() const
{
    return m_focusedChannel ? m_focusedChannel->yMax() : 1.0f;
}

float GLPlotView::focusedYGridStep() const
{
    return m_focusedChannel ? m_focusedChannel->yGridStep() : 1.0f;
}

double GLPlotView::timeToPixel(double timeMs) const
{
    const double width = m_xEnd - m_xStart;
    return width > 0.0 ? (timeMs - m_xStart) * areaWidth() / width : 0.0;
}

double GLPlotView::pixelToTime(double px) const
{
    const int w = areaWidth();
    if (w <= 0)
        return 0.0;
    const double t = (m_xEnd - m_xStart) * px / w + m_xStart;
    return std::clamp(t, 0.0, double(std::max(0, m_observationPeriod)));
}

double GLPlotView::valueToPixel(double value) const
{
    const double low = focusedYMin();
    const double span = focusedYMax() - low;
    const int h = areaHeight();
    return span > 0.0 ? h - (value - low) * h / span : 0.0;
}

double GLPlotView::pixelToValue(double py) const
{
    const int h = areaHeight();
    if (h <= 0)
        return 0.0;
    const double low = focusedYMin();
    const double v = (focusedYMax() - low) * (h - py) / h + low;
    return v < 0.0 ? 0.0 : v;
}

double GLPlotView::pixelsToTime(double pixels) const
{
    const int w = areaWidth();
    return w > 0 ? (m_xEnd - m_xStart) / w * pixels : 0.0;
}

double GLPlotView::msPerPixel() const
{
    return GLDecimation::msPerPixel(m_xStart, m_xEnd, areaWidth());
}
