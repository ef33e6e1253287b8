#include "AppSettings.h"
#include "ConfigPeer.h"
#include "ControlPort.h"
#include "FirmwareInfo.h"
#include "LoopbackPeer.h"
#include "ModuleConfigBase.h"
#include "SystemConfig.h"
#include "SystemConfigReader.h"
#include "TestMain.h"
#include "UnitTransfers.h"
#include "UserPrompt.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The unit's address for each case goes into the settings store, which every
// ControlPort reads; the port is the unit's fixed 50000.
QHostAddress useUnitAt(int n)
{
    const QHostAddress address(QStringLiteral("127.0.24.%1").arg(n));
    AppSettings().setValue(QStringLiteral("deviceIPAddress"), address.toIPv4Address());
    return address;
}

SystemConfig fiveModules()
{
    SystemConfig config;
    config.setPeriod(12);
    config.setSamplingInterval(5);
    for (quint32 code : {0x01000001u, 0x02000002u, 0x03000003u, 0x11000004u, 0x11000005u})
        config.addModule(code);
    for (int i = 0; i < config.moduleCount(); ++i)
        config.module(i)->setTitle(QStringLiteral("Cavity %1").arg(i + 1));
    config.channelAt(9)->setTitle(QStringLiteral("Gate"));
    return config;
}

