#include "ZRAModuleConfig.h"

#include "WireFormat.h"

const ChannelScale ZRAModuleConfig::ChargeScale{0.1, 10.0, 1, 10000, 12000};
const ChannelScale ZRAModuleConfig::VoltageScale{1.0, 0.1, 3, 10000, 12000};

ZRAModuleConfig::ZRAModuleConfig(SystemConfig* parent) : ModuleConfigBase(parent, 4)
{
    setVoltageInput(0, false);
    setVoltageInput(1, false);
    setVoltageInput(2, true);
    setVoltageInput(3, true);
}

std::unique_ptr<ModuleConfigBase> ZRAModuleConfig::clone() const
{
    return std::unique_ptr<ModuleConfigBase>(new ZRAModuleConfig(*this));
}

bool ZRAModuleConfig::equalsWithSpecific(const ModuleConfigBase& other) const
{
    return dynamic_cast<const ZRAModuleConfig*>(&other) && equals(other);
}

QString ZRAModuleConfig::typeName() const
{
    return QStringLiteral("ZRA");
}

bool ZRAModuleConfig::isVoltageInput(int index) const
{
    const ChannelConfig* target = channel(index);
    return target && target->unitCode() == VoltageScale.unitCode;
}

void ZRAModuleConfig::setVoltageInput(int index, bool voltage)
{
    setChannelScale(index, voltage ? VoltageScale : ChargeScale);
}

void ZRAModuleConfig::writeSpecificTo(QDataStream& stream) const
{
    WireFormat::writeZeros(stream, 40);
}

void ZRAModuleConfig::readSpecificFromUnit(QDataStream&) {}
