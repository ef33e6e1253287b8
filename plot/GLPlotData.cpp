#include "GLPlotData.h"

#include "ChannelDataType.h"
#include "GLZoomLevels.h"
#include "WaveformStatistics.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace {

// Value of a series at an index, or the no-value mark past either end.
float seriesValue(const GLWaveform& series, qsizetype index)
{
    if (index < 0 || index >= series.size())
        return GLPlotData::NoValue;
    return series.at(index);
}

// Sum of the samples before `index`, or the no-value mark past the end.
float seriesSum(const GLWaveform& series, qsizetype index)
{
    if (index < 0 || index >= series.size())
        return GLPlotData::NoValue;
    double sum = 0.0;
    for (qsizetype i = 0; i < index; ++i)
        sum += series.at(i);
    return float(sum);
}

} // namespace

GLPlotData::GLPlotData(GLPlotHost* view) : m_view(view), m_waveformEditor(this)
{
    m_layerVisibility.fill(FollowsView);
}

GLPlotData::~GLPlotData() = default;

QString GLPlotData::unitTextOf(int dataType)
{
    const ChannelDataType* entry = ChannelDataType::find(dataType);
    return entry ? QString::fromLatin1(entry->unit) : QString();
}

void GLPlotData::setDataType(int code)
{
    if (code == m_dataType)
        return;
    m_dataType = code;
    if (const ChannelDataType* entry = ChannelDataType::find(code)) {
        m_fullScale = entry->fullScale;
        m_valueFactor = entry->factor;
    }
    m_upperMinimumOffset = m_fullScale * 0.02f;
    m_lowerMinimumOffset = m_fullScale * -0.02f;
    resetYToFullScale();
}

void GLPlotData::setFullScale(float fullScale)
{
    m_fullScale = fullScale;
    m_yMin = std::min(0.0f, fullScale);
    m_yMax = std::max(0.0f, fullScale);
    normaliseYRange();
    updateYGridStep();
}

void GLPlotData::setYRange(float a, float b)
{
    m_yMin = std::min(a, b);
    m_yMax = std::max(a, b);
    normaliseYRange();
    updateYGridStep();
}

void GLPlotData::normaliseYRange()
{
    // Closer than 100 pixels per value unit shows nothing but noise.
    const int h = m_view ? m_view->areaHeight() : 0;
    if (h > 0 && double(h) > 100.0 * (double(m_yMax) - m_yMin)) {
        const float centre = (m_yMin + m_yMax) / 2.0f;
        m_yMin = centre - float(h) * 0.5f / 100.0f;
        m_yMax = centre + float(h) * 0.5f / 100.0f;
    }
    if (m_yMin < 0.0f) {
        m_yMax += -m_yMin;
        m_yMin = 0.0f;
    }
    if (m_yMax > m_fullScale) {
        m_yMin -= m_yMax - m_fullScale;
        m_yMax = m_fullScale;
    }
    if (m_yMin < 0.0f || m_yMin > m_fullScale) {
        m_yMin = std::min(0.0f, m_fullScale);
        m_yMax = std::max(0.0f, m_fullScale);
    }
}

void GLPlotData::updateYGridStep()
{
    m_yGridStep = GLZoomLevels::valueGridStep(m_yMax - m_yMin);
}

int GLPlotData::effectiveOverwriteMaximum() const
{
    const int maximum =
        m_overwriteMaximum == -1 && m_view ? m_view->overwriteMaximum() : m_overwriteMaximum;
    return std::max(0, maximum);
}

void GLPlotData::appendSamples(const GLWaveform& samples, qsizetype from)
{
    if (!m_enabled)
        return;
    if (m_history.isEmpty())
        m_history.prepend(GLWaveform());
    GLWaveform& current = m_history.first();
    const qsizetype held = current.size() - from; // of `samples`, those already in the shot
    if (held >= 0 && held < samples.size())
        current.append(samples.mid(held));
}

void GLPlotData::startNewShot()
{
    touch();
    if (!m_enabled)
        return;
    const int maximum = effectiveOverwriteMaximum();
    if (!m_history.isEmpty() && m_history.size() >= maximum) {
        if (m_clearOverwriteOnMaximum) {
            m_history.clear();
        } else {
            // Down to one below the maximum, so a lowered maximum takes effect at once
            // instead of keeping shots that are never drawn again.
            while (!m_history.isEmpty() && m_history.size() >= std::max(1, maximum))
                m_history.removeLast();
        }
    }
    m_history.prepend(GLWaveform());
}

void GLPlotData::clearHistory()
{
    touch();
    m_history.clear();
}

