#include "GLXAxis.h"

#include "GLPlotView.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions_2_1>
#include <QOpenGLPaintDevice>
#include <QOpenGLVersionFunctionsFactory>
#include <QPainter>

#include <cmath>

namespace {

constexpr int TickLength = 5;
constexpr int AxisHeight = 22;
// Label boxes around a tick, and the shift that keeps the first and last inside.
constexpr int LabelLeft = 25;
constexpr int LabelRight = 24;
constexpr int LabelTop = 3;
constexpr int LabelBottom = 19;
constexpr int EdgeShift = 27;

} // namespace

GLXAxis::GLXAxis(GLPlotView* view) : GLAxisBase(view)
{
    setFixedHeight(AxisHeight);
}

QString GLXAxis::label(int timeMs, int stepMs)
{
    const int decimals = stepMs >= 1000 ? 0 : stepMs >= 100 ? 1 : 2;
    return QString::number(timeMs / 1000.0, 'f', decimals);
}

void GLXAxis::drawTicks(int, int h)
{
    const double start = m_view->xStart();
    const double end = m_view->xEnd();
    const int step = m_view->xGridStep();
    if (end <= start || step <= 0)
        return;
    // Time across, pixel rows down from the top edge.
    const double rowsPerPixel = double(h) / std::max(1, height());
    m_gl->glMatrixMode(GL_PROJECTION);
    m_gl->glLoadIdentity();
    m_gl->glOrtho(start, end, h, 0.0, -1.0, 1.0);
    m_gl->glMatrixMode(GL_MODELVIEW);
    m_gl->glLoadIdentity();
    m_gl->glDisable(GL_LINE_STIPPLE);
    m_gl->glEnable(GL_BLEND);
    m_gl->glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const QColor c = m_view->gridColor();
    m_gl->glColor4f(c.redF(), c.greenF(), c.blueF(), c.alphaF());
    m_gl->glLineWidth(1.0f);
    m_gl->glBegin(GL_LINES);
    const int first = int(start) - int(start) % step;
    for (int t = first; t <= int(end); t += step) {
        m_gl->glVertex2d(t, 0.0);
        m_gl->glVertex2d(t, TickLength * rowsPerPixel);
    }
    m_gl->glVertex2d(0.0, 0.5);
    m_gl->glVertex2d(m_view->observationPeriod(), 0.5);
    m_gl->glEnd();
}

void GLXAxis::drawLabels(QPainter& painter)
{
    const double start = m_view->xStart();
    const double end = m_view->xEnd();
    const int step = m_view->xGridStep();
    if (end <= start || step <= 0)
        return;
    painter.setPen(labelColor());
    const int first = int(start) - int(start) % step;
    for (int t = first; t <= int(end); t += step) {
        const int x = int(std::lround(m_view->timeToPixel(t)));
        QRect box(QPoint(x - LabelLeft, LabelTop), QPoint(x + LabelRight, LabelBottom));
        Qt::Alignment align = Qt::AlignHCenter;
        if (t == 0) {
            box.setLeft(x + 2);
            box.setRight(box.right() + EdgeShift);
            align = Qt::AlignLeft;
        } else if (t == m_view->observationPeriod()) {
            box.translate(-EdgeShift, 0);
            align = Qt::AlignRight;
        }
        painter.drawText(box, int(align | Qt::AlignTop), label(t, step));
    }
}
