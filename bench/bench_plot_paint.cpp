// Painting the live plot: 40 channels x 10,000 samples (10 s at 1 ms), each with the
// current shot, 4 overwritten earlier shots and a reference waveform, on a plot area of
// 1230 x 799 pixels, drawn with GL and then in software. A GL frame is one call of the
// area's paintSurface into its framebuffer followed by glFinish, so it includes drawing the
// cached layers, uploading them and the driver's rasterisation, not the window system's
// composition; a software frame is the finished image, before it is painted on the window.
// (repaint() is not used: on a virtual X server it silently skips frames whenever the
// window counts as unexposed.) Prints the median and the worst frame, the median against
// the 16 ms budget of 60 frames/s, and the process's CPU time per frame, for:
//   - a redraw of everything (the window scrolled, zoomed or resized, a new shot, a
//     changed range or colour): all 240 series;
//   - a live refresh while a shot arrives: 100 new samples on every channel, as the main
//     window hands them over every 100 ms;
//   - a repaint with nothing changed but the focused channel or the cursor line.
// Run it under Xvfb (xvfb-run -a -s "-screen 0 1920x1080x24").
// Usage: bench_plot_paint [frames]
#include "GLPlotArea.h"
#include "GLPlotView.h"
#include "PlotRendering.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <random>

namespace {

constexpr int Channels = 40;
constexpr int Samples = 10000;
constexpr int Shots = 5;
constexpr QSize AreaSize(1230, 799);
constexpr double BudgetMs = 16.0;

// A cavity pressure curve: rise, hold with a peak, decay, plus sensor noise.
GLWaveform shotCurve(int channel, int shot, std::mt19937& random)
{
    std::normal_distribution<float> noise(0.0f, 0.4f);
    const float peak = 60.0f + channel * 3.0f + shot * 2.0f;
    const float start = 800.0f + channel * 20.0f;
    GLWaveform curve(Samples);
    for (int i = 0; i < Samples; ++i) {
        const float t = float(i);
        float v = 0.0f;
        if (t > start) {
            const float rise = std::min(1.0f, (t - start) / 600.0f);
            const float decay =
                t > start + 3000.0f ? std::exp(-(t - start - 3000.0f) / 1500.0f) : 1.0f;
            v = peak * rise * decay;
        }
        curve[i] = std::max(0.0f, v + noise(random));
    }
    return curve;
}

void fill(GLPlotView& view)
{
    view.setChannelCount(Channels);
    view.setObservationPeriod(Samples);
    view.setSamplingInterval(1);
    std::mt19937 random(7);
    QList<GLWaveform> references;
    for (int ch = 0; ch < Channels; ++ch) {
        view.setDataType(ch, 2);
        view.setChannelColor(ch, QColor::fromHsv(ch * 360 / Channels, 220, 255));
        references.append(shotCurve(ch, 0, random));
    }
    view.setReferenceWaveforms(references, 1);
    view.setOverwriteMaximum(Shots);
    view.setClearOverwriteOnMaximum(false);
    for (int shot = 0; shot < Shots; ++shot) {
        view.startNewShot();
        for (int ch = 0; ch < Channels; ++ch)
            view.appendSamples(ch, shotCurve(ch, shot, random));
    }
    view.setFocusChannel(0);
    view.fitFullScale();
}

// Grows or shrinks the view until its plot area has the wanted size.
bool sizeArea(GLPlotView& view, QSize wanted)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        const QSize now = view.plotArea()->size();
        if (now == wanted)
            return true;
        view.resize(view.size() + (wanted - now));
        QTest::qWait(50);
    }
    return view.plotArea()->size() == wanted;
}

struct Figures
{
    double median;
    double worst;
    double cpuMedian; // CPU time of the whole process, every thread: what a busy machine costs
};

double processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Times `frames` repaints; `change` runs before each and is not timed.
template <typename Change> Figures measure(GLPlotView& view, int frames, Change change)
{
    GLPlotArea* area = view.plotArea();
    QOpenGLWidget* surface = area->glSurface();
    std::vector<double> times;
    std::vector<double> cpu;
    QElapsedTimer timer;
    for (int i = 0; i < frames + 3; ++i) {
        change(i);
        if (surface)
            surface->makeCurrent();
        const double cpuStart = processCpuMs();
        timer.start();
        if (surface) {
            area->paintSurface();
            surface->context()->functions()->glFinish();
            surface->doneCurrent();
        } else {
            area->renderSoftwareFrame();
        }
        const double ms = timer.nsecsElapsed() / 1e6;
        if (i >= 3) { // the first frames allocate textures and buffers
            times.push_back(ms);
            cpu.push_back(processCpuMs() - cpuStart);
        }
    }
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    return {times[times.size() / 2], times.back(), cpu[cpu.size() / 2]};
}

// The current shot grows by 100 samples per channel per frame, from its start on.
Figures liveRefresh(GLPlotView& view, int frames)
{
    std::mt19937 random(11);
    QList<GLWaveform> shots;
    for (int ch = 0; ch < Channels; ++ch)
        shots.append(shotCurve(ch, Shots, random));
    view.startNewShot();
    const int refreshes = Samples / 100;
    return measure(view, std::min(frames, refreshes - 3), [&](int i) {
        for (int ch = 0; ch < Channels; ++ch)
            view.appendSamples(ch, shots.at(ch).first((i + 1) * 100));
    });
}

void print(const char* what, const Figures& f)
{
    std::printf("%-34s median %6.2f ms  worst %6.2f ms  median/budget %.2f  cpu median %6.2f ms\n",
                what, f.median, f.worst, f.median / BudgetMs, f.cpuMedian);
}

} // namespace

int main(int argc, char* argv[])
{
    PlotRendering::useFixedFunctionFormat();
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    const int frames = argc > 1 ? std::max(5, std::atoi(argv[1])) : 60;

    for (const bool software : {false, true}) {
        GLPlotArea::setSoftwareRenderingDefault(software);
        GLPlotView view;
        view.setupToolbar({1, 2, 3, 4, 5, 99, 9, 10, 11, 12, 99, 13, 14, 16, 17});
        view.resize(1400, 950);
        view.show();
        if (!QTest::qWaitForWindowExposed(&view) || !sizeArea(view, AreaSize)) {
            std::fprintf(stderr, "could not show a %dx%d plot area\n", AreaSize.width(),
                         AreaSize.height());
            return 1;
        }
        fill(view);
        QTest::qWait(100); // the surface's first paint, outside the figures
        QString renderer = QStringLiteral("software (QPainter image)");
        if (QOpenGLWidget* surface = view.plotArea()->glSurface()) {
            surface->makeCurrent();
            renderer = QStringLiteral("GL ") +
                       QString::fromLatin1(reinterpret_cast<const char*>(
                           surface->context()->functions()->glGetString(GL_RENDERER)));
            surface->doneCurrent();
        }
        std::printf("plot area %dx%d, %d channels x %d samples, %d shots + reference, %s\n",
                    AreaSize.width(), AreaSize.height(), Channels, Samples, Shots,
                    qPrintable(renderer));
        // A 9 s window moved by 1 ms every frame: nothing can be kept.
        print("redraw of everything:",
              measure(view, frames, [&](int i) { view.setXRange(i % 2, 9000 + i % 2); }));
        view.fitX();
        print("live refresh, 100 samples/channel:", liveRefresh(view, frames));
        view.fitX();
        print("repaint, nothing changed:", measure(view, frames, [](int) {}));
    }
    return 0;
}
