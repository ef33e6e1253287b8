#pragma once

#include "ChannelShotData.h"

#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QStringList>

class BUPacket;
class SystemConfig;

// One molding shot as it arrives from the unit. The shot handler owns two and fills
// them in turn, so the recorder can still write one while the next shot fills the other.
// Locks are taken ShotData first, then one channel at a time.
//
// Channel objects live as long as the buffer: reshaping it for another configuration
// reuses them (and adds more when needed), so a reader on another thread that still holds
// a channel never holds a deleted one.
class ShotData
{
public:
    static constexpr int DefaultChannelCount = 40;

    ShotData();
    ~ShotData();
    ShotData(const ShotData&) = delete;
    ShotData& operator=(const ShotData&) = delete;

    // Reshapes the buffer for a configuration: one channel per configured channel.
    void configure(const SystemConfig& config);
    // Empties every channel's samples, peak and sum.
    void clear();

    // Shot packets; each ignores a packet of another type.
    void begin(const BUPacket& packet);
    // Samples go in the order of their index. Once one is missing (a frame lost on the
    // wire, or the rest of the shot arriving on a new connection), the shot keeps only
    // the samples before the gap: those after it would land at wrong times.
    void appendShotSamples(const BUPacket& packet);
    void appendAuxiliary(const BUPacket& packet);
    void finish(const BUPacket& packet);

    int channelCount() const;
    ChannelShotData* channel(int index) const;
    quint8 moduleCount() const;
    QStringList moduleNames() const;
    qint32 shotNumber() const;
    QDateTime shotTime() const;
    quint32 elapsedSinceLastShot() const;
    quint8 samplingInterval() const;
    quint8 observationPeriod() const;
    // Counts the shots begun in this buffer, so a reader can tell a new shot from the one
    // it was writing.
    quint64 sequence() const;
    // True when the shot has a channel with any result flag set.
    bool isNG() const;

    QMutex& mutex() const { return m_lock; }

private:
    // Hands each value of the packet's module blocks to the next channel in turn.
    template <typename Visit> void walkChannels(const BUPacket& packet, Visit visit);
    void reportSurplusChannels(int total);

    quint8 m_moduleCount = 0;
    QList<ChannelShotData*> m_channels; // all ever made; the first m_channelCount are in use
    int m_channelCount = 0;
    quint64 m_sequence = 0;
    QStringList m_moduleNames;
    qint32 m_shotNumber = 0;
    QDateTime m_shotTime;
    quint32 m_elapsedMs = 0;
    quint8 m_samplingInterval = 1;
    quint8 m_period = 10;
    bool m_surplusReported = false;
    quint32 m_nextSampleIndex = 0;
    bool m_sampleGap = false;
    mutable QMutex m_lock;
};