void GLPlotData::setReferenceWaveform(const GLWaveform& waveform, int interval)
{
    touch();
    m_reference = waveform;
    m_referenceInterval = interval;
}

int GLPlotData::layerVisibility(GLLayer layer) const
{
    return m_layerVisibility.at(size_t(layer));
}

void GLPlotData::setLayerVisibility(GLLayer layer, int visibility)
{
    m_layerVisibility.at(size_t(layer)) = visibility;
}

bool GLPlotData::isLayerShown(GLLayer layer) const
{
    switch (layerVisibility(layer)) {
    case AlwaysShown:
        return true;
    case FollowsView:
        return m_view && m_view->isLayerToggledOn(layer);
    default:
        return false;
    }
}

void GLPlotData::setTimeBand(float startMs, float endMs)
{
    m_timeBandStart = startMs;
    m_timeBandEnd = endMs;
}

GLZone* GLPlotData::zone(int index)
{
    return index >= 0 && index < m_zones.size() ? &m_zones[index] : nullptr;
}

const GLZone* GLPlotData::zone(int index) const
{
    return index >= 0 && index < m_zones.size() ? &m_zones.at(index) : nullptr;
}

void GLPlotData::setZone(int index, const GLZone& zone)
{
    if (index < 0)
        return;
    if (index < m_zones.size())
        m_zones[index] = zone;
    else
        m_zones.append(zone);
}

GLRange* GLPlotData::range(int index)
{
    return index >= 0 && index < m_ranges.size() ? &m_ranges[index] : nullptr;
}

const GLRange* GLPlotData::range(int index) const
{
    return index >= 0 && index < m_ranges.size() ? &m_ranges.at(index) : nullptr;
}

void GLPlotData::setRange(int index, const GLRange& range)
{
    if (index < 0)
        return;
    if (index < m_ranges.size())
        m_ranges[index] = range;
    else
        m_ranges.append(range);
}

void GLPlotData::setPointMarker(const GLTSec& marker)
{
    m_pointMarker.enabled = marker.enabled;
    m_pointMarker.timeMs = marker.timeMs;
    m_pointMarker.lower = marker.lower;
    m_pointMarker.upper = marker.upper;
    m_pointMarker.editState = 0;
}

void GLPlotData::setDataFileCount(int n)
{
    touch();
    m_dataFiles = QList<GLWaveform>(std::max(0, n));
}

void GLPlotData::appendDataFileSample(int file, float value)
{
    if (file >= 0 && file < m_dataFiles.size()) {
        m_dataFiles[file].append(value);
        touch();
    }
}

void GLPlotData::setDataFile(int file, const GLWaveform& waveform)
{
    if (file >= 0 && file < m_dataFiles.size()) {
        m_dataFiles[file] = waveform;
        touch();
    }
}

namespace {

QList<bool> fileVisibility(const GLPlotHost* view, qsizetype count)
{
    QList<bool> visible(count, true);
    for (qsizetype f = 0; f < count && view; ++f)
        visible[f] = view->isDataFileVisible(int(f));
    return visible;
}

} // namespace

void GLPlotData::recalculateAverage()
{
    touch();
    const QList<bool> visible = fileVisibility(m_view, m_dataFiles.size());
    m_average = WaveformStatistics::smoothed(WaveformStatistics::average(m_dataFiles, visible),
                                             m_averageSmoothing);
    m_standardDeviation = WaveformStatistics::standardDeviation(m_dataFiles, visible, m_average);
}

void GLPlotData::recalculateUpperLimit()
{
    touch();
    m_upperLimit = WaveformStatistics::limitEnvelope(m_average, m_standardDeviation, m_upperSigma,
                                                     m_upperMinimumOffset, m_upperTimeAllowance,
                                                     m_upperSmoothing);
}

void GLPlotData::recalculateLowerLimit()
{
    touch();
    m_lowerLimit = WaveformStatistics::limitEnvelope(m_average, m_standardDeviation, m_lowerSigma,
                                                     m_lowerMinimumOffset, m_lowerTimeAllowance,
                                                     m_lowerSmoothing);
}

void GLPlotData::recalculateLimits()
{
    recalculateLowerLimit();
    recalculateUpperLimit();
}

float GLPlotData::valueAt(int index) const
{
    return m_history.isEmpty() ? NoValue : seriesValue(m_history.first(), index);
}

float GLPlotData::referenceValueAt(int index) const
{
    if (m_referenceInterval < 1)
        return NoValue;
    return seriesValue(m_reference, qsizetype(index) * m_samplingInterval / m_referenceInterval);
}

