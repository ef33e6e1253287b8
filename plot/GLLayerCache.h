#pragma once

#include "RasterCanvas.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>

#include <functional>

#include <memory>
#include <utility>

class GLPlotView;
class QOpenGLFramebufferObject;
class QOpenGLFunctions_2_1;

// Keeps the live plot's unchanging part in an image: the grid and, for every channel but
// the focused one, all layers, with the current waveforms added as they grow. A repaint
// then costs the focused channel and the samples that arrived since the last one,
// instead of every series of every channel; anything else that changes (the window, a
// range, a colour, a new shot, the focus) makes the next repaint draw it all anew.
//
// The image is drawn on the CPU: a full redraw is some hundred thousand short lines,
// which a software GL driver pays for one by one. A GL plot area copies the columns that
// changed into a texture; a painter plot area shows the image as it is.
//
// Unlike drawing channel after channel, the current waveforms of the channels in the
// cache lie above the earlier shots and references of all of them, which keeps the
// latest shot readable; the focused channel still lies on top of everything.
class GLLayerCache
{
public:
    explicit GLLayerCache(RasterCanvas::RowOrder order = RasterCanvas::BottomUp);
    ~GLLayerCache();
    GLLayerCache(const GLLayerCache&) = delete;
    GLLayerCache& operator=(const GLLayerCache&) = delete;

    // Brings the image up to date; `drawGrid(canvas)` draws the grid with the focused
    // channel's projection. Answers the pixel columns that changed ([first, last]).
    template <typename DrawGrid>
    std::pair<int, int> update(const GLPlotView* view, QSize pixels, DrawGrid drawGrid)
    {
        return update(view, pixels, std::function<void(PlotCanvas&)>(drawGrid));
    }
    std::pair<int, int> update(const GLPlotView* view, QSize pixels,
                               const std::function<void(PlotCanvas&)>& drawGrid);
    const QImage& image() const { return m_image; }

    // The same for a GL plot area: the image's changed columns go into a texture, which
    // is then copied into the target framebuffer, bound afterwards.
    template <typename DrawGrid>
    void paint(QOpenGLFunctions_2_1* gl, const GLPlotView* view, QSize pixels, unsigned target,
               DrawGrid drawGrid)
    {
        if (pixels.isEmpty())
            return;
        upload(gl, update(view, pixels, drawGrid));
        blit(gl, target, pixels);
    }

    // A GL area takes the image bottom-up, a painter area top-down; a change starts anew.
    void setRowOrder(RasterCanvas::RowOrder order);

    // Frees the texture; the context it lives in must be current.
    void release();
    // How many full redraws the cache has made, for tests and benchmarks.
    int rebuildCount() const { return m_rebuilds; }

private:
    QByteArray signature(const GLPlotView* view, QSize pixels) const;
    bool isCurrent(const GLPlotView* view, QSize pixels);
    void rebuild(const GLPlotView* view, QSize pixels);
    void drawCurrentWaveforms(RasterCanvas& canvas, const GLPlotView* view) const;
    void noteDrawnSamples(const GLPlotView* view);
    void upload(QOpenGLFunctions_2_1* gl, std::pair<int, int> columns);
    void blit(QOpenGLFunctions_2_1* gl, unsigned target, QSize pixels);

    RasterCanvas::RowOrder m_order;
    QImage m_image;
    std::unique_ptr<QOpenGLFramebufferObject> m_framebuffer;
    QByteArray m_signature;
    QList<qsizetype> m_drawnSamples; // per channel, of its current waveform
    int m_rebuilds = 0;
};
