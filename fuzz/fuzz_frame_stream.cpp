// Arbitrary byte streams through the frame receiver and every payload reader, under
// each firmware type. The first input byte picks the firmware type and the read size.

#include "BUPacket.h"
#include "FirmwareInfo.h"
#include "FrameReceiver.h"

#include <QByteArray>
#include <QDataStream>

#include <cstddef>
#include <cstdint>

namespace {

void silenceQtDebug(QtMsgType, const QMessageLogContext&, const QString&) {}

// Touches every decoded structure so a reader that left something uninitialised shows up.
unsigned consume(const BUPacket& p)
{
    unsigned sum = p.shotStart().shotNumber ^ p.shotSamples().sampleIndex ^
                   p.shotResult().elapsedMs ^ p.unitInfo().count ^ p.unitStatus().moduleCount ^
                   p.ioStatus().inputs ^ p.clockReply().bytes[7] ^ p.ackValue() ^ p.nakValue();
    for (const auto& m : p.shotResult().modules)
        sum ^= m.flags[7] ^ unsigned(m.g[7]);
    return sum + unsigned(p.systemConfigPayload().size() + p.moduleConfigPayload().size());
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
    const int types[] = {-1, 0, 1, 2, 3, 200};
    firmwareType = types[data[0] % 6];
    const size_t chunk = 1 + (data[0] >> 3);
    ++data;
    --size;

    BUPacket packet;
    FrameReceiver receiver(&packet);
    volatile unsigned sink = 0;
    for (size_t offset = 0; offset < size; offset += chunk) {
        const size_t n = offset + chunk <= size ? chunk : size - offset;
        receiver.append(reinterpret_cast<const char*>(data + offset), qsizetype(n));
        while (receiver.decodeNext())
            sink = sink + consume(packet);
    }

    // The readers again, straight on the raw bytes for every type, past any header check.
    const QByteArray raw =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    for (int type = 0x40; type <= 0xA1; ++type) {
        packet.setHeader(quint16(qMin<size_t>(size, 0xFFFF)), type);
        QDataStream stream(raw);
        packet.readPayload(stream);
        sink = sink + consume(packet);
    }
    return 0;
}
