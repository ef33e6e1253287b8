#include "GLAxisBase.h"

#include "GLPlotView.h"

#include <QPainter>

GLAxisBase::GLAxisBase(GLPlotView* view) : QWidget(view), m_view(view)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GLAxisBase::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(m_view->gridColor());
    drawTicks(painter);
    drawLabels(painter);
}
