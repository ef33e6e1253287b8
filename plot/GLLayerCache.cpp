#include "GLLayerCache.h"

#include "GLPlotData.h"
#include "GLPlotView.h"
#include "ParallelFor.h"

#include <QDataStream>
#include <QIODevice>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <QOpenGLFunctions_2_1>
#include <QScopeGuard>

GLLayerCache::GLLayerCache(RasterCanvas::RowOrder order) : m_order(order) {}

GLLayerCache::~GLLayerCache() = default;

void GLLayerCache::setRowOrder(RasterCanvas::RowOrder order)
{
    if (order == m_order)
        return;
    m_order = order;
    m_image = QImage();
    m_signature.clear();
}

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
    if (m_image.size() == pixels && now == m_signature)
        return true;
    m_signature = std::move(now);
    return false;
}

void GLLayerCache::rebuild(const GLPlotView* view, QSize pixels)
{
    if (m_image.size() != pixels)
        m_image = QImage(pixels, QImage::Format_RGB32);
    m_image.fill(qRgb(0, 0, 0));
    m_drawnSamples = QList<qsizetype>(view->channelCount(), 0);
    ++m_rebuilds;
}

std::pair<int, int> GLLayerCache::update(const GLPlotView* view, QSize pixels,
                                         const std::function<void(PlotCanvas&)>& drawGrid)
{
    if (isCurrent(view, pixels)) {
        // A live refresh: a few columns per channel, not worth a second thread.
        RasterCanvas canvas(m_image, m_order);
        drawCurrentWaveforms(canvas, view);
        noteDrawnSamples(view);
        return canvas.drawnColumns();
    }
    rebuild(view, pixels);
    // Everything anew: each core draws every layer into its own strip of columns.
    const int strips = std::clamp(QThread::idealThreadCount(), 1, 4);
    const int width = m_image.width();
    parallelFor(strips, [&](qsizetype strip) {
        RasterCanvas canvas(m_image, m_order, int(strip * width / strips),
                            int((strip + 1) * width / strips) - 1);
        drawGrid(canvas);
        for (int ch = 0; ch < view->channelCount(); ++ch) {
            const GLPlotData* channel = view->channel(ch);
            if (channel != view->focusedChannel())
                channel->drawBackgroundLayers(canvas);
        }
        drawCurrentWaveforms(canvas, view);
    });
    noteDrawnSamples(view);
    return {0, width - 1};
}

void GLLayerCache::noteDrawnSamples(const GLPlotView* view)
{
    m_drawnSamples.resize(view->channelCount());
    for (int ch = 0; ch < view->channelCount(); ++ch)
        m_drawnSamples[ch] = view->channel(ch)->currentLength();
}

void GLLayerCache::drawCurrentWaveforms(RasterCanvas& canvas, const GLPlotView* view) const
{
    for (int ch = 0; ch < view->channelCount(); ++ch) {
        const GLPlotData* channel = view->channel(ch);
        const qsizetype drawn = ch < m_drawnSamples.size() ? m_drawnSamples.at(ch) : 0;
        if (channel == view->focusedChannel() || channel->currentLength() <= drawn)
            continue;
        channel->drawCurrentWaveformFrom(canvas, drawn);
    }
}

void GLLayerCache::upload(QOpenGLFunctions_2_1* gl, std::pair<int, int> columns)
{
    const QImage& image = m_image;
    bool whole = false;
    if (!m_framebuffer || m_framebuffer->size() != image.size()) {
        m_framebuffer = std::make_unique<QOpenGLFramebufferObject>(image.size());
        whole = true;
    }
    if (whole)
        columns = {0, image.width() - 1};
    if (columns.first > columns.second || image.isNull())
        return;
    // Only the columns that changed: a live refresh touches a few near the shot's end.
    gl->glBindTexture(GL_TEXTURE_2D, m_framebuffer->texture());
    gl->glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    gl->glPixelStorei(GL_UNPACK_ROW_LENGTH, GLint(image.bytesPerLine() / 4));
    gl->glTexSubImage2D(GL_TEXTURE_2D, 0, columns.first, 0, columns.second - columns.first + 1,
                        image.height(), GL_BGRA, GL_UNSIGNED_BYTE,
                        image.constScanLine(0) + qsizetype(columns.first) * 4);
    gl->glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    gl->glBindTexture(GL_TEXTURE_2D, 0);
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
