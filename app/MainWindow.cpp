#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "AboutDialog.h"
#include "AdminWindow.h"
#include "AppResources.h"
#include "AppSettings.h"
#include "BUPacket.h"
#include "ChannelDetailsView.h"
#include "ChannelDisplaySettings.h"
#include "ControlPort.h"
#include "DataPort.h"
#include "DisplaySettingsWindow.h"
#include "FileController.h"
#include "LanguageCatalogs.h"
#include "MoldFileController.h"
#include "MoldMachineSettingsDialog.h"
#include "MoldMachineTable.h"
#include "MonitoringRules.h"
#include "MqttPublisher.h"
#include "RawDataSaveWorker.h"
#include "ReferenceFileReader.h"
#include "SerialPacket.h"
#include "ShotData.h"
#include "ShotSummary.h"
#include "StartupSwitches.h"
#include "SystemConfig.h"
#include "SystemStatusWidget.h"
#include "UserPrompt.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace {

const char* const GroupBoxStyle =
    "QGroupBox{ margin-top: 1.2ex; border:1px solid; border-color:  palette( midlight ); "
    "border-radius:5px;} QGroupBox::title {subcontrol-origin: margin; subcontrol-position: top "
    "left; left: 10px;}";

const char* const MenuBarStyle =
    "QMenuBar { background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 lightgray, "
    "stop:1 darkgray); background-image: url(:/images/logo.png); background-repeat: no-repeat; "
    "background-position: top right; }"
    " QMenuBar::item { background: transparent; color: black; }"
    " QMenuBar::item:selected { background: rgba(255, 255, 255, 110); }";

// Indicators set only their background; their text stays black on it in either look.
// The status bar's labels are lit only in some states, so the rule follows their colour.
const char* const IndicatorTextStyle =
    " #modeIndicatorLabel, #diskStatusLabel, #alarmButton:enabled,"
    " QLabel[styleSheet=\"background-color: lawngreen;\"],"
    " QLabel[styleSheet=\"background-color: red;\"],"
    " QLabel[styleSheet=\"background-color: yellow;\"],"
    " QLabel[styleSheet=\"background-color: orange;\"],"
    " QLabel[styleSheet=\"background-color: whitesmoke;\"] { color: black; }";

const char* const WdtClearButtonStyle = "padding-left:3px; padding-right:3px; font-size:9pt;";
const char* const LinkUpStyle = "background-color: lawngreen;";
const char* const LinkDownStyle = "background-color: red;";

} // namespace

MainWindow::MainWindow(const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::mainWindow>())
{
    AppSettings::initialise();
    QCoreApplication::setApplicationVersion(QString::fromLatin1(ApplicationVersion));
    AppResources::initialise();

    m_systemConfig = std::make_unique<SystemConfig>();
    createLanguageCatalogs();
    m_ui->setupUi(this);
    createShotHandler();
    MoldFileController::instance().setDialogParent(this);
    applyCommandLineSwitches(arguments);
    groupLanguageActions();
    groupViewActions();
    setUpPlot();
    createDataPort();

    m_adminWindow = new AdminWindow(this);
    m_adminWindow->setQuitHandler([this] { quitApplication(); });
    m_displaySettingsWindow = new DisplaySettingsWindow(this);
    m_moldMachineDialog = new MoldMachineSettingsDialog(this);
    createConfigEditor();
    createMachineLink();

    buildStatusBar();
    connectDetailsViews();
    applyConfigurationToView();
    applyStyleSheets();
    m_aboutDialog = new AboutDialog(this);
    checkDataFolder();
    createRecorder();
    createPublisher();
    m_rawDataSaveWorker->requestMachineLogHeader(m_serialPacket);
    updateModeDisplay();
}

// The recording worker goes first: its thread finishes the appends it still holds while
// the shot buffers and the file controller are alive.
MainWindow::~MainWindow()
{
    m_rawDataSaveWorker.reset();
    // Says offline to the broker and keeps what is unsent for the next start.
    delete m_publisher;
}

