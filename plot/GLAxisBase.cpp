#include "GLAxisBase.h"

#include "GLPlotView.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions_2_1>
#include <QOpenGLPaintDevice>
#include <QOpenGLVersionFunctionsFactory>
#include <QPainter>

#include <cmath>

GLAxisBase::GLAxisBase(GLPlotView* view) : QOpenGLWidget(view), m_view(view) {}

void GLAxisBase::initializeGL()
{
    m_gl = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_2_1>(context());
    if (m_gl && !m_gl->initializeOpenGLFunctions())
        m_gl = nullptr;
}

void GLAxisBase::paintGL()
{
    const qreal ratio = devicePixelRatioF();
    const int w = int(std::lround(width() * ratio));
    const int h = int(std::lround(height() * ratio));
    // Painting into the bound framebuffer itself, not onto the widget: a widget painter
    // would be redirected when the window is grabbed, and the labels lost under the image.
    QOpenGLPaintDevice device(QSize(w, h));
    device.setDevicePixelRatio(ratio);
    QPainter painter(&device);
    painter.beginNativePainting();
    if (m_gl) {
        m_gl->glViewport(0, 0, w, h);
        m_gl->glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        m_gl->glClear(GL_COLOR_BUFFER_BIT);
        m_gl->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE); // stays opaque
        drawTicks(w, h);
        m_gl->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    }
    painter.endNativePainting();
    drawLabels(painter);
}
