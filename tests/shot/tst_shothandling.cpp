#include "AppSettings.h"
#include "BUPacket.h"
#include "FirmwareInfo.h"
#include "FrameBuilder.h"
#include "ShotData.h"
#include "ShotHandler.h"
#include "SystemConfig.h"
#include "TestMain.h"

#include <QSignalSpy>

namespace {

constexpr qint32 Module = 0x11000001; // 8 channels

QByteArray shotStart(qint32 number)
{
    return FrameBuilder::payload([&](QDataStream& s) {
        s << quint8(0) << quint8(0) << number << quint8(26) << quint8(12) << quint8(6) << quint8(9)
          << quint8(0) << quint8(0) << quint8(0) << quint8(0) << quint32(20000);
    });
}

QByteArray shotResult(qint32 number)
{
    return FrameBuilder::payload([&](QDataStream& s) {
        s << number << quint8(26) << quint8(12) << quint8(6) << quint8(9) << quint8(0) << quint8(1)
          << quint8(0) << quint8(0) << quint32(20000) << quint8(1) << Module;
        for (int c = 0; c < 8; ++c)
            s << quint16(c == 0 ? 0x0001 : 0);
        for (int c = 0; c < 8; ++c)
            s << qint16(100) << qint16(0) << qint16(0) << qint32(0) << qint32(0) << quint32(0)
              << qint32(0);
    });
}

SystemConfig oneModule(quint8 interval)
{
    SystemConfig config;
    config.setSamplingInterval(interval);
    config.addModule(Module);
    return config;
}

// Whether a saveRawData call was the final one.
bool isFinal(const QList<QVariant>& call)
{
    return call.at(1).toBool();
}

} // namespace

