#include "ChannelConfig.h"

#include <QCoreApplication>
#include <QDataStream>

#include <cmath>
#include <limits>

namespace {

// Bits of the channel flags word in a channel record.
enum ChannelFlag : quint16
{
    ChannelEnabled = 0x0001,
    Zone1Enabled = 0x0002,
    Zone2Enabled = 0x0004,
    IntegralEnabled = 0x0008,
    PointEnabled = 0x0010,
    PeakTimeEnabled = 0x0020,
    PeakIntegralEnabled = 0x0040,
    Zone1MethodArea = 0x0080,
    Zone2MethodArea = 0x0100,
    WaveformEnabled = 0x0200,
    EjectEnabled = 0x0800, // current layout only
    SlopeEnabled = 0x1000, // current layout only
};

const char* const unitTexts[] = {
    nullptr,
    QT_TRANSLATE_NOOP("QObject", "C"),
    QT_TRANSLATE_NOOP("QObject", "MPa"),
    QT_TRANSLATE_NOOP("QObject", "mV"),
    nullptr,
    QT_TRANSLATE_NOOP("QObject", "Cs"),
    QT_TRANSLATE_NOOP("QObject", "MPas"),
    QT_TRANSLATE_NOOP("QObject", "Vs"),
};

quint16 timeFromPlot(qint32 ms)
{
    // Stored times are u16: larger or negative times wrap, the editors keep them in range.
    return static_cast<quint16>(ms / 10);
}

quint16 countFromPlot(double value, double scale)
{
    const double rounded = std::floor(value / scale + 0.5);
    // Out-of-range doubles have no integer value; treat them as nothing rather than
    // converting them with undefined behaviour.
    constexpr double limit = double(std::numeric_limits<qint64>::max() / 2);
    if (!std::isfinite(rounded) || std::fabs(rounded) > limit)
        return 0;
    return static_cast<quint16>(static_cast<qint64>(rounded));
}

void setBit(quint16& flags, quint16 bit, bool on)
{
    if (on)
        flags |= bit;
}

void writeZone(QDataStream& s, const Zone& zone)
{
    s << zone.start << zone.end << zone.upper << zone.lower;
}

Zone readZone(QDataStream& s, bool enabled, bool methodArea)
{
    Zone zone;
    s >> zone.start >> zone.end >> zone.upper >> zone.lower;
    zone.enabled = enabled;
    zone.methodArea = methodArea;
    return zone;
}

void writeValueRange(QDataStream& s, const ValueRange& range)
{
    s << range.upper << range.lower;
}

ValueRange readValueRange(QDataStream& s, bool enabled)
{
    ValueRange range;
    s >> range.upper >> range.lower;
    range.enabled = enabled;
    return range;
}

} // namespace

ChannelConfig::ChannelConfig(ModuleConfigBase* module) : m_module(module)
{
    setScale(ChannelScale{});
}

bool ChannelConfig::operator==(const ChannelConfig& other) const
{
    return m_enabled == other.m_enabled && m_zone1 == other.m_zone1 && m_zone2 == other.m_zone2 &&
           m_integral == other.m_integral && m_peakIntegral == other.m_peakIntegral &&
           m_peakTime == other.m_peakTime && m_point == other.m_point && m_eject == other.m_eject &&
           m_waveformEnabled == other.m_waveformEnabled && m_slope == other.m_slope &&
           m_title == other.m_title;
}

const QString& ChannelConfig::displayTitle() const
{
    return m_fixedTitle.isEmpty() ? m_title : m_fixedTitle;
}

void ChannelConfig::setUnitCode(quint32 code)
{
    m_unitCode = code;
    if (code < std::size(unitTexts) && unitTexts[code])
        m_unitText = QCoreApplication::translate("QObject", unitTexts[code]);
}

void ChannelConfig::setScale(const ChannelScale& scale)
{
    m_valueScale = scale.valueScale;
    m_integralScale = scale.integralScale;
    m_valueMax = scale.valueMax;
    m_integralMax = scale.integralMax;
    setUnitCode(scale.unitCode);
}

const Zone& ChannelConfig::zone(int zoneId) const
{
    switch (zoneId) {
    case Zone2:
        return m_zone2;
    case EjectZone:
        return m_eject;
    default:
        return m_zone1;
    }
}

Zone* ChannelConfig::zoneFor(int zoneId)
{
    switch (zoneId) {
    case Zone1:
        return &m_zone1;
    case Zone2:
        return &m_zone2;
    case EjectZone:
        return &m_eject;
    default:
        return nullptr;
    }
}

void ChannelConfig::setZone(int zoneId, const Zone& zone)
{
    if (Zone* target = zoneFor(zoneId))
        *target = zone;
}

