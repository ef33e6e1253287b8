#pragma once

#include <QtGlobal>

// The monitoring items of a channel as the unit stores them: times in units of 10 ms,
// values as unsigned counts of the channel's value scale. Plain values, compared
// over every field.

// A rectangle in time and value.
struct Zone
{
    quint16 start = 0;
    quint16 end = 0;
    quint16 lower = 0;
    quint16 upper = 0;
    bool enabled = true;
    bool methodArea = false; // false: the unit judges the peak inside the zone

    bool operator==(const Zone&) const = default;
};

struct TimeRange
{
    quint16 start = 0;
    quint16 end = 0;
    bool enabled = true;

    bool operator==(const TimeRange&) const = default;
};

struct ValueRange
{
    quint16 lower = 0;
    quint16 upper = 0;
    bool enabled = true;

    bool operator==(const ValueRange&) const = default;
};

// Point monitoring: the value at one instant must lie in a band.
struct TSec
{
    quint16 time = 0;
    quint16 lower = 0;
    quint16 upper = 0;
    bool enabled = true;

    bool operator==(const TSec&) const = default;
};

// Limits in signed counts of 0.001 per second of the channel's value.
struct Slope
{
    quint16 start = 0;
    quint16 end = 0;
    qint32 lower = 0;
    qint32 upper = 0;
    bool enabled = true;

    bool operator==(const Slope&) const = default;
};
