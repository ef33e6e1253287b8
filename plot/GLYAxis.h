#pragma once

#include "GLAxisBase.h"

// Value axis beside the plot area, in the focused channel's scale.
class GLYAxis : public GLAxisBase
{
    Q_OBJECT

public:
    explicit GLYAxis(GLPlotView* view);

    // The value with as many decimals as the grid step needs.
    static QString label(double value, double step);

protected:
    void drawTicks(QPainter& painter) override;
    void drawLabels(QPainter& painter) override;
};
