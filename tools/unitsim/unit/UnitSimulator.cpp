#include "UnitSimulator.h"

#include "CommandHandler.h"
#include "ControlServer.h"
#include "DataServer.h"
#include "RunInThread.h"
#include "ShotStreamer.h"
#include "UnitConfigCodec.h"
#include "UnitState.h"

#include <QDebug>
#include <QThread>

namespace {

SystemConfig storedConfiguration(const SimulatorOptions& options)
{
    SystemConfig config = options.config;
    UnitConfigCodec::normalise(config, options.firmware.channelLayout());
    return config;
}

ShotStreamer::Settings streamSettings(const SimulatorOptions& options)
{
    ShotStreamer::Settings settings;
    settings.speed = options.speed;
    settings.cycleTimeMs = options.cycleTimeMs;
    settings.shotLimit = options.shotLimit;
    settings.tickMs = options.tickMs;
    settings.synth.seed = options.seed;
    settings.synth.driftEvery = options.driftEvery;
    settings.randomFaults = options.randomFaults;
    settings.resetPauseMs = options.resetPauseMs;
    return settings;
}

} // namespace

UnitSimulator::UnitSimulator(const SimulatorOptions& options, QObject* parent)
    : QObject(parent), m_options(options), m_faults(options.faults),
      m_state(std::make_unique<UnitState>(storedConfiguration(options), options.firmware)),
      m_handler(new CommandHandler(*m_state, this)),
      m_control(new ControlServer(*m_handler, m_faults, m_log, m_stats, this)),
      m_data(new DataServer(m_faults, m_log, m_stats, this)),
      m_streamer(
          new ShotStreamer(*m_state, *m_data, m_faults, m_stats, streamSettings(options), this))
{
    m_log.setEnabled(options.logFrames);
    connectParts();
}

UnitSimulator::~UnitSimulator()
{
    stop();
    // The parts use the state, log and counters, which go before the children would.
    delete m_streamer;
    delete m_control;
    delete m_data;
    delete m_handler;
}

void UnitSimulator::connectParts()
{
    connect(m_handler, &CommandHandler::modeChanged, m_streamer, &ShotStreamer::followMode);
    connect(m_handler, &CommandHandler::shotAbortRequested, m_streamer, &ShotStreamer::abortShot);
    connect(m_handler, &CommandHandler::zeroResetRequested, m_streamer,
            &ShotStreamer::takeZeroOffsets);
    connect(m_handler, &CommandHandler::statusChanged, m_streamer, &ShotStreamer::sendStatus);
    connect(m_handler, &CommandHandler::configurationChanged, m_streamer,
            &ShotStreamer::reloadConfiguration);
    // After the request has been read: the reset closes the connection it came on.
    connect(m_handler, &CommandHandler::firmwareUpdateRequested, this,
            &UnitSimulator::installFirmware, Qt::QueuedConnection);
    // A PC that connects hears the unit's state at once, a reset included.
    connect(m_data, &DataServer::clientConnected, m_streamer, &ShotStreamer::sendStatus);
    connect(m_streamer, &ShotStreamer::shotCompleted, this, &UnitSimulator::shotCompleted);
    connect(m_streamer, &ShotStreamer::shotFaultDrawn, this, &UnitSimulator::shotFaultDrawn);
    connect(m_streamer, &ShotStreamer::shotLimitReached, this, &UnitSimulator::shotLimitReached);
    connect(
        m_streamer, &ShotStreamer::selfResetDue, this, [this] { performReset(true, false); },
        Qt::QueuedConnection);
}

