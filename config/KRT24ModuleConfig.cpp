#include "KRT24ModuleConfig.h"

#include "MoldSettingsXml.h"
#include "WireFormat.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDomDocument>

using namespace MoldSettingsXml;

const ChannelScale KRT24ModuleConfig::Scale{0.1, 1.0, 2, 4000, 48000};

namespace {

const QString SensorParams = QStringLiteral("sensorparams");
const QString Channel = QStringLiteral("channel");
const QString PinType = QStringLiteral("pintype");
const QString Rating = QStringLiteral("rating");
const QString Factor = QStringLiteral("factor");
const QString Distortion = QStringLiteral("distortion");
const QString Radius = QStringLiteral("radius");
const QString Width = QStringLiteral("width");
const QString Height = QStringLiteral("height");
const QString AreaSize = QStringLiteral("areasize");
const QString Enabled = QStringLiteral("enabled");

QDomElement sensorElement(QDomDocument& document, int channel, const PressureSensorParams& p)
{
    QDomElement e = document.createElement(SensorParams);
    e.setAttribute(Channel, channel);
    e.setAttribute(PinType, p.pinType);
    e.setAttribute(Rating, p.rating);
    e.setAttribute(Factor, QString(QChar::fromLatin1(p.factor)));
    e.setAttribute(Distortion, p.distortion);
    e.setAttribute(Radius, PressureSensorParams::toHundredths(p.radius));
    e.setAttribute(Width, PressureSensorParams::toHundredths(p.width));
    e.setAttribute(Height, PressureSensorParams::toHundredths(p.height));
    e.setAttribute(AreaSize, PressureSensorParams::toTenThousandths(p.area));
    return e;
}

bool isPresent(const QDomElement& e, const QString& name)
{
    return !e.attribute(name).isEmpty();
}

// A dimension in 0.01 mm. One that is present but no number of the unit's range keeps
// the default, like a missing one: a made-up size would be sent to the unit unnoticed.
void readHundredths(const QDomElement& e, const QString& name, float& millimetres)
{
    quint16 hundredths = 0;
    if (readInteger(e, name, hundredths))
        millimetres = float(hundredths / 100.0);
}

// Missing attributes keep the default; present but unusable ones fall back to it.
PressureSensorParams readSensor(const QDomElement& e)
{
    PressureSensorParams p;
    if (isPresent(e, PinType) && !readInteger(e, PinType, p.pinType))
        p.pinType = 0;
    if (isPresent(e, Rating) && (!readInteger(e, Rating, p.rating) || p.rating > 15))
        p.rating = 2;
    if (isPresent(e, Factor)) {
        const QString factor = e.attribute(Factor);
        p.factor =
            factor.size() == 1 && factor.at(0).unicode() <= 0xFF ? factor.at(0).toLatin1() : 'A';
    }
    if (isPresent(e, Distortion) &&
        (!readInteger(e, Distortion, p.distortion) || p.distortion >= 10000))
        p.distortion = 4000;
    readHundredths(e, Radius, p.radius);
    readHundredths(e, Width, p.width);
    readHundredths(e, Height, p.height);
    quint32 area = 0;
    if (readInteger(e, AreaSize, area))
        p.area = area / 10000.0;
    return p;
}

} // namespace

KRT24ModuleConfig::KRT24ModuleConfig(SystemConfig* parent) : ModuleConfigBase(parent, 8)
{
    setAllChannelScales(Scale);
}

KRT24ModuleConfig::KRT24ModuleConfig(SystemConfig* parent, const QDomElement& element)
    : KRT24ModuleConfig(parent)
{
    readFromElement(element);
}

std::unique_ptr<ModuleConfigBase> KRT24ModuleConfig::clone() const
{
    return std::unique_ptr<ModuleConfigBase>(new KRT24ModuleConfig(*this));
}

bool KRT24ModuleConfig::equalsWithSpecific(const ModuleConfigBase& other) const
{
    const auto* krt = dynamic_cast<const KRT24ModuleConfig*>(&other);
    return krt && equals(other) && m_sensors == krt->m_sensors &&
           m_pseudoResister == krt->m_pseudoResister &&
           m_daOutputDisabled == krt->m_daOutputDisabled;
}

PressureSensorParams KRT24ModuleConfig::sensor(int channel) const
{
    if (channel < 0 || channel >= int(m_sensors.size()))
        return PressureSensorParams{};
    return m_sensors[size_t(channel)];
}

void KRT24ModuleConfig::setSensor(int channel, const PressureSensorParams& params)
{
    if (channel >= 0 && channel < int(m_sensors.size()))
        m_sensors[size_t(channel)] = params;
}

void KRT24ModuleConfig::setPseudoResister(bool connected)
{
    m_pseudoResister = connected;
    const QString title =
        connected ? QCoreApplication::translate("QObject", "<Pseudo-resister>") : QString();
    for (int index : PseudoResisterChannels)
        channel(index)->setFixedTitle(title);
}

void KRT24ModuleConfig::writeSpecificTo(QDataStream& stream) const
{
    for (const PressureSensorParams& params : m_sensors)
        params.writeTo(stream);
    stream << quint8(m_pseudoResister ? 1 : 0) << quint8(m_daOutputDisabled ? 1 : 0);
    WireFormat::writeZeros(stream, 2);
}

void KRT24ModuleConfig::readSpecificFromUnit(QDataStream& stream)
{
    for (PressureSensorParams& params : m_sensors)
        params.readFrom(stream);
    quint8 pseudoResister = 0;
    quint8 daOutputDisabled = 0;
    stream >> pseudoResister >> daOutputDisabled;
    setPseudoResister(pseudoResister != 0);
    m_daOutputDisabled = daOutputDisabled != 0;
}

int KRT24ModuleConfig::specificReplySize() const
{
    return int(m_sensors.size()) * PressureSensorParams::RecordSize + 2;
}

void KRT24ModuleConfig::appendSpecificElement(QDomDocument& document, QDomElement& module) const
{
    QDomElement specific = appendElement(document, module, QStringLiteral("krt24specific"));
    for (size_t channel = 0; channel < m_sensors.size(); ++channel)
        specific.appendChild(sensorElement(document, int(channel), m_sensors[channel]));
    appendElement(document, specific, QStringLiteral("pseudoresister"))
        .setAttribute(Enabled, boolText(m_pseudoResister));
    appendElement(document, specific, QStringLiteral("daoutputdisabled"))
        .setAttribute(Enabled, boolText(m_daOutputDisabled));
}

// The eight sensors are taken together or not at all, in document order; the channel
// attribute is only checked. The two switches count only in a complete block.
void KRT24ModuleConfig::readSpecificFromElement(const QDomElement& module)
{
    const QDomElement specific = module.firstChildElement(QStringLiteral("krt24specific"));
    const QList<QDomElement> elements = childElements(specific, SensorParams);
    if (elements.size() != qsizetype(m_sensors.size()))
        return;
    std::array<PressureSensorParams, 8> sensors;
    for (size_t i = 0; i < sensors.size(); ++i) {
        int channel = -1;
        if (!readInteger(elements[qsizetype(i)], Channel, channel) || channel < 0 || channel > 8)
            return;
        sensors[i] = readSensor(elements[qsizetype(i)]);
    }
    m_sensors = sensors;
    setPseudoResister(
        isTrue(specific.firstChildElement(QStringLiteral("pseudoresister")), Enabled));
    m_daOutputDisabled =
        isTrue(specific.firstChildElement(QStringLiteral("daoutputdisabled")), Enabled);
}
