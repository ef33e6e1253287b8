#include "KRT24ModuleConfig.h"
#include "SensorCodeList.h"
#include "SystemConfig.h"
#include "TestMain.h"
#include "ZRBModuleConfig.h"
#include "ZRCModuleConfig.h"

#include <QTest>

#include <cmath>

namespace {

// Modules of 4, 8 and 4 channels.
SystemConfig threeModules()
{
    SystemConfig config;
    config.addModule(0x01000001);
    config.addModule(0x11000002);
    config.addModule(0x02000003);
    return config;
}

} // namespace

// The configuration as the editors and the plot change it, apart from its encodings.
class TestConfigModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The plot works in milliseconds and physical values, the unit in 10 ms and counts:
    // times from the plot truncate, values round half up, flags and methods stay. Plot
    // shapes order their corners, but not the point band.
    void plotItemsConvertToAndFromCounts()
    {
        QCOMPARE(GLZone(1500, 20.0f, 1000, 10.0f, true), GLZone(1000, 10.0f, 1500, 20.0f, true));
        QCOMPARE(GLRange(800, 200, false), GLRange(200, 800, false));
        QCOMPARE(GLTSec(3000, 20.0, 10.0, true).lower, 20.0);
        ChannelConfig channel;
        QCOMPARE(channel.glZone(ChannelConfig::EjectZone), GLZone(3000, 10.0f, 4000, 20.0f, true));
        QCOMPARE(channel.glPoint(), GLTSec(3000, 10.0, 20.0, true));
        QCOMPARE(channel.glPeakTime(), GLRange(1000, 2000, true));

        channel.setZone2(Zone{0, 0, 0, 0, true, true});
        channel.setZoneFromPlot(ChannelConfig::Zone2, GLZone(1004, 10.05f, 1509, 20.04f, false));
        QCOMPARE(channel.zone2(), (Zone{100, 150, 101, 200, true, true}));
        QCOMPARE(channel.zone1(), ChannelConfig().zone1());
        channel.setPeakTimeFromPlot(GLRange(999, 2009, false));
        QCOMPARE(channel.peakTime(), (TimeRange{99, 200, true}));
        channel.setPointFromPlot(GLTSec(3019, 0.04, 15.15, false));
        QCOMPARE(channel.point(), (TSec{301, 0, 152, true}));

        // Values outside the counts wrap or, without an integer value, read as zero.
        channel.setPointFromPlot(GLTSec(0, -0.1, std::nan(""), true));
        QCOMPARE(channel.point(), (TSec{0, 65535, 0, true}));
        channel.setPointFromPlot(GLTSec(0, 1e300, HUGE_VAL, true));
        QCOMPARE(channel.point(), (TSec{0, 0, 0, true}));
        const ChannelConfig before = channel;
        channel.setZoneFromPlot(7, GLZone(0, 0.0f, 0, 0.0f, false));
        QVERIFY(channel == before);
    }

    void applyToAllKeepsEachTargetsEnabledFlagAndTitles()
    {
        KRT24ModuleConfig krt;
        krt.setPseudoResister(true);
        krt.channel(2)->setEnabled(false);
        krt.channel(2)->setTitle(QStringLiteral("Cavity 3"));
        krt.channel(3)->setZone1(Zone{42, 43, 44, 45, false, true});
        krt.channel(3)->setWaveformEnabled(true);

        krt.applyChannelToAll(3);

        for (int ch = 0; ch < 8; ++ch) {
            QCOMPARE(krt.channel(ch)->zone1(), (Zone{42, 43, 44, 45, false, true}));
            QVERIFY(krt.channel(ch)->waveformEnabled());
            QCOMPARE(krt.channel(ch)->enabled(), ch != 2);
        }
        QCOMPARE(krt.channel(2)->title(), QStringLiteral("Cavity 3"));
        QCOMPARE(krt.channel(0)->displayTitle(), QStringLiteral("MOD-1 CH-1"));
        QCOMPARE(krt.channel(7)->displayTitle(), QStringLiteral("<Pseudo-resister>"));
    }

    void copiesAreDeepAndOwnTheirModules()
    {
        SystemConfig original = threeModules();
        static_cast<ZRBModuleConfig*>(original.module(2))->setAlertUpper(80);
        SystemConfig assigned;
        assigned.addModule(0x03000009);
        assigned = original;
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(assigned.module(i)->parent(), &assigned);
            QVERIFY(assigned.module(i)->equalsWithSpecific(*original.module(i)));
            QCOMPARE(assigned.module(i)->channel(0)->module(), assigned.module(i));
        }
        assigned.module(0)->channel(0)->setTitle(QStringLiteral("changed"));
        QCOMPARE(original.module(0)->channel(0)->title(), QStringLiteral("MOD-1 CH-1"));
        const SystemConfig moved(std::move(assigned));
        QCOMPARE(moved.module(0)->parent(), &moved);
    }

    void addModuleTakesElevenModulesOfKnownKinds()
    {
        SystemConfig config;
        for (quint32 code : {0x04000001U, 0x40000001U, 0x05000001U, 0U})
            QCOMPARE(config.addModule(code), -1);
        for (int i = 0; i < 11; ++i)
            QCOMPARE(config.addModule(0x03000000U + quint32(i)), i);
        QCOMPARE(config.addModule(0x03000011), -1);
        QCOMPARE(config.moduleCount(), 11);
        QCOMPARE(config.module(10)->identifier(), 0x0300000AU);
        QCOMPARE(config.module(10)->title(), QStringLiteral("MODULE 11"));
        QCOMPARE(config.module(10)->channel(3)->title(), QStringLiteral("MOD-11 CH-4"));
    }

    void channelsAreNumberedAcrossTheModulesInOrder()
    {
        SystemConfig config = threeModules();
        QCOMPARE(config.channelCount(), 16);
        QCOMPARE(config.locateChannel(11), (ChannelLocation{1, 7}));
        QCOMPARE(config.locateChannel(12), (ChannelLocation{2, 0}));
        QCOMPARE(config.locateChannel(20), (ChannelLocation{3, 4}));
        QCOMPARE(config.globalChannelIndex(2, 0), 12);
        QCOMPARE(config.globalChannelIndex(3, 0), 16);
        for (int g = 0; g < config.channelCount(); ++g)
            QCOMPARE(config.globalIndexOf(config.channelAt(g)), g);
        QCOMPARE(config.channelAt(5), config.module(1)->channel(1));
        QCOMPARE(config.channelAt(16), nullptr);
        QCOMPARE(config.channelAt(-1), nullptr);
    }

    // The positions of the flag bits and the sampling intervals are the unit's.
    void flagsAndSamplingIntervalsHaveTheUnitsValues()
    {
        SystemConfig config;
        config.setFlags(0);
        config.setWatch2OnOut3(true);
        config.setClearByTimer(true);
        config.setClearEdgeDown(true);
        QCOMPARE(config.flags(), quint16(0x0442));
        config.setFlags(0xFFFF);
        config.setStartEdgeDown(false);
        config.setConditionAnd(false);
        config.setWatch1OnOut3(false);
        QCOMPARE(config.flags(), quint16(0xFCFE));

        for (int index : {0, 1, 2, 3}) {
            config.setSamplingIntervalIndex(index);
            QCOMPARE(int(config.samplingInterval()), QList<int>({1, 5, 10, 20}).at(index));
            QCOMPARE(config.samplingIntervalIndex(), index);
        }
    }

    // The editors address a code by its place in the kind's list.
    void sensorCodesAreAddressedByTheirPlaceInTheList()
    {
        ZRBModuleConfig zrb;
        ZRCModuleConfig zrc;
        QCOMPARE(zrb.sensorCodeIndex(0), 99); // ED
        zrb.setSensorCodeIndex(1, 8);
        zrb.setSensorCodeIndex(1, 200); // beyond the list: ignored
        QCOMPARE(SensorCodeList::text(zrb.sensorCode(1)), QStringLiteral("AJ")); // no AI
        zrc.setSensorCodeIndex(3, 225);
        QCOMPARE(SensorCodeList::text(zrc.sensorCode(3)), QStringLiteral("ZZ"));
        zrc.setSensorCodeIndex(3, 8);
        QCOMPARE(SensorCodeList::text(zrc.sensorCode(3)), QStringLiteral("BI"));
    }
};

CVO_TEST_MAIN_NO_GUI(TestConfigModel)
#include "tst_configmodel.moc"
