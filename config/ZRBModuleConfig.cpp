#include "ZRBModuleConfig.h"

#include "MoldSettingsXml.h"
#include "SensorCodeList.h"
#include "WireFormat.h"

#include <QDataStream>
#include <QDomDocument>

using namespace MoldSettingsXml;

const ChannelScale ZRBModuleConfig::Scale{0.1, 1.0, 1, 4000, 48000};

namespace {

const QString Channel = QStringLiteral("channel");
const QString Enabled = QStringLiteral("enabled");
const QString JunctionBox = QStringLiteral("jbcompensation");

quint8 withBit(quint8 flags, quint8 bit, bool on)
{
    return on ? quint8(flags | bit) : quint8(flags & ~bit);
}

// The readers below each take one element of the ZRB block and apply it only when it
// is complete; false stops the reading there, keeping what came before.

bool readCompensation(const QDomElement& element, ZRBModuleConfig& module)
{
    quint8 temperature = 0;
    if (!readInteger(element, QStringLiteral("temperature"), temperature))
        return false;
    module.setCompensationTemperature(temperature);
    module.setZrbFlags(withBit(module.zrbFlags(), ZRBModuleConfig::MoldTemperatureCompensation,
                               isTrue(element, Enabled)));
    return true;
}

bool readOutputRange(const QDomElement& element, ZRBModuleConfig& module)
{
    int range = 0;
    if (!readInteger(element, QStringLiteral("range"), range))
        return false;
    module.setZrbFlags(withBit(module.zrbFlags(), ZRBModuleConfig::OutputRange5, range == 5));
    return true;
}

bool readJunctionBoxCompensation(const QDomElement& specific, ZRBModuleConfig& module)
{
    const QList<QDomElement> elements = childElements(specific, JunctionBox);
    if (elements.size() != module.channelCount())
        return false;
    for (const QDomElement& element : elements) {
        int channel = -1;
        if (!readInteger(element, Channel, channel) || channel < 0 ||
            channel >= module.channelCount())
            return false;
        module.setZrbFlags(
            withBit(module.zrbFlags(), quint8(1u << channel), isTrue(element, Enabled)));
    }
    return true;
}

void readAlert(const QDomElement& element, ZRBModuleConfig& module)
{
    quint8 lower = 0;
    quint8 upper = 0;
    if (!readInteger(element, QStringLiteral("lower"), lower) ||
        !readInteger(element, QStringLiteral("upper"), upper))
        return;
    module.setAlertLower(lower);
    module.setAlertUpper(upper);
}

} // namespace

ZRBModuleConfig::ZRBModuleConfig(SystemConfig* parent)
    : ModuleConfigBase(parent, 4),
      m_sensorCodes(SensorCodeList::zrbCodes(), SensorCodeList::code('E', 'D'))
{
    setAllChannelScales(Scale);
}

ZRBModuleConfig::ZRBModuleConfig(SystemConfig* parent, const QDomElement& element)
    : ZRBModuleConfig(parent)
{
    readFromElement(element);
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

void ZRBModuleConfig::appendSpecificElement(QDomDocument& document, QDomElement& module) const
{
    QDomElement specific = appendElement(document, module, QStringLiteral("zrbspecific"));
    m_sensorCodes.appendElements(document, specific);

    QDomElement compensation = appendElement(document, specific, QStringLiteral("compensation"));
    compensation.setAttribute(Enabled, boolText(m_zrbFlags & MoldTemperatureCompensation));
    compensation.setAttribute(QStringLiteral("temperature"), m_compensationTemperature);

    appendElement(document, specific, QStringLiteral("output"))
        .setAttribute(QStringLiteral("range"), (m_zrbFlags & OutputRange5) ? 5 : 10);

    for (int channel = 0; channel < channelCount(); ++channel) {
        QDomElement junctionBox = appendElement(document, specific, JunctionBox);
        junctionBox.setAttribute(Channel, channel);
        junctionBox.setAttribute(Enabled, boolText(m_zrbFlags & (1u << channel)));
    }

    QDomElement alert = appendElement(document, specific, QStringLiteral("jbalert"));
    alert.setAttribute(QStringLiteral("lower"), m_alertLower);
    alert.setAttribute(QStringLiteral("upper"), m_alertUpper);
}

void ZRBModuleConfig::readSpecificFromElement(const QDomElement& module)
{
    const QDomElement specific = module.firstChildElement(QStringLiteral("zrbspecific"));
    if (!m_sensorCodes.readElements(specific) ||
        !readCompensation(specific.firstChildElement(QStringLiteral("compensation")), *this) ||
        !readOutputRange(specific.firstChildElement(QStringLiteral("output")), *this) ||
        !readJunctionBoxCompensation(specific, *this))
        return;
    readAlert(specific.firstChildElement(QStringLiteral("jbalert")), *this);
}
