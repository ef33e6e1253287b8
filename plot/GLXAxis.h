#pragma once

#include "GLAxisBase.h"

// Time axis under the plot area: a tick at every grid step and the time in seconds.
class GLXAxis : public GLAxisBase
{
    Q_OBJECT

public:
    explicit GLXAxis(GLPlotView* view);

    // Seconds with as many decimals as the grid step needs.
    static QString label(int timeMs, int stepMs);

protected:
    void drawTicks(QPainter& painter) override;
    void drawLabels(QPainter& painter) override;
};
