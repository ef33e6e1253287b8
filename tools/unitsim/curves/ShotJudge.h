#pragma once

#include <QList>
#include <QtGlobal>

class ChannelConfig;
class ReferenceEnvelope;

// What the unit reports for one channel at the end of a shot.
struct ChannelResult
{
    // Judgement bits; 0 means OK.
    enum Flag : quint16
    {
        Zone1 = 0x0001,        // "Z1"
        Zone2 = 0x0002,        // "Z2"
        Integral = 0x0004,     // "I"
        Point = 0x0008,        // "T"
        PeakTime = 0x0010,     // "PT"
        PeakIntegral = 0x0020, // "PI"
        Waveform = 0x0040,     // "W"
        Eject = 0x0100,        // "EJ"
        Slope = 0x0200,        // "S"
    };

    quint16 flags = 0; // 0x0001 Z1, 0x0002 Z2, 0x0004 I, 0x0008 T, 0x0010 PT, 0x0020 PI,
                       // 0x0040 W, 0x0100 EJ, 0x0200 S; 0 means OK
    qint16 a = 0;      // peak, counts
    qint16 b = 0;      // value at the point-monitoring time, counts
    qint16 c = 0;      // peak within the eject window, counts
    qint32 d = 0;      // integral, counts of the channel's integral scale
    qint32 e = 0;      // integral up to the peak
    quint32 f = 0;     // time of the peak, ms
    qint32 g = 0;      // slope, thousandths of the channel's unit per second (0.001 MPa/s)

    bool operator==(const ChannelResult&) const = default;
};

// Judges one channel's samples against its monitoring settings (and against the
// reference envelope when one was sent and waveform monitoring is on).
//
// Sample i was taken at i * samplingIntervalMs after the trigger. A sample's value is its
// low 15 bits, as everywhere on the unit's wire. Monitoring times are 10 ms units; a time
// window [start, end] holds the samples taken from start to end inclusive (a window
// given backwards is read forwards). Bands are inclusive.
//
// Values, reported for every enabled channel whether or not an item is enabled:
// - A: the highest sample of the shot; F: the time of its first occurrence, ms.
// - B: the sample at the point time (the last one taken at or before that instant).
// - C: the highest sample inside the eject window.
// - D: the integral of the whole shot, sum(value * valueScale * interval) in the unit's
//   value-seconds, divided by integralScale and rounded; E: the same up to and
//   including the peak sample.
// - G: the slope of the least-squares line through the samples of the slope window, in
//   0.001 of the channel's unit per second; a straight line rather than two end samples,
//   so that sensor noise on single samples cannot swing the result.
//
// Rules, each only when its item is enabled:
// - Zone 1, zone 2, eject: method "peak": the highest sample inside the zone's time
//   window lies within lower..upper; method "area": every sample inside the window does.
// - Point: B lies within lower..upper.
// - Peak time: F lies within start..end.
// - Integral, integral to peak: D, E lie within lower..upper.
// - Slope: G lies within lower..upper.
// - Waveform: every sample inside the envelope's time range whose envelope point was
//   sent lies within that point's lower..upper. Envelope point p belongs to sample
//   from + p, from = start * 10 / interval (integer division, as the PC counts). The
//   envelope values are read as signed 16-bit numbers, like every value on the wire, so
//   a lower limit the PC computed below zero does not wrap to a huge limit. Without an
//   envelope, or with waveform monitoring off, nothing is judged.
// - A window holding no sample (beyond the recorded shot) fails its item: the unit
//   cannot confirm it, and the operator sees the misplaced window. So does a slope
//   window with fewer than two samples.
// A channel that is not in use, or whose module is not, reports all zeros.
ChannelResult judgeChannel(const ChannelConfig& channel, const QList<qint16>& samples,
                           int samplingIntervalMs, const ReferenceEnvelope* envelope);
