#pragma once

#include "RandomFaults.h"
#include "ShotSynth.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QObject>

#include <memory>

class DataServer;
class QTimer;
class SentShotLog;
class ShotFrames;
class UnitState;
struct FaultSwitches;
struct SimulatorStatistics;

// Drives what the unit streams on its data port, in unit time: real time by default,
// faster or slower by a speed factor. A ~10 ms timer sends, in one burst, every frame
// that has become due since the last tick, so the stream keeps its pace at any sampling
// interval without a timer per sample.
//
// Monitor mode: shots follow each other at the cycle time (start to start): ShotStart,
// one ShotSamples per sample, the auxiliary block (each channel's zero level before
// injection: the mean of its first samples), the result frame(s) and a UnitStatus.
// Maintenance mode: the unit free-runs in observation windows of the same length:
// live values framed like a shot (ShotStart, samples, results without judgement and a
// UnitStatus), not counted, and a UnitStatus every second besides. I/O test mode streams nothing.
class ShotStreamer : public QObject
{
    Q_OBJECT

public:
    struct Settings
    {
        double speed = 1.0;
        int cycleTimeMs = 0; // start to start; 0: the observation period plus 2 s
        int shotLimit = 0;   // 0: no limit
        int tickMs = 10;
        SynthOptions synth;
        RandomFaults randomFaults;
        // A unit takes a while to come back after a reset: no shot for this long (unit time).
        int resetPauseMs = 0;
        // How long a stalled unit stays silent (wall time): longer than the PC's watchdog.
        int stallMs = 4000;
    };

    static constexpr int StatusIntervalMs = 1000;
    static constexpr int IdleGapMs = 2000;
    static constexpr int AuxiliarySamples = 10;
    // Frames per burst before the event loop gets a turn again.
    static constexpr int MaxFramesPerBurst = 4000;

    ShotStreamer(UnitState& state, DataServer& data, FaultSwitches& faults,
                 SimulatorStatistics& stats, const Settings& settings, QObject* parent = nullptr);
    ~ShotStreamer() override;

    void start();
    void stop();
    double speed() const { return m_settings.speed; }
    void setSpeed(double speed);
    double unitTimeMs() const { return m_unitMs; }
    // Every shot ended or abandoned is logged here, when set (not owned).
    void setShotLog(SentShotLog* log);

    // What the unit does when its state changes under it.
    void followMode();
    void abortShot();
    void takeZeroOffsets();
    void reloadConfiguration();
    void restartAfterReset();
    // Sends a UnitStatus now; the reset bit is cleared once a status carrying it went out.
    void sendStatus();

Q_SIGNALS:
    void shotCompleted(qint32 shotNumber, bool ng);
    // A random fault was drawn for the shot beginning now (None when the shot has none).
    void shotFaultDrawn(RandomFaults::Kind fault);
    void shotLimitReached();
    // The reset fault: the unit resets itself after this shot.
    void selfResetDue();

public Q_SLOTS:
    void tick();

private:
    enum class Phase
    {
        Waiting, // monitor mode between shots
        Shot,
        FreeRun,
        Halted // I/O test mode, or the shot limit was reached
    };

    bool step();
    bool housekeeping();
    void beginShot(double at);
    void beginWindow(double at);
    void sendSample();
    void drawShotFault();
    void sendShotFrame(const QByteArray& frame);
    void logShot(bool finished, bool ng, const QList<quint16>& flags);
    void finishShot();
    void finishWindow();
    void sendResults(const QList<QList<qint16>>& curves, bool judge, bool* ng,
                     QList<quint16>* flags = nullptr);
    void abandon();
    void waitForNextShot(double from);
    double cycleMs() const;
    double shotLengthMs() const;
    int sampleCount() const;
    QList<qint16> liveValues(double at);
    void prepareCurves(QList<QList<qint16>>& curves) const;
    qint16 zeroed(qint16 value, int channel) const;
    void advanceClock();

    UnitState& m_state;
    DataServer& m_data;
    FaultSwitches& m_faults;
    SimulatorStatistics& m_stats;
    Settings m_settings;
    ShotSynth m_synth;
    std::unique_ptr<ShotFrames> m_frames;
    QList<bool> m_channelLive; // false for the channels of a disabled module
    QTimer* m_timer;
    QElapsedTimer m_wall;
    qint64 m_lastWallNs = 0;
    double m_unitMs = 0;

    Phase m_phase = Phase::Waiting;
    double m_nextShotAt = 0;
    double m_phaseStart = 0;
    double m_previousStart = -1;
    double m_nextStatusAt = 0;
    double m_alarmSince = -1;
    int m_nextSample = 0;
    int m_samples = 0;
    QList<QList<qint16>> m_curves;
    qint32 m_shotNumber = 0;
    QDateTime m_shotTime;
    quint32 m_elapsedMs = 0;
    qint64 m_shotOrdinal = 0;
    qint64 m_completed = 0;
    bool m_dropThisShot = false;
    bool m_corruptThisShot = false;

    // The random fault of the shot in progress and what of the shot reached the PC.
    RandomFaults::Kind m_shotFault = RandomFaults::None;
    bool m_baseSplit = false;
    bool m_baseMerge = false;
    quint64 m_shotConnection = 0;
    bool m_shotIntact = false; // every frame so far went out whole on the shot's connection
    int m_samplesDelivered = 0;
    qint64 m_stallUntilNs = -1;
    SentShotLog* m_shotLog = nullptr;
};
