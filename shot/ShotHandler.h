#pragma once

#include "BUPacket.h"

#include <QObject>

#include <memory>

class QTimer;
class ShotData;
class SystemConfig;

// The handling of the packets the unit streams on the data port: it fills two shot
// buffers in turn, so the recorder can finish one shot while the next arrives, decides
// when the plot, the files and the molding machine hear of a shot, and closes a shot
// whose packets stop coming. It holds no widgets: the window drives it and listens.
class ShotHandler : public QObject
{
    Q_OBJECT

public:
    enum ShotState
    {
        Idle = 0,
        ShotInProgress = 1,
        Offline = 2
    };
    enum OperatingMode
    {
        MonitorMode = 0,
        MaintenanceMode = 1
    };

    static constexpr int DefaultWatchdogMs = 3000;

    explicit ShotHandler(QObject* parent = nullptr);
    ~ShotHandler() override;

    // Sample packets between two refreshes of plot, details and files: every 100 ms of
    // shot time. Intervals the configuration never holds (0, or 100 ms and more) refresh
    // on every packet.
    static int refreshStep(int samplingIntervalMs);

    // Reshapes both buffers for a configuration.
    void configure(const SystemConfig& config);
    // Time a shot may go without a sample packet before it is cut off.
    void setWatchdogInterval(int ms);

    // The mode the unit runs in; maintenance shots are shown but never recorded.
    void setOperatingMode(int mode);
    // While a dialog is open (or the configuration is re-read) every packet is ignored.
    // A shot in progress goes on afterwards, unless the watchdog cut it off meanwhile;
    // offline stays offline. A unit reset reported meanwhile is reported on resuming,
    // once however many came.
    void suspendPackets();
    void resumePackets();
    // While the data port holds the packets back (they follow in order), the shot in
    // progress waits for them; resuming gives it the whole interval again.
    void pauseWatchdog();
    void resumeWatchdog();
    // The unit is unreachable: packets are ignored until the application restarts.
    void goOffline();
    // The disk is (nearly) full: shots are shown but no longer recorded.
    void setSaveStopped(bool stopped);

    int state() const { return m_state; }
    int operatingMode() const { return m_operatingMode; }
    bool packetsSuspended() const { return m_packetsSuspended; }
    bool saveStopped() const { return m_saveStopped; }
    ShotData* shotDataA() const { return m_shotDataA.get(); }
    ShotData* shotDataB() const { return m_shotDataB.get(); }
    ShotData* currentShot() const { return m_currentShot; }

public Q_SLOTS:
    void handlePacketFromBU(BUPacket* packet);
    // Ends a shot that will get no result (watchdog, operator's abort): the complete rows
    // received so far are still recorded.
    void cutOffShot();
    void transitToIdleState();

Q_SIGNALS:
    // To the recording worker (queued across threads; the buffer is shared, not copied).
    void beginRawDataSaving(ShotData* shot);
    void saveRawData(ShotData* shot, bool final);
    // To the plot and the channel details: a shot began, has new samples, ended.
    void shotStarted(ShotData* shot);
    void shotRefreshed(ShotData* shot);
    void shotEnded(ShotData* shot);
    // A judged shot for the daily log.
    void shotLogRequested(ShotData* shot);
    // To the molding machine link: ask the machine around every recorded shot.
    void machineShotStarted();
    void machineShotEnded();
    // For the window's widgets.
    void samplePacketsReceived(int count);
    void becameIdle();
    void shotResultHandled();
    void unitResetDetected();
    void unitStatusReceived(const BUPayload::UnitStatus& status);

private:
    void startShot(const BUPacket& packet);
    void handleSamples(const BUPacket& packet);
    void endShot(const BUPacket& packet);
    void handleStatus(const BUPacket& packet);
    void saveRowsOfCutOffShot();
    bool recording() const;

    std::unique_ptr<ShotData> m_shotDataA;
    std::unique_ptr<ShotData> m_shotDataB;
    ShotData* m_currentShot = nullptr;
    QTimer* m_watchdog = nullptr;
    int m_state = Idle;
    int m_operatingMode = MonitorMode;
    bool m_packetsSuspended = false;
    bool m_resetWhileSuspended = false;
    bool m_saveStopped = false;
    int m_packetCount = 0;
};
