#include "GLPlotArea.h"

#include "GLCanvas.h"
#include "GLPlotData.h"
#include "GLPlotView.h"
#include "RasterCanvas.h"

#include <QDebug>
#include <QHelpEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions_2_1>
#include <QOpenGLVersionFunctionsFactory>
#include <QOpenGLWidget>
#include <QPainter>
#include <QRubberBand>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QToolTip>

#include <cmath>
#include <cstring>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// A software GL driver allocates and frees its vertex uploads and binned scenes, some
// megabytes, on every frame. With glibc's default thresholds that memory goes back to the
// system after each frame and is faulted in page by page on the next, which cost a third
// of the time of a full redraw on Mesa's llvmpipe. Keep it in the heap instead.
void keepFrameMemory()
{
#ifdef __GLIBC__
    static const bool done = [] {
        mallopt(M_MMAP_THRESHOLD, 4 << 20);
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
        return true;
    }();
    Q_UNUSED(done);
#endif
}

bool softwareByDefault = false;

} // namespace

// The GL surface over the plot area; the area does the drawing and takes the mouse.
class GLPlotSurface : public QOpenGLWidget
{
public:
    explicit GLPlotSurface(GLPlotArea* area) : QOpenGLWidget(area), m_area(area)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void initializeGL() override { m_area->initializeSurface(); }
    void paintGL() override { m_area->paintSurface(); }

private:
    GLPlotArea* m_area;
};

GLPlotArea::GLPlotArea(GLPlotView* view)
    : QWidget(view), m_view(view), m_rubberBand(new QRubberBand(QRubberBand::Rectangle, this))
{
    // A style that draws the band as an outline keeps the waveforms under it readable.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
        style->setParent(m_rubberBand);
        m_rubberBand->setStyle(style);
    }
    if (!softwareByDefault) {
        m_surface = new GLPlotSurface(this);
        m_rubberBand->raise();
    } else {
        m_cache.setRowOrder(RasterCanvas::TopDown);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    setAutoFillBackground(false);
    setTool(HandTool);
}

GLPlotArea::~GLPlotArea()
{
    // The surface destroys its context after this object is gone: no call back here.
    if (m_surface && m_surface->context())
        disconnect(m_surface->context(), nullptr, this, nullptr);
    releaseCache();
}

void GLPlotArea::setSoftwareRenderingDefault(bool software)
{
    softwareByDefault = software;
}

bool GLPlotArea::softwareRenderingDefault()
{
    return softwareByDefault;
}

QOpenGLWidget* GLPlotArea::glSurface() const
{
    return m_surface;
}

void GLPlotArea::refresh()
{
    update();
    if (m_surface)
        m_surface->update();
}

QImage GLPlotArea::grabFramebuffer()
{
    if (m_surface)
        return m_surface->grabFramebuffer();
    return renderSoftwareFrame().copy();
}

QSize GLPlotArea::pixelSize() const
{
    const qreal ratio = devicePixelRatioF();
    return QSize(int(std::lround(width() * ratio)), int(std::lround(height() * ratio)));
}