float GLPlotData::integralAt(int index) const
{
    if (m_history.isEmpty())
        return NoValue;
    const float sum = seriesSum(m_history.first(), index);
    return sum == NoValue ? NoValue : sum * float(m_samplingInterval) / 1000.0f;
}

float GLPlotData::referenceIntegralAt(int index) const
{
    if (m_referenceInterval < 1)
        return NoValue;
    const qsizetype j = qsizetype(index) * m_samplingInterval / m_referenceInterval;
    const float sum = seriesSum(m_reference, j);
    return sum == NoValue ? NoValue : sum * float(m_referenceInterval) / 1000.0f;
}

namespace {

QString readOut(const QString& name, float value, const QString& unit)
{
    if (value == GLPlotData::NoValue)
        return QString();
    const QString number = QString::number(double(value), 'g', 6);
    if (name.isEmpty())
        return QCoreApplication::translate("GLPlotData", "<untitled> : %1[%2]").arg(number, unit);
    return QStringLiteral("%1 : %2[%3]").arg(name, number, unit);
}

} // namespace

QString GLPlotData::valueText(int mode, double x) const
{
    if (!m_visible || m_samplingInterval < 1)
        return QString();
    const int i = int(x / m_samplingInterval);
    const float value = mode == 1 ? referenceValueAt(i) : valueAt(i);
    return readOut(m_name, value, unitText());
}

QString GLPlotData::integralText(int mode, double x) const
{
    if (!m_visible || m_samplingInterval < 1)
        return QString();
    const int i = int(x / m_samplingInterval);
    const float value = mode == 1 ? referenceIntegralAt(i) : integralAt(i);
    return readOut(m_name, value, unitText() + QLatin1Char('s'));
}

void GLPlotData::fitTo(float low, float high, float margin)
{
    m_yMin = low - margin;
    m_yMax = high + margin;
    normaliseYRange();
    updateYGridStep();
}

namespace {

// Lowest and highest value, starting from the marks that tell "nothing found".
struct Extremes
{
    float low = std::numeric_limits<float>::max();
    float high = GLPlotData::NoValue;

    void scan(const GLWaveform& series)
    {
        for (float v : series) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    bool found() const
    {
        return low != std::numeric_limits<float>::max() && high != GLPlotData::NoValue;
    }
};

} // namespace

void GLPlotData::fitToWaveforms()
{
    if (!m_visible || m_history.isEmpty())
        return;
    Extremes e;
    e.scan(m_history.first());
    if (isLayerShown(GLLayer::Overwrite)) {
        const int last = std::min(effectiveOverwriteMaximum(), int(m_history.size()) - 1);
        for (int i = 1; i <= last; ++i)
            e.scan(m_history.at(i));
    }
    if (e.found())
        fitTo(e.low, e.high, (e.high - e.low) * 0.05f);
}

void GLPlotData::fitToReference()
{
    if (!m_visible)
        return;
    Extremes e;
    e.scan(m_reference);
    if (e.found())
        fitTo(e.low, e.high, 0.0f);
}

void GLPlotData::fitToDataFiles()
{
    Extremes e;
    for (const GLWaveform& file : m_dataFiles)
        e.scan(file);
    if (e.found())
        fitTo(e.low, e.high, 0.0f);
}

void GLPlotData::resetYToFullScale()
{
    setFullScale(m_fullScale);
}

double GLPlotData::timeAtPixel(double px) const
{
    if (!m_view || m_view->areaWidth() <= 0)
        return 0.0;
    const double t =
        (m_view->xEnd() - m_view->xStart()) * px / m_view->areaWidth() + m_view->xStart();
    return std::clamp(t, 0.0, double(std::max(0, m_view->observationPeriod())));
}

double GLPlotData::timeWidth(double pixels) const
{
    if (!m_view || m_view->areaWidth() <= 0)
        return 0.0;
    return (m_view->xEnd() - m_view->xStart()) / m_view->areaWidth() * pixels;
}

float GLPlotData::valueAtPixel(double py) const
{
    const int h = m_view ? m_view->areaHeight() : 0;
    if (h <= 0)
        return 0.0f;
    const double v = (double(m_yMax) - m_yMin) * (h - py) / h + m_yMin;
    return v < 0.0 ? 0.0f : float(v);
}

float GLPlotData::valueHeight(double pixels) const
{
    const int h = m_view ? m_view->areaHeight() : 0;
    return h > 0 ? float((double(m_yMax) - m_yMin) * pixels / h) : 0.0f;
}
