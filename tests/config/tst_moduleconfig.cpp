#include "KRT24ModuleConfig.h"
#include "SensorCodeList.h"
#include "SystemConfig.h"
#include "TestMain.h"
#include "ZRAModuleConfig.h"
#include "ZRBModuleConfig.h"
#include "ZRCModuleConfig.h"

#include <QTest>

namespace {

QString codeText(quint16 code)
{
    return SensorCodeList::text(code);
}

void setZone1Start(ChannelConfig* channel, quint16 start)
{
    Zone zone = channel->zone1();
    zone.start = start;
    channel->setZone1(zone);
}

} // namespace

class TestModuleConfig : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sensorCodeListsHoldTheCodesInEditorOrder()
    {
        const QList<quint16>& zrb = SensorCodeList::zrbCodes();
        QCOMPARE(zrb.size(), 200);
        QCOMPARE(codeText(zrb.at(8)), QStringLiteral("AJ")); // no AI
        QCOMPARE(codeText(zrb.at(24)), QStringLiteral("BA"));
        QCOMPARE(codeText(zrb.at(192)), QStringLiteral("JA"));
        QVERIFY(!zrb.contains(SensorCodeList::code('A', 'O')));

        const QList<quint16>& zrc = SensorCodeList::zrcCodes();
        QCOMPARE(zrc.size(), 226);
        QCOMPARE(codeText(zrc.at(8)), QStringLiteral("BI"));
        QCOMPARE(codeText(zrc.at(100)), QStringLiteral("JA"));
        QCOMPARE(codeText(zrc.at(200)), QStringLiteral("ZA"));
        QVERIFY(!zrc.contains(SensorCodeList::code('B', 'O')));
    }

    void sensorCodesByIndex()
    {
        ZRBModuleConfig zrb;
        ZRCModuleConfig zrc;
        for (int ch = 0; ch < 4; ++ch) {
            QCOMPARE(codeText(zrb.sensorCode(ch)), QStringLiteral("ED"));
            QCOMPARE(zrb.sensorCodeIndex(ch), 99);
            QCOMPARE(codeText(zrc.sensorCode(ch)), QStringLiteral("EA"));
            QCOMPARE(zrc.sensorCodeIndex(ch), 75);
        }
        zrb.setSensorCodeIndex(1, 199);
        QCOMPARE(codeText(zrb.sensorCode(1)), QStringLiteral("JH"));
        zrb.setSensorCodeIndex(1, 200);
        zrb.setSensorCodeIndex(1, -1);
        QCOMPARE(codeText(zrb.sensorCode(1)), QStringLiteral("JH"));
        zrc.setSensorCodeIndex(3, 225);
        QCOMPARE(codeText(zrc.sensorCode(3)), QStringLiteral("ZZ"));

        // An unlisted code shows as the first entry; other kinds have no codes.
        zrb.setSensorCode(2, SensorCodeList::code('A', 'I'));
        QCOMPARE(zrb.sensorCodeIndex(2), 0);
        QCOMPARE(zrb.sensorCodeIndex(4), -1);
        QCOMPARE(KRT24ModuleConfig().sensorCodeIndex(0), -1);
    }

    void kindsSetTheirChannelScales()
    {
        const ZRAModuleConfig zra;
        QCOMPARE(zra.channel(1)->unitText(), QStringLiteral("C"));
        QCOMPARE(zra.channel(1)->integralScale(), 10.0);
        QCOMPARE(zra.channel(2)->unitText(), QStringLiteral("mV"));
        QCOMPARE(zra.channel(2)->valueScale(), 1.0);
        QVERIFY(zra.isVoltageInput(3) && !zra.isVoltageInput(0));

        const ZRBModuleConfig zrb;
        QCOMPARE(zrb.channel(3)->unitText(), QStringLiteral("C"));
        QCOMPARE(zrb.channel(3)->integralMax(), quint16(48000));

        const ZRCModuleConfig zrc;
        QCOMPARE(zrc.channel(0)->unitText(), QStringLiteral("MPa"));
        QCOMPARE(zrc.channel(0)->valueMax(), quint16(200));

        const KRT24ModuleConfig krt;
        QCOMPARE(krt.channel(7)->valueMax(), quint16(4000));
        QCOMPARE(krt.channel(7)->module(), &krt);
    }

    void titlesCountTheModulesOfTheParent()
    {
        SystemConfig config;
        config.addModule(0x01000001);
        config.addModule(0x11020345);
        QCOMPARE(config.module(0)->title(), QStringLiteral("MODULE 1"));
        QCOMPARE(config.module(0)->channel(0)->title(), QStringLiteral("MOD-1 CH-1"));
        QCOMPARE(config.module(1)->title(), QStringLiteral("MODULE 2"));
        QCOMPARE(config.module(1)->channel(2)->title(), QStringLiteral("MOD-2 CH-3"));

        QCOMPARE(config.module(1)->identifierText(), QStringLiteral("11020345"));
        QCOMPARE(config.module(1)->moduleLabel(), QStringLiteral("11020345 (MODULE 2)"));
        config.module(0)->setIdentifier(0x0100A00B);
        QCOMPARE(config.module(0)->identifierText(), QStringLiteral("0100a00b"));
    }

    void pseudoResisterTitlesChannelsFourAndEight()
    {
        KRT24ModuleConfig krt;
        krt.setPseudoResister(true);
        for (int ch = 0; ch < 8; ++ch) {
            const QString own = QStringLiteral("MOD-1 CH-%1").arg(ch + 1);
            QCOMPARE(krt.channel(ch)->title(), own);
            QCOMPARE(krt.channel(ch)->displayTitle(),
                     ch == 3 || ch == 7 ? QStringLiteral("<Pseudo-resister>") : own);
        }
        krt.setPseudoResister(false);
        QCOMPARE(krt.channel(7)->displayTitle(), QStringLiteral("MOD-1 CH-8"));
    }

    void sensorCodeTextShowsRatingAsHexDigit()
    {
        PressureSensorParams params;
        QCOMPARE(params.sensorCodeText(), QStringLiteral("24000A"));
        params.rating = 11;
        params.distortion = 123;
        params.factor = 'C';
        QCOMPARE(params.sensorCodeText(), QStringLiteral("B0123C"));
    }

    void applyToAllKeepsEachTargetsEnabledFlagAndTitle()
    {
        ZRCModuleConfig zrc;
        zrc.channel(2)->setEnabled(false);
        zrc.channel(2)->setTitle(QStringLiteral("Cavity 3"));
        setZone1Start(zrc.channel(0), 42);
        zrc.channel(0)->setWaveformEnabled(true);

        zrc.applyChannelToAll(0);

        for (int ch = 1; ch < 4; ++ch) {
            QCOMPARE(zrc.channel(ch)->zone1().start, quint16(42));
            QVERIFY(zrc.channel(ch)->waveformEnabled());
        }
        QCOMPARE(zrc.channel(2)->enabled(), false);
        QCOMPARE(zrc.channel(2)->title(), QStringLiteral("Cavity 3"));
        QCOMPARE(zrc.channel(1)->enabled(), true);
        QCOMPARE(zrc.channel(1)->title(), QStringLiteral("MOD-1 CH-2"));
    }

    void applyToAllLeavesPseudoResisterTitlesWithTheirChannels()
    {
        KRT24ModuleConfig krt;
        krt.setPseudoResister(true);
        setZone1Start(krt.channel(3), 7);

        krt.applyChannelToAll(3);

        QCOMPARE(krt.channel(0)->zone1().start, quint16(7));
        QCOMPARE(krt.channel(0)->displayTitle(), QStringLiteral("MOD-1 CH-1"));
        QCOMPARE(krt.channel(7)->displayTitle(), QStringLiteral("<Pseudo-resister>"));
        krt.setPseudoResister(false);
        QCOMPARE(krt.channel(7)->displayTitle(), QStringLiteral("MOD-1 CH-8"));
    }

    void cloneIsDeepAndKeepsTheParent()
    {
        SystemConfig config;
        config.addModule(0x11000001);
        auto* krt = static_cast<KRT24ModuleConfig*>(config.module(0));
        PressureSensorParams params;
        params.distortion = 1234;
        krt->setSensor(5, params);
        krt->setPseudoResister(true);
        krt->setEnabled(false);

        const std::unique_ptr<ModuleConfigBase> copy = krt->clone();
        QCOMPARE(copy->parent(), &config);
        QCOMPARE(copy->identifier(), 0x11000001U);
        QCOMPARE(copy->enabled(), false);
        QVERIFY(copy->equalsWithSpecific(*krt));
        QCOMPARE(copy->channel(3)->displayTitle(), QStringLiteral("<Pseudo-resister>"));
        QCOMPARE(copy->channel(7)->module(), copy.get());

        copy->channel(0)->setTitle(QStringLiteral("changed"));
        QCOMPARE(krt->channel(0)->title(), QStringLiteral("MOD-1 CH-1"));
    }

    void equalityOfCommonAndSpecificParts()
    {
        ZRBModuleConfig a;
        ZRBModuleConfig b;
        b.setEnabled(false);
        b.setIdentifier(0x02000099);
        b.setAlertUpper(80);
        QVERIFY(a.equals(b));
        QVERIFY(a.differsWithSpecific(b));

        ZRCModuleConfig c;
        ZRCModuleConfig d;
        QVERIFY(c.equalsWithSpecific(d));
        d.channel(3)->setEnabled(false);
        QVERIFY(c.differs(d));
        QVERIFY(c.differsWithSpecific(d));

        // Kinds are not part of the common equality, but they are of the specific one.
        QVERIFY(c.equals(a));
        QVERIFY(!c.equalsWithSpecific(a));
    }
};

CVO_TEST_MAIN_NO_GUI(TestModuleConfig)
#include "tst_moduleconfig.moc"
