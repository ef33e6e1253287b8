#include "FirmwareInfo.h"
#include "KRT24ModuleConfig.h"
#include "SensorCodeList.h"
#include "SystemConfig.h"
#include "TestMain.h"
#include "ZRAModuleConfig.h"
#include "ZRBModuleConfig.h"
#include "ZRCModuleConfig.h"

#include <QDataStream>
#include <QTest>

using Layout = WireFormat::ChannelLayout;
Q_DECLARE_METATYPE(Layout)

namespace {

struct FirmwareGuard
{
    // Type 0 is current firmware; types above 2 are older firmware with the legacy layout.
    explicit FirmwareGuard(Layout layout) { firmwareType = layout == Layout::Current ? 0 : 3; }
    ~FirmwareGuard() { firmwareType = -1; }
};

template <typename T, typename... Layout> QByteArray written(const T& config, Layout... layout)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    config.writeTo(stream, layout...);
    return bytes;
}

// A unit reply carries an access byte in front of the block.
QByteArray asReply(const QByteArray& block)
{
    return QByteArray(1, '\0') + block;
}

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// Every value distinct (base + 0x101, 0x102, ... in the order of the record), so that two
// fields swapped in a record show. Bit i of `flags` switches on the item that the unit's
// flags word keeps in bit i.
void setDistinct(ChannelConfig& c, quint16 flags, quint16 base = 0x1000)
{
    const auto on = [flags](int bit) { return ((flags >> bit) & 1) != 0; };
    const auto v = [base](int field) { return quint16(base + field); };
    c.setEnabled(on(0));
    c.setZone1(Zone{v(0x101), v(0x102), v(0x104), v(0x103), on(1), on(7)});
    c.setZone2(Zone{v(0x201), v(0x202), v(0x204), v(0x203), on(2), on(8)});
    c.setIntegral(ValueRange{v(0x302), v(0x301), on(3)});
    c.setPeakIntegral(ValueRange{v(0x402), v(0x401), on(6)});
    c.setPeakTime(TimeRange{v(0x501), v(0x502), on(5)});
    c.setPoint(TSec{v(0x601), v(0x603), v(0x602), on(4)});
    c.setWaveformEnabled(on(9));
    c.setEject(Zone{v(0x701), v(0x702), v(0x704), v(0x703), on(11), false});
    c.setSlope(Slope{v(0x801), v(0x802), -qint32(v(0x804)), qint32(v(0x803)), on(12)});
}

// Every channel distinct; titles empty, of sixteen characters and short. Any two flag
// bits differ in at least one of the first four channels. Sensor sizes whose counts
// would not survive a careless conversion (655.35 mm, 12.3456 mm²).
void customise(ModuleConfigBase& module)
{
    const quint16 flags[] = {0x0AAA, 0x08CC, 0x10F0, 0x1B00};
    module.setTitle(QStringLiteral("Sixteen chars ok"));
    for (int ch = 0; ch < module.channelCount(); ++ch) {
        ChannelConfig* channel = module.channel(ch);
        setDistinct(*channel, quint16(flags[ch % 4] ^ (ch / 4 ? 0x1BFF : 0)),
                    quint16(0x1000 * (ch + 1)));
        channel->setTitle(ch == 0 ? QString() : QStringLiteral("0123456789ABCDEF").left(4 * ch));
        module.setSensorCodeIndex(ch, ch == 3 ? 199 : 60 * ch); // kinds with sensor codes
    }
    if (auto* zrb = dynamic_cast<ZRBModuleConfig*>(&module)) {
        zrb->setZrbFlags(0xFF);
        zrb->setCompensationTemperature(255);
        zrb->setAlertUpper(254);
        zrb->setAlertLower(1);
    }
    if (auto* krt = dynamic_cast<KRT24ModuleConfig*>(&module)) {
        krt->setSensor(7, PressureSensorParams{2, 15, 'Z', 9999, 655.35f, 2.25f, 0.5f, 12.3456});
        krt->setPseudoResister(true); // D/A output stays on
    }
}

} // namespace