void GLPlotArea::resizeEvent(QResizeEvent* event)
{
    if (m_surface)
        m_surface->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void GLPlotArea::setTool(int id)
{
    m_tool = id;
    switch (id) {
    case HandTool:
        setCursor(Qt::OpenHandCursor);
        break;
    case SingleChannelZoomTool:
    case AllChannelZoomTool:
    case WaveformEditTool:
        setCursor(Qt::CrossCursor);
        break;
    default:
        setCursor(Qt::ArrowCursor);
        break;
    }
    // A tool picked while the mouse is already inside gets its feedback at once.
    updateMouseTracking(underMouse());
    refresh();
}

void GLPlotArea::updateMouseTracking(bool inside)
{
    const bool cursorTool = m_tool == CursorTool || m_tool == IntegralCursorTool;
    const bool editTool = m_tool >= ZoneEditTool && m_tool <= PointEditTool;
    setMouseTracking(inside && (cursorTool || editTool));
    m_cursorShown = inside && cursorTool;
}

void GLPlotArea::initializeSurface()
{
    keepFrameMemory();
    QOpenGLContext* context = m_surface->context();
    m_gl = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_2_1>(context);
    if (m_gl && !m_gl->initializeOpenGLFunctions())
        m_gl = nullptr;
    if (!m_gl) {
        qWarning() << "GLPlotArea: the OpenGL context offers no fixed-function pipeline;"
                   << "drawing in software" << context->format();
        // Not from within the surface's own initialisation.
        QTimer::singleShot(0, this, &GLPlotArea::switchToSoftware);
        return;
    }
    // The cache's texture belongs to this context; a new top-level window brings a new one.
    connect(context, &QOpenGLContext::aboutToBeDestroyed, this, &GLPlotArea::releaseCache,
            Qt::UniqueConnection);
}

void GLPlotArea::switchToSoftware()
{
    if (!m_surface)
        return;
    disconnect(m_surface->context(), nullptr, this, nullptr);
    m_surface->deleteLater();
    m_surface = nullptr;
    m_cache.setRowOrder(RasterCanvas::TopDown);
    setAttribute(Qt::WA_OpaquePaintEvent);
    update();
}

void GLPlotArea::setFocusedProjection(PlotCanvas& canvas) const
{
    const double low = m_view->focusedYMin();
    const double high = m_view->focusedYMax();
    const double p = (high - low) / std::max(1, canvas.pixelSize().height());
    canvas.setProjection(m_view->xStart(), m_view->xEnd(), low - p / 2, high + p / 2);
    canvas.setLineStipple(0);
}

void GLPlotArea::paintSurface()
{
    if (!m_gl || !m_surface)
        return;
    QOpenGLFunctions_2_1* gl = m_gl;
    const QSize pixels = pixelSize();
    gl->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    gl->glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // Nothing to show before a configuration gives the plot a period.
    if (!(m_view->xEnd() > m_view->xStart()))
        return;

    const auto drawGrid = [this](PlotCanvas& canvas) {
        setFocusedProjection(canvas);
        drawHorizontalGrid(canvas);
        drawVerticalGrid(canvas);
    };
    if (m_view->mode() == LiveMode) {
        // Grid and the other channels come from the cache; the focused channel on top.
        m_cache.paint(gl, m_view, pixels, m_surface->defaultFramebufferObject(), drawGrid);
    }
    // Translucent layers blend into the colours only: the widget's image stays opaque,
    // or the window system would blend the plot with whatever lies behind it.
    GLCanvas canvas(gl, pixels);
    if (m_view->mode() != LiveMode)
        drawGrid(canvas);
    paintAboveCache(canvas);
    gl->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

const QImage& GLPlotArea::renderSoftwareFrame()
{
    const QSize pixels = pixelSize();
    const auto drawGrid = [this](PlotCanvas& canvas) {
        setFocusedProjection(canvas);
        drawHorizontalGrid(canvas);
        drawVerticalGrid(canvas);
    };
    const bool live = m_view->mode() == LiveMode && !pixels.isEmpty();
    if (live && m_view->xEnd() > m_view->xStart()) {
        m_cache.update(m_view, pixels, drawGrid);
        // Into a frame of its own: the cache stays without the focused channel.
        const QImage& cached = m_cache.image();
        if (m_frame.size() != cached.size() || m_frame.format() != cached.format())
            m_frame = QImage(cached.size(), cached.format());
        std::memcpy(m_frame.bits(), cached.constBits(), size_t(cached.sizeInBytes()));
    } else {
        if (m_frame.size() != pixels)
            m_frame = QImage(pixels, QImage::Format_RGB32);
        m_frame.fill(Qt::black);
    }
    if (m_view->xEnd() > m_view->xStart()) {
        RasterCanvas canvas(m_frame, RasterCanvas::TopDown);
        if (!live)
            drawGrid(canvas);
        paintAboveCache(canvas);
    }
    m_frame.setDevicePixelRatio(devicePixelRatioF());
    return m_frame;
}

void GLPlotArea::paintEvent(QPaintEvent*)
{
    if (m_surface)
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), renderSoftwareFrame());
}

void GLPlotArea::paintAboveCache(PlotCanvas& canvas)
{
    if (GLPlotData* focused = m_view->focusedChannel())
        focused->draw(canvas);
    if (m_cursorShown) {
        setFocusedProjection(canvas);
        drawCursorLine(canvas);
    }
}

