#include "BUPacket.h"
#include "FirmwareInfo.h"
#include "FrameBuilder.h"
#include "ShotData.h"
#include "SystemConfig.h"
#include "TestMain.h"

#include <QDataStream>
#include <QTest>

namespace {

QByteArray samples(quint32 index, const QList<QPair<qint32, QList<qint16>>>& blocks)
{
    return FrameBuilder::payload([&](QDataStream& s) {
        s << quint8(0) << index << quint8(blocks.size());
        for (const auto& [code, values] : blocks) {
            s << code;
            for (qint16 v : values)
                s << v;
        }
    });
}

SystemConfig twoModules()
{
    SystemConfig config;
    config.addModule(0x01000001); // 4 channels
    config.addModule(0x11000002); // 8 channels
    return config;
}

} // namespace

class TestShotData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { resetFirmwareType(); }

    void scalesFifteenBitsAndKeepsPeakAndSum()
    {
        ChannelShotData channel;
        channel.addSample(0, 1000);
        channel.addSample(1, qint16(0x8000 + 1000)); // top bit is not a sign
        QCOMPARE(channel.samples(), (QList<float>{100.0f, 100.0f}));
        channel.addSample(2, 500);
        QCOMPARE(channel.peak(), 100.0f);
        QCOMPARE(channel.sum(), 250.0f);
        QCOMPARE(channel.samples(1, 1), QList<float>{100.0f});
        QCOMPARE(channel.samples(5), QList<float>{});
        channel.clear();
        QCOMPARE(channel.sampleCount(), 0);
        channel.addSample(0, 1);
        QCOMPARE(channel.peak(), 0.1f); // the first positive sample replaces the cleared peak
    }

    void walksModuleBlocksInOrder()
    {
        ShotData shot;
        shot.configure(twoModules());
        QCOMPARE(shot.channelCount(), 12);
        QCOMPARE(shot.channel(12), nullptr);
        BUPacket packet;
        FrameBuilder::decode(
            packet, BUPacket::ShotSamples,
            samples(0, {{0x01000001, {10, 20, 30, 40}}, {0x11000002, {1, 2, 3, 4, 5, 6, 7, 8}}}));
        shot.appendShotSamples(packet);
        QCOMPARE(shot.channel(0)->samples(), QList<float>{1.0f});
        QCOMPARE(shot.channel(3)->samples(), QList<float>{4.0f});
        QCOMPARE(shot.channel(11)->samples().at(0), float(8 * shot.channel(11)->scale()));

        // The auxiliary block sets each channel's auxiliary value and nothing else.
        FrameBuilder::decode(packet, BUPacket::ShotSamples,
                             samples(0xFFFFFFFF, {{0x01000001, {50, 0, 0, 0}},
                                                  {0x11000002, {0, 0, 0, 0, 0, 0, 0, 0}}}));
        shot.appendShotSamples(packet);
        QCOMPARE(shot.channel(0)->sampleCount(), 1);
        QCOMPARE(shot.channel(0)->auxiliary(), 5.0f);
    }

    // A lost frame (or the rest of a shot on a new connection) must not move the samples
    // behind it to earlier times: the shot keeps what came before the gap.
    void keepsOnlyTheSamplesBeforeAGap()
    {
        ShotData shot;
        SystemConfig config;
        config.addModule(0x01000001);
        shot.configure(config);
        BUPacket packet;
        const auto feed = [&](quint32 index) {
            FrameBuilder::decode(packet, BUPacket::ShotSamples,
                                 samples(index, {{0x01000001, {qint16(index), 0, 0, 0}}}));
            shot.appendShotSamples(packet);
        };
        for (quint32 index : {0, 1, 3, 4, 2})
            feed(index);
        QCOMPARE(shot.channel(0)->samples(), (QList<float>{0.0f, 0.1f}));

        FrameBuilder::decode(packet, BUPacket::ShotStart, QByteArray(18, '\0'));
        shot.clear();
        shot.begin(packet);
        feed(0);
        QCOMPARE(shot.channel(0)->sampleCount(), 1);
    }

    void finishTakesTheUnitsResults_data()
    {
        QTest::addColumn<int>("firmware");
        QTest::newRow("current layout") << 0;
        QTest::newRow("legacy layout") << -1;
    }

    void finishTakesTheUnitsResults()
    {
        QFETCH(int, firmware);
        firmwareType = firmware;
        const bool legacy = firmware == -1;
        ShotData shot;
        SystemConfig config;
        config.addModule(0x01000001);
        shot.configure(config);
        BUPacket packet;
        FrameBuilder::decode(packet, BUPacket::ShotSamples,
                             samples(0, {{0x01000001, {3000, 0, 0, 0}}}));
        shot.appendShotSamples(packet);

        FrameBuilder::decode(
            packet, BUPacket::ShotResult, FrameBuilder::payload([&](QDataStream& s) {
                s << qint32(77) << quint8(26) << quint8(12) << quint8(6) << quint8(10) << quint8(11)
                  << quint8(12) << quint8(3) << quint8(0) << quint32(15000) << quint8(1)
                  << qint32(0x01000001);
                for (int c = 0; c < 4; ++c) {
                    if (legacy)
                        s << quint8(c == 2 ? 0x02 : 0);
                    else
                        s << quint16(c == 2 ? 0x0200 : 0);
                }
                for (int c = 0; c < 4; ++c) {
                    s << qint16(1200) << qint16(qint16(0x8000 | 500)) << qint16(300)
                      << qint32(0x12345) << qint32(70000) << quint32(1234);
                    if (!legacy)
                        s << qint32(-2500);
                }
            }));
        shot.finish(packet);
        QCOMPARE(shot.shotNumber(), 77);
        QCOMPARE(shot.shotTime(), QDateTime(QDate(2026, 12, 6), QTime(10, 11, 12, 300)));
        QCOMPARE(shot.elapsedSinceLastShot(), 15000u);
        ChannelShotData* channel = shot.channel(0);
        QCOMPARE(channel->peak(), 120.0f); // the unit's value, though a sample reached 300
        QCOMPARE(channel->valueAtPoint(), 50.0f);
        QCOMPARE(channel->peakOverEject(), 30.0f);
        QCOMPARE(channel->timeAtPeak(), 1.234f);
        QCOMPARE(channel->integral(), quint16(0x2345));
        QCOMPARE(channel->integralToPeak(), quint16(70000 & 0xFFFF));
        QCOMPARE(channel->slope(), legacy ? 0.0f : -2.5f);
        QCOMPARE(shot.channel(2)->resultFlags(), quint16(legacy ? 0x02 : 0x0200));
        QVERIFY(shot.isNG());

        // The next shot in this buffer starts without the old judgement, even for channels
        // its own result does not cover.
        FrameBuilder::decode(packet, BUPacket::ShotStart, QByteArray(18, '\0'));
        shot.begin(packet);
        QCOMPARE(shot.channel(2)->resultFlags(), quint16(0));
        QCOMPARE(shot.channel(0)->integral(), quint16(0));
        QVERIFY(!shot.isNG());
    }
};

CVO_TEST_MAIN_NO_GUI(TestShotData)
#include "tst_shotdata.moc"
