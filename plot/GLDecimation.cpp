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

void appendLines(const float* values, const GLSeriesWindow& window, int interval,
                 const GLColumns& columns, std::vector<float>& out)
{
    forEachLine(values, window, interval, columns, [&](double t0, float v0, double t1, float v1) {
        out.insert(out.end(), {float(t0), v0, float(t1), v1});
    });
}

void appendBand(const float* upper, const float* lower, const GLSeriesWindow& window, int interval,
                const GLColumns& columns, double beginMs, double endMs, std::vector<float>& out)
{
    forEachColumn(window, interval, columns, [&](qsizetype begin, qsizetype end, double) {
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
            out.insert(out.end(), {float(at), top, float(at), bottom});
        }
    });
}

} // namespace GLDecimation