void GLPlotArea::releaseCache()
{
    if (!m_surface) {
        m_cache.release();
        return;
    }
    m_surface->makeCurrent();
    m_cache.release();
    m_surface->doneCurrent();
}

void GLPlotArea::drawHorizontalGrid(PlotCanvas& canvas)
{
    const double step = m_view->focusedYGridStep();
    const double low = m_view->focusedYMin();
    const double high = m_view->focusedYMax();
    if (!(step > 0.0) || (high - low) / step > 10000.0)
        return;
    std::vector<float> lines;
    for (double y = low - std::fmod(low, step); y <= high; y += step) {
        lines.insert(lines.end(),
                     {float(m_view->xStart()), float(y), float(m_view->xEnd()), float(y)});
    }
    const QColor c = m_view->gridColor();
    canvas.setColor(c, float(c.alphaF()));
    canvas.drawLines(lines.data(), qsizetype(lines.size() / 2));
}

void GLPlotArea::drawVerticalGrid(PlotCanvas& canvas)
{
    const int step = m_view->xGridStep();
    if (step <= 0 || (m_view->xEnd() - m_view->xStart()) / step > 10000.0)
        return;
    const float top = float(m_view->focusedFullScale());
    std::vector<float> lines;
    const int start = int(m_view->xStart());
    for (int x = start - start % step; x <= m_view->xEnd(); x += step)
        lines.insert(lines.end(), {float(x), 0.0f, float(x), top});
    const QColor c = m_view->gridColor();
    canvas.setColor(c, float(c.alphaF()));
    canvas.drawLines(lines.data(), qsizetype(lines.size() / 2));
}

void GLPlotArea::drawCursorLine(PlotCanvas& canvas)
{
    // Through the middle of the pixel column under the mouse, not along its edge.
    const float t = float(m_view->pixelToTime(m_cursorX + 0.5));
    const float line[] = {t, 0.0f, t, float(m_view->focusedFullScale())};
    canvas.setColor(Qt::white, 1.0f);
    canvas.drawLines(line, 2);
}

QRect GLPlotArea::spanned(const QPoint& from, const QPoint& to)
{
    return QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                 QSize(std::abs(to.x() - from.x()), std::abs(to.y() - from.y())));
}

QString GLPlotArea::toolTipText(const QPoint& pos) const
{
    const int t = int(m_view->pixelToTime(pos.x()) + 0.5);
    QString text = tr("Time:%1s\n").arg(QString::number(t / 1000.0, 'g', 6));
    if (m_tool == CursorTool)
        text += valueReadOut(t);
    else if (m_tool == IntegralCursorTool)
        text += integralReadOut(t);
    return text;
}

QString GLPlotArea::valueReadOut(double timeMs) const
{
    return readOut(timeMs, false);
}

QString GLPlotArea::integralReadOut(double timeMs) const
{
    return readOut(timeMs, true);
}

QString GLPlotArea::readOut(double timeMs, bool integral) const
{
    QString text;
    const auto append = [&](int ch) {
        const GLPlotData* channel = m_view->channel(ch);
        const int source = m_view->readOutSource();
        const QString line =
            integral ? channel->integralText(source, timeMs) : channel->valueText(source, timeMs);
        if (!line.isEmpty())
            text += QStringLiteral("\n%1) %2").arg(ch + 1, 2).arg(line);
    };
    if (m_view->mode() == LiveMode) {
        for (int ch = 0; ch < m_view->channelCount(); ++ch)
            append(ch);
    } else if (m_view->mode() == ChannelSettingsMode && m_view->focusChannelIndex() >= 0) {
        append(m_view->focusChannelIndex());
    }
    return text;
}

bool GLPlotArea::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip &&
        (m_tool == CursorTool || m_tool == IntegralCursorTool)) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos() + QPoint(10, 0), toolTipText(help->pos()), this);
        return true;
    }
    return QWidget::event(event);
}

void GLPlotArea::enterEvent(QEnterEvent* event)
{
    updateMouseTracking(true);
    QWidget::enterEvent(event);
}

void GLPlotArea::leaveEvent(QEvent* event)
{
    updateMouseTracking(false);
    refresh();
    QWidget::leaveEvent(event);
}
