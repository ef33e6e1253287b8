#include "SystemConfig.h"
#include "TestMain.h"
#include "ZRBModuleConfig.h"

#include <QTest>

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

class TestSystemConfig : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultConfiguration()
    {
        const SystemConfig config;
        QCOMPARE(config.period(), quint8(10));
        QCOMPARE(config.samplingInterval(), quint8(1));
        QCOMPARE(config.alarmClearDelay(), quint8(40));
        QCOMPARE(config.startDelay(), quint8(10));
        QCOMPARE(config.flags(), quint16(0x01FF));
        QCOMPARE(config.moduleCount(), 0);
    }

    void equalityIgnoresNameAndModuleDetailsOutsideTheCommonPart()
    {
        const SystemConfig a = threeModules();
        SystemConfig b = a;
        b.setName(QStringLiteral("OTHER"));
        b.module(0)->setEnabled(false);
        b.module(1)->setIdentifier(0x11000099);
        static_cast<ZRBModuleConfig*>(b.module(2))->setSensorCodeIndex(0, 5);
        QVERIFY(a.equals(b));
        QVERIFY(!a.differs(b));
    }

    void equalityComparesSettingsModulesAndChannels()
    {
        const SystemConfig a = threeModules();

        SystemConfig b = a;
        b.setStartDelay(11);
        QVERIFY(a.differs(b));

        b = a;
        b.setWatch2OnOut3(true);
        QVERIFY(a.differs(b));

        b = a;
        b.module(1)->channel(5)->setTitle(QStringLiteral("x"));
        QVERIFY(a.differs(b));

        b = a;
        b.addModule(0x03000004);
        QVERIFY(a.differs(b));
    }

    void copiesAreDeepAndOwnTheirModules()
    {
        SystemConfig original = threeModules();
        SystemConfig copy(original);
        QCOMPARE(copy.moduleCount(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(copy.module(i)->parent(), &copy);
            QVERIFY(copy.module(i) != original.module(i));
            QVERIFY(copy.module(i)->equalsWithSpecific(*original.module(i)));
        }
        copy.module(0)->setTitle(QStringLiteral("changed"));
        QCOMPARE(original.module(0)->title(), QStringLiteral("MODULE 1"));

        SystemConfig assigned;
        assigned.addModule(0x03000009);
        assigned = original;
        QCOMPARE(assigned.moduleCount(), 3);
        QCOMPARE(assigned.module(2)->parent(), &assigned);
        QCOMPARE(assigned.module(2)->typeCode(), 2);

        const ModuleConfigBase* first = assigned.module(0);
        SystemConfig moved(std::move(assigned));
        QCOMPARE(moved.module(0), first);
        QCOMPARE(moved.module(0)->parent(), &moved);
    }

    void addModuleRefusesTwelfthModuleAndKindsWithoutClass()
    {
        SystemConfig config;
        QCOMPARE(config.addModule(0x04000001), -1);
        QCOMPARE(config.addModule(0x40000001), -1);
        QCOMPARE(config.addModule(0x05000001), -1);
        QCOMPARE(config.addModule(0), -1);
        for (int i = 0; i < 11; ++i)
            QCOMPARE(config.addModule(0x03000000U + quint32(i)), i);
        QCOMPARE(config.addModule(0x03000011), -1);
        QCOMPARE(config.moduleCount(), 11);
        QCOMPARE(config.module(10)->identifier(), 0x0300000AU);
        QCOMPARE(config.module(10)->title(), QStringLiteral("MODULE 11"));
        QCOMPARE(config.module(11), nullptr);
        QCOMPARE(config.module(-1), nullptr);
    }

    void locateChannelWalksModulesInOrder()
    {
        const SystemConfig config = threeModules();
        QCOMPARE(config.channelCount(), 16);
        QCOMPARE(config.locateChannel(0), (ChannelLocation{0, 0}));
        QCOMPARE(config.locateChannel(4), (ChannelLocation{1, 0}));
        QCOMPARE(config.locateChannel(11), (ChannelLocation{1, 7}));
        QCOMPARE(config.locateChannel(12), (ChannelLocation{2, 0}));
        QCOMPARE(config.locateChannel(16), (ChannelLocation{3, 0}));
        QCOMPARE(config.locateChannel(20), (ChannelLocation{3, 4}));

        QCOMPARE(config.globalChannelIndex(1, 7), 11);
        QCOMPARE(config.globalChannelIndex(2, 0), 12);
        QCOMPARE(config.globalChannelIndex(3, 0), 16);
    }

    void channelAtAndGlobalIndexOfAgree()
    {
        SystemConfig config = threeModules();
        for (int g = 0; g < config.channelCount(); ++g) {
            const ChannelConfig* channel = config.channelAt(g);
            QVERIFY(channel);
            QCOMPARE(config.globalIndexOf(channel), g);
        }
        QCOMPARE(config.channelAt(5), config.module(1)->channel(1));
        QCOMPARE(config.channelAt(16), nullptr);
        QCOMPARE(config.channelAt(-1), nullptr);

        const ChannelConfig stranger;
        QCOMPARE(config.globalIndexOf(&stranger), -1);
    }

    void moduleKindsAndIdentifiers()
    {
        SystemConfig pc = threeModules();
        SystemConfig unit;
        unit.addModule(0x010000A1);
        unit.addModule(0x110000A2);
        unit.addModule(0x020000A3);
        QVERIFY(pc.sameModuleKinds(unit));

        pc.copyModuleIdentifiers(unit);
        QCOMPARE(pc.module(0)->identifier(), 0x010000A1U);
        QCOMPARE(pc.module(1)->identifier(), 0x110000A2U);
        QCOMPARE(pc.module(2)->identifier(), 0x020000A3U);

        unit.addModule(0x030000A4);
        QVERIFY(!pc.sameModuleKinds(unit));

        SystemConfig swapped;
        swapped.addModule(0x01000001);
        swapped.addModule(0x02000002);
        swapped.addModule(0x11000003);
        QVERIFY(!pc.sameModuleKinds(swapped));
    }

    void flagSettersTouchOnlyTheirBit()
    {
        SystemConfig config;
        config.setFlags(0);
        config.setWatch2OnOut3(true);
        QCOMPARE(config.flags(), quint16(0x0400));
        config.setClearByTimer(true);
        QCOMPARE(config.flags(), quint16(0x0440));

        config.setFlags(0xFFFF);
        config.setStartEdgeDown(false);
        config.setConditionAnd(false);
        QCOMPARE(config.flags(), quint16(0xFEFE));
        QVERIFY(!config.startEdgeDown());
        QVERIFY(config.alarmImmediate());
    }

    void samplingIntervalIndexMapping()
    {
        SystemConfig config;
        const int values[] = {1, 5, 10, 20};
        for (int index = 0; index < 4; ++index) {
            config.setSamplingIntervalIndex(index);
            QCOMPARE(int(config.samplingInterval()), values[index]);
            QCOMPARE(config.samplingIntervalIndex(), index);
        }
        config.setSamplingIntervalIndex(7);
        QCOMPARE(config.samplingInterval(), quint8(10));
        config.setSamplingInterval(7);
        QCOMPARE(config.samplingIntervalIndex(), 2);
    }
};

CVO_TEST_MAIN_NO_GUI(TestSystemConfig)
#include "tst_systemconfig.moc"
