#include "BUPacket.h"

#include "FirmwareInfo.h"

#include <QDataStream>
#include <QIODevice>

namespace {

struct LimitRow
{
    int type;
    quint16 min;
    quint16 max;
};

constexpr LimitRow FixedLimits[] = {
    {BUPacket::ShotStart, 19, 19},
    {BUPacket::ShotSamples, 19, 111},
    {BUPacket::ShotResult, 98, 802},
    {BUPacket::ShotResultAlt, 98, 802},
    {BUPacket::UnitInfo, 10, 90},
    {BUPacket::UnitStatus, 23, 115},
    {BUPacket::IoStatus, 7, 7},
    {BUPacket::SystemConfigData, 30, 80},
    {BUPacket::ClockReply, 10, 10},
    {0x63, 46, 86},
    {0x67, 169, 169},
    {0x68, 22, 38},
    {0x69, 14, 810},
    {0x71, 18, 126},
    {BUPacket::Ack, 2, 2},
    {BUPacket::Nak, 2, 2},
};

// A reply whose module-specific area is 132 bytes after 4 or 8 channel records.
constexpr LimitRow ModuleConfigLegacy = {BUPacket::ModuleConfigData, 378, 602};
constexpr LimitRow ModuleConfigCurrent = {BUPacket::ModuleConfigData, 442, 730};

void readTime(BigEndianReader& s, BUPayload::ShotTime& t)
{
    s >> t.year >> t.month >> t.day >> t.hour >> t.minute >> t.second >> t.tenths;
}

void skipByte(BigEndianReader& s)
{
    quint8 ignored;
    s >> ignored;
}

} // namespace

BUPacket::BUPacket() : m_area(std::make_unique<BUPayload::Area>())
{
    for (const LimitRow& row : FixedLimits)
        m_lengthLimits.insert(row.type, {row.min, row.max});
    const LimitRow& config = firmwareUsesLegacyLayout() ? ModuleConfigLegacy : ModuleConfigCurrent;
    m_lengthLimits.insert(config.type, {config.min, config.max});
}

BUPacket::~BUPacket() = default;

bool BUPacket::headerIsValid(quint16 length, int type) const
{
    const auto it = m_lengthLimits.constFind(type);
    if (it == m_lengthLimits.constEnd())
        return false;
    return length >= it->first && length <= it->second;
}

QByteArray BUPacket::encode(const QByteArray& payload) const
{
    if (payload.size() > 0xFFFE)
        return {};
    const auto length = static_cast<quint16>(payload.size() + 1);
    QByteArray frame;
    frame.reserve(HeaderSize + length);
    frame.append(static_cast<char>(m_startByte));
    frame.append(static_cast<char>(length >> 8));
    frame.append(static_cast<char>(length & 0xFF));
    frame.append(static_cast<char>(m_type & 0xFF));
    frame.append(payload);
    quint8 bcc = 0;
    for (qsizetype i = 1; i < frame.size(); ++i)
        bcc ^= static_cast<quint8>(frame.at(i));
    frame.append(static_cast<char>(bcc));
    return frame;
}

bool BUPacket::readHeader(QDataStream& stream)
{
    quint8 start = 0;
    stream >> start;
    if (start != StartByte)
        return false;
    quint16 length = 0;
    quint8 type = 0;
    stream >> length >> type;
    if (stream.status() != QDataStream::Ok || !headerIsValid(length, type))
        return false;
    setHeader(length, type);
    return true;
}

void BUPacket::setHeader(quint16 length, int type)
{
    m_length = length;
    m_type = type;
}

quint8 BUPacket::computeBcc(quint16 length, quint8 type, const char* body, qsizetype bodySize)
{
    quint8 bcc = static_cast<quint8>(length >> 8) ^ static_cast<quint8>(length & 0xFF) ^ type;
    for (qsizetype i = 0; i + 1 < bodySize; ++i)
        bcc ^= static_cast<quint8>(body[i]);
    return bcc;
}

bool BUPacket::readPayload(QDataStream& stream)
{
    QIODevice* device = stream.device();
    const QByteArray body = device ? device->readAll() : QByteArray();
    return readPayload(body.constData(), body.size());
}

