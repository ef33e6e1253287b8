#include "AppSettings.h"
#include "DataPort.h"
#include "FrameBuilder.h"
#include "LogCapture.h"
#include "MainWindow.h"
#include "TestMain.h"
#include "UserPrompt.h"

#include <QAction>
#include <QActionGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

constexpr int RetryDelayMs = 100;
constexpr int TimeoutMs = 5000;
// How long to watch for something that must not happen: several retry intervals.
constexpr int QuietMs = 6 * RetryDelayMs;
const QString LinkUp = QStringLiteral("background-color: lawngreen;");
const QString LinkDown = QStringLiteral("background-color: red;");
const QString RetryLog = QStringLiteral("Trying DataPort reconnection");

// The unit's end of the data port on its own loopback address: counts connections.
class UnitStandIn : public QObject
{
public:
    explicit UnitStandIn(int n) : m_address(QStringLiteral("127.0.31.%1").arg(n))
    {
        m_server.listen(m_address, 0);
        m_port = m_server.serverPort();
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            delete m_client;
            m_client = m_server.nextPendingConnection();
            ++m_connections;
        });
    }
    int connections() const { return m_connections; }
    void send(const QByteArray& bytes) { m_client->write(bytes); }
    void dropConnection()
    {
        delete m_client;
        m_client = nullptr;
    }
    void goAway()
    {
        m_server.close();
        dropConnection();
    }
    bool comeBack() { return m_server.listen(m_address, m_port); }

    QHostAddress m_address;
    QTcpServer m_server;
    QTcpSocket* m_client = nullptr;
    quint16 m_port = 0;
    int m_connections = 0;
};

QLabel* dataLabel(const MainWindow& window)
{
    return window.findChild<QLabel*>("dataStatusLabel");
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void formCarriesTheNamesTextsAndShortcuts();
    void debugButtonsFollowTheDebugSwitch_data();
    void debugButtonsFollowTheDebugSwitch();
    void quitAsksAndOnlyYesCloses();

    void noConnectStartMakesNoAttemptUntilConnectIsClicked();
    void lostLinkIsRetriedUntilTheUnitListensAgain();
    void offlineUnitIsNotRetried();
    void retryIsScheduledOnceAndCancelledByLinkUp();
    void ackAndNakFromTheUnitAreLogged();

private:
    // Shown and pointed at the stand-in through the settings store, as at a real start.
    std::unique_ptr<MainWindow> startWindow(const UnitStandIn& unit, const QStringList& switches);
    // Started without the unit session (which needs the command port too), then "CONNECT".
    std::unique_ptr<MainWindow> startConnectedWindow(const UnitStandIn& unit);

    QList<UserPrompt::Message> m_prompts;
    QMessageBox::StandardButton m_answer = QMessageBox::No;
};

void TestMainWindow::init()
{
    m_prompts.clear();
    // A real dialog would block the test: every prompt is answered here.
    UserPrompt::setMessageHandler([this](const UserPrompt::Message& message) {
        m_prompts.append(message);
        return m_answer;
    });
    AppSettings().clear();
}

void TestMainWindow::cleanup()
{
    UserPrompt::setMessageHandler({});
}

std::unique_ptr<MainWindow> TestMainWindow::startWindow(const UnitStandIn& unit,
                                                        const QStringList& switches)
{
    AppSettings().setValue("deviceIPAddress", unit.m_address.toIPv4Address());
    auto window = std::make_unique<MainWindow>(QStringList{"cvo-manager"} + switches);
    window->setReconnectDelay(RetryDelayMs);
    window->findChild<DataPort*>()->setPort(unit.m_port);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        return nullptr;
    }
    return window;
}

std::unique_ptr<MainWindow> TestMainWindow::startConnectedWindow(const UnitStandIn& unit)
{
    auto window = startWindow(unit, {"-n"});
    if (window)
        QTest::mouseClick(window->findChild<QPushButton*>("connectButton"), Qt::LeftButton);
    return window;
}

