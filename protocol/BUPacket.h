#pragma once

#include "ModuleTypeCode.h"

#include <QByteArray>
#include <QMap>
#include <QPair>
#include <QtEndian>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <type_traits>

class QDataStream;

// Reads big-endian fields straight from a byte buffer, as QDataStream would: a field
// that runs past the end reads as 0 and so does everything after it.
class BigEndianReader
{
public:
    BigEndianReader(const char* data, qsizetype size) : m_data(data), m_size(size) {}

    template <typename T> BigEndianReader& operator>>(T& value)
    {
        static_assert(std::is_integral_v<T>);
        if (m_size - m_pos < qsizetype(sizeof(T))) {
            value = 0;
            m_pos = m_size;
            return *this;
        }
        value = qFromBigEndian<T>(m_data + m_pos);
        m_pos += sizeof(T);
        return *this;
    }

    // Copies up to `size` bytes; returns how many there were.
    qsizetype readRaw(char* out, qsizetype size)
    {
        const qsizetype n = std::clamp(m_size - m_pos, qsizetype(0), std::max(size, qsizetype(0)));
        if (n > 0)
            std::memcpy(out, m_data + m_pos, size_t(n));
        m_pos += n;
        return n;
    }

private:
    const char* m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

// Decoded payload layouts of the packets the unit sends. Counts are u8 on the wire, so
// every entry table has room for 255 entries and no count can index past it.
namespace BUPayload {

constexpr int MaxEntries = 255;
constexpr int MaxChannels = ModuleTypeCode::MaxChannelsPerModule;

struct ShotTime
{
    quint8 year = 0; // minus 2000
    quint8 month = 0;
    quint8 day = 0;
    quint8 hour = 0;
    quint8 minute = 0;
    quint8 second = 0;
    quint8 tenths = 0; // milliseconds / 100
};

struct ShotStart
{
    quint8 reserved0 = 0;
    quint8 reserved1 = 0;
    qint32 shotNumber = 0;
    ShotTime time;
    quint32 elapsedMs = 0; // since the previous shot
};

struct ModuleSamples
{
    qint32 moduleTypeCode = 0;
    std::array<qint16, MaxChannels> values{};
};

struct ShotSamples
{
    static constexpr quint32 AuxiliaryIndex = 0xFFFFFFFFU;

    quint8 reserved = 0;
    quint32 sampleIndex = 0;
    quint8 moduleCount = 0;
    std::array<ModuleSamples, MaxEntries> modules{};

    bool isAuxiliary() const { return sampleIndex == AuxiliaryIndex; }
};

struct ModuleResult
{
    qint32 moduleTypeCode = 0;
    std::array<quint16, MaxChannels> flags{};
    std::array<qint16, MaxChannels> a{};
    std::array<qint16, MaxChannels> b{};
    std::array<qint16, MaxChannels> c{};
    std::array<qint32, MaxChannels> d{};
    std::array<qint32, MaxChannels> e{};
    std::array<quint32, MaxChannels> f{};
    std::array<qint32, MaxChannels> g{}; // zero in the legacy layout, which has no G
};

struct ShotResult
{
    qint32 shotNumber = 0;
    ShotTime time;
    quint32 elapsedMs = 0;
    quint8 moduleCount = 0;
    bool legacyLayout = false; // layout the packet was read with
    std::array<ModuleResult, MaxEntries> modules{};
};

struct UnitInfoEntry
{
    qint32 moduleTypeCode = 0;
    quint32 versionWord = 0;
    quint8 extra = 0;
};

struct UnitInfo
{
    quint8 count = 0;
    std::array<UnitInfoEntry, MaxEntries> entries{};
};

struct UnitStatusEntry
{
    qint32 moduleTypeCode = 0;
    quint8 status = 0;
    quint8 extra0 = 0;
    quint8 extra1 = 0;
};

struct UnitStatus
{
    static constexpr quint8 MaintenanceModeBit = 0x01;
    static constexpr quint8 UnitResetBit = 0x08;

