#include "FileController.h"
#include "FirmwareInfo.h"
#include "MachineLogSource.h"
#include "RawDataSaveWorker.h"
#include "ShotFeeder.h"
#include "TestMain.h"

#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <atomic>
#include <memory>
#include <semaphore>

using namespace Fixture;

namespace {

struct Buffer
{
    ShotData shot;
    ShotFeeder feeder{shot, config()};
};

// The worker behind the main window's two queued recording signals.
struct Recorder
{
    QTemporaryDir dir;
    FileController files;
    std::unique_ptr<RawDataSaveWorker> worker = std::make_unique<RawDataSaveWorker>(&files);
    int sent = 0;

    Recorder()
    {
        files.setDataFolder(dir.path());
        files.setSettingsName(QStringLiteral("RACE"));
        files.setClock([] { return CreationTime; });
    }

    void begin(ShotData* shot)
    {
        ++sent;
        worker->requestNewRawDataFile(shot);
    }

    void save(ShotData* shot, bool final)
    {
        ++sent;
        worker->requestRawDataSave(shot, final);
    }

    // Waits until the worker has done everything queued so far. (Standard semaphores, so
    // that ThreadSanitizer sees the hand-over.)
    bool drained()
    {
        std::binary_semaphore done{0};
        worker->requestCallback([&done] { done.release(); });
        return done.try_acquire_for(std::chrono::seconds(10));
    }

    // A slow or network disk: the worker's thread is busy until released.
    void holdBack(std::binary_semaphore& release)
    {
        worker->requestCallback([&release] { release.acquire(); });
    }
};

class FakeMachineLink : public MachineLogSource
{
public:
    QStringList recordNames() const override { return {"Cycle time", "Cushion"}; }
    QString buildLogLine(const QString& shot) const override
    {
        return "2012/05/10 13:45:20, " + shot + ", 12.5, 3.2\n";
    }
};

QString fileOf(const QTemporaryDir& dir, const char* kind, int shot)
{
    return readAll(dir.path() + QStringLiteral("/2012-05-10/%1_RACE_%2_120510134512p.csv")
                                    .arg(QLatin1String(kind))
                                    .arg(shot, 6, 10, QLatin1Char('0')));
}

QString rowsOf(const QString& fileText)
{
    return fileText.section(QStringLiteral("Elapsed Time,1:A, 2:B, 3:C, 4:D\n"), 1);
}

} // namespace

