// Decode throughput of the data port's receive path: a stream of 40-channel ShotSamples
// frames through framing, BCC check and payload decoding, compared with the unit's top
// rate of one frame per millisecond.

#include "BUPacket.h"
#include "FrameBuilder.h"
#include "FrameReceiver.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double UnitTopRateFramesPerSecond = 1000.0;
const QList<qint32> FortyChannels = {0x11000001, 0x11000002, 0x11000003, 0x11000004, 0x11000005};

QByteArray makeStream(int frames)
{
    QByteArray stream;
    for (int i = 0; i < frames; ++i)
        stream += FrameBuilder::frame(
            BUPacket::ShotSamples,
            FrameBuilder::shotSamplesPayload(quint32(i), FortyChannels, qint16(i % 30000)));
    return stream;
}

// Feeds the stream in socket-sized pieces and returns frames per second.
double run(const QByteArray& stream, int chunk, int expectedFrames)
{
    BUPacket packet;
    FrameReceiver receiver(&packet);
    qint64 checksum = 0;
    int frames = 0;
    QElapsedTimer timer;
    timer.start();
    for (qsizetype offset = 0; offset < stream.size(); offset += chunk) {
        receiver.append(stream.constData() + offset,
                        qMin<qsizetype>(chunk, stream.size() - offset));
        while (receiver.decodeNext()) {
            checksum += packet.shotSamples().modules[4].values[7];
            ++frames;
        }
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    if (frames != expectedFrames || checksum == 0) {
        std::fprintf(stderr, "decoded %d of %d frames\n", frames, expectedFrames);
        return 0;
    }
    return frames / seconds;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int frames = argc > 1 ? std::atoi(argv[1]) : 200000;
    const QByteArray stream = makeStream(frames);
    std::printf("stream: %d frames of %lld bytes (40 channels each)\n", frames,
                static_cast<long long>(stream.size() / frames));
    for (int chunk : {111, 1460, 65536}) {
        std::vector<double> rates;
        for (int round = 0; round < 5; ++round)
            rates.push_back(run(stream, chunk, frames));
        std::sort(rates.begin(), rates.end());
        const double median = rates[rates.size() / 2];
        std::printf("reads of %5d bytes: median %10.0f frames/s = %6.0f x the unit's top rate\n",
                    chunk, median, median / UnitTopRateFramesPerSecond);
    }
    return 0;
}
