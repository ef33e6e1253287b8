// The running window: what its shot handler reports, shown in the widgets, and the
// unit's status and resets.

#include "MainWindow.h"

#include "DataPort.h"
#include "ui_MainWindow.h"

#include "BUPacket.h"
#include "FirmwareInfo.h"
#include "FirmwareQuery.h"
#include "MonitoringRules.h"
#include "ShotData.h"
#include "SystemConfig.h"
#include "UserPrompt.h"

#include <QDebug>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <utility>

void MainWindow::createShotHandler()
{
    m_shotHandler = std::make_unique<ShotHandler>();
    ShotHandler* handler = m_shotHandler.get();
    connect(handler, &ShotHandler::beginRawDataSaving, this, &MainWindow::beginRawDataSaving);
    connect(handler, &ShotHandler::saveRawData, this, &MainWindow::saveRawData);
    connect(handler, &ShotHandler::shotStarted, this, &MainWindow::shotStarted);
    connect(handler, &ShotHandler::shotRefreshed, this, &MainWindow::shotRefreshed);
    connect(handler, &ShotHandler::shotEnded, this, &MainWindow::shotEnded);
    connect(handler, &ShotHandler::shotLogRequested, this, &MainWindow::shotLogRequested);
    connect(handler, &ShotHandler::machineShotStarted, this, &MainWindow::machineShotStarted);
    connect(handler, &ShotHandler::machineShotEnded, this, &MainWindow::machineShotEnded);

    connect(handler, &ShotHandler::shotStarted, this,
            [this](ShotData* shot) { showShotStarted(*shot); });
    connect(handler, &ShotHandler::samplePacketsReceived, this, [this](int count) {
        m_shownPacketCount = count;
        if (std::exchange(m_packetCountUpdatePending, true))
            return;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_packetCountUpdatePending = false;
                m_shotProgressBar->setValue(m_shownPacketCount);
            },
            Qt::QueuedConnection);
    });
    connect(handler, &ShotHandler::becameIdle, this, &MainWindow::showIdle);
    connect(handler, &ShotHandler::shotResultHandled, this, &MainWindow::checkDiskSpace);
    connect(handler, &ShotHandler::unitResetDetected, this, &MainWindow::handleUnitReset);
    connect(handler, &ShotHandler::unitStatusReceived, this, &MainWindow::showUnitStatus);
}

void MainWindow::handlePacketFromBU(BUPacket* packet)
{
    m_shotHandler->handlePacketFromBU(packet);
}

void MainWindow::setShotButtonsEnabled(bool enabled)
{
    m_ui->settingsButton->setEnabled(enabled);
    m_ui->loadReferenceButton->setEnabled(enabled);
    m_ui->viewerButton->setEnabled(enabled);
}

void MainWindow::showShotStarted(const ShotData& shot)
{
    setShotButtonsEnabled(false);
    m_shotProgressBar->setValue(0);
    m_shotProgressBar->show();
    m_ui->shotNumber->setText(QString::number(shot.shotNumber()));
}

void MainWindow::showIdle()
{
    m_shotProgressBar->hide();
    const bool monitor = operatingMode() != MaintenanceMode;
    m_ui->settingsButton->setEnabled(monitor);
    m_ui->loadReferenceButton->setEnabled(monitor);
    m_ui->viewerButton->setEnabled(true);
}

void MainWindow::showUnitStatus(const BUPayload::UnitStatus& status)
{
    // A reset the window could not recover from has left the unit offline.
    if ((status.statusBits & BUPayload::UnitStatus::UnitResetBit) && !m_unitOnline)
        return;
    updateAlarmButton(status.statusBits);
    m_ui->shotNumber->setText(QString::number(status.shotNumber));
    m_ui->shotCountOK->setText(QString::number(status.judgedCount - status.ngCount));
    m_ui->shotCountNG->setText(QString::number(status.ngCount));
    showWatchdogCount(status.entries[0].status & 0x0F);
    QList<bool> flags;
    for (int i = 0; i < 11; ++i)
        flags.append(status.entries[i].status & 0x10);
    Q_EMIT moduleFlagsUpdated(flags);
}

// The re-read runs the event loop (message, configuration read, chooser). What the unit
// streams meanwhile waits in the data port and follows in order, and the shot in progress
// is not cut off for its absence; a reset reported meanwhile brings one more re-read.
void MainWindow::handleUnitReset()
{
    m_dataPort->holdPackets();
    m_shotHandler->suspendPackets();
    m_shotHandler->pauseWatchdog();
    reloadAfterUnitReset();
    m_shotHandler->resumeWatchdog();
    m_shotHandler->resumePackets();
    m_dataPort->releasePackets();
}

void MainWindow::reloadAfterUnitReset()
{
    UserPrompt::timedCritical(this, tr("BU Reset Detected"),
                              tr("Configuration will be re-read from BU."), ResetMessageCloseMs);
    qDebug("Reloading configuration from BU...");
    const int previousType = firmwareType;
    resetFirmwareType();
    firmwareType = readFirmwareType();
    if (!checkFirmwareCompatibility())
        return;
    if (firmwareType != -1) {
        if (firmwareType != previousType) {
            UserPrompt::information(this, tr("Change Configuration"),
                                    tr("The applicaiton must be restarted for the changes to take "
                                       "effect.\nClick OK to quit the application."));
            quitApplication();
            return;
        }
        if (loadConfigurationFromUnit(true))
            return;
    }
    enterOfflineState();
}

void MainWindow::updateAlarmButton(quint8 statusByte)
{
    const auto look = MonitoringRules::alarmButtonLook(m_systemConfig->alarmEnabled(), statusByte);
    m_ui->alarmButton->setEnabled(look.enabled);
    m_ui->alarmButton->setStyleSheet(look.styleSheet);
}
