// The main window's load while the simulated unit streams 40 channels at 1 ms in 10 s
// shots: the GUI thread's CPU time per second of wall time, and the longest stall of its
// event loop (the largest gap between ticks of a 5 ms timer) while shots run; the time
// from the start of the process to the main window's first paint (the simulator's own
// start left out), and the process's peak resident memory.
//
//   bench_gui_load [seconds]     (run under a display or xvfb-run)

#include "AppSettings.h"
#include "MainWindow.h"
#include "PlotRendering.h"
#include "Presets.h"
#include "SimulatorThread.h"
#include "UnitSimulator.h"
#include "UserPrompt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>

#include <unistd.h>

namespace {

const QHostAddress UnitAddress(QStringLiteral("127.0.91.1"));

double threadCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Calls `seen` at the first paint of the watched widget.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(std::function<void()> seen) : m_seen(std::move(seen)) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_seen) {
            m_seen();
            m_seen = nullptr;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_seen;
};

// How long the process has run (at main: loading and linking), from its start time in
// /proc, to 10 ms; -1 where that is not known.
qint64 msBeforeMain()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startSeconds = fields.value(19).toDouble() / double(sysconf(_SC_CLK_TCK));
    const double nowSeconds = uptime.readAll().split(' ').value(0).toDouble();
    return qint64((nowSeconds - startSeconds) * 1000);
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    const qint64 beforeMainMs = msBeforeMain();
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/.config"));
    QApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 25;
    // "auto" (as the application chooses), "opengl" or "software".
    const QString drawing = PlotRendering::apply(QString::fromLatin1(argc > 2 ? argv[2] : "auto"));

    SimulatorOptions options;
    options.address = UnitAddress;
    Presets::make(QStringLiteral("channels40"), &options.config);
    options.config.setName(QStringLiteral("BENCH40"));
    options.cycleTimeMs = 11000;
    QElapsedTimer simulatorStart;
    simulatorStart.start();
    SimulatorThread unit(options);
    if (!unit.startAndWait()) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(unit.errorString()));
        return 1;
    }
    const qint64 simulatorMs = simulatorStart.elapsed();

    AppSettings::initialise();
    AppSettings().setValue("deviceIPAddress", UnitAddress.toIPv4Address());
    UserPrompt::setMessageHandler([](const UserPrompt::Message&) { return QMessageBox::Ok; });
    MainWindow window({QStringLiteral("cvo-manager")});
    qint64 firstPaintMs = -1;
    FirstPaint watch([&] { firstPaintMs = sinceMain.elapsed() - simulatorMs; });
    window.installEventFilter(&watch);
    window.show();

    QElapsedTimer clock;
    qint64 lastTick = -1;
    qint64 worstGapMs = 0;
    double cpuAtStart = 0;
    qint64 measureStartMs = -1;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        // Measure from the first shot on, when the data link carries samples.
        if (measureStartMs < 0 && window.currentShot()) {
            measureStartMs = now;
            cpuAtStart = threadCpuSeconds();
        } else if (measureStartMs >= 0) {
            worstGapMs = std::max(worstGapMs, now - lastTick);
        }
        lastTick = now;
    });
    clock.start();
    ticker.start(5);
    // exit(), not quit(): quit() would ask the window to close, and it asks the operator.
    QTimer::singleShot(seconds * 1000, &app, [] { QCoreApplication::exit(0); });
    app.exec();

    if (measureStartMs < 0) {
        std::fprintf(stderr, "no shot arrived\n");
        return 1;
    }
    const double wall = (clock.elapsed() - measureStartMs) / 1000.0;
    const double cpu = threadCpuSeconds() - cpuAtStart;
    std::printf("plot drawing: %s\n", qPrintable(drawing));
    std::printf(
        "40 channels at 1 ms, %.1f s measured, %llu shots completed by the unit\n", wall,
        static_cast<unsigned long long>(unit.simulator()->statistics().shotsCompleted.load()));
    std::printf("GUI thread CPU: %.3f s per second of shot time (%.1f %%)\n", cpu / wall,
                100.0 * cpu / wall);
    std::printf("longest event-loop stall: %lld ms (5 ms timer)\n",
                static_cast<long long>(worstGapMs));
    std::printf("start to the main window's first paint: %lld ms (+ %lld ms before main; the "
                "simulator's %lld ms start left out)\n",
                static_cast<long long>(firstPaintMs), static_cast<long long>(beforeMainMs),
                static_cast<long long>(simulatorMs));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %.1f MiB (simulator included)\n", usage.ru_maxrss / 1024.0);
    return 0;
}
