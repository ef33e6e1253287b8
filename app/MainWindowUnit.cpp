// The window's dealings with the unit: first contact, configuration, commands and modes.

#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "AppSettings.h"
#include "ControlPort.h"
#include "DataPort.h"
#include "FileController.h"
#include "FirmwareInfo.h"
#include "FirmwareQuery.h"
#include "MachinePortCheck.h"
#include "MoldFileController.h"
#include "MonitoringRules.h"
#include "SettingsMatcher.h"
#include "ShotData.h"
#include "SystemConfig.h"
#include "SystemConfigReader.h"
#include "UnitTransfers.h"
#include "UserPrompt.h"

#include <QDebug>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStorageInfo>

namespace {

constexpr quint8 AlarmAcknowledge = 0x01;
constexpr quint8 ShotNumberReset = 0x02;
constexpr quint8 ShotCountClear = 0x04;
constexpr quint8 ZeroReset = 0x08;
constexpr quint8 AbortShot = 0x20;
constexpr quint8 WatchdogClear = 0x40;

} // namespace

// First contact with the unit, once per process after the window is first shown.
void MainWindow::startUnitSession()
{
    firmwareType = readFirmwareType();
    if (!checkFirmwareCompatibility())
        return;
    if (firmwareType != -1 && loadConfigurationFromUnit(false)) {
        synchronizeUnitClock(this, false);
        MachinePortCheck::openAtStartup(*m_serialPacket, this);
        return;
    }
    const QString lastFile = AppSettings().lastMoldFile();
    if (!lastFile.isEmpty()) {
        if (std::unique_ptr<SystemConfig> config = MoldFileController::instance().load(lastFile)) {
            applyConfiguration(*config);
        }
    }
    enterOfflineState();
}

bool MainWindow::checkFirmwareCompatibility()
{
    switch (compareFirmwareVersion()) {
    case 1:
        UserPrompt::information(this, tr("Out of version"),
                                tr("Please update the version of firmware application to the "
                                   "latest version."));
        return true;
    case 2:
        UserPrompt::information(this, tr("Out of version"),
                                tr("Please update the version of this measurement application "
                                   "to the latest version."));
        quitApplication();
        return false;
    default:
        return true;
    }
}

bool MainWindow::loadConfigurationFromUnit(bool keepMode)
{
    SystemConfigReader reader(this);
    if (!reader.read())
        return false;

    MatchResult match = SettingsMatcher(this).match(*reader.config());
    applyConfiguration(*match.config);
    if (match.action == MatchResult::UseFileSendToUnit)
        sendConfigurationToUnit(this, *m_systemConfig);
    Q_EMIT overwriteHistoryResetRequested();
    writeLogHeader(FileController::ManagerStarted);

    quint8 statusByte = 0;
    quint8 unitMode = 0;
    {
        ControlPort port;
        if (port.open() != 0 || port.readStatus() != ControlSuccess)
            return false;
        statusByte = port.packet()->unitStatus().statusBits;
        unitMode = port.packet()->unitStatus().mode & 0x01;
    }
    updateAlarmButton(statusByte);
    qDebug() << "Unit mode" << unitMode << "PC mode" << operatingMode();
    // After a reset the PC's mode is sent again; what the unit did not take, it follows.
    if (!keepMode || !setOperatingMode(operatingMode())) {
        m_shotHandler->setOperatingMode(unitMode);
        updateModeDisplay();
    }
    // A unit that kept the data link after a reset goes on streaming on it: a new
    // connection would drop what it holds.
    if (m_dataPort->socketState() != QAbstractSocket::ConnectedState)
        m_dataPort->connectToUnit();
    return true;
}

void MainWindow::applyConfiguration(const SystemConfig& config)
{
    *m_systemConfig = config;
    applyConfigurationToView();
}

void MainWindow::applyConfigurationToView()
{
    const SystemConfig& config = *m_systemConfig;
    const int interval = qMax(1, int(config.samplingInterval()));
    m_shotProgressBar->setMaximum(int(config.period()) * 1000 / interval);
    m_shotHandler->configure(config);
    Q_EMIT configurationApplied(config);
    updateAlarmButton(0);
}

void MainWindow::enterOfflineState()
{
    UserPrompt::critical(this, tr("Can not connect to BU Control port"),
                         tr("Please check the connection and BU is powered up.\nWhen BU is ready, "
                            "please re-launch this application.\nYou can only use waveform editor "
                            "function if BU is not ready."));
    for (QWidget* widget : {static_cast<QWidget*>(m_ui->freerunButton),
                            static_cast<QWidget*>(m_ui->monitorModeButton),
                            static_cast<QWidget*>(m_ui->abortShotButton),
                            static_cast<QWidget*>(m_ui->shotNumberResetButton),
                            static_cast<QWidget*>(m_ui->shotCountClearButton),
                            static_cast<QWidget*>(m_wdtCountClearButton)})
        widget->setEnabled(false);
    m_ui->actionIOTest->setEnabled(false);
    m_ui->actionSyncBUClock->setEnabled(false);
    setUnitOnline(false);
    m_shotHandler->goOffline();
    resetFirmwareType();
}