void TestMainWindow::formCarriesTheNamesTextsAndShortcuts()
{
    MainWindow w({"cvo-manager", "-n"});
    QCOMPARE(w.windowTitle(), "Cavo Monitoring System");
    QCOMPARE(w.size(), QSize(1230, 799));
    QCOMPARE(QCoreApplication::applicationVersion(), "11.10.43");

    const QList<QPair<QString, QString>> buttons = {{"alarmButton", "ALARM"},
                                                    {"shotNumberResetButton", "Reset"},
                                                    {"shotCountClearButton", "Clear"},
                                                    {"monitorModeButton", "MONITOR MODE"},
                                                    {"freerunButton", "MAINTENANCE MODE"},
                                                    {"zeroResetButton", "ZERO RESET"},
                                                    {"settingsButton", "SETTINGS"},
                                                    {"loadReferenceButton", "LOAD REFERENCE"},
                                                    {"viewerButton", "DATA VIEWER"},
                                                    {"abortShotButton", "ABORT SHOT"},
                                                    {"connectButton", "CONNECT"},
                                                    {"debugButton", "Debug"},
                                                    {"debug2Button", "Debug2"},
                                                    {"wdtCountClearButton", "Clear"}};
    for (const auto& [name, text] : buttons) {
        auto* button = w.findChild<QPushButton*>(name);
        QVERIFY2(button, qPrintable(name));
        QCOMPARE(button->text(), text);
    }
    const QList<QPair<QString, QString>> labels = {
        {"shotNumber", "0"},       {"shotCountOK", "0"},
        {"shotCountNG", "0"},      {"modeIndicatorLabel", "MONITOR MODE"},
        {"diskStatusLabel", ""},   {"dataStatusLabel", "Data"},
        {"mmcStatusLabel", "Mmc"}, {"wdtCountLabel", "WDT:0"}};
    for (const auto& [name, text] : labels) {
        auto* label = w.findChild<QLabel*>(name);
        QVERIFY2(label, qPrintable(name));
        QCOMPARE(label->text(), text);
    }
    for (const char* name : {"systemStatusWidget", "plotView", "diskSpaceProgressBar"}) {
        QVERIFY2(w.findChild<QWidget*>(name), name);
    }
    QCOMPARE(w.findChild<QScrollArea*>("channelDetailsScrollArea")->widget()->objectName(),
             "channelDetailsView");
    QCOMPARE(w.findChild<QGroupBox*>("diskStatusGroupBox")->title(), "Disk Space");
    QVERIFY(w.styleSheet().startsWith("QGroupBox{ margin-top: 1.2ex;"));

    QStringList menus;
    for (QAction* menu : w.menuBar()->actions()) {
        menus << menu->text();
    }
    QCOMPARE(menus, QStringList({"File", "Edit", "System", "Language", "About"}));

    // name, text, shortcut, tool tip; empty means "not checked here".
    const QList<QStringList> actions = {
        {"actionQuit", "Quit", "Ctrl+Q", ""},
        {"actionOpen_Mold_File", "Open Mold File...", "", ""},
        {"actionOpenReferenceFile", "Open Referece Data File...", "", ""},
        {"actionCut", "", "Ctrl+X", ""},
        {"actionCopy", "", "Ctrl+C", ""},
        {"actionPaste", "", "Ctrl+V", ""},
        {"actionAboutCVO", "About CVO...", "", ""},
        {"actionIOTest", "I/O Test...", "", ""},
        {"actionSyncBUClock", "Sync BU Clock", "", "Synchronize BU clock with host"},
        {"actionDisplaySettings", "Display Settings...", "", "Plot display settings"},
        {"actionAdministration", "Administration...", "", ""},
        {"actionFirmwareUpdate", "Firmware Update...", "", "Update the firmware of the device"},
        {"actionMoldMachine", "Mold Machine...", "", ""},
        {"actionEnglish", "English", "", "Set application interface language English"},
        {"actionJapanese", "Japanese", "", ""},
        {"actionTraditional_Chinese", "Traditional Chinese", "", ""},
        {"actionSimplified_Chinese", "Simplified Chinese", "", ""},
        {"actionKorean", "Korean", "", ""}};
    for (const QStringList& expected : actions) {
        auto* action = w.findChild<QAction*>(expected[0]);
        QVERIFY2(action && !action->associatedObjects().isEmpty(), qPrintable(expected[0]));
        QVERIFY(expected[1].isEmpty() || action->text() == expected[1]);
        QVERIFY(expected[2].isEmpty() || action->shortcut() == QKeySequence(expected[2]));
        QVERIFY(expected[3].isEmpty() || action->toolTip() == expected[3]);
    }

    QActionGroup* languages = w.findChild<QAction*>("actionEnglish")->actionGroup();
    QVERIFY(languages && languages->isExclusive());
    QCOMPARE(languages->actions().size(), 5);
    auto* korean = w.findChild<QAction*>("actionKorean");
    korean->trigger();
    QVERIFY(korean->isChecked() && !w.findChild<QAction*>("actionEnglish")->isChecked());

    auto* progress = w.findChild<QProgressBar*>("shotProgressBar");
    QVERIFY(progress->isHidden());
    QCOMPARE(progress->maximumSize(), QSize(200, 20));
    QCOMPARE(dataLabel(w)->frameStyle(), QFrame::Panel | QFrame::Sunken);
}

