#include "GLYAxis.h"

#include "GLPlotView.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions_2_1>
#include <QOpenGLPaintDevice>
#include <QOpenGLVersionFunctionsFactory>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int TickLength = 5;
constexpr int AxisWidth = 52;
constexpr int LabelHeight = 16;

} // namespace

GLYAxis::GLYAxis(GLPlotView* view) : GLAxisBase(view)
{
    setFixedWidth(AxisWidth);
}

QString GLYAxis::label(double value, double step)
{
    const int decimals = step >= 1.0 ? 0 : step >= 0.1 ? 1 : 2;
    return QString::number(value, 'f', decimals);
}

namespace {

// Grid values of the focused channel from the first multiple at or below y min.
template <typename Use> void forEachGridValue(const GLPlotView* view, Use use)
{
    const double step = view->focusedYGridStep();
    const double low = view->focusedYMin();
    const double high = view->focusedYMax();
    if (!(step > 0.0) || (high - low) / step > 10000.0)
        return;
    for (double v = low - std::fmod(low, step); v <= high; v += step)
        use(v, step);
}

} // namespace

void GLYAxis::drawTicks(int w, int h)
{
    // Value up, pixels across; the same mapping as the plot area beside it.
    const double low = m_view->focusedYMin();
    const double high = m_view->focusedYMax();
    const double p = (high - low) / std::max(1, h);
    m_gl->glMatrixMode(GL_PROJECTION);
    m_gl->glLoadIdentity();
    m_gl->glOrtho(0.0, w, low - p / 2, high + p / 2, -1.0, 1.0);
    m_gl->glMatrixMode(GL_MODELVIEW);
    m_gl->glLoadIdentity();
    m_gl->glDisable(GL_LINE_STIPPLE);
    m_gl->glEnable(GL_BLEND);
    m_gl->glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const QColor c = m_view->gridColor();
    m_gl->glColor4f(c.redF(), c.greenF(), c.blueF(), c.alphaF());
    m_gl->glLineWidth(1.0f);
    const double tick = TickLength * devicePixelRatioF();
    m_gl->glBegin(GL_LINES);
    forEachGridValue(m_view, [&](double v, double) {
        m_gl->glVertex2d(w - tick, v);
        m_gl->glVertex2d(w, v);
    });
    m_gl->glEnd();
}

void GLYAxis::drawLabels(QPainter& painter)
{
    painter.setPen(labelColor());
    forEachGridValue(m_view, [&](double v, double step) {
        const int y = int(std::lround(m_view->valueToPixel(v)));
        // The labels at either end stay whole inside the axis.
        const int top = std::clamp(y - LabelHeight / 2, 0, std::max(0, height() - LabelHeight));
        const QRect box(0, top, width() - TickLength - 2, LabelHeight);
        painter.drawText(box, int(Qt::AlignRight | Qt::AlignVCenter), label(v, step));
    });
}
