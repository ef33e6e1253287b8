#pragma once

#include "GLMonitoringValues.h"
#include "MonitoringValues.h"
#include "WireFormat.h"

#include <QString>

class ModuleConfigBase;
class QDataStream;
class QDomDocument;
class QDomElement;

// Measurement scale and editor limits of a channel, set by its module kind.
struct ChannelScale
{
    double valueScale = 0.1;     // physical value per count
    double integralScale = 1.0;  // physical integral per count
    quint32 unitCode = 2;        // 1 C, 2 MPa, 3 mV, 5..7 their integrals
    quint16 valueMax = 4000;     // largest value count the editors allow
    quint16 integralMax = 48000; // largest integral count the editors allow
};

// Everything the unit needs to judge one channel's waveform in a shot.
//
// A default-constructed channel is in use (enabled true) and does not monitor against a
// reference waveform (waveformEnabled false): a channel of a newly added module should
// record and judge right away, while waveform monitoring needs a reference waveform
// that a new channel has never been sent. Channels read from the unit or a settings
// file take both flags from there. Its scale is the pressure scale until the module
// kind sets its own.
class ChannelConfig
{
public:
    // Zone numbers as the plot reports them.
    enum ZoneId
    {
        Zone1 = 0,
        Zone2 = 1,
        EjectZone = 2
    };

    explicit ChannelConfig(ModuleConfigBase* module = nullptr);
    // A channel element of a mold settings file; hasError() tells whether it held
    // everything required.
    ChannelConfig(ModuleConfigBase* module, const QDomElement& element);
    ChannelConfig(const ChannelConfig&) = default;
    ChannelConfig& operator=(const ChannelConfig&) = default;
    virtual ~ChannelConfig() = default;

    // Compares what the unit judges with, and the title; the fixed title, scale, unit
    // and limits follow from the module and are not compared.
    bool operator==(const ChannelConfig& other) const;
    bool operator!=(const ChannelConfig& other) const { return !(*this == other); }

    virtual bool hasError() const { return m_hasError; }
    void setHasError(bool hasError) { m_hasError = hasError; }

    ModuleConfigBase* module() const { return m_module; }
    void setModule(ModuleConfigBase* module) { m_module = module; }

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool waveformEnabled() const { return m_waveformEnabled; }
    void setWaveformEnabled(bool enabled) { m_waveformEnabled = enabled; }

    const Zone& zone1() const { return m_zone1; }
    void setZone1(const Zone& zone) { m_zone1 = zone; }
    const Zone& zone2() const { return m_zone2; }
    void setZone2(const Zone& zone) { m_zone2 = zone; }
    const Zone& eject() const { return m_eject; }
    void setEject(const Zone& zone) { m_eject = zone; }
    const TSec& point() const { return m_point; }
    void setPoint(const TSec& point) { m_point = point; }
    const TimeRange& peakTime() const { return m_peakTime; }
    void setPeakTime(const TimeRange& range) { m_peakTime = range; }
    const ValueRange& integral() const { return m_integral; }
    void setIntegral(const ValueRange& range) { m_integral = range; }
    const ValueRange& peakIntegral() const { return m_peakIntegral; }
    void setPeakIntegral(const ValueRange& range) { m_peakIntegral = range; }
    const Slope& slope() const { return m_slope; }
    void setSlope(const Slope& slope) { m_slope = slope; }

    const QString& title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    const QString& fixedTitle() const { return m_fixedTitle; }
    void setFixedTitle(const QString& title) { m_fixedTitle = title; }
    // The fixed title when there is one, else the user's title.
    const QString& displayTitle() const;

    double valueScale() const { return m_valueScale; }
    double integralScale() const { return m_integralScale; }
    quint16 valueMax() const { return m_valueMax; }
    quint16 integralMax() const { return m_integralMax; }
    quint32 unitCode() const { return m_unitCode; }
    const QString& unitText() const { return m_unitText; }
    // Codes without a text (4, and outside 1..7) change only the code.
    void setUnitCode(quint32 code);
    void setScale(const ChannelScale& scale);

    // Monitoring zones by ZoneId. An unknown number reads zone1 and is ignored when set.
    const Zone& zone(int zoneId) const;
    void setZone(int zoneId, const Zone& zone);

    // Conversions to and from the plot. Times from the plot truncate to 10 ms, values
    // round half up to counts; enabled flags and methods stay as the channel has them.
    GLZone glZone(int zoneId) const;
    void setZoneFromPlot(int zoneId, const GLZone& zone);
    GLTSec glPoint() const;
    void setPointFromPlot(const GLTSec& point);
    GLRange glPeakTime() const;
    void setPeakTimeFromPlot(const GLRange& range);

    // One channel record of a module block in the given layout.
    void writeTo(QDataStream& stream, WireFormat::ChannelLayout layout) const;
    void readFromUnit(QDataStream& stream, WireFormat::ChannelLayout layout);

    // The channel element of a mold settings file; the module adds the channel's id.
    QDomElement toElement(QDomDocument& document) const;
    // Takes the monitoring settings and title of a channel element, keeping scale, unit
    // and fixed title, which follow from the module. False, with hasError set, when a
    // required element or number is missing; the channel is then only partly read.
    bool readFromElement(const QDomElement& element);

private:
    Zone* zoneFor(int zoneId);
    quint16 flagsForUnit(WireFormat::ChannelLayout layout) const;

    ModuleConfigBase* m_module = nullptr;
    bool m_hasError = false;
    bool m_enabled = true;
    bool m_waveformEnabled = false;
    Zone m_zone1{100, 150, 100, 200, true, false};
    Zone m_zone2{100, 150, 100, 200, true, false};
    TSec m_point{300, 100, 200, true};
    TimeRange m_peakTime{100, 200, true};
    Zone m_eject{300, 400, 100, 200, true, false};
    ValueRange m_integral{100, 200, true};
    ValueRange m_peakIntegral{100, 200, true};
    Slope m_slope{150, 200, -1000, 1000, true};
    QString m_title;
    QString m_fixedTitle;
    double m_valueScale = 0.1;
    double m_integralScale = 1.0;
    quint16 m_valueMax = 4000;
    quint16 m_integralMax = 48000;
    quint32 m_unitCode = 0;
    QString m_unitText;
};
