#pragma once

#include <QList>
#include <QPoint>
#include <QPointer>

class GLPlotData;
class PlotCanvas;
class QRubberBand;
class QWidget;

// Edits a monitoring waveform as a list of points with the mouse: select points by
// clicking (Ctrl adds or removes) or with a rubber band, and drag the selection. The
// points are placed here by whoever edits (setPoints) and read back afterwards.
class GLWaveformEditor
{
public:
    struct Point
    {
        int timeMs = 0;
        float value = 0.0f;
        bool selected = false;
    };

    enum DragState
    {
        Idle = 0,
        Selecting = 1,
        MovingSelection = 2
    };

    explicit GLWaveformEditor(GLPlotData* owner);
    ~GLWaveformEditor();
    GLWaveformEditor(const GLWaveformEditor&) = delete;
    GLWaveformEditor& operator=(const GLWaveformEditor&) = delete;

    const QList<Point>& points() const { return m_points; }
    // Replaces the points; none is selected.
    void setPoints(const QList<Point>& points);
    QList<int> selection() const;
    int dragState() const { return m_dragState; }

    // Mouse input in pixels of the plot area, which also hosts the rubber band.
    void mousePress(QWidget* area, const QPoint& pos, Qt::KeyboardModifiers modifiers);
    void mouseMove(QWidget* area, const QPoint& pos);
    void mouseRelease(QWidget* area, const QPoint& pos, Qt::KeyboardModifiers modifiers);

    // The overlay: a red line through the points, each point a dot, yellow when selected.
    void draw(PlotCanvas& canvas) const;

private:
    int hitTest(const QPoint& pos) const;
    void clearSelection();
    QRubberBand* band(QWidget* area);

    GLPlotData* m_owner;
    QList<Point> m_points;
    int m_dragState = Idle;
    int m_lastTime = 0;
    float m_lastValue = 0.0f;
    QPointer<QRubberBand> m_band;
    QPoint m_bandOrigin;
};
