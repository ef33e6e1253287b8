#pragma once

#include "ModuleConfigBase.h"
#include "SensorCodeSet.h"

// Four temperature channels with sensor codes, mold temperature compensation,
// junction-box compensation and alert temperatures, and a switchable output range.
class ZRBModuleConfig : public ModuleConfigBase
{
public:
    static constexpr int TypeCode = 2;
    static const ChannelScale Scale;

    // Bits of zrbFlags; bits 0..3 switch the junction-box compensation of channels 1..4.
    enum Flag : quint8
    {
        OutputRange5 = 0x40, // clear: output range 10
        MoldTemperatureCompensation = 0x80,
    };

    explicit ZRBModuleConfig(SystemConfig* parent = nullptr);
    // A module element of a mold settings file; hasError() tells whether the common part
    // was complete.
    ZRBModuleConfig(SystemConfig* parent, const QDomElement& element);

    std::unique_ptr<ModuleConfigBase> clone() const override;
    bool equalsWithSpecific(const ModuleConfigBase& other) const override;

    int typeCode() const override { return TypeCode; }
    QString typeName() const override;
    quint32 color() const override { return 0xFFFF742B; }
    int channelCount() const override { return 4; }
    quint8 kindFlag() const override { return 1; }

    int sensorCodeIndex(int channel) const override { return m_sensorCodes.index(channel); }
    void setSensorCodeIndex(int channel, int index) override;
    // Two letters, the first in the high byte.
    quint16 sensorCode(int channel) const { return m_sensorCodes.code(channel); }
    void setSensorCode(int channel, quint16 code) { m_sensorCodes.setCode(channel, code); }

    quint8 zrbFlags() const { return m_zrbFlags; }
    void setZrbFlags(quint8 flags) { m_zrbFlags = flags; }
    quint8 compensationTemperature() const { return m_compensationTemperature; }
    void setCompensationTemperature(quint8 celsius) { m_compensationTemperature = celsius; }
    quint8 alertUpper() const { return m_alertUpper; }
    void setAlertUpper(quint8 celsius) { m_alertUpper = celsius; }
    quint8 alertLower() const { return m_alertLower; }
    void setAlertLower(quint8 celsius) { m_alertLower = celsius; }

protected:
    ZRBModuleConfig(const ZRBModuleConfig&) = default;

    void writeSpecificTo(QDataStream& stream) const override;
    void readSpecificFromUnit(QDataStream& stream) override;
    int specificReplySize() const override { return 12; }
    void appendSpecificElement(QDomDocument& document, QDomElement& module) const override;
    void readSpecificFromElement(const QDomElement& module) override;

private:
    SensorCodeSet m_sensorCodes;
    quint8 m_zrbFlags = 0;
    quint8 m_compensationTemperature = 100;
    quint8 m_alertUpper = 75;
    quint8 m_alertLower = 0;
};
