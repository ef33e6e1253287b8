#include "GLEditGeometry.h"

#include <algorithm>
#include <cmath>

namespace GLEditGeometry {

int zoneHit(const GLZone& zone, double x, double y, double tx, double ty)
{
    const double dl = std::fabs(y - zone.lower);
    const double dh = std::fabs(zone.upper - y);
    const bool between = zone.lower < y && y < zone.upper;
    if (std::fabs(x - zone.startMs) < tx) {
        if (dl < ty)
            return ZoneBottomLeft;
        if (dh < ty)
            return ZoneTopLeft;
        return between ? ZoneLeft : ZoneMissed;
    }
    if (std::fabs(zone.endMs - x) < tx) {
        if (dl < ty)
            return ZoneBottomRight;
        if (dh < ty)
            return ZoneTopRight;
        return between ? ZoneRight : ZoneMissed;
    }
    if (zone.startMs < x && x < zone.endMs) {
        if (dh < ty)
            return ZoneTop;
        if (dl < ty)
            return ZoneBottom;
        return between ? ZoneInside : ZoneMissed;
    }
    return ZoneMissed;
}

void dragZoneHandle(GLZone& zone, int handle, qint32 t, float v)
{
    switch (handle) {
    case ZoneTop:
        zone.upper = v;
        break;
    case ZoneLeft:
        zone.startMs = t;
        break;
    case ZoneRight:
        zone.endMs = t;
        break;
    case ZoneBottom:
        zone.lower = v;
        break;
    case ZoneTopLeft:
        zone.startMs = t;
        zone.upper = v;
        break;
    case ZoneBottomLeft:
        zone.startMs = t;
        zone.lower = v;
        break;
    case ZoneTopRight:
        zone.endMs = t;
        zone.upper = v;
        break;
    case ZoneBottomRight:
        zone.endMs = t;
        zone.lower = v;
        break;
    default:
        break;
    }
}

GLZone movedZone(const GLZone& zone, qint32 dt, float dv, int period, float fullScale)
{
    GLZone moved = zone;
    moved.startMs += dt;
    moved.endMs += dt;
    moved.lower += dv;
    moved.upper += dv;
    if (moved.startMs < 0) {
        moved.endMs -= moved.startMs;
        moved.startMs = 0;
    }
    if (moved.endMs > period) {
        moved.startMs = std::max(0, moved.startMs - (moved.endMs - period));
        moved.endMs = period;
    }
    if (moved.lower < 0.0f) {
        moved.upper -= moved.lower;
        moved.lower = 0.0f;
    }
    if (moved.upper > fullScale) {
        moved.lower -= moved.upper - fullScale;
        moved.upper = fullScale;
    }
    moved.lower = std::max(0.0f, moved.lower);
    return moved;
}

GLZone normalisedZone(const GLZone& zone)
{
    GLZone result(zone.startMs, zone.lower, zone.endMs, zone.upper, zone.enabled);
    return result;
}

int rangeHit(const GLRange& range, double x, double t)
{
    if (std::fabs(x - range.beginMs) < t)
        return RangeBegin;
    if (std::fabs(range.endMs - x) < t)
        return RangeEnd;
    if (range.beginMs < x && x < range.endMs)
        return RangeInside;
    return RangeMissed;
}

void dragRangeHandle(GLRange& range, int handle, qint32 t)
{
    if (handle == RangeBegin)
        range.beginMs = t;
    else if (handle == RangeEnd)
        range.endMs = t;
}

GLRange movedRange(const GLRange& range, qint32 dt, int period)
{
    GLRange moved = range;
    moved.beginMs += dt;
    moved.endMs += dt;
    if (moved.beginMs < 0) {
        moved.endMs -= moved.beginMs;
        moved.beginMs = 0;
    }
    if (moved.endMs > period) {
        moved.beginMs -= moved.endMs - period;
        moved.endMs = period;
    }
    moved.beginMs = std::max(0, moved.beginMs);
    return moved;
}

GLRange normalisedRange(const GLRange& range)
{
    return GLRange(range.beginMs, range.endMs, range.enabled);
}

int pointHit(const GLTSec& point, double x, double y, double a, double b, double c)
{
    const double dx = std::fabs(x - point.timeMs);
    if (std::fabs(y - point.lower) < c && dx < a)
        return PointLower;
    if (std::fabs(point.upper - y) < c && dx < a)
        return PointUpper;
    if (dx < b)
        return PointTime;
    if (point.lower < y && y < point.upper && dx < a)
        return PointInside;
    return PointMissed;
}

GLTSec movedPoint(const GLTSec& point, qint32 dt, double dv, int period, double fullScale)
{
    GLTSec moved = point;
    moved.timeMs = std::clamp(point.timeMs + dt, 0, std::max(0, period));
    moved.lower += dv;
    moved.upper += dv;
    if (moved.lower < 0.0) {
        moved.upper -= moved.lower;
        moved.lower = 0.0;
    }
    if (moved.upper > fullScale) {
        moved.lower = std::max(0.0, moved.lower - (moved.upper - fullScale));
        moved.upper = fullScale;
    }
    return moved;
}

Qt::CursorShape zoneCursor(int handle)
{
    switch (handle) {
    case ZoneInside:
        return Qt::SizeAllCursor;
    case ZoneTop:
    case ZoneBottom:
        return Qt::SizeVerCursor;
    case ZoneLeft:
    case ZoneRight:
        return Qt::SizeHorCursor;
    case ZoneTopLeft:
    case ZoneBottomRight:
        return Qt::SizeFDiagCursor;
    case ZoneTopRight:
    case ZoneBottomLeft:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

Qt::CursorShape rangeCursor(int handle)
{
    if (handle == RangeInside)
        return Qt::SizeAllCursor;
    if (handle == RangeBegin || handle == RangeEnd)
        return Qt::SizeHorCursor;
    return Qt::ArrowCursor;
}

Qt::CursorShape pointCursor(int handle)
{
    switch (handle) {
    case PointInside:
        return Qt::SizeAllCursor;
    case PointTime:
        return Qt::SizeHorCursor;
    case PointUpper:
    case PointLower:
        return Qt::SizeVerCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace GLEditGeometry
