#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>

#include <memory>

class GLPlotView;
class QOpenGLFramebufferObject;
class QOpenGLFunctions_2_1;

// Keeps the live plot's unchanging part in a texture: the grid and, for every channel but
// the focused one, all layers, with the current waveforms added as they grow. A repaint
// then costs the focused channel and the samples that arrived since the last one,
// instead of every series of every channel; anything else that changes (the window, a
// range, a colour, a new shot, the focus) makes the next repaint draw it all anew.
//
// Unlike drawing channel after channel, the current waveforms of the channels in the
// cache lie above the earlier shots and references of all of them, which keeps the
// latest shot readable; the focused channel still lies on top of everything.
class GLLayerCache
{
public:
    GLLayerCache();
    ~GLLayerCache();
    GLLayerCache(const GLLayerCache&) = delete;
    GLLayerCache& operator=(const GLLayerCache&) = delete;

    // Brings the cache up to date and draws it into the target framebuffer, which is
    // bound afterwards. `drawGrid` draws the grid with the focused channel's projection.
    template <typename DrawGrid>
    void paint(QOpenGLFunctions_2_1* gl, const GLPlotView* view, QSize pixels, unsigned target,
               DrawGrid drawGrid)
    {
        if (!isCurrent(view, pixels)) {
            rebuild(gl, view, pixels);
            drawGrid();
            drawBackgrounds(gl, view);
        }
        drawNewSamples(gl, view);
        blit(gl, target, pixels);
    }

    // Frees the texture; the context it lives in must be current.
    void release();
    // How many full redraws the cache has made, for tests and benchmarks.
    int rebuildCount() const { return m_rebuilds; }

private:
    QByteArray signature(const GLPlotView* view, QSize pixels) const;
    bool isCurrent(const GLPlotView* view, QSize pixels);
    void rebuild(QOpenGLFunctions_2_1* gl, const GLPlotView* view, QSize pixels);
    void drawBackgrounds(QOpenGLFunctions_2_1* gl, const GLPlotView* view);
    void drawNewSamples(QOpenGLFunctions_2_1* gl, const GLPlotView* view);
    void blit(QOpenGLFunctions_2_1* gl, unsigned target, QSize pixels);

    std::unique_ptr<QOpenGLFramebufferObject> m_framebuffer;
    QByteArray m_signature;
    QList<qsizetype> m_drawnSamples; // per channel, of its current waveform
    int m_rebuilds = 0;
};
