#include "ChannelStatistics.h"

#include "ChannelDataType.h"
#include "DataSetReader.h"
#include "ParallelFor.h"

#include <cmath>
#include <optional>

ChannelParameters ChannelParameters::defaults(QChar letter, int periodSeconds)
{
    ChannelParameters p;
    const float offset =
        ChannelDataType::defaultMinimumOffset(ChannelDataType::codeOfLetter(letter));
    p.upperMinimumOffset = offset;
    p.lowerMinimumOffset = -offset;
    p.rangeEnd = periodSeconds * 1000;
    return p;
}

int ChannelParameters::sigmaSlider(float sigma)
{
    return int(std::floor(sigma / SigmaStep + 0.5f));
}

void ChannelParameters::setRangeFromSeconds(const QString& from, const QString& to, int periodMs)
{
    const auto ms = [](const QString& text) -> std::optional<int> {
        bool ok = false;
        const double seconds = text.toDouble(&ok);
        if (!ok || !std::isfinite(seconds) || std::fabs(seconds) > 1e6)
            return std::nullopt;
        return int(std::floor((seconds + 0.0005) * 1000.0));
    };
    const int begin = ms(from).value_or(0);
    const std::optional<int> end = ms(to);
    if (!end || *end > periodMs) {
        rangeStart = begin;
        rangeEnd = periodMs;
    } else {
        rangeStart = std::min(begin, *end);
        rangeEnd = std::max(begin, *end);
    }
}

namespace ChannelStatistics {

void recalculateAverage(const QList<WaveformStatistics::Waveform>& files,
                        const QList<bool>& visible, int smoothing, ChannelSeries& series)
{
    series.average =
        WaveformStatistics::smoothed(WaveformStatistics::average(files, visible), smoothing);
    series.deviation = WaveformStatistics::standardDeviation(files, visible, series.average);
}

void recalculateLimits(const ChannelParameters& p, ChannelSeries& series)
{
    series.lower = WaveformStatistics::limitEnvelope(series.average, series.deviation, p.lowerSigma,
                                                     p.lowerMinimumOffset, p.lowerTimeAllowance,
                                                     p.lowerSmoothing);
    series.upper = WaveformStatistics::limitEnvelope(series.average, series.deviation, p.upperSigma,
                                                     p.upperMinimumOffset, p.upperTimeAllowance,
                                                     p.upperSmoothing);
}

QList<ChannelParameters> defaultParameters(const DataFileLayout& layout)
{
    QList<ChannelParameters> parameters;
    for (QChar letter : layout.attributes)
        parameters.append(ChannelParameters::defaults(letter, layout.period));
    return parameters;
}

QList<ChannelSeries> compute(const QList<QList<QList<float>>>& files, const QList<bool>& visible,
                             const QList<ChannelParameters>& parameters)
{
    QList<ChannelSeries> series(parameters.size());
    ChannelSeries* out = series.data();
    parallelFor(parameters.size(), [&](qsizetype c) {
        const QList<QList<float>> channel = DataSetReader::channelOfFiles(files, int(c));
        recalculateAverage(channel, visible, parameters.at(c).averageSmoothing, out[c]);
        recalculateLimits(parameters.at(c), out[c]);
    });
    return series;
}

} // namespace ChannelStatistics
