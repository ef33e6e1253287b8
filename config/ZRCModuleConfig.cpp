#include "ZRCModuleConfig.h"

#include "MoldSettingsXml.h"
#include "SensorCodeList.h"
#include "WireFormat.h"

#include <QDomDocument>

const ChannelScale ZRCModuleConfig::Scale{0.1, 1.0, 2, 200, 24000};

ZRCModuleConfig::ZRCModuleConfig(SystemConfig* parent)
    : ModuleConfigBase(parent, 4),
      m_sensorCodes(SensorCodeList::zrcCodes(), SensorCodeList::code('E', 'A'))
{
    setAllChannelScales(Scale);
}

ZRCModuleConfig::ZRCModuleConfig(SystemConfig* parent, const QDomElement& element)
    : ZRCModuleConfig(parent)
{
    readFromElement(element);
}

std::unique_ptr<ModuleConfigBase> ZRCModuleConfig::clone() const
{
    return std::unique_ptr<ModuleConfigBase>(new ZRCModuleConfig(*this));
}

bool ZRCModuleConfig::equalsWithSpecific(const ModuleConfigBase& other) const
{
    const auto* zrc = dynamic_cast<const ZRCModuleConfig*>(&other);
    return zrc && equals(other) && m_sensorCodes == zrc->m_sensorCodes;
}

QString ZRCModuleConfig::typeName() const
{
    return QStringLiteral("ZRC");
}

void ZRCModuleConfig::setSensorCodeIndex(int channel, int index)
{
    m_sensorCodes.setIndex(channel, index);
}

void ZRCModuleConfig::writeSpecificTo(QDataStream& stream) const
{
    m_sensorCodes.writeTo(stream);
    WireFormat::writeZeros(stream, 32);
}

void ZRCModuleConfig::readSpecificFromUnit(QDataStream& stream)
{
    m_sensorCodes.readFrom(stream);
}

void ZRCModuleConfig::appendSpecificElement(QDomDocument& document, QDomElement& module) const
{
    QDomElement specific =
        MoldSettingsXml::appendElement(document, module, QStringLiteral("zrcspecific"));
    m_sensorCodes.appendElements(document, specific);
}

void ZRCModuleConfig::readSpecificFromElement(const QDomElement& module)
{
    m_sensorCodes.readElements(module.firstChildElement(QStringLiteral("zrcspecific")));
}
