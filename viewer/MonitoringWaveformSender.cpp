#include "MonitoringWaveformSender.h"

#include "ControlPort.h"

#include <algorithm>
#include <cmath>

namespace {

// The unit takes a count of its value scale, truncated to 16 bits.
quint16 unitCount(float value, double factor)
{
    const double counts = std::floor(double(value) / factor);
    if (!std::isfinite(counts))
        return 0;
    return quint16(qint64(std::clamp(counts, -1e15, 1e15)) & 0xFFFF);
}

} // namespace

QList<quint16> MonitoringWaveformSender::rangeValues(const QList<ChannelParameters>& parameters,
                                                     int module)
{
    QList<quint16> values;
    for (int k = 0; k < ChannelsPerModule; ++k) {
        const int ch = (module - 1) * ChannelsPerModule + k;
        const ChannelParameters p =
            ch < parameters.size() ? parameters.at(ch) : ChannelParameters();
        values << quint16(p.rangeStart / 10) << quint16(p.rangeEnd / 10);
    }
    return values;
}

bool MonitoringWaveformSender::blocks(const MonitoringWaveform& waveform, int channel,
                                      double valueFactor, QList<Block>& out)
{
    out.clear();
    const int interval = waveform.layout.interval;
    if (channel < 0 || channel >= waveform.series.size() || channel >= waveform.parameters.size() ||
        interval <= 0 || valueFactor <= 0.0)
        return false;
    const ChannelSeries& s = waveform.series.at(channel);
    const ChannelParameters& p = waveform.parameters.at(channel);
    const qsizetype from = std::max(0, p.rangeStart / interval);
    const qsizetype to = p.rangeEnd / interval;
    if (s.upper.size() != s.lower.size() || to >= s.upper.size() || to < from)
        return false;
    const qsizetype count = to - from + 1;
    const qsizetype fullBlocks = count / PairsPerBlock;
    for (qsizetype k = 0; k <= fullBlocks; ++k) {
        Block block;
        block.module = quint8(channel / ChannelsPerModule + 1);
        block.channel = quint8(channel % ChannelsPerModule + 1);
        block.offset = quint16(k * PairsPerBlock);
        const qsizetype pairs = k < fullBlocks ? PairsPerBlock : count % PairsPerBlock;
        block.values.reserve(pairs * 2);
        for (qsizetype i = from + k * PairsPerBlock; i < from + k * PairsPerBlock + pairs; ++i)
            block.values << unitCount(s.upper.at(i), valueFactor)
                         << unitCount(s.lower.at(i), valueFactor);
        out.append(block);
    }
    return true;
}

MonitoringWaveformSender::Outcome
MonitoringWaveformSender::send(ControlPort& port, const MonitoringWaveform& waveform,
                               const std::function<double(int)>& valueFactor,
                               const Progress& progress)
{
    Outcome outcome;
    const int channels = int(std::min(waveform.series.size(), waveform.parameters.size()));
    // Channels past the last complete module have no range command to go with.
    for (int module = 1; module <= channels / ChannelsPerModule; ++module) {
        if (port.sendMonitoringRanges(quint8(module), rangeValues(waveform.parameters, module)) !=
            ControlSuccess) {
            outcome.status = RangesFailed;
            return outcome;
        }
    }
    for (int ch = 0; ch < channels; ++ch) {
        if (progress && !progress(ch)) {
            outcome.status = Aborted;
            return outcome;
        }
        QList<Block> channelBlocks;
        if (!blocks(waveform, ch, valueFactor(ch), channelBlocks)) {
            outcome.skippedChannels.append(ch);
            continue;
        }
        for (const Block& b : std::as_const(channelBlocks)) {
            if (port.sendMonitoringWaveform(b.module, b.channel, b.offset, b.values) !=
                ControlSuccess) {
                outcome.status = WaveformFailed;
                outcome.failedChannel = ch;
                return outcome;
            }
        }
    }
    return outcome;
}
