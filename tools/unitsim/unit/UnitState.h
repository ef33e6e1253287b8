#pragma once

#include "FirmwareIdentity.h"
#include "ReferenceEnvelope.h"
#include "SystemConfig.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QList>

// What the simulated unit holds: its configuration, operating mode, counters, alarm,
// clock, I/O and the monitoring references the PC sent. Lives in the simulator's
// thread; the servers and the shot stream read and change it there.
class UnitState
{
public:
    enum Mode : quint8
    {
        Monitor = 0,
        Maintenance = 1,
        IoTest = 2
    };

    // Bits of the unit status byte.
    static constexpr quint8 AlarmBit = 0x01;
    static constexpr quint8 ResetBit = 0x08;
    // Bits of a module entry's status byte: the watchdog count sits in entry 0's low nibble.
    static constexpr quint8 ModuleFaultBit = 0x10;
    static constexpr int WatchdogCountMax = 0x0F;

    static constexpr int InputCount = 5;
    static constexpr quint8 IoMask = 0x1F;
    // The unit's main board as it lists itself in UnitInfo (kind 0x40: no channels).
    static constexpr qint32 MainBoardCode = 0x40000001;
    static constexpr quint32 ModuleVersionWord = 0x01000000;

    UnitState(const SystemConfig& config, const FirmwareIdentity& identity);

    const FirmwareIdentity& identity() const { return m_identity; }
    SystemConfig& config() { return m_config; }
    const SystemConfig& config() const { return m_config; }
    ReferenceStore& references() { return m_references; }
    const ReferenceStore& references() const { return m_references; }

    Mode mode() const { return m_mode; }
    void setMode(Mode mode);

    qint32 shotNumber() const { return m_shotNumber; }
    qint32 judgedCount() const { return m_judgedCount; }
    qint32 ngCount() const { return m_ngCount; }
    // Numbers the next shot and returns its number.
    qint32 beginShot();
    // Counts a judged shot; an NG shot raises the alarm when the configuration enables it.
    void countShot(bool ng);
    void resetShotNumber() { m_shotNumber = 0; }
    void clearCounters();

    bool alarm() const { return m_alarm; }
    void acknowledgeAlarm();
    bool resetPending() const { return m_resetPending; }
    // The unit came back from a reset: monitor mode, outputs off, the reset bit set until
    // a status carrying it has reached the PC. A watchdog reset also counts.
    void markReset(bool byWatchdog);
    void clearResetBit() { m_resetPending = false; }
    int watchdogCount() const { return m_watchdogCount; }
    void clearWatchdogCount() { m_watchdogCount = 0; }

    quint8 statusByte() const;
    QByteArray unitStatusPayload() const;
    QByteArray unitInfoPayload() const;

    // Outputs are the operator's only in I/O test mode; otherwise output 1 follows the alarm.
    quint8 outputs() const;
    bool writeOutputs(quint8 bits);
    // The five inputs change on their own, each at its own pace, so an I/O test shows life.
    quint8 inputs() const;
    QByteArray ioStatusPayload(qint32 moduleTypeCode) const;

    // The unit's clock runs at host time plus an offset that SetClock adjusts.
    QDateTime clock() const;
    // Fields as SetClock carries them: year - 2000, month, day, hour, minute, second, tenths.
    bool setClock(const QByteArray& fields);
    QByteArray clockReplyPayload() const;

    // Zero reset: the live values of pressure channels become their zero.
    void setZeroOffsets(const QList<qint16>& offsets) { m_zeroOffsets = offsets; }
    const QList<qint16>& zeroOffsets() const { return m_zeroOffsets; }

private:
    SystemConfig m_config;
    FirmwareIdentity m_identity;
    ReferenceStore m_references;
    Mode m_mode = Monitor;
    qint32 m_shotNumber = 0;
    qint32 m_judgedCount = 0;
    qint32 m_ngCount = 0;
    bool m_alarm = false;
    bool m_resetPending = false;
    int m_watchdogCount = 0;
    quint8 m_testOutputs = 0;
    qint64 m_clockOffsetMs = 0;
    QElapsedTimer m_inputClock;
    QList<qint16> m_zeroOffsets;
};
