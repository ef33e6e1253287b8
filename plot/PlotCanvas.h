#pragma once

#include "GLDecimation.h"

#include <QColor>
#include <QSize>
#include <QtGlobal>

// What the plot's layers draw on: a surface of whole pixels onto which a rectangle of
// (time, value) space is projected. One implementation draws with fixed-function GL,
// another into an image on the CPU; the layers do not know which one they get.
//
// Coordinates are (x, y) pairs in the projection; the surface's pixel rows count upwards
// as in GL. A pixel is covered where its centre lies inside a filled shape; a line
// covers one pixel per column (or row, when steeper than 45 degrees) from its first end
// up to, but not including, its last.
class PlotCanvas
{
public:
    virtual ~PlotCanvas() = default;

    virtual QSize pixelSize() const = 0;
    // Maps [left, right] x [bottom, top] onto the whole surface.
    virtual void setProjection(double left, double right, double bottom, double top) = 0;
    // Colour of what follows, blended over what lies below with `alpha`.
    virtual void setColor(const QColor& color, float alpha) = 0;
    // A 16-bit on/off pattern along the lines that follow; 0 draws them solid.
    virtual void setLineStipple(quint16 pattern) = 0;

    // A sampled series decimated to the pixel columns (see GLDecimation).
    virtual void drawSeries(const float* values, const GLSeriesWindow& window, int interval,
                            const GLColumns& columns) = 0;
    // Separate lines, two vertices each.
    virtual void drawLines(const float* xy, qsizetype vertexCount) = 0;
    // Joined lines; `closed` joins the last vertex back to the first.
    virtual void drawPolyline(const float* xy, qsizetype vertexCount, bool closed) = 0;
    virtual void fillRect(float x0, float y0, float x1, float y1) = 0;
    // Vertex pairs (x, upper), (x, lower) with rising x; the area between consecutive
    // pairs is filled.
    virtual void fillBand(const float* xy, qsizetype vertexCount) = 0;
    // A square of `size` pixels centred on the point.
    virtual void drawSquare(float x, float y, float size) = 0;
};
