#pragma once

#include "ModuleConfigBase.h"
#include "PressureSensorParams.h"

#include <array>

// Eight pressure channels with a sensor description each, a pseudo-resister switch and
// a D/A output switch.
class KRT24ModuleConfig : public ModuleConfigBase
{
public:
    static constexpr int TypeCode = 17;
    static const ChannelScale Scale;
    // Channels 4 and 8 carry the pseudo-resister when it is connected.
    static constexpr int PseudoResisterChannels[2] = {3, 7};

    explicit KRT24ModuleConfig(SystemConfig* parent = nullptr);
    // A module element of a mold settings file; hasError() tells whether the common part
    // was complete.
    KRT24ModuleConfig(SystemConfig* parent, const QDomElement& element);

    std::unique_ptr<ModuleConfigBase> clone() const override;
    bool equalsWithSpecific(const ModuleConfigBase& other) const override;

    int typeCode() const override { return TypeCode; }
    QString typeName() const override { return QString(); }
    quint32 color() const override { return 0xFF000000; }
    int channelCount() const override { return 8; }
    quint8 kindFlag() const override { return 0; }

    // Defaults for a channel out of range.
    PressureSensorParams sensor(int channel) const;
    void setSensor(int channel, const PressureSensorParams& params);

    bool pseudoResister() const { return m_pseudoResister; }
    // Gives channels 4 and 8 the fixed title "<Pseudo-resister>" or clears it, so that the
    // flag and the titles always agree.
    void setPseudoResister(bool connected);
    bool daOutputDisabled() const { return m_daOutputDisabled; }
    void setDaOutputDisabled(bool disabled) { m_daOutputDisabled = disabled; }

protected:
    KRT24ModuleConfig(const KRT24ModuleConfig&) = default;

    void writeSpecificTo(QDataStream& stream) const override;
    void readSpecificFromUnit(QDataStream& stream) override;
    int specificReplySize() const override;
    void appendSpecificElement(QDomDocument& document, QDomElement& module) const override;
    void readSpecificFromElement(const QDomElement& module) override;

private:
    std::array<PressureSensorParams, 8> m_sensors;
    bool m_pseudoResister = false;
    bool m_daOutputDisabled = false;
};
