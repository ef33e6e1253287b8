#pragma once

#include "ModuleConfigBase.h"
#include "SensorCodeSet.h"

// Four pressure channels with a sensor sensitivity code each.
class ZRCModuleConfig : public ModuleConfigBase
{
public:
    static constexpr int TypeCode = 1;
    static const ChannelScale Scale;

    explicit ZRCModuleConfig(SystemConfig* parent = nullptr);
    // A module element of a mold settings file; hasError() tells whether the common part
    // was complete.
    ZRCModuleConfig(SystemConfig* parent, const QDomElement& element);

    std::unique_ptr<ModuleConfigBase> clone() const override;
    bool equalsWithSpecific(const ModuleConfigBase& other) const override;

    int typeCode() const override { return TypeCode; }
    QString typeName() const override;
    quint32 color() const override { return 0xFF78C7EB; }
    int channelCount() const override { return 4; }
    quint8 kindFlag() const override { return 0; }

    int sensorCodeIndex(int channel) const override { return m_sensorCodes.index(channel); }
    void setSensorCodeIndex(int channel, int index) override;
    // Two letters, the first in the high byte.
    quint16 sensorCode(int channel) const { return m_sensorCodes.code(channel); }
    void setSensorCode(int channel, quint16 code) { m_sensorCodes.setCode(channel, code); }

protected:
    ZRCModuleConfig(const ZRCModuleConfig&) = default;

    void writeSpecificTo(QDataStream& stream) const override;
    void readSpecificFromUnit(QDataStream& stream) override;
    int specificReplySize() const override { return 8; }
    void appendSpecificElement(QDomDocument& document, QDomElement& module) const override;
    void readSpecificFromElement(const QDomElement& module) override;

private:
    SensorCodeSet m_sensorCodes;
};
