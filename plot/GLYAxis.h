#pragma once

#include <QOpenGLWidget>

class GLPlotView;
class QOpenGLFunctions_2_1;
class QPainter;

// Value axis beside the plot area, in the focused channel's scale.
class GLYAxis : public QOpenGLWidget
{
    Q_OBJECT

public:
    explicit GLYAxis(GLPlotView* view);

    // The value with as many decimals as the grid step needs.
    static QString label(double value, double step);

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void drawTicks(int w, int h);
    void drawLabels(QPainter& painter);

    GLPlotView* m_view;
    QOpenGLFunctions_2_1* m_gl = nullptr;
};
