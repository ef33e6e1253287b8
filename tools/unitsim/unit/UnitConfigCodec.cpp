#include "UnitConfigCodec.h"

#include "KRT24ModuleConfig.h"
#include "SystemConfig.h"
#include "ZRAModuleConfig.h"
#include "ZRBModuleConfig.h"
#include "ZRCModuleConfig.h"

#include <QDataStream>
#include <QHash>
#include <QIODevice>

namespace {

constexpr int AccessSize = 1;
constexpr int SystemBlockSize = 23; // settings, flags, name, count
constexpr int ModuleEntrySize = 5;
constexpr int ModuleHeaderSize = 4 + WireFormat::TextSize; // identifier, title
constexpr int FourChannelWriteSpecificSize = 40;
constexpr int KrtWriteSpecificSize = 132;

bool validInterval(int ms)
{
    return ms == 1 || ms == 5 || ms == 10 || ms == 20;
}

bool fail(QString* why, const QString& text)
{
    if (why)
        *why = text;
    return false;
}

void writeSpecific(QDataStream& s, const ModuleConfigBase& module)
{
    if (const auto* zrc = dynamic_cast<const ZRCModuleConfig*>(&module)) {
        for (int c = 0; c < 4; ++c)
            s << zrc->sensorCode(c);
    } else if (const auto* zrb = dynamic_cast<const ZRBModuleConfig*>(&module)) {
        for (int c = 0; c < 4; ++c)
            s << zrb->sensorCode(c);
        s << zrb->zrbFlags() << zrb->compensationTemperature() << zrb->alertUpper()
          << zrb->alertLower();
    } else if (const auto* krt = dynamic_cast<const KRT24ModuleConfig*>(&module)) {
        for (int c = 0; c < krt->channelCount(); ++c)
            krt->sensor(c).writeTo(s);
        s << quint8(krt->pseudoResister() ? 1 : 0) << quint8(krt->daOutputDisabled() ? 1 : 0);
    }
}

// The leading bytes of the kind's block read the same in a write and in a reply.
void readSpecific(QDataStream& s, ModuleConfigBase& module)
{
    if (auto* zrc = dynamic_cast<ZRCModuleConfig*>(&module)) {
        for (int c = 0; c < 4; ++c) {
            quint16 code = 0;
            s >> code;
            zrc->setSensorCode(c, code);
        }
    } else if (auto* zrb = dynamic_cast<ZRBModuleConfig*>(&module)) {
        for (int c = 0; c < 4; ++c) {
            quint16 code = 0;
            s >> code;
            zrb->setSensorCode(c, code);
        }
        quint8 flags = 0, compensation = 0, upper = 0, lower = 0;
        s >> flags >> compensation >> upper >> lower;
        zrb->setZrbFlags(flags);
        zrb->setCompensationTemperature(compensation);
        zrb->setAlertUpper(upper);
        zrb->setAlertLower(lower);
    } else if (auto* krt = dynamic_cast<KRT24ModuleConfig*>(&module)) {
        for (int c = 0; c < krt->channelCount(); ++c) {
            PressureSensorParams params;
            params.readFrom(s);
            krt->setSensor(c, params);
        }
        quint8 pseudoResister = 0, daOutputDisabled = 0;
        s >> pseudoResister >> daOutputDisabled;
        krt->setPseudoResister(pseudoResister != 0);
        krt->setDaOutputDisabled(daOutputDisabled != 0);
    }
}

// Title, channel records and the kind's block; the stream stands after the identifier.
void readModuleBody(QDataStream& s, ModuleConfigBase& module, WireFormat::ChannelLayout layout)
{
    module.setTitle(WireFormat::readText(s));
    for (int c = 0; c < module.channelCount(); ++c)
        module.channel(c)->readFromUnit(s, layout);
    readSpecific(s, module);
}

} // namespace

namespace UnitConfigCodec {

int moduleIndex(const SystemConfig& config, quint32 identifier)
{
    for (int i = 0; i < config.moduleCount(); ++i) {
        if (config.module(i)->identifier() == identifier)
            return i;
    }
    return -1;
}

QByteArray systemReply(const SystemConfig& config, quint8 access)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s << access << config.period() << config.samplingInterval() << config.alarmClearDelay()
      << config.startDelay() << config.flags();
    WireFormat::writeText(s, config.name());
    s << quint8(config.moduleCount());
    for (int i = 0; i < config.moduleCount(); ++i)
        s << config.module(i)->identifier() << quint8(config.module(i)->enabled() ? 1 : 0);
    return bytes;
}

