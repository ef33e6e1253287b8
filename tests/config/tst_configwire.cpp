#include "FirmwareInfo.h"
#include "KRT24ModuleConfig.h"
#include "SystemConfig.h"
#include "TestMain.h"
#include "ZRAModuleConfig.h"
#include "ZRBModuleConfig.h"
#include "ZRCModuleConfig.h"

#include <QDataStream>
#include <QTest>

#include <limits>

namespace {

constexpr int CurrentFirmware = 0;
constexpr int LegacyFirmware = -1; // an unknown type takes the legacy layout

struct FirmwareGuard
{
    explicit FirmwareGuard(int type) { firmwareType = type; }
    ~FirmwareGuard() { firmwareType = -1; }
};

template <typename T> QByteArray written(const T& config)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    config.writeTo(stream);
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

// Default channel "MOD-1 CH-1" in the current layout.
const char* const defaultRecordCurrent = "187F"
                                         " 0064 0096 00C8 0064"
                                         " 0064 0096 00C8 0064"
                                         " 00C8 0064"
                                         " 00C8 0064"
                                         " 0064 00C8"
                                         " 012C 00C8 0064"
                                         " 012C 0190 00C8 0064"
                                         " 0096 00C8 000003E8 FFFFFC18"
                                         " 4D4F442D312043482D31 000000000000";

// The same channel for older firmware: no eject or slope bits, eject times only.
const char* const defaultRecordLegacy = "007F"
                                        " 0064 0096 00C8 0064"
                                        " 0064 0096 00C8 0064"
                                        " 00C8 0064"
                                        " 00C8 0064"
                                        " 0064 00C8"
                                        " 012C 00C8 0064"
                                        " 012C 0190"
                                        " 4D4F442D312043482D31 000000000000";

// Every field away from its default, with the extremes of each wire type.
void customise(ChannelConfig& channel, int index)
{
    channel.setEnabled(index % 2 == 0);
    channel.setWaveformEnabled(index % 2 == 1);
    channel.setZone1(Zone{65535, 0, 1, 65534, false, true});
    channel.setZone2(Zone{1, 2, 3, 4, true, true});
    channel.setEject(Zone{500, 65535, 7, 65535, index % 2 == 0, false});
    channel.setPoint(TSec{65535, 0, 65535, false});
    channel.setPeakTime(TimeRange{0, 65535, false});
    channel.setIntegral(ValueRange{12000, 65535, false});
    channel.setPeakIntegral(ValueRange{0, 1, true});
    channel.setSlope(Slope{65535, 1, std::numeric_limits<qint32>::min(),
                           std::numeric_limits<qint32>::max(), index % 2 == 1});
    if (index == 0)
        channel.setTitle(QString());
    else if (index == 1)
        channel.setTitle(QStringLiteral("0123456789ABCDEF"));
    else
        channel.setTitle(QStringLiteral("Cavity %1").arg(index));
}

void customise(ModuleConfigBase& module)
{
    module.setTitle(QStringLiteral("Sixteen chars ok"));
    for (int ch = 0; ch < module.channelCount(); ++ch) {
        customise(*module.channel(ch), ch);
        module.setSensorCodeIndex(ch, ch == 3 ? 199 : 60 * ch); // kinds with sensor codes
    }
}

void customiseSpecific(ZRBModuleConfig& zrb)
{
    zrb.setZrbFlags(0xFF);
    zrb.setCompensationTemperature(255);
    zrb.setAlertUpper(255);
    zrb.setAlertLower(1);
}

void customiseSpecific(KRT24ModuleConfig& krt)
{
    for (int ch = 0; ch < 8; ++ch) {
        PressureSensorParams params;
        params.pinType = ch % 3;
        params.rating = quint8(ch == 7 ? 15 : ch);
        params.factor = char('A' + ch);
        params.distortion = quint16(ch == 7 ? 9999 : 1000 * ch);
        params.radius = ch == 7 ? 655.35f : 0.5f;
        params.width = 2.25f;
        params.height = 0.0f;
        params.area = ch == 7 ? 12.3456 : 0.0001;
        krt.setSensor(ch, params);
    }
    krt.setPseudoResister(true);
    krt.setDaOutputDisabled(true);
}

} // namespace

