#include "ShotHandler.h"

#include "AppSettings.h"
#include "ShotData.h"

#include <QDebug>
#include <QTimer>

ShotHandler::ShotHandler(QObject* parent)
    : QObject(parent), m_shotDataA(std::make_unique<ShotData>()),
      m_shotDataB(std::make_unique<ShotData>()), m_watchdog(new QTimer(this))
{
    m_watchdog->setSingleShot(true);
    m_watchdog->setInterval(DefaultWatchdogMs);
    connect(m_watchdog, &QTimer::timeout, this, &ShotHandler::cutOffShot);
}

ShotHandler::~ShotHandler() = default;

int ShotHandler::refreshStep(int samplingIntervalMs)
{
    if (samplingIntervalMs <= 0 || samplingIntervalMs >= 100)
        return 1;
    return 100 / samplingIntervalMs;
}

void ShotHandler::configure(const SystemConfig& config)
{
    m_shotDataA->configure(config);
    m_shotDataB->configure(config);
}

void ShotHandler::setWatchdogInterval(int ms)
{
    m_watchdog->setInterval(ms);
}

void ShotHandler::setOperatingMode(int mode)
{
    m_operatingMode = mode;
}

void ShotHandler::suspendPackets()
{
    m_packetsSuspended = true;
}

void ShotHandler::resumePackets()
{
    if (m_state == Offline)
        return;
    m_packetsSuspended = false;
    if (m_resetWhileSuspended) {
        m_resetWhileSuspended = false;
        Q_EMIT unitResetDetected();
    }
}

void ShotHandler::pauseWatchdog()
{
    m_watchdog->stop();
}

void ShotHandler::resumeWatchdog()
{
    if (m_state == ShotInProgress)
        m_watchdog->start();
}

void ShotHandler::goOffline()
{
    m_packetsSuspended = true;
    m_state = Offline;
}

void ShotHandler::setSaveStopped(bool stopped)
{
    m_saveStopped = stopped;
}

void ShotHandler::handlePacketFromBU(BUPacket* packet)
{
    if (!packet)
        return;
    if (m_packetsSuspended) {
        if (m_state != Offline && packet->type() == BUPacket::UnitStatus &&
            (packet->unitStatus().statusBits & BUPayload::UnitStatus::UnitResetBit))
            m_resetWhileSuspended = true;
        return;
    }
    switch (packet->type()) {
    case BUPacket::ShotStart:
        if (m_state == Idle || m_operatingMode == MaintenanceMode)
            startShot(*packet);
        break;
    case BUPacket::ShotSamples:
        if (m_state == ShotInProgress)
            handleSamples(*packet);
        break;
    case BUPacket::ShotResult:
        if (m_state == ShotInProgress) {
            endShot(*packet);
            Q_EMIT shotResultHandled();
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

bool ShotHandler::recording() const
{
    return m_operatingMode != MaintenanceMode && !m_saveStopped;
}

void ShotHandler::startShot(const BUPacket& packet)
{
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
    if (recording())
        Q_EMIT beginRawDataSaving(m_currentShot);

    m_state = ShotInProgress;
    m_packetCount = 0;
    m_watchdog->start();
    Q_EMIT machineShotStarted();
}

void ShotHandler::handleSamples(const BUPacket& packet)
{
    const BUPayload::ShotSamples& samples = packet.shotSamples();
    if (samples.isAuxiliary()) {
        m_currentShot->appendAuxiliary(packet);
        return;
    }
    m_currentShot->appendShotSamples(packet);
    const int step = refreshStep(m_currentShot->samplingInterval());
    if (samples.sampleIndex % quint32(step) == 0) {
        Q_EMIT shotRefreshed(m_currentShot);
        if (recording())
            Q_EMIT saveRawData(m_currentShot, false);
    }
    ++m_packetCount;
    Q_EMIT samplePacketsReceived(m_packetCount);
    m_watchdog->start();
}

void ShotHandler::endShot(const BUPacket& packet)
{
    m_watchdog->stop();
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
    m_state = Idle;
    Q_EMIT becameIdle();
}

void ShotHandler::handleStatus(const BUPacket& packet)
{
    // A copy: the packet is the data port's own object, and handling a reset (message box,
    // configuration read) runs the event loop, where the port may decode the next frame.
    const BUPayload::UnitStatus status = packet.unitStatus();
    qDebug("BU Status received. BUStatus=%02X", status.statusBits);
    if (status.statusBits & BUPayload::UnitStatus::UnitResetBit)
        Q_EMIT unitResetDetected();
    Q_EMIT unitStatusReceived(status);
}

void ShotHandler::saveRowsOfCutOffShot()
{
    if (m_state == ShotInProgress && m_currentShot && recording())
        Q_EMIT saveRawData(m_currentShot, false);
}

void ShotHandler::cutOffShot()
{
    saveRowsOfCutOffShot();
    transitToIdleState();
}

void ShotHandler::transitToIdleState()
{
    m_watchdog->stop();
    m_state = Idle;
    Q_EMIT becameIdle();
}
