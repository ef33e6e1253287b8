#include "UnitState.h"

#include <QDataStream>
#include <QIODevice>

#include <limits>

namespace {

constexpr int MaxUnitInfoEntries = 9;  // UnitInfo frames end at 90 bytes
constexpr int InputPeriodBaseMs = 400; // input i toggles every (i + 1) * 400 ms

template <typename Fill> QByteArray payload(Fill fill)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    fill(stream);
    return bytes;
}

} // namespace

UnitState::UnitState(const SystemConfig& config, const FirmwareIdentity& identity)
    : m_config(config), m_identity(identity)
{
    m_inputClock.start();
}

void UnitState::setMode(Mode mode)
{
    if (mode != IoTest)
        m_testOutputs = 0;
    m_mode = mode;
}

qint32 UnitState::beginShot()
{
    // The counter wraps like the unit's own 31-bit counter rather than going negative.
    m_shotNumber = m_shotNumber == std::numeric_limits<qint32>::max() ? 1 : m_shotNumber + 1;
    return m_shotNumber;
}

void UnitState::countShot(bool ng)
{
    ++m_judgedCount;
    if (ng) {
        ++m_ngCount;
        if (m_config.alarmEnabled())
            m_alarm = true;
    }
}

void UnitState::clearCounters()
{
    m_judgedCount = 0;
    m_ngCount = 0;
}

void UnitState::acknowledgeAlarm()
{
    m_alarm = false;
}

void UnitState::markReset(bool byWatchdog)
{
    setMode(Monitor);
    m_alarm = false;
    m_resetPending = true;
    if (byWatchdog && m_watchdogCount < WatchdogCountMax)
        ++m_watchdogCount;
}

quint8 UnitState::statusByte() const
{
    return quint8((m_alarm ? AlarmBit : 0) | (m_resetPending ? ResetBit : 0));
}

QByteArray UnitState::unitStatusPayload() const
{
    return payload([&](QDataStream& s) {
        s << m_shotNumber << m_judgedCount << m_ngCount << quint8(m_mode) << statusByte()
          << quint8(m_config.moduleCount());
        for (int i = 0; i < m_config.moduleCount(); ++i) {
            const quint8 status = i == 0 ? quint8(m_watchdogCount & WatchdogCountMax) : 0;
            s << m_config.module(i)->moduleTypeCode() << status << quint8(0) << quint8(0);
        }
    });
}

QByteArray UnitState::unitInfoPayload() const
{
    // The main board first, then as many modules as the frame has room for.
    const int modules = qMin(m_config.moduleCount(), MaxUnitInfoEntries - 1);
    return payload([&](QDataStream& s) {
        s << quint8(modules + 1) << MainBoardCode << m_identity.versionWord() << quint8(0);
        for (int i = 0; i < modules; ++i)
            s << m_config.module(i)->moduleTypeCode() << ModuleVersionWord << quint8(0);
    });
}

quint8 UnitState::outputs() const
{
    if (m_mode == IoTest)
        return m_testOutputs;
    return m_alarm ? 0x01 : 0x00;
}

bool UnitState::writeOutputs(quint8 bits)
{
    if (m_mode != IoTest)
        return false;
    m_testOutputs = bits & IoMask;
    return true;
}

quint8 UnitState::inputs() const
{
    const qint64 ms = m_inputClock.elapsed();
    quint8 bits = 0;
    for (int i = 0; i < InputCount; ++i) {
        if ((ms / (InputPeriodBaseMs * (i + 1))) % 2 == 1)
            bits |= quint8(1U << i);
    }
    return bits;
}

QByteArray UnitState::ioStatusPayload(qint32 moduleTypeCode) const
{
    return payload([&](QDataStream& s) { s << moduleTypeCode << outputs() << inputs(); });
}

QDateTime UnitState::clock() const
{
    return QDateTime::currentDateTime().addMSecs(m_clockOffsetMs);
}

bool UnitState::setClock(const QByteArray& fields)
{
    if (fields.size() < 7)
        return false;
    const auto at = [&](int i) { return int(quint8(fields.at(i))); };
    const QDate date(2000 + at(0), at(1), at(2));
    const QTime time(at(3), at(4), at(5), at(6) * 100);
    if (!date.isValid() || !time.isValid())
        return false;
    m_clockOffsetMs = QDateTime::currentDateTime().msecsTo(QDateTime(date, time));
    return true;
}

QByteArray UnitState::clockReplyPayload() const
{
    const QDateTime now = clock();
    const QDate date = now.date();
    const QTime time = now.time();
    return payload([&](QDataStream& s) {
        s << quint8(date.year() - 2000) << quint8(date.month()) << quint8(date.day())
          << quint8(time.hour()) << quint8(time.minute()) << quint8(time.second())
          << quint8(time.msec() / 100) << quint8(date.dayOfWeek()) << quint8(0);
    });
}