    qint32 shotNumber = 0;
    qint32 judgedCount = 0;
    qint32 ngCount = 0;
    quint8 mode = 0;
    quint8 statusBits = 0;
    quint8 moduleCount = 0;
    std::array<UnitStatusEntry, MaxEntries> entries{};
};

struct IoStatus
{
    qint32 reserved = 0;
    quint8 outputs = 0; // bit i is output i + 1
    quint8 inputs = 0;  // bit i is input i + 1
};

struct ClockReply
{
    std::array<quint8, 8> bytes{};
};

// Everything a packet object can hold. Like the unit's own union it is not cleared
// between packets: a reader sets only what its packet carries.
struct Area
{
    ShotStart shotStart;
    ShotSamples shotSamples;
    ShotResult shotResult;
    UnitInfo unitInfo;
    UnitStatus unitStatus;
    IoStatus ioStatus;
    QByteArray systemConfig; // payload bytes, decoded by the configuration encoding
    QByteArray moduleConfig; // payload bytes, decoded by the configuration encoding
    ClockReply clockReply;
    quint8 ack = 0;
    quint8 nak = 0;
};

} // namespace BUPayload

// One frame of the unit protocol: 0x40, u16 length (payload + 1), u8 type, payload, BCC.
// A port owns one and reuses it for every frame it receives.
class BUPacket
{
public:
    enum Type : int
    {
        // requests from the PC
        GetUnitInfo = 0x00,
        StatusControl = 0x01,
        IoControl = 0x02,
        PrepareFirmwareUpdate = 0x03,
        SystemConfigTransfer = 0x10,
        ModuleConfigTransfer = 0x11,
        SetClock = 0x12,
        SendMonitoringRanges = 0x18,
        SendMonitoringWaveform = 0x19,
        // packets from the unit
        ShotStart = 0x40,
        ShotSamples = 0x41,
        ShotResult = 0x42,
        UnitInfo = 0x50,
        UnitStatus = 0x51,
        IoStatus = 0x52,
        SystemConfigData = 0x60,
        ModuleConfigData = 0x61,
        ClockReply = 0x62,
        ShotResultAlt = 0x72,
        Ack = 0xA0,
        Nak = 0xA1,
    };

    static constexpr quint8 StartByte = 0x40;
    static constexpr int HeaderSize = 4;

    using LengthLimit = QPair<quint16, quint16>;
    using PacketLengthLimits = QMap<int, LengthLimit>;

    // Fills the length limits; the ModuleConfigData row depends on the firmware type
    // at this moment.
    BUPacket();
    ~BUPacket();
    BUPacket(const BUPacket&) = delete;
    BUPacket& operator=(const BUPacket&) = delete;

    int type() const { return m_type; }
    void setType(int type) { m_type = type; }
    quint16 length() const { return m_length; }
    quint8 startByte() const { return m_startByte; }

    const PacketLengthLimits& lengthLimits() const { return m_lengthLimits; }
    // True when the type is known and the length lies within its limits.
    bool headerIsValid(quint16 length, int type) const;

    // The frame for the current type around the given payload. Empty when the payload
    // does not fit the 16-bit length field.
    QByteArray encode(const QByteArray& payload) const;

    // Reads start byte, length and type; stores length and type when they pass the checks.
    bool readHeader(QDataStream& stream);
    // Decodes the payload of the stored type from `body` (the payload and the BCC). False
    // for a type without a reader, in which case the payload area is left as it was.
    bool readPayload(const char* body, qsizetype size);
    // The same from the rest of the stream's device.
    bool readPayload(QDataStream& stream);
    // Stores a header that was checked elsewhere (by headerIsValid).
    void setHeader(quint16 length, int type);

    // XOR over the length bytes, the type and every body byte but the last (the BCC).
    static quint8 computeBcc(quint16 length, quint8 type, const char* body, qsizetype bodySize);

    const BUPayload::ShotStart& shotStart() const { return m_area->shotStart; }
    const BUPayload::ShotSamples& shotSamples() const { return m_area->shotSamples; }
    const BUPayload::ShotResult& shotResult() const { return m_area->shotResult; }
    const BUPayload::UnitInfo& unitInfo() const { return m_area->unitInfo; }
    const BUPayload::UnitStatus& unitStatus() const { return m_area->unitStatus; }
    const BUPayload::IoStatus& ioStatus() const { return m_area->ioStatus; }
    const QByteArray& systemConfigPayload() const { return m_area->systemConfig; }
    const QByteArray& moduleConfigPayload() const { return m_area->moduleConfig; }
    const BUPayload::ClockReply& clockReply() const { return m_area->clockReply; }
    quint8 ackValue() const { return m_area->ack; }
    quint8 nakValue() const { return m_area->nak; }

private:
    void readShotStart(BigEndianReader& s);
    void readShotSamples(BigEndianReader& s);
    void readShotResult(BigEndianReader& s);
    void readUnitInfo(BigEndianReader& s);
    void readUnitStatus(BigEndianReader& s);
    void readIoStatus(BigEndianReader& s);
    void readConfigBytes(BigEndianReader& s, QByteArray& target);
    void readClockReply(BigEndianReader& s);

    quint8 m_startByte = StartByte;
    int m_type = 0;
    quint16 m_length = 0;
    PacketLengthLimits m_lengthLimits;
    std::unique_ptr<BUPayload::Area> m_area;
};
