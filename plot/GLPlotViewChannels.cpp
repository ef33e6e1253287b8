// Calls that reach one channel or every channel of the view.
#include "ChannelConfig.h"
#include "GLPlotArea.h"
#include "GLPlotView.h"

#include <QLabel>

#include <algorithm>

GLPlotData* GLPlotView::channel(int ch) const
{
    return ch >= 0 && ch < m_channels.size() ? m_channels.at(ch) : nullptr;
}

void GLPlotView::setChannelCount(int n)
{
    for (int i = 0; i < n; ++i) {
        auto* channel = new GLPlotData(this);
        channel->setSamplingInterval(std::max(1, m_samplingInterval));
        m_channels.append(channel);
    }
}

void GLPlotView::removeAllChannels()
{
    m_focusedChannel = nullptr;
    qDeleteAll(m_channels);
    m_channels.clear();
    repaintPlot();
}

void GLPlotView::setDataType(int ch, int code)
{
    if (GLPlotData* c = channel(ch)) {
        c->setDataType(code);
        if (c == m_focusedChannel) {
            m_unitLabel->setText(c->unitText());
            synchroniseYControlsQuietly();
        }
        repaintPlot();
    }
}

void GLPlotView::setFullScale(int ch, float fullScale)
{
    if (GLPlotData* c = channel(ch)) {
        c->setFullScale(fullScale);
        if (c == m_focusedChannel)
            synchroniseYControlsQuietly();
        repaintPlot();
    }
}

void GLPlotView::setYRange(int ch, float a, float b)
{
    if (GLPlotData* c = channel(ch)) {
        c->setYRange(a, b);
        if (c == m_focusedChannel)
            synchroniseYControlsQuietly();
        repaintPlot();
    }
}

void GLPlotView::setChannelColor(int ch, const QColor& color)
{
    if (GLPlotData* c = channel(ch)) {
        c->setColor(color);
        repaintPlot();
    }
}

void GLPlotView::setChannelVisible(int ch, bool visible)
{
    if (GLPlotData* c = channel(ch)) {
        c->setVisible(visible);
        repaintPlot();
    }
}

void GLPlotView::setChannelEnabled(int ch, bool enabled)
{
    if (GLPlotData* c = channel(ch)) {
        c->setEnabled(enabled);
        repaintPlot();
    }
}

void GLPlotView::setChannelName(int ch, const QString& name)
{
    if (GLPlotData* c = channel(ch))
        c->setName(name);
}

void GLPlotView::setZone(int ch, int index, const GLZone& value)
{
    if (GLPlotData* c = channel(ch)) {
        c->setZone(index, value);
        repaintPlot();
    }
}

void GLPlotView::setRange(int ch, int index, const GLRange& value)
{
    if (GLPlotData* c = channel(ch)) {
        c->setRange(index, value);
        repaintPlot();
    }
}

std::optional<GLRange> GLPlotView::range(int ch, int index) const
{
    const GLPlotData* c = channel(ch);
    const GLRange* r = c ? c->range(index) : nullptr;
    return r ? std::optional<GLRange>(*r) : std::nullopt;
}

void GLPlotView::setPointMarker(int ch, const GLTSec& marker)
{
    if (GLPlotData* c = channel(ch)) {
        c->setPointMarker(marker);
        repaintPlot();
    }
}

void GLPlotView::setMonitoringWaveformOn(int ch, bool on)
{
    if (GLPlotData* c = channel(ch)) {
        c->setMonitoringWaveformOn(on);
        repaintPlot();
    }
}

void GLPlotView::applyChannelConfig(int ch, const ChannelConfig& config)
{
    GLPlotData* c = channel(ch);
    if (!c)
        return;
    c->setEnabled(config.enabled());
    for (int zone : {ChannelConfig::Zone1, ChannelConfig::Zone2, ChannelConfig::EjectZone})
        c->setZone(zone, config.glZone(zone));
    c->setRange(0, config.glPeakTime());
    c->setDataType(int(config.unitCode()));
    c->setName(config.displayTitle());
    c->setMonitoringWaveformOn(config.waveformEnabled());
    c->setPointMarker(config.glPoint());
    if (c == m_focusedChannel) {
        m_unitLabel->setText(c->unitText());
        synchroniseYControlsQuietly();
    }
    repaintPlot();
}

