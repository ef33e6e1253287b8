// Mouse tools of the plot area. Edits act on the focused channel only, and only on
// items that are enabled and currently drawn: nothing invisible can be dragged.
#include "GLEditGeometry.h"
#include "GLPlotArea.h"
#include "GLPlotData.h"
#include "GLPlotView.h"

#include <QDebug>
#include <QMouseEvent>
#include <QRubberBand>

#include <algorithm>
#include <cmath>

using namespace GLEditGeometry;

void GLPlotArea::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    m_lastMouseX = pos.x();
    m_lastMouseY = pos.y();
    m_pressPos = pos;
    GLPlotData* focused = m_view->focusedChannel();
    switch (m_tool) {
    case HandTool:
        setCursor(Qt::ClosedHandCursor);
        break;
    case SingleChannelZoomTool:
    case AllChannelZoomTool:
        m_rubberBand->setGeometry(QRect(pos, QSize()));
        m_rubberBand->show();
        break;
    case ZoneEditTool:
        pressZone(focused, pos);
        break;
    case RangeEditTool:
        pressRange(focused, pos);
        break;
    case WaveformEditTool:
        if (focused) {
            focused->waveformEditor().mousePress(this, pos, event->modifiers());
            refresh();
        }
        break;
    case PointEditTool:
        pressPoint(focused, pos);
        refresh();
        break;
    default:
        break;
    }
}

void GLPlotArea::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const bool pressed = event->buttons() != Qt::NoButton;
    GLPlotData* focused = m_view->focusedChannel();
    switch (m_tool) {
    case HandTool:
        if (pressed) {
            Q_EMIT plotAreaMoved(QPoint(pos.x() - m_lastMouseX, pos.y() - m_lastMouseY));
            m_lastMouseX = pos.x();
            m_lastMouseY = pos.y();
        }
        break;
    case SingleChannelZoomTool:
    case AllChannelZoomTool:
        if (m_rubberBand->isVisible())
            m_rubberBand->setGeometry(spanned(m_pressPos, pos));
        break;
    case CursorTool:
    case IntegralCursorTool:
        if (m_cursorShown) {
            m_cursorX = pos.x();
            m_cursorY = pos.y();
            refresh();
        }
        break;
    case ZoneEditTool:
        moveZone(focused, pos);
        break;
    case RangeEditTool:
        moveRange(focused, pos);
        break;
    case WaveformEditTool:
        if (focused) {
            focused->waveformEditor().mouseMove(this, pos);
            refresh();
        }
        break;
    case PointEditTool:
        movePoint(focused, pos);
        refresh();
        break;
    default:
        break;
    }
}

void GLPlotArea::mouseReleaseEvent(QMouseEvent* event)
{
    GLPlotData* focused = m_view->focusedChannel();
    switch (m_tool) {
    case HandTool:
        setCursor(Qt::OpenHandCursor);
        break;
    case SingleChannelZoomTool:
    case AllChannelZoomTool:
        if (m_rubberBand->isVisible()) {
            m_rubberBand->hide();
            const QRect rect = m_rubberBand->geometry();
            if (m_tool == SingleChannelZoomTool) {
                Q_EMIT singleChannelZoomAreaSpecified(rect);
            } else {
                qDebug() << "Selection area:" << rect;
                Q_EMIT allChannelZoomAreaSpecified(rect);
            }
        }
        break;
    case ZoneEditTool:
        releaseZone(focused);
        break;
    case RangeEditTool:
        releaseRange(focused);
        break;
    case WaveformEditTool:
        if (focused) {
            focused->waveformEditor().mouseRelease(this, event->position().toPoint(),
                                                   event->modifiers());
            refresh();
        }
        break;
    case PointEditTool:
        releasePoint(focused);
        refresh();
        break;
    default:
        break;
    }
}

qint32 GLPlotArea::clampedTime(GLPlotData* channel, const QPoint& pos) const
{
    return qint32(channel->timeAtPixel(pos.x()));
}

float GLPlotArea::clampedValue(GLPlotData* channel, const QPoint& pos) const
{
    return std::clamp(channel->valueAtPixel(pos.y()), 0.0f, std::max(0.0f, channel->fullScale()));
}

double GLPlotArea::timeReach(GLPlotData* channel, int pixels) const
{
    return std::max(1, int(channel->timeWidth(pixels)));
}

void GLPlotArea::pressZone(GLPlotData* channel, const QPoint& pos)
{
    if (!channel || !channel->isLayerShown(GLLayer::Zones))
        return;
    const double x = clampedTime(channel, pos);
    const double y = channel->valueAtPixel(pos.y());
    const double tx = timeReach(channel, 3);
    const double ty = channel->valueHeight(3);
    for (int i = 0; i < channel->zoneCount(); ++i) {
        GLZone* zone = channel->zone(i);
        const int hit = zone->enabled ? zoneHit(*zone, x, y, tx, ty) : ZoneMissed;
        if (hit != ZoneMissed) {
            zone->editState = hit;
            channel->setZoneBeingEdited(i);
            m_zoneAtPress = *zone;
            m_editDrag = hit == ZoneInside ? DragWhole : DragHandle;
            return;
        }
    }
}

