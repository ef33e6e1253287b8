#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

class GLPlotView;
class QPainter;

// What both plot axes share: an opaque black strip with the grid's ticks and the labels.
// Painted, not drawn with GL: a few lines and labels gain nothing from a GL surface, and
// every GL surface in a window adds to what composing the window costs.
class GLAxisBase : public QWidget
{
    Q_OBJECT

public:
    explicit GLAxisBase(GLPlotView* view);

    // Labels stay readable on the black surface whatever the grid's opacity.
    static QColor labelColor() { return QColor(220, 220, 220); }
    // What the axis shows, as an image of its pixels.
    QImage grabFramebuffer() { return grab().toImage(); }

protected:
    void paintEvent(QPaintEvent* event) override;

    virtual void drawTicks(QPainter& painter) = 0;
    virtual void drawLabels(QPainter& painter) = 0;

    GLPlotView* m_view;
};