bool BUPacket::readPayload(const char* body, qsizetype size)
{
    BigEndianReader stream(body, size);
    switch (m_type) {
    case ShotStart:
        readShotStart(stream);
        return true;
    case ShotSamples:
        readShotSamples(stream);
        return true;
    case ShotResult:
    case ShotResultAlt:
        readShotResult(stream);
        return true;
    case UnitInfo:
        readUnitInfo(stream);
        return true;
    case UnitStatus:
        readUnitStatus(stream);
        return true;
    case IoStatus:
        readIoStatus(stream);
        return true;
    case SystemConfigData:
        readConfigBytes(stream, m_area->systemConfig);
        return true;
    case ModuleConfigData:
        readConfigBytes(stream, m_area->moduleConfig);
        return true;
    case ClockReply:
        readClockReply(stream);
        return true;
    case Ack:
        stream >> m_area->ack;
        return true;
    case Nak:
        stream >> m_area->nak;
        return true;
    default:
        return false;
    }
}

void BUPacket::readShotStart(BigEndianReader& s)
{
    BUPayload::ShotStart& p = m_area->shotStart;
    s >> p.reserved0 >> p.reserved1 >> p.shotNumber;
    readTime(s, p.time);
    skipByte(s);
    s >> p.elapsedMs;
}

void BUPacket::readShotSamples(BigEndianReader& s)
{
    BUPayload::ShotSamples& p = m_area->shotSamples;
    s >> p.reserved >> p.sampleIndex >> p.moduleCount;
    for (int m = 0; m < p.moduleCount; ++m) {
        BUPayload::ModuleSamples& block = p.modules[m];
        s >> block.moduleTypeCode;
        const int channels = ModuleTypeCode::channelCount(block.moduleTypeCode);
        for (int c = 0; c < channels; ++c)
            s >> block.values[c];
    }
}

void BUPacket::readShotResult(BigEndianReader& s)
{
    BUPayload::ShotResult& p = m_area->shotResult;
    const bool legacy = firmwareUsesLegacyLayout();
    p.legacyLayout = legacy;
    s >> p.shotNumber;
    readTime(s, p.time);
    skipByte(s);
    s >> p.elapsedMs >> p.moduleCount;
    for (int m = 0; m < p.moduleCount; ++m) {
        BUPayload::ModuleResult& block = p.modules[m];
        s >> block.moduleTypeCode;
        const int channels = ModuleTypeCode::channelCount(block.moduleTypeCode);
        for (int c = 0; c < channels; ++c) {
            if (legacy) {
                quint8 flags = 0;
                s >> flags;
                block.flags[c] = flags;
            } else {
                s >> block.flags[c];
            }
        }
        for (int c = 0; c < channels; ++c) {
            s >> block.a[c] >> block.b[c] >> block.c[c] >> block.d[c] >> block.e[c] >> block.f[c];
            if (legacy)
                block.g[c] = 0;
            else
                s >> block.g[c];
        }
    }
}

void BUPacket::readUnitInfo(BigEndianReader& s)
{
    BUPayload::UnitInfo& p = m_area->unitInfo;
    s >> p.count;
    for (int i = 0; i < p.count; ++i) {
        BUPayload::UnitInfoEntry& e = p.entries[i];
        s >> e.moduleTypeCode >> e.versionWord >> e.extra;
    }
}

void BUPacket::readUnitStatus(BigEndianReader& s)
{
    BUPayload::UnitStatus& p = m_area->unitStatus;
    s >> p.shotNumber >> p.judgedCount >> p.ngCount >> p.mode >> p.statusBits >> p.moduleCount;
    for (int i = 0; i < p.moduleCount; ++i) {
        BUPayload::UnitStatusEntry& e = p.entries[i];
        s >> e.moduleTypeCode >> e.status >> e.extra0 >> e.extra1;
    }
}

void BUPacket::readIoStatus(BigEndianReader& s)
{
    BUPayload::IoStatus& p = m_area->ioStatus;
    s >> p.reserved >> p.outputs >> p.inputs;
}

void BUPacket::readConfigBytes(BigEndianReader& s, QByteArray& target)
{
    // The body handed to the reader ends with the BCC, which is not payload.
    const int payloadSize = m_length > 0 ? m_length - 1 : 0;
    target.resize(payloadSize);
    target.resize(s.readRaw(target.data(), payloadSize));
}

void BUPacket::readClockReply(BigEndianReader& s)
{
    for (quint8& b : m_area->clockReply.bytes)
        s >> b;
    skipByte(s);
}
