#pragma once

#include <QtGlobal>

// Plot-side forms of the monitoring items: times in milliseconds, values as physical
// values. Their constructors order the corners, so a shape dragged "backwards" in the
// plot is still stored with start before end and lower below upper. Each carries an
// edit state for the plot's tools, which construction sets to zero and which is not
// part of the value (equality ignores it). A default-constructed item is empty and
// disabled.

struct GLZone
{
    GLZone() = default;
    GLZone(qint32 timeA, float valueA, qint32 timeB, float valueB, bool isEnabled);

    bool operator==(const GLZone& other) const;

    qint32 startMs = 0;
    qint32 endMs = 0;
    float lower = 0.0f;
    float upper = 0.0f;
    bool enabled = false;
    int editState = 0;
};

struct GLRange
{
    GLRange() = default;
    GLRange(qint32 timeA, qint32 timeB, bool isEnabled);

    bool operator==(const GLRange& other) const;

    qint32 beginMs = 0;
    qint32 endMs = 0;
    bool enabled = false;
    int editState = 0;
};

// A point marker keeps its band as given: the point editor moves each limit on its own.
struct GLTSec
{
    GLTSec() = default;
    GLTSec(qint32 time, double lowerValue, double upperValue, bool isEnabled);

    bool operator==(const GLTSec& other) const;

    qint32 timeMs = 0;
    double lower = 0.0;
    double upper = 0.0;
    bool enabled = false;
    int editState = 0;
};
