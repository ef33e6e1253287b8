// The main window against the simulated unit on its own thread: the first contact, live
// shots, a unit reset, the offline start and the matching of settings files.

#include "AppSettings.h"
#include "ChannelConfig.h"
#include "FirmwareInfo.h"
#include "LogCapture.h"
#include "MachineStandIn.h"
#include "MainWindow.h"
#include "ModuleConfigBase.h"
#include "MoldConfigWindow.h"
#include "MoldSettingsFile.h"
#include "SettingsMatcher.h"
#include "ShotData.h"
#include "SimulatorTestSupport.h"
#include "SimulatorThread.h"
#include "SystemConfig.h"
#include "TestMain.h"
#include "TimeEditSpinBox.h"
#include "UnitSimulator.h"
#include "UnitState.h"
#include "UserPrompt.h"
#include "ValueEditSpinBox.h"
#include "ZoneEditorWidget.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Shots arrive within a second of the data link; a fault shows as a failed wait in
// seconds, well before the test program's own time-out.
constexpr int TimeoutMs = 8000;

QHostAddress unitAddress(int n)
{
    return QHostAddress(QStringLiteral("127.0.60.%1").arg(n));
}

SimulatorOptions fastUnit(const QHostAddress& address)
{
    SimulatorOptions options = SimTest::fastUnit(address);
    options.config.setName(QStringLiteral("E2E"));
    return options;
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_prompts.clear();
        UserPrompt::setMessageHandler([this](const UserPrompt::Message& m) {
            m_prompts.append(m);
            return QMessageBox::Ok;
        });
        m_settingsFolder = std::make_unique<QTemporaryDir>();
        AppSettings().clear();
        AppSettings().setValue("settingsPath", m_settingsFolder->path());
    }

    void cleanup()
    {
        m_window.reset();
        UserPrompt::setMessageHandler({});
        SettingsMatcher::setChooser({});
        resetFirmwareType();
    }

    void firstContactThenShotsInAlternatingBuffers()
    {
        SimulatorThread unit(fastUnit(unitAddress(1)));
        QVERIFY(unit.startAndWait());
        LogCapture log;
        startWindow(unitAddress(1));
        QSignalSpy begin(m_window.get(), &MainWindow::beginRawDataSaving);
        QSignalSpy finals(m_window.get(), &MainWindow::saveRawData);
        // Counted when each shot ends: the buffer is refilled two shots later.
        QList<qsizetype> endedSampleCounts;
        connect(m_window.get(), &MainWindow::shotEnded, this,
                [&](ShotData* shot) { endedSampleCounts.append(shot->channel(0)->sampleCount()); });

        QTRY_VERIFY_WITH_TIMEOUT(begin.size() >= 3, TimeoutMs);
        // The first contact in order: firmware, configuration, clock, then the data link.
        const int firmware = log.indexOf("Start to read the firmware type...");
        const int matched = log.indexOf("CONFIG MATCHED.");
        const int saved = log.indexOf("Firmware type: standard");
        const int clock = log.indexOf("BU Clock synchronize");
        const int data = log.indexOf("Data Connection Established.");
        QVERIFY(firmware >= 0 && saved > firmware);
        QVERIFY2(matched < 0, "no file yet: the unit's configuration is saved, not matched");
        QVERIFY(clock > saved && data > clock);
        QVERIFY(QFile::exists(m_settingsFolder->path() + "/E2E.xml"));

        ShotData* first = begin.at(0).at(0).value<ShotData*>();
        ShotData* second = begin.at(1).at(0).value<ShotData*>();
        ShotData* third = begin.at(2).at(0).value<ShotData*>();
        QVERIFY(first != second);
        QCOMPARE(first, third);
        QCOMPARE(m_window->systemConfig().channelCount(), 8);
        QCOMPARE(second->channelCount(), 8);
        QVERIFY(!endedSampleCounts.isEmpty());
        for (qsizetype count : std::as_const(endedSampleCounts))
            QVERIFY(count >= 200); // one second at 5 ms, and the last
        QVERIFY(std::any_of(finals.cbegin(), finals.cend(),
                            [](const QList<QVariant>& call) { return call.at(1).toBool(); }));

        // Counters follow the unit's status.
        const qint32 lastShot = qint32(unit.simulator()->statistics().lastShotNumber.load());
        QTRY_VERIFY_WITH_TIMEOUT(label("shotNumber")->text().toInt() >= lastShot, TimeoutMs);
        QVERIFY(label("shotCountOK")->text().toInt() + label("shotCountNG")->text().toInt() >= 1);
    }

    // The unit keeps its data link and streams on while the reset message is shown: every
    // shot it completes still reaches the files, in order.
    void unitResetRereadsTheConfiguration()
    {
        SimulatorThread unit(fastUnit(unitAddress(2)));
        QVERIFY(unit.startAndWait());
        LogCapture log;
        startWindow(unitAddress(2));
        QTRY_VERIFY_WITH_TIMEOUT(m_window->currentShot() != nullptr, TimeoutMs);
        QList<qint32> recorded;
        QList<qint32> completed; // the shot cut off by the reset is not among them
        QObject scope;           // ends the connections with the lists
        connect(m_window.get(), &MainWindow::saveRawData, &scope, [&](ShotData* shot, bool final) {
            if (final)
                recorded.append(shot->shotNumber());
        });
        connect(
            unit.simulator(), &UnitSimulator::shotCompleted, &scope,
            [&](qint32 number) { completed.append(number); }, Qt::QueuedConnection);
        UserPrompt::setMessageHandler([this](const UserPrompt::Message& m) {
            m_prompts.append(m);
            if (m.autoCloseMs > 0)
                QTest::qWait(600); // the message stays up while shots go on
            return QMessageBox::Ok;
        });
        QTRY_VERIFY_WITH_TIMEOUT(!recorded.isEmpty(), TimeoutMs);

        unit.simulator()->reportUnitReset();
        QTRY_VERIFY_WITH_TIMEOUT(log.count("Reloading configuration from BU...") == 1, TimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(log.count("CONFIG MATCHED.") == 1,
                                 TimeoutMs); // the file of the first read
        const auto reset =
            std::find_if(m_prompts.cbegin(), m_prompts.cend(), [](const UserPrompt::Message& m) {
                return m.title == QStringLiteral("Equipment Reset Detected");
            });
        QVERIFY(reset != m_prompts.cend());
        QCOMPARE(reset->autoCloseMs, 5000);
        QVERIFY(m_window->isUnitOnline());
        const qint32 afterReset = qint32(unit.simulator()->statistics().lastShotNumber.load()) + 3;
        QTRY_VERIFY_WITH_TIMEOUT(!recorded.isEmpty() && recorded.last() >= afterReset, TimeoutMs);
        QVERIFY(!completed.isEmpty());
        QList<qint32> got = recorded;
        got.removeIf([&](qint32 number) { return number < completed.first(); });
        // The simulator's reports are queued: wait until it has told of every shot recorded.
        QTRY_VERIFY_WITH_TIMEOUT(completed.size() >= got.size(), TimeoutMs);
        QCOMPARE(got, completed.first(got.size()));
    }

    void unreachableUnitShowsTheLastFileOffline()
    {
        SystemConfig fileConfig;
        fileConfig.addModule(0x02000007);
        fileConfig.addModule(0x11000008);
        const QString path = m_settingsFolder->path() + "/LAST.xml";
        QCOMPARE(MoldSettingsFile::write(fileConfig, path), MoldSettingsFile::Status::Ok);
        AppSettings().setValue("lastMoldFile", path);

        startWindow(unitAddress(3)); // nothing listens there
        QTRY_VERIFY_WITH_TIMEOUT(m_window->shotState() == MainWindow::Offline, TimeoutMs);
        QVERIFY(std::any_of(m_prompts.cbegin(), m_prompts.cend(), [](const UserPrompt::Message& m) {
            return m.title == QStringLiteral("Can not connect to control port of the equipment");
        }));
        QCOMPARE(m_window->systemConfig().channelCount(), 12);
        QVERIFY(m_window->packetsSuspended());
        QVERIFY(!m_window->isUnitOnline());
        for (const char* name : {"freerunButton", "monitorModeButton", "abortShotButton",
                                 "shotNumberResetButton", "shotCountClearButton"})
            QVERIFY2(!button(name)->isEnabled(), name);
        for (const char* name : {"settingsButton", "loadReferenceButton", "viewerButton"})
            QVERIFY2(button(name)->isEnabled(), name);
        QVERIFY(!m_window->findChild<QAction*>("actionIOTest")->isEnabled());
    }

    void differingFileLetsTheOperatorChoose_data()
    {
        QTest::addColumn<bool>("overwriteFile");
        QTest::newRow("Overwrite File") << true;
        QTest::newRow("Overwrite Equipment") << false;
    }

    void differingFileLetsTheOperatorChoose()
    {
        QFETCH(bool, overwriteFile);
        const SimulatorOptions options = fastUnit(unitAddress(4));
        SystemConfig fileConfig = options.config;
        Zone zone = fileConfig.channelAt(2)->zone1();
        zone.upper = quint16(zone.upper + 17);
        fileConfig.channelAt(2)->setZone1(zone);
        const QString path = m_settingsFolder->path() + "/E2E.xml";
        QCOMPARE(MoldSettingsFile::write(fileConfig, path), MoldSettingsFile::Status::Ok);
        int asked = 0;
        SettingsMatcher::setChooser([&](QWidget*, const QString& name) {
            ++asked;
            return name == QStringLiteral("E2E") && overwriteFile
                       ? SettingsMatcher::Choice::OverwriteFile
                       : SettingsMatcher::Choice::OverwriteEquipment;
        });

        SimulatorThread unit(options);
        QVERIFY(unit.startAndWait());
        startWindow(unitAddress(4));
        QTRY_VERIFY_WITH_TIMEOUT(m_window->currentShot() != nullptr, TimeoutMs);
        QCOMPARE(asked, 1);
        const quint16 expected =
            overwriteFile ? options.config.channelAt(2)->zone1().upper : zone.upper;
        QCOMPARE(m_window->systemConfig().channelAt(2)->zone1().upper, expected);
        // The side that was overwritten now holds the other's value.
        const auto reread = MoldSettingsFile::read(path);
        QVERIFY(reread.config);
        QCOMPARE(reread.config->channelAt(2)->zone1().upper, expected);
        SystemConfig unitSide;
        unit.call([&](UnitSimulator& sim) { unitSide = sim.state().config(); });
        QCOMPARE(unitSide.channelAt(2)->zone1().upper, expected);
    }

    void fileWithOtherModulesLeavesTheFileAlone()
    {
        SystemConfig fileConfig;
        fileConfig.addModule(0x03000001);
        const QString path = m_settingsFolder->path() + "/E2E.xml";
        QCOMPARE(MoldSettingsFile::write(fileConfig, path), MoldSettingsFile::Status::Ok);
        const QByteArray before = readAll(path);
        int asked = 0;
        SettingsMatcher::setChooser([&](QWidget*, const QString&) {
            return ++asked, SettingsMatcher::Choice::OverwriteFile;
        });

        SimulatorThread unit(fastUnit(unitAddress(5)));
        QVERIFY(unit.startAndWait());
        startWindow(unitAddress(5));
        QTRY_VERIFY_WITH_TIMEOUT(m_window->currentShot() != nullptr, TimeoutMs);
        QCOMPARE(asked, 0);
        QCOMPARE(m_window->systemConfig().channelCount(), 8);
        QCOMPARE(readAll(path), before);
    }

    void everyShotLeavesFilesAndTheMachinesAnswers()
    {
        QTemporaryDir portFolder;
        MachineOptions machineOptions;
        machineOptions.linkPath = portFolder.path() + "/machine";
        MachineStandIn machine(machineOptions);
        QVERIFY(machine.start());
        AppSettings().setValue("moldMachineSerialPort", machineOptions.linkPath);
        QFile table(m_settingsFolder->path() + "/Mold_Machine.csv");
        QVERIFY(table.open(QIODevice::WriteOnly));
        table.write("SHOT,Machine shot\nPMAX,Peak pressure\n");
        table.close();

        // Real time: half a second between shots lets the machine answer before the next
        // shot starts, also on a busy or sanitized build.
        SimulatorOptions options = fastUnit(unitAddress(6));
        options.speed = 1;
        SimulatorThread unit(options);
        QVERIFY(unit.startAndWait());
        startWindow(unitAddress(6));
        QTRY_VERIFY_WITH_TIMEOUT(filesNamed("all_E2E_*p.csv").size() >= 2, TimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(
            readAll(filesNamed("log_E2E_*p.csv").value(0)).contains(", OK, ") ||
                readAll(filesNamed("log_E2E_*p.csv").value(0)).contains(", NG, "),
            TimeoutMs);
        // The machine log: its header names the table's records, each shot a line of answers.
        QTRY_VERIFY_WITH_TIMEOUT(readAll(filesNamed("log_??????.csv").value(0)).contains(", 138.6"),
                                 TimeoutMs);
        const QByteArray machineLog = readAll(filesNamed("log_??????.csv").value(0));
        QVERIFY(machineLog.contains("Time, Shot, Machine shot, Peak pressure"));
        QVERIFY(machineLog.contains(", 15234, 138.6"));
        machine.stop();
    }

    void editedZoneReachesTheUnitAndItsJudgement()
    {
        // Nothing monitored: every shot is OK until the edit.
        SimulatorOptions options = fastUnit(unitAddress(7));
        for (int c = 0; c < options.config.channelCount(); ++c) {
            ChannelConfig& channel = *options.config.channelAt(c);
            for (int zone : {ChannelConfig::Zone1, ChannelConfig::Zone2, ChannelConfig::EjectZone})
                channel.setZone(zone, Zone{0, 0, 0, 0, false, false});
            channel.setPoint(TSec{0, 0, 0, false});
            channel.setPeakTime(TimeRange{0, 0, false});
            channel.setIntegral(ValueRange{0, 0, false});
            channel.setPeakIntegral(ValueRange{0, 0, false});
            channel.setSlope(Slope{0, 0, 0, 0, false});
        }
        SimulatorThread unit(options);
        QVERIFY(unit.startAndWait());
        startWindow(unitAddress(7));
        // The day's shot log is shared with earlier cases: read this window's part only.
        const auto thisSession = [this] {
            const QByteArray log = readAll(filesNamed("log_E2E_*p.csv").value(0));
            return log.mid(log.lastIndexOf("CVO Manager started."));
        };
        QTRY_VERIFY_WITH_TIMEOUT(thisSession().contains(", OK, "), TimeoutMs);
        QVERIFY(!thisSession().contains(", NG, "));

        // The operator narrows zone 1 of the first channel to 1 count over the whole
        // (1 s) period, so the next shot's peak lies above it, and saves.
        MoldConfigWindow* editor = m_window->moldConfigWindow();
        Zone tight;
        QTimer::singleShot(0, editor, [&] {
            auto* tree = editor->findChild<QTreeWidget*>("systemTreeWidget");
            tree->setCurrentItem(tree->topLevelItem(0)->child(0)->child(0));
            auto* zone = editor->findChild<ZoneEditorWidget*>("zone1Editor");
            zone->setChecked(true);
            zone->endBox()->setCount(100);
            zone->startBox()->setCount(0);
            zone->lowerBox()->setCount(0);
            zone->upperBox()->setCount(1);
            tight = zone->value();
            editor->findChild<QPushButton*>("saveButton")->click();
        });
        QMetaObject::invokeMethod(m_window.get(), "on_settingsButton_clicked");
        QCOMPARE(m_window->systemConfig().channelAt(0)->zone1(), tight);
        QVERIFY(readAll(m_settingsFolder->path() + "/E2E.xml").contains("<zone1"));

        Zone held;
        unit.call([&](UnitSimulator& s) { held = s.state().config().channelAt(0)->zone1(); });
        QCOMPARE(held, tight);
        const auto judgedAfterEdit = [&] {
            const QByteArray log = thisSession();
            const qsizetype edit = log.indexOf("System configuration modified.");
            return edit >= 0 && log.indexOf(", NG, , Z1, ", edit) > edit;
        };
        QTRY_VERIFY2_WITH_TIMEOUT(judgedAfterEdit(), thisSession().left(3000).constData(),
                                  TimeoutMs);
    }

private:
    QStringList filesNamed(const QString& pattern) const
    {
        QStringList found;
        for (const QFileInfo& folder :
             QDir(m_window->dataFolder()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
            for (const QFileInfo& file :
                 QDir(folder.filePath()).entryInfoList({pattern}, QDir::Files))
                found.append(file.filePath());
        return found;
    }

    void startWindow(const QHostAddress& address)
    {
        AppSettings().setValue("deviceIPAddress", address.toIPv4Address());
        m_window = std::make_unique<MainWindow>(QStringList{"cvo-manager"});
        m_window->setQuitHandler([] { QFAIL("the application must not quit"); });
        m_window->show();
    }

    static QByteArray readAll(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QPushButton* button(const char* name) const { return m_window->findChild<QPushButton*>(name); }
    QLabel* label(const char* name) const { return m_window->findChild<QLabel*>(name); }

    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<QTemporaryDir> m_settingsFolder;
    QList<UserPrompt::Message> m_prompts;
};

CVO_TEST_MAIN(TestEndToEnd)
#include "tst_e2e_monitoring.moc"
