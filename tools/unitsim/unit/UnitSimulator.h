#pragma once

#include "FrameLog.h"
#include "SentShotLog.h"
#include "SimulatorOptions.h"
#include "SimulatorStatistics.h"

#include <QByteArray>
#include <QMutex>
#include <QObject>

#include <functional>
#include <memory>

class CommandHandler;
class ControlServer;
class DataServer;
class ShotStreamer;
class UnitState;

// A measuring unit on the network: the control port answers the command set, the data
// port streams shots, the unit keeps its configuration, mode, counters and clock, and
// shows faults on demand. It runs in the thread it lives in, driven by that thread's
// event loop (see SimulatorThread to give it one of its own).
//
// Methods marked "any thread" may be called from another thread; they run in the
// simulator's thread and return when done.
class UnitSimulator : public QObject
{
    Q_OBJECT

public:
    explicit UnitSimulator(const SimulatorOptions& options, QObject* parent = nullptr);
    ~UnitSimulator() override;

    // Listens on both ports and starts the stream. False (with a reason) when a port
    // cannot be had or the options are unusable.
    bool start(QString* error = nullptr);
    void stop();

    const SimulatorOptions& options() const { return m_options; }
    // The ports listened on (useful when 0 asked for any free port). Any thread after start.
    quint16 controlPort() const { return m_controlPort; }
    quint16 dataPort() const { return m_dataPort; }
    // Any thread.
    const SimulatorStatistics& statistics() const { return m_stats; }

    // The unit's state, for the simulator's own thread only.
    UnitState& state() { return *m_state; }

    // Fault switches, any thread.
    FaultSwitches faults() const;
    void setFaults(const FaultSwitches& faults);
    void armDataDrop();
    void armCorruptFrame();
    void armWrongReply();
    // The unit resets itself: it comes back in monitor mode and says so in its next status.
    void reportUnitReset();
    void setSpeed(double speed);

    bool hasPendingFirmware() const;

public Q_SLOTS:
    // Hands the unit a firmware file its FTP server received ("boot.mot" or "apl.mot");
    // the next PrepareFirmwareUpdate installs it and resets the unit. Matches the FTP
    // stand-in's uploadCompleted signal, so the two connect directly. Any thread.
    void acceptFirmwareUpload(const QString& fileName, qint64 size, const QString& path);

Q_SIGNALS:
    void shotCompleted(qint32 shotNumber, bool ng);
    void shotFaultDrawn(RandomFaults::Kind fault);
    void shotLimitReached();
    void unitReset();
    void firmwareInstalled(const QString& fileName, qint64 size);

private:
    void runHere(const std::function<void()>& work) const;
    void connectParts();
    void installFirmware();
    void performReset(bool byWatchdog, bool dropConnections);
    void applyControlRefusal();

    SimulatorOptions m_options;
    FaultSwitches m_faults;
    FrameLog m_log;
    SentShotLog m_shotLog;
    SimulatorStatistics m_stats;
    std::unique_ptr<UnitState> m_state;
    CommandHandler* m_handler;
    ControlServer* m_control;
    DataServer* m_data;
    ShotStreamer* m_streamer;
    std::atomic<quint16> m_controlPort{0};
    std::atomic<quint16> m_dataPort{0};

    mutable QMutex m_uploadMutex;
    QString m_uploadName;
    QString m_uploadPath;
    qint64 m_uploadSize = 0;
    bool m_hasUpload = false;
};
