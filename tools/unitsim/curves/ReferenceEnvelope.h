#pragma once

#include <QHash>
#include <QList>
#include <QtGlobal>

// The monitoring (reference) waveforms the PC sends: for each channel an upper and a
// lower envelope and the time range in which they apply. The PC numbers channels in
// groups of eight from 1: module = global channel / 8 + 1, channel = global channel % 8 + 1.
class ReferenceEnvelope
{
public:
    QList<quint16> upper;
    QList<quint16> lower;
    quint16 start = 0; // as sent with the monitoring ranges
    quint16 end = 0;
};

class ReferenceStore
{
public:
    static constexpr int ChannelsPerGroup = 8;
    static constexpr int MaxGroups = 11;
    static constexpr int MaxPointsPerChunk = 200;

    // SendMonitoringRanges: 16 values, a start and an end for each of the group's 8 channels.
    // False (nothing stored) for a group number outside 1..11 or another value count.
    bool setRanges(quint8 module, const QList<quint16>& values);
    // SendMonitoringWaveform: `values` are pairs (upper, lower), one value of each envelope
    // per point, as the PC sends them; `offset` is the index of the chunk's first point.
    // A chunk at offset 0 starts a new waveform; every chunk replaces whatever the channel
    // held from its offset on, so a resent chunk cannot leave stale points behind. False
    // (nothing stored) for numbers outside 1..11 / 1..8, more than 200 points, fewer values
    // than 2 * pointCount, or an offset past the points held so far (a lost chunk would
    // otherwise leave a gap the unit cannot judge against).
    bool setWaveformChunk(quint8 module, quint8 channel, quint16 offset, int pointCount,
                          const QList<quint16>& values);
    // Null when nothing was sent for the channel; valid until the store changes.
    const ReferenceEnvelope* envelope(int globalChannel) const;
    void clear();

private:
    QHash<int, ReferenceEnvelope> m_envelopes;
};