class TestConfigWire : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void systemBlockCountsEnabledModulesButListsAll()
    {
        SystemConfig config;
        config.setName(QStringLiteral("MOLD-A"));
        config.addModule(0x01000001);
        config.addModule(0x02000002);
        config.addModule(0x11000003);
        config.module(1)->setEnabled(false);

        QCOMPARE(written(config), hex("0A 01 28 0A 01FF"
                                      " 4D4F4C442D41 00000000000000000000"
                                      " 02"
                                      " 01000001 01"
                                      " 02000002 00"
                                      " 11000003 01"));

        config.setName(QStringLiteral("ABCDEFGHIJKLMNOPQRS"));
        QCOMPARE(written(config).mid(6, 17), QByteArray("ABCDEFGHIJKLMNOP\x02", 17));
    }

    void defaultChannelRecordInCurrentLayout()
    {
        FirmwareGuard firmware(CurrentFirmware);
        const ZRCModuleConfig zrc;
        const QByteArray block = written(zrc);
        QCOMPARE(block.size(), 4 + 16 + 4 * 72 + 40);
        QCOMPARE(block.left(20), hex("00000000 4D4F44554C452031 0000000000000000"));
        QCOMPARE(block.mid(20, 72), hex(defaultRecordCurrent));
        QCOMPARE(block.mid(20 + 48, 8), hex("000003E8 FFFFFC18")); // slope upper, then lower
    }

    void legacyLayoutDropsEjectLimitsAndSlope()
    {
        FirmwareGuard firmware(LegacyFirmware);
        QVERIFY(firmwareUsesLegacyLayout());
        const ZRCModuleConfig zrc;
        const QByteArray block = written(zrc);
        QCOMPARE(block.size(), 4 + 16 + 4 * 56 + 40);
        QCOMPARE(block.mid(20, 56), hex(defaultRecordLegacy));

        firmwareType = 3;
        QCOMPARE(written(zrc), block);
    }

    void moduleSpecificBlocksAsWritten()
    {
        FirmwareGuard firmware(CurrentFirmware);
        const ZRAModuleConfig zra;
        QCOMPARE(written(zra).right(40), QByteArray(40, '\0'));

        ZRBModuleConfig zrb;
        zrb.setZrbFlags(0x81);
        QCOMPARE(written(zrb).right(40),
                 hex("4544 4544 4544 4544 81 64 4B 00").append(QByteArray(28, '\0')));

        ZRCModuleConfig zrc;
        zrc.setSensorCodeIndex(2, 225);
        QCOMPARE(written(zrc).right(40), hex("4541 4541 5A5A 4541").append(QByteArray(32, '\0')));

        KRT24ModuleConfig krt;
        krt.setDaOutputDisabled(true);
        const QByteArray block = written(krt);
        QCOMPARE(block.size(), 4 + 16 + 8 * 72 + 132);
        QCOMPARE(block.right(132).left(16), hex("02 41 0000 0FA0 0064 0064 0064 00002710"));
        QCOMPARE(block.right(4), hex("00 01 0000"));
    }

    void pressureSensorDimensionsTravelInHundredths()
    {
        FirmwareGuard firmware(CurrentFirmware);
        KRT24ModuleConfig krt;
        krt.setIdentifier(0x11000001);
        PressureSensorParams params;
        params.pinType = 1;
        params.rating = 4;
        params.radius = 1.234f;
        params.width = 2.5f;
        params.area = 3.14159;
        krt.setSensor(0, params);

        const QByteArray record = written(krt).right(132).left(16);
        QCOMPARE(record, hex("14 41 0000 0FA0 007B 00FA 0064 00007AB7"));

        KRT24ModuleConfig target;
        QVERIFY(target.readFromUnit(asReply(written(krt))));
        QCOMPARE(target.sensor(0).radius, 1.23f);
        QCOMPARE(target.sensor(0).width, 2.5f);
        QCOMPARE(target.sensor(0).area, 3.1415);
        QCOMPARE(target.sensor(0).pinType, 1);
        QCOMPARE(int(target.sensor(0).rating), 4);
    }

    void sensorSizesFromTheUnitAreSentBackUnchanged()
    {
        // Whatever the unit reports must be written back as the same counts, or every
        // read-and-send cycle would shrink the sensor.
        for (quint32 count = 0; count <= 65535; ++count) {
            const quint32 areaCount = count * 61 + 7;
            QByteArray reply;
            QDataStream fill(&reply, QIODevice::WriteOnly);
            fill << quint8(0x02) << quint8('A') << quint16(0) << quint16(4000) << quint16(count)
                 << quint16(0) << quint16(0) << areaCount;

            QDataStream in(reply);
            PressureSensorParams params;
            params.readFrom(in);
            QByteArray sent;
            QDataStream out(&sent, QIODevice::WriteOnly);
            params.writeTo(out);
            if (sent.mid(6, 2) != reply.mid(6, 2) || sent.mid(12, 4) != reply.mid(12, 4))
                QFAIL(
                    qPrintable(QStringLiteral("counts %1 / %2 changed").arg(count).arg(areaCount)));
        }
    }

    void fullModulesSurviveTheRoundTrip_data()
    {
        QTest::addColumn<int>("firmware");
        QTest::addColumn<quint32>("identifier");
        for (const quint32 id : {0x01000A01U, 0x02FF0B02U, 0x03000C03U, 0x11FFFFFFU}) {
            QTest::addRow("current %08x", id) << CurrentFirmware << id;
            QTest::addRow("legacy %08x", id) << LegacyFirmware << id;
        }
    }

    void fullModulesSurviveTheRoundTrip()
    {
        QFETCH(int, firmware);
        QFETCH(quint32, identifier);
        FirmwareGuard guard(firmware);
        const bool legacy = firmwareUsesLegacyLayout();

        SystemConfig source;
        source.addModule(identifier);
        ModuleConfigBase* module = source.module(0);
        customise(*module);
        if (auto* zrb = dynamic_cast<ZRBModuleConfig*>(module))
            customiseSpecific(*zrb);
        if (auto* krt = dynamic_cast<KRT24ModuleConfig*>(module))
            customiseSpecific(*krt);
        const QByteArray reply = asReply(written(*module));
        if (legacy) {
            // What older firmware cannot carry comes back disabled and zero.
            for (int ch = 0; ch < module->channelCount(); ++ch) {
                ChannelConfig* channel = module->channel(ch);
                const Zone eject = channel->eject();
                channel->setEject(Zone{eject.start, eject.end, 0, 0, false, false});
                channel->setSlope(Slope{0, 0, 0, 0, false});
            }
        }

        SystemConfig holder;
        holder.addModule(identifier);
        ModuleConfigBase* copy = holder.module(0);
        QVERIFY(copy->readFromUnit(reply));
        QVERIFY(copy->equalsWithSpecific(*module));
        for (int ch = 0; ch < module->channelCount(); ++ch)
            QCOMPARE(copy->channel(ch)->displayTitle(), module->channel(ch)->displayTitle());
    }

    void longTitlesComeBackCutAndEjectMethodAsPeak()
    {
        FirmwareGuard firmware(CurrentFirmware);
        ZRAModuleConfig source;
        source.setIdentifier(0x03000001);
        source.setTitle(QStringLiteral("A module title longer than sixteen"));
        source.channel(1)->setTitle(QStringLiteral("0123456789ABCDEFG"));
        Zone eject = source.channel(1)->eject();
        eject.methodArea = true;
        source.channel(1)->setEject(eject);

        ZRAModuleConfig target;
        QVERIFY(target.readFromUnit(asReply(written(source))));
        QCOMPARE(target.title(), QStringLiteral("A module title l"));
        QCOMPARE(target.channel(1)->title(), QStringLiteral("0123456789ABCDEF"));
        QCOMPARE(target.channel(1)->eject().methodArea, false);
        // Scales belong to the module kind and do not travel.
        QCOMPARE(target.channel(3)->unitCode(), 3U);
    }

    void replyOfAnotherKindLeavesTheModuleUnchanged()
    {
        FirmwareGuard firmware(CurrentFirmware);
        ZRCModuleConfig zrc;
        zrc.setIdentifier(0x01000001);
        customise(zrc);

        ZRBModuleConfig target;
        const std::unique_ptr<ModuleConfigBase> before = target.clone();
        QVERIFY(!target.readFromUnit(asReply(written(zrc))));
        QVERIFY(target.equalsWithSpecific(*before));

        QVERIFY(!target.readFromUnit(QByteArray()));
        QVERIFY(!target.readFromUnit(QByteArray(1, '\0')));
        QVERIFY(target.equalsWithSpecific(*before));
    }

    void shortModuleReplyReadsMissingFieldsAsZero()
    {
        FirmwareGuard firmware(CurrentFirmware);
        ZRBModuleConfig source;
        source.setIdentifier(0x02000001);
        customise(source);
        customiseSpecific(source);
        const QByteArray full = asReply(written(source));
        const int needed = 1 + 4 + 16 + 4 * 72 + 12; // the unit's ZRB part is 12 bytes

        ZRBModuleConfig exact;
        QVERIFY(exact.readFromUnit(full.left(needed)));
        QVERIFY(exact.equalsWithSpecific(source));

        ZRBModuleConfig shortByOne;
        QVERIFY(!shortByOne.readFromUnit(full.left(needed - 1)));
        QVERIFY(shortByOne.equals(source));
        QCOMPARE(shortByOne.alertUpper(), quint8(255));
        QCOMPARE(shortByOne.alertLower(), quint8(0));

        ZRBModuleConfig titleOnly;
        // Cut inside the first record, just before zone1's lower limit.
        QVERIFY(!titleOnly.readFromUnit(full.left(21 + 8)));
        QCOMPARE(titleOnly.title(), QStringLiteral("Sixteen chars ok"));
        QCOMPARE(titleOnly.channel(0)->zone1(), (Zone{65535, 0, 0, 65534, false, true}));
        QCOMPARE(titleOnly.channel(3)->enabled(), false);
        QCOMPARE(titleOnly.channel(3)->title(), QString());
        QCOMPARE(titleOnly.sensorCode(0), quint16(0));
    }

    void eightChannelIdentifierWithFourChannelReplyIsShort()
    {
        FirmwareGuard firmware(CurrentFirmware);
        // Long enough to pass the packet's length check, too short for eight records.
        QByteArray reply = asReply(hex("11000001")).append(QByteArray(441 - 5, '\x11'));
        KRT24ModuleConfig target;
        QVERIFY(!target.readFromUnit(reply));
        QCOMPARE(target.sensor(7).distortion, quint16(0));
    }

    void systemPayloadBuildsModulesFromItsEntries()
    {
        const QByteArray payload = hex("00 78 14 FF 00 FFFF"
                                       " 30313233343536373839414243444546"
                                       " 06"
                                       " 11000001 01"
                                       " 00000000 01"
                                       " 04000002 01"
                                       " 02000003 00"
                                       " 40000004 01"
                                       " 03000005 02");
        bool complete = false;
        const SystemConfig config = SystemConfig::fromUnitPayload(payload, &complete);
        QVERIFY(complete);
        QCOMPARE(config.period(), quint8(120));
        QCOMPARE(config.samplingInterval(), quint8(20));
        QCOMPARE(config.alarmClearDelay(), quint8(255));
        QCOMPARE(config.startDelay(), quint8(0));
        QCOMPARE(config.flags(), quint16(0xFFFF));
        QCOMPARE(config.name(), QStringLiteral("0123456789ABCDEF"));
        QCOMPARE(config.moduleCount(), 3);
        QCOMPARE(config.module(0)->identifier(), 0x11000001U);
        QCOMPARE(config.module(0)->enabled(), true);
        QCOMPARE(config.module(1)->typeCode(), 2);
        QCOMPARE(config.module(1)->enabled(), false);
        QCOMPARE(config.module(2)->typeCode(), 3);
        QCOMPARE(config.module(2)->enabled(), false); // only 1 means enabled
        QCOMPARE(config.module(2)->parent(), &config);
        QCOMPARE(config.module(2)->title(), QStringLiteral("MODULE 3"));
    }

    void systemPayloadKeepsAtMostElevenModules()
    {
        QByteArray payload = hex("00 0A 01 28 0A 01FF").append(QByteArray(16, '\0'));
        payload.append(char(12));
        for (int i = 0; i < 12; ++i)
            payload.append(hex("0100000001"));
        SystemConfig config;
        QVERIFY(config.readFromUnit(payload));
        QCOMPARE(config.moduleCount(), 11);
    }

    void systemBlockRoundTrip()
    {
        SystemConfig source;
        source.setPeriod(1);
        source.setSamplingIntervalIndex(1);
        source.setAlarmClearDelay(0);
        source.setStartDelay(255);
        source.setFlags(0x8001);
        source.setName(QString());
        source.addModule(0x03000001);
        source.addModule(0x11000002);

        SystemConfig target;
        target.addModule(0x01000009);
        QVERIFY(target.readFromUnit(QByteArray(1, '\x01') + written(source)));
        QVERIFY(target.equals(source));
        QVERIFY(target.name().isEmpty());
        QCOMPARE(target.module(1)->identifier(), 0x11000002U);
    }

    void shortSystemPayloadKeepsWhatArrived()
    {
        // Three entries announced, two and a half present.
        const QByteArray payload = hex("00 0A 01 28 0A 01FF")
                                       .append(QByteArray(16, 'N'))
                                       .append(hex("03 01000001 01 02000002 01 110000"));
        bool complete = true;
        const SystemConfig config = SystemConfig::fromUnitPayload(payload, &complete);
        QVERIFY(!complete);
        QCOMPARE(config.name(), QStringLiteral("NNNNNNNNNNNNNNNN"));
        QCOMPARE(config.moduleCount(), 2);

        const SystemConfig empty = SystemConfig::fromUnitPayload(QByteArray(), &complete);
        QVERIFY(!complete);
        QCOMPARE(empty.period(), quint8(0));
        QCOMPARE(empty.flags(), quint16(0));
        QCOMPARE(empty.moduleCount(), 0);

        const SystemConfig cutName =
            SystemConfig::fromUnitPayload(hex("00 0A 01 28 0A 01FF 4142"), &complete);
        QVERIFY(!complete);
        QCOMPARE(cutName.name(), QStringLiteral("AB"));
    }
};

CVO_TEST_MAIN_NO_GUI(TestConfigWire)
#include "tst_configwire.moc"
