#include "LimitSuggestion.h"

#include "ChannelConfig.h"
#include "TrendStatistics.h"

#include <cmath>

namespace {

// Counts computed from mean ± kσ land a hair beside whole numbers (10.0 / 0.1); a band
// must not lose a count to that.
constexpr double CountTolerance = 1e-6;

QList<const TrendShot*> lastOkShots(const QList<TrendShot>& shots, int segment, int count)
{
    QList<const TrendShot*> taken;
    for (auto it = shots.crbegin(); it != shots.crend() && taken.size() < count; ++it) {
        if (it->segment == segment && it->ok)
            taken.prepend(&*it);
    }
    return taken;
}

} // namespace

LimitSuggestion LimitSuggestion::compute(const ChannelConfig& channel,
                                         const QList<TrendShot>& shots, int segment, double k,
                                         int count)
{
    LimitSuggestion result;
    const QList<const TrendShot*> taken = lastOkShots(shots, segment, count);
    for (const TrendShot* shot : taken)
        result.m_shotNumbers.append(shot->shotNumber);

    for (TrendItem item : TrendItems::all()) {
        Limit limit;
        limit.item = item;
        qint64 minimum = 0;
        qint64 maximum = 0;
        if (!TrendItems::currentCounts(item, channel, limit.currentLower, limit.currentUpper) ||
            !TrendItems::validCountRange(item, channel, minimum, maximum))
            continue;
        QList<double> values;
        for (const TrendShot* shot : taken) {
            if (shot->has(item))
                values.append(shot->value(item));
        }
        const TrendStatistics stats = TrendStatistics::compute(values, {});
        limit.used = stats.count;
        limit.mean = stats.mean;
        limit.sigma = stats.sigma;
        limit.suggested = stats.count >= MinimumShots;
        if (limit.suggested) {
            const double perUnit = TrendItems::countsPerLogUnit(item, channel);
            const double low =
                std::floor((stats.mean - k * stats.sigma) * perUnit + CountTolerance);
            const double high =
                std::ceil((stats.mean + k * stats.sigma) * perUnit - CountTolerance);
            limit.clipped = low < double(minimum) || high > double(maximum);
            limit.suggestedLower = qint64(std::clamp(low, double(minimum), double(maximum)));
            limit.suggestedUpper = qint64(std::clamp(high, double(minimum), double(maximum)));
        }
        result.m_limits.append(limit);
    }
    return result;
}

bool LimitSuggestion::hasSuggestion() const
{
    return std::any_of(m_limits.cbegin(), m_limits.cend(),
                       [](const Limit& limit) { return limit.suggested; });
}

void LimitSuggestion::applyTo(ChannelConfig& channel) const
{
    for (const Limit& limit : m_limits) {
        if (limit.suggested)
            TrendItems::setCounts(limit.item, channel, limit.suggestedLower, limit.suggestedUpper);
    }
}
