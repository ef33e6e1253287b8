#pragma once

#include "GLLayerCache.h"
#include "GLMonitoringValues.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>

class GLPlotData;
class GLPlotSurface;
class GLPlotView;
class PlotCanvas;
class QOpenGLFunctions_2_1;
class QOpenGLWidget;
class QRubberBand;

// The drawing surface of the waveform plot: grid, every channel's layers, the measuring
// cursor, value read-outs as tool tips, and the nine mouse tools. It only reports what
// the mouse did; scrolling, zooming and storing edited values is the view's business.
//
// It draws with OpenGL on a surface laid over it, or in software into an image it
// paints itself. Software drawing is for machines without usable OpenGL, and for those
// whose OpenGL is itself drawn on the CPU: there a window with a GL surface costs more to
// compose than the plot costs to draw.
class GLPlotArea : public QWidget
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

    // How plot areas made from now on draw; the application chooses once at start.
    static void setSoftwareRenderingDefault(bool software);
    static bool softwareRenderingDefault();
    bool isSoftwareRendering() const { return m_surface == nullptr; }
    // Repaints the plot (use this rather than update(), which misses a GL surface).
    void refresh();
    // What the plot shows, as an image of its pixels.
    QImage grabFramebuffer();
    // The GL surface, or none when drawing in software.
    QOpenGLWidget* glSurface() const;
    // Draws one frame: into the GL surface's framebuffer, its context current; or in
    // software, into the image it returns.
    void paintSurface();
    const QImage& renderSoftwareFrame();

    int tool() const { return m_tool; }
    void setTool(int id);
    bool isCursorShown() const { return m_cursorShown; }
    int editDrag() const { return m_editDrag; }
    QRubberBand* rubberBand() const { return m_rubberBand; }

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
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
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
    friend class GLPlotSurface;
    void initializeSurface();
    void switchToSoftware();
    QSize pixelSize() const;
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
    GLPlotSurface* m_surface = nullptr;
    QOpenGLFunctions_2_1* m_gl = nullptr;
    GLLayerCache m_cache;
    QImage m_frame; // the software frame: the cache with the focused channel over it
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
