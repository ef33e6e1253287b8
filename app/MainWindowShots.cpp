// The running window: packets from the unit, the shot state machine and the status.

#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "AppSettings.h"
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
#include <QTimer>

void MainWindow::handlePacketFromBU(BUPacket* packet)
{
    if (m_packetsSuspended || !packet)
        return;
    switch (packet->type()) {
    case BUPacket::ShotStart:
        if (m_shotState == Idle || m_operatingMode == MaintenanceMode)
            startShot(*packet);
        break;
    case BUPacket::ShotSamples:
        if (m_shotState == ShotInProgress)
            handleSamples(*packet);
        break;
    case BUPacket::ShotResult:
        if (m_shotState == ShotInProgress) {
            endShot(*packet);
            checkDiskSpace();
        } else {
            qDebug("Data packet received when not in shotInProgress state. Ignoring.");
        }
        break;
    case BUPacket::UnitStatus:
        handleStatus(*packet);
        break;
    case BUPacket::Ack:
        qDebug("ACK");
        break;
    case BUPacket::Nak:
        qDebug("NAK");
        break;
    default:
        break;
    }
}

bool MainWindow::recording() const
{
    return m_operatingMode != MaintenanceMode && !m_saveStopped;
}

void MainWindow::setShotButtonsEnabled(bool enabled)
{
    m_ui->settingsButton->setEnabled(enabled);
    m_ui->loadReferenceButton->setEnabled(enabled);
    m_ui->viewerButton->setEnabled(enabled);
}

void MainWindow::startShot(const BUPacket& packet)
{
    setShotButtonsEnabled(false);
    if (m_currentShot != m_shotDataA.get()) {
        m_currentShot = m_shotDataA.get();
        qDebug("Shot started using data A.");
    } else {
        m_currentShot = m_shotDataB.get();
        qDebug("Shot started using data B.");
    }
    m_currentShot->clear();
    m_currentShot->begin(packet);

    Q_EMIT shotStarted(m_currentShot);
    m_shotProgressBar->setValue(0);
    m_shotProgressBar->show();
    m_ui->shotNumber->setText(QString::number(m_currentShot->shotNumber()));
    if (recording())
        Q_EMIT beginRawDataSaving(m_currentShot);

    m_shotState = ShotInProgress;
    m_packetCount = 0;
    m_shotTimer->start();
    Q_EMIT machineShotStarted();
}

void MainWindow::handleSamples(const BUPacket& packet)
{
    const BUPayload::ShotSamples& samples = packet.shotSamples();
    if (samples.isAuxiliary()) {
        m_currentShot->appendAuxiliary(packet);
        return;
    }
    m_currentShot->appendShotSamples(packet);
    const int step = MonitoringRules::refreshStep(m_currentShot->samplingInterval());
    if (samples.sampleIndex % quint32(step) == 0) {
        Q_EMIT shotRefreshed(m_currentShot);
        if (recording())
            Q_EMIT saveRawData(m_currentShot, false);
    }
    ++m_packetCount;
    m_shotProgressBar->setValue(m_packetCount);
    m_shotTimer->start();
}

void MainWindow::endShot(const BUPacket& packet)
{
    m_shotTimer->stop();
    qDebug() << "ShotData ended. Total packet=" << m_packetCount;
    ChannelShotData* first = m_currentShot->channel(0);
    qDebug() << "Channel 0 ShotData count=" << (first ? first->sampleCount() : 0);
    m_currentShot->finish(packet);
    Q_EMIT shotEnded(m_currentShot);

    if (m_operatingMode == MaintenanceMode)
        return; // the shot stays open until the next start or monitor mode
    if (!m_saveStopped) {
        Q_EMIT saveRawData(m_currentShot, true);
        if (AppSettings().saveLog())
            Q_EMIT shotLogRequested(m_currentShot);
        Q_EMIT machineShotEnded();
    }
    m_shotProgressBar->hide();
    m_shotState = Idle;
    setShotButtonsEnabled(true);
}

void MainWindow::saveRowsOfCutOffShot()
{
    if (m_shotState == ShotInProgress && m_currentShot && recording())
        Q_EMIT saveRawData(m_currentShot, false);
}

void MainWindow::shotWatchdogExpired()
{
    saveRowsOfCutOffShot();
    transitToIdleState();
}

void MainWindow::transitToIdleState()
{
    m_shotTimer->stop();
    m_shotProgressBar->hide();
    m_shotState = Idle;
    const bool monitor = m_operatingMode != MaintenanceMode;
    m_ui->settingsButton->setEnabled(monitor);
    m_ui->loadReferenceButton->setEnabled(monitor);
    m_ui->viewerButton->setEnabled(true);
}

void MainWindow::handleStatus(const BUPacket& packet)
{
    // A copy: the packet is the data port's own object, and handling a reset (message box,
    // configuration read) runs the event loop, where the port may decode the next frame.
    const BUPayload::UnitStatus status = packet.unitStatus();
    qDebug("BU Status received. BUStatus=%02X", status.statusBits);
    if (status.statusBits & BUPayload::UnitStatus::UnitResetBit) {
        handleUnitReset();
        if (!m_unitOnline)
            return;
    }
    updateAlarmButton(status.statusBits);
    m_ui->shotNumber->setText(QString::number(status.shotNumber));
    m_ui->shotCountOK->setText(QString::number(status.judgedCount - status.ngCount));
    m_ui->shotCountNG->setText(QString::number(status.ngCount));
    m_wdtCountLabel->setText(tr("WDT:%1").arg(status.entries[0].status & 0x0F));
    QList<bool> flags;
    for (int i = 0; i < 11; ++i)
        flags.append(status.entries[i].status & 0x10);
    Q_EMIT moduleFlagsUpdated(flags);
}

void MainWindow::handleUnitReset()
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
