#include "ShotSynth.h"

#include "CurveShape.h"
#include "SynthRandom.h"
#include "SystemConfig.h"

namespace {

// Key of the random stream shared by all channels of a shot: the process scatters as a
// whole (one shot packs harder everywhere), each sensor adds only a little of its own.
constexpr quint64 ProcessStream = 0xFFFFFFFFULL;
constexpr qint64 FreeRunPauseMs = 2000;

bool inUse(const ChannelConfig* channel)
{
    return channel && channel->enabled() && (!channel->module() || channel->module()->enabled());
}

int intervalMs(const SystemConfig& config)
{
    return qMax(1, int(config.samplingInterval()));
}

qint16 toCounts(double value, double valueScale)
{
    const double scale = valueScale > 0 ? valueScale : 0.1;
    return qint16(qBound(qint64(0), qRound64(value / scale), qint64(0x7FFF)));
}

CurveShape nominalShape(const SystemConfig& config, int channel, int shotNumber)
{
    const ChannelConfig* settings = config.channelAt(channel);
    const int position = config.locateChannel(channel).channelIndex;
    return CurveShape::nominal(CurveShape::kindFor(settings->unitCode()), position, shotNumber);
}

} // namespace

ShotSynth::ShotSynth(const SynthOptions& options) : m_options(options) {}

int ShotSynth::samplesPerShot(const SystemConfig& config)
{
    return int(config.period()) * 1000 / intervalMs(config) + 1;
}

QList<QList<qint16>> ShotSynth::makeShot(const SystemConfig& config, int shotNumber)
{
    const int count = samplesPerShot(config);
    const double step = intervalMs(config) / 1000.0;
    SynthRandom process(m_options.seed, quint32(shotNumber), ProcessStream);
    const double levelFactor = 1.0 + process.scatter(0.012, 0.03);
    const double shift = process.scatter(0.008, 0.02);
    const bool drifting = drifts(shotNumber);

    QList<QList<qint16>> shot;
    shot.reserve(config.channelCount());
    for (int c = 0; c < config.channelCount(); ++c) {
        const ChannelConfig* channel = config.channelAt(c);
        QList<qint16> samples(count, 0);
        if (inUse(channel)) {
            SynthRandom sensor(m_options.seed, quint32(shotNumber), quint64(c));
            CurveShape shape = nominalShape(config, c, shotNumber);
            shape.vary(levelFactor * (1.0 + sensor.scatter(0.004, 0.01)), shift);
            if (drifting)
                shape.drift();
            const double noise = shape.noiseLevel();
            for (int i = 0; i < count; ++i) {
                const double value = shape.valueAt(i * step) + noise * sensor.gaussian();
                samples[i] = toCounts(value, channel->valueScale());
            }
        }
        shot.append(samples);
    }
    return shot;
}

QList<qint16> ShotSynth::freeRunSample(const SystemConfig& config, qint64 elapsedMs)
{
    const qint64 cycleMs = qint64(config.period()) * 1000 + FreeRunPauseMs;
    const qint64 elapsed = qMax<qint64>(0, elapsedMs);
    const int virtualShot = int(elapsed / cycleMs) + 1;
    const double seconds = double(elapsed % cycleMs) / 1000.0;

    QList<qint16> values;
    values.reserve(config.channelCount());
    for (int c = 0; c < config.channelCount(); ++c) {
        const ChannelConfig* channel = config.channelAt(c);
        if (!inUse(channel)) {
            values.append(0);
            continue;
        }
        SynthRandom sensor(m_options.seed, quint64(elapsed), quint64(c));
        const CurveShape shape = nominalShape(config, c, virtualShot);
        const double value = shape.valueAt(seconds) + shape.noiseLevel() * sensor.gaussian();
        values.append(toCounts(value, channel->valueScale()));
    }
    return values;
}

bool ShotSynth::drifts(int shotNumber) const
{
    return m_options.driftEvery > 0 && shotNumber > 0 && shotNumber % m_options.driftEvery == 0;
}
