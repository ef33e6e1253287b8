#include "PlotRendering.h"

#include "GLPlotArea.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLFunctions_2_1>
#include <QOpenGLVersionFunctionsFactory>
#include <QSurfaceFormat>

namespace PlotRendering {

void useFixedFunctionFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    QSurfaceFormat::setDefaultFormat(format);
}

Probe probe()
{
    Probe result;
    QOpenGLContext context;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!context.create() || !surface.isValid() || !context.makeCurrent(&surface))
        return result;
    result.renderer = QString::fromLatin1(
        reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER)));
    auto* gl = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_2_1>(&context);
    result.usable = gl && gl->initializeOpenGLFunctions();
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"}) {
        if (result.renderer.contains(QLatin1String(name), Qt::CaseInsensitive))
            result.softwareDriver = true;
    }
    context.doneCurrent();
    return result;
}

QString apply(const QString& choice)
{
    if (choice == QLatin1String("opengl")) {
        GLPlotArea::setSoftwareRenderingDefault(false);
        return QStringLiteral("OpenGL (chosen in the settings)");
    }
    if (choice == QLatin1String("software")) {
        GLPlotArea::setSoftwareRenderingDefault(true);
        return QStringLiteral("software (chosen in the settings)");
    }
    const Probe found = probe();
    const bool software = !found.usable || found.softwareDriver;
    GLPlotArea::setSoftwareRenderingDefault(software);
    if (!found.usable)
        return QStringLiteral("software (no usable OpenGL: %1)").arg(found.renderer);
    if (found.softwareDriver)
        return QStringLiteral("software (OpenGL is drawn on the CPU: %1)").arg(found.renderer);
    return QStringLiteral("OpenGL (%1)").arg(found.renderer);
}

} // namespace PlotRendering
