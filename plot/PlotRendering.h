#pragma once

#include <QString>

// How the waveform plots draw: with OpenGL, or in software into an image. "auto" (the
// default) draws in software when OpenGL lacks the fixed-function pipeline the plot
// uses, or when OpenGL is itself drawn on the CPU (Mesa's llvmpipe and its kind, common
// in virtual machines and remote sessions): there composing a window that holds a GL
// surface costs more than the plot costs to draw.
namespace PlotRendering {

// The plot draws with the fixed-function pipeline, which core profiles lack. Makes that
// the default surface format; call it before the application object creates any context.
void useFixedFunctionFormat();

struct Probe
{
    bool usable = false; // a context with the fixed-function pipeline
    bool softwareDriver = false;
    QString renderer;
};

// Creates a small offscreen context and asks it; needs the application object.
Probe probe();

// `choice` is the setting's value: "auto", "opengl" or "software" (anything else counts
// as "auto"). Sets the plots' default before any of them exists and says what it chose.
QString apply(const QString& choice);

} // namespace PlotRendering
