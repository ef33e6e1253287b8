#pragma once

#include <QtGlobal>

#include <vector>

// The part of a sampled series that falls into the visible time window.
struct GLSeriesWindow
{
    qsizetype first = 0; // first index to draw
    qsizetype end = 0;   // one past the last index to draw
};

// The visible time window mapped onto pixel columns.
struct GLColumns
{
    double xStart = 0.0;
    double msPerPixel = 1.0; // exact, not rounded
};

// Turns a series into GL vertices, (time, value) pairs.
//
// Where a pixel column holds several samples, the column is drawn as one line across its
// width from its minimum to its maximum (reaching back to the previous column's last
// value, so the trace stays connected), rather than every n-th sample: a one-sample
// pressure spike stays on screen at any zoom level. Where columns hold at most one sample, the
// samples are joined by straight lines, exactly as a plain polyline. One line per column also keeps
// the number of primitives, which is what a software GL driver pays for, at the width of the plot
// whatever the length of the series.
namespace GLDecimation {

// Whole milliseconds per pixel, at least 1.
int msPerPixel(double xStart, double xEnd, int areaWidth);

// The indices of a series of `count` samples taken every `interval` ms that cover
// [xStart, xEnd], with one sample before the window so that the line enters it from the
// left edge. An interval below 1 gives an empty window.
GLSeriesWindow window(double xStart, double xEnd, int interval, qsizetype count);

GLColumns columns(double xStart, double xEnd, int areaWidth);

// The first sample of the pixel column that holds sample `index`.
qsizetype columnStart(qsizetype index, int interval, const GLColumns& columns);

// Appends GL_LINES vertex pairs for `values` within the window.
void appendLines(const float* values, const GLSeriesWindow& window, int interval,
                 const GLColumns& columns, std::vector<float>& out);

// Appends quad strip vertices (t, upper), (t, lower) for the samples whose time lies
// strictly between beginMs and endMs; a column keeps its highest upper and lowest lower
// value so that the band never looks narrower than it is.
void appendBand(const float* upper, const float* lower, const GLSeriesWindow& window, int interval,
                const GLColumns& columns, double beginMs, double endMs, std::vector<float>& out);

} // namespace GLDecimation