void MainWindow::setReconnectDelay(int ms)
{
    m_reconnectTimer->setInterval(ms);
}

void MainWindow::setQuitHandler(std::function<void()> quit)
{
    m_quit = std::move(quit);
}

void MainWindow::quitApplication()
{
    if (m_quit) {
        m_quit();
        return;
    }
    // quit() would first ask every window to close, and ours asks the operator whether
    // to quit; the application has already told the operator why it ends.
    QCoreApplication::exit(0);
}

void MainWindow::setUnitOnline(bool online)
{
    m_unitOnline = online;
    if (!online) {
        m_reconnectTimer->stop();
    }
}

void MainWindow::connectionStatusUpdated(bool linkUp)
{
    // A shot whose connection broke gets no result: its rows so far are kept, and the next
    // connection's frames (the rest of it, or the next shot's) are not taken for it.
    if (!linkUp && m_shotHandler->state() == ShotHandler::ShotInProgress &&
        m_shotHandler->operatingMode() == ShotHandler::MonitorMode) {
        m_shotHandler->cutOffShot();
    }
    if (!isVisible()) {
        return;
    }
    if (linkUp) {
        // A retry still pending would tear down the link that has just come up.
        m_reconnectTimer->stop();
        m_dataStatusLabel->setStyleSheet(QString::fromLatin1(LinkUpStyle));
        return;
    }
    m_dataStatusLabel->setStyleSheet(QString::fromLatin1(LinkDownStyle));
    // One pending retry at most, however many failures the port reports meanwhile.
    if (m_unitOnline && !m_reconnectTimer->isActive()) {
        m_reconnectTimer->start();
    }
}

