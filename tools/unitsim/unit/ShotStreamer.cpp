#include "ShotStreamer.h"

#include "DataServer.h"
#include "FaultSwitches.h"
#include "SentShotLog.h"
#include "ShotFrames.h"
#include "ShotJudge.h"
#include "SimulatorStatistics.h"
#include "UnitState.h"

#include <QTimer>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr quint32 TemperatureUnit = 1;

} // namespace

ShotStreamer::ShotStreamer(UnitState& state, DataServer& data, FaultSwitches& faults,
                           SimulatorStatistics& stats, const Settings& settings, QObject* parent)
    : QObject(parent), m_state(state), m_data(data), m_faults(faults), m_stats(stats),
      m_settings(settings), m_synth(settings.synth), m_timer(new QTimer(this)),
      m_baseSplit(faults.splitFrames), m_baseMerge(faults.mergeFrames)
{
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &ShotStreamer::tick);
    connect(&m_data, &DataServer::drained, this, &ShotStreamer::tick, Qt::QueuedConnection);
    reloadConfiguration();
}

ShotStreamer::~ShotStreamer() = default;

void ShotStreamer::start()
{
    m_wall.start();
    m_lastWallNs = 0;
    m_unitMs = 0;
    followMode();
    m_timer->start(m_settings.tickMs);
}

void ShotStreamer::setShotLog(SentShotLog* log)
{
    m_shotLog = log;
    if (m_shotLog)
        m_shotLog->writeConfiguration(m_state.config());
}

void ShotStreamer::stop()
{
    m_timer->stop();
}

void ShotStreamer::setSpeed(double speed)
{
    advanceClock();
    m_settings.speed = speed;
}

void ShotStreamer::advanceClock()
{
    if (!m_wall.isValid())
        return;
    const qint64 now = m_wall.nsecsElapsed();
    m_unitMs += double(now - m_lastWallNs) / 1e6 * m_settings.speed;
    m_lastWallNs = now;
}

double ShotStreamer::shotLengthMs() const
{
    return double(sampleCount()) * m_state.config().samplingInterval();
}

double ShotStreamer::cycleMs() const
{
    if (m_settings.cycleTimeMs > 0)
        return m_settings.cycleTimeMs;
    return shotLengthMs() + IdleGapMs;
}

int ShotStreamer::sampleCount() const
{
    return ShotSynth::samplesPerShot(m_state.config());
}

void ShotStreamer::tick()
{
    if (m_stallUntilNs >= 0) {
        // A stalled unit's clock stands still: the shot goes on where it stopped.
        const qint64 now = m_wall.nsecsElapsed();
        m_lastWallNs = now;
        if (now < m_stallUntilNs) {
            m_timer->setInterval(m_settings.tickMs);
            return;
        }
        m_stallUntilNs = -1;
    }
    advanceClock();
    int budget = MaxFramesPerBurst;
    bool due = true;
    while (budget > 0 && m_stallUntilNs < 0 && !m_data.backlogged()) {
        due = step();
        if (!due)
            break;
        --budget;
    }
    m_data.flush();
    // Still behind (a high speed factor): come back as soon as the event loop allows.
    m_timer->setInterval(due && budget == 0 ? 0 : m_settings.tickMs);
}

// Produces the next event that is due by unit time; false when nothing is due yet.
bool ShotStreamer::step()
{
    if (housekeeping())
        return true;
    switch (m_phase) {
    case Phase::Waiting:
        if (m_nextShotAt > m_unitMs)
            return false;
        beginShot(m_nextShotAt);
        return true;
    case Phase::Shot:
    case Phase::FreeRun: {
        const double at = m_phaseStart + double(m_nextSample) * m_state.config().samplingInterval();
        if (at > m_unitMs)
            return false;
        if (m_nextSample < m_samples)
            sendSample();
        else if (m_phase == Phase::Shot)
            finishShot();
        else
            finishWindow();
        return true;
    }
    case Phase::Halted:
        break;
    }
    return false;
}

