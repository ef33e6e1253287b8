// Streaming rate of the simulated unit: the highest rate at which it produces shots
// (curves, judgement, frames) and delivers them over loopback to the manager's frame
// receiver, in channel samples per second, compared with the unit's top rate of
// 40 channels at 1 ms (40 000 channel samples per second).

#include "BUPacket.h"
#include "FirmwareInfo.h"
#include "FrameReceiver.h"
#include "Presets.h"
#include "SimulatorThread.h"
#include "UnitSimulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTimer>

#include <cstdio>

namespace {

constexpr double UnitTopRate = 40.0 * 1000.0;
const QHostAddress BenchAddress(QStringLiteral("127.0.41.250"));

struct Tally
{
    quint64 sampleFrames = 0;
    quint64 channelSamples = 0;
    quint64 shots = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 5;
    firmwareType = 0;

    SimulatorOptions options;
    options.address = BenchAddress;
    Presets::make(QStringLiteral("channels40"), &options.config);
    options.config.setPeriod(2);
    options.speed = SimulatorOptions::MaxSpeed; // as fast as the unit and the link allow
    options.cycleTimeMs = 1;
    SimulatorThread unit(options);
    if (!unit.startAndWait()) {
        std::fprintf(stderr, "simulator did not start: %s\n", qPrintable(unit.errorString()));
        return 1;
    }

    BUPacket packet;
    FrameReceiver receiver(&packet);
    QTcpSocket socket;
    Tally tally;
    QElapsedTimer clock;
    QObject::connect(&socket, &QTcpSocket::readyRead, &socket, [&] {
        receiver.append(socket.readAll());
        while (receiver.decodeNext()) {
            if (packet.type() == BUPacket::ShotSamples && !packet.shotSamples().isAuxiliary()) {
                ++tally.sampleFrames;
                for (int m = 0; m < packet.shotSamples().moduleCount; ++m)
                    tally.channelSamples += quint64(ModuleTypeCode::channelCount(
                        packet.shotSamples().modules[m].moduleTypeCode));
            } else if (packet.type() == BUPacket::ShotResult) {
                ++tally.shots;
            }
        }
    });
    socket.connectToHost(BenchAddress, SimulatorOptions::DefaultDataPort);
    if (!socket.waitForConnected(5000)) {
        std::fprintf(stderr, "no data connection\n");
        return 1;
    }
    clock.start();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();

    const double elapsed = double(clock.nsecsElapsed()) / 1e9;
    const double rate = double(tally.channelSamples) / elapsed;
    std::printf("unit simulator stream, 40 channels, %.1f s: %llu sample frames, %llu shots, "
                "%llu BCC errors\n",
                elapsed, static_cast<unsigned long long>(tally.sampleFrames),
                static_cast<unsigned long long>(tally.shots),
                static_cast<unsigned long long>(receiver.bccErrors()));
    std::printf("  %.0f channel samples/s = %.1f x the unit's top rate (40 channels x 1000/s)\n",
                rate, rate / UnitTopRate);
    socket.abort();
    unit.stop();
    return tally.sampleFrames > 0 ? 0 : 1;
}
