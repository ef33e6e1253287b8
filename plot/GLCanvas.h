#pragma once

#include "PlotCanvas.h"

#include <vector>

class QOpenGLFunctions_2_1;

// The plot canvas on a current fixed-function GL context and its bound framebuffer.
// Colours blend into the colour channels only, so the framebuffer stays opaque.
class GLCanvas : public PlotCanvas
{
public:
    GLCanvas(QOpenGLFunctions_2_1* gl, QSize pixels);

    QSize pixelSize() const override { return m_pixels; }
    void setProjection(double left, double right, double bottom, double top) override;
    void setColor(const QColor& color, float alpha) override;
    void setLineStipple(quint16 pattern) override;
    void drawSeries(const float* values, const GLSeriesWindow& window, int interval,
                    const GLColumns& columns) override;
    void drawLines(const float* xy, qsizetype vertexCount) override;
    void drawPolyline(const float* xy, qsizetype vertexCount, bool closed) override;
    void fillRect(float x0, float y0, float x1, float y1) override;
    void fillBand(const float* xy, qsizetype vertexCount) override;
    void drawSquare(float x, float y, float size) override;

private:
    void drawArray(unsigned mode, const float* xy, qsizetype vertexCount);

    QOpenGLFunctions_2_1* m_gl;
    QSize m_pixels;
    std::vector<float> m_vertices; // reused between series
};
