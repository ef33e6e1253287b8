#include "AppSettings.h"
#include "BUPacket.h"
#include "FirmwareInfo.h"
#include "FrameBuilder.h"
#include "GLPlotView.h"
#include "LoopbackPeer.h"
#include "MainWindow.h"
#include "ModuleConfigBase.h"
#include "MonitoringRules.h"
#include "ShotData.h"
#include "SystemConfig.h"
#include "TestMain.h"
#include "UserPrompt.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

constexpr int TimeoutMs = 5000;

// A packet as the data port hands it to the window.
class Packet
{
public:
    BUPacket* operator->() { return &m_packet; }
    BUPacket* load(int type, const QByteArray& payload)
    {
        m_packet.setHeader(quint16(payload.size() + 1), type);
        QByteArray body = payload + QByteArray(1, '\0');
        QDataStream stream(body);
        m_packet.readPayload(stream);
        return &m_packet;
    }

private:
    BUPacket m_packet;
};

QByteArray shotStart(qint32 number)
{
    return FrameBuilder::payload([&](QDataStream& s) {
        s << quint8(0) << quint8(0) << number << quint8(26) << quint8(12) << quint8(6) << quint8(9)
          << quint8(0) << quint8(0) << quint8(0) << quint8(0) << quint32(20000);
    });
}

QByteArray samples(quint32 index, qint16 value)
{
    return FrameBuilder::shotSamplesPayload(index, {0x11000001}, value);
}

QByteArray shotResult(qint32 number, quint16 flags)
{
    return FrameBuilder::payload([&](QDataStream& s) {
        s << number << quint8(26) << quint8(12) << quint8(6) << quint8(9) << quint8(0) << quint8(1)
          << quint8(0) << quint8(0) << quint32(20000) << quint8(1) << qint32(0x11000001);
        for (int c = 0; c < 8; ++c)
            s << quint16(c == 0 ? flags : 0);
        for (int c = 0; c < 8; ++c)
            s << qint16(100) << qint16(0) << qint16(0) << qint32(0) << qint32(0) << quint32(0)
              << qint32(0);
    });
}

QByteArray unitStatus(qint32 shot, qint32 judged, qint32 ng, quint8 statusBits,
                      quint8 firstModuleStatus)
{
    return FrameBuilder::payload([&](QDataStream& s) {
        s << shot << judged << ng << quint8(0) << statusBits << quint8(2) << qint32(0x40000000)
          << firstModuleStatus << quint8(0) << quint8(0) << qint32(0x11000001) << quint8(0x10)
          << quint8(0) << quint8(0);
    });
}

QByteArray statusReply(quint8 statusBits)
{
    return FrameBuilder::frame(BUPacket::UnitStatus, unitStatus(0, 0, 0, statusBits, 0));
}

SystemConfig oneModule(quint8 interval, bool alarm = true)
{
    SystemConfig config;
    config.setSamplingInterval(interval);
    config.setFlag(SystemConfig::AlarmEnabled, alarm);
    config.addModule(0x11000001);
    return config;
}

} // namespace