void TestMainWindow::debugButtonsFollowTheDebugSwitch_data()
{
    QTest::addColumn<QStringList>("switches");
    QTest::addColumn<bool>("shown");
    QTest::newRow("-d") << QStringList{"-n", "-d"} << true;
    QTest::newRow("none") << QStringList{"-n"} << false;
}

void TestMainWindow::debugButtonsFollowTheDebugSwitch()
{
    QFETCH(QStringList, switches);
    QFETCH(bool, shown);

    LogCapture log;
    MainWindow window(QStringList{"cvo-manager"} + switches);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.findChild<QPushButton*>("debugButton")->isVisible(), shown);
    QCOMPARE(window.findChild<QPushButton*>("debug2Button")->isVisible(), shown);
    QCOMPARE(log.count("Debug buttons enabled."), shown ? 1 : 0);
    QCOMPARE(log.count("Debug buttons disabled."), shown ? 0 : 1);
}

void TestMainWindow::quitAsksAndOnlyYesCloses()
{
    MainWindow window({"cvo-manager", "-n"});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    m_answer = QMessageBox::No;
    window.findChild<QAction*>("actionQuit")->trigger();
    QCOMPARE(m_prompts.size(), 1);
    QVERIFY(m_prompts[0].kind == UserPrompt::MessageKind::Question);
    QCOMPARE(m_prompts[0].title, "Quit");
    QCOMPARE(m_prompts[0].text, "Are you sure you want to quit?");
    QCOMPARE(m_prompts[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(window.isVisible());

    // Closing from the title bar asks the same question.
    m_answer = QMessageBox::Yes;
    QVERIFY(window.close());
    QCOMPARE(m_prompts.size(), 2);
    QVERIFY(!window.isVisible());
}

void TestMainWindow::noConnectStartMakesNoAttemptUntilConnectIsClicked()
{
    UnitStandIn unit(1);
    auto window = startWindow(unit, {"-n"});
    QVERIFY(window);

    QTest::qWait(QuietMs);
    QCOMPARE(unit.connections(), 0);
    QVERIFY(dataLabel(*window)->styleSheet().isEmpty());

    // The port was usable all along: the button reaches the unit.
    QTest::mouseClick(window->findChild<QPushButton*>("connectButton"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(unit.connections(), 1, TimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(dataLabel(*window)->styleSheet(), LinkUp, TimeoutMs);
}

void TestMainWindow::lostLinkIsRetriedUntilTheUnitListensAgain()
{
    UnitStandIn unit(2);
    auto window = startConnectedWindow(unit);
    QVERIFY(window);
    QTRY_COMPARE_WITH_TIMEOUT(dataLabel(*window)->styleSheet(), LinkUp, TimeoutMs);
    QCOMPARE(unit.connections(), 1);

    LogCapture log;
    unit.goAway();
    QTRY_COMPARE_WITH_TIMEOUT(dataLabel(*window)->styleSheet(), LinkDown, TimeoutMs);
    // Refused attempts keep the retries going.
    QTRY_VERIFY_WITH_TIMEOUT(log.count(RetryLog) >= 3, TimeoutMs);

    QVERIFY(unit.comeBack());
    QTRY_COMPARE_WITH_TIMEOUT(dataLabel(*window)->styleSheet(), LinkUp, TimeoutMs);
    const int retries = log.count(RetryLog);
    QTest::qWait(QuietMs);
    QCOMPARE(log.count(RetryLog), retries);
    QCOMPARE(unit.connections(), 2);
}

void TestMainWindow::offlineUnitIsNotRetried()
{
    UnitStandIn unit(3);
    auto window = startConnectedWindow(unit);
    QVERIFY(window);
    QTRY_COMPARE_WITH_TIMEOUT(dataLabel(*window)->styleSheet(), LinkUp, TimeoutMs);

    LogCapture log;
    window->setUnitOnline(false);
    unit.dropConnection();
    QTRY_COMPARE_WITH_TIMEOUT(dataLabel(*window)->styleSheet(), LinkDown, TimeoutMs);
    QTest::qWait(QuietMs);
    QCOMPARE(log.count(RetryLog), 0);
    QCOMPARE(unit.connections(), 1);
}

void TestMainWindow::retryIsScheduledOnceAndCancelledByLinkUp()
{
    UnitStandIn unit(4);
    auto window = startConnectedWindow(unit);
    QVERIFY(window);
    QTRY_COMPARE_WITH_TIMEOUT(dataLabel(*window)->styleSheet(), LinkUp, TimeoutMs);
    auto* port = window->findChild<DataPort*>();
    LogCapture log;

    // CONNECT pressed before the retry came due: the retry would tear the new link down.
    Q_EMIT port->linkUpdate(false);
    Q_EMIT port->linkUpdate(true);
    QTest::qWait(QuietMs);
    QCOMPARE(log.count(RetryLog), 0);
    QCOMPARE(unit.connections(), 1);

    // Several loss reports in a row still make one attempt.
    Q_EMIT port->linkUpdate(false);
    Q_EMIT port->linkUpdate(false);
    QTRY_COMPARE_WITH_TIMEOUT(unit.connections(), 2, TimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(dataLabel(*window)->styleSheet(), LinkUp, TimeoutMs);
    QTest::qWait(QuietMs);
    QCOMPARE(log.count(RetryLog), 1);
    QCOMPARE(unit.connections(), 2);
}

void TestMainWindow::ackAndNakFromTheUnitAreLogged()
{
    UnitStandIn unit(5);
    auto window = startConnectedWindow(unit);
    QVERIFY(window);
    QTRY_COMPARE_WITH_TIMEOUT(unit.connections(), 1, TimeoutMs);

    LogCapture log;
    unit.send(FrameBuilder::ack() + FrameBuilder::frame(BUPacket::Nak, QByteArray(1, '\0')));
    QTRY_COMPARE_WITH_TIMEOUT(log.count("NAK"), 1, TimeoutMs);
    QCOMPARE(log.count("ACK"), 1);
}

CVO_TEST_MAIN(TestMainWindow)

#include "tst_mainwindow.moc"
