// What the simulated unit streams on its data port, decoded by the manager's own frame
// receiver and data port.

#include "Presets.h"
#include "ShotJudge.h"
#include "ShotSynth.h"
#include "SimulatorTestSupport.h"
#include "TestMain.h"

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

// Every result field of a channel, flags first, so that a shifted field shows.
QList<qint64> fields(const ChannelResult& r)
{
    return {r.flags, r.a, r.b, r.c, r.d, r.e, r.f, r.g};
}

// The results of every channel, over the ShotResult and ShotResultAlt frames.
QList<QList<qint64>> decodedResults(const QList<Frame>& shot)
{
    QList<QList<qint64>> results;
    for (const Frame& frame : shot) {
        for (int m = 0; frame.result && m < frame.result->moduleCount; ++m) {
            const BUPayload::ModuleResult& r = frame.result->modules[m];
            for (int c = 0; c < ModuleTypeCode::channelCount(r.moduleTypeCode); ++c)
                results << QList<qint64>{r.flags[c], r.a[c], r.b[c], r.c[c],
                                         r.d[c],     r.e[c], r.f[c], r.g[c]};
        }
    }
    return results;
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
        // Point, eject window and slope inside the 1 s shot: every result field its own value.
        for (int c = 0; c < options.config.channelCount(); ++c) {
            options.config.channelAt(c)->setPoint({30, 0, 1000, true});
            options.config.channelAt(c)->setEject({50, 80, 0, 1000, true, false});
            options.config.channelAt(c)->setSlope({20, 40, -100000, 100000, true});
        }
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        const SystemConfig config = unitConfig(unit);

        StreamClient client(options.address);
        QTRY_VERIFY_WITH_TIMEOUT(!client.firstCompleteShot().isEmpty(), ShotTimeoutMs);
        const QList<Frame> shot = client.firstCompleteShot();
        QCOMPARE(client.receiver().bccErrors() + client.receiver().illegalHeaders(), 0ULL);

        // ShotStart, every sample in order, the auxiliary block, the result(s), the status.
        const int samples = ShotSynth::samplesPerShot(config);
        const bool alt = !legacy && config.channelCount() > 32; // results in a second frame
        QCOMPARE(shot.size(), samples + (alt ? 5 : 4));
        QCOMPARE(shot[2 + samples].type, int(BUPacket::ShotResult));
        QCOMPARE(shot[shot.size() - 2].type,
                 int(alt ? BUPacket::ShotResultAlt : BUPacket::ShotResult));
        QList<qint32> codes;
        for (int m = 0; m < config.moduleCount(); ++m)
            codes << config.module(m)->moduleTypeCode();
        for (int i = 0; i <= samples; ++i) {
            const Frame& frame = shot[1 + i];
            QCOMPARE(frame.sampleIndex, i < samples ? quint32(i) : 0xFFFFFFFFU);
            QCOMPARE(frame.moduleCodes, codes);
        }

        // The results are the unit's own judgement of the samples it sent.
        const QList<QList<qint64>> decoded = decodedResults(shot);
        QCOMPARE(decoded.size(), config.channelCount());
        bool ng = false;
        for (int c = 0; c < config.channelCount(); ++c) {
            ChannelResult expected = judgeChannel(*config.channelAt(c), channelSamples(shot, c),
                                                  config.samplingInterval(), nullptr);
            if (legacy) { // 8 flag bits and no slope
                expected.flags &= 0xFF;
                expected.g = 0;
            }
            QCOMPARE(decoded[c], fields(expected));
            ng = ng || expected.flags != 0;
        }
        const BUPayload::UnitStatus& status = shot.last().status();
        // Counted, and no shot was aborted.
        QCOMPARE(QList<int>({status.shotNumber, status.judgedCount}),
                 QList<int>(2, shot.first().start.shotNumber));
        QVERIFY(status.ngCount <= status.judgedCount && (!ng || status.ngCount >= 1));
    }
};

CVO_TEST_MAIN_NO_GUI(TestUnitsimStream)

#include "tst_unitsim_stream.moc"
