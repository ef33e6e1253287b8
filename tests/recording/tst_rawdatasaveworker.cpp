#include "FileController.h"
#include "FirmwareInfo.h"
#include "RawDataSaveWorker.h"
#include "ShotFeeder.h"
#include "TestMain.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <memory>

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
        QMetaObject::invokeMethod(worker.get(), "createNewRawDataFile", Qt::QueuedConnection,
                                  Q_ARG(ShotData*, shot));
    }

    void save(ShotData* shot, bool final)
    {
        ++sent;
        QMetaObject::invokeMethod(worker.get(), "saveRawDataIncremental", Qt::QueuedConnection,
                                  Q_ARG(ShotData*, shot), Q_ARG(bool, final));
    }
};

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
        QSignalSpy created(recorder.worker.get(), &RawDataSaveWorker::rawDataFileCreated);
        QSignalSpy saved(recorder.worker.get(), &RawDataSaveWorker::rawDataSaved);
        auto processed = [&] { return int(created.count() + saved.count()); };
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