double GLPlotView::valueFactor(int ch) const
{
    const GLPlotData* c = channel(ch);
    return c ? c->valueFactor() : 0.0;
}

void GLPlotView::appendSamples(int ch, const GLWaveform& samples, qsizetype from)
{
    if (GLPlotData* c = channel(ch)) {
        c->appendSamples(samples, from);
        m_plotArea->refresh();
    }
}

qsizetype GLPlotView::shotSampleCount(int ch) const
{
    const GLPlotData* c = channel(ch);
    if (!c || !c->isEnabled())
        return -1;
    return c->history().isEmpty() ? 0 : c->history().first().size();
}

void GLPlotView::setAverageSmoothing(int ch, int level)
{
    if (GLPlotData* c = channel(ch))
        c->setAverageSmoothing(level);
}

int GLPlotView::averageSmoothing(int ch) const
{
    const GLPlotData* c = channel(ch);
    return c ? c->averageSmoothing() : 0;
}

void GLPlotView::setUpperLimitParameters(int ch, float sigma, int smoothing, float minimumOffset,
                                         int timeAllowance)
{
    if (GLPlotData* c = channel(ch)) {
        c->setUpperSigma(sigma);
        c->setUpperSmoothing(smoothing);
        c->setUpperMinimumOffset(minimumOffset);
        c->setUpperTimeAllowance(timeAllowance);
    }
}

void GLPlotView::setLowerLimitParameters(int ch, float sigma, int smoothing, float minimumOffset,
                                         int timeAllowance)
{
    if (GLPlotData* c = channel(ch)) {
        c->setLowerSigma(sigma);
        c->setLowerSmoothing(smoothing);
        c->setLowerMinimumOffset(minimumOffset);
        c->setLowerTimeAllowance(timeAllowance);
    }
}

namespace {

template <typename T, typename Getter> T channelValue(const GLPlotView* view, int ch, Getter getter)
{
    const GLPlotData* c = view->channel(ch);
    return c ? T((c->*getter)()) : T();
}

} // namespace

float GLPlotView::upperSigma(int ch) const
{
    return channelValue<float>(this, ch, &GLPlotData::upperSigma);
}

float GLPlotView::lowerSigma(int ch) const
{
    return channelValue<float>(this, ch, &GLPlotData::lowerSigma);
}

int GLPlotView::upperSmoothing(int ch) const
{
    return channelValue<int>(this, ch, &GLPlotData::upperSmoothing);
}

int GLPlotView::lowerSmoothing(int ch) const
{
    return channelValue<int>(this, ch, &GLPlotData::lowerSmoothing);
}

float GLPlotView::upperMinimumOffset(int ch) const
{
    return channelValue<float>(this, ch, &GLPlotData::upperMinimumOffset);
}

float GLPlotView::lowerMinimumOffset(int ch) const
{
    return channelValue<float>(this, ch, &GLPlotData::lowerMinimumOffset);
}

int GLPlotView::upperTimeAllowance(int ch) const
{
    return channelValue<int>(this, ch, &GLPlotData::upperTimeAllowance);
}

int GLPlotView::lowerTimeAllowance(int ch) const
{
    return channelValue<int>(this, ch, &GLPlotData::lowerTimeAllowance);
}

void GLPlotView::setAverage(int ch, const GLWaveform& waveform)
{
    if (GLPlotData* c = channel(ch))
        c->setAverage(waveform);
}

void GLPlotView::setStandardDeviation(int ch, const GLWaveform& waveform)
{
    if (GLPlotData* c = channel(ch))
        c->setStandardDeviation(waveform);
}

void GLPlotView::setUpperLimit(int ch, const GLWaveform& waveform)
{
    if (GLPlotData* c = channel(ch))
        c->setUpperLimit(waveform);
}

void GLPlotView::setLowerLimit(int ch, const GLWaveform& waveform)
{
    if (GLPlotData* c = channel(ch))
        c->setLowerLimit(waveform);
}

GLWaveform GLPlotView::average(int ch) const
{
    return channelValue<GLWaveform>(this, ch, &GLPlotData::average);
}

GLWaveform GLPlotView::standardDeviation(int ch) const
{
    return channelValue<GLWaveform>(this, ch, &GLPlotData::standardDeviation);
}

GLWaveform GLPlotView::upperLimit(int ch) const
{
    return channelValue<GLWaveform>(this, ch, &GLPlotData::upperLimit);
}

