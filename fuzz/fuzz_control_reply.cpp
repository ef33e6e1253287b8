// Control-port replies: arbitrary bytes as a whole reply frame (start byte, length, type,
// BCC) and as the configuration payloads the configuration read decodes, in the current
// and the legacy channel layout. The first byte picks the layout; the rest is cut into
// pieces, each led by a two-byte length: the system payload, then one per module.

#include "BUPacket.h"
#include "ChannelConfig.h"
#include "ControlPort.h"
#include "FirmwareInfo.h"
#include "ModuleConfigBase.h"
#include "SystemConfig.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

void silenceQtDebug(QtMsgType, const QMessageLogContext&, const QString&) {}

QByteArray nextPiece(const QByteArray& bytes, qsizetype& at)
{
    if (bytes.size() - at < 2) {
        at = bytes.size();
        return {};
    }
    const qsizetype length = (quint8(bytes.at(at)) << 8) | quint8(bytes.at(at + 1));
    at += 2;
    const QByteArray piece = bytes.mid(at, length);
    at += piece.size();
    return piece;
}

// What a decoded configuration must hold whatever the reply said: at most eleven modules
// of known kinds, each with its kind's channels.
void checkShape(const SystemConfig& config)
{
    if (config.moduleCount() > 11)
        std::abort();
    int channels = 0;
    for (int i = 0; i < config.moduleCount(); ++i) {
        const ModuleConfigBase* module = config.module(i);
        if (!module || module->channelCount() < 1 || module->channelCount() > 8)
            std::abort();
        channels += module->channelCount();
    }
    if (channels != config.channelCount() || (channels > 0 && !config.channelAt(channels - 1)) ||
        config.channelAt(channels))
        std::abort();
}

SystemConfig decode(const QByteArray& bytes, qsizetype from)
{
    qsizetype at = from;
    SystemConfig config = SystemConfig::fromUnitPayload(nextPiece(bytes, at));
    checkShape(config);
    for (int i = 0; i < config.moduleCount(); ++i)
        config.module(i)->readFromUnit(nextPiece(bytes, at));
    checkShape(config);
    return config;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool once = [] {
        qInstallMessageHandler(silenceQtDebug);
        return true;
    }();
    (void)once;
    if (size < 1)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    // A packet takes its length limits from the firmware type when it is made; one each.
    const auto make = [](int type) {
        firmwareType = type;
        return new BUPacket;
    };
    static BUPacket* const current = make(0);
    static BUPacket* const legacy = make(3);
    firmwareType = (data[0] & 1) ? 3 : 0;
    BUPacket& packet = (data[0] & 1) ? *legacy : *current;
    const QByteArray reply = bytes.mid(1);
    if (ControlPort::decodeReply(reply, packet) &&
        (reply.size() != BUPacket::HeaderSize + packet.length() ||
         packet.type() != quint8(reply.at(3))))
        std::abort();

    // Decoding is a function of the bytes alone: a second read agrees with the first.
    const SystemConfig first = decode(bytes, 1);
    const SystemConfig second = decode(bytes, 1);
    if (!first.equals(second))
        std::abort();
    for (int i = 0; i < first.moduleCount(); ++i) {
        if (!first.module(i)->equalsWithSpecific(*second.module(i)))
            std::abort();
    }
    return 0;
}