// Status that falls due on its own: the maintenance heartbeat and a timed alarm clear.
bool ShotStreamer::housekeeping()
{
    const SystemConfig& config = m_state.config();
    if (m_state.alarm() && config.clearByTimer() && m_alarmSince >= 0 &&
        m_unitMs >= m_alarmSince + config.alarmClearDelay() * 10.0) {
        m_state.acknowledgeAlarm();
        m_alarmSince = -1;
        sendStatus();
        return true;
    }
    if (m_phase == Phase::FreeRun && m_unitMs >= m_nextStatusAt) {
        m_nextStatusAt += StatusIntervalMs;
        sendStatus();
        return true;
    }
    return false;
}

void ShotStreamer::beginShot(double at)
{
    if (m_state.alarm() && m_state.config().clearByTrigger()) {
        m_state.acknowledgeAlarm();
        m_alarmSince = -1;
    }
    m_shotNumber = m_state.beginShot();
    ++m_shotOrdinal;
    ++m_stats.shotsStarted;
    m_curves = m_synth.makeShot(m_state.config(), m_shotNumber);
    prepareCurves(m_curves);
    m_samples = sampleCount();
    drawShotFault();
    m_dropThisShot =
        FaultSwitches::take(m_faults.dropDataEvery, m_faults.dropDataArmed, m_shotOrdinal) ||
        m_shotFault == RandomFaults::DropConnection;
    m_corruptThisShot = FaultSwitches::hits(m_faults.corruptFrameEvery, m_shotOrdinal) ||
                        m_shotFault == RandomFaults::CorruptFrame;

    m_elapsedMs = m_previousStart < 0 ? 0 : quint32(std::llround(at - m_previousStart));
    m_previousStart = at;
    m_phaseStart = at;
    m_nextSample = 0;
    m_shotTime = m_state.clock();
    m_phase = Phase::Shot;
    m_shotConnection = m_data.connectionSerial();
    m_shotIntact = true;
    m_samplesDelivered = 0;
    sendShotFrame(m_frames->shotStart(m_shotNumber, m_shotTime, m_elapsedMs));
}

void ShotStreamer::drawShotFault()
{
    const RandomFaults& random = m_settings.randomFaults;
    if (!random.enabled()) {
        m_shotFault = RandomFaults::None;
        return;
    }
    m_shotFault = random.draw(m_shotOrdinal);
    m_faults.splitFrames = m_baseSplit || m_shotFault == RandomFaults::SplitFrames;
    m_faults.mergeFrames = m_baseMerge || m_shotFault == RandomFaults::MergeFrames;
    Q_EMIT shotFaultDrawn(m_shotFault);
}

// Sends a frame of the shot in progress and keeps track of whether the shot still
// reaches the PC whole, on the connection it began on.
void ShotStreamer::sendShotFrame(const QByteArray& frame)
{
    if (!m_data.send(frame) || m_data.connectionSerial() != m_shotConnection)
        m_shotIntact = false;
}

void ShotStreamer::beginWindow(double at)
{
    m_samples = sampleCount();
    m_curves = QList<QList<qint16>>(m_frames->channelCount());
    for (QList<qint16>& curve : m_curves)
        curve.reserve(m_samples);
    m_elapsedMs = m_previousStart < 0 ? 0 : quint32(std::llround(at - m_previousStart));
    m_previousStart = at;
    m_phaseStart = at;
    m_nextSample = 0;
    m_shotTime = m_state.clock();
    m_phase = Phase::FreeRun;
    // A free-run window carries the current shot number: it is not a shot of its own.
    m_data.send(m_frames->shotStart(m_state.shotNumber(), m_shotTime, m_elapsedMs));
}

void ShotStreamer::sendSample()
{
    const int index = m_nextSample++;
    if (m_phase == Phase::FreeRun) {
        const QList<qint16> values =
            liveValues(m_phaseStart + double(index) * m_state.config().samplingInterval());
        for (int c = 0; c < m_curves.size() && c < values.size(); ++c)
            m_curves[c].append(values[c]);
        m_data.send(m_frames->values(quint32(index), values));
        return;
    }
    const bool midShot = index == m_samples / 2;
    const bool corrupt = midShot && m_corruptThisShot;
    if (corrupt)
        m_data.corruptNextFrame();
    sendShotFrame(m_frames->samples(quint32(index), m_curves));
    // The PC drops a corrupted frame: the samples behind it no longer follow on unbroken.
    if (corrupt)
        m_shotIntact = false;
    else if (m_shotIntact)
        ++m_samplesDelivered;
    if (!midShot)
        return;
    if (m_dropThisShot) {
        m_data.flush();
        m_data.dropClient();
    } else if (m_shotFault == RandomFaults::CloseConnection) {
        m_data.flush();
        m_data.closeClient();
    } else if (m_shotFault == RandomFaults::Stall) {
        m_data.flush();
        m_shotIntact = false; // the rest comes after the PC's watchdog has given up
        m_stallUntilNs = m_wall.nsecsElapsed() + qint64(m_settings.stallMs) * 1000000;
    }
}

