#pragma once

#include "GLLayerCache.h"
#include "GLMonitoringValues.h"

#include <QOpenGLWidget>
#include <QPoint>
#include <QRect>

class GLPlotData;
class GLPlotView;
class PlotCanvas;
class QOpenGLFunctions_2_1;
class QRubberBand;

// The drawing surface of the waveform plot: grid, every channel's layers, the measuring
// cursor, value read-outs as tool tips, and the nine mouse tools. It only reports what
// the mouse did; scrolling, zooming and storing edited values is the view's business.
class GLPlotArea : public QOpenGLWidget
{
    Q_OBJECT

public:
    enum Tool
    {
        HandTool = 0,
        SingleChannelZoomTool = 1,
        AllChannelZoomTool = 2,
        CursorTool = 3,
        IntegralCursorTool = 4,
        ZoneEditTool = 5,
        RangeEditTool = 6,
        WaveformEditTool = 7,
        PointEditTool = 8
    };

    // Zone and range tools: what a drag does.
    enum EditDrag
    {
        NoDrag = 0,
        DragHandle = 1,
        DragWhole = 2
    };

    explicit GLPlotArea(GLPlotView* view);
    ~GLPlotArea() override;

    int tool() const { return m_tool; }
    void setTool(int id);
    bool isCursorShown() const { return m_cursorShown; }
    int editDrag() const { return m_editDrag; }
    QRubberBand* rubberBand() const { return m_rubberBand; }
    // False when the context offers no fixed-function pipeline; the area then stays black.
    bool hasFixedFunctionGL() const { return m_gl != nullptr; }

    // What the tool tip shows for a position of the area: the time, and with a cursor
    // tool the channels' values or integrals there.
    QString toolTipText(const QPoint& pos) const;
    // The rectangle a drag from `from` to `to` spans: a click, or a drag along one axis,
    // has zero width or height.
    static QRect spanned(const QPoint& from, const QPoint& to);
    const GLLayerCache& layerCache() const { return m_cache; }

Q_SIGNALS:
    void plotAreaMoved(QPoint delta);
    void singleChannelZoomAreaSpecified(QRect rect);
    void allChannelZoomAreaSpecified(QRect rect);
    void zoneEditCompleted(int zoneid, GLZone newzone);
    void rangeEditCompleted(int rangeid, GLRange newrange);
    void tSecEditCompleted(GLTSec newval);

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;

    virtual void drawHorizontalGrid(PlotCanvas& canvas);
    virtual void drawVerticalGrid(PlotCanvas& canvas);
    virtual void drawCursorLine(PlotCanvas& canvas);
    virtual QString valueReadOut(double timeMs) const;
    virtual QString integralReadOut(double timeMs) const;

private:
    // Zone, range and point tools on the focused channel.
    void pressZone(GLPlotData* channel, const QPoint& pos);
    void moveZone(GLPlotData* channel, const QPoint& pos);
    void releaseZone(GLPlotData* channel);
    void pressRange(GLPlotData* channel, const QPoint& pos);
    void moveRange(GLPlotData* channel, const QPoint& pos);
    void releaseRange(GLPlotData* channel);
    void pressPoint(GLPlotData* channel, const QPoint& pos);
    void movePoint(GLPlotData* channel, const QPoint& pos);
    void releasePoint(GLPlotData* channel);
    // The mouse position in the channel's time and value, limited to what the plot shows.
    qint32 clampedTime(GLPlotData* channel, const QPoint& pos) const;
    float clampedValue(GLPlotData* channel, const QPoint& pos) const;
    // Tolerances of the hit tests in time; at least 1 ms so that edges stay grabbable
    // when zoomed far in.
    double timeReach(GLPlotData* channel, int pixels) const;
    QString readOut(double timeMs, bool integral) const;
    void updateMouseTracking(bool inside);
    void setFocusedProjection(PlotCanvas& canvas) const;
    // The focused channel and the cursor, drawn over the cache on every repaint.
    void paintAboveCache(PlotCanvas& canvas);
    void releaseCache();

    GLPlotView* m_view;
    QOpenGLFunctions_2_1* m_gl = nullptr;
    GLLayerCache m_cache;
    QRubberBand* m_rubberBand;
    int m_lastMouseX = 0;
    int m_lastMouseY = 0;
    int m_tool = HandTool;
    bool m_cursorShown = false;
    int m_cursorX = 0;
    int m_cursorY = 0;
    int m_editDrag = NoDrag;
    // Where a drag began and what the dragged item looked like then: moves are applied
    // from there, so that rounding to whole ms never makes an item lag behind the mouse.
    QPoint m_pressPos;
    GLZone m_zoneAtPress;
    GLRange m_rangeAtPress;
    GLTSec m_pointAtPress;
};
