#pragma once

#include <QString>

#include <array>

class ChannelConfig;

// The per-channel results that the shot log carries, in the log's column order.
enum class TrendItem
{
    Peak,
    TimeAtPeak,
    ValueAtPoint,
    PeakOverEject,
    Integral,
    IntegralToPeak,
    Slope
};
constexpr int TrendItemCount = 7;

// A monitoring band in the log's own units; either side may be missing.
struct TrendBand
{
    bool hasLower = false;
    bool hasUpper = false;
    double lower = 0;
    double upper = 0;

    bool isEmpty() const { return !hasLower && !hasUpper; }
};

// Where each item's limits live in a channel's settings and how the log's values relate
// to the stored counts. The log writes values scaled (peak 52.3 MPa, time at peak in
// seconds, slope per second) except the integrals, which it keeps as counts.
namespace TrendItems {

const std::array<TrendItem, TrendItemCount>& all();
// The item's part of the log's column names ("Peak" in "CH3_Peak").
const char* columnName(TrendItem item);
QString displayName(TrendItem item);
// The unit of the values as shown (integrals in the channel's integral unit).
QString unitText(TrendItem item, const ChannelConfig& channel);
// Log value x shown value = log value x displayScale (only integrals are scaled).
double displayScale(TrendItem item, const ChannelConfig& channel);

// The band the unit judges this item against, or an empty band when the item is off
// or has none of its own; a limit at the end of the settable range leaves that side
// open. The overall peak has none: the zones judge the highest sample
// inside their own windows, which the log does not carry.
TrendBand band(TrendItem item, const ChannelConfig& channel);

// Stored counts per log unit, and the range the editor lets the counts take.
double countsPerLogUnit(TrendItem item, const ChannelConfig& channel);
bool validCountRange(TrendItem item, const ChannelConfig& channel, qint64& minimum,
                     qint64& maximum);
// The item's stored limits as counts; false when the item has no settable limits or is
// switched off (an eject zone judged by area is not judged by its peak either).
bool currentCounts(TrendItem item, const ChannelConfig& channel, qint64& lower, qint64& upper);
// Stores new limits; the caller passes counts within validCountRange.
void setCounts(TrendItem item, ChannelConfig& channel, qint64 lower, qint64 upper);

} // namespace TrendItems