bool UnitSimulator::start(QString* error)
{
    const auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (const QString problem = m_options.problem(); !problem.isEmpty())
        return fail(problem);
    if (!m_options.shotLogPath.isEmpty()) {
        QString why;
        if (!m_shotLog.open(m_options.shotLogPath, &why))
            return fail(why);
        m_streamer->setShotLog(&m_shotLog);
    }
    if (!m_data->listen(m_options.address, m_options.dataPort))
        return fail(
            QStringLiteral("data port %1: %2").arg(m_options.dataPort).arg(m_data->errorString()));
    if (!m_control->listen(m_options.address, m_options.controlPort)) {
        const QString why = QStringLiteral("control port %1: %2")
                                .arg(m_options.controlPort)
                                .arg(m_control->errorString());
        stop();
        return fail(why);
    }
    m_dataPort = m_data->serverPort();
    m_controlPort = m_control->serverPort();
    m_streamer->start();

    const SystemConfig& config = m_state->config();
    qInfo().noquote() << QStringLiteral("Unit on %1: control %2%3, data %4; firmware %5; "
                                        "%6 modules, %7 channels, %8 s at %9 ms; speed x%10")
                             .arg(m_options.address.toString())
                             .arg(m_controlPort)
                             .arg(m_faults.refuseControl ? QStringLiteral(" (refusing)")
                                                         : QString())
                             .arg(m_dataPort)
                             .arg(m_options.firmware.describe())
                             .arg(config.moduleCount())
                             .arg(config.channelCount())
                             .arg(config.period())
                             .arg(config.samplingInterval())
                             .arg(m_options.speed);
    return true;
}

void UnitSimulator::stop()
{
    m_streamer->stop();
    m_control->setRefusing(true);
    m_control->closeConnections();
    m_data->dropClient();
}

void UnitSimulator::runHere(const std::function<void()>& work) const
{
    runInThreadOf(const_cast<UnitSimulator*>(this), work);
}

FaultSwitches UnitSimulator::faults() const
{
    FaultSwitches copy;
    runHere([&] { copy = m_faults; });
    return copy;
}

void UnitSimulator::setFaults(const FaultSwitches& faults)
{
    runHere([&] {
        m_faults = faults;
        applyControlRefusal();
    });
}

void UnitSimulator::applyControlRefusal()
{
    if (!m_control->setRefusing(m_faults.refuseControl))
        qWarning().noquote() << "Control port cannot listen again:" << m_control->errorString();
}

void UnitSimulator::armDataDrop()
{
    runHere([&] { ++m_faults.dropDataArmed; });
}

void UnitSimulator::armCorruptFrame()
{
    runHere([&] { ++m_faults.corruptFrameArmed; });
}

void UnitSimulator::armWrongReply()
{
    runHere([&] { ++m_faults.wrongReplyArmed; });
}

void UnitSimulator::reportUnitReset()
{
    runHere([&] { performReset(true, false); });
}

void UnitSimulator::setSpeed(double speed)
{
    runHere([&] {
        m_streamer->setSpeed(qBound(SimulatorOptions::MinSpeed, speed, SimulatorOptions::MaxSpeed));
    });
}

void UnitSimulator::acceptFirmwareUpload(const QString& fileName, qint64 size, const QString& path)
{
    QMutexLocker lock(&m_uploadMutex);
    m_uploadName = fileName;
    m_uploadSize = size;
    m_uploadPath = path;
    m_hasUpload = true;
}

bool UnitSimulator::hasPendingFirmware() const
{
    QMutexLocker lock(&m_uploadMutex);
    return m_hasUpload;
}

void UnitSimulator::installFirmware()
{
    QString name;
    QString path;
    qint64 size = 0;
    {
        QMutexLocker lock(&m_uploadMutex);
        if (!m_hasUpload) {
            // Nothing to take: a unit does not reboot into the firmware it already runs.
            qInfo() << "Firmware update requested, but no firmware was uploaded: ignored";
            return;
        }
        name = m_uploadName;
        path = m_uploadPath;
        size = m_uploadSize;
        m_hasUpload = false;
    }
    qInfo().noquote() << QStringLiteral("Installing %1 (%2 bytes%3); the unit resets")
                             .arg(name)
                             .arg(size)
                             .arg(path.isEmpty() ? QString() : QStringLiteral(", ") + path);
    Q_EMIT firmwareInstalled(name, size);
    performReset(false, true);
}

// A reset the unit went through: a rebooting unit loses its connections, while a reset
// reported by the fault switch keeps them so that the PC hears of it at once.
void UnitSimulator::performReset(bool byWatchdog, bool dropConnections)
{
    m_state->markReset(byWatchdog);
    ++m_stats.unitResets;
    if (dropConnections) {
        m_data->dropClient();
        m_control->closeConnections();
        m_streamer->restartAfterReset();
    } else {
        m_streamer->restartAfterReset();
        m_streamer->sendStatus();
    }
    Q_EMIT unitReset();
}
