#include "TrendStatistics.h"

#include <cmath>

TrendStatistics TrendStatistics::compute(const QList<double>& values, const TrendBand& band)
{
    TrendStatistics s;
    s.count = int(values.size());
    if (values.isEmpty())
        return s;
    double sum = 0;
    for (double v : values)
        sum += v;
    s.mean = sum / double(values.size());
    if (values.size() < 2)
        return s;
    // Around the mean, in a second pass: no cancellation for values far from zero.
    double squares = 0;
    for (double v : values)
        squares += (v - s.mean) * (v - s.mean);
    s.sigma = std::sqrt(squares / double(values.size() - 1));
    if (!(s.sigma > 0))
        return s;
    if (band.hasLower && band.hasUpper)
        s.cp = (band.upper - band.lower) / (6 * s.sigma);
    if (band.hasUpper)
        s.cpk = (band.upper - s.mean) / (3 * s.sigma);
    if (band.hasLower) {
        const double lower = (s.mean - band.lower) / (3 * s.sigma);
        s.cpk = std::isnan(s.cpk) ? lower : std::min(s.cpk, lower);
    }
    return s;
}
