#pragma once

#include <QtGlobal>

#include <algorithm>
#include <cmath>
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

// Walks a window column by column: calls use(begin, end, column) for each run of samples
// that falls into one pixel column, `column` counting from xStart.
template <typename Use>
void forEachColumn(const GLSeriesWindow& window, int interval, const GLColumns& columns, Use use)
{
    qsizetype i = window.first;
    while (i < window.end) {
        const double column =
            std::floor((double(i) * interval - columns.xStart) / columns.msPerPixel);
        const double nextColumnTime = columns.xStart + (column + 1.0) * columns.msPerPixel;
        // Most series are sampled every ms: spare the division then.
        qsizetype next =
            qsizetype(std::ceil(interval == 1 ? nextColumnTime : nextColumnTime / interval));
        next = std::clamp(next, i + 1, window.end);
        use(i, next, column);
        i = next;
    }
}

// Calls line(t0, v0, t1, v1) for every line that draws `values` within the window.
template <typename Line>
void forEachLine(const float* values, const GLSeriesWindow& window, int interval,
                 const GLColumns& columns, Line line)
{
    bool havePrevious = false;
    double previousTime = 0.0;
    float previousValue = 0.0f;
    forEachColumn(window, interval, columns, [&](qsizetype begin, qsizetype end, double column) {
        const double t = double(begin) * interval;
        if (end - begin == 1) {
            if (havePrevious)
                line(previousTime, previousValue, t, values[begin]);
            previousTime = t;
            previousValue = values[begin];
            havePrevious = true;
            return;
        }
        // The extremes of the column, the previous column's last value counting as the
        // column's first, so that the trace stays connected.
        // Without branches: noisy samples make every comparison a coin toss.
        qsizetype lowAt = begin;
        qsizetype highAt = begin;
        float low = values[begin];
        float high = low;
        for (qsizetype i = begin + 1; i < end; ++i) {
            const float v = values[i];
            const bool lower = v < low;
            const bool higher = v > high;
            low = lower ? v : low;
            lowAt = lower ? i : lowAt;
            high = higher ? v : high;
            highAt = higher ? i : highAt;
        }
        if (havePrevious && previousValue < low) {
            low = previousValue;
            lowAt = begin - 1;
        }
        if (havePrevious && previousValue > high) {
            high = previousValue;
            highAt = begin - 1;
        }
        // Across the column's width from the earlier extreme to the later one: a flat
        // stretch still covers its pixel, a steep one covers every row in between.
        const double left = columns.xStart + column * columns.msPerPixel;
        line(left, lowAt <= highAt ? low : high, left + columns.msPerPixel,
             lowAt <= highAt ? high : low);
        previousTime = double(end - 1) * interval;
        previousValue = values[end - 1];
        havePrevious = true;
    });
}

// Appends GL_LINES vertex pairs for `values` within the window.
void appendLines(const float* values, const GLSeriesWindow& window, int interval,
                 const GLColumns& columns, std::vector<float>& out);

// Appends quad strip vertices (t, upper), (t, lower) for the samples whose time lies
// strictly between beginMs and endMs; a column keeps its highest upper and lowest lower
// value so that the band never looks narrower than it is.
void appendBand(const float* upper, const float* lower, const GLSeriesWindow& window, int interval,
                const GLColumns& columns, double beginMs, double endMs, std::vector<float>& out);

} // namespace GLDecimation