class TestRawDataSaveWorker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { firmwareType = 0; }

    // Shots alternate between two buffers as in the main window. Each shot's creation
    // and appends race with the previous shot's last appends (and a stray late one) on
    // the worker thread, while samples keep arriving in the buffer being written.
    void keepsEveryShotsRowsInItsOwnFile()
    {
        Recorder recorder;
        // Counted on the worker's thread as each is done.
        std::atomic<int> done{0};
        QObject::connect(recorder.worker.get(), &RawDataSaveWorker::rawDataFileCreated,
                         [&done] { ++done; });
        QObject::connect(recorder.worker.get(), &RawDataSaveWorker::rawDataSaved,
                         [&done] { ++done; });
        auto processed = [&] { return done.load(); };
        std::array<Buffer, 2> buffers;
        constexpr int Shots = 12;
        constexpr int Rows = 400;
        QList<int> sentAfterShot{0, 0}; // index k + 1: signals sent up to the end of shot k
        for (int k = 1; k <= Shots; ++k) {
            Buffer& buffer = buffers[size_t(k % 2)];
            // A buffer is reused once its shot before last is written, as 10 s shots allow;
            // the previous shot may still wait in the worker's queue.
            QTRY_VERIFY_WITH_TIMEOUT(processed() >= sentAfterShot.at(k - 1), 20000);
            QVERIFY(buffer.feeder.start(k, ShotTime.addSecs(k), 1000));
            recorder.begin(&buffer.shot);
            if (k > 1)
                recorder.save(&buffers[size_t((k + 1) % 2)].shot, false); // after its end
            for (int r = 0; r < Rows; r += 20) {
                QVERIFY(addRows(buffer.feeder, r, 20));
                recorder.save(&buffer.shot, false);
            }
            if (k % 3 != 0) { // every third shot is cut off by the watchdog
                QList<ChannelResult> results(4);
                results[0].flags = k % 2;
                QVERIFY(buffer.feeder.result(k, ShotTime.addSecs(k), 1000, results));
                recorder.save(&buffer.shot, true);
            }
            sentAfterShot.append(recorder.sent);
        }
        QTRY_COMPARE_WITH_TIMEOUT(processed(), recorder.sent, 20000);

        const QString folder = recorder.dir.path() + QStringLiteral("/2012-05-10/");
        for (int k = 1; k <= Shots; ++k) {
            const QString name =
                QStringLiteral("RACE_%1_120510134512p.csv").arg(k, 6, 10, QLatin1Char('0'));
            const QString all = readAll(folder + QStringLiteral("all_") + name);
            QVERIFY2(all.contains(QStringLiteral("\nShot:%1\n").arg(k)), qPrintable(name));
            QCOMPARE(rowsOf(all), rows(0, Rows));
            const bool ng = k % 3 != 0 && k % 2 == 1;
            QCOMPARE(readAll(folder + QStringLiteral("alm_") + name),
                     ng ? all : QStringLiteral("<missing>"));
        }
    }

    // The recorder is held up (a slow disk) for more than a shot: buffer A begins shot 3
    // before more of shot 1 is written. Shot 1 keeps its first rows, none of shot 3's, and,
    // being NG, its alarm copy; the logs hold each shot as it ended, in order.
    void keepsEachShotWhenTheRecorderFallsBehind()
    {
        Recorder recorder;
        std::array<Buffer, 2> buffers;
        FakeMachineLink link;
        std::binary_semaphore release{0};
        QList<ChannelResult> results(4);
        for (int k = 1; k <= 3; ++k) {
            Buffer& buffer = buffers[size_t((k + 1) % 2)];
            QVERIFY(buffer.feeder.start(k, ShotTime, 1000));
            recorder.begin(&buffer.shot);
            QVERIFY(addRows(buffer.feeder, 0, 20));
            recorder.save(&buffer.shot, false);
            if (k == 1) {
                QVERIFY(recorder.drained());
                recorder.holdBack(release);
            }
            QVERIFY(addRows(buffer.feeder, 20, 20));
            recorder.save(&buffer.shot, false);
            results[0].flags = k == 1;
            QVERIFY(buffer.feeder.result(k, ShotTime, 1000, results));
            recorder.save(&buffer.shot, true);
            recorder.worker->requestShotLog(&buffer.shot);
            recorder.worker->requestMachineLog(&link, &buffer.shot);
        }
        const QString logs = recorder.dir.path() + QStringLiteral("/2012-05/log_");
        QVERIFY(!QFile::exists(logs + "120510.csv")); // not written on this thread
        release.release();
        QVERIFY(recorder.drained());

        for (int k = 1; k <= 3; ++k) {
            const QString all = fileOf(recorder.dir, "all", k);
            QVERIFY2(all.contains(QStringLiteral("\nShot:%1\n").arg(k)), qPrintable(all));
            QCOMPARE(rowsOf(all), rows(0, k == 1 ? 20 : 40));
            QCOMPARE(fileOf(recorder.dir, "alm", k), k == 1 ? all : QStringLiteral("<missing>"));
        }
        QVERIFY(readAll(logs + "RACE_120510p.csv")
                    .contains(QRegularExpression(", 1, NG, .*\n.*, 2, OK, .*\n.*, 3, OK, ")));
        QVERIFY(readAll(logs + "120510.csv")
                    .endsWith("Cushion\n" + link.buildLogLine("1") + link.buildLogLine("2") +
                              link.buildLogLine("3")));
    }

    // The data folder goes away (an unmounted drive; root ignores permissions): the
    // failure is told with its cause, not once per operation, until writing succeeds.
    void reportsFailureUntilWritingSucceedsAgain()
    {
        Recorder recorder;
        QSignalSpy status(recorder.worker.get(), &RawDataSaveWorker::recordingStatusChanged);
        Buffer buffer;
        QVERIFY(QDir(recorder.dir.path()).removeRecursively());
        for (int k = 1; k <= 2; ++k) {
            QVERIFY(buffer.feeder.start(k, ShotTime, 0));
            recorder.begin(&buffer.shot);
            recorder.save(&buffer.shot, true); // no file: nothing more to tell
            recorder.worker->requestShotLog(&buffer.shot);
            QVERIFY(recorder.drained() && QDir().mkpath(recorder.dir.path()));
        }
        QCOMPARE(status.count(), 3); // the raw file's and the log's folder, then success
        QVERIFY(status.at(1).at(1).toString().contains(recorder.dir.path() + "/2012-05"));
        QCOMPARE(status.at(2), (QList<QVariant>{true, QString()}));
    }

    void writesWhatIsQueuedBeforeStopping()
    {
        Recorder recorder;
        Buffer buffer;
        QVERIFY(buffer.feeder.start(9, ShotTime, 0));
        QVERIFY(addRows(buffer.feeder, 0, 40));
        recorder.begin(&buffer.shot);
        recorder.save(&buffer.shot, true);
        recorder.worker.reset(); // as at exit, right after the last shot
        QCOMPARE(rowsOf(readAll(recorder.files.allWavePath(&buffer.shot))), rows(0, 40));
    }
};

CVO_TEST_MAIN_NO_GUI(TestRawDataSaveWorker)
#include "tst_rawdatasaveworker.moc"
