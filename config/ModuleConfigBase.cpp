#include "ModuleConfigBase.h"

#include "ModuleTypeCode.h"
#include "SystemConfig.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDataStream>

namespace {

int moduleNumberFor(const SystemConfig* parent)
{
    return parent ? parent->moduleCount() + 1 : 1;
}

} // namespace

ModuleConfigBase::ModuleConfigBase(SystemConfig* parent, int channelCount)
    : m_title(QCoreApplication::translate("QObject", "MODULE %1").arg(moduleNumberFor(parent))),
      m_parent(parent)
{
    const QString moduleNumber = QString::number(moduleNumberFor(parent));
    for (int i = 0; i < channelCount; ++i) {
        auto channel = std::make_unique<ChannelConfig>(this);
        channel->setTitle(QStringLiteral("MOD-") + moduleNumber + QStringLiteral(" CH-") +
                          QString::number(i + 1));
        m_channels.push_back(std::move(channel));
    }
}

ModuleConfigBase::ModuleConfigBase(const ModuleConfigBase& other)
    : m_title(other.m_title), m_enabled(other.m_enabled), m_identifier(other.m_identifier),
      m_hasError(other.m_hasError), m_parent(other.m_parent)
{
    for (const auto& channel : other.m_channels) {
        auto copy = std::make_unique<ChannelConfig>(*channel);
        copy->setModule(this);
        m_channels.push_back(std::move(copy));
    }
}

ModuleConfigBase::~ModuleConfigBase() = default;

bool ModuleConfigBase::equals(const ModuleConfigBase& other) const
{
    if (m_title != other.m_title || m_channels.size() != other.m_channels.size())
        return false;
    for (size_t i = 0; i < m_channels.size(); ++i) {
        if (*m_channels[i] != *other.m_channels[i])
            return false;
    }
    return true;
}

int ModuleConfigBase::sensorCodeIndex(int) const
{
    return -1;
}

void ModuleConfigBase::setSensorCodeIndex(int, int) {}

void ModuleConfigBase::applyChannelToAll(int channelIndex)
{
    const ChannelConfig* source = channel(channelIndex);
    if (!source)
        return;
    const ChannelConfig settings = *source;
    for (auto& target : m_channels) {
        if (target.get() == source)
            continue;
        const bool enabled = target->enabled();
        const QString title = target->title();
        const QString fixedTitle = target->fixedTitle();
        *target = settings;
        target->setEnabled(enabled);
        target->setTitle(title);
        target->setFixedTitle(fixedTitle);
    }
}

QString ModuleConfigBase::identifierText() const
{
    return QStringLiteral("%1").arg(m_identifier, 8, 16, QLatin1Char('0'));
}

QString ModuleConfigBase::moduleLabel() const
{
    return identifierText() + QStringLiteral(" (") + m_title + QLatin1Char(')');
}

ChannelConfig* ModuleConfigBase::channel(int index)
{
    if (index < 0 || size_t(index) >= m_channels.size())
        return nullptr;
    return m_channels[size_t(index)].get();
}

const ChannelConfig* ModuleConfigBase::channel(int index) const
{
    return const_cast<ModuleConfigBase*>(this)->channel(index);
}

void ModuleConfigBase::setChannelScale(int index, const ChannelScale& scale)
{
    if (ChannelConfig* target = channel(index))
        target->setScale(scale);
}

void ModuleConfigBase::setAllChannelScales(const ChannelScale& scale)
{
    for (auto& target : m_channels)
        target->setScale(scale);
}

void ModuleConfigBase::writeTo(QDataStream& stream) const
{
    const WireFormat::ChannelLayout layout = WireFormat::unitChannelLayout();
    stream << m_identifier;
    WireFormat::writeText(stream, m_title);
    for (const auto& target : m_channels)
        target->writeTo(stream, layout);
    writeSpecificTo(stream);
}

bool ModuleConfigBase::readFromUnit(const QByteArray& payload)
{
    QDataStream stream(payload);
    quint8 access = 0;
    quint32 identifier = 0;
    stream >> access >> identifier;
    if (ModuleTypeCode::kind(qint32(identifier)) != typeCode())
        return false;

    const WireFormat::ChannelLayout layout = WireFormat::unitChannelLayout();
    const qsizetype needed = 1 + 4 + WireFormat::TextSize +
                             channelCount() * WireFormat::channelRecordSize(layout) +
                             specificReplySize();
    m_title = WireFormat::readText(stream);
    for (auto& target : m_channels)
        target->readFromUnit(stream, layout);
    readSpecificFromUnit(stream);
    return payload.size() >= needed;
}
