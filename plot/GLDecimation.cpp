#include "GLDecimation.h"

#include <algorithm>
#include <cmath>

namespace GLDecimation {

int msPerPixel(double xStart, double xEnd, int areaWidth)
{
    if (areaWidth <= 0)
        return 1;
    return std::max(1, int((xEnd - xStart) / areaWidth));
}

GLSeriesWindow window(double xStart, double xEnd, int interval, qsizetype count)
{
    GLSeriesWindow w;
    if (interval < 1 || count <= 0)
        return w;
    const double firstIndex = std::floor(xStart / interval) - 1.0;
    const double endIndex = std::floor(xEnd / interval + interval);
    w.first = qsizetype(std::clamp(firstIndex, 0.0, double(count)));
    w.end = qsizetype(std::clamp(endIndex, 0.0, double(count)));
    return w;
}

GLColumns columns(double xStart, double xEnd, int areaWidth)
{
    GLColumns c;
    c.xStart = xStart;
    if (areaWidth > 0 && xEnd > xStart)
        c.msPerPixel = (xEnd - xStart) / areaWidth;
    return c;
}

qsizetype columnStart(qsizetype index, int interval, const GLColumns& columns)
{
    if (interval < 1)
        return index;
    const double column =
        std::floor((double(index) * interval - columns.xStart) / columns.msPerPixel);
    const double start = std::ceil((columns.xStart + column * columns.msPerPixel) / interval);
    return std::clamp(qsizetype(start), qsizetype(0), index);
}

namespace {

// Walks a window column by column: calls use(begin, end) for each run of samples that
// falls into one pixel column.
template <typename Use>
void forEachColumn(const GLSeriesWindow& window, int interval, const GLColumns& columns, Use use)
{
    qsizetype i = window.first;
    while (i < window.end) {
        const double column =
            std::floor((double(i) * interval - columns.xStart) / columns.msPerPixel);
        const double nextColumnTime = columns.xStart + (column + 1.0) * columns.msPerPixel;
        qsizetype next = qsizetype(std::ceil(nextColumnTime / interval));
        next = std::clamp(next, i + 1, window.end);
        use(i, next);
        i = next;
    }
}

void push(std::vector<float>& out, double t, float value)
{
    out.push_back(float(t));
    out.push_back(value);
}

} // namespace

void appendLines(const float* values, const GLSeriesWindow& window, int interval,
                 const GLColumns& columns, std::vector<float>& out)
{
    bool havePrevious = false;
    double previousTime = 0.0;
    float previousValue = 0.0f;
    forEachColumn(window, interval, columns, [&](qsizetype begin, qsizetype end) {
        const double t = double(begin) * interval;
        if (end - begin == 1) {
            if (havePrevious) {
                push(out, previousTime, previousValue);
                push(out, t, values[begin]);
            }
            previousTime = t;
            previousValue = values[begin];
            havePrevious = true;
            return;
        }
        // The extremes of the column, the previous column's last value counting as the
        // column's first, so that the trace stays connected.
        qsizetype lowAt = begin;
        qsizetype highAt = begin;
        for (qsizetype i = begin + 1; i < end; ++i) {
            if (values[i] < values[lowAt])
                lowAt = i;
            else if (values[i] > values[highAt])
                highAt = i;
        }
        float low = values[lowAt];
        float high = values[highAt];
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
        const double left = columns.xStart + std::floor((t - columns.xStart) / columns.msPerPixel) *
                                                 columns.msPerPixel;
        push(out, left, lowAt <= highAt ? low : high);
        push(out, left + columns.msPerPixel, lowAt <= highAt ? high : low);
        previousTime = double(end - 1) * interval;
        previousValue = values[end - 1];
        havePrevious = true;
    });
}

void appendBand(const float* upper, const float* lower, const GLSeriesWindow& window, int interval,
                const GLColumns& columns, double beginMs, double endMs, std::vector<float>& out)
{
    forEachColumn(window, interval, columns, [&](qsizetype begin, qsizetype end) {
        bool found = false;
        double at = 0.0;
        float top = 0.0f;
        float bottom = 0.0f;
        for (qsizetype i = begin; i < end; ++i) {
            const double t = double(i) * interval;
            if (t <= beginMs || t >= endMs)
                continue;
            if (!found) {
                at = t;
                top = upper[i];
                bottom = lower[i];
                found = true;
            } else {
                top = std::max(top, upper[i]);
                bottom = std::min(bottom, lower[i]);
            }
        }
        if (found) {
            push(out, at, top);
            push(out, at, bottom);
        }
    });
}

} // namespace GLDecimation