void MainWindow::reconnectDataPort()
{
    qDebug("Trying DataPort reconnection");
    m_dataPort->connectToUnit();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    const auto answer = UserPrompt::question(this, tr("Quit"), tr("Are you sure you want to quit?"),
                                             QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    checkDiskSpace();
    if (m_unitSessionStarted) {
        return;
    }
    m_unitSessionStarted = true;
    if (!StartupSwitches::noConnect()) {
        // From the event loop, so the window is painted first and the session may end
        // the application if it has to.
        QTimer::singleShot(0, this, &MainWindow::startUnitSession);
    }
}

int MainWindow::runWithPacketsSuspended(QDialog* dialog)
{
    m_shotHandler->suspendPackets();
    const int result = dialog->exec();
    m_shotHandler->resumePackets();
    return result;
}

void MainWindow::on_actionAdministration_triggered()
{
    // On acceptance the dialog writes the settings and ends the application.
    runWithPacketsSuspended(m_adminWindow);
}

void MainWindow::on_actionAboutCVO_triggered()
{
    m_aboutDialog->setSystemConfig(*m_systemConfig);
    runWithPacketsSuspended(m_aboutDialog);
}

void MainWindow::on_actionQuit_triggered()
{
    close();
}

void MainWindow::on_connectButton_clicked()
{
    m_dataPort->connectToUnit();
}

void MainWindow::applyCommandLineSwitches(const QStringList& arguments)
{
    StartupSwitches::read(arguments);
    if (StartupSwitches::debugButtons()) {
        qDebug("Debug buttons enabled.");
        return;
    }
    m_ui->debugButton->hide();
    m_ui->debug2Button->hide();
    qDebug("Debug buttons disabled.");
}

void MainWindow::createDataPort()
{
    m_dataPort = new DataPort(this);
    m_dataPort->setObjectName(QStringLiteral("dataPort"));
    m_dataPort->setAddress(ControlPort::unitAddress());
    m_dataPort->setPort(DataPort::DefaultPort);
    connect(m_dataPort, &DataPort::linkUpdate, this, &MainWindow::connectionStatusUpdated);
    connect(m_dataPort, &DataPort::packetReceived, this, &MainWindow::handlePacketFromBU);

    m_reconnectTimer = new QTimer(this);
    m_reconnectTimer->setSingleShot(true);
    m_reconnectTimer->setInterval(DefaultReconnectDelayMs);
    connect(m_reconnectTimer, &QTimer::timeout, this, &MainWindow::reconnectDataPort);
}

void MainWindow::buildStatusBar()
{
    m_dataStatusLabel = new QLabel(tr("Data"), this);
    m_dataStatusLabel->setObjectName(QStringLiteral("dataStatusLabel"));
    m_dataStatusLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    m_mmcStatusLabel = new QLabel(tr("Mmc"), this);
    m_mmcStatusLabel->setObjectName(QStringLiteral("mmcStatusLabel"));
    m_mmcStatusLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    // Red with the reason as its tool-tip while shots or logs cannot be written.
    m_recordingStatusLabel = new QLabel(tr("Rec"), this);
    m_recordingStatusLabel->setObjectName(QStringLiteral("recordingStatusLabel"));
    m_recordingStatusLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    showRecordingStatus(true, QString());

    m_wdtCountLabel = new QLabel(this);
    showWatchdogCount(0);
    m_wdtCountLabel->setObjectName(QStringLiteral("wdtCountLabel"));

    m_wdtCountClearButton = new QPushButton(tr("Clear"), this);
    m_wdtCountClearButton->setObjectName(QStringLiteral("wdtCountClearButton"));
    m_wdtCountClearButton->setStyleSheet(QString::fromLatin1(WdtClearButtonStyle));
    connect(m_wdtCountClearButton, &QPushButton::clicked, this,
            &MainWindow::onWdtCountClearButton_clicked);

    m_shotProgressBar = new QProgressBar(this);
    m_shotProgressBar->setObjectName(QStringLiteral("shotProgressBar"));
    m_shotProgressBar->setMaximumSize(200, 20);

    statusBar()->addWidget(m_dataStatusLabel);
    statusBar()->addWidget(m_mmcStatusLabel);
    statusBar()->addWidget(m_recordingStatusLabel);
    statusBar()->addWidget(m_wdtCountLabel);
    statusBar()->addWidget(m_wdtCountClearButton);
    statusBar()->addPermanentWidget(m_shotProgressBar);
    // Shown only while a shot runs.
    m_shotProgressBar->hide();
}

void MainWindow::applyStyleSheets()
{
    setStyleSheet(QString::fromLatin1(GroupBoxStyle) + QString::fromLatin1(IndicatorTextStyle));
    m_ui->menuBar->setStyleSheet(QString::fromLatin1(MenuBarStyle));
}

// The data folder for this run: the setting when it can be written to, otherwise the
// default folder in the home folder. The setting itself is left as it is. The file
// controller records there, rotating its files at the configured time.
void MainWindow::checkDataFolder()
{
    if (!m_fileController)
        m_fileController = new FileController(this);
    {
        AppSettings settings;
        m_fileController->setRotationTime(settings.rotationHour(), settings.rotationMinute());
    }
    chooseDataFolder();
    m_fileController->setDataFolder(m_dataFolder);
}

void MainWindow::chooseDataFolder()
{
    const QString configured = AppSettings().dataPath();
    const QString fallback = QDir::homePath() + QStringLiteral("/CVO_DATA");
    const QFileInfo info(configured);
    if (!configured.isEmpty() && info.isDir() && info.isWritable()) {
        m_dataFolder = configured;
        return;
    }
    m_dataFolder = fallback;
    QDir().mkpath(fallback);
    // The default folder of a first start does not exist yet: nothing to warn about.
    if (QDir::cleanPath(configured) == QDir::cleanPath(fallback) &&
        QFileInfo(fallback).isWritable())
        return;
    const QString text =
        info.isDir() ? tr("Destination folder is not writable.\nData will be saved to \"%1\".")
                     : tr("Destination folder is missing.\nData will be saved to \"%1\".");
    UserPrompt::warning(this, tr("Error"), text.arg(fallback));
}
