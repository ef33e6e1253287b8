// The channel element of a mold settings file.

#include "ChannelConfig.h"
#include "MoldSettingsXml.h"

#include <QDomDocument>
#include <QDomElement>

using namespace MoldSettingsXml;

namespace {

const QString Enabled = QStringLiteral("enabled");
const QString Start = QStringLiteral("start");
const QString End = QStringLiteral("end");
const QString Lower = QStringLiteral("lower");
const QString Upper = QStringLiteral("upper");
const QString Method = QStringLiteral("method");
const QString Time = QStringLiteral("time");

QString methodText(bool methodArea)
{
    return methodArea ? QStringLiteral("area") : QStringLiteral("peak");
}

bool isMethodArea(const QDomElement& element)
{
    return element.attribute(Method) == QLatin1String("area");
}

void setLimits(QDomElement& element, quint16 lower, quint16 upper)
{
    element.setAttribute(Lower, lower);
    element.setAttribute(Upper, upper);
}

void appendZone(QDomDocument& document, QDomElement& channel, const QString& name, const Zone& zone)
{
    QDomElement element = appendElement(document, channel, name);
    element.setAttribute(Enabled, boolText(zone.enabled));
    element.setAttribute(Start, zone.start);
    element.setAttribute(End, zone.end);
    setLimits(element, zone.lower, zone.upper);
    element.setAttribute(Method, methodText(zone.methodArea));
}

void appendValueRange(QDomDocument& document, QDomElement& channel, const QString& name,
                      const ValueRange& range)
{
    QDomElement element = appendElement(document, channel, name);
    element.setAttribute(Enabled, boolText(range.enabled));
    setLimits(element, range.lower, range.upper);
}

void appendPeakTime(QDomDocument& document, QDomElement& channel, const TimeRange& range)
{
    QDomElement element = appendElement(document, channel, QStringLiteral("peaktime"));
    element.setAttribute(Enabled, boolText(range.enabled));
    element.setAttribute(Start, range.start);
    element.setAttribute(End, range.end);
}

void appendPoint(QDomDocument& document, QDomElement& channel, const TSec& point)
{
    QDomElement element = appendElement(document, channel, QStringLiteral("point"));
    element.setAttribute(Enabled, boolText(point.enabled));
    element.setAttribute(Time, point.time);
    setLimits(element, point.lower, point.upper);
}

void appendSlope(QDomDocument& document, QDomElement& channel, const Slope& slope)
{
    QDomElement element = appendElement(document, channel, QStringLiteral("slope"));
    element.setAttribute(Enabled, boolText(slope.enabled));
    element.setAttribute(Start, slope.start);
    element.setAttribute(End, slope.end);
    element.setAttribute(Lower, slope.lower);
    element.setAttribute(Upper, slope.upper);
}

bool readZone(const QDomElement& element, Zone& zone)
{
    Zone read;
    if (!readInteger(element, Start, read.start) || !readInteger(element, End, read.end) ||
        !readInteger(element, Lower, read.lower) || !readInteger(element, Upper, read.upper))
        return false;
    read.enabled = isTrue(element, Enabled);
    read.methodArea = isMethodArea(element);
    zone = read;
    return true;
}

bool readValueRange(const QDomElement& element, ValueRange& range)
{
    ValueRange read;
    if (!readInteger(element, Lower, read.lower) || !readInteger(element, Upper, read.upper))
        return false;
    read.enabled = isTrue(element, Enabled);
    range = read;
    return true;
}

bool readPeakTime(const QDomElement& element, TimeRange& range)
{
    TimeRange read;
    if (!readInteger(element, Start, read.start) || !readInteger(element, End, read.end))
        return false;
    read.enabled = isTrue(element, Enabled);
    range = read;
    return true;
}

bool readPoint(const QDomElement& element, TSec& point)
{
    TSec read;
    if (!readInteger(element, Time, read.time) || !readInteger(element, Lower, read.lower) ||
        !readInteger(element, Upper, read.upper))
        return false;
    read.enabled = isTrue(element, Enabled);
    point = read;
    return true;
}

// Files from before eject limits existed carry only the eject times.
bool readEjection(const QDomElement& element, Zone& eject)
{
    Zone read;
    if (!readInteger(element, Start, read.start) || !readInteger(element, End, read.end))
        return false;
    read.lower = optionalInteger<quint16>(element, Lower);
    read.upper = optionalInteger<quint16>(element, Upper);
    read.enabled = isTrue(element, Enabled);
    read.methodArea = isMethodArea(element);
    eject = read;
    return true;
}

// Files from before slope monitoring existed have no slope element: it reads as off.
Slope readSlope(const QDomElement& element)
{
    return Slope{optionalInteger<quint16>(element, Start), optionalInteger<quint16>(element, End),
                 optionalInteger<qint32>(element, Lower), optionalInteger<qint32>(element, Upper),
                 isTrue(element, Enabled)};
}

} // namespace

ChannelConfig::ChannelConfig(ModuleConfigBase* module, const QDomElement& element)
    : ChannelConfig(module)
{
    readFromElement(element);
}

QDomElement ChannelConfig::toElement(QDomDocument& document) const
{
    QDomElement channel = document.createElement(QStringLiteral("channel"));
    channel.setAttribute(Enabled, boolText(m_enabled));
    channel.appendChild(textElement(document, QStringLiteral("title"), m_title));
    appendZone(document, channel, QStringLiteral("zone1"), m_zone1);
    appendZone(document, channel, QStringLiteral("zone2"), m_zone2);
    appendValueRange(document, channel, QStringLiteral("integral"), m_integral);
    appendValueRange(document, channel, QStringLiteral("peakintegral"), m_peakIntegral);
    appendPeakTime(document, channel, m_peakTime);
    appendPoint(document, channel, m_point);
    appendZone(document, channel, QStringLiteral("ejection"), m_eject);
    appendElement(document, channel, QStringLiteral("waveform"))
        .setAttribute(Enabled, boolText(m_waveformEnabled));
    appendSlope(document, channel, m_slope);
    return channel;
}

bool ChannelConfig::readFromElement(const QDomElement& element)
{
    m_hasError = true;
    const QDomElement title = element.firstChildElement(QStringLiteral("title"));
    if (title.isNull())
        return false;
    m_enabled = isTrue(element, Enabled);
    m_title = title.text();
    if (!readZone(element.firstChildElement(QStringLiteral("zone1")), m_zone1) ||
        !readZone(element.firstChildElement(QStringLiteral("zone2")), m_zone2) ||
        !readValueRange(element.firstChildElement(QStringLiteral("integral")), m_integral) ||
        !readValueRange(element.firstChildElement(QStringLiteral("peakintegral")),
                        m_peakIntegral) ||
        !readPeakTime(element.firstChildElement(QStringLiteral("peaktime")), m_peakTime) ||
        !readPoint(element.firstChildElement(QStringLiteral("point")), m_point) ||
        !readEjection(element.firstChildElement(QStringLiteral("ejection")), m_eject))
        return false;
    m_waveformEnabled = isTrue(element.firstChildElement(QStringLiteral("waveform")), Enabled);
    m_slope = readSlope(element.firstChildElement(QStringLiteral("slope")));
    m_hasError = false;
    return true;
}
