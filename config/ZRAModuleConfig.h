#pragma once

#include "ModuleConfigBase.h"

// Four charge or voltage inputs. A channel's input kind is its unit: voltage when the
// unit code is 3 (mV), charge otherwise.
class ZRAModuleConfig : public ModuleConfigBase
{
public:
    static constexpr int TypeCode = 3;
    static const ChannelScale ChargeScale;
    static const ChannelScale VoltageScale;

    // Channels 1 and 2 start as charge inputs, 3 and 4 as voltage inputs.
    explicit ZRAModuleConfig(SystemConfig* parent = nullptr);
    // A module element of a mold settings file; hasError() tells whether the common part
    // was complete.
    ZRAModuleConfig(SystemConfig* parent, const QDomElement& element);

    std::unique_ptr<ModuleConfigBase> clone() const override;
    bool equalsWithSpecific(const ModuleConfigBase& other) const override;

    int typeCode() const override { return TypeCode; }
    QString typeName() const override;
    quint32 color() const override { return 0xFFFFFF85; }
    int channelCount() const override { return 4; }
    quint8 kindFlag() const override { return 2; }

    bool isVoltageInput(int channel) const;
    // Switches the channel's scale, unit and limits to those of the input kind.
    void setVoltageInput(int channel, bool voltage);

protected:
    ZRAModuleConfig(const ZRAModuleConfig&) = default;

    void writeSpecificTo(QDataStream& stream) const override;
    void readSpecificFromUnit(QDataStream& stream) override;
    int specificReplySize() const override { return 0; }
    void appendSpecificElement(QDomDocument& document, QDomElement& module) const override;
    void readSpecificFromElement(const QDomElement& module) override;
};
