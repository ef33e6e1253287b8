#include "FrameLog.h"

#include "BUPacket.h"

#include <QDebug>

namespace {

constexpr int ShownBytes = 24;

} // namespace

void FrameLog::frame(const char* port, Direction direction, const QByteArray& frame) const
{
    if (!m_enabled)
        return;
    const int type = frame.size() > 3 ? quint8(frame.at(3)) : -1;
    qInfo().noquote() << QStringLiteral("[%1] %2 %3 (%4 bytes) %5")
                             .arg(QLatin1String(port), -7)
                             .arg(direction == Direction::Sent ? QLatin1String(">>")
                                                               : QLatin1String("<<"))
                             .arg(typeName(type), -22)
                             .arg(frame.size())
                             .arg(hex(frame, ShownBytes));
}

void FrameLog::note(const char* port, const QString& text) const
{
    if (m_enabled)
        qInfo().noquote() << QStringLiteral("[%1] %2").arg(QLatin1String(port), -7).arg(text);
}

QString FrameLog::typeName(int type)
{
    struct Name
    {
        int type;
        const char* name;
    };
    static constexpr Name Names[] = {
        {BUPacket::GetUnitInfo, "GetUnitInfo"},
        {BUPacket::StatusControl, "StatusControl"},
        {BUPacket::IoControl, "IoControl"},
        {BUPacket::PrepareFirmwareUpdate, "PrepareFirmwareUpdate"},
        {BUPacket::SystemConfigTransfer, "SystemConfigTransfer"},
        {BUPacket::ModuleConfigTransfer, "ModuleConfigTransfer"},
        {BUPacket::SetClock, "SetClock"},
        {BUPacket::SendMonitoringRanges, "SendMonitoringRanges"},
        {BUPacket::SendMonitoringWaveform, "SendMonitoringWaveform"},
        {BUPacket::ShotStart, "ShotStart"},
        {BUPacket::ShotSamples, "ShotSamples"},
        {BUPacket::ShotResult, "ShotResult"},
        {BUPacket::ShotResultAlt, "ShotResultAlt"},
        {BUPacket::UnitInfo, "UnitInfo"},
        {BUPacket::UnitStatus, "UnitStatus"},
        {BUPacket::IoStatus, "IoStatus"},
        {BUPacket::SystemConfigData, "SystemConfigData"},
        {BUPacket::ModuleConfigData, "ModuleConfigData"},
        {BUPacket::ClockReply, "ClockReply"},
        {BUPacket::Ack, "Ack"},
        {BUPacket::Nak, "Nak"},
    };
    const QString code = QStringLiteral("0x%1").arg(type, 2, 16, QLatin1Char('0'));
    for (const Name& entry : Names) {
        if (entry.type == type)
            return QLatin1String(entry.name) + QLatin1Char(' ') + code;
    }
    return QStringLiteral("type ") + code;
}

QString FrameLog::hex(const QByteArray& bytes, int maxBytes)
{
    QString text = QString::fromLatin1(bytes.left(maxBytes).toHex(' '));
    if (bytes.size() > maxBytes)
        text += QLatin1String(" ...");
    return text;
}
