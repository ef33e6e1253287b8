// What the simulated unit streams on its data port, decoded by the manager's own frame
// receiver and data port.

#include "ControlPort.h"
#include "DataPort.h"
#include "Presets.h"
#include "ShotJudge.h"
#include "ShotSynth.h"
#include "SimulatorTestSupport.h"
#include "TestMain.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using namespace SimTest;

namespace {

constexpr int ShotTimeoutMs = 20000;

// The samples of one channel over a shot's ShotSamples frames.
QList<qint16> channelSamples(const QList<Frame>& shot, int channel)
{
    QList<qint16> samples;
    for (const Frame& frame : shot) {
        if (frame.type == BUPacket::ShotSamples && frame.sampleIndex != 0xFFFFFFFFU)
            samples << frame.values.value(channel);
    }
    return samples;
}

// Result flags and peaks of every channel, over the ShotResult and ShotResultAlt frames.
QList<ChannelResult> decodedResults(const QList<Frame>& shot)
{
    QList<ChannelResult> results;
    for (const Frame& frame : shot) {
        if (!frame.result)
            continue;
        for (int m = 0; m < frame.result->moduleCount; ++m) {
            const BUPayload::ModuleResult& block = frame.result->modules[m];
            for (int c = 0; c < ModuleTypeCode::channelCount(block.moduleTypeCode); ++c) {
                ChannelResult r;
                r.flags = block.flags[c];
                r.a = block.a[c];
                r.f = block.f[c];
                r.g = block.g[c];
                results << r;
            }
        }
    }
    return results;
}

QList<int> typesOf(const QList<Frame>& frames)
{
    QList<int> types;
    for (const Frame& frame : frames) {
        if (types.isEmpty() || frame.type != BUPacket::ShotSamples || types.last() != frame.type)
            types << frame.type;
    }
    return types;
}

} // namespace

