#include "KRT24ModuleConfig.h"

#include "WireFormat.h"

#include <QCoreApplication>
#include <QDataStream>

const ChannelScale KRT24ModuleConfig::Scale{0.1, 1.0, 2, 4000, 48000};

KRT24ModuleConfig::KRT24ModuleConfig(SystemConfig* parent) : ModuleConfigBase(parent, 8)
{
    setAllChannelScales(Scale);
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
