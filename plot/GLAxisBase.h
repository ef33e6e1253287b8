#pragma once

#include <QColor>
#include <QOpenGLWidget>

class GLPlotView;
class QOpenGLFunctions_2_1;
class QPainter;

// What both plot axes share: an opaque black GL surface on which the ticks are drawn
// with fixed-function GL and the labels painted over them.
class GLAxisBase : public QOpenGLWidget
{
    Q_OBJECT

public:
    explicit GLAxisBase(GLPlotView* view);

    // Labels stay readable on the black surface whatever the grid's opacity.
    static QColor labelColor() { return QColor(220, 220, 220); }

protected:
    void initializeGL() override;
    void paintGL() override;

    // In device pixels (w, h), with a current context and m_gl set.
    virtual void drawTicks(int w, int h) = 0;
    virtual void drawLabels(QPainter& painter) = 0;

    GLPlotView* m_view;
    QOpenGLFunctions_2_1* m_gl = nullptr;
};