class TestShotHandling : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        firmwareType = 0; // the packets below are built in the current layout
        m_prompts.clear();
        UserPrompt::setMessageHandler([this](const UserPrompt::Message& m) {
            m_prompts.append(m);
            return QMessageBox::Ok;
        });
        m_window = std::make_unique<MainWindow>(QStringList{"cvo-manager", "-n"});
        m_window->applyConfiguration(oneModule(1));
    }

    void cleanup()
    {
        m_window.reset();
        UserPrompt::setMessageHandler({});
        resetFirmwareType();
    }

    void monitorShotFillsTheBuffersInTurn()
    {
        QSignalSpy begin(m_window.get(), &MainWindow::beginRawDataSaving);
        QSignalSpy save(m_window.get(), &MainWindow::saveRawData);
        QSignalSpy refreshed(m_window.get(), &MainWindow::shotRefreshed);
        QSignalSpy logged(m_window.get(), &MainWindow::shotLogRequested);
        QSignalSpy machineEnd(m_window.get(), &MainWindow::machineShotEnded);

        m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotStart, shotStart(41)));
        QCOMPARE(m_window->shotState(), int(MainWindow::ShotInProgress));
        QCOMPARE(m_window->currentShot(), m_window->shotDataA());
        QCOMPARE(begin.size(), 1);
        QVERIFY(!button("settingsButton")->isEnabled());
        QCOMPARE(label("shotNumber")->text(), QStringLiteral("41"));

        for (quint32 i = 0; i < 250; ++i)
            m_window->handlePacketFromBU(
                m_packet.load(BUPacket::ShotSamples, samples(i, qint16(i))));
        m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotSamples, samples(0xFFFFFFFF, 7)));
        // Every 100 ms of shot time at 1 ms: indexes 0, 100 and 200.
        QCOMPARE(refreshed.size(), 3);
        QCOMPARE(save.size(), 3);
        QCOMPARE(save.at(0).at(1).toBool(), false);
        QCOMPARE(m_window->findChild<QProgressBar*>("shotProgressBar")->value(), 250);
        QCOMPARE(m_window->shotDataA()->channel(0)->sampleCount(), 250);

        m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotResult, shotResult(41, 0x0001)));
        QCOMPARE(m_window->shotState(), int(MainWindow::Idle));
        QCOMPARE(save.size(), 4);
        QCOMPARE(save.last().at(1).toBool(), true);
        QCOMPARE(logged.size(), 1);
        QCOMPARE(machineEnd.size(), 1);
        QVERIFY(m_window->shotDataA()->isNG());
        QVERIFY(button("settingsButton")->isEnabled());

        // The live plot got the whole shot for channel 0.
        const auto* plot = m_window->findChild<GLPlotView*>("plotView");
        QVERIFY(plot);
        QCOMPARE(plot->channel(0)->currentLength(), 250);

        m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotStart, shotStart(42)));
        QCOMPARE(m_window->currentShot(), m_window->shotDataB());
        QCOMPARE(plot->channel(0)->currentLength(), 0); // a new current waveform
        QCOMPARE(m_window->shotDataA()->channel(0)->sampleCount(),
                 250); // the last shot is untouched
    }

    void recordedShotLeavesItsFilesAndLogLine()
    {
        const QDir data(m_window->dataFolder());
        m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotStart, shotStart(7)));
        for (quint32 i = 0; i < 150; ++i)
            m_window->handlePacketFromBU(
                m_packet.load(BUPacket::ShotSamples, samples(i, qint16(i))));
        m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotResult, shotResult(7, 0x0001)));

        const auto filesNamed = [&](const QString& pattern) {
            QStringList found;
            for (const QFileInfo& day : data.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
                for (const QFileInfo& file :
                     QDir(day.filePath()).entryInfoList({pattern}, QDir::Files))
                    found.append(file.filePath());
            return found;
        };
        QTRY_COMPARE_WITH_TIMEOUT(filesNamed("alm_*_000007_*p.csv").size(), 1, TimeoutMs);
        const QStringList all = filesNamed("all_*_000007_*p.csv");
        QCOMPARE(all.size(), 1);
        QFile file(all.at(0));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 7 + 150); // header block, then one row per sample
        QVERIFY(lines.at(2) == QStringLiteral("Shot:7"));
        QVERIFY(lines.last().startsWith(QStringLiteral("0.149,")));

        const QStringList logs = filesNamed("log_*p.csv");
        QCOMPARE(logs.size(), 1);
        QFile log(logs.at(0));
        QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString logText = QString::fromUtf8(log.readAll());
        QVERIFY(logText.contains(QStringLiteral("New file generated.")));
        QVERIFY2(logText.contains(QStringLiteral(", 7, NG, , Z1, ")),
                 qPrintable(logText.right(400)));
    }

    void referenceFileReachesThePlot()
    {
        QTemporaryDir folder;
        const QString path = folder.path() + "/ref.csv";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Data Attribute:10,5,PP\n========================================\n"
                   "Elapsed Time,1:A, 2:B\n0,1.5, 2\n0.005,1.7, 2.5\n");
        file.close();
        UserPrompt::setFileHandler([&](const UserPrompt::FileRequest& request) {
            return request.caption == QStringLiteral("Open Reference Wave Data File") ? path
                                                                                      : QString();
        });
        QSignalSpy loaded(m_window.get(), &MainWindow::referenceWaveformsLoaded);
        QTest::mouseClick(button("loadReferenceButton"), Qt::LeftButton);
        UserPrompt::setFileHandler({});
        QCOMPARE(loaded.size(), 1);
        QCOMPARE(loaded.at(0).at(1).toInt(), 5);
        const auto* plot = m_window->findChild<GLPlotView*>("plotView");
        QCOMPARE(plot->referenceName(), QStringLiteral("ref.csv"));
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
        QCOMPARE(MonitoringRules::refreshStep(interval), step);
        m_window->applyConfiguration(oneModule(quint8(interval)));
        QSignalSpy refreshed(m_window.get(), &MainWindow::shotRefreshed);
        m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotStart, shotStart(1)));
        for (quint32 i = 0; i < 100; ++i)
            m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotSamples, samples(i, 1)));
        QCOMPARE(refreshed.size(), 100 / step);
    }

    void secondStartWhileAShotRunsIsIgnored()
    {
        QSignalSpy begin(m_window.get(), &MainWindow::beginRawDataSaving);
        m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotStart, shotStart(1)));
        m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotStart, shotStart(2)));
        QCOMPARE(begin.size(), 1);
        QCOMPARE(m_window->currentShot()->shotNumber(), 1);
    }

    void resultWhileIdleIsIgnored()
    {
        QSignalSpy save(m_window.get(), &MainWindow::saveRawData);
        QTest::ignoreMessage(QtDebugMsg,
                             "Data packet received when not in shotInProgress state. Ignoring.");
        m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotResult, shotResult(1, 0)));
        QCOMPARE(save.size(), 0);
    }

    void watchdogClosesAShotWithoutResult()
    {
        m_window->setShotWatchdogInterval(100);
        QSignalSpy save(m_window.get(), &MainWindow::saveRawData);
        m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotStart, shotStart(1)));
        m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotSamples, samples(0, 1)));
        QTRY_COMPARE_WITH_TIMEOUT(m_window->shotState(), int(MainWindow::Idle), TimeoutMs);
        // The refresh at index 0, then the rows received since, never a final save.
        QCOMPARE(save.size(), 2);
        QCOMPARE(save.at(1).at(1).toBool(), false);
        QVERIFY(button("settingsButton")->isEnabled());
    }

    void statusUpdatesCountersWatchdogAndModules()
    {
        QSignalSpy flags(m_window.get(), &MainWindow::moduleFlagsUpdated);
        m_window->handlePacketFromBU(
            m_packet.load(BUPacket::UnitStatus, unitStatus(120, 100, 7, 0x01, 0x1B)));
        QCOMPARE(label("shotNumber")->text(), QStringLiteral("120"));
        QCOMPARE(label("shotCountOK")->text(), QStringLiteral("93"));
        QCOMPARE(label("shotCountNG")->text(), QStringLiteral("7"));
        QCOMPARE(label("wdtCountLabel")->text(), QStringLiteral("WDT:11"));
        QCOMPARE(flags.size(), 1);
        const QList<bool> moduleFlags = flags.at(0).at(0).value<QList<bool>>();
        QCOMPARE(moduleFlags.size(), 11);
        QCOMPARE(moduleFlags.at(0), true);
        QCOMPARE(moduleFlags.at(1), true);
        QCOMPARE(moduleFlags.at(2), false);
        QVERIFY(button("alarmButton")->isEnabled());
        QVERIFY(button("alarmButton")->styleSheet().contains("red"));
    }

    void alarmButtonFollowsTheStatusByte()
    {
        using MonitoringRules::alarmButtonLook;
        QVERIFY(alarmButtonLook(true, 0x01).enabled);
        QVERIFY(alarmButtonLook(true, 0x01).styleSheet.endsWith("background-color: red;"));
        QVERIFY(!alarmButtonLook(true, 0x00).enabled);
        QVERIFY(alarmButtonLook(true, 0x00).styleSheet.endsWith("background-color: lawngreen;"));
        QVERIFY(!alarmButtonLook(true, 0x81).enabled);
        QVERIFY(alarmButtonLook(true, 0x81)
                    .styleSheet.endsWith("background-color: palette( button );"));
        QVERIFY(!alarmButtonLook(false, 0x01).enabled);
        QCOMPARE(alarmButtonLook(true, 0x00).styleSheet,
                 QStringLiteral(
                     "border: 2px solid silver; border-radius: 3px; background-color: lawngreen;"));
    }

    void diskSpaceThresholds()
    {
        using MonitoringRules::diskState;
        QCOMPARE(diskState(10, 100).label, QStringLiteral("Low"));
        QVERIFY(!diskState(10, 100).saveStopped);
        QCOMPARE(diskState(999, 10000).label, QStringLiteral("Save Stopped"));
        QVERIFY(diskState(999, 10000).saveStopped);
        QCOMPARE(diskState(999, 10000).percent, 9);
        QCOMPARE(diskState(50, 100).label, QStringLiteral("OK"));
        QCOMPARE(diskState(49, 100).styleSheet, QStringLiteral("background-color: orange;"));
    }

    void commandButtonsSendTheirBitsAndShowTheOutcome()
    {
        const QHostAddress address(QStringLiteral("127.0.33.1"));
        AppSettings().setValue("deviceIPAddress", address.toIPv4Address());
        LoopbackPeer unit(address, 50000,
                          [](const QByteArray&) { return QList<QByteArray>{statusReply(0x01)}; });

        label("shotCountOK")->setText("5");
        QTest::mouseClick(button("shotCountClearButton"), Qt::LeftButton);
        QCOMPARE(label("shotCountOK")->text(), QStringLiteral("0"));
        QCOMPARE(label("shotCountNG")->text(), QStringLiteral("0"));

        m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotStart, shotStart(1)));
        QTest::mouseClick(button("abortShotButton"), Qt::LeftButton);
        QCOMPARE(m_window->shotState(), int(MainWindow::Idle));

        m_window->handlePacketFromBU(
            m_packet.load(BUPacket::UnitStatus, unitStatus(1, 1, 0, 0x01, 0x05)));
        QTest::mouseClick(button("alarmButton"), Qt::LeftButton);
        QTest::mouseClick(button("wdtCountClearButton"), Qt::LeftButton);
        QCOMPARE(label("wdtCountLabel")->text(), QStringLiteral("WDT:0"));
        QTest::mouseClick(button("shotNumberResetButton"), Qt::LeftButton);
        QCOMPARE(label("shotNumber")->text(), QString());

        const QList<QByteArray> sent = unit.requests();
        QCOMPARE(sent.size(), 5);
        const auto payload = [](const QByteArray& frame) { return frame.mid(4, frame.size() - 5); };
        QCOMPARE(payload(sent.at(0)), QByteArray::fromHex("010004"));
        QCOMPARE(payload(sent.at(1)), QByteArray::fromHex("010020"));
        QCOMPARE(payload(sent.at(2)), QByteArray::fromHex("010001"));
        QCOMPARE(payload(sent.at(3)), QByteArray::fromHex("010040"));
        QCOMPARE(payload(sent.at(4)), QByteArray::fromHex("010002"));
    }

    void maintenanceModeRestartsShotsAndRecordsNothing()
    {
        const QHostAddress address(QStringLiteral("127.0.33.2"));
        AppSettings().setValue("deviceIPAddress", address.toIPv4Address());
        LoopbackPeer unit(address, 50000,
                          [](const QByteArray&) { return QList<QByteArray>{statusReply(0)}; });
        QTest::mouseClick(button("freerunButton"), Qt::LeftButton);
        QCOMPARE(m_window->operatingMode(), int(MainWindow::MaintenanceMode));
        QCOMPARE(label("modeIndicatorLabel")->text(), QStringLiteral("MAINTENANCE MODE"));
        QVERIFY(button("zeroResetButton")->isEnabled());
        QVERIFY(!button("abortShotButton")->isEnabled());

        QSignalSpy begin(m_window.get(), &MainWindow::beginRawDataSaving);
        QSignalSpy save(m_window.get(), &MainWindow::saveRawData);
        m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotStart, shotStart(1)));
        m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotSamples, samples(0, 1)));
        m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotResult, shotResult(1, 0)));
        QCOMPARE(m_window->shotState(), int(MainWindow::ShotInProgress));
        m_window->handlePacketFromBU(m_packet.load(BUPacket::ShotStart, shotStart(2)));
        QCOMPARE(m_window->currentShot(), m_window->shotDataB());
        QCOMPARE(begin.size(), 0);
        QCOMPARE(save.size(), 0);
        QVERIFY(!button("settingsButton")->isEnabled());

        QTest::mouseClick(button("monitorModeButton"), Qt::LeftButton);
        QCOMPARE(m_window->operatingMode(), int(MainWindow::MonitorMode));
        QCOMPARE(m_window->shotState(), int(MainWindow::Idle));
        QCOMPARE(label("modeIndicatorLabel")->text(), QStringLiteral("MONITOR MODE"));
        const QList<QByteArray> sent = unit.requests();
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent.at(0).mid(4, 3), QByteArray::fromHex("010100"));
        QCOMPARE(sent.at(1).mid(4, 3), QByteArray::fromHex("010000"));
    }

private:
    QPushButton* button(const char* name) const { return m_window->findChild<QPushButton*>(name); }
    QLabel* label(const char* name) const { return m_window->findChild<QLabel*>(name); }

    std::unique_ptr<MainWindow> m_window;
    Packet m_packet;
    QList<UserPrompt::Message> m_prompts;
};

CVO_TEST_MAIN(TestShotHandling)
#include "tst_shothandling.moc"
