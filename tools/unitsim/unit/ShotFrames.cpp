#include "ShotFrames.h"

#include "BUPacket.h"
#include "ModuleTypeCode.h"
#include "ShotJudge.h"
#include "SystemConfig.h"
#include "UnitFrame.h"

#include <QDataStream>
#include <QIODevice>

namespace {

constexpr int SamplesHeaderSize = 6; // reserved byte, index, module count

void putBigEndian16(char* at, quint16 value)
{
    at[0] = char(value >> 8);
    at[1] = char(value & 0xFF);
}

void putBigEndian32(char* at, quint32 value)
{
    at[0] = char(value >> 24);
    at[1] = char((value >> 16) & 0xFF);
    at[2] = char((value >> 8) & 0xFF);
    at[3] = char(value & 0xFF);
}

void writeTime(QDataStream& s, const QDateTime& time)
{
    const QDate date = time.date();
    const QTime clock = time.time();
    s << quint8(date.year() - 2000) << quint8(date.month()) << quint8(date.day())
      << quint8(clock.hour()) << quint8(clock.minute()) << quint8(clock.second())
      << quint8(clock.msec() / 100) << quint8(0);
}

} // namespace

ShotFrames::ShotFrames(const SystemConfig& config, bool legacyLayout) : m_legacy(legacyLayout)
{
    int blockBytes = 0;
    for (int m = 0; m < config.moduleCount(); ++m) {
        const qint32 code = config.module(m)->moduleTypeCode();
        const int channels = ModuleTypeCode::channelCount(code);
        m_moduleCodes << code;
        m_moduleChannels << channels;
        m_firstChannel << m_channelCount;
        m_channelCount += channels;
        blockBytes += 4 + 2 * channels;
    }
    m_samplesTemplate = QByteArray(SamplesHeaderSize + blockBytes + UnitFrame::Overhead, '\0');
    char* payload = m_samplesTemplate.data() + UnitFrame::HeaderSize;
    payload[5] = char(m_moduleCodes.size());
    int offset = SamplesHeaderSize;
    for (int m = 0; m < m_moduleCodes.size(); ++m) {
        putBigEndian32(payload + offset, quint32(m_moduleCodes[m]));
        offset += 4 + 2 * m_moduleChannels[m];
    }
}

bool ShotFrames::fitsSampleFrame(const SystemConfig& config, QString* why)
{
    int bytes = 0;
    for (int m = 0; m < config.moduleCount(); ++m)
        bytes += 4 + 2 * ModuleTypeCode::channelCount(config.module(m)->moduleTypeCode());
    if (config.moduleCount() > 0 && bytes <= MaxSampleBlockBytes)
        return true;
    if (why)
        *why = config.moduleCount() == 0
                   ? QStringLiteral("a unit needs at least one module")
                   : QStringLiteral("the module blocks need %1 bytes, one sample frame holds %2")
                         .arg(bytes)
                         .arg(MaxSampleBlockBytes);
    return false;
}

QByteArray ShotFrames::shotStart(qint32 shotNumber, const QDateTime& time, quint32 elapsedMs) const
{
    QByteArray payload;
    QDataStream s(&payload, QIODevice::WriteOnly);
    s << quint8(0) << quint8(0) << shotNumber;
    writeTime(s, time);
    s << elapsedMs;
    return UnitFrame::build(BUPacket::ShotStart, payload);
}

// The stream's hot path: fills a prepared frame instead of building one per sample.
QByteArray ShotFrames::samples(quint32 index, const QList<QList<qint16>>& curves) const
{
    QByteArray frame = m_samplesTemplate;
    char* payload = frame.data() + UnitFrame::HeaderSize;
    putBigEndian32(payload + 1, index);
    int offset = SamplesHeaderSize;
    for (int m = 0; m < m_moduleCodes.size(); ++m) {
        offset += 4;
        for (int c = 0; c < m_moduleChannels[m]; ++c, offset += 2) {
            const int channel = m_firstChannel[m] + c;
            const QList<qint16>* curve = channel < curves.size() ? &curves[channel] : nullptr;
            const qint16 value = curve && qsizetype(index) < curve->size() ? curve->at(index) : 0;
            putBigEndian16(payload + offset, quint16(value));
        }
    }
    UnitFrame::seal(frame, BUPacket::ShotSamples);
    return frame;
}

QByteArray ShotFrames::values(quint32 index, const QList<qint16>& channelValues) const
{
    QByteArray frame = m_samplesTemplate;
    char* payload = frame.data() + UnitFrame::HeaderSize;
    putBigEndian32(payload + 1, index);
    int offset = SamplesHeaderSize;
    for (int m = 0; m < m_moduleCodes.size(); ++m) {
        offset += 4;
        for (int c = 0; c < m_moduleChannels[m]; ++c, offset += 2) {
            const int channel = m_firstChannel[m] + c;
            putBigEndian16(payload + offset,
                           quint16(channel < channelValues.size() ? channelValues[channel] : 0));
        }
    }
    UnitFrame::seal(frame, BUPacket::ShotSamples);
    return frame;
}

int ShotFrames::resultBlockSize(int channels) const
{
    // Code, flags (u8 legacy, i16 current), then A..F (18 bytes) or A..G (22 bytes).
    return m_legacy ? 4 + channels * (1 + 18) : 4 + channels * (2 + 22);
}

QList<QByteArray> ShotFrames::results(qint32 shotNumber, const QDateTime& time, quint32 elapsedMs,
                                      const QList<ChannelResult>& results) const
{
    QList<QByteArray> frames;
    int first = 0;
    while (first < m_moduleCodes.size()) {
        int count = 0;
        int bytes = 0;
        while (first + count < m_moduleCodes.size() &&
               bytes + resultBlockSize(m_moduleChannels[first + count]) <= MaxResultBlockBytes) {
            bytes += resultBlockSize(m_moduleChannels[first + count]);
            ++count;
        }
        const int type = frames.isEmpty() ? BUPacket::ShotResult : BUPacket::ShotResultAlt;
        frames << resultFrame(type, first, count, shotNumber, time, elapsedMs, results);
        first += count;
    }
    return frames;
}

QByteArray ShotFrames::resultFrame(int type, int firstModule, int moduleCount, qint32 shotNumber,
                                   const QDateTime& time, quint32 elapsedMs,
                                   const QList<ChannelResult>& results) const
{
    QByteArray payload;
    QDataStream s(&payload, QIODevice::WriteOnly);
    s << shotNumber;
    writeTime(s, time);
    s << elapsedMs << quint8(moduleCount);
    const auto resultOf = [&](int channel) {
        return channel < results.size() ? results[channel] : ChannelResult{};
    };
    for (int m = firstModule; m < firstModule + moduleCount; ++m) {
        s << m_moduleCodes[m];
        for (int c = 0; c < m_moduleChannels[m]; ++c) {
            const quint16 flags = resultOf(m_firstChannel[m] + c).flags;
            // Older firmware has 8 flag bits: it judges neither the eject zone nor slopes.
            if (m_legacy)
                s << quint8(flags & 0xFF);
            else
                s << flags;
        }
        for (int c = 0; c < m_moduleChannels[m]; ++c) {
            const ChannelResult r = resultOf(m_firstChannel[m] + c);
            s << r.a << r.b << r.c << r.d << r.e << r.f;
            if (!m_legacy)
                s << r.g;
        }
    }
    return UnitFrame::build(quint8(type), payload);
}

QByteArray ShotFrames::unitStatus(const QByteArray& payload)
{
    return UnitFrame::build(BUPacket::UnitStatus, payload);
}
