#include "SystemConfig.h"

#include "KRT24ModuleConfig.h"
#include "ModuleTypeCode.h"
#include "WireFormat.h"
#include "ZRAModuleConfig.h"
#include "ZRBModuleConfig.h"
#include "ZRCModuleConfig.h"

#include <QByteArray>
#include <QDataStream>

#include <algorithm>

namespace {

constexpr int SystemBlockSize = 23; // settings, flags, name and module count
constexpr int ModuleEntrySize = 5;

std::unique_ptr<ModuleConfigBase> makeModule(quint32 moduleTypeCode, SystemConfig* parent)
{
    switch (ModuleTypeCode::kind(qint32(moduleTypeCode))) {
    case ZRCModuleConfig::TypeCode:
        return std::make_unique<ZRCModuleConfig>(parent);
    case ZRBModuleConfig::TypeCode:
        return std::make_unique<ZRBModuleConfig>(parent);
    case ZRAModuleConfig::TypeCode:
        return std::make_unique<ZRAModuleConfig>(parent);
    case KRT24ModuleConfig::TypeCode:
        return std::make_unique<KRT24ModuleConfig>(parent);
    default:
        return nullptr;
    }
}

} // namespace

SystemConfig::SystemConfig(const SystemConfig& other)
{
    *this = other;
}

SystemConfig& SystemConfig::operator=(const SystemConfig& other)
{
    if (this == &other)
        return *this;
    copySettingsFrom(other);
    m_modules.clear();
    for (const auto& source : other.m_modules)
        m_modules.push_back(source->clone());
    adoptModules();
    return *this;
}

SystemConfig::SystemConfig(SystemConfig&& other) noexcept
{
    *this = std::move(other);
}

SystemConfig& SystemConfig::operator=(SystemConfig&& other) noexcept
{
    if (this == &other)
        return *this;
    copySettingsFrom(other);
    m_modules = std::move(other.m_modules);
    other.m_modules.clear();
    adoptModules();
    return *this;
}

SystemConfig::~SystemConfig() = default;

void SystemConfig::copySettingsFrom(const SystemConfig& other)
{
    m_period = other.m_period;
    m_samplingInterval = other.m_samplingInterval;
    m_alarmClearDelay = other.m_alarmClearDelay;
    m_startDelay = other.m_startDelay;
    m_flags = other.m_flags;
    m_hasError = other.m_hasError;
    m_name = other.m_name;
}

void SystemConfig::adoptModules()
{
    for (auto& owned : m_modules)
        owned->setParent(this);
}

SystemConfig SystemConfig::fromUnitPayload(const QByteArray& payload, bool* complete)
{
    SystemConfig config;
    const bool ok = config.readFromUnit(payload);
    if (complete)
        *complete = ok;
    return config;
}

bool SystemConfig::readFromUnit(const QByteArray& payload)
{
    QDataStream stream(payload);
    quint8 access = 0;
    quint8 count = 0;
    stream >> access >> m_period >> m_samplingInterval >> m_alarmClearDelay >> m_startDelay >>
        m_flags;
    m_name = WireFormat::readText(stream);
    stream >> count;
    m_modules.clear();
    for (int i = 0; i < count; ++i) {
        quint32 moduleTypeCode = 0;
        quint8 enabled = 0;
        stream >> moduleTypeCode >> enabled;
        // An entry cut off by the end of the reply reads as identifier 0 and is skipped.
        if (moduleTypeCode == 0)
            continue;
        const int index = addModule(moduleTypeCode);
        if (index >= 0)
            module(index)->setEnabled(enabled == 1);
    }
    return payload.size() >= 1 + SystemBlockSize + count * ModuleEntrySize;
}

void SystemConfig::writeTo(QDataStream& stream) const
{
    stream << m_period << m_samplingInterval << m_alarmClearDelay << m_startDelay << m_flags;
    WireFormat::writeText(stream, m_name);
    // The count names the enabled modules, but every module has an entry.
    const auto enabledCount = std::count_if(m_modules.begin(), m_modules.end(),
                                            [](const auto& m) { return m->enabled(); });
    stream << quint8(enabledCount);
    for (const auto& entry : m_modules)
        stream << entry->identifier() << quint8(entry->enabled() ? 1 : 0);
}