bool applySystemWrite(const QByteArray& payload, SystemConfig& config, QString* why)
{
    const qsizetype entriesSize = payload.size() - AccessSize - SystemBlockSize;
    if (entriesSize < 0 || entriesSize % ModuleEntrySize != 0)
        return fail(why, QStringLiteral("system block of %1 bytes").arg(payload.size()));
    QDataStream s(payload);
    quint8 access = 0, period = 0, interval = 0, clearDelay = 0, startDelay = 0, count = 0;
    quint16 flags = 0;
    s >> access >> period >> interval >> clearDelay >> startDelay >> flags;
    const QString name = WireFormat::readText(s);
    // The manager writes the number of enabled modules here; the entries themselves
    // tell which modules are meant, so the count is not needed.
    s >> count;
    if (period < 1 || period > 120 || !validInterval(interval))
        return fail(why, QStringLiteral("period %1 s, interval %2 ms").arg(period).arg(interval));

    const qsizetype entries = entriesSize / ModuleEntrySize;
    QHash<quint32, bool> enabled;
    for (qsizetype i = 0; i < entries; ++i) {
        quint32 identifier = 0;
        quint8 on = 0;
        s >> identifier >> on;
        if (moduleIndex(config, identifier) < 0 || enabled.contains(identifier))
            return fail(why, QStringLiteral("module %1 is not fitted or listed twice")
                                 .arg(identifier, 8, 16, QLatin1Char('0')));
        enabled.insert(identifier, on == 1);
    }
    if (enabled.size() != config.moduleCount())
        return fail(why, QStringLiteral("%1 modules listed, %2 fitted")
                             .arg(enabled.size())
                             .arg(config.moduleCount()));

    config.setPeriod(period);
    config.setSamplingInterval(interval);
    config.setAlarmClearDelay(clearDelay);
    config.setStartDelay(startDelay);
    config.setFlags(flags);
    config.setName(name);
    for (int i = 0; i < config.moduleCount(); ++i)
        config.module(i)->setEnabled(enabled.value(config.module(i)->identifier()));
    return true;
}

QByteArray moduleReply(const ModuleConfigBase& module, WireFormat::ChannelLayout layout,
                       quint8 access)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s << access << module.identifier();
    WireFormat::writeText(s, module.title());
    for (int c = 0; c < module.channelCount(); ++c)
        module.channel(c)->writeTo(s, layout);
    const qsizetype specificStart = bytes.size();
    writeSpecific(s, module);
    WireFormat::writeZeros(s, ReplySpecificSize - int(bytes.size() - specificStart));
    return bytes;
}

int moduleWriteSize(const ModuleConfigBase& module, WireFormat::ChannelLayout layout)
{
    const int specific = dynamic_cast<const KRT24ModuleConfig*>(&module)
                             ? KrtWriteSpecificSize
                             : FourChannelWriteSpecificSize;
    return AccessSize + ModuleHeaderSize +
           module.channelCount() * WireFormat::channelRecordSize(layout) + specific;
}

bool applyModuleWrite(const QByteArray& payload, SystemConfig& config,
                      WireFormat::ChannelLayout layout, QString* why)
{
    QDataStream s(payload);
    quint8 access = 0;
    quint32 identifier = 0;
    s >> access >> identifier;
    const int index = moduleIndex(config, identifier);
    if (payload.size() < AccessSize + 4 || index < 0)
        return fail(
            why,
            QStringLiteral("module %1 is not fitted").arg(identifier, 8, 16, QLatin1Char('0')));
    ModuleConfigBase& module = *config.module(index);
    // A block of another size was written for another layout: taking it would shift
    // every field after the first channel record.
    const int expected = moduleWriteSize(module, layout);
    if (payload.size() != expected)
        return fail(why, QStringLiteral("module block of %1 bytes, expected %2")
                             .arg(payload.size())
                             .arg(expected));
    readModuleBody(s, module, layout);
    return true;
}

void normalise(SystemConfig& config, WireFormat::ChannelLayout layout)
{
    for (int i = 0; i < config.moduleCount(); ++i) {
        ModuleConfigBase& module = *config.module(i);
        const QByteArray stored = moduleReply(module, layout, 0);
        QDataStream s(stored);
        quint8 access = 0;
        quint32 identifier = 0;
        s >> access >> identifier;
        readModuleBody(s, module, layout);
    }
}

} // namespace UnitConfigCodec
