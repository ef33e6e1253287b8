#include "GLLayerCache.h"

#include "GLPlotData.h"
#include "GLPlotView.h"

#include <QDataStream>
#include <QIODevice>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <QOpenGLFunctions_2_1>
#include <QScopeGuard>

GLLayerCache::GLLayerCache() = default;

GLLayerCache::~GLLayerCache() = default;

void GLLayerCache::release()
{
    m_framebuffer.reset();
    m_signature.clear();
}

QByteArray GLLayerCache::signature(const GLPlotView* view, QSize pixels) const
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << pixels << view->xStart() << view->xEnd() << view->xGridStep()
           << view->gridColor().rgba() << view->focusChannelIndex() << view->focusedYMin()
           << view->focusedYMax() << view->focusedYGridStep() << view->focusedFullScale()
           << view->rangeOpacity() << view->referenceWaveformOpacity() << view->channelCount();
    for (int ch = 0; ch < view->channelCount(); ++ch) {
        if (view->channel(ch) != view->focusedChannel())
            view->channel(ch)->writeDrawState(stream);
    }
    return bytes;
}

bool GLLayerCache::isCurrent(const GLPlotView* view, QSize pixels)
{
    QByteArray now = signature(view, pixels);
    if (m_framebuffer && m_framebuffer->size() == pixels && now == m_signature)
        return true;
    m_signature = std::move(now);
    return false;
}

void GLLayerCache::rebuild(QOpenGLFunctions_2_1* gl, const GLPlotView* view, QSize pixels)
{
    if (!m_framebuffer || m_framebuffer->size() != pixels)
        m_framebuffer = std::make_unique<QOpenGLFramebufferObject>(pixels);
    m_framebuffer->bind();
    gl->glViewport(0, 0, pixels.width(), pixels.height());
    gl->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    gl->glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    gl->glClear(GL_COLOR_BUFFER_BIT);
    gl->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    m_drawnSamples = QList<qsizetype>(view->channelCount(), 0);
    ++m_rebuilds;
}

void GLLayerCache::drawBackgrounds(QOpenGLFunctions_2_1* gl, const GLPlotView* view)
{
    for (int ch = 0; ch < view->channelCount(); ++ch) {
        GLPlotData* channel = view->channel(ch);
        if (channel != view->focusedChannel())
            channel->drawBackgroundLayers(gl);
    }
}

void GLLayerCache::drawNewSamples(QOpenGLFunctions_2_1* gl, const GLPlotView* view)
{
    m_framebuffer->bind();
    gl->glViewport(0, 0, m_framebuffer->width(), m_framebuffer->height());
    m_drawnSamples.resize(view->channelCount());
    for (int ch = 0; ch < view->channelCount(); ++ch) {
        GLPlotData* channel = view->channel(ch);
        const qsizetype length = channel->currentLength();
        if (channel == view->focusedChannel() || length <= m_drawnSamples.at(ch))
            continue;
        channel->drawCurrentWaveformFrom(gl, m_drawnSamples.at(ch));
        m_drawnSamples[ch] = length;
    }
}

void GLLayerCache::blit(QOpenGLFunctions_2_1* gl, unsigned target, QSize pixels)
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    // The copy is opaque throughout; keep it so.
    gl->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    const auto restoreMask =
        qScopeGuard([gl] { gl->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE); });
    if (QOpenGLFramebufferObject::hasOpenGLFramebufferBlit()) {
        // A plain copy; far cheaper than texturing a quad on a software driver.
        QOpenGLExtraFunctions* extra = context->extraFunctions();
        extra->glBindFramebuffer(GL_READ_FRAMEBUFFER, m_framebuffer->handle());
        extra->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, target);
        extra->glBlitFramebuffer(0, 0, pixels.width(), pixels.height(), 0, 0, pixels.width(),
                                 pixels.height(), GL_COLOR_BUFFER_BIT, GL_NEAREST);
        extra->glBindFramebuffer(GL_FRAMEBUFFER, target);
        return;
    }
    context->functions()->glBindFramebuffer(GL_FRAMEBUFFER, target);
    gl->glViewport(0, 0, pixels.width(), pixels.height());
    gl->glMatrixMode(GL_PROJECTION);
    gl->glLoadIdentity();
    gl->glOrtho(0.0, 1.0, 0.0, 1.0, -1.0, 1.0);
    gl->glMatrixMode(GL_MODELVIEW);
    gl->glLoadIdentity();
    gl->glDisable(GL_BLEND);
    gl->glEnable(GL_TEXTURE_2D);
    gl->glBindTexture(GL_TEXTURE_2D, m_framebuffer->texture());
    gl->glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    gl->glBegin(GL_QUADS);
    gl->glTexCoord2f(0.0f, 0.0f);
    gl->glVertex2f(0.0f, 0.0f);
    gl->glTexCoord2f(1.0f, 0.0f);
    gl->glVertex2f(1.0f, 0.0f);
    gl->glTexCoord2f(1.0f, 1.0f);
    gl->glVertex2f(1.0f, 1.0f);
    gl->glTexCoord2f(0.0f, 1.0f);
    gl->glVertex2f(0.0f, 1.0f);
    gl->glEnd();
    gl->glBindTexture(GL_TEXTURE_2D, 0);
    gl->glDisable(GL_TEXTURE_2D);
    gl->glEnable(GL_BLEND);
}
