#include "GLMonitoringValues.h"

#include <algorithm>

GLZone::GLZone(qint32 timeA, float valueA, qint32 timeB, float valueB, bool isEnabled)
    : startMs(std::min(timeA, timeB)), endMs(std::max(timeA, timeB)),
      lower(std::min(valueA, valueB)), upper(std::max(valueA, valueB)), enabled(isEnabled)
{
}

bool GLZone::operator==(const GLZone& other) const
{
    return startMs == other.startMs && endMs == other.endMs && lower == other.lower &&
           upper == other.upper && enabled == other.enabled;
}

GLRange::GLRange(qint32 timeA, qint32 timeB, bool isEnabled)
    : beginMs(std::min(timeA, timeB)), endMs(std::max(timeA, timeB)), enabled(isEnabled)
{
}

bool GLRange::operator==(const GLRange& other) const
{
    return beginMs == other.beginMs && endMs == other.endMs && enabled == other.enabled;
}

GLTSec::GLTSec(qint32 time, double lowerValue, double upperValue, bool isEnabled)
    : timeMs(time), lower(lowerValue), upper(upperValue), enabled(isEnabled)
{
}

bool GLTSec::operator==(const GLTSec& other) const
{
    return timeMs == other.timeMs && lower == other.lower && upper == other.upper &&
           enabled == other.enabled;
}