struct Prompts
{
    QList<UserPrompt::Message> shown;
    Prompts()
    {
        UserPrompt::setMessageHandler([this](const UserPrompt::Message& m) {
            shown.append(m);
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
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
    }

    void cleanup() { resetFirmwareType(); }

    void readsTheWholeConfigurationInBothLayouts_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("current") << 0;
        QTest::newRow("legacy") << -1;
    }

    void readsTheWholeConfigurationInBothLayouts()
    {
        QFETCH(int, type);
        firmwareType = type;
        const SystemConfig unitConfig = fiveModules();
        ConfigPeer peer(unitConfig, type == -1);
        LoopbackPeer unit(useUnitAt(1), ControlPort::DefaultPort,
                          [&](const QByteArray& r) { return peer.answer(r); });

        SystemConfigReader reader;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(reader.read());
        qInfo("full read of 5 modules: %lld ms", timer.elapsed());
        QVERIFY(reader.config());
        if (type == 0) {
            QVERIFY(reader.config()->equals(unitConfig));
        } else {
            // The older channel record carries neither eject limits nor slope.
            QVERIFY(!reader.config()->equals(unitConfig));
            QVERIFY(!reader.config()->channelAt(20)->slope().enabled);
            QCOMPARE(reader.config()->channelAt(20)->eject().upper, quint16(0));
            QCOMPARE(reader.config()->channelAt(20)->zone1(), unitConfig.channelAt(20)->zone1());
        }
        QCOMPARE(reader.config()->channelAt(9)->title(), QStringLiteral("Gate"));
        QCOMPARE(reader.config()->module(3)->title(), QStringLiteral("Cavity 4"));
        QCOMPARE(unit.requests().size(), 6);
        QCOMPARE(unit.connections(), 1);
    }

    void refusesAUnitListingTwelveModules()
    {
        firmwareType = 0;
        // Count byte 12 followed by the eleven entries that fit in one reply.
        QByteArray block = QByteArray::fromHex("0a01280a01ff") + QByteArray(16, '\0');
        SystemConfig unitConfig;
        ConfigPeer peer(unitConfig);
        block.append(char(12));
        for (int i = 0; i < 11; ++i) {
            QDataStream s(&block, QIODevice::Append);
            s << qint32(0x01000000 + i) << quint8(1);
        }
        peer.setSystemBlock(block);
        LoopbackPeer unit(useUnitAt(2), ControlPort::DefaultPort,
                          [&](const QByteArray& r) { return peer.answer(r); });

        SystemConfigReader reader;
        QVERIFY(!reader.read());
        QVERIFY(reader.config());
        QCOMPARE(reader.config()->moduleCount(), 11);
        QCOMPARE(reader.config()->period(), quint8(10));
        QCOMPARE(unit.requests().size(), 1); // no module was asked for
    }

    void failsWhenAModuleReplyIsMissing()
    {
        firmwareType = 0;
        SystemConfig unitConfig = fiveModules();
        SystemConfig listed = unitConfig;
        listed.addModule(0x02000009); // listed, but the peer has no reply for it
        ConfigPeer peer(unitConfig);
        peer.setSystemBlock(FrameBuilder::payload([&](QDataStream& s) { listed.writeTo(s); }));
        LoopbackPeer unit(useUnitAt(3), ControlPort::DefaultPort,
                          [&](const QByteArray& r) { return peer.answer(r); });
        SystemConfigReader reader;
        QVERIFY(!reader.read());
        QCOMPARE(reader.config()->module(4)->title(),
                 QStringLiteral("Cavity 5")); // read before the failure
    }

    void readFailsWithoutAUnit()
    {
        useUnitAt(4);
        SystemConfigReader reader;
        QVERIFY(!reader.read());
        QVERIFY(!reader.config());
    }

    void sendsTheSystemBlockThenEveryModule()
    {
        firmwareType = 1;
        const SystemConfig config = fiveModules();
        ConfigPeer peer(config);
        LoopbackPeer unit(useUnitAt(5), ControlPort::DefaultPort,
                          [&](const QByteArray& r) { return peer.answer(r); });
        Prompts prompts;
        QVERIFY(sendConfigurationToUnit(nullptr, config));
        QVERIFY(prompts.shown.isEmpty());

        const QList<QByteArray> requests = unit.requests();
        QCOMPARE(requests.size(), 6);
        const QByteArray system = FrameBuilder::payload([&](QDataStream& s) {
            s << quint8(1);
            config.writeTo(s);
        });
        QCOMPARE(requests.at(0).mid(4, requests.at(0).size() - 5), system);
        const QByteArray lastModule = FrameBuilder::payload([&](QDataStream& s) {
            s << quint8(1);
            config.module(4)->writeTo(s);
        });
        QCOMPARE(requests.at(5).mid(4, requests.at(5).size() - 5), lastModule);
    }

    void tellsTheOperatorWhenSendingFails()
    {
        useUnitAt(6);
        Prompts prompts;
        QVERIFY(!sendConfigurationToUnit(nullptr, fiveModules()));
        QCOMPARE(prompts.shown.size(), 1);
        QCOMPARE(prompts.shown.at(0).kind, UserPrompt::MessageKind::Critical);
        QCOMPARE(prompts.shown.at(0).title, QStringLiteral("Communication Failure"));
        QCOMPARE(prompts.shown.at(0).text,
                 QStringLiteral("Unable to communicate with BU.\nPlease check the connection."));
    }

    void synchronisesTheClockWithMessages()
    {
        LoopbackPeer unit(useUnitAt(7), ControlPort::DefaultPort, [](const QByteArray&) {
            return QList<QByteArray>{
                FrameBuilder::frame(BUPacket::ClockReply, QByteArray(9, '\0'))};
        });
        Prompts prompts;
        QVERIFY(synchronizeUnitClock(nullptr));
        QVERIFY(synchronizeUnitClock(nullptr, false));
        QCOMPARE(prompts.shown.size(), 1);
        QCOMPARE(prompts.shown.at(0).kind, UserPrompt::MessageKind::Information);
        QCOMPARE(prompts.shown.at(0).title, QStringLiteral("BU Clock Sync"));
        QCOMPARE(prompts.shown.at(0).text, QStringLiteral("BU clock successfully synchronized."));

        useUnitAt(8);
        QVERIFY(!synchronizeUnitClock(nullptr));
        QCOMPARE(prompts.shown.size(), 2);
        QCOMPARE(prompts.shown.at(1).kind, UserPrompt::MessageKind::Critical);
        QCOMPARE(prompts.shown.at(1).text, QStringLiteral("BU clock synchronization failed."));
    }

private:
    QTemporaryDir m_home;
};

CVO_TEST_MAIN(TestConfigTransfer)
#include "tst_configtransfer.moc"
