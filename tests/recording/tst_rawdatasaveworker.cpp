#include "FileController.h"
#include "FirmwareInfo.h"
#include "RawDataSaveWorker.h"
#include "ShotFeeder.h"
#include "TestMain.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <array>
#include <memory>

using namespace Fixture;

namespace {

// Stands in for the main window's two recording signals.
class Window : public QObject
{
    Q_OBJECT

public:
    int sent = 0;
    void begin(ShotData* shot)
    {
        ++sent;
        Q_EMIT beginRawDataSaving(shot);
    }
    void save(ShotData* shot, bool final)
    {
        ++sent;
        Q_EMIT saveRawData(shot, final);
    }

Q_SIGNALS:
    void beginRawDataSaving(ShotData* shot);
    void saveRawData(ShotData* shot, bool final);
};

struct Buffer
{
    ShotData shot;
    ShotFeeder feeder{shot, {ModuleCode}};
    Buffer() { shot.configure(config()); }
};

QString rowsOf(const QString& fileText)
{
    return fileText.section(QStringLiteral("Elapsed Time,1:A, 2:B, 3:C, 4:D\n"), 1);
}

} // namespace

class TestRawDataSaveWorker : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FileController> m_files;
    std::unique_ptr<RawDataSaveWorker> m_worker;
    Window m_window;

private Q_SLOTS:
    void init()
    {
        firmwareType = 0;
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_files = std::make_unique<FileController>();
        m_files->setDataFolder(m_dir->path());
        m_files->setSettingsName(QStringLiteral("RACE"));
        m_files->setClock([] { return CreationTime; });
        m_worker = std::make_unique<RawDataSaveWorker>(m_files.get());
        connect(&m_window, &Window::beginRawDataSaving, m_worker.get(),
                &RawDataSaveWorker::createNewRawDataFile, Qt::QueuedConnection);
        connect(&m_window, &Window::saveRawData, m_worker.get(),
                &RawDataSaveWorker::saveRawDataIncremental, Qt::QueuedConnection);
        QVERIFY(m_worker->thread() != QThread::currentThread());
    }

    void cleanup()
    {
        m_worker.reset();
        m_files.reset();
        m_dir.reset();
        m_window.sent = 0;
        resetFirmwareType();
    }

    // Shots alternate between two buffers as in the main window. Each shot's creation
    // and appends race with the previous shot's last appends (and a stray late one) on
    // the worker thread, while samples keep arriving in the buffer being written.
    void keepsEveryShotsRowsInItsOwnFile()
    {
        QSignalSpy created(m_worker.get(), &RawDataSaveWorker::rawDataFileCreated);
        QSignalSpy saved(m_worker.get(), &RawDataSaveWorker::rawDataSaved);
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
            m_window.begin(&buffer.shot);
            if (k > 1)
                m_window.save(&buffers[size_t((k + 1) % 2)].shot, false); // after its end
            for (int r = 0; r < Rows; r += 20) {
                QVERIFY(addRows(buffer.feeder, r, 20));
                m_window.save(&buffer.shot, false);
            }
            if (k % 3 != 0) { // every third shot is cut off by the watchdog
                QList<ShotFeeder::Outcome> outcomes(4);
                outcomes[0].flags = k % 2;
                QVERIFY(buffer.feeder.result(k, ShotTime.addSecs(k), 1000, outcomes));
                m_window.save(&buffer.shot, true);
            }
            sentAfterShot.append(m_window.sent);
        }
        QTRY_COMPARE_WITH_TIMEOUT(processed(), m_window.sent, 20000);

        const QString folder = m_dir->path() + QStringLiteral("/2012-05-10/");
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

    void writesTheQueuedFinalAppendBeforeStopping()
    {
        Buffer buffer;
        QVERIFY(buffer.feeder.start(9, ShotTime, 0));
        m_window.begin(&buffer.shot);
        QVERIFY(addRows(buffer.feeder, 0, 30));
        m_window.save(&buffer.shot, false);
        QVERIFY(addRows(buffer.feeder, 30, 10));
        m_window.save(&buffer.shot, true);
        m_worker.reset(); // as at exit, right after the last shot
        QCOMPARE(rowsOf(readAll(m_files->allWavePath(&buffer.shot))), rows(0, 40));
    }
};

CVO_TEST_MAIN_NO_GUI(TestRawDataSaveWorker)
#include "tst_rawdatasaveworker.moc"
