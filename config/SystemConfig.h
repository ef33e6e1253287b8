#pragma once

#include "ModuleConfigBase.h"

#include <QString>

#include <memory>
#include <vector>

class QByteArray;
class QDataStream;
class QDomDocument;
class QDomElement;

// Where a channel lies: its module's index and its index within that module.
struct ChannelLocation
{
    int moduleIndex = 0;
    int channelIndex = 0;

    bool operator==(const ChannelLocation&) const = default;
};

// The whole configuration of one mold as the unit holds it: measurement and alarm
// settings, the settings name and up to eleven modules. Copies are deep. Channels are
// numbered globally across the modules in list order.
class SystemConfig
{
public:
    static constexpr int MaxModules = 11;

    // Bits of the flags word; their positions are part of the unit protocol.
    enum SystemFlag : quint16
    {
        StartEdgeDown = 0x0001,
        ClearEdgeDown = 0x0002,
        AlarmEnabled = 0x0004,
        ClearByTrigger = 0x0020,
        ClearByTimer = 0x0040,
        AlarmImmediate = 0x0080,
        ConditionAnd = 0x0100,
        Watch1OnOut3 = 0x0200,
        Watch2OnOut3 = 0x0400,
    };

    SystemConfig() = default;
    SystemConfig(const SystemConfig& other);
    SystemConfig& operator=(const SystemConfig& other);
    SystemConfig(SystemConfig&& other) noexcept;
    SystemConfig& operator=(SystemConfig&& other) noexcept;
    virtual ~SystemConfig();

    // A configuration read from the `mold` element of a mold settings file. Flags start
    // clear; hasError() stays true unless the system part and every module were read.
    // The name is not in the file: the loader gives it the file's base name.
    explicit SystemConfig(const QDomElement& mold);

    // A configuration built from a SystemConfigData reply (the payload, starting with the
    // access byte); see readFromUnit. `complete`, when given, tells whether the reply
    // held every field.
    static SystemConfig fromUnitPayload(const QByteArray& payload, bool* complete = nullptr);

    // Replaces settings, name and modules with those of a SystemConfigData reply. Each
    // listed module with a non-zero identifier is added with its kind's defaults and the
    // listed enabled flag; kinds without a class and modules beyond eleven are skipped.
    // Titles and channels come later from the module replies. Fields missing from a
    // short reply read as zero; the result is false then.
    bool readFromUnit(const QByteArray& payload);
    // The system block for a SystemConfigTransfer write, without the access byte.
    void writeTo(QDataStream& stream) const;

    // Measurement and alarm settings, module count and each module's common part; the
    // name, the modules' enabled flags, identifiers and kind-specific parameters are
    // not compared.
    virtual bool equals(const SystemConfig& other) const;
    virtual bool differs(const SystemConfig& other) const { return !equals(other); }
    // The `mold` element of a mold settings file: the system settings, then every module.
    virtual QDomElement toElement(QDomDocument& document) const;

    // Index of the new module, or -1 when eleven modules are present or the code's kind
    // has no module class.
    int addModule(quint32 moduleTypeCode);
    int moduleCount() const { return int(m_modules.size()); }
    // Null when the index is out of range.
    ModuleConfigBase* module(int index);
    const ModuleConfigBase* module(int index) const;

    int channelCount() const;
    // A global index past the last channel gives (module count, index - all channels).
    ChannelLocation locateChannel(int globalIndex) const;
    int globalChannelIndex(int moduleIndex, int channelIndex) const;
    // -1 when no module holds this channel object.
    int globalIndexOf(const ChannelConfig* channel) const;
    // Null when the global index names no channel.
    ChannelConfig* channelAt(int globalIndex);
    const ChannelConfig* channelAt(int globalIndex) const;

    // Same number of modules with the same kinds in the same order.
    bool sameModuleKinds(const SystemConfig& other) const;
    // Takes the identifiers of the modules at the same places in `other`, so that a
    // configuration from a file can be sent to a unit whose modules differ in identifier.
    void copyModuleIdentifiers(const SystemConfig& other);

    bool hasError() const { return m_hasError; }
    void setHasError(bool hasError) { m_hasError = hasError; }
    const QString& name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }

    // Seconds, 1..120.
    quint8 period() const { return m_period; }
    void setPeriod(quint8 seconds) { m_period = seconds; }
    // Milliseconds: 1, 5, 10 or 20.
    quint8 samplingInterval() const { return m_samplingInterval; }
    void setSamplingInterval(quint8 ms) { m_samplingInterval = ms; }
    // Position in the list 1, 5, 10, 20 ms; unknown intervals show as 10 ms.
    int samplingIntervalIndex() const;
    void setSamplingIntervalIndex(int index);
    // Units of 10 ms.
    quint8 alarmClearDelay() const { return m_alarmClearDelay; }
    void setAlarmClearDelay(quint8 delay) { m_alarmClearDelay = delay; }
    quint8 startDelay() const { return m_startDelay; }
    void setStartDelay(quint8 delay) { m_startDelay = delay; }

    quint16 flags() const { return m_flags; }
    void setFlags(quint16 flags) { m_flags = flags; }
    bool testFlag(SystemFlag flag) const { return m_flags & flag; }
    void setFlag(SystemFlag flag, bool on);

    bool startEdgeDown() const { return testFlag(StartEdgeDown); }
    void setStartEdgeDown(bool on) { setFlag(StartEdgeDown, on); }
    bool clearEdgeDown() const { return testFlag(ClearEdgeDown); }
    void setClearEdgeDown(bool on) { setFlag(ClearEdgeDown, on); }
    bool alarmEnabled() const { return testFlag(AlarmEnabled); }
    void setAlarmEnabled(bool on) { setFlag(AlarmEnabled, on); }
    bool clearByTrigger() const { return testFlag(ClearByTrigger); }
    void setClearByTrigger(bool on) { setFlag(ClearByTrigger, on); }
    bool clearByTimer() const { return testFlag(ClearByTimer); }
    void setClearByTimer(bool on) { setFlag(ClearByTimer, on); }
    bool alarmImmediate() const { return testFlag(AlarmImmediate); }
    void setAlarmImmediate(bool on) { setFlag(AlarmImmediate, on); }
    bool conditionAnd() const { return testFlag(ConditionAnd); }
    void setConditionAnd(bool on) { setFlag(ConditionAnd, on); }
    bool watch1OnOut3() const { return testFlag(Watch1OnOut3); }
    void setWatch1OnOut3(bool on) { setFlag(Watch1OnOut3, on); }
    bool watch2OnOut3() const { return testFlag(Watch2OnOut3); }
    void setWatch2OnOut3(bool on) { setFlag(Watch2OnOut3, on); }

private:
    void copySettingsFrom(const SystemConfig& other);
    bool readSettingsFromElement(const QDomElement& system);
    bool readModulesFromElement(const QDomElement& mold);
    void adoptModules();

    quint8 m_period = 10;
    quint8 m_samplingInterval = 1;
    quint8 m_alarmClearDelay = 40;
    quint8 m_startDelay = 10;
    quint16 m_flags = 0x01FF;
    bool m_hasError = false;
    QString m_name;
    std::vector<std::unique_ptr<ModuleConfigBase>> m_modules;
};