void MainWindow::checkDiskSpace()
{
    // The folder actually recorded into; the configured one may be an unmounted drive,
    // whose mount point must not be created on the local disk.
    const QStorageInfo storage(m_dataFolder);
    if (!storage.isValid() || storage.bytesTotal() <= 0) {
        qDebug("Failed to get disk space");
        return;
    }
    const auto state = MonitoringRules::diskState(storage.bytesAvailable(), storage.bytesTotal());
    qDebug() << "Disk space:" << state.percent;
    m_ui->diskSpaceProgressBar->setValue(state.percent);
    m_ui->diskStatusLabel->setText(state.label);
    m_ui->diskStatusLabel->setStyleSheet(state.styleSheet);
    m_shotHandler->setSaveStopped(state.saveStopped);
}

bool MainWindow::sendMode(quint8 mode, quint8 commandBits, quint8* statusByte)
{
    ControlPort port;
    if (port.open() != 0)
        return false;
    if (port.setMode(mode, commandBits) != ControlSuccess)
        return false;
    if (statusByte)
        *statusByte = port.packet()->unitStatus().statusBits;
    return true;
}

void MainWindow::on_alarmButton_clicked()
{
    quint8 status = 0;
    if (sendMode(quint8(operatingMode()), AlarmAcknowledge, &status))
        updateAlarmButton(status);
}

void MainWindow::on_abortShotButton_clicked()
{
    if (sendMode(MonitorMode, AbortShot))
        m_shotHandler->cutOffShot();
}

void MainWindow::on_shotNumberResetButton_clicked()
{
    if (sendMode(MonitorMode, ShotNumberReset))
        m_ui->shotNumber->clear();
}

void MainWindow::on_shotCountClearButton_clicked()
{
    if (sendMode(MonitorMode, ShotCountClear)) {
        m_ui->shotCountOK->setText(QStringLiteral("0"));
        m_ui->shotCountNG->setText(QStringLiteral("0"));
    }
}

void MainWindow::on_zeroResetButton_clicked()
{
    sendMode(MaintenanceMode, ZeroReset);
}

void MainWindow::onWdtCountClearButton_clicked()
{
    qDebug("on_wdtCount called.");
    const quint8 mode = operatingMode() == MaintenanceMode ? MaintenanceMode : MonitorMode;
    if (sendMode(mode, WatchdogClear))
        showWatchdogCount(0);
}

void MainWindow::on_freerunButton_clicked()
{
    qDebug("Entering Maintenance Mode");
    if (operatingMode() != MaintenanceMode)
        setOperatingMode(MaintenanceMode);
    updateModeDisplay();
}

void MainWindow::on_monitorModeButton_clicked()
{
    qDebug("Entering Monitor Mode");
    if (operatingMode() != MonitorMode)
        setOperatingMode(MonitorMode);
    updateModeDisplay();
}

// The window follows the unit: a mode the unit did not confirm would leave the PC not
// recording while the unit still judges shots (or the other way round).
bool MainWindow::setOperatingMode(int mode)
{
    if (!sendMode(quint8(mode), 0)) {
        reportCommunicationFailure(this);
        return false;
    }
    m_shotHandler->setOperatingMode(mode);
    if (mode == MonitorMode)
        m_shotHandler->transitToIdleState();
    updateModeDisplay();
    return true;
}

void MainWindow::updateModeDisplay()
{
    const bool monitor = operatingMode() == MonitorMode;
    // The two mode buttons show the mode in force, whatever was clicked.
    m_ui->monitorModeButton->setChecked(monitor);
    m_ui->freerunButton->setChecked(!monitor);
    m_ui->zeroResetButton->setEnabled(!monitor);
    m_ui->abortShotButton->setEnabled(monitor);
    m_ui->actionIOTest->setEnabled(monitor && m_unitOnline);
    m_ui->shotNumberResetButton->setEnabled(monitor);
    m_ui->shotCountClearButton->setEnabled(monitor);
    updatePublishedStatus();
    if (monitor) {
        m_ui->modeIndicatorLabel->setText(tr("MONITOR MODE"));
        m_ui->modeIndicatorLabel->setStyleSheet(QStringLiteral("background-color: darkturquoise;"));
        return;
    }
    setShotButtonsEnabled(false);
    Q_EMIT overwriteHistoryResetRequested();
    m_ui->modeIndicatorLabel->setText(tr("MAINTENANCE MODE"));
    m_ui->modeIndicatorLabel->setStyleSheet(QStringLiteral("background-color: orange;"));
}

void MainWindow::on_actionSyncBUClock_triggered()
{
    synchronizeUnitClock(this);
}