class TestConfigWire : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void channelRecordHoldsEveryFieldInItsPlace_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("current") << Layout::Current
                                 << hex("1BFF 1101 1102 1103 1104 1201 1202 1203 1204"
                                        " 1301 1302 1401 1402 1501 1502 1601 1602 1603"
                                        " 1701 1702 1703 1704 1801 1802 00001803 FFFFE7FC"
                                        " 30313233343536373839414243444546");
        // Older firmware: no eject or slope bits, eject times only.
        QTest::newRow("legacy") << Layout::Legacy
                                << hex("03FF 1101 1102 1103 1104 1201 1202 1203 1204"
                                       " 1301 1302 1401 1402 1501 1502 1601 1602 1603"
                                       " 1701 1702 30313233343536373839414243444546");
    }

    void channelRecordHoldsEveryFieldInItsPlace()
    {
        QFETCH(Layout, layout);
        ChannelConfig channel;
        setDistinct(channel, 0x1BFF);
        channel.setTitle(QStringLiteral("0123456789ABCDEFG"));
        QTEST(written(channel, layout), "expected");
        QCOMPARE(written(channel, layout).size(), WireFormat::channelRecordSize(layout));

        // Each flag on its own; that the reader takes each bit back into its own item,
        // the round trip below shows.
        for (int bit : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12}) {
            setDistinct(channel, quint16(1u << bit));
            const QByteArray flags = written(channel, layout).left(2);
            QCOMPARE(flags.toHex(), layout == Layout::Legacy && bit > 10
                                        ? QByteArray("0000")
                                        : QByteArray::number(1u << bit, 16).rightJustified(4, '0'));
        }
    }

    void moduleBlocksCarryTheirKindsParameters()
    {
        FirmwareGuard firmware(Layout::Current);
        ZRCModuleConfig zrc;
        zrc.setIdentifier(0x01020304);
        zrc.setTitle(QStringLiteral("MODULE 1"));
        ZRBModuleConfig zrb;
        for (int ch = 0; ch < 4; ++ch) {
            zrc.setSensorCode(ch, SensorCodeList::code('A' + 2 * ch, 'B' + 2 * ch));
            zrb.setSensorCode(ch, SensorCodeList::code('J', 'A' + ch));
        }
        QCOMPARE(written(zrc).left(20), hex("01020304 4D4F44554C452031 0000000000000000"));
        QCOMPARE(written(zrc).right(40), hex("4142 4344 4546 4748").append(QByteArray(32, '\0')));

        zrb.setZrbFlags(0x81);
        zrb.setCompensationTemperature(55);
        zrb.setAlertUpper(99);
        zrb.setAlertLower(12);
        QCOMPARE(written(zrb).right(40),
                 hex("4A41 4A42 4A43 4A44 81 37 63 0C").append(QByteArray(28, '\0')));

        // Sensor dimensions travel in hundredths of a millimetre, the area in ten
        // thousandths of a square millimetre.
        KRT24ModuleConfig krt;
        krt.setSensor(0, PressureSensorParams{1, 4, 'C', 1234, 1.234f, 2.5f, 0.5f, 3.14159});
        krt.setDaOutputDisabled(true);
        QCOMPARE(written(krt).right(132).left(16), hex("14 43 0000 04D2 007B 00FA 0032 00007AB7"));
        QCOMPARE(written(krt).right(4), hex("00 01 0000"));
    }

    void everyModuleKindSurvivesTheRoundTrip_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<quint32>("identifier");
        QTest::addColumn<int>("size");
        const QList<QPair<quint32, int>> kinds = {
            {0x01000A01U, 4}, {0x02FF0B02U, 4}, {0x03000C03U, 4}, {0x11FFFFFFU, 8}};
        for (const auto& [id, channels] : kinds) {
            const int specific = channels == 8 ? 132 : 40;
            QTest::addRow("current %08x", id)
                << Layout::Current << id << 20 + channels * 72 + specific;
            QTest::addRow("legacy %08x", id)
                << Layout::Legacy << id << 20 + channels * 56 + specific;
        }
    }

    void everyModuleKindSurvivesTheRoundTrip()
    {
        QFETCH(Layout, layout);
        QFETCH(quint32, identifier);
        FirmwareGuard firmware(layout);
        SystemConfig source;
        source.addModule(identifier);
        ModuleConfigBase* module = source.module(0);
        customise(*module);
        const QByteArray block = written(*module);
        QTEST(int(block.size()), "size");
        if (layout == Layout::Legacy) {
            // What older firmware cannot carry comes back disabled and zero.
            for (int ch = 0; ch < module->channelCount(); ++ch) {
                const Zone eject = module->channel(ch)->eject();
                module->channel(ch)->setEject(Zone{eject.start, eject.end, 0, 0, false, false});
                module->channel(ch)->setSlope(Slope{0, 0, 0, 0, false});
            }
        }

        SystemConfig holder;
        holder.addModule(identifier);
        ModuleConfigBase* copy = holder.module(0);
        QVERIFY(copy->readFromUnit(asReply(block)));
        QVERIFY(copy->equalsWithSpecific(*module));
    }

    void replyOfAnotherKindOrCutShortIsRefused()
    {
        FirmwareGuard firmware(Layout::Current);
        ZRBModuleConfig source;
        source.setIdentifier(0x02000001);
        customise(source);
        const QByteArray full = asReply(written(source));
        const int needed = 1 + 4 + 16 + 4 * 72 + 12; // the unit's ZRB part is 12 bytes

        ZRBModuleConfig exact;
        QVERIFY(exact.readFromUnit(full.left(needed)));
        QVERIFY(exact.equalsWithSpecific(source));
        // Short by one: applied with the missing field as zero, and refused.
        ZRBModuleConfig shortByOne;
        QVERIFY(!shortByOne.readFromUnit(full.left(needed - 1)));
        QVERIFY(shortByOne.equals(source));
        QCOMPARE(shortByOne.alertLower(), quint8(0));

        ZRCModuleConfig other;
        const std::unique_ptr<ModuleConfigBase> before = other.clone();
        QVERIFY(!other.readFromUnit(full));
        QVERIFY(!other.readFromUnit(QByteArray()));
        QVERIFY(other.equalsWithSpecific(*before));

        // Long enough to pass the packet's length check, too short for eight records.
        KRT24ModuleConfig krt;
        QVERIFY(!krt.readFromUnit(asReply(hex("11000001")).append(QByteArray(441 - 5, '\x11'))));
        QCOMPARE(krt.sensor(7).distortion, quint16(0));
    }

    void systemBlockCountsEnabledModulesButListsAll()
    {
        SystemConfig config;
        config.setPeriod(120);
        config.setSamplingInterval(20);
        config.setAlarmClearDelay(40);
        config.setStartDelay(11);
        config.setFlags(0x0482);
        config.setName(QStringLiteral("ABCDEFGHIJKLMNOPQRS"));
        config.addModule(0x01000001);
        config.addModule(0x02000002);
        config.addModule(0x11000003);
        config.module(1)->setEnabled(false);

        QCOMPARE(written(config), hex("78 14 28 0B 0482"
                                      " 4142434445464748494A4B4C4D4E4F50"
                                      " 02"
                                      " 01000001 01"
                                      " 02000002 00"
                                      " 11000003 01"));
    }

    void systemPayloadBuildsModulesFromItsEntries()
    {
        // No module for a zero identifier or a kind without a class; only 1 means enabled.
        const QByteArray payload = hex("00 78 14 FF 00 FFFF 30313233343536373839414243444546"
                                       " 06 11000001 01 00000000 01 04000002 01"
                                       " 02000003 00 40000004 01 03000005 02");
        bool complete = false;
        const SystemConfig config = SystemConfig::fromUnitPayload(payload, &complete);
        QVERIFY(complete);
        QCOMPARE(written(config), hex("78 14 FF 00 FFFF 30313233343536373839414243444546"
                                      " 01 11000001 01 02000003 00 03000005 00"));
        QCOMPARE(config.module(2)->parent(), &config);

        // Three entries announced, two and a half present.
        const QByteArray cut = hex("00 0A 01 28 0B 01FF 4E4E4E4E4E4E4E4E4E4E4E4E4E4E4E4E"
                                   " 03 01000001 01 02000002 01 110000");
        QCOMPARE(SystemConfig::fromUnitPayload(cut, &complete).moduleCount(), 2);
        QVERIFY(!complete);
        QCOMPARE(SystemConfig::fromUnitPayload(cut.left(9)).name(), QStringLiteral("NN"));

        QByteArray tooMany = cut.left(23).append(char(12));
        for (int i = 0; i < 12; ++i)
            tooMany.append(hex("0100000001"));
        QCOMPARE(SystemConfig::fromUnitPayload(tooMany).moduleCount(), 11);
    }
};

CVO_TEST_MAIN_NO_GUI(TestConfigWire)
#include "tst_configwire.moc"