class TestShotHandling : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<ShotData*>(); }

    void init()
    {
        firmwareType = 0; // the packets below are built in the current layout
        AppSettings().setValue(SettingKey::SaveDataTypeLog, true);
        m_handler = std::make_unique<ShotHandler>();
        m_handler->configure(oneModule(1));
    }

    void cleanup()
    {
        m_handler.reset();
        resetFirmwareType();
    }

    void shotsFillTheBuffersInTurn()
    {
        QSignalSpy begin(m_handler.get(), &ShotHandler::beginRawDataSaving);
        QSignalSpy progress(m_handler.get(), &ShotHandler::samplePacketsReceived);
        ShotData* a = m_handler->shotDataA();
        ShotData* b = m_handler->shotDataB();

        runShot(41, 250);
        QCOMPARE(m_handler->currentShot(), a);
        QCOMPARE(progress.last().at(0).toInt(), 250); // the auxiliary packet is not counted
        QCOMPARE(a->channel(0)->sampleCount(), 250);

        send(BUPacket::ShotStart, shotStart(42));
        QCOMPARE(m_handler->currentShot(), b);
        QCOMPARE(b->shotNumber(), 42);
        QCOMPARE(a->channel(0)->sampleCount(), 250); // the last shot is left to the recorder
        send(BUPacket::ShotResult, shotResult(42));
        runShot(43, 1);
        QCOMPARE(m_handler->currentShot(), a);
        QCOMPARE(a->channel(0)->sampleCount(), 1);

        QCOMPARE(begin.size(), 3);
        QCOMPARE(begin.at(0).at(0).value<ShotData*>(), a);
        QCOMPARE(begin.at(1).at(0).value<ShotData*>(), b);
    }

    void refreshFollowsTheSamplingInterval_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("step");
        QTest::newRow("1 ms") << 1 << 100;
        QTest::newRow("5 ms") << 5 << 20;
        QTest::newRow("10 ms") << 10 << 10;
        QTest::newRow("20 ms") << 20 << 5;
        QTest::newRow("100 ms") << 100 << 1;
        QTest::newRow("0 ms") << 0 << 1;
    }

    void refreshFollowsTheSamplingInterval()
    {
        QFETCH(int, interval);
        QFETCH(int, step);
        m_handler->configure(oneModule(quint8(interval)));
        QList<int> refreshedAt; // samples held at each refresh
        connect(m_handler.get(), &ShotHandler::shotRefreshed, this,
                [&](ShotData* shot) { refreshedAt.append(shot->channel(0)->sampleCount()); });
        QSignalSpy save(m_handler.get(), &ShotHandler::saveRawData);
        send(BUPacket::ShotStart, shotStart(1));
        for (quint32 i = 0; i < 2 * 100; ++i)
            send(BUPacket::ShotSamples, samples(i));
        QCOMPARE(refreshedAt.size(), 2 * 100 / step);
        QCOMPARE(refreshedAt.value(1), step + 1);
        QCOMPARE(save.size(), refreshedAt.size());
        QVERIFY(std::none_of(save.cbegin(), save.cend(), isFinal));
    }

    void shotEndInMonitorMode_data()
    {
        QTest::addColumn<bool>("logSetting");
        QTest::addColumn<bool>("saveStopped");
        QTest::addColumn<int>("saves"); // refreshes at 0 and 100, then the final one
        QTest::addColumn<int>("logs");
        QTest::newRow("recorded and logged") << true << false << 3 << 1;
        QTest::newRow("recorded, log off") << false << false << 3 << 0;
        QTest::newRow("disk full") << true << true << 0 << 0;
    }

    void shotEndInMonitorMode()
    {
        QFETCH(bool, logSetting);
        QFETCH(bool, saveStopped);
        QFETCH(int, saves);
        QFETCH(int, logs);
        AppSettings().setValue(SettingKey::SaveDataTypeLog, logSetting);
        m_handler->setSaveStopped(saveStopped);
        QSignalSpy begin(m_handler.get(), &ShotHandler::beginRawDataSaving);
        QSignalSpy save(m_handler.get(), &ShotHandler::saveRawData);
        QSignalSpy logged(m_handler.get(), &ShotHandler::shotLogRequested);
        QSignalSpy machineStart(m_handler.get(), &ShotHandler::machineShotStarted);
        QSignalSpy machineEnd(m_handler.get(), &ShotHandler::machineShotEnded);
        QSignalSpy ended(m_handler.get(), &ShotHandler::shotEnded);
        QSignalSpy idle(m_handler.get(), &ShotHandler::becameIdle);
        QSignalSpy resultHandled(m_handler.get(), &ShotHandler::shotResultHandled);

        send(BUPacket::ShotStart, shotStart(7));
        QCOMPARE(m_handler->state(), int(ShotHandler::ShotInProgress));
        for (quint32 i = 0; i < 150; ++i)
            send(BUPacket::ShotSamples, samples(i));
        send(BUPacket::ShotResult, shotResult(7));

        QCOMPARE(m_handler->state(), int(ShotHandler::Idle));
        QCOMPARE(ended.size(), 1);
        QVERIFY(m_handler->currentShot()->isNG());
        QCOMPARE(idle.size(), 1);
        QCOMPARE(resultHandled.size(), 1);
        QCOMPARE(machineStart.size(), 1);
        QCOMPARE(begin.size(), saveStopped ? 0 : 1);
        QCOMPARE(save.size(), saves);
        if (saves > 0) {
            QVERIFY(isFinal(save.last()));
            QCOMPARE(save.last().at(0).value<ShotData*>(), m_handler->currentShot());
        }
        QCOMPARE(logged.size(), logs);
        QCOMPARE(machineEnd.size(), saveStopped ? 0 : 1);
    }

    void cutOffShotKeepsItsRows_data()
    {
        QTest::addColumn<bool>("byWatchdog");
        QTest::newRow("watchdog") << true;
        QTest::newRow("abort") << false;
    }

    void cutOffShotKeepsItsRows()
    {
        QFETCH(bool, byWatchdog);
        m_handler->setWatchdogInterval(50);
        QSignalSpy save(m_handler.get(), &ShotHandler::saveRawData);
        QSignalSpy idle(m_handler.get(), &ShotHandler::becameIdle);
        send(BUPacket::ShotStart, shotStart(1));
        send(BUPacket::ShotSamples, samples(0));
        send(BUPacket::ShotSamples, samples(1));
        QCOMPARE(save.size(), 1); // the refresh at index 0
        if (byWatchdog)
            QVERIFY(idle.wait(5000));
        else
            m_handler->cutOffShot();

        QCOMPARE(m_handler->state(), int(ShotHandler::Idle));
        QCOMPARE(idle.size(), 1);
        QCOMPARE(save.size(), 2); // the rows received since, never a final save
        QVERIFY(!isFinal(save.last()));
        QCOMPARE(save.last().at(0).value<ShotData*>(), m_handler->shotDataA());

        m_handler->cutOffShot(); // no shot left to save
        QCOMPARE(save.size(), 2);
    }

    void maintenanceShotsStayOpenAndAreNotRecorded()
    {
        m_handler->setOperatingMode(ShotHandler::MaintenanceMode);
        QSignalSpy begin(m_handler.get(), &ShotHandler::beginRawDataSaving);
        QSignalSpy save(m_handler.get(), &ShotHandler::saveRawData);
        QSignalSpy logged(m_handler.get(), &ShotHandler::shotLogRequested);
        QSignalSpy machineEnd(m_handler.get(), &ShotHandler::machineShotEnded);
        QSignalSpy refreshed(m_handler.get(), &ShotHandler::shotRefreshed);
        QSignalSpy ended(m_handler.get(), &ShotHandler::shotEnded);
        QSignalSpy idle(m_handler.get(), &ShotHandler::becameIdle);

        runShot(1, 1);
        QCOMPARE(refreshed.size(), 1);
        QCOMPARE(ended.size(), 1);
        QCOMPARE(m_handler->state(), int(ShotHandler::ShotInProgress));
        send(BUPacket::ShotStart, shotStart(2)); // accepted though a shot is open
        QCOMPARE(m_handler->currentShot(), m_handler->shotDataB());
        QCOMPARE(m_handler->currentShot()->shotNumber(), 2);
        QCOMPARE(idle.size(), 0);

        QCOMPARE(begin.size() + save.size() + logged.size() + machineEnd.size(), 0);
        m_handler->transitToIdleState();
        QCOMPARE(m_handler->state(), int(ShotHandler::Idle));
    }

    void monitorModeIgnoresPacketsOutOfTurn()
    {
        QSignalSpy started(m_handler.get(), &ShotHandler::shotStarted);
        QSignalSpy refreshed(m_handler.get(), &ShotHandler::shotRefreshed);
        QSignalSpy ended(m_handler.get(), &ShotHandler::shotEnded);
        send(BUPacket::ShotResult, shotResult(1)); // before any shot
        send(BUPacket::ShotStart, shotStart(1));
        send(BUPacket::ShotStart, shotStart(2)); // while shot 1 runs
        QCOMPARE(started.size(), 1);
        QCOMPARE(m_handler->currentShot()->shotNumber(), 1);

        send(BUPacket::ShotResult, shotResult(1));
        send(BUPacket::ShotResult, shotResult(1)); // idle again
        send(BUPacket::ShotSamples, samples(0));
        QCOMPARE(ended.size(), 1);
        QCOMPARE(refreshed.size(), 0);
    }

    void suspendedOrOfflineHandlerIgnoresPackets_data()
    {
        QTest::addColumn<bool>("offline");
        QTest::newRow("dialog open") << false;
        QTest::newRow("offline") << true;
    }

    void suspendedOrOfflineHandlerIgnoresPackets()
    {
        QFETCH(bool, offline);
        QSignalSpy ended(m_handler.get(), &ShotHandler::shotEnded);
        send(BUPacket::ShotStart, shotStart(1));
        if (offline)
            m_handler->goOffline();
        else
            m_handler->suspendPackets();
        QVERIFY(m_handler->packetsSuspended());
        send(BUPacket::ShotSamples, samples(0));
        send(BUPacket::ShotResult, shotResult(1));
        QCOMPARE(m_handler->currentShot()->channel(0)->sampleCount(), 0);
        const int state = offline ? ShotHandler::Offline : ShotHandler::ShotInProgress;
        QCOMPARE(m_handler->state(), state);

        // After the dialog the shot goes on and gets its end; offline stays. The samples
        // missed meanwhile leave a gap, and none behind it is kept at a wrong time.
        m_handler->resumePackets();
        QCOMPARE(m_handler->state(), state);
        QCOMPARE(m_handler->packetsSuspended(), offline);
        send(BUPacket::ShotSamples, samples(1));
        send(BUPacket::ShotResult, shotResult(1));
        QCOMPARE(m_handler->currentShot()->channel(0)->sampleCount(), 0);
        QCOMPARE(ended.size(), offline ? 0 : 1);
    }

private:
    QByteArray samples(quint32 index) const
    {
        return FrameBuilder::shotSamplesPayload(index, {Module}, qint16(index));
    }

    void send(int type, const QByteArray& payload)
    {
        m_handler->handlePacketFromBU(FrameBuilder::decode(m_packet, type, payload));
    }

    // A whole shot: start, the sample packets, the auxiliary block, the result.
    void runShot(qint32 number, quint32 sampleCount)
    {
        send(BUPacket::ShotStart, shotStart(number));
        for (quint32 i = 0; i < sampleCount; ++i)
            send(BUPacket::ShotSamples, samples(i));
        send(BUPacket::ShotSamples, FrameBuilder::shotSamplesPayload(0xFFFFFFFF, {Module}, 7));
        send(BUPacket::ShotResult, shotResult(number));
    }

    std::unique_ptr<ShotHandler> m_handler;
    BUPacket m_packet;
};

CVO_TEST_MAIN_NO_GUI(TestShotHandling)
#include "tst_shothandling.moc"
