// The unit's command set on top of the control port's request/reply exchange.

#include "ControlPort.h"

#include "ModuleConfigBase.h"
#include "SystemConfig.h"

#include <QDataStream>
#include <QDateTime>

namespace {

constexpr quint8 Read = 0x00;
constexpr quint8 Write = 0x01;
constexpr int MonitoringRangeValues = 16;
constexpr int MaxWaveformValues = 400;
constexpr quint16 WaveformOffsetLimit = 60000;

template <typename Fill> QByteArray payload(Fill fill)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    fill(stream);
    return bytes;
}

} // namespace

int ControlPort::exchange(quint8 type, const QByteArray& payload, int expectedReply)
{
    const int result = requestAndWaitResponse(type, payload);
    if (result != ControlSuccess)
        return result;
    return m_packet->type() == expectedReply ? ControlSuccess : ControlUnexpectedType;
}

int ControlPort::readUnitInfo()
{
    return exchange(BUPacket::GetUnitInfo, {}, BUPacket::UnitInfo);
}

int ControlPort::readStatus()
{
    return exchange(BUPacket::StatusControl, QByteArray(1, char(Read)), BUPacket::UnitStatus);
}

int ControlPort::setMode(quint8 mode, quint8 commandBits)
{
    return exchange(BUPacket::StatusControl,
                    payload([&](QDataStream& s) { s << Write << mode << commandBits; }),
                    BUPacket::UnitStatus);
}

int ControlPort::readIoStatus(qint32 moduleTypeCode)
{
    return exchange(BUPacket::IoControl,
                    payload([&](QDataStream& s) { s << Read << moduleTypeCode; }),
                    BUPacket::IoStatus);
}

int ControlPort::writeOutputs(qint32 moduleTypeCode, quint8 outputBits)
{
    return exchange(BUPacket::IoControl,
                    payload([&](QDataStream& s) { s << Write << moduleTypeCode << outputBits; }),
                    BUPacket::IoStatus);
}

void ControlPort::prepareFirmwareUpdate()
{
    request(BUPacket::PrepareFirmwareUpdate, {});
}

int ControlPort::readSystemConfig()
{
    return exchange(BUPacket::SystemConfigTransfer, QByteArray(1, char(Read)),
                    BUPacket::SystemConfigData);
}

int ControlPort::writeSystemConfig(const SystemConfig& config)
{
    return exchange(BUPacket::SystemConfigTransfer, payload([&](QDataStream& s) {
                        s << Write;
                        config.writeTo(s);
                    }),
                    BUPacket::SystemConfigData);
}

int ControlPort::readModuleConfig(qint32 moduleTypeCode)
{
    return exchange(BUPacket::ModuleConfigTransfer,
                    payload([&](QDataStream& s) { s << Read << moduleTypeCode; }),
                    BUPacket::ModuleConfigData);
}

int ControlPort::writeModuleConfig(const ModuleConfigBase& module)
{
    return exchange(BUPacket::ModuleConfigTransfer, payload([&](QDataStream& s) {
                        s << Write;
                        module.writeTo(s);
                    }),
                    BUPacket::ModuleConfigData);
}

int ControlPort::setClock()
{
    return setClock(QDateTime::currentDateTime());
}

int ControlPort::setClock(const QDateTime& time)
{
    const QDate date = time.date();
    const QTime clock = time.time();
    return exchange(BUPacket::SetClock, payload([&](QDataStream& s) {
                        s << Write << quint8(date.year() - 2000) << quint8(date.month())
                          << quint8(date.day()) << quint8(clock.hour()) << quint8(clock.minute())
                          << quint8(clock.second()) << quint8(clock.msec() / 100) << quint8(0);
                    }),
                    BUPacket::ClockReply);
}

int ControlPort::sendMonitoringRanges(quint8 module, const QList<quint16>& values)
{
    if (values.size() != MonitoringRangeValues)
        return ControlBadReply;
    return exchange(BUPacket::SendMonitoringRanges, payload([&](QDataStream& s) {
                        s << Write << module;
                        for (quint16 v : values)
                            s << qint16(v);
                    }),
                    BUPacket::Ack);
}

int ControlPort::sendMonitoringWaveform(quint8 module, quint8 channel, quint16 offset,
                                        const QList<quint16>& values)
{
    if (offset >= WaveformOffsetLimit || values.size() > MaxWaveformValues)
        return ControlBadReply;
    return exchange(BUPacket::SendMonitoringWaveform, payload([&](QDataStream& s) {
                        s << Write << module << channel << quint8(values.size() / 2)
                          << qint16(offset);
                        for (quint16 v : values)
                            s << qint16(v);
                        for (qsizetype i = values.size(); i < MaxWaveformValues; ++i)
                            s << qint16(0);
                    }),
                    BUPacket::Ack);
}
