// A 2 MB firmware file uploaded through the firmware update window to Debian's pyftpdlib on
// loopback: throughput, and the GUI thread's longest stall while the upload runs (largest
// gap of a 1 ms timer) against the 20 ms budget. The simulated unit takes the final
// request. Run under Xvfb.

#include "AppSettings.h"
#include "FirmwareUpdateWindow.h"
#include "SRecordCheck.h"
#include "SRecordImage.h"
#include "SimulatorThread.h"
#include "UserPrompt.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

const QHostAddress UnitAddress(QStringLiteral("127.0.140.250"));
constexpr quint16 FtpPort = 2121;
constexpr int Runs = 10;
constexpr double StallBudgetMs = 20.0;

bool waitForListener(const QHostAddress& host, quint16 port)
{
    for (int i = 0; i < 100; ++i) {
        QTcpSocket probe;
        probe.connectToHost(host, port);
        if (probe.waitForConnected(100))
            return true;
        QThread::msleep(50);
    }
    return false;
}

// Times every event the GUI thread handles, to tell a slow handler from a thread that was
// merely not scheduled.
class TimingApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        const bool uploading = uploader && uploader->isRunning();
        QElapsedTimer timer;
        timer.start();
        const bool handled = QApplication::notify(receiver, event);
        // The outcome's own handling (telling the unit over the control port) blocks by
        // design and ends the upload: not counted.
        if (uploading && uploader->isRunning() && timer.nsecsElapsed() > longestEventNs) {
            longestEventNs = timer.nsecsElapsed();
            longestEvent = QStringLiteral("%1 to %2")
                               .arg(int(event->type()))
                               .arg(QString::fromLatin1(receiver->metaObject()->className()));
        }
        return handled;
    }
    const FirmwareUploader* uploader = nullptr;
    qint64 longestEventNs = 0;
    QString longestEvent;
};

struct RunResult
{
    bool ok = false;
    double seconds = 0;
    double clickMs = 0; // reading and checking the file, starting the upload
    double longestStallMs = 0;
};

// The longest gap of the 1 ms timer with nothing to do: what the machine's load alone costs.
double idleStallMs(int ms)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.nsecsElapsed() - last);
        last = clock.nsecsElapsed();
    });
    ticker.start(1);
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return double(longest) / 1e6;
}

void settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Like the main window: one window, reset and shown again for every update.
RunResult uploadOnce(FirmwareUpdateWindow& window, const QString& file)
{
    RunResult result;
    window.reset();
    window.show();
    settle(300); // shown and painted before the clock starts
    UserPrompt::setFileHandler([&](const UserPrompt::FileRequest&) { return file; });
    bool answered = false;
    UserPrompt::setMessageHandler([&](const UserPrompt::Message& m) {
        result.ok = m.text == QLatin1String("Firmware update succeeded.");
        if (!result.ok)
            std::fprintf(stderr, "%s\n", qPrintable(m.text));
        answered = true;
        return QMessageBox::Ok;
    });
    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longest = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (window.uploader().isRunning())
            longest = std::max(longest, now - lastTick);
        lastTick = now;
    });
    const QMetaObject::Connection finished =
        QObject::connect(&window.uploader(), &FirmwareUploader::finished,
                         [&] { result.seconds = double(clock.nsecsElapsed()) / 1e9; });
    window.findChild<QPushButton*>(QStringLiteral("selectButton"))->click();
    ticker.start(1);
    clock.start();
    window.findChild<QPushButton*>(QStringLiteral("updateButton"))->click();
    lastTick = clock.nsecsElapsed();
    result.clickMs = double(lastTick) / 1e6;
    QElapsedTimer limit;
    limit.start();
    while (!answered && limit.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    result.longestStallMs = double(longest) / 1e6;
    QObject::disconnect(finished);
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    TimingApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QTemporaryDir dir;
    AppSettings::initialise();
    AppSettings().setValue(SettingKey::DeviceIPAddress, UnitAddress.toIPv4Address());

    SimulatorOptions options;
    options.address = UnitAddress;
    SimulatorThread unit(options);
    QProcess ftp;
    ftp.start(QStringLiteral("/usr/bin/python3"),
              {"-m", "pyftpdlib", "-w", "-i", UnitAddress.toString(), "-p",
               QString::number(FtpPort), "-d", dir.path()});
    if (!unit.startAndWait() || !ftp.waitForStarted() || !waitForListener(UnitAddress, FtpPort)) {
        std::fprintf(stderr, "could not start the simulated unit or pyftpdlib\n");
        return 1;
    }

    const QByteArray image = SRecordImage::image(46000);
    const QString file = QDir(dir.path()).filePath(QStringLiteral("apl_source.mot"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(image) != image.size())
        return 1;
    out.close();

    QElapsedTimer checkClock;
    checkClock.start();
    const bool sound = SRecordCheck::check(image).ok;
    std::printf("firmware file: %.2f MB, S-record check %.2f ms (%s)\n", double(image.size()) / 1e6,
                double(checkClock.nsecsElapsed()) / 1e6, sound ? "sound" : "REFUSED");
    double worstStall = 0;
    int failures = 0;
    FirmwareUpdateWindow window;
    window.uploader().setPort(FtpPort);
    app.uploader = &window.uploader();
    for (int i = 0; i < Runs; ++i) {
        const RunResult run = uploadOnce(window, file);
        failures += run.ok ? 0 : 1;
        worstStall = std::max(worstStall, run.longestStallMs);
        std::printf(
            "run %d: %s, %.3f s, %.1f MB/s; click %.2f ms, then longest GUI stall %.2f ms\n", i + 1,
            run.ok ? "ok" : "FAILED", run.seconds,
            double(image.size()) / 1e6 / std::max(run.seconds, 1e-9), run.clickMs,
            run.longestStallMs);
    }
    std::printf("longest GUI stall %.2f ms = %.2f of the %.0f ms budget; %d failed\n", worstStall,
                worstStall / StallBudgetMs, StallBudgetMs, failures);
    std::printf("longest single event handled while uploading: %.2f ms (%s)\n",
                double(app.longestEventNs) / 1e6, qPrintable(app.longestEvent));
    std::printf("the same timer idle for 2 s: longest gap %.2f ms\n", idleStallMs(2000));
    ftp.kill();
    ftp.waitForFinished(5000);
    return failures == 0 ? 0 : 1;
}
