#pragma once

#include <QOpenGLWidget>

class GLPlotView;
class QOpenGLFunctions_2_1;
class QPainter;

// Time axis under the plot area: a tick at every grid step and the time in seconds.
class GLXAxis : public QOpenGLWidget
{
    Q_OBJECT

public:
    explicit GLXAxis(GLPlotView* view);

    // Seconds with as many decimals as the grid step needs.
    static QString label(int timeMs, int stepMs);

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void drawTicks(int h);
    void drawLabels(QPainter& painter);

    GLPlotView* m_view;
    QOpenGLFunctions_2_1* m_gl = nullptr;
};
