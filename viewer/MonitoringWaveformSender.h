#pragma once

#include "MonitoringWaveformFile.h"

#include <QList>
#include <QString>

#include <functional>

class ControlPort;

// What the unit receives for a monitoring waveform: per module of eight channels the
// ranges, then per channel the (upper, lower) pairs over its range in blocks of 200,
// always closed by one more block holding the remainder, which may be empty.
class MonitoringWaveformSender
{
public:
    static constexpr int ChannelsPerModule = 8;
    static constexpr int PairsPerBlock = 200;

    struct Block
    {
        quint8 module = 0;     // from 1
        quint8 channel = 0;    // within the module, from 1
        quint16 offset = 0;    // sample offset of the block's first pair within the range
        QList<quint16> values; // upper, lower, upper, lower, ...
    };

    enum Status
    {
        Sent,
        RangesFailed,
        WaveformFailed,
        Aborted
    };

    struct Outcome
    {
        Status status = Sent;
        int failedChannel = -1;
        // Channels not sent because their series do not cover their range.
        QList<int> skippedChannels;
    };

    // The 16 values of one module (from 1): start and end of each channel's range in
    // tens of milliseconds.
    static QList<quint16> rangeValues(const QList<ChannelParameters>& parameters, int module);
    // The blocks of one channel, or false when its limits cannot cover the range (the
    // upper and lower limit differ in length, or end before the range does).
    static bool blocks(const MonitoringWaveform& waveform, int channel, double valueFactor,
                       QList<Block>& out);

    // Called before each channel is sent; returning false aborts.
    using Progress = std::function<bool(int)>;
    // `valueFactor(channel)` gives the unit's value scale of each channel.
    static Outcome send(ControlPort& port, const MonitoringWaveform& waveform,
                        const std::function<double(int)>& valueFactor,
                        const Progress& progress = {});
};
