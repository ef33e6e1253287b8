#pragma once

#include "PlotCanvas.h"

#include <QImage>

#include <utility>

// The plot canvas drawn on the CPU into an opaque image. Where a software GL driver pays
// for every primitive it is given, this pays only for the pixels a line covers, which
// for a waveform decimated to one short line per pixel column is a few pixels each.
//
// The image's rows can be stored top-down, as QPainter shows them, or bottom-up, as a GL
// texture takes them; drawing is the same either way. A canvas may be limited to a range
// of pixel columns, so that several threads can draw the parts of one image.
class RasterCanvas : public PlotCanvas
{
public:
    enum RowOrder
    {
        TopDown,
        BottomUp
    };

    // Draws into `image` (32 bits per pixel, owned by the caller and not shared while
    // drawing) within the pixel columns [firstColumn, lastColumn].
    RasterCanvas(QImage& image, RowOrder order, int firstColumn = 0, int lastColumn = 1 << 30);

    // The pixel columns drawn on so far, as [first, last]; first > last when none.
    std::pair<int, int> drawnColumns() const { return {m_drawnFirst, m_drawnLast}; }

    QSize pixelSize() const override { return QSize(m_width, m_height); }
    void setProjection(double left, double right, double bottom, double top) override;
    void setColor(const QColor& color, float alpha) override;
    void setLineStipple(quint16 pattern) override { m_stipple = pattern; }
    void drawSeries(const float* values, const GLSeriesWindow& window, int interval,
                    const GLColumns& columns) override;
    void drawLines(const float* xy, qsizetype vertexCount) override;
    void drawPolyline(const float* xy, qsizetype vertexCount, bool closed) override;
    void fillRect(float x0, float y0, float x1, float y1) override;
    void fillBand(const float* xy, qsizetype vertexCount) override;
    void drawSquare(float x, float y, float size) override;

private:
    // Window coordinates: pixel units, pixel (i, j) has its centre at (i + 0.5, j + 0.5).
    double toX(double x) const { return x * m_scaleX + m_offsetX; }
    double toY(double y) const { return y * m_scaleY + m_offsetY; }
    quint32* row(int j) const
    {
        return m_bits + qsizetype(m_order == BottomUp ? j : m_height - 1 - j) * m_stride;
    }
    void blend(quint32* pixel) const;
    // One line from (x0, y0) to (x1, y1) in window coordinates; `fragment` counts the
    // pixels of a stippled line across joined segments.
    void segment(double x0, double y0, double x1, double y1, int& fragment);
    void columnRun(int column, double y0, double y1);
    template <bool Stippled, bool Opaque>
    void walk(bool alongX, int first, int last, double origin, double across, double slope,
              int fragmentAtFirst, int fragmentStep);
    void fillColumns(int first, int last, double x0, double top0, double bottom0, double x1,
                     double top1, double bottom1);
    void markColumns(int first, int last);
    // Indices of the pixel columns with centres in [from, to), within the clip.
    std::pair<int, int> columnsBetween(double from, double to) const;
    GLSeriesWindow clipped(const GLSeriesWindow& window, int interval,
                           const GLColumns& columns) const;

    RowOrder m_order;
    quint32* m_bits = nullptr;
    qsizetype m_stride = 0; // in pixels
    int m_width = 0;
    int m_height = 0;
    double m_scaleX = 1.0;
    double m_offsetX = 0.0;
    double m_scaleY = 1.0;
    double m_offsetY = 0.0;
    quint32 m_opaque = 0xff000000u; // the colour as a pixel, for alpha 1
    quint32 m_redBlue = 0;          // colour components times alpha, red and blue side by side
    quint32 m_green = 0;
    quint32 m_alpha = 255;
    quint16 m_stipple = 0;
    int m_clipFirst = 0;
    int m_clipLast = -1;
    int m_drawnFirst = 1 << 30;
    int m_drawnLast = -1;
};
