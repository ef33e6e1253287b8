#include "AppSettings.h"
#include "BUPacket.h"
#include "DataPort.h"
#include "FirmwareQuery.h"
#include "FrameBuilder.h"
#include "GLPlotArea.h"
#include "GLPlotView.h"
#include "LoopbackPeer.h"
#include "MainWindow.h"
#include "MonitoringRules.h"
#include "SimulatorTestSupport.h"
#include "SimulatorThread.h"
#include "SystemConfig.h"
#include "TestMain.h"
#include "UnitSimulator.h"
#include "UserPrompt.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

namespace {

constexpr int RetryDelayMs = 100;
constexpr int TimeoutMs = 5000;
// How long to watch for something that must not happen: several retry intervals.
constexpr int QuietMs = 6 * RetryDelayMs;
const QString LinkUp = QStringLiteral("background-color: lawngreen;");
const QString LinkDown = QStringLiteral("background-color: red;");

QHostAddress unitAddress(int n)
{
    return QHostAddress(QStringLiteral("127.0.71.%1").arg(n));
}

// The simulated unit, silent on its data port, that can go away and come back on its own
// loopback address; counts the data connections it accepted over all its lives.
class DataUnit
{
public:
    explicit DataUnit(int n) : m_address(unitAddress(n)) { comeBack(); }
    int connections() const
    {
        const UnitSimulator* running = m_unit ? m_unit->simulator() : nullptr;
        return m_earlier + (running ? int(running->statistics().dataClients) : 0);
    }
    void goAway()
    {
        m_earlier = connections();
        m_unit.reset();
    }
    bool comeBack()
    {
        SimulatorOptions options = SimTest::fastUnit(m_address);
        options.faults.silentData = true;
        m_unit = std::make_unique<SimulatorThread>(options);
        return m_unit->startAndWait();
    }

    QHostAddress m_address;

private:
    std::unique_ptr<SimulatorThread> m_unit;
    int m_earlier = 0;
};

// Shot 120, 100 judged of which 7 NG; module 1 counts 11 watchdog resets, modules 1 and 2
// flag 0x10.
QByteArray unitStatus(quint8 statusBits)
{
    return FrameBuilder::payload([&](QDataStream& s) {
        s << qint32(120) << qint32(100) << qint32(7) << quint8(0) << statusBits << quint8(2)
          << qint32(0x40000000) << quint8(0x1B) << quint8(0) << quint8(0) << qint32(0x11000001)
          << quint8(0x10) << quint8(0) << quint8(0);
    });
}

// The control port of a unit that accepts every command.
std::unique_ptr<LoopbackPeer> acceptingUnit(int n)
{
    AppSettings().setValue(SettingKey::DeviceIPAddress, unitAddress(n).toIPv4Address());
    const QByteArray reply = FrameBuilder::frame(BUPacket::UnitStatus, unitStatus(0));
    return std::make_unique<LoopbackPeer>(
        unitAddress(n), 50000, [reply](const QByteArray&) { return QList<QByteArray>{reply}; });
}

// The command payloads sent, without frame header and BCC.
QList<QByteArray> commands(const LoopbackPeer& unit)
{
    QList<QByteArray> payloads;
    for (const QByteArray& frame : unit.requests())
        payloads.append(frame.mid(4, frame.size() - 5).toHex());
    return payloads;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_prompts.clear();
        // A real dialog would block the test: every prompt is answered here.
        UserPrompt::setMessageHandler([this](const UserPrompt::Message& message) {
            m_prompts.append(message);
            return m_answer;
        });
        AppSettings().clear();
        m_window = std::make_unique<MainWindow>(QStringList{"cvo-manager", "-n"});
        SystemConfig config;
        config.setFlag(SystemConfig::AlarmEnabled, true);
        config.addModule(0x11000001);
        m_window->applyConfiguration(config);
    }

    void cleanup()
    {
        m_window.reset();
        UserPrompt::setMessageHandler({});
    }

    void quitAsksAndOnlyYesCloses()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

        m_answer = QMessageBox::No;
        m_window->findChild<QAction*>("actionQuit")->trigger();
        QCOMPARE(m_prompts.size(), 1);
        QVERIFY(m_prompts[0].kind == UserPrompt::MessageKind::Question);
        QVERIFY(m_window->isVisible());