void ShotStreamer::finishShot()
{
    bool ng = false;
    QList<quint16> flags;
    sendResults(m_curves, true, &ng, &flags);
    const bool alarmBefore = m_state.alarm();
    m_state.countShot(ng);
    if (m_state.alarm() && !alarmBefore)
        m_alarmSince = m_unitMs;
    sendStatus();
    ++m_completed;
    ++m_stats.shotsCompleted;
    m_stats.lastShotNumber = m_shotNumber;
    logShot(true, ng, flags);
    waitForNextShot(m_phaseStart);
    Q_EMIT shotCompleted(m_shotNumber, ng);

    if (FaultSwitches::hits(m_faults.resetEvery, m_completed) ||
        m_shotFault == RandomFaults::UnitReset)
        Q_EMIT selfResetDue();
    if (m_settings.shotLimit > 0 && m_completed >= m_settings.shotLimit) {
        m_phase = Phase::Halted;
        Q_EMIT shotLimitReached();
    }
}

void ShotStreamer::finishWindow()
{
    sendResults(m_curves, false, nullptr);
    sendStatus();
    beginWindow(m_phaseStart + shotLengthMs());
}

void ShotStreamer::sendResults(const QList<QList<qint16>>& curves, bool judge, bool* ng,
                               QList<quint16>* flags)
{
    const SystemConfig& config = m_state.config();
    QList<qint16> auxiliary(m_frames->channelCount(), 0);
    QList<ChannelResult> results(m_frames->channelCount());
    for (int c = 0; c < m_frames->channelCount() && c < curves.size(); ++c) {
        const QList<qint16>& curve = curves[c];
        const qsizetype n = qMin<qsizetype>(AuxiliarySamples, curve.size());
        if (n > 0)
            auxiliary[c] = qint16(std::accumulate(curve.begin(), curve.begin() + n, 0LL) / n);
        const ChannelConfig* channel = config.channelAt(c);
        if (!channel || !channel->enabled() || !m_channelLive.value(c))
            continue;
        results[c] = judgeChannel(*channel, curve, config.samplingInterval(),
                                  m_state.references().envelope(c));
        if (!judge)
            results[c].flags = 0;
        else if (results[c].flags != 0 && ng)
            *ng = true;
    }
    if (flags) {
        for (const ChannelResult& result : results)
            flags->append(result.flags);
    }
    sendShotFrame(m_frames->values(ShotFrames::AuxiliaryIndex, auxiliary));
    const qint32 number = m_phase == Phase::Shot ? m_shotNumber : m_state.shotNumber();
    for (const QByteArray& frame : m_frames->results(number, m_shotTime, m_elapsedMs, results))
        sendShotFrame(frame);
}

void ShotStreamer::logShot(bool finished, bool ng, const QList<quint16>& flags)
{
    if (!m_shotLog)
        return;
    SentShotLog::Shot shot;
    shot.shotNumber = m_shotNumber;
    shot.ordinal = m_shotOrdinal;
    shot.fault = QLatin1String(RandomFaults::name(m_shotFault));
    if (shot.fault.isEmpty() && m_dropThisShot)
        shot.fault = QStringLiteral("drop");
    else if (shot.fault.isEmpty() && m_corruptThisShot)
        shot.fault = QStringLiteral("corrupt");
    shot.finished = finished;
    shot.ng = ng;
    shot.flags = flags;
    shot.delivered = m_samplesDelivered;
    shot.complete = finished && m_shotIntact;
    shot.curves = m_curves;
    m_shotLog->writeShot(shot);
}