bool SystemConfig::equals(const SystemConfig& other) const
{
    if (m_period != other.m_period || m_samplingInterval != other.m_samplingInterval ||
        m_alarmClearDelay != other.m_alarmClearDelay || m_startDelay != other.m_startDelay ||
        m_flags != other.m_flags || m_modules.size() != other.m_modules.size())
        return false;
    for (size_t i = 0; i < m_modules.size(); ++i) {
        if (!m_modules[i]->equals(*other.m_modules[i]))
            return false;
    }
    return true;
}

int SystemConfig::addModule(quint32 moduleTypeCode)
{
    if (moduleCount() >= MaxModules)
        return -1;
    std::unique_ptr<ModuleConfigBase> created = makeModule(moduleTypeCode, this);
    if (!created)
        return -1;
    created->setIdentifier(moduleTypeCode);
    m_modules.push_back(std::move(created));
    return moduleCount() - 1;
}

ModuleConfigBase* SystemConfig::module(int index)
{
    if (index < 0 || index >= moduleCount())
        return nullptr;
    return m_modules[size_t(index)].get();
}

const ModuleConfigBase* SystemConfig::module(int index) const
{
    return const_cast<SystemConfig*>(this)->module(index);
}

int SystemConfig::channelCount() const
{
    int count = 0;
    for (const auto& owned : m_modules)
        count += owned->channelCount();
    return count;
}

ChannelLocation SystemConfig::locateChannel(int globalIndex) const
{
    int before = 0;
    for (int i = 0; i < moduleCount(); ++i) {
        const int count = m_modules[size_t(i)]->channelCount();
        if (before + count > globalIndex)
            return {i, globalIndex - before};
        before += count;
    }
    return {moduleCount(), globalIndex - before};
}

int SystemConfig::globalChannelIndex(int moduleIndex, int channelIndex) const
{
    int before = 0;
    for (int i = 0; i < std::min(moduleIndex, moduleCount()); ++i)
        before += m_modules[size_t(i)]->channelCount();
    return before + channelIndex;
}

int SystemConfig::globalIndexOf(const ChannelConfig* channel) const
{
    int before = 0;
    for (const auto& owned : m_modules) {
        for (int c = 0; c < owned->channelCount(); ++c) {
            if (owned->channel(c) == channel)
                return before + c;
        }
        before += owned->channelCount();
    }
    return -1;
}

ChannelConfig* SystemConfig::channelAt(int globalIndex)
{
    const ChannelLocation location = locateChannel(globalIndex);
    ModuleConfigBase* owner = module(location.moduleIndex);
    return owner ? owner->channel(location.channelIndex) : nullptr;
}

const ChannelConfig* SystemConfig::channelAt(int globalIndex) const
{
    return const_cast<SystemConfig*>(this)->channelAt(globalIndex);
}

bool SystemConfig::sameModuleKinds(const SystemConfig& other) const
{
    if (m_modules.size() != other.m_modules.size())
        return false;
    for (size_t i = 0; i < m_modules.size(); ++i) {
        if (m_modules[i]->typeCode() != other.m_modules[i]->typeCode())
            return false;
    }
    return true;
}

void SystemConfig::copyModuleIdentifiers(const SystemConfig& other)
{
    const size_t shared = std::min(m_modules.size(), other.m_modules.size());
    for (size_t i = 0; i < shared; ++i)
        m_modules[i]->setIdentifier(other.m_modules[i]->identifier());
}

int SystemConfig::samplingIntervalIndex() const
{
    switch (m_samplingInterval) {
    case 1:
        return 0;
    case 5:
        return 1;
    case 20:
        return 3;
    default:
        return 2;
    }
}

void SystemConfig::setSamplingIntervalIndex(int index)
{
    switch (index) {
    case 0:
        m_samplingInterval = 1;
        break;
    case 1:
        m_samplingInterval = 5;
        break;
    case 3:
        m_samplingInterval = 20;
        break;
    default:
        m_samplingInterval = 10;
        break;
    }
}

void SystemConfig::setFlag(SystemFlag flag, bool on)
{
    if (on)
        m_flags |= flag;
    else
        m_flags &= quint16(~flag);
}