GLZone ChannelConfig::glZone(int zoneId) const
{
    const Zone& z = zone(zoneId);
    return GLZone(10 * z.start, float(z.lower * m_valueScale), 10 * z.end,
                  float(z.upper * m_valueScale), z.enabled);
}

void ChannelConfig::setZoneFromPlot(int zoneId, const GLZone& zone)
{
    Zone* target = zoneFor(zoneId);
    if (!target)
        return;
    target->start = timeFromPlot(zone.startMs);
    target->end = timeFromPlot(zone.endMs);
    target->lower = countFromPlot(zone.lower, m_valueScale);
    target->upper = countFromPlot(zone.upper, m_valueScale);
}

GLTSec ChannelConfig::glPoint() const
{
    return GLTSec(10 * m_point.time, m_point.lower * m_valueScale, m_point.upper * m_valueScale,
                  m_point.enabled);
}

void ChannelConfig::setPointFromPlot(const GLTSec& point)
{
    m_point.time = timeFromPlot(point.timeMs);
    m_point.lower = countFromPlot(point.lower, m_valueScale);
    m_point.upper = countFromPlot(point.upper, m_valueScale);
}

GLRange ChannelConfig::glPeakTime() const
{
    return GLRange(10 * m_peakTime.start, 10 * m_peakTime.end, m_peakTime.enabled);
}

void ChannelConfig::setPeakTimeFromPlot(const GLRange& range)
{
    m_peakTime.start = timeFromPlot(range.beginMs);
    m_peakTime.end = timeFromPlot(range.endMs);
}

quint16 ChannelConfig::flagsForUnit(WireFormat::ChannelLayout layout) const
{
    quint16 flags = 0;
    setBit(flags, ChannelEnabled, m_enabled);
    setBit(flags, Zone1Enabled, m_zone1.enabled);
    setBit(flags, Zone2Enabled, m_zone2.enabled);
    setBit(flags, IntegralEnabled, m_integral.enabled);
    setBit(flags, PointEnabled, m_point.enabled);
    setBit(flags, PeakTimeEnabled, m_peakTime.enabled);
    setBit(flags, PeakIntegralEnabled, m_peakIntegral.enabled);
    setBit(flags, Zone1MethodArea, m_zone1.methodArea);
    setBit(flags, Zone2MethodArea, m_zone2.methodArea);
    setBit(flags, WaveformEnabled, m_waveformEnabled);
    if (layout == WireFormat::ChannelLayout::Current) {
        setBit(flags, EjectEnabled, m_eject.enabled);
        setBit(flags, SlopeEnabled, m_slope.enabled);
    }
    return flags;
}

void ChannelConfig::writeTo(QDataStream& s, WireFormat::ChannelLayout layout) const
{
    s << flagsForUnit(layout);
    writeZone(s, m_zone1);
    writeZone(s, m_zone2);
    writeValueRange(s, m_integral);
    writeValueRange(s, m_peakIntegral);
    s << m_peakTime.start << m_peakTime.end;
    s << m_point.time << m_point.upper << m_point.lower;
    if (layout == WireFormat::ChannelLayout::Current) {
        writeZone(s, m_eject);
        s << m_slope.start << m_slope.end << m_slope.upper << m_slope.lower;
    } else {
        s << m_eject.start << m_eject.end;
    }
    WireFormat::writeText(s, m_title);
}

void ChannelConfig::readFromUnit(QDataStream& s, WireFormat::ChannelLayout layout)
{
    quint16 flags = 0;
    s >> flags;
    m_enabled = flags & ChannelEnabled;
    m_zone1 = readZone(s, flags & Zone1Enabled, flags & Zone1MethodArea);
    m_zone2 = readZone(s, flags & Zone2Enabled, flags & Zone2MethodArea);
    m_integral = readValueRange(s, flags & IntegralEnabled);
    m_peakIntegral = readValueRange(s, flags & PeakIntegralEnabled);
    m_peakTime.enabled = flags & PeakTimeEnabled;
    s >> m_peakTime.start >> m_peakTime.end;
    m_point.enabled = flags & PointEnabled;
    s >> m_point.time >> m_point.upper >> m_point.lower;
    m_waveformEnabled = flags & WaveformEnabled;
    if (layout == WireFormat::ChannelLayout::Current) {
        // The unit does not carry the eject zone's method: it is always judged by peak.
        m_eject = readZone(s, flags & EjectEnabled, false);
        m_slope.enabled = flags & SlopeEnabled;
        s >> m_slope.start >> m_slope.end >> m_slope.upper >> m_slope.lower;
    } else {
        // Older firmware has eject times only and no slope monitoring.
        m_eject = Zone{0, 0, 0, 0, false, false};
        s >> m_eject.start >> m_eject.end;
        m_slope = Slope{0, 0, 0, 0, false};
    }
    m_title = WireFormat::readText(s);
}
