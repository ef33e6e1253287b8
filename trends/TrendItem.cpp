#include "TrendItem.h"

#include "ChannelConfig.h"
#include "ModuleConfigBase.h"
#include "SystemConfig.h"

#include <QCoreApplication>

namespace {

// Slope limits the editor takes, in 0.001 per second.
constexpr qint64 SlopeCountLimit = 999999;

int timeLimit(const ChannelConfig& channel)
{
    const ModuleConfigBase* module = channel.module();
    const SystemConfig* system = module ? module->parent() : nullptr;
    return system ? int(system->period()) * 100 : 0xFFFF;
}

} // namespace

namespace TrendItems {

const std::array<TrendItem, TrendItemCount>& all()
{
    static const std::array<TrendItem, TrendItemCount> items{
        TrendItem::Peak,          TrendItem::TimeAtPeak, TrendItem::ValueAtPoint,
        TrendItem::PeakOverEject, TrendItem::Integral,   TrendItem::IntegralToPeak,
        TrendItem::Slope};
    return items;
}

const char* columnName(TrendItem item)
{
    static const std::array<const char*, TrendItemCount> names{
        "Peak",     "Time at peak",     "Value at point", "Peak over eject",
        "Integral", "Integral to peak", "Slope"};
    return names[size_t(item)];
}

QString displayName(TrendItem item)
{
    static const std::array<const char*, TrendItemCount> names{
        QT_TRANSLATE_NOOP("TrendItems", "Peak"),
        QT_TRANSLATE_NOOP("TrendItems", "Time at peak"),
        QT_TRANSLATE_NOOP("TrendItems", "Value at point"),
        QT_TRANSLATE_NOOP("TrendItems", "Peak over eject"),
        QT_TRANSLATE_NOOP("TrendItems", "Integral"),
        QT_TRANSLATE_NOOP("TrendItems", "Integral to peak"),
        QT_TRANSLATE_NOOP("TrendItems", "Slope")};
    return QCoreApplication::translate("TrendItems", names[size_t(item)]);
}

QString unitText(TrendItem item, const ChannelConfig& channel)
{
    switch (item) {
    case TrendItem::TimeAtPeak:
        return QCoreApplication::translate("TrendItems", "s");
    case TrendItem::Integral:
    case TrendItem::IntegralToPeak:
        return channel.unitText() + QLatin1Char('s');
    case TrendItem::Slope:
        return channel.unitText() + QLatin1String("/s");
    default:
        return channel.unitText();
    }
}

double displayScale(TrendItem item, const ChannelConfig& channel)
{
    const bool integral = item == TrendItem::Integral || item == TrendItem::IntegralToPeak;
    return integral && channel.integralScale() > 0 ? channel.integralScale() : 1.0;
}

double countsPerLogUnit(TrendItem item, const ChannelConfig& channel)
{
    switch (item) {
    case TrendItem::TimeAtPeak:
        return 100.0; // seconds to 10 ms
    case TrendItem::Integral:
    case TrendItem::IntegralToPeak:
        return 1.0;
    case TrendItem::Slope:
        return 1000.0;
    default:
        return channel.valueScale() > 0 ? 1.0 / channel.valueScale() : 1.0;
    }
}

bool validCountRange(TrendItem item, const ChannelConfig& channel, qint64& minimum, qint64& maximum)
{
    minimum = 0;
    switch (item) {
    case TrendItem::Peak:
        return false;
    case TrendItem::TimeAtPeak:
        maximum = timeLimit(channel);
        return true;
    case TrendItem::Integral:
    case TrendItem::IntegralToPeak:
        maximum = channel.integralMax();
        return true;
    case TrendItem::Slope:
        minimum = -SlopeCountLimit;
        maximum = SlopeCountLimit;
        return true;
    default:
        maximum = channel.valueMax();
        return true;
    }
}

bool currentCounts(TrendItem item, const ChannelConfig& channel, qint64& lower, qint64& upper)
{
    const auto take = [&](bool enabled, qint64 l, qint64 u) {
        lower = l;
        upper = u;
        return enabled;
    };
    switch (item) {
    case TrendItem::Peak:
        return false;
    case TrendItem::TimeAtPeak:
        return take(channel.peakTime().enabled, channel.peakTime().start, channel.peakTime().end);
    case TrendItem::ValueAtPoint:
        return take(channel.point().enabled, channel.point().lower, channel.point().upper);
    case TrendItem::PeakOverEject:
        return take(channel.eject().enabled && !channel.eject().methodArea, channel.eject().lower,
                    channel.eject().upper);
    case TrendItem::Integral:
        return take(channel.integral().enabled, channel.integral().lower, channel.integral().upper);
    case TrendItem::IntegralToPeak:
        return take(channel.peakIntegral().enabled, channel.peakIntegral().lower,
                    channel.peakIntegral().upper);
    case TrendItem::Slope:
        return take(channel.slope().enabled, channel.slope().lower, channel.slope().upper);
    }
    return false;
}

void setCounts(TrendItem item, ChannelConfig& channel, qint64 lower, qint64 upper)
{
    switch (item) {
    case TrendItem::Peak:
        return;
    case TrendItem::TimeAtPeak: {
        TimeRange range = channel.peakTime();
        range.start = quint16(lower);
        range.end = quint16(upper);
        channel.setPeakTime(range);
        return;
    }
    case TrendItem::ValueAtPoint: {
        TSec point = channel.point();
        point.lower = quint16(lower);
        point.upper = quint16(upper);
        channel.setPoint(point);
        return;
    }
    case TrendItem::PeakOverEject: {
        Zone eject = channel.eject();
        eject.lower = quint16(lower);
        eject.upper = quint16(upper);
        channel.setEject(eject);
        return;
    }
    case TrendItem::Integral:
    case TrendItem::IntegralToPeak: {
        const bool whole = item == TrendItem::Integral;
        ValueRange range = whole ? channel.integral() : channel.peakIntegral();
        range.lower = quint16(lower);
        range.upper = quint16(upper);
        whole ? channel.setIntegral(range) : channel.setPeakIntegral(range);
        return;
    }
    case TrendItem::Slope: {
        Slope slope = channel.slope();
        slope.lower = qint32(lower);
        slope.upper = qint32(upper);
        channel.setSlope(slope);
        return;
    }
    }
}

TrendBand band(TrendItem item, const ChannelConfig& channel)
{
    qint64 lower = 0;
    qint64 upper = 0;
    if (!channel.enabled() || !currentCounts(item, channel, lower, upper))
        return {};
    qint64 minimum = 0;
    qint64 maximum = 0;
    validCountRange(item, channel, minimum, maximum);
    // A limit at the end of the settable range can never be crossed: that side is open.
    const qint64 low = qMin(lower, upper);
    const qint64 high = qMax(lower, upper);
    const double perUnit = countsPerLogUnit(item, channel);
    return {low > minimum, high < maximum, double(low) / perUnit, double(high) / perUnit};
}

} // namespace TrendItems