        // Closing from the title bar asks the same question.
        m_answer = QMessageBox::Yes;
        QVERIFY(m_window->close());
        QCOMPARE(m_prompts.size(), 2);
        QVERIFY(!m_window->isVisible());
    }

    void livePlotFocusesAnEnabledChannelAndOffersNoEditTool()
    {
        // Without a focused channel the value axis and the value tools have no scale.
        auto* plot = m_window->findChild<GLPlotView*>("plotView");
        QCOMPARE(plot->focusChannelIndex(), 0);

        // The operator's channel is gone from the next configuration: the first enabled
        // one takes over.
        QTest::mouseClick(m_window->findChild<QWidget*>("channelLabel5"), Qt::LeftButton);
        QCOMPARE(plot->focusChannelIndex(), 5);
        SystemConfig config = m_window->systemConfig();
        config.channelAt(0)->setEnabled(false);
        config.channelAt(5)->setEnabled(false);
        m_window->applyConfiguration(config);
        QCOMPARE(plot->focusChannelIndex(), 1);
        QCOMPARE(m_window->focusChannel(), quint8(1));

        // Viewing tools only: nothing would send an edit on the live plot to the unit.
        const auto tools = plot->findChildren<QActionGroup*>().value(0)->actions();
        QVERIFY(!tools.isEmpty());
        for (QAction* tool : tools)
            QVERIFY(tool->data().toInt() < GLPlotArea::ZoneEditTool);
    }

    void modeButtonsSwitchTheUnitAndTheShotHandling()
    {
        const auto unit = acceptingUnit(10);
        QTest::mouseClick(button("freerunButton"), Qt::LeftButton);
        QCOMPARE(m_window->operatingMode(), int(MainWindow::MaintenanceMode));
        QVERIFY(button("freerunButton")->isChecked() && !button("monitorModeButton")->isChecked());
        QVERIFY(button("zeroResetButton")->isEnabled());
        QVERIFY(!button("abortShotButton")->isEnabled());
        QVERIFY(!button("settingsButton")->isEnabled());

        // A maintenance shot stays open; monitor mode closes it.
        send(BUPacket::ShotStart, QByteArray(18, '\0'));
        QCOMPARE(m_window->shotState(), int(MainWindow::ShotInProgress));
        QTest::mouseClick(button("monitorModeButton"), Qt::LeftButton);
        QCOMPARE(m_window->operatingMode(), int(MainWindow::MonitorMode));
        QCOMPARE(m_window->shotState(), int(MainWindow::Idle));
        QVERIFY(button("monitorModeButton")->isChecked() && !button("freerunButton")->isChecked());
        QVERIFY(!button("zeroResetButton")->isEnabled());
        QVERIFY(button("abortShotButton")->isEnabled());
        QVERIFY(button("settingsButton")->isEnabled());
        QCOMPARE(commands(*unit), (QList<QByteArray>{"010100", "010000"}));
    }

    // A mode the unit did not confirm stays unchanged on the PC too, and the operator is
    // told once.
    void modeStaysWhenTheUnitDoesNotConfirm_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("silent");
        QTest::newRow("refused") << 21 << false;
        QTest::newRow("no answer") << 22 << true;
    }

    void modeStaysWhenTheUnitDoesNotConfirm()
    {
        QFETCH(int, n);
        QFETCH(bool, silent);
        SimulatorThread unit(SimTest::fastUnit(unitAddress(n)));
        QVERIFY(unit.startAndWait());
        AppSettings().setValue(SettingKey::DeviceIPAddress, unitAddress(n).toIPv4Address());
        unit.simulator()->setFaults({.silentControl = silent, .refuseControl = !silent});

        QTest::mouseClick(button("freerunButton"), Qt::LeftButton);
        QCOMPARE(m_window->operatingMode(), int(MainWindow::MonitorMode));
        QVERIFY(button("monitorModeButton")->isChecked() && !button("freerunButton")->isChecked());
        QCOMPARE(m_prompts.size(), 1);
        QCOMPARE(m_prompts[0].title, QStringLiteral("Communication Failure"));
    }

    // Closing the data viewer hands each channel's average (as the reference) and its
    // limits (as the monitoring band) to the live plot.
    void viewerHandsItsWaveformsToTheLivePlot()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("all_1.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Time:2024/01/02 03:04:05.0 Elapsed Time Since Last Shot:0ms\n"
                   "Observation Period:1s Sampling Interval:10ms\nShot:1\nModule  1:ZRA\n"
                   "Data Attribute:1,10,P\n" +
                   QByteArray(40, '=') + "\nElapsed Time,1:Gate\n");
        for (int r = 0; r < 101; ++r)
            file.write(QByteArray::number(r * 0.01) + "," + QByteArray::number(r * 0.5) + "\n");
        file.close();
        UserPrompt::setFileHandler([&](const UserPrompt::FileRequest&) { return file.fileName(); });
        QTimer::singleShot(0, m_window.get(), [this] {
            auto* viewer = m_window->findChild<QDialog*>("dataViewerWindow");
            viewer->findChild<QPushButton*>("openDataFileButton")->click();
            viewer->findChild<QPushButton*>("closeButton")->click();
        });
        QTest::mouseClick(button("viewerButton"), Qt::LeftButton);
        UserPrompt::setFileHandler({});
        const GLPlotData* live = m_window->findChild<GLPlotView*>("plotView")->channel(0);
        const GLPlotView* viewer =
            m_window->findChild<QDialog*>("dataViewerWindow")->findChild<GLPlotView*>();
        QCOMPARE(live->referenceWaveform().size(), 101);
        QCOMPARE(live->referenceWaveform(), viewer->average(0));
        QCOMPARE(live->upperLimit().size(), 101);
        QCOMPARE(live->upperLimit(), viewer->upperLimit(0));
        QCOMPARE(live->lowerLimit(), viewer->lowerLimit(0));
    }

    void commandButtonsSendTheirBits()
    {
        const auto unit = acceptingUnit(11);
        QTest::mouseClick(button("shotCountClearButton"), Qt::LeftButton);
        send(BUPacket::ShotStart, QByteArray(18, '\0'));
        QTest::mouseClick(button("abortShotButton"), Qt::LeftButton);
        QCOMPARE(m_window->shotState(), int(MainWindow::Idle));
        send(BUPacket::UnitStatus, unitStatus(0x01)); // the alarm button is live
        QTest::mouseClick(button("alarmButton"), Qt::LeftButton);
        QTest::mouseClick(button("wdtCountClearButton"), Qt::LeftButton);
        QTest::mouseClick(button("shotNumberResetButton"), Qt::LeftButton);
        QCOMPARE(commands(*unit),
                 (QList<QByteArray>{"010004", "010020", "010001", "010040", "010002"}));

        // The I/O test runs with the unit in its test mode and leaves it in monitor mode.
        QTimer::singleShot(0, m_window.get(), [this] {
            if (auto* dialog = m_window->findChild<QDialog*>("ioTestDialog"))
                dialog->reject();
        });
        m_window->findChild<QAction*>("actionIOTest")->trigger();
        const QList<QByteArray> test = commands(*unit).mid(5);
        QVERIFY(test.size() >= 2);
        QCOMPARE(test.first(), QByteArray("010200"));
        QCOMPARE(test.last(), QByteArray("010000"));
    }

    void unitStatusShowsCountersModulesAndAlarm()
    {
        QSignalSpy flags(m_window.get(), &MainWindow::moduleFlagsUpdated);
        send(BUPacket::UnitStatus, unitStatus(0x01)); // alarm on
        QCOMPARE(text("shotNumber"), QStringLiteral("120"));
        QCOMPARE(text("shotCountOK"), QStringLiteral("93"));
        QCOMPARE(text("shotCountNG"), QStringLiteral("7"));
        QCOMPARE(text("wdtCountLabel"), QStringLiteral("WDT:11"));
        QCOMPARE(flags.size(), 1);
        const QList<bool> moduleFlags = flags.at(0).at(0).value<QList<bool>>();
        QCOMPARE(moduleFlags.size(), 11);
        QCOMPARE(moduleFlags.mid(0, 3), (QList<bool>{true, true, false}));
        QVERIFY(button("alarmButton")->isEnabled());
        QVERIFY(button("alarmButton")->styleSheet().endsWith("background-color: red;"));
        // Bit 7 set: the unit's alarm state is not known.
        QVERIFY(!MonitoringRules::alarmButtonLook(true, 0x81).enabled);
        QVERIFY(!MonitoringRules::alarmButtonLook(false, 0x01).enabled);
    }

    // The re-read after a unit reset runs the event loop; resets reported meanwhile wait
    // and bring one more re-read, not one each inside the first.
    void resetsDuringTheReReadBringOneMore()
    {
        const QHostAddress address = unitAddress(24);
        SimulatorOptions options = SimTest::fastUnit(address);
        options.faults.silentData = true;
        SimulatorThread unit(options);
        QVERIFY(unit.startAndWait());
        AppSettings().setValue(SettingKey::DeviceIPAddress, address.toIPv4Address());
        SimTest::FirmwareTypeGuard firmware(readFirmwareType());
        const QByteArray reset = unitStatus(BUPayload::UnitStatus::UnitResetBit);
        int rereads = 0;
        UserPrompt::setMessageHandler([&](const UserPrompt::Message& message) {
            if (message.title == QStringLiteral("Equipment Reset Detected") && ++rereads == 1) {
                send(BUPacket::UnitStatus, reset);
                send(BUPacket::UnitStatus, reset);
            }
            return QMessageBox::Ok;
        });

        send(BUPacket::UnitStatus, reset);
        QCOMPARE(rereads, 2);
        QVERIFY(m_window->isUnitOnline());
        QVERIFY(!m_window->packetsSuspended());
    }

    void diskStateStopsSavingBelowTenPercent()
    {
        using MonitoringRules::diskState;
        QVERIFY(diskState(999, 10000).saveStopped);
        QVERIFY(diskState(0, 0).saveStopped); // no volume to write to
        QVERIFY(!diskState(10, 100).saveStopped);
        QCOMPARE(diskState(49, 100).label, QStringLiteral("Low"));
        QCOMPARE(diskState(50, 100).label, QStringLiteral("OK"));
    }

    void lostLinkIsRetriedUntilTheUnitListensAgain()
    {
        DataUnit unit(1);
        m_window = startWindow(unit, false);
        QVERIFY(m_window);
        // Started with -n: no attempt until CONNECT.
        QTest::qWait(QuietMs);
        QCOMPARE(unit.connections(), 0);
        QTest::mouseClick(button("connectButton"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(dataLink(), LinkUp, TimeoutMs);
        QCOMPARE(unit.connections(), 1);

        unit.goAway();
        QTRY_COMPARE_WITH_TIMEOUT(dataLink(), LinkDown, TimeoutMs);
        QTest::qWait(QuietMs); // refused attempts meanwhile
        QVERIFY(unit.comeBack());
        QTRY_COMPARE_WITH_TIMEOUT(dataLink(), LinkUp, TimeoutMs);
        QTest::qWait(QuietMs);
        QCOMPARE(unit.connections(), 2);
    }

    void retryIsScheduledOnceAndCancelledByLinkUp()
    {
        DataUnit unit(4);
        m_window = startWindow(unit, true);
        QVERIFY(m_window);
        QTRY_COMPARE_WITH_TIMEOUT(dataLink(), LinkUp, TimeoutMs);
        auto* port = m_window->findChild<DataPort*>();

        // CONNECT pressed before the retry came due: the retry would tear the new link down.
        // The shot in progress gets no result over a new connection: it is cut off.
        send(BUPacket::ShotStart, QByteArray(18, '\0'));
        Q_EMIT port->linkUpdate(false);
        QCOMPARE(m_window->shotState(), int(MainWindow::Idle));
        Q_EMIT port->linkUpdate(true);
        QTest::qWait(QuietMs);
        QCOMPARE(unit.connections(), 1);

        // Several loss reports in a row still make one attempt.
        Q_EMIT port->linkUpdate(false);
        Q_EMIT port->linkUpdate(false);
        QTRY_COMPARE_WITH_TIMEOUT(unit.connections(), 2, TimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(dataLink(), LinkUp, TimeoutMs);
        QTest::qWait(QuietMs);
        QCOMPARE(unit.connections(), 2);
    }

    void goingOfflineCancelsThePendingRetryAndStopsRetrying()
    {
        DataUnit unit(3);
        m_window = startWindow(unit, true);
        QVERIFY(m_window);
        QTRY_COMPARE_WITH_TIMEOUT(dataLink(), LinkUp, TimeoutMs);

        Q_EMIT m_window->findChild<DataPort*>()->linkUpdate(false); // a retry is now due
        m_window->setUnitOnline(false);
        QTest::qWait(QuietMs);
        QCOMPARE(unit.connections(), 1);

        unit.goAway(); // a loss while offline
        QTest::qWait(QuietMs);
        QVERIFY(unit.comeBack());
        QTest::qWait(QuietMs);
        QCOMPARE(unit.connections(), 1);
    }

    // The configured folder is missing (an unmounted drive): the folder in use serves the
    // disk check and the reference dialog, and the configured one is never made. A failed
    // write turns the indicator red with its cause until a shot is recorded again.
    void recordsOnlyIntoTheFolderInUseAndShowsFailures()
    {
        AppSettings().setValue(SettingKey::DataPath, QDir::homePath() + QStringLiteral("/mnt/x"));
        m_window = std::make_unique<MainWindow>(QStringList{"cvo-manager", "-n"});
        QString opened;
        UserPrompt::setFileHandler([&opened](const UserPrompt::FileRequest& request) {
            opened = request.directory;
            return QString();
        });
        m_window->checkDiskSpace();
        m_window->findChild<QAction*>("actionOpenReferenceFile")->trigger();
        UserPrompt::setFileHandler({});
        QCOMPARE(opened, m_window->dataFolder());
        QVERIFY(!QFileInfo::exists(QDir::homePath() + QStringLiteral("/mnt")));

        QLabel* recording = m_window->findChild<QLabel*>("recordingStatusLabel");
        const QString normal = recording->styleSheet();
        // Retried: the recorder may be writing the start's machine log header.
        QTRY_VERIFY_WITH_TIMEOUT(QDir(m_window->dataFolder()).removeRecursively(), TimeoutMs);
        for (bool folder : {false, true}) {
            send(BUPacket::ShotStart, QByteArray(18, '\0'));
            send(BUPacket::ShotResult, QByteArray(98, '\0'));
            QTRY_COMPARE_WITH_TIMEOUT(recording->styleSheet() == normal, folder, TimeoutMs);
            QCOMPARE(recording->toolTip().contains(m_window->dataFolder()), !folder);
            QVERIFY(QDir().mkpath(m_window->dataFolder()));
        }
    }

private:
    // Shown and pointed at the unit; started without the unit session (which needs the
    // control port too), then "CONNECT" when asked.
    std::unique_ptr<MainWindow> startWindow(const DataUnit& unit, bool connect)
    {
        AppSettings().setValue(SettingKey::DeviceIPAddress, unit.m_address.toIPv4Address());
        auto window = std::make_unique<MainWindow>(QStringList{"cvo-manager", "-n"});
        window->setReconnectDelay(RetryDelayMs);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            return nullptr;
        if (connect)
            QTest::mouseClick(window->findChild<QPushButton*>("connectButton"), Qt::LeftButton);
        return window;
    }

    void send(int type, const QByteArray& payload)
    {
        m_window->handlePacketFromBU(FrameBuilder::decode(m_packet, type, payload));
    }

    QPushButton* button(const char* name) const { return m_window->findChild<QPushButton*>(name); }
    QString text(const char* label) const { return m_window->findChild<QLabel*>(label)->text(); }
    QString dataLink() const
    {
        return m_window->findChild<QLabel*>("dataStatusLabel")->styleSheet();
    }

    std::unique_ptr<MainWindow> m_window;
    BUPacket m_packet;
    QList<UserPrompt::Message> m_prompts;
    QMessageBox::StandardButton m_answer = QMessageBox::No;
};

CVO_TEST_MAIN(TestMainWindow)

#include "tst_mainwindow.moc"