class TestUnitsimStream : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void streamsAJudgedShot_data()
    {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<bool>("legacy");
        QTest::addColumn<int>("row");
        QTest::newRow("8 channels") << QStringLiteral("pressure8") << false << 0;
        QTest::newRow("8 channels, legacy") << QStringLiteral("pressure8") << true << 1;
        QTest::newRow("mixed kinds") << QStringLiteral("mixed") << false << 2;
        QTest::newRow("40 channels") << QStringLiteral("channels40") << false << 3;
        QTest::newRow("40 channels, legacy") << QStringLiteral("channels40") << true << 4;
    }
    void streamsAJudgedShot()
    {
        QFETCH(QString, preset);
        QFETCH(bool, legacy);
        QFETCH(int, row);
        const FirmwareIdentity firmware =
            legacy ? FirmwareIdentity::legacy() : FirmwareIdentity::standard();
        FirmwareTypeGuard guard(firmware.managerFirmwareType());
        SimulatorOptions options = fastUnit(address(40 + row), firmware);
        QVERIFY(Presets::make(preset, &options.config));
        options.config.setPeriod(1);
        options.driftEvery = 2;
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        const SystemConfig config = unitConfig(unit);

        StreamClient client(options.address);
        QTRY_VERIFY_WITH_TIMEOUT(!client.firstCompleteShot().isEmpty(), ShotTimeoutMs);
        const QList<Frame> shot = client.firstCompleteShot();
        QCOMPARE(client.receiver().bccErrors(), 0ULL);
        QCOMPARE(client.receiver().illegalHeaders(), 0ULL);

        // ShotStart, every sample in order, the auxiliary block, the result(s), the status.
        const int samples = ShotSynth::samplesPerShot(config);
        QList<int> expectedTypes = {BUPacket::ShotStart, BUPacket::ShotSamples,
                                    BUPacket::ShotResult};
        if (!legacy && config.channelCount() > 32)
            expectedTypes << BUPacket::ShotResultAlt;
        expectedTypes << BUPacket::UnitStatus;
        QCOMPARE(typesOf(shot), expectedTypes);
        QCOMPARE(int(std::count_if(shot.begin(), shot.end(),
                                   [](const Frame& f) { return f.type == BUPacket::ShotSamples; })),
                 samples + 1);
        QList<qint32> codes;
        for (int m = 0; m < config.moduleCount(); ++m)
            codes << config.module(m)->moduleTypeCode();
        for (int i = 0; i <= samples; ++i) {
            const Frame& frame = shot[1 + i];
            QCOMPARE(frame.sampleIndex, i < samples ? quint32(i) : 0xFFFFFFFFU);
            QCOMPARE(frame.moduleCodes, codes);
        }

        // The results are the unit's own judgement of the samples it sent.
        const qint32 shotNumber = shot.first().start.shotNumber;
        const auto result = std::find_if(shot.begin(), shot.end(), [](const Frame& f) {
            return f.type == BUPacket::ShotResult;
        });
        QVERIFY(result != shot.end());
        QCOMPARE(result->result->shotNumber, shotNumber);
        QCOMPARE(result->result->legacyLayout, legacy);
        const QList<ChannelResult> decoded = decodedResults(shot);
        QCOMPARE(decoded.size(), config.channelCount());
        bool ng = false;
        for (int c = 0; c < config.channelCount(); ++c) {
            ChannelResult expected = judgeChannel(*config.channelAt(c), channelSamples(shot, c),
                                                  config.samplingInterval(), nullptr);
            if (legacy) {
                expected.flags &= 0xFF;
                expected.g = 0;
            }
            QCOMPARE(decoded[c].flags, expected.flags);
            QCOMPARE(decoded[c].a, expected.a);
            QCOMPARE(decoded[c].f, expected.f);
            QCOMPARE(decoded[c].g, expected.g);
            ng = ng || expected.flags != 0;
        }

        const BUPayload::UnitStatus& status = shot.last().status();
        QCOMPARE(status.shotNumber, shotNumber);
        QCOMPARE(status.judgedCount, shotNumber); // no shot was aborted
        QCOMPARE(status.moduleCount, quint8(config.moduleCount()));
        QVERIFY(status.ngCount <= status.judgedCount);
        if (ng)
            QVERIFY(status.ngCount >= 1);
    }

    void maintenanceModeFreeRunsWithoutCounting()
    {
        SimulatorOptions options = fastUnit(address(51));
        Presets::make(QStringLiteral("mixed"), &options.config);
        options.config.setPeriod(1);
        options.config.setSamplingInterval(10);
        options.shotLimit = 1;
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        FirmwareTypeGuard guard(0);
        QTRY_COMPARE_WITH_TIMEOUT(unit.simulator()->statistics().shotsCompleted.load(), 1ULL,
                                  ShotTimeoutMs);

        StreamClient client(options.address);
        QVERIFY(client.waitConnected());
        {
            ControlPort port(options.address, ControlPort::DefaultPort);
            QCOMPARE(port.open(), 0);
            QCOMPARE(port.setMode(1, 0), 0);
        }
        QTRY_VERIFY_WITH_TIMEOUT(client.count(BUPacket::ShotResult) >= 2, ShotTimeoutMs);

        // Windows framed like shots, carrying the unchanged shot number, never judged.
        const QList<Frame> window = client.firstCompleteShot();
        QVERIFY(!window.isEmpty());
        QCOMPARE(window.first().start.shotNumber, 1);
        QCOMPARE(channelSamples(window, 0).size(), 101);
        for (const ChannelResult& r : decodedResults(window))
            QCOMPARE(r.flags, quint16(0));
        QVERIFY(std::any_of(window.begin(), window.end(), [](const Frame& f) {
            return f.type == BUPacket::ShotSamples &&
                   std::any_of(f.values.begin(), f.values.end(), [](qint16 v) { return v > 0; });
        }));
        const BUPayload::UnitStatus status = window.last().status();
        QCOMPARE(status.mode, quint8(1));
        QCOMPARE(status.judgedCount, 1);
        QCOMPARE(unit.simulator()->statistics().shotsCompleted.load(), 1ULL);

        // Zero reset takes the pressure channels' live values as their zero, not temperatures.
        {
            ControlPort port(options.address, ControlPort::DefaultPort);
            QCOMPARE(port.open(), 0);
            QCOMPARE(port.setMode(1, 0x08), 0);
        }
        QList<qint16> offsets;
        unit.call([&](UnitSimulator& sim) { offsets = sim.state().zeroOffsets(); });
        QCOMPARE(offsets.size(), 20);
        for (int c = 12; c < 16; ++c) // the temperature module
            QCOMPARE(offsets[c], qint16(0));
    }

    void abortEndsTheShotWithoutResult()
    {
        SimulatorOptions options = fastUnit(address(52));
        options.config.setPeriod(2);
        options.config.setSamplingInterval(10);
        options.speed = 1;
        options.cycleTimeMs = 2500;
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        FirmwareTypeGuard guard(0);
        StreamClient client(options.address);
        QVERIFY(client.waitConnected());
        QTRY_VERIFY_WITH_TIMEOUT(client.count(BUPacket::ShotStart) >= 1, ShotTimeoutMs);
        const auto startOf = [&](int nth) {
            int seen = 0;
            for (const Frame& f : client.frames())
                if (f.type == BUPacket::ShotStart && seen++ == nth)
                    return f.start.shotNumber;
            return -1;
        };
        const qint32 aborted = startOf(0);
        const quint64 completedBefore = unit.simulator()->statistics().shotsCompleted;
        {
            ControlPort port(options.address, ControlPort::DefaultPort);
            QCOMPARE(port.open(), 0);
            QCOMPARE(port.setMode(0, 0x20), 0);
        }
        QTRY_VERIFY_WITH_TIMEOUT(client.count(BUPacket::ShotStart) >= 2, ShotTimeoutMs);
        QCOMPARE(startOf(1), aborted + 1);
        QVERIFY(std::none_of(client.frames().begin(), client.frames().end(), [&](const Frame& f) {
            return f.type == BUPacket::ShotResult && f.result->shotNumber == aborted;
        }));
        QCOMPARE(unit.simulator()->statistics().shotsCompleted.load(), completedBefore);
    }

    void keepsRealTimeByDefault()
    {
        SimulatorOptions options = fastUnit(address(53));
        options.speed = 1;
        options.config.setSamplingInterval(10);
        options.cycleTimeMs = 1200;
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        FirmwareTypeGuard guard(0);

        DataPort port;
        port.setAddress(options.address);
        QElapsedTimer clock;
        qint64 startedAt = -1;
        qint64 endedAt = -1;
        int samples = 0;
        connect(&port, &PortBase::packetReceived, this, [&](BUPacket* packet) {
            if (packet->type() == BUPacket::ShotStart && startedAt < 0)
                startedAt = clock.elapsed();
            else if (packet->type() == BUPacket::ShotSamples && startedAt >= 0 && endedAt < 0)
                ++samples;
            else if (packet->type() == BUPacket::ShotResult && startedAt >= 0 && endedAt < 0)
                endedAt = clock.elapsed();
        });
        clock.start();
        port.connectToUnit();
        QTRY_VERIFY_WITH_TIMEOUT(endedAt >= 0, ShotTimeoutMs);
        QCOMPARE(samples, 102); // 101 samples and the auxiliary block
        // A one-second shot is paced over about a second, not sent at once.
        QVERIFY2(endedAt - startedAt >= 800, qPrintable(QString::number(endedAt - startedAt)));
    }

    void countsKeepAlivesAndServesTheNewestConnection()
    {
        SimulatorOptions options = fastUnit(address(54));
        options.faults.silentData = true;
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));

        DataPort port;
        port.setAddress(options.address);
        port.setKeepAliveInterval(50);
        QSignalSpy link(&port, &PortBase::linkUpdate);
        port.connectToUnit();
        QTRY_COMPARE_WITH_TIMEOUT(link.count(), 1, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(unit.simulator()->statistics().keepAlives.load() >= 3, 5000);

        StreamClient newer(options.address);
        QVERIFY(newer.waitConnected());
        QTRY_COMPARE_WITH_TIMEOUT(link.count(), 2, 5000);
        QCOMPARE(link.at(1).at(0).toBool(), false);
        QCOMPARE(unit.simulator()->statistics().dataClients.load(), 2ULL);
        QCOMPARE(newer.socket().state(), QAbstractSocket::ConnectedState);
    }
};

CVO_TEST_MAIN(TestUnitsimStream)

#include "tst_unitsim_stream.moc"
