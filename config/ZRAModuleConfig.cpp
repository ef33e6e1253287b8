#include "ZRAModuleConfig.h"

#include "MoldSettingsXml.h"
#include "WireFormat.h"

#include <QDomDocument>

#include <array>

const ChannelScale ZRAModuleConfig::ChargeScale{0.1, 10.0, 1, 10000, 12000};
const ChannelScale ZRAModuleConfig::VoltageScale{1.0, 0.1, 3, 10000, 12000};

ZRAModuleConfig::ZRAModuleConfig(SystemConfig* parent) : ModuleConfigBase(parent, 4)
{
    setVoltageInput(0, false);
    setVoltageInput(1, false);
    setVoltageInput(2, true);
    setVoltageInput(3, true);
}

ZRAModuleConfig::ZRAModuleConfig(SystemConfig* parent, const QDomElement& element)
    : ZRAModuleConfig(parent)
{
    readFromElement(element);
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

void ZRAModuleConfig::appendSpecificElement(QDomDocument& document, QDomElement& module) const
{
    QDomElement specific =
        MoldSettingsXml::appendElement(document, module, QStringLiteral("zraspecific"));
    for (int index = 0; index < channelCount(); ++index) {
        QDomElement sensor =
            MoldSettingsXml::appendElement(document, specific, QStringLiteral("sensor"));
        sensor.setAttribute(QStringLiteral("channel"), index);
        sensor.setAttribute(QStringLiteral("unit"),
                            isVoltageInput(index) ? QStringLiteral("V") : QStringLiteral("C"));
    }
}

// All four inputs or none: a damaged list must not leave some channels switched.
void ZRAModuleConfig::readSpecificFromElement(const QDomElement& module)
{
    const QList<QDomElement> sensors = MoldSettingsXml::childElements(
        module.firstChildElement(QStringLiteral("zraspecific")), QStringLiteral("sensor"));
    if (sensors.size() != channelCount())
        return;
    std::array<bool, 4> voltage{};
    for (int index = 0; index < channelCount(); ++index)
        voltage[size_t(index)] = isVoltageInput(index);
    for (const QDomElement& sensor : sensors) {
        int index = -1;
        if (!MoldSettingsXml::readInteger(sensor, QStringLiteral("channel"), index) || index < 0 ||
            index >= channelCount())
            return;
        voltage[size_t(index)] = sensor.attribute(QStringLiteral("unit")) == QLatin1String("V");
    }
    for (int index = 0; index < channelCount(); ++index)
        setVoltageInput(index, voltage[size_t(index)]);
}
