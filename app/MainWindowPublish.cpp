// Publishing every judged shot's result to the plant's MQTT broker: the summary is taken
// when the shot is judged, completed with the molding machine's answers when their
// exchange ends, and handed to the publisher; its state shows beside "Data" and "Mmc".
#include "MainWindow.h"

#include "AppSettings.h"
#include "DataPort.h"
#include "MqttPublisher.h"
#include "SerialPacket.h"
#include "ShotData.h"
#include "ShotSummary.h"
#include "SystemConfig.h"

#include <QDateTime>
#include <QLabel>
#include <QStatusBar>

void MainWindow::createPublisher()
{
    const PublishSettings settings = PublishSettings::fromAppSettings();
    if (!settings.enabled)
        return;
    m_publisher = new MqttPublisher(settings, m_dataFolder + QStringLiteral("/publish-queue.db"));
    m_publishStatusLabel = new QLabel(tr("MQTT"), this);
    m_publishStatusLabel->setObjectName(QStringLiteral("publishStatusLabel"));
    m_publishStatusLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar()->insertWidget(2, m_publishStatusLabel);
    connect(m_publisher, &MqttPublisher::stateChanged, this, &MainWindow::showPublisherState);
    connect(m_publisher, &MqttPublisher::queuedCountChanged, this, &MainWindow::showPublisherState);

    // Every shot that is recorded is published; the machine's answers follow the shot.
    connect(this, &MainWindow::machineShotEnded, this, &MainWindow::summariseShot);
    connect(m_serialPacket, &SerialPacket::statusUpdate, this, [this](SerialPacket::Status s) {
        if (s == SerialPacket::PortOpenError)
            m_machinePortFailed = true;
    });
    connect(m_serialPacket, &SerialPacket::packetAllFinished, this,
            [this] { publishPendingSummary(true); });
    // A new shot abandons an exchange still running: its summary goes without answers.
    connect(this, &MainWindow::machineShotStarted, this, [this] { publishPendingSummary(false); });
    connect(m_dataPort, &DataPort::linkUpdate, this, [this](bool up) {
        m_dataLinkUp = up;
        updatePublishedStatus();
    });
    updatePublishedStatus();
    showPublisherState();
    m_publisher->start();
}

// Runs after the machine link was asked to start its exchange, so the link already
// knows whether it runs, failed to open its port, or had nothing to ask.
void MainWindow::summariseShot()
{
    ShotData* shot = currentShot();
    if (!m_publisher || !shot)
        return;
    publishPendingSummary(false);
    m_pendingSummary = std::make_unique<ShotSummary>(
        ShotSummary::fromShot(*shot, AppSettings().publishStation(), m_systemConfig->name(),
                              QDateTime::currentDateTime()));
    if (m_serialPacket->isExchangeRunning())
        return;
    publishPendingSummary(!m_machinePortFailed);
}

void MainWindow::publishPendingSummary(bool withMachineAnswers)
{
    m_machinePortFailed = false;
    if (!m_pendingSummary)
        return;
    if (withMachineAnswers)
        m_pendingSummary->setMachineAnswers(m_serialPacket->records());
    m_publisher->publishShot(m_pendingSummary->toJson());
    m_pendingSummary.reset();
}

void MainWindow::updatePublishedStatus()
{
    if (m_publisher)
        m_publisher->setUnitStatus(m_dataLinkUp, operatingMode() == MonitorMode);
}

void MainWindow::showPublisherState()
{
    if (!m_publishStatusLabel)
        return;
    const qint64 queued = m_publisher->queuedCount();
    QString style;
    switch (m_publisher->state()) {
    case MqttPublisher::State::Connected:
        style = QStringLiteral("background-color: lawngreen;");
        break;
    case MqttPublisher::State::Connecting:
        style = QStringLiteral("background-color: yellow;");
        break;
    case MqttPublisher::State::Unreachable:
        style = QStringLiteral("background-color: orange;");
        break;
    case MqttPublisher::State::Refused:
    case MqttPublisher::State::Failed:
        style = QStringLiteral("background-color: red;");
        break;
    }
    m_publishStatusLabel->setStyleSheet(style);
    m_publishStatusLabel->setText(queued > 0 ? tr("MQTT (%1 queued)").arg(queued) : tr("MQTT"));
    m_publishStatusLabel->setToolTip(m_publisher->stateDetail());
}
