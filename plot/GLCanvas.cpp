#include "GLCanvas.h"

#include <QOpenGLFunctions_2_1>

GLCanvas::GLCanvas(QOpenGLFunctions_2_1* gl, QSize pixels) : m_gl(gl), m_pixels(pixels)
{
    m_gl->glViewport(0, 0, pixels.width(), pixels.height());
    m_gl->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    m_gl->glEnable(GL_BLEND);
    m_gl->glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    m_gl->glLineWidth(1.0f);
    m_gl->glDisable(GL_LINE_STIPPLE);
}

void GLCanvas::setProjection(double left, double right, double bottom, double top)
{
    m_gl->glMatrixMode(GL_PROJECTION);
    m_gl->glLoadIdentity();
    m_gl->glOrtho(left, right, bottom, top, -1.0, 1.0);
    m_gl->glMatrixMode(GL_MODELVIEW);
    m_gl->glLoadIdentity();
}

void GLCanvas::setColor(const QColor& color, float alpha)
{
    m_gl->glColor4f(color.redF(), color.greenF(), color.blueF(), alpha);
}

void GLCanvas::setLineStipple(quint16 pattern)
{
    if (pattern == 0) {
        m_gl->glDisable(GL_LINE_STIPPLE);
        return;
    }
    m_gl->glLineStipple(1, pattern);
    m_gl->glEnable(GL_LINE_STIPPLE);
}

void GLCanvas::drawArray(unsigned mode, const float* xy, qsizetype vertexCount)
{
    if (vertexCount <= 0)
        return;
    m_gl->glEnableClientState(GL_VERTEX_ARRAY);
    m_gl->glVertexPointer(2, GL_FLOAT, 0, xy);
    m_gl->glDrawArrays(mode, 0, GLsizei(vertexCount));
    m_gl->glDisableClientState(GL_VERTEX_ARRAY);
}

void GLCanvas::drawSeries(const float* values, const GLSeriesWindow& window, int interval,
                          const GLColumns& columns)
{
    m_vertices.clear();
    GLDecimation::appendLines(values, window, interval, columns, m_vertices);
    drawLines(m_vertices.data(), qsizetype(m_vertices.size() / 2));
}

void GLCanvas::drawLines(const float* xy, qsizetype vertexCount)
{
    drawArray(GL_LINES, xy, vertexCount);
}

void GLCanvas::drawPolyline(const float* xy, qsizetype vertexCount, bool closed)
{
    drawArray(closed ? GL_LINE_LOOP : GL_LINE_STRIP, xy, vertexCount);
}

void GLCanvas::fillRect(float x0, float y0, float x1, float y1)
{
    m_gl->glRectf(x0, y0, x1, y1);
}

void GLCanvas::fillBand(const float* xy, qsizetype vertexCount)
{
    drawArray(GL_QUAD_STRIP, xy, vertexCount);
}

void GLCanvas::drawSquare(float x, float y, float size)
{
    m_gl->glPointSize(size);
    m_gl->glBegin(GL_POINTS);
    m_gl->glVertex2f(x, y);
    m_gl->glEnd();
}
