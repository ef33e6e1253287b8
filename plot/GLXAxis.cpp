#include "GLXAxis.h"

#include "GLPlotView.h"

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

void GLXAxis::drawTicks(QPainter& painter)
{
    const double start = m_view->xStart();
    const double end = m_view->xEnd();
    const int step = m_view->xGridStep();
    if (end <= start || step <= 0)
        return;
    // In the pixel column the plot area's grid line takes.
    const auto column = [this](double t) { return int(std::floor(m_view->timeToPixel(t))); };
    const int first = int(start) - int(start) % step;
    for (int t = first; t <= int(end); t += step)
        painter.drawLine(column(t), 0, column(t), TickLength - 1);
    painter.drawLine(column(0.0), 0, column(m_view->observationPeriod()), 0);
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