void ShotStreamer::sendStatus()
{
    const bool delivered = m_data.send(ShotFrames::unitStatus(m_state.unitStatusPayload()));
    if (delivered && m_state.resetPending())
        m_state.clearResetBit();
    m_data.flush();
}

void ShotStreamer::waitForNextShot(double from)
{
    m_phase = Phase::Waiting;
    m_nextShotAt = std::max(from + cycleMs(), m_unitMs);
}

// The shot or window in progress ends without results, as on a real unit whose
// measurement is interrupted.
void ShotStreamer::abandon()
{
    if (m_phase == Phase::Shot && m_samples > 0)
        logShot(false, false, {});
    m_stallUntilNs = -1;
    m_curves.clear();
    m_nextSample = 0;
    m_samples = 0;
}

void ShotStreamer::followMode()
{
    advanceClock();
    abandon();
    const bool limitReached = m_settings.shotLimit > 0 && m_completed >= m_settings.shotLimit;
    switch (m_state.mode()) {
    case UnitState::Monitor:
        if (limitReached) {
            m_phase = Phase::Halted;
            return;
        }
        // The first shot comes after the idle part of a cycle, as if the machine had
        // just finished one.
        waitForNextShot(m_unitMs - shotLengthMs());
        return;
    case UnitState::Maintenance:
        m_nextStatusAt = m_unitMs;
        beginWindow(m_unitMs);
        return;
    case UnitState::IoTest:
        m_phase = Phase::Halted;
        return;
    }
}

void ShotStreamer::abortShot()
{
    if (m_phase == Phase::Shot)
        followMode();
}

void ShotStreamer::takeZeroOffsets()
{
    advanceClock();
    const SystemConfig& config = m_state.config();
    // The raw readings without the old zero, so a second zero reset does not add up.
    QList<qint16> readings = m_synth.freeRunSample(config, qint64(m_unitMs));
    readings.resize(m_frames->channelCount());
    for (int c = 0; c < readings.size(); ++c) {
        const ChannelConfig* channel = config.channelAt(c);
        if (!channel || channel->unitCode() == TemperatureUnit)
            readings[c] = 0;
    }
    m_state.setZeroOffsets(readings);
}

void ShotStreamer::reloadConfiguration()
{
    m_frames =
        std::make_unique<ShotFrames>(m_state.config(), m_state.identity().usesLegacyLayout());
    if (m_state.zeroOffsets().size() != m_frames->channelCount())
        m_state.setZeroOffsets({});
    const SystemConfig& config = m_state.config();
    if (m_shotLog)
        m_shotLog->writeConfiguration(config);
    m_channelLive.clear();
    for (int m = 0; m < config.moduleCount(); ++m) {
        for (int c = 0; c < config.module(m)->channelCount(); ++c)
            m_channelLive << config.module(m)->enabled();
    }
    if (m_wall.isValid())
        followMode();
}

void ShotStreamer::restartAfterReset()
{
    m_previousStart = -1;
    m_alarmSince = -1;
    m_state.setZeroOffsets({});
    followMode();
    if (m_phase == Phase::Waiting)
        m_nextShotAt = std::max(m_nextShotAt, m_unitMs + m_settings.resetPauseMs);
}

QList<qint16> ShotStreamer::liveValues(double at)
{
    QList<qint16> values = m_synth.freeRunSample(m_state.config(), qint64(at));
    values.resize(m_frames->channelCount());
    for (int c = 0; c < values.size(); ++c)
        values[c] = m_channelLive.value(c) ? zeroed(values[c], c) : 0;
    return values;
}

// Channels of a disabled module read zero; the others are taken from their zero.
void ShotStreamer::prepareCurves(QList<QList<qint16>>& curves) const
{
    for (int c = 0; c < curves.size(); ++c) {
        const bool live = m_channelLive.value(c);
        for (qint16& value : curves[c])
            value = live ? zeroed(value, c) : 0;
    }
}

qint16 ShotStreamer::zeroed(qint16 value, int channel) const
{
    const QList<qint16>& offsets = m_state.zeroOffsets();
    if (channel >= offsets.size())
        return value;
    // The unit's converter reports 15-bit counts: below its zero it reads 0.
    return qint16(qMax(0, int(value) - offsets[channel]));
}
