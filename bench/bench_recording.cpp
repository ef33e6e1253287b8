// Recording a live shot: one 40-channel, 10,000-row shot (10 s at 1 ms), its samples
// added by the "GUI" thread (this main thread) as packets arrive, while the recording
// worker appends the rows every 100 samples on its own thread, as the main window
// drives it. Prints:
//   - the worker thread's busy time for the shot, and its share of the shot's 10 s, with
//     the CPU time it used meanwhile (which other processes on the machine do not inflate);
//   - the longest appendShotSamples call on the adding thread while appends run
//     (the delay the shared locks can cause), beside the same figure without a worker;
//   - the bytes per second of a plain sequential write of the same file on this disk.
// Usage: bench_recording [--fast]   (--fast adds the samples without real-time pacing)
#include "BUPacket.h"
#include "FileController.h"
#include "FrameBuilder.h"
#include "FrameReceiver.h"
#include "RawDataSaveWorker.h"
#include "ShotData.h"
#include "SystemConfig.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QMutex>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

namespace {

constexpr int Modules = 5; // five eight-channel modules: 40 channels
constexpr qint32 ModuleCode = 0x11000000;
constexpr int Rows = 10000;
constexpr int RowsPerAppend = 100;

class Window : public QObject
{
    Q_OBJECT
Q_SIGNALS:
    void beginRawDataSaving(ShotData* shot);
    void saveRawData(ShotData* shot, bool final);
};

QList<QByteArray> sampleFrames()
{
    QList<qint32> codes;
    for (int m = 0; m < Modules; ++m)
        codes.append(ModuleCode + m);
    QList<QByteArray> frames;
    frames.reserve(Rows);
    for (int r = 0; r < Rows; ++r) {
        const qint16 level = qint16(1000 + (r * 7) % 3000);
        frames.append(FrameBuilder::frame(
            BUPacket::ShotSamples, FrameBuilder::shotSamplesPayload(quint32(r), codes, level)));
    }
    return frames;
}

QByteArray shotStartFrame()
{
    return FrameBuilder::frame(BUPacket::ShotStart, FrameBuilder::payload([](QDataStream& s) {
                                   s << quint8(0) << quint8(0) << qint32(1) << quint8(26)
                                     << quint8(12) << quint8(6) << quint8(10) << quint8(0)
                                     << quint8(0) << quint8(0) << quint8(0) << quint32(0);
                               }));
}

qint64 threadCpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

struct AddTimes
{
    qint64 maxNs = 0;
    qint64 totalNs = 0;
    std::vector<qint64> all;
};

// Adds every row's packet to the shot; with a window, asks for an append every 100 rows.
AddTimes addSamples(ShotData& shot, const QList<QByteArray>& frames, Window* window, bool paced)
{
    BUPacket packet;
    FrameReceiver receiver(&packet);
    AddTimes times;
    times.all.reserve(size_t(frames.size()));
    QElapsedTimer clock;
    clock.start();
    for (int r = 0; r < frames.size(); ++r) {
        if (paced) {
            while (clock.nsecsElapsed() < qint64(r) * 1000000)
                QThread::usleep(200);
        }
        receiver.append(frames.at(r));
        receiver.decodeNext();
        QElapsedTimer call;
        call.start();
        shot.appendShotSamples(packet);
        const qint64 ns = call.nsecsElapsed();
        times.all.push_back(ns);
        times.maxNs = std::max(times.maxNs, ns);
        times.totalNs += ns;
        if (window && (r + 1) % RowsPerAppend == 0)
            Q_EMIT window->saveRawData(&shot, r + 1 == frames.size());
    }
    return times;
}

qint64 percentile(std::vector<qint64> values, double p)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[size_t(p * double(values.size() - 1))];
}

void beginShot(ShotData& shot)
{
    BUPacket packet;
    FrameReceiver receiver(&packet);
    receiver.append(shotStartFrame());
    receiver.decodeNext();
    shot.clear();
    shot.begin(packet);
}

void printAddTimes(const char* label, const AddTimes& t)
{
    std::printf("  %-34s longest %8.1f us, p99.9 %6.1f us, median %5.2f us\n", label,
                double(t.maxNs) / 1000.0, double(percentile(t.all, 0.999)) / 1000.0,
                double(percentile(t.all, 0.5)) / 1000.0);
}

struct LiveResult
{
    AddTimes adds;
    qint64 workerBusyNs = 0;
    qint64 workerCpuNs = 0;
    qint64 longestAppendNs = 0;
    qint64 fileBytes = 0;
    QString path;
};

