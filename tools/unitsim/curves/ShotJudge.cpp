#include "ShotJudge.h"

#include "ChannelConfig.h"
#include "ModuleConfigBase.h"
#include "ReferenceEnvelope.h"

#include <QtMath>

#include <algorithm>
#include <limits>

namespace {

// Sample indexes first..last, inclusive; empty when first > last.
struct IndexRange
{
    qsizetype first = 0;
    qsizetype last = -1;

    bool isEmpty() const { return first > last; }
    qsizetype size() const { return isEmpty() ? 0 : last - first + 1; }
};

class ChannelJudgement
{
public:
    ChannelJudgement(const ChannelConfig& channel, const QList<qint16>& samples,
                     int samplingIntervalMs)
        : m_channel(channel), m_samples(samples), m_interval(qMax(1, samplingIntervalMs))
    {
    }

    ChannelResult run(const ReferenceEnvelope* envelope)
    {
        computeValues();
        judgeZone(m_channel.zone1(), ChannelResult::Zone1);
        judgeZone(m_channel.zone2(), ChannelResult::Zone2);
        judgeZone(m_channel.eject(), ChannelResult::Eject);
        judgePoint();
        judgePeakTime();
        judgeIntegrals();
        judgeSlope();
        if (m_channel.waveformEnabled() && envelope)
            judgeWaveform(*envelope);
        return m_result;
    }

private:
    int value(qsizetype index) const { return m_samples.at(index) & 0x7FFF; }

    // The samples taken between two times in 10 ms units, both included.
    IndexRange window(quint16 start, quint16 end) const
    {
        const qint64 fromMs = 10 * qint64(qMin(start, end));
        const qint64 toMs = 10 * qint64(qMax(start, end));
        IndexRange range;
        range.first = qsizetype((fromMs + m_interval - 1) / m_interval);
        range.last = qMin(qsizetype(toMs / m_interval), m_samples.size() - 1);
        return range;
    }

    qsizetype highestIn(const IndexRange& range) const
    {
        qsizetype best = range.first;
        for (qsizetype i = range.first + 1; i <= range.last; ++i) {
            if (value(i) > value(best))
                best = i;
        }
        return best;
    }

    // Rounded to the nearest count of the channel's integral scale.
    qint32 integralUpTo(qsizetype last) const
    {
        double sum = 0.0;
        for (qsizetype i = 0; i <= last; ++i)
            sum += value(i);
        const double integralScale =
            m_channel.integralScale() > 0 ? m_channel.integralScale() : 1.0;
        const double valueSeconds = sum * m_channel.valueScale() * m_interval / 1000.0;
        const double counts = qRound64(valueSeconds / integralScale);
        return qint32(qBound<double>(0, counts, std::numeric_limits<qint32>::max()));
    }

    void computeValues()
    {
        if (m_samples.isEmpty())
            return;
        m_peakIndex = highestIn({0, m_samples.size() - 1});
        m_result.a = qint16(value(m_peakIndex));
        m_result.f = quint32(m_peakIndex * m_interval);
        const qsizetype point = qsizetype(10 * qint64(m_channel.point().time) / m_interval);
        if (point < m_samples.size())
            m_result.b = qint16(value(point));
        const IndexRange eject = window(m_channel.eject().start, m_channel.eject().end);
        if (!eject.isEmpty())
            m_result.c = qint16(value(highestIn(eject)));
        m_result.d = integralUpTo(m_samples.size() - 1);
        m_result.e = integralUpTo(m_peakIndex);
        computeSlope();
    }

    void computeSlope()
    {
        const IndexRange range = window(m_channel.slope().start, m_channel.slope().end);
        m_slopeValid = range.size() >= 2;
        if (!m_slopeValid)
            return;
        // Least-squares slope in counts per sample step, centred to stay exact.
        const double meanX = (range.first + range.last) / 2.0;
        double meanY = 0.0;
        for (qsizetype i = range.first; i <= range.last; ++i)
            meanY += value(i);
        meanY /= double(range.size());
        double sxy = 0.0;
        double sxx = 0.0;
        for (qsizetype i = range.first; i <= range.last; ++i) {
            sxy += (i - meanX) * (value(i) - meanY);
            sxx += (i - meanX) * (i - meanX);
        }
        const double perSecond = sxy / sxx * 1000.0 / m_interval * m_channel.valueScale();
        m_result.g =
            qint32(qBound<double>(std::numeric_limits<qint32>::min(), qRound64(perSecond * 1000.0),
                                  std::numeric_limits<qint32>::max()));
    }

