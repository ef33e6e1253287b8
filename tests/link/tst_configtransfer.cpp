#include "AppSettings.h"
#include "ControlPort.h"
#include "FrameBuilder.h"
#include "LoopbackPeer.h"
#include "ModuleConfigBase.h"
#include "Presets.h"
#include "SimulatorTestSupport.h"
#include "SystemConfigReader.h"
#include "TestMain.h"
#include "UnitTransfers.h"
#include "UserPrompt.h"

#include <QTest>

Q_DECLARE_METATYPE(FirmwareIdentity)

namespace {

using Kind = UserPrompt::MessageKind;

// The unit's address for each case goes into the settings store, which every
// ControlPort reads; the port is the unit's fixed 50000.
QHostAddress useUnitAt(int n)
{
    const QHostAddress address(QStringLiteral("127.0.24.%1").arg(n));
    AppSettings().setValue(QStringLiteral("deviceIPAddress"), address.toIPv4Address());
    return address;
}

SimulatorOptions mixedUnit(const QHostAddress& address, const FirmwareIdentity& firmware)
{
    SimulatorOptions options = SimTest::fastUnit(address, firmware);
    Presets::make(QStringLiteral("mixed"), &options.config); // four modules of four kinds
    return options;
}

// Answers the operator's message boxes and notes their kinds.
struct Prompts
{
    QList<Kind> shown;
    Prompts()
    {
        UserPrompt::setMessageHandler([this](const UserPrompt::Message& m) {
            shown.append(m.kind);
            return QMessageBox::Ok;
        });
    }
    ~Prompts() { UserPrompt::setMessageHandler({}); }
};

} // namespace

class TestConfigTransfer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void configurationSentReadsBackFromTheUnit_data()
    {
        QTest::addColumn<FirmwareIdentity>("firmware");
        QTest::addColumn<int>("host");
        QTest::newRow("current layout") << FirmwareIdentity::standard() << 1;
        QTest::newRow("legacy layout") << FirmwareIdentity::legacy() << 2;
    }

    void configurationSentReadsBackFromTheUnit()
    {
        QFETCH(FirmwareIdentity, firmware);
        QFETCH(int, host);
        SimTest::FirmwareTypeGuard guard(firmware.managerFirmwareType());
        SimulatorThread unit(mixedUnit(useUnitAt(host), firmware));
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        SystemConfig config = SimTest::unitConfig(unit);
        config.setPeriod(3);
        config.module(1)->setTitle(QStringLiteral("A module title longer than sixteen"));
        config.channelAt(9)->setTitle(QStringLiteral("Gate"));
        config.channelAt(9)->setZone1({50, 90, 120, 300, true, false});

        Prompts prompts;
        QVERIFY(sendConfigurationToUnit(nullptr, config));
        QVERIFY(prompts.shown.isEmpty());
        SystemConfigReader reader;
        QVERIFY(reader.read());
        // A title has room for sixteen characters on the unit.
        QCOMPARE(reader.config()->module(1)->title(), QStringLiteral("A module title l"));
        config.module(1)->setTitle(QStringLiteral("A module title l"));
        QVERIFY(reader.config()->equals(config));
        QVERIFY(SimTest::unitConfig(unit).equals(config));
    }

    void readFailsOnAUnitItCannotMirror()
    {
        SimTest::FirmwareTypeGuard guard(0);
        useUnitAt(3); // nobody there
        SystemConfigReader unreachable;
        QVERIFY(!unreachable.read());
        QVERIFY(!unreachable.config());

        SimulatorOptions options = mixedUnit(useUnitAt(4), FirmwareIdentity::standard());
        options.faults.wrongReplyEvery = 3; // the second module's reply
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        SystemConfigReader wrongReply;
        QVERIFY(!wrongReply.read());

        // Twelve modules listed, the eleven entries that fit in one reply following.
        QByteArray block = QByteArray::fromHex("000a01280a01ff") + QByteArray(16, '\0') + '\x0c';
        for (int i = 0; i < 11; ++i) {
            QDataStream s(&block, QIODevice::Append);
            s << qint32(0x01000000 + i) << quint8(1);
        }
        const QByteArray reply = FrameBuilder::frame(BUPacket::SystemConfigData, block);
        LoopbackPeer twelve(useUnitAt(5), ControlPort::DefaultPort,
                            [&](const QByteArray&) { return QList<QByteArray>{reply}; });
        SystemConfigReader tooMany;
        QVERIFY(!tooMany.read());
        QCOMPARE(tooMany.config()->moduleCount(), 11);
        QCOMPARE(twelve.requests().size(), 1); // no module was asked for
    }

    void tellsTheOperatorHowATransferEnded()
    {
        Prompts prompts;
        useUnitAt(6); // nobody there
        QVERIFY(!sendConfigurationToUnit(nullptr, SystemConfig()));
        QVERIFY(!synchronizeUnitClock(nullptr));
        QCOMPARE(prompts.shown, (QList<Kind>{Kind::Critical, Kind::Critical}));

        SimulatorThread unit(SimTest::fastUnit(useUnitAt(7)));
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        QVERIFY(synchronizeUnitClock(nullptr, false)); // the start-up sync is silent
        QVERIFY(synchronizeUnitClock(nullptr));
        QCOMPARE(prompts.shown.size(), 3);
        QCOMPARE(prompts.shown.last(), Kind::Information);
    }
};

CVO_TEST_MAIN(TestConfigTransfer)
#include "tst_configtransfer.moc"
