#include "RasterCanvas.h"

#include <algorithm>
#include <cmath>

namespace {

// Pixel indices whose centres lie in [from, to) (or (to, from] when to < from), clamped
// to [0, count); empty (first > last) when there are none.
inline std::pair<int, int> centresBetween(double from, double to, int count)
{
    double first = 0.0;
    double last = 0.0;
    if (to > from) {
        first = std::ceil(from - 0.5);
        last = std::ceil(to - 0.5) - 1.0;
    } else {
        first = std::floor(to - 0.5) + 1.0;
        last = std::floor(from - 0.5);
    }
    first = std::max(first, 0.0);
    last = std::min(last, double(count) - 1.0);
    if (!(first <= last))
        return {1, 0};
    return {int(first), int(last)};
}

bool finite(double a, double b, double c, double d)
{
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

} // namespace

RasterCanvas::RasterCanvas(QImage& image, RowOrder order, int firstColumn, int lastColumn)
    : m_order(order), m_width(image.width()), m_height(image.height())
{
    if (!image.isNull() && image.depth() == 32) {
        m_bits = reinterpret_cast<quint32*>(image.bits());
        m_stride = image.bytesPerLine() / 4;
    }
    m_clipFirst = std::max(firstColumn, 0);
    m_clipLast = std::min(lastColumn, m_width - 1);
}

void RasterCanvas::markColumns(int first, int last)
{
    m_drawnFirst = std::min(m_drawnFirst, std::max(first, m_clipFirst));
    m_drawnLast = std::max(m_drawnLast, std::min(last, m_clipLast));
}

std::pair<int, int> RasterCanvas::columnsBetween(double from, double to) const
{
    auto [first, last] = centresBetween(from, to, m_clipLast + 1);
    first = std::max(first, m_clipFirst);
    return {first, last};
}

GLSeriesWindow RasterCanvas::clipped(const GLSeriesWindow& window, int interval,
                                     const GLColumns& columns) const
{
    if (interval < 1 || (m_clipFirst <= 0 && m_clipLast >= m_width - 1))
        return window;
    GLSeriesWindow w = window;
    // From the last sample before the column holding the clip's first time on, as a
    // growing shot is drawn on from where it ended: the columns come out the same as in
    // a drawing of the whole window.
    const double firstTime = columns.xStart + m_clipFirst * columns.msPerPixel;
    const qsizetype before = qsizetype(std::max(0.0, std::floor(firstTime / interval))) - 1;
    if (before > w.first) {
        const qsizetype start = GLDecimation::columnStart(before, interval, columns) - 1;
        w.first = std::max(w.first, start);
    }
    const double endTime = columns.xStart + (m_clipLast + 2.0) * columns.msPerPixel;
    const double end = std::ceil(endTime / interval) + 1.0;
    if (end < double(w.end))
        w.end = std::max(w.first, qsizetype(end));
    return w;
}

void RasterCanvas::setProjection(double left, double right, double bottom, double top)
{
    m_scaleX = right != left ? m_width / (right - left) : 0.0;
    m_offsetX = -left * m_scaleX;
    m_scaleY = top != bottom ? m_height / (top - bottom) : 0.0;
    m_offsetY = -bottom * m_scaleY;
}

void RasterCanvas::setColor(const QColor& color, float alpha)
{
    m_alpha = quint32(std::clamp(std::lround(alpha * 255.0f), 0L, 255L));
    m_redBlue = ((quint32(color.red()) << 16) | quint32(color.blue())) * m_alpha;
    m_green = quint32(color.green()) * m_alpha;
    m_opaque = 0xff000000u | (quint32(color.red()) << 16) | (quint32(color.green()) << 8) |
               quint32(color.blue());
}

inline void RasterCanvas::blend(quint32* pixel) const
{
    if (m_alpha == 255) {
        *pixel = m_opaque;
        return;
    }
    // (s * a + d * (255 - a)) / 255 for each channel, rounded, without a division; red
    // and blue side by side in one word, each in its own 16 bits.
    const quint32 inverse = 255 - m_alpha;
    const quint32 d = *pixel;
    quint32 rb = m_redBlue + (d & 0x00ff00ffu) * inverse + 0x00800080u;
    rb = ((rb + ((rb >> 8) & 0x00ff00ffu)) >> 8) & 0x00ff00ffu;
    quint32 g = m_green + ((d >> 8) & 0xffu) * inverse + 0x80u;
    g = ((g + (g >> 8)) >> 8) & 0xffu;
    *pixel = 0xff000000u | rb | (g << 8);
}

template <bool Stippled, bool Opaque>
void RasterCanvas::walk(bool alongX, int first, int last, double origin, double across,
                        double slope, int fragmentAtFirst, int fragmentStep)
{
    // The pixel across the line at the centre of column (or row) k.
    double at = across + (first + 0.5 - origin) * slope;
    int fragment = fragmentAtFirst;
    const auto paint = [this](quint32* pixel) {
        if (Opaque)
            *pixel = m_opaque;
        else
            blend(pixel);
    };
    if (alongX) {
        for (int k = first; k <= last; ++k, at += slope, fragment += fragmentStep) {
            if (Stippled && !((m_stipple >> (fragment & 15)) & 1))
                continue;
            if (at >= 0.0 && at < m_height)
                paint(row(int(at)) + k);
        }
        markColumns(first, last);
        return;
    }
    // Steep: one row after the other, usually within one column.
    const double lastAt = at + (last - first) * slope;
    markColumns(int(std::floor(std::min(at, lastAt))), int(std::floor(std::max(at, lastAt))));
    quint32* line = row(first);
    const qsizetype step = m_order == BottomUp ? m_stride : -m_stride;
    const double clipEnd = m_clipLast + 1.0;
    for (int k = first; k <= last; ++k, at += slope, fragment += fragmentStep, line += step) {
        if (Stippled && !((m_stipple >> (fragment & 15)) & 1))
            continue;
        if (at >= m_clipFirst && at < clipEnd)
            paint(line + int(at));
    }
}

void RasterCanvas::segment(double x0, double y0, double x1, double y1, int& fragment)
{
    if (!finite(x0, y0, x1, y1))
        return;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const bool alongX = std::abs(dx) >= std::abs(dy);
    if (alongX && dx == 0.0)
        return;
    // One pixel per column (or row) whose centre the line passes, the last end excluded.
    const double from = alongX ? x0 : y0;
    const double to = alongX ? x1 : y1;
    const auto [first, last] =
        alongX ? columnsBetween(from, to) : centresBetween(from, to, m_height);
    const double slope = alongX ? dy / dx : dx / dy;
    const double across = alongX ? y0 : x0;
    if (m_stipple == 0) {
        if (first > last)
            return;
        if (m_alpha == 255)
            walk<false, true>(alongX, first, last, from, across, slope, 0, 0);
        else
            walk<false, false>(alongX, first, last, from, across, slope, 0, 0);
        return;
    }
    // A stipple counts the pixels from the line's first end, clipped ones included.
    const auto whole = centresBetween(from, to, 1 << 30);
    const bool rising = to > from;
    const double firstCentre = rising ? std::ceil(from - 0.5) : std::floor(from - 0.5);
    const int start = int(std::clamp(firstCentre, -1.0e9, 1.0e9));
    if (first <= last) {
        const int atFirst = fragment + (rising ? first - start : start - first);
        walk<true, false>(alongX, first, last, from, across, slope, atFirst, rising ? 1 : -1);
    }
    fragment += std::max(0, whole.second - whole.first + 1);
}

void RasterCanvas::drawSeries(const float* values, const GLSeriesWindow& window, int interval,
                              const GLColumns& columns)
{
    if (!m_bits)
        return;
    // Straight from the decimation to the pixels, without a vertex list in between.
    GLDecimation::forEachLine(values, clipped(window, interval, columns), interval, columns,
                              [this](double t0, float v0, double t1, float v1) {
                                  const double x0 = toX(t0);
                                  const double x1 = toX(t1);
                                  const double y0 = toY(v0);
                                  const double y1 = toY(v1);
                                  // Most lines span one column and several rows.
                                  if (m_stipple == 0 && std::abs(x1 - x0 - 1.0) < 1e-6 &&
                                      std::abs(y1 - y0) > 1.0 && finite(x0, y0, x1, y1)) {
                                      columnRun(int(std::floor(x0 + 0.5)), y0, y1);
                                      return;
                                  }
                                  int fragment = 0;
                                  segment(x0, y0, x1, y1, fragment);
                              });
}

void RasterCanvas::columnRun(int column, double y0, double y1)
{
    // The pixels a steep line across one column covers, as segment() would find them.
    if (column < m_clipFirst || column > m_clipLast)
        return;
    const auto [first, last] = centresBetween(y0, y1, m_height);
    if (first > last)
        return;
    markColumns(column, column);
    quint32* pixel = row(first) + column;
    const qsizetype step = m_order == BottomUp ? m_stride : -m_stride;
    if (m_alpha == 255) {
        for (int k = first; k <= last; ++k, pixel += step)
            *pixel = m_opaque;
    } else {
        for (int k = first; k <= last; ++k, pixel += step)
            blend(pixel);
    }
}

void RasterCanvas::drawLines(const float* xy, qsizetype vertexCount)
{
    if (!m_bits)
        return;
    for (qsizetype v = 0; v + 1 < vertexCount; v += 2) {
        int fragment = 0; // a stipple starts anew with every separate line
        segment(toX(xy[2 * v]), toY(xy[2 * v + 1]), toX(xy[2 * v + 2]), toY(xy[2 * v + 3]),
                fragment);
    }
}

void RasterCanvas::drawPolyline(const float* xy, qsizetype vertexCount, bool closed)
{
    if (!m_bits || vertexCount < 2)
        return;
    int fragment = 0;
    for (qsizetype v = 0; v + 1 < vertexCount; ++v) {
        segment(toX(xy[2 * v]), toY(xy[2 * v + 1]), toX(xy[2 * v + 2]), toY(xy[2 * v + 3]),
                fragment);
    }
    if (closed) {
        const qsizetype l = vertexCount - 1;
        segment(toX(xy[2 * l]), toY(xy[2 * l + 1]), toX(xy[0]), toY(xy[1]), fragment);
    }
}

void RasterCanvas::fillColumns(int first, int last, double x0, double top0, double bottom0,
                               double x1, double top1, double bottom1)
{
    for (int i = first; i <= last; ++i) {
        const double f = x1 != x0 ? (i + 0.5 - x0) / (x1 - x0) : 0.0;
        const double top = top0 + (top1 - top0) * f;
        const double bottom = bottom0 + (bottom1 - bottom0) * f;
        const auto [low, high] =
            centresBetween(std::min(top, bottom), std::max(top, bottom), m_height);
        for (int j = low; j <= high; ++j)
            blend(row(j) + i);
    }
    if (first <= last)
        markColumns(first, last);
}

void RasterCanvas::fillRect(float x0, float y0, float x1, float y1)
{
    const double left = toX(std::min(x0, x1));
    const double right = toX(std::max(x0, x1));
    const double bottom = toY(std::min(y0, y1));
    const double top = toY(std::max(y0, y1));
    if (!m_bits || !finite(left, right, bottom, top))
        return;
    const auto [first, last] = columnsBetween(left, right);
    fillColumns(first, last, left, top, bottom, right, top, bottom);
}

void RasterCanvas::fillBand(const float* xy, qsizetype vertexCount)
{
    if (!m_bits)
        return;
    for (qsizetype v = 0; v + 3 < vertexCount; v += 2) {
        const double x0 = toX(xy[2 * v]);
        const double top0 = toY(xy[2 * v + 1]);
        const double bottom0 = toY(xy[2 * v + 3]);
        const double x1 = toX(xy[2 * v + 4]);
        const double top1 = toY(xy[2 * v + 5]);
        const double bottom1 = toY(xy[2 * v + 7]);
        if (!finite(x0, x1, top0, bottom0) || !finite(top1, bottom1, 0.0, 0.0) || !(x1 > x0))
            continue;
        const auto [first, last] = columnsBetween(x0, x1);
        fillColumns(first, last, x0, top0, bottom0, x1, top1, bottom1);
    }
}

void RasterCanvas::drawSquare(float x, float y, float size)
{
    const double cx = toX(x);
    const double cy = toY(y);
    const double half = size / 2.0;
    if (!m_bits || !finite(cx, cy, half, 0.0))
        return;
    const auto [first, last] = columnsBetween(cx - half, cx + half);
    fillColumns(first, last, cx - half, cy + half, cy - half, cx + half, cy + half, cy - half);
}
