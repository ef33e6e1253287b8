#include "GLWaveformEditor.h"

#include "GLPlotArea.h"
#include "GLPlotData.h"
#include "PlotCanvas.h"

#include <QCursor>
#include <QRect>
#include <QRubberBand>
#include <QWidget>

#include <cmath>
#include <vector>

GLWaveformEditor::GLWaveformEditor(GLPlotData* owner) : m_owner(owner) {}

GLWaveformEditor::~GLWaveformEditor()
{
    delete m_band.data();
}

void GLWaveformEditor::setPoints(const QList<Point>& points)
{
    m_points = points;
    clearSelection();
    m_dragState = Idle;
}

QList<int> GLWaveformEditor::selection() const
{
    QList<int> selected;
    for (int i = 0; i < m_points.size(); ++i) {
        if (m_points.at(i).selected)
            selected.append(i);
    }
    return selected;
}

int GLWaveformEditor::hitTest(const QPoint& pos) const
{
    const double t = m_owner->timeAtPixel(pos.x());
    const double v = m_owner->valueAtPixel(pos.y());
    const double reachT = m_owner->timeWidth(4);
    const double reachV = m_owner->valueHeight(4);
    for (int i = 0; i < m_points.size(); ++i) {
        const Point& p = m_points.at(i);
        if (std::fabs(p.timeMs - t) < reachT && std::fabs(p.value - v) < reachV)
            return i;
    }
    return -1;
}

void GLWaveformEditor::clearSelection()
{
    for (Point& p : m_points)
        p.selected = false;
}

QRubberBand* GLWaveformEditor::band(QWidget* area)
{
    if (!m_band || m_band->parentWidget() != area) {
        delete m_band.data();
        m_band = new QRubberBand(QRubberBand::Rectangle, area);
    }
    return m_band;
}

void GLWaveformEditor::mousePress(QWidget* area, const QPoint& pos, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const int hit = hitTest(pos);
    if (hit >= 0) {
        Point& p = m_points[hit];
        m_lastTime = p.timeMs;
        m_lastValue = p.value;
        if (ctrl) {
            p.selected = !p.selected;
            m_dragState = p.selected ? MovingSelection : Idle;
        } else {
            if (!p.selected) {
                clearSelection();
                p.selected = true;
            }
            m_dragState = MovingSelection;
        }
        return;
    }
    if (!ctrl)
        clearSelection();
    m_bandOrigin = pos;
    QRubberBand* rubberBand = band(area);
    rubberBand->setGeometry(QRect(pos, QSize()));
    rubberBand->show();
    m_dragState = Selecting;
}

void GLWaveformEditor::mouseMove(QWidget* area, const QPoint& pos)
{
    switch (m_dragState) {
    case Idle:
        area->setCursor(hitTest(pos) >= 0 ? Qt::ArrowCursor : Qt::CrossCursor);
        break;
    case Selecting:
        band(area)->setGeometry(GLPlotArea::spanned(m_bandOrigin, pos));
        break;
    case MovingSelection: {
        const int t = int(m_owner->timeAtPixel(pos.x()));
        const float v = m_owner->valueAtPixel(pos.y());
        for (Point& p : m_points) {
            if (p.selected) {
                p.timeMs += t - m_lastTime;
                p.value += v - m_lastValue;
            }
        }
        m_lastTime = t;
        m_lastValue = v;
        break;
    }
    default:
        break;
    }
}

void GLWaveformEditor::mouseRelease(QWidget* area, const QPoint& pos,
                                    Qt::KeyboardModifiers modifiers)
{
    if (m_dragState == Selecting) {
        QRubberBand* rubberBand = band(area);
        rubberBand->hide();
        const QRect r = GLPlotArea::spanned(m_bandOrigin, pos);
        const double t1 = m_owner->timeAtPixel(r.left());
        const double t2 = m_owner->timeAtPixel(r.x() + r.width());
        const double v1 = m_owner->valueAtPixel(r.y() + r.height());
        const double v2 = m_owner->valueAtPixel(r.top());
        if (!modifiers.testFlag(Qt::ControlModifier))
            clearSelection();
        for (Point& p : m_points) {
            if (p.timeMs >= t1 && p.timeMs <= t2 && p.value >= v1 && p.value <= v2)
                p.selected = true;
        }
    }
    m_dragState = Idle;
}

void GLWaveformEditor::draw(PlotCanvas& canvas) const
{
    if (m_points.isEmpty())
        return;
    std::vector<float> line;
    line.reserve(size_t(m_points.size()) * 2);
    for (const Point& p : m_points) {
        line.push_back(float(p.timeMs));
        line.push_back(p.value);
    }
    canvas.setColor(Qt::red, 1.0f);
    canvas.drawPolyline(line.data(), m_points.size(), false);
    for (const Point& p : m_points) {
        canvas.setColor(p.selected ? Qt::yellow : Qt::red, 1.0f);
        canvas.drawSquare(float(p.timeMs), p.value, 8.0f);
    }
}
