// The trends window over a day's shot log of 10,000 shots x 40 channels: the time from
// opening it to the first painted chart (the last 200 shots, and the whole day), and the
// GUI thread's longest stall (the largest gap between ticks of a 5 ms timer) while live
// shots are appended, one every 50 ms, in wall time and in the GUI thread's CPU time.
// Goal: first chart under 300 ms.
//
//   bench_trends [shots]     (run under a display or xvfb-run)

#include "Presets.h"
#include "ShotLogFiles.h"
#include "ShotLogFormat.h"
#include "SystemConfig.h"
#include "TrendsWindow.h"

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

constexpr int Channels = 40;
constexpr double GoalMs = 300;

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

ShotLogFormat::Shot makeShot(const QDateTime& time, int number)
{
    ShotLogFormat::Shot shot{time, 1500, number, {}};
    for (int c = 0; c < Channels; ++c) {
        const float wobble = float((number * 7 + c * 13) % 100) / 100.0f;
        shot.channels.append(
            {true, quint16(number % 50 == 0 ? 1 : 0), 50 + wobble, 1.2f + wobble / 10, 30 + wobble,
             20 + wobble, quint16(1500 + number % 40), quint16(700 + number % 30), 12.5f + wobble});
    }
    return shot;
}

bool writeDay(const QString& folder, const QString& name, int shots)
{
    const QDateTime start(QDate::currentDate(), QTime(0, 0, 1));
    const QString month =
        folder + QLatin1Char('/') + start.date().toString(QStringLiteral("yyyy-MM"));
    QDir().mkpath(month);
    QFile file(month + QStringLiteral("/log_") + name + QLatin1Char('_') +
               start.date().toString(QStringLiteral("yyMMdd")) + QStringLiteral("p.csv"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(
        ShotLogFormat::header(start, QStringLiteral("CVO Manager started."), Channels).toUtf8());
    for (int i = 0; i < shots; ++i)
        file.write(ShotLogFormat::line(makeShot(start.addMSecs(i * 8000LL), i + 1)).toUtf8());
    return true;
}

// Opens the window on the given range and returns the milliseconds to the first paint of
// the chart after the logs were read.
double timeToFirstChart(TrendsWindow& window, int rangeIndex)
{
    QSignalSpy loaded(&window, &TrendsWindow::trendLoaded);
    QElapsedTimer clock;
    clock.start();
    auto* range = window.findChild<QComboBox*>(QStringLiteral("rangeComboBox"));
    if (range->currentIndex() != rangeIndex)
        range->setCurrentIndex(rangeIndex); // reloads
    else
        window.reload();
    if (!loaded.wait(20000))
        return -1;
    window.findChild<QChartView*>(QStringLiteral("chartView"))->viewport()->repaint();
    return double(clock.nsecsElapsed()) / 1e6;
}

// The longest gap between probe ticks, in wall time and in the GUI thread's own CPU time:
// on a loaded machine the wall time also counts the time the thread waited for a core.
struct Stall
{
    double wallMs = 0;
    double cpuMs = 0;
};

Stall longestStallWhileLive(TrendsWindow& window, int liveShots, int firstNumber)
{
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    double lastCpu = threadCpuMs();
    Stall longest;
    QTimer probe;
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        const double cpu = threadCpuMs();
        longest.wallMs = std::max(longest.wallMs, double(now - lastTick) / 1e6);
        longest.cpuMs = std::max(longest.cpuMs, cpu - lastCpu);
        lastTick = now;
        lastCpu = cpu;
    });
    int sent = 0;
    QTimer feeder;
    feeder.setInterval(50);
    QEventLoop loop;
    QObject::connect(&feeder, &QTimer::timeout, [&] {
        window.appendShot(makeShot(QDateTime::currentDateTime(), firstNumber + sent));
        if (++sent == liveShots)
            QTimer::singleShot(100, &loop, &QEventLoop::quit);
    });
    lastTick = clock.nsecsElapsed();
    lastCpu = threadCpuMs();
    probe.start();
    feeder.start();
    loop.exec();
    return longest;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int shots = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;
    QTemporaryDir folder;
    const QString name = QStringLiteral("BENCH");
    QElapsedTimer writing;
    writing.start();
    if (!folder.isValid() || !writeDay(folder.path(), name, shots)) {
        std::fprintf(stderr, "cannot write the log\n");
        return 1;
    }
    std::printf("log of %d shots x %d channels written in %lld ms\n", shots, Channels,
                writing.elapsed());
    QElapsedTimer reading;
    reading.start();
    const double cpuBefore = threadCpuMs();
    const ShotLogFiles::Result day =
        ShotLogFiles::read(ShotLogFiles::list(folder.path(), name), Channels - 1);
    std::printf("reading one channel of the day: %lld ms (%.0f ms of CPU), %lld shots\n",
                reading.elapsed(), threadCpuMs() - cpuBefore, qlonglong(day.shots.size()));
    SystemConfig config;
    Presets::make(QStringLiteral("channels40"), &config);
    config.setName(name);
    TrendsWindow window;
    window.resize(1100, 640);
    window.setLogSource(folder.path(), name);
    window.setSystemConfig(config);
    window.show();
    for (const auto& [rangeIndex, label] :
         {std::pair{0, "last 200 shots"}, std::pair{1, "the whole day"}}) {
        const double first = timeToFirstChart(window, rangeIndex);
        std::printf("%-15s first chart %7.1f ms (%.2f of the %.0f ms goal), %d points\n", label,
                    first, first / GoalMs, GoalMs, window.pointCount());
        const Stall stall = longestStallWhileLive(window, 100, shots + 1);
        std::printf("%-15s longest GUI stall over 100 live shots: %.1f ms (%.1f ms of CPU)\n",
                    label, stall.wallMs, stall.cpuMs);
    }
    return 0;
}
