#include "WaveformStatistics.h"

#include <algorithm>
#include <cmath>

namespace WaveformStatistics {

namespace {

bool isVisible(const QList<bool>& visible, qsizetype file)
{
    return file < visible.size() && visible.at(file);
}

bool anyVisible(const QList<Waveform>& files, const QList<bool>& visible)
{
    for (qsizetype f = 0; f < files.size(); ++f) {
        if (isVisible(visible, f))
            return true;
    }
    return false;
}

float limitAt(const Waveform& average, const Waveform& deviation, qsizetype i, float sigma,
              float minimumOffset)
{
    const float d = sigma * deviation.at(i);
    const float offset = std::fabs(d) >= std::fabs(minimumOffset) ? d : minimumOffset;
    return std::max(0.0f, average.at(i) + offset);
}

} // namespace

Waveform average(const QList<Waveform>& files, const QList<bool>& visible)
{
    if (files.isEmpty() || !anyVisible(files, visible))
        return {};
    const qsizetype n = files.first().size();
    Waveform result(n, 0.0f);
    for (qsizetype i = 0; i < n; ++i) {
        float sum = 0.0f;
        int count = 0;
        for (qsizetype f = 0; f < files.size(); ++f) {
            if (isVisible(visible, f) && i < files.at(f).size()) {
                sum += files.at(f).at(i);
                ++count;
            }
        }
        result[i] = count > 0 ? sum / float(count) : 0.0f;
    }
    return result;
}

Waveform smoothed(const Waveform& in, int level)
{
    if (level <= 0 || in.isEmpty())
        return in;
    const qsizetype n = in.size();
    Waveform out(n, 0.0f);
    for (qsizetype i = 0; i < n; ++i) {
        double sum = 0.0;
        for (qsizetype j = i - level; j <= i + level; ++j)
            sum += in.at(std::clamp<qsizetype>(j, 0, n - 1));
        out[i] = float(sum / (2 * level + 1));
    }
    return out;
}

Waveform standardDeviation(const QList<Waveform>& files, const QList<bool>& visible,
                           const Waveform& average)
{
    Waveform result(average.size(), 0.0f);
    for (qsizetype i = 0; i < average.size(); ++i) {
        float sumOfSquares = 0.0f;
        int count = 0;
        for (qsizetype f = 0; f < files.size(); ++f) {
            if (isVisible(visible, f) && i < files.at(f).size()) {
                sumOfSquares += files.at(f).at(i) * files.at(f).at(i);
                ++count;
            }
        }
        if (count == 0)
            continue;
        const float a = average.at(i);
        const float s2 = sumOfSquares / float(count) - a * a;
        result[i] = s2 < 0.0f ? 0.0f : std::sqrt(s2);
    }
    return result;
}

Waveform limitEnvelope(const Waveform& average, const Waveform& deviation, float sigma,
                       float minimumOffset, int allowance, int smoothing)
{
    if (average.size() != deviation.size())
        return {};
    const qsizetype n = average.size();
    const qsizetype t = std::max(0, allowance);
    Waveform envelope(n, 0.0f);
    for (qsizetype i = 0; i < n; ++i) {
        const float a = limitAt(average, deviation, i, sigma, minimumOffset);
        const float b = limitAt(average, deviation, std::min(i + t, n - 1), sigma, minimumOffset);
        const float c =
            limitAt(average, deviation, std::max(i - t, qsizetype(0)), sigma, minimumOffset);
        envelope[i] = sigma > 0.0f ? std::max({a, b, c}) : std::min({a, b, c});
    }
    return smoothed(envelope, smoothing);
}

} // namespace WaveformStatistics