GLWaveform GLPlotView::lowerLimit(int ch) const
{
    return channelValue<GLWaveform>(this, ch, &GLPlotData::lowerLimit);
}

void GLPlotView::recalculateAverage(int ch)
{
    if (GLPlotData* c = channel(ch)) {
        c->recalculateAverage();
        m_plotArea->refresh();
    }
}

void GLPlotView::recalculateLimits(int ch)
{
    if (GLPlotData* c = channel(ch)) {
        c->recalculateLimits();
        m_plotArea->refresh();
    }
}

void GLPlotView::startNewShot()
{
    for (GLPlotData* c : std::as_const(m_channels))
        c->startNewShot();
    m_plotArea->refresh();
}

void GLPlotView::clearHistory()
{
    for (GLPlotData* c : std::as_const(m_channels))
        c->clearHistory();
    m_plotArea->refresh();
}

void GLPlotView::setReferenceWaveforms(const QList<GLWaveform>& waveforms, int interval)
{
    const qsizetype count = std::min(waveforms.size(), m_channels.size());
    for (qsizetype ch = 0; ch < count; ++ch)
        m_channels.at(ch)->setReferenceWaveform(waveforms.at(ch), interval);
    m_plotArea->refresh();
}

void GLPlotView::setReferenceWaveforms(const QList<GLWaveform>& waveforms, int interval,
                                       const QString& fileName)
{
    setReferenceWaveforms(waveforms, interval);
    setReferenceName(fileName);
}

void GLPlotView::setSamplingInterval(int ms)
{
    m_samplingInterval = ms;
    // Channels divide by it; an interval the configuration cannot hold keeps them at 1.
    for (GLPlotData* c : std::as_const(m_channels))
        c->setSamplingInterval(std::max(1, ms));
    updateHeader();
    repaintPlot();
}

void GLPlotView::setPressureFullScale(float fullScale)
{
    // Each pressure channel shows [0, full scale] afterwards, the focused one included; a
    // focused temperature or voltage channel keeps its own range.
    for (GLPlotData* c : std::as_const(m_channels)) {
        if (c->dataType() == 2)
            c->setFullScale(fullScale);
    }
    synchroniseYControlsQuietly();
    repaintPlot();
}

void GLPlotView::setOverwriteMaximum(int maximum)
{
    m_overwriteMaximum = maximum;
    for (GLPlotData* c : std::as_const(m_channels))
        c->setOverwriteMaximum(maximum);
    m_plotArea->refresh();
}

void GLPlotView::setClearOverwriteOnMaximum(bool clear)
{
    for (GLPlotData* c : std::as_const(m_channels))
        c->setClearOverwriteOnMaximum(clear);
}

void GLPlotView::setOverwriteOpacity(float opacity)
{
    for (GLPlotData* c : std::as_const(m_channels))
        c->setOverwriteOpacity(opacity);
    m_plotArea->refresh();
}

void GLPlotView::setRangeOpacity(float opacity)
{
    m_rangeOpacity = opacity;
    m_plotArea->refresh();
}

void GLPlotView::setReferenceWaveformOpacity(float opacity)
{
    m_referenceWaveformOpacity = opacity;
    m_plotArea->refresh();
}

void GLPlotView::setGridOpacity(float opacity)
{
    m_gridColor.setAlphaF(std::clamp(opacity, 0.0f, 1.0f));
    repaintPlot();
}

void GLPlotView::setDataFileCount(int n)
{
    m_dataFileVisible = QList<bool>(std::max(0, n), true);
    for (GLPlotData* c : std::as_const(m_channels))
        c->setDataFileCount(n);
    m_plotArea->refresh();
}

bool GLPlotView::isDataFileVisible(int file) const
{
    return file >= 0 && file < m_dataFileVisible.size() && m_dataFileVisible.at(file);
}

void GLPlotView::setDataFileVisible(int file, bool visible)
{
    if (file >= 0 && file < m_dataFileVisible.size()) {
        m_dataFileVisible[file] = visible;
        m_plotArea->refresh();
    }
}

void GLPlotView::appendDataFileRow(int file, const QList<float>& row)
{
    const qsizetype count = std::min(row.size(), m_channels.size());
    for (qsizetype ch = 0; ch < count; ++ch)
        m_channels.at(ch)->appendDataFileSample(file, row.at(ch));
}

void GLPlotView::clearDataFiles()
{
    setDataFileCount(0);
}