LiveResult recordLiveShot(const QString& folder, const QList<QByteArray>& frames, bool paced)
{
    SystemConfig config;
    config.setPeriod(10);
    config.setSamplingInterval(1);
    for (int m = 0; m < Modules; ++m)
        config.addModule(quint32(ModuleCode + m));
    ShotData shot;
    shot.configure(config);

    FileController files;
    files.setDataFolder(folder);
    files.setSettingsName(paced ? QStringLiteral("LIVE") : QStringLiteral("FAST"));
    Window window;
    LiveResult result;
    {
        RawDataSaveWorker worker(&files);
        // Queued to the worker before its own slots, so each timestamp is taken on the
        // worker thread right before the operation it measures.
        std::atomic<qint64> startedNs{0};
        std::atomic<qint64> startedCpuNs{0};
        std::atomic<qint64> busyNs{0};
        std::atomic<qint64> cpuNs{0};
        std::atomic<qint64> longestNs{0};
        std::atomic<int> finals{0};
        QElapsedTimer epoch;
        epoch.start();
        auto started = [&] {
            startedNs = epoch.nsecsElapsed();
            startedCpuNs = threadCpuNs();
        };
        auto done = [&] {
            const qint64 spent = epoch.nsecsElapsed() - startedNs;
            busyNs += spent;
            cpuNs += threadCpuNs() - startedCpuNs;
            longestNs = std::max<qint64>(longestNs, spent);
        };
        QObject::connect(&window, &Window::beginRawDataSaving, &worker, started,
                         Qt::QueuedConnection);
        QObject::connect(&window, &Window::saveRawData, &worker, started, Qt::QueuedConnection);
        QObject::connect(&window, &Window::beginRawDataSaving, &window,
                         [&worker](ShotData* s) { worker.requestNewRawDataFile(s); });
        QObject::connect(
            &window, &Window::saveRawData, &window,
            [&worker](ShotData* s, bool final) { worker.requestRawDataSave(s, final); });
        QObject::connect(&worker, &RawDataSaveWorker::rawDataFileCreated, &worker, done,
                         Qt::DirectConnection);
        QObject::connect(
            &worker, &RawDataSaveWorker::rawDataSaved, &worker,
            [&](ShotData*, bool final, bool) {
                done();
                if (final)
                    ++finals;
            },
            Qt::DirectConnection);

        beginShot(shot);
        Q_EMIT window.beginRawDataSaving(&shot);
        result.adds = addSamples(shot, frames, &window, paced);
        QElapsedTimer wait;
        wait.start();
        while (finals.load() == 0 && wait.elapsed() < 60000)
            QThread::msleep(1);
        result.workerBusyNs = busyNs;
        result.workerCpuNs = cpuNs;
        result.longestAppendNs = longestNs;
        result.path = files.allWavePath(&shot);
    }
    result.fileBytes = QFile(result.path).size();
    return result;
}

AddTimes addWithoutWorker(const QList<QByteArray>& frames, bool paced)
{
    SystemConfig config;
    config.setSamplingInterval(1);
    for (int m = 0; m < Modules; ++m)
        config.addModule(quint32(ModuleCode + m));
    ShotData shot;
    shot.configure(config);
    beginShot(shot);
    return addSamples(shot, frames, nullptr, paced);
}

// What an append holds a channel's lock for: the copy of its 100 new samples. The adding
// thread can wait at most this long per channel, whatever the scheduler adds on top.
void lockHoldTime()
{
    ChannelShotData channel;
    for (int r = 0; r < Rows; ++r)
        channel.addSample(quint32(r), qint16(r));
    std::vector<qint64> holds;
    for (int from = 0; from + RowsPerAppend <= Rows; from += RowsPerAppend) {
        QElapsedTimer timer;
        timer.start();
        const QList<float> copy = channel.samples(from, RowsPerAppend);
        holds.push_back(timer.nsecsElapsed());
        if (copy.size() != RowsPerAppend)
            std::printf("short copy\n");
    }
    std::printf("  %-34s longest %8.2f us, median %5.2f us\n",
                "channel lock held per append:", double(percentile(holds, 1.0)) / 1000.0,
                double(percentile(holds, 0.5)) / 1000.0);
}

// A plain sequential write of the same bytes in 64 KiB pieces; best of five.
void plainWrite(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = in.readAll();
    for (bool sync : {false, true}) {
        double best = 0;
        for (int run = 0; run < 5; ++run) {
            QFile::remove(target);
            QFile out(target);
            if (!out.open(QIODevice::WriteOnly))
                return;
            QElapsedTimer timer;
            timer.start();
            for (qsizetype at = 0; at < bytes.size(); at += 65536)
                out.write(bytes.constData() + at, std::min<qsizetype>(65536, bytes.size() - at));
            out.flush();
            if (sync)
                ::fsync(out.handle());
            out.close();
            best = std::max(best, double(bytes.size()) / (double(timer.nsecsElapsed()) / 1e9));
        }
        std::printf("  %-34s %.0f MB/s (best of 5, %lld bytes)\n",
                    sync ? "plain sequential write + fsync:" : "plain sequential write:",
                    best / 1e6, static_cast<long long>(bytes.size()));
    }
}

void report(const char* title, const LiveResult& live, const AddTimes& alone, double shotSeconds)
{
    std::printf("%s\n", title);
    std::printf("  worker busy for the shot: %.1f ms = %.2f %% of the shot's %.0f s "
                "(CPU time %.1f ms, longest single operation %.2f ms), file %lld bytes\n",
                double(live.workerBusyNs) / 1e6,
                100.0 * double(live.workerBusyNs) / 1e9 / shotSeconds, shotSeconds,
                double(live.workerCpuNs) / 1e6, double(live.longestAppendNs) / 1e6,
                static_cast<long long>(live.fileBytes));
    printAddTimes("appendShotSamples while appending:", live.adds);
    printAddTimes("appendShotSamples, no worker:", alone);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const bool fastOnly = app.arguments().contains(QStringLiteral("--fast"));
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    const QList<QByteArray> frames = sampleFrames();

    std::printf("One shot: %d channels x %d rows, appended every %d rows\n", Modules * 8, Rows,
                RowsPerAppend);
    if (!fastOnly) {
        const LiveResult live = recordLiveShot(dir.path(), frames, true);
        report("Live pace (one packet per ms, as the unit sends):", live,
               addWithoutWorker(frames, true), 10.0);
    }
    const LiveResult fast = recordLiveShot(dir.path(), frames, false);
    report("Unpaced (samples added as fast as possible, appends queued meanwhile):", fast,
           addWithoutWorker(frames, false), 10.0);
    lockHoldTime();
    plainWrite(fast.path, dir.path() + QStringLiteral("/plain.csv"));
    return 0;
}

#include "bench_recording.moc"
