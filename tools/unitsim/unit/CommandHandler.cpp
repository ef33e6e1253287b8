#include "CommandHandler.h"

#include "BUPacket.h"
#include "UnitConfigCodec.h"
#include "UnitState.h"

#include <QDataStream>
#include <QDebug>

namespace {

constexpr quint8 Read = 0x00;
constexpr quint8 Write = 0x01;

// Command bits of StatusControl.
constexpr quint8 AlarmAcknowledge = 0x01;
constexpr quint8 ShotNumberReset = 0x02;
constexpr quint8 CounterClear = 0x04;
constexpr quint8 ZeroReset = 0x08;
constexpr quint8 AbortShot = 0x20;
constexpr quint8 WatchdogClear = 0x40;

constexpr int RangeValues = 16;
constexpr int RangesPayloadSize = 2 + RangeValues * 2;
constexpr int WaveformValues = 400;
constexpr int WaveformPayloadSize = 6 + WaveformValues * 2;
constexpr int ChannelsPerGroup = 8;
constexpr quint16 WaveformOffsetLimit = 60000;

qint32 readInt32(const QByteArray& payload, int offset)
{
    QDataStream s(payload.mid(offset, 4));
    qint32 value = 0;
    s >> value;
    return value;
}

} // namespace

CommandHandler::CommandHandler(UnitState& state, QObject* parent) : QObject(parent), m_state(state)
{
}

UnitReply CommandHandler::handle(quint8 type, const QByteArray& payload)
{
    switch (type) {
    case BUPacket::GetUnitInfo:
        return unitInfo(type);
    case BUPacket::StatusControl:
        return statusControl(type, payload);
    case BUPacket::IoControl:
        return ioControl(type, payload);
    case BUPacket::PrepareFirmwareUpdate:
        Q_EMIT firmwareUpdateRequested();
        return {};
    case BUPacket::SystemConfigTransfer:
        return systemConfig(type, payload);
    case BUPacket::ModuleConfigTransfer:
        return moduleConfig(type, payload);
    case BUPacket::SetClock:
        return clock(type, payload);
    case BUPacket::SendMonitoringRanges:
        return monitoringRanges(type, payload);
    case BUPacket::SendMonitoringWaveform:
        return monitoringWaveform(type, payload);
    default:
        return refuse(type, QStringLiteral("unknown request"));
    }
}

UnitReply CommandHandler::nak(quint8 requestType) const
{
    return {BUPacket::Nak, QByteArray(1, char(requestType))};
}

UnitReply CommandHandler::wrongReplyFor(const UnitReply& right) const
{
    if (right.type == BUPacket::UnitStatus)
        return {BUPacket::IoStatus, m_state.ioStatusPayload(UnitState::MainBoardCode)};
    return status();
}

UnitReply CommandHandler::refuse(quint8 type, const QString& why) const
{
    qDebug().noquote() << QStringLiteral("Unit refuses request 0x%1: %2")
                              .arg(type, 2, 16, QLatin1Char('0'))
                              .arg(why);
    return nak(type);
}

UnitReply CommandHandler::ack(quint8 requestType) const
{
    return {BUPacket::Ack, QByteArray(1, char(requestType))};
}

UnitReply CommandHandler::status() const
{
    return {BUPacket::UnitStatus, m_state.unitStatusPayload()};
}

bool CommandHandler::knownModule(qint32 moduleTypeCode) const
{
    return moduleTypeCode == UnitState::MainBoardCode ||
           UnitConfigCodec::moduleIndex(m_state.config(), quint32(moduleTypeCode)) >= 0;
}

UnitReply CommandHandler::unitInfo(quint8 type)
{
    // Older firmware predates this request.
    if (!m_state.identity().answersUnitInfo())
        return refuse(type, QStringLiteral("firmware without unit information"));
    return {BUPacket::UnitInfo, m_state.unitInfoPayload()};
}

UnitReply CommandHandler::statusControl(quint8 type, const QByteArray& payload)
{
    if (payload.size() == 1 && quint8(payload.at(0)) == Read)
        return status();
    if (payload.size() != 3 || quint8(payload.at(0)) != Write)
        return refuse(type, QStringLiteral("status control of %1 bytes").arg(payload.size()));
    const quint8 mode = quint8(payload.at(1));
    if (mode > UnitState::IoTest)
        return refuse(type, QStringLiteral("mode %1").arg(mode));

    if (mode != m_state.mode()) {
        m_state.setMode(UnitState::Mode(mode));
        Q_EMIT modeChanged(mode);
    }
    applyCommandBits(quint8(payload.at(2)));
    Q_EMIT statusChanged();
    return status();
}

void CommandHandler::applyCommandBits(quint8 bits)
{
    if (bits & AlarmAcknowledge)
        m_state.acknowledgeAlarm();
    if (bits & ShotNumberReset)
        m_state.resetShotNumber();
    if (bits & CounterClear)
        m_state.clearCounters();
    if (bits & ZeroReset)
        Q_EMIT zeroResetRequested();
    if (bits & AbortShot)
        Q_EMIT shotAbortRequested();
    if (bits & WatchdogClear)
        m_state.clearWatchdogCount();
}

