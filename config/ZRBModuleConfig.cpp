#include "ZRBModuleConfig.h"

#include "SensorCodeList.h"
#include "WireFormat.h"

#include <QDataStream>

const ChannelScale ZRBModuleConfig::Scale{0.1, 1.0, 1, 4000, 48000};

ZRBModuleConfig::ZRBModuleConfig(SystemConfig* parent)
    : ModuleConfigBase(parent, 4),
      m_sensorCodes(SensorCodeList::zrbCodes(), SensorCodeList::code('E', 'D'))
{
    setAllChannelScales(Scale);
}

std::unique_ptr<ModuleConfigBase> ZRBModuleConfig::clone() const
{
    return std::unique_ptr<ModuleConfigBase>(new ZRBModuleConfig(*this));
}

bool ZRBModuleConfig::equalsWithSpecific(const ModuleConfigBase& other) const
{
    const auto* zrb = dynamic_cast<const ZRBModuleConfig*>(&other);
    return zrb && equals(other) && m_sensorCodes == zrb->m_sensorCodes &&
           m_zrbFlags == zrb->m_zrbFlags &&
           m_compensationTemperature == zrb->m_compensationTemperature &&
           m_alertUpper == zrb->m_alertUpper && m_alertLower == zrb->m_alertLower;
}

QString ZRBModuleConfig::typeName() const
{
    return QStringLiteral("ZRB");
}

void ZRBModuleConfig::setSensorCodeIndex(int channel, int index)
{
    m_sensorCodes.setIndex(channel, index);
}

void ZRBModuleConfig::writeSpecificTo(QDataStream& stream) const
{
    m_sensorCodes.writeTo(stream);
    stream << m_zrbFlags << m_compensationTemperature << m_alertUpper << m_alertLower;
    WireFormat::writeZeros(stream, 28);
}

void ZRBModuleConfig::readSpecificFromUnit(QDataStream& stream)
{
    m_sensorCodes.readFrom(stream);
    stream >> m_zrbFlags >> m_compensationTemperature >> m_alertUpper >> m_alertLower;
}