    void fail(quint16 flag) { m_result.flags |= flag; }

    static bool within(qint64 v, qint64 lower, qint64 upper) { return v >= lower && v <= upper; }

    void judgeZone(const Zone& zone, quint16 flag)
    {
        if (!zone.enabled)
            return;
        const IndexRange range = window(zone.start, zone.end);
        if (range.isEmpty()) {
            fail(flag);
            return;
        }
        if (!zone.methodArea) {
            if (!within(value(highestIn(range)), zone.lower, zone.upper))
                fail(flag);
            return;
        }
        for (qsizetype i = range.first; i <= range.last; ++i) {
            if (!within(value(i), zone.lower, zone.upper)) {
                fail(flag);
                return;
            }
        }
    }

    void judgePoint()
    {
        const TSec& point = m_channel.point();
        if (!point.enabled)
            return;
        const qsizetype index = qsizetype(10 * qint64(point.time) / m_interval);
        if (index >= m_samples.size() || !within(m_result.b, point.lower, point.upper))
            fail(ChannelResult::Point);
    }

    void judgePeakTime()
    {
        const TimeRange& range = m_channel.peakTime();
        if (!range.enabled)
            return;
        const qint64 fromMs = 10 * qint64(qMin(range.start, range.end));
        const qint64 toMs = 10 * qint64(qMax(range.start, range.end));
        if (m_samples.isEmpty() || !within(m_result.f, fromMs, toMs))
            fail(ChannelResult::PeakTime);
    }

    void judgeIntegrals()
    {
        const ValueRange& whole = m_channel.integral();
        if (whole.enabled && !within(m_result.d, whole.lower, whole.upper))
            fail(ChannelResult::Integral);
        const ValueRange& toPeak = m_channel.peakIntegral();
        if (toPeak.enabled && !within(m_result.e, toPeak.lower, toPeak.upper))
            fail(ChannelResult::PeakIntegral);
    }

    void judgeSlope()
    {
        const Slope& slope = m_channel.slope();
        if (slope.enabled && (!m_slopeValid || !within(m_result.g, slope.lower, slope.upper)))
            fail(ChannelResult::Slope);
    }

    void judgeWaveform(const ReferenceEnvelope& envelope)
    {
        const qsizetype from =
            qsizetype(10 * qint64(qMin(envelope.start, envelope.end)) / m_interval);
        const qsizetype to =
            qsizetype(10 * qint64(qMax(envelope.start, envelope.end)) / m_interval);
        const qsizetype points = qMin(envelope.upper.size(), envelope.lower.size());
        const qsizetype last = std::min({to, m_samples.size() - 1, from + points - 1});
        for (qsizetype i = from; i <= last; ++i) {
            const qsizetype p = i - from;
            const qint16 lower = qint16(envelope.lower.at(p));
            const qint16 upper = qint16(envelope.upper.at(p));
            if (!within(value(i), lower, upper)) {
                fail(ChannelResult::Waveform);
                return;
            }
        }
    }

    const ChannelConfig& m_channel;
    const QList<qint16>& m_samples;
    const int m_interval;
    ChannelResult m_result;
    qsizetype m_peakIndex = 0;
    bool m_slopeValid = false;
};

bool channelInUse(const ChannelConfig& channel)
{
    return channel.enabled() && (!channel.module() || channel.module()->enabled());
}

} // namespace

ChannelResult judgeChannel(const ChannelConfig& channel, const QList<qint16>& samples,
                           int samplingIntervalMs, const ReferenceEnvelope* envelope)
{
    if (!channelInUse(channel))
        return {};
    return ChannelJudgement(channel, samples, samplingIntervalMs).run(envelope);
}