UnitReply CommandHandler::ioControl(quint8 type, const QByteArray& payload)
{
    const bool read = payload.size() == 5 && quint8(payload.at(0)) == Read;
    const bool write = payload.size() == 6 && quint8(payload.at(0)) == Write;
    if (!read && !write)
        return refuse(type, QStringLiteral("I/O control of %1 bytes").arg(payload.size()));
    const qint32 code = readInt32(payload, 1);
    if (!knownModule(code))
        return refuse(type, QStringLiteral("I/O of module %1").arg(quint32(code), 8, 16));
    // Outside I/O test mode the outputs belong to the unit; the reply shows what they are.
    if (write)
        m_state.writeOutputs(quint8(payload.at(5)));
    return {BUPacket::IoStatus, m_state.ioStatusPayload(code)};
}

UnitReply CommandHandler::systemConfig(quint8 type, const QByteArray& payload)
{
    if (payload.size() == 1 && quint8(payload.at(0)) == Read)
        return {BUPacket::SystemConfigData, UnitConfigCodec::systemReply(m_state.config(), Read)};
    if (payload.isEmpty() || quint8(payload.at(0)) != Write)
        return refuse(type, QStringLiteral("system configuration request"));
    QString why;
    if (!UnitConfigCodec::applySystemWrite(payload, m_state.config(), &why))
        return refuse(type, why);
    Q_EMIT configurationChanged();
    return {BUPacket::SystemConfigData, UnitConfigCodec::systemReply(m_state.config(), Write)};
}

UnitReply CommandHandler::moduleConfig(quint8 type, const QByteArray& payload)
{
    const auto layout = m_state.identity().channelLayout();
    if (payload.size() == 5 && quint8(payload.at(0)) == Read) {
        const int index =
            UnitConfigCodec::moduleIndex(m_state.config(), quint32(readInt32(payload, 1)));
        if (index < 0)
            return refuse(type, QStringLiteral("module not fitted"));
        return {BUPacket::ModuleConfigData,
                UnitConfigCodec::moduleReply(*m_state.config().module(index), layout, Read)};
    }
    if (payload.isEmpty() || quint8(payload.at(0)) != Write)
        return refuse(type, QStringLiteral("module configuration request"));
    QString why;
    if (!UnitConfigCodec::applyModuleWrite(payload, m_state.config(), layout, &why))
        return refuse(type, why);
    Q_EMIT configurationChanged();
    const int index =
        UnitConfigCodec::moduleIndex(m_state.config(), quint32(readInt32(payload, 1)));
    return {BUPacket::ModuleConfigData,
            UnitConfigCodec::moduleReply(*m_state.config().module(index), layout, Write)};
}

UnitReply CommandHandler::clock(quint8 type, const QByteArray& payload)
{
    if (payload.size() == 1 && quint8(payload.at(0)) == Read)
        return {BUPacket::ClockReply, m_state.clockReplyPayload()};
    if (payload.size() != 9 || quint8(payload.at(0)) != Write || !m_state.setClock(payload.mid(1)))
        return refuse(type, QStringLiteral("clock %1").arg(QString::fromLatin1(payload.toHex())));
    return {BUPacket::ClockReply, m_state.clockReplyPayload()};
}

UnitReply CommandHandler::monitoringRanges(quint8 type, const QByteArray& payload)
{
    if (payload.size() != RangesPayloadSize || quint8(payload.at(0)) != Write)
        return refuse(type, QStringLiteral("ranges of %1 bytes").arg(payload.size()));
    const int module = quint8(payload.at(1));
    const int groups = (m_state.config().channelCount() + ChannelsPerGroup - 1) / ChannelsPerGroup;
    if (module < 1 || module > groups)
        return refuse(type, QStringLiteral("ranges for channel group %1").arg(module));
    QDataStream s(payload.mid(2));
    QList<quint16> values(RangeValues);
    for (quint16& value : values)
        s >> value;
    if (!m_state.references().setRanges(quint8(module), values))
        return refuse(type, QStringLiteral("ranges for channel group %1").arg(module));
    return ack(type);
}

UnitReply CommandHandler::monitoringWaveform(quint8 type, const QByteArray& payload)
{
    if (payload.size() != WaveformPayloadSize || quint8(payload.at(0)) != Write)
        return refuse(type, QStringLiteral("waveform chunk of %1 bytes").arg(payload.size()));
    QDataStream s(payload.mid(1));
    quint8 module = 0, channel = 0, points = 0;
    quint16 offset = 0;
    s >> module >> channel >> points >> offset;
    const int global = (module - 1) * ChannelsPerGroup + (channel - 1);
    if (module < 1 || channel < 1 || channel > ChannelsPerGroup ||
        global >= m_state.config().channelCount() || points > WaveformValues / 2 ||
        offset >= WaveformOffsetLimit)
        return refuse(type, QStringLiteral("waveform chunk for %1/%2 at %3 (%4 points)")
                                .arg(module)
                                .arg(channel)
                                .arg(offset)
                                .arg(points));
    QList<quint16> values(points * 2);
    for (quint16& value : values)
        s >> value;
    // The store refuses a chunk that would leave a gap (one before it was lost).
    if (!m_state.references().setWaveformChunk(module, channel, offset, points, values))
        return refuse(type, QStringLiteral("waveform chunk at %1 leaves a gap").arg(offset));
    return ack(type);
}
