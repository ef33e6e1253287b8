#pragma once

#include "GLMonitoringValues.h"

#include <Qt>

// Hit tests and drags of the monitoring items that the plot's edit tools move: zones,
// time ranges and the point marker. Pure geometry in time (ms) and value units; the plot
// area turns mouse positions into these units.
namespace GLEditGeometry {

// Parts of a zone a mouse position can grab.
enum ZoneHandle
{
    ZoneMissed = 0,
    ZoneInside = 1,
    ZoneTop = 2,
    ZoneLeft = 3,
    ZoneRight = 4,
    ZoneBottom = 5,
    ZoneTopLeft = 6,
    ZoneBottomLeft = 7,
    ZoneTopRight = 8,
    ZoneBottomRight = 9
};

enum RangeHandle
{
    RangeMissed = 0,
    RangeInside = 1,
    RangeBegin = 2,
    RangeEnd = 3
};

enum PointHandle
{
    PointMissed = 0,
    PointInside = 1,
    PointTime = 2,
    PointUpper = 3,
    PointLower = 4
};

// Which part of the zone lies within tx ms and ty value units of (x, y).
int zoneHit(const GLZone& zone, double x, double y, double tx, double ty);
// Moves the grabbed edge or corner to (t, v), which the caller has clamped to the plot.
void dragZoneHandle(GLZone& zone, int handle, qint32 t, float v);
// The zone shifted by (dt, dv), kept inside [0, period] x [0, fullScale] without changing
// its size as long as it fits.
GLZone movedZone(const GLZone& zone, qint32 dt, float dv, int period, float fullScale);
// Start before end and lower below upper, whichever way the corners were dragged.
GLZone normalisedZone(const GLZone& zone);

int rangeHit(const GLRange& range, double x, double t);
void dragRangeHandle(GLRange& range, int handle, qint32 t);
GLRange movedRange(const GLRange& range, qint32 dt, int period);
GLRange normalisedRange(const GLRange& range);

// a: time reach of the ends (5 px), b: of the stem (3 px), c: value reach (3 px).
int pointHit(const GLTSec& point, double x, double y, double a, double b, double c);
// The marker shifted by (dt, dv): its time kept within [0, period], its band within
// [0, fullScale] by shifting both limits.
GLTSec movedPoint(const GLTSec& point, qint32 dt, double dv, int period, double fullScale);

// The mouse cursor that tells what a press at a hit would grab.
Qt::CursorShape zoneCursor(int handle);
Qt::CursorShape rangeCursor(int handle);
Qt::CursorShape pointCursor(int handle);

} // namespace GLEditGeometry
