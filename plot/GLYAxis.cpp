#include "GLYAxis.h"

#include "GLPlotView.h"

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

void GLYAxis::drawTicks(QPainter& painter)
{
    // In the pixel row the plot area's grid line takes.
    const int right = width() - 1;
    forEachGridValue(m_view, [&](double v, double) {
        const int y = int(std::floor(m_view->valueToPixel(v)));
        painter.drawLine(right - TickLength + 1, y, right, y);
    });
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
