#include "GLAxisCorner.h"

#include "GLPlotView.h"

#include <QPainter>

GLAxisCorner::GLAxisCorner(GLPlotView* view) : QWidget(view), m_view(view)
{
    QPalette p = palette();
    p.setColor(QPalette::All, QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);
}

void GLAxisCorner::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(m_view->gridColor());
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
}