void GLPlotArea::moveZone(GLPlotData* channel, const QPoint& pos)
{
    if (!channel)
        return;
    GLZone* zone = channel->zone(channel->zoneBeingEdited());
    if (m_editDrag == NoDrag || !zone) {
        int hit = ZoneMissed;
        if (channel->isLayerShown(GLLayer::Zones)) {
            const double x = clampedTime(channel, pos);
            const double y = channel->valueAtPixel(pos.y());
            for (int i = 0; i < channel->zoneCount() && hit == ZoneMissed; ++i) {
                const GLZone* z = channel->zone(i);
                if (z->enabled)
                    hit = zoneHit(*z, x, y, timeReach(channel, 3), channel->valueHeight(3));
            }
        }
        setCursor(zoneCursor(hit));
        return;
    }
    if (m_editDrag == DragHandle) {
        dragZoneHandle(*zone, zone->editState, clampedTime(channel, pos),
                       clampedValue(channel, pos));
    } else {
        // Screen y grows downwards, values upwards.
        const qint32 dt = qint32(std::lround(channel->timeWidth(pos.x() - m_pressPos.x())));
        const float dv = -channel->valueHeight(pos.y() - m_pressPos.y());
        const int state = zone->editState;
        *zone = movedZone(m_zoneAtPress, dt, dv, m_view->observationPeriod(), channel->fullScale());
        zone->editState = state;
    }
    refresh();
}

void GLPlotArea::releaseZone(GLPlotData* channel)
{
    const int index = channel ? channel->zoneBeingEdited() : -1;
    GLZone* zone = channel ? channel->zone(index) : nullptr;
    if (m_editDrag == NoDrag || !zone)
        return;
    *zone = normalisedZone(*zone);
    channel->setZoneBeingEdited(-1);
    m_editDrag = NoDrag;
    refresh();
    Q_EMIT zoneEditCompleted(index, *zone);
}

void GLPlotArea::pressRange(GLPlotData* channel, const QPoint& pos)
{
    if (!channel || !channel->isLayerShown(GLLayer::TimeRanges))
        return;
    const double x = clampedTime(channel, pos);
    for (int i = 0; i < channel->rangeCount(); ++i) {
        GLRange* range = channel->range(i);
        const int hit = range->enabled ? rangeHit(*range, x, timeReach(channel, 3)) : RangeMissed;
        if (hit != RangeMissed) {
            range->editState = hit;
            channel->setRangeBeingEdited(i);
            m_rangeAtPress = *range;
            m_editDrag = hit == RangeInside ? DragWhole : DragHandle;
            return;
        }
    }
}

void GLPlotArea::moveRange(GLPlotData* channel, const QPoint& pos)
{
    if (!channel)
        return;
    GLRange* range = channel->range(channel->rangeBeingEdited());
    if (m_editDrag == NoDrag || !range) {
        int hit = RangeMissed;
        if (channel->isLayerShown(GLLayer::TimeRanges)) {
            const double x = clampedTime(channel, pos);
            for (int i = 0; i < channel->rangeCount() && hit == RangeMissed; ++i) {
                const GLRange* r = channel->range(i);
                if (r->enabled)
                    hit = rangeHit(*r, x, timeReach(channel, 3));
            }
        }
        setCursor(rangeCursor(hit));
        return;
    }
    if (m_editDrag == DragHandle) {
        dragRangeHandle(*range, range->editState, clampedTime(channel, pos));
    } else {
        const qint32 dt = qint32(std::lround(channel->timeWidth(pos.x() - m_pressPos.x())));
        const int state = range->editState;
        *range = movedRange(m_rangeAtPress, dt, m_view->observationPeriod());
        range->editState = state;
    }
    refresh();
}

void GLPlotArea::releaseRange(GLPlotData* channel)
{
    const int index = channel ? channel->rangeBeingEdited() : -1;
    GLRange* range = channel ? channel->range(index) : nullptr;
    if (m_editDrag == NoDrag || !range)
        return;
    *range = normalisedRange(*range);
    channel->setRangeBeingEdited(-1);
    m_editDrag = NoDrag;
    refresh();
    Q_EMIT rangeEditCompleted(index, *range);
}

namespace {

int pointHitAt(const GLPlotData* channel, qint32 x, double y, double a, double b)
{
    const GLTSec& marker = channel->pointMarker();
    if (!marker.enabled || !channel->isLayerShown(GLLayer::PointMarker))
        return PointMissed;
    return pointHit(marker, x, y, a, b, channel->valueHeight(3));
}

} // namespace

void GLPlotArea::pressPoint(GLPlotData* channel, const QPoint& pos)
{
    if (!channel)
        return;
    GLTSec& marker = channel->pointMarker();
    marker.editState =
        pointHitAt(channel, clampedTime(channel, pos), channel->valueAtPixel(pos.y()),
                   timeReach(channel, 5), timeReach(channel, 3));
    m_pointAtPress = marker;
}

void GLPlotArea::movePoint(GLPlotData* channel, const QPoint& pos)
{
    if (!channel)
        return;
    GLTSec& marker = channel->pointMarker();
    switch (marker.editState) {
    case PointTime:
        marker.timeMs = clampedTime(channel, pos);
        break;
    case PointUpper:
        marker.upper = clampedValue(channel, pos);
        break;
    case PointLower:
        marker.lower = clampedValue(channel, pos);
        break;
    case PointInside: {
        const qint32 dt = qint32(std::lround(channel->timeWidth(pos.x() - m_pressPos.x())));
        const double dv = -channel->valueHeight(pos.y() - m_pressPos.y());
        marker =
            movedPoint(m_pointAtPress, dt, dv, m_view->observationPeriod(), channel->fullScale());
        marker.editState = PointInside;
        break;
    }
    default:
        setCursor(pointCursor(pointHitAt(channel, clampedTime(channel, pos),
                                         channel->valueAtPixel(pos.y()), timeReach(channel, 5),
                                         timeReach(channel, 3))));
        break;
    }
}

void GLPlotArea::releasePoint(GLPlotData* channel)
{
    if (!channel)
        return;
    GLTSec& marker = channel->pointMarker();
    if (marker.editState == PointMissed)
        return;
    if (marker.upper < marker.lower)
        std::swap(marker.upper, marker.lower);
    marker.editState = PointMissed;
    Q_EMIT tSecEditCompleted(marker);
}
