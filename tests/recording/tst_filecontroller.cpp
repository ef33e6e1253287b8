#include "FileController.h"
#include "FirmwareInfo.h"
#include "MachineLogSource.h"
#include "ShotFeeder.h"
#include "ShotLogFormat.h"
#include "TestMain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace Fixture;

namespace {

class FakeMachineLink : public MachineLogSource
{
public:
    QStringList recordNames() const override { return {"Cycle time", "Cushion"}; }
    QString buildLogLine(const QString& prefix) const override
    {
        return QStringLiteral("2012/05/10 13:45:20, ") + prefix + QStringLiteral(", 12.5, 3.2\n");
    }
};

const QString Name = QStringLiteral("MOLD1_000123_120510134512p.csv");

} // namespace

class TestFileController : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FileController> m_files;
    std::unique_ptr<ShotData> m_shot;
    std::unique_ptr<ShotFeeder> m_feeder;
    QDateTime m_now;

    QString data(const QString& sub = QString()) const
    {
        return m_dir->path() + QLatin1Char('/') + sub;
    }
    QString allWave() const { return m_files->allWavePath(m_shot.get()); }
    bool append(bool final = false) { return m_files->saveRawDataIncremental(m_shot.get(), final); }
    QStringList filesIn(const QString& folder) const
    {
        return QDir(data(folder)).entryList(QDir::Files);
    }

    bool startShot(qint32 number = 123)
    {
        return m_feeder->start(number, ShotTime, 35210) &&
               m_files->createNewRawDataFile(m_shot.get());
    }

    bool judge(bool ng)
    {
        QList<ShotFeeder::Outcome> outcomes(4);
        outcomes[3].flags = ng ? 0x0002 : 0;
        return m_feeder->result(123, ShotTime, 35210, outcomes);
    }

private Q_SLOTS:
    void init()
    {
        firmwareType = 0;
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_files = std::make_unique<FileController>();
        m_files->setDataFolder(m_dir->path());
        m_files->setSettingsName(QStringLiteral("MOLD1"));
        m_now = CreationTime;
        m_files->setClock([this] { return m_now; });
        m_shot = std::make_unique<ShotData>();
        m_shot->configure(config());
        m_feeder = std::make_unique<ShotFeeder>(*m_shot, QList<qint32>{ModuleCode});
    }

    void cleanup()
    {
        m_feeder.reset();
        m_shot.reset();
        m_files.reset();
        m_dir.reset();
        resetFirmwareType();
    }

    void namesAndFillsTheRawFile()
    {
        QVERIFY(startShot());
        QCOMPARE(allWave(), data(QStringLiteral("2012-05-10/all_")) + Name);
        QCOMPARE(m_files->alarmPath(m_shot.get()), data(QStringLiteral("2012-05-10/alm_")) + Name);
        QVERIFY(addRows(*m_feeder, 0, 2));
        QVERIFY(append());
        QCOMPARE(readAll(allWave()),
                 Header + QStringLiteral("0,0.1, 0.2, , 0.4\n0.005,1.1, 1.2, , 1.4\n"));

        QVERIFY(startShot(1234567)); // seven digits stay seven
        QVERIFY(allWave().endsWith(QStringLiteral("/all_MOLD1_1234567_120510134512p.csv")));
        // The name comes from the unit: it must not lead out of the data folder.
        m_files->setSettingsName(QStringLiteral("../x"));
        QVERIFY(startShot(9));
        QVERIFY(
            allWave().endsWith(QStringLiteral("/2012-05-10/all_.._x_000009_120510134512p.csv")));
    }

    void rotatesDayAndMonthAtTheRotationTime_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("05:59") << QTime(5, 59, 30)
                               << QStringList{"2012-05-31/all_MOLD1_000123_120601055930p.csv",
                                              "2012-05/log_MOLD1_120531p.csv",
                                              "2012-05/log_120531.csv"};
        QTest::newRow("06:00") << QTime(6, 0)
                               << QStringList{"2012-06-01/all_MOLD1_000123_120601060000p.csv",
                                              "2012-06/log_MOLD1_120601p.csv",
                                              "2012-06/log_120601.csv"};
    }

    void rotatesDayAndMonthAtTheRotationTime()
    {
        QFETCH(QTime, time);
        QFETCH(QStringList, paths);
        m_files->setRotationTime(6, 0);
        m_now = QDateTime(QDate(2012, 6, 1), time);
        QVERIFY(startShot());
        QCOMPARE(allWave(), data(paths[0]));
        bool isNew = false;
        QCOMPARE(m_files->fileName(isNew, FileController::ShotLog), data(paths[1]));
        QVERIFY(isNew && QFile::exists(data(paths[1])));
        QCOMPARE(m_files->fileName(isNew, FileController::MachineLog), data(paths[2]));
        QCOMPARE(m_files->fileName(isNew, FileController::MachineLog), data(paths[2]));
        QVERIFY(!isNew);
    }

    void appendsOnlyRowsThatEveryChannelHasReached()
    {
        QVERIFY(startShot());
        QVERIFY(addRows(*m_feeder, 0, 3));
        for (int r = 3; r < 5; ++r) { // channels 1 and 4 run ahead
            m_shot->channel(0)->addSample(0, raw(r, 0));
            m_shot->channel(3)->addSample(0, raw(r, 3));
        }
        QVERIFY(append());
        QVERIFY(append()); // nothing new: nothing written twice
        QCOMPARE(readAll(allWave()), Header + rows(0, 3));
        m_shot->channel(1)->addSample(0, raw(3, 1));
        m_shot->channel(2)->addSample(0, raw(3, 2)); // the disabled channel counts too
        QVERIFY(append());
        QCOMPARE(readAll(allWave()), Header + rows(0, 4));
        QCOMPARE(m_files->rowsWritten(m_shot.get()), 4);
    }

    void finishesTheShotByTheSaveFlags_data()
    {
        QTest::addColumn<bool>("saveAll");
        QTest::addColumn<bool>("saveAlarm");
        QTest::addColumn<bool>("ng");
        QTest::addColumn<QStringList>("files");
        const QString all = QStringLiteral("all_") + Name;
        const QString alm = QStringLiteral("alm_") + Name;
        QTest::newRow("all+alarm, NG") << true << true << true << QStringList{all, alm};
        QTest::newRow("all+alarm, OK") << true << true << false << QStringList{all};
        QTest::newRow("alarm only, NG") << false << true << true << QStringList{alm};
        QTest::newRow("alarm only, OK") << false << true << false << QStringList{};
        QTest::newRow("all only, NG") << true << false << true << QStringList{all};
    }

    void finishesTheShotByTheSaveFlags()
    {
        QFETCH(bool, saveAll);
        QFETCH(bool, saveAlarm);
        QFETCH(bool, ng);
        QFETCH(QStringList, files);
        m_files->setSaveAllWave(saveAll);
        m_files->setSaveAlarmWave(saveAlarm);
        QVERIFY(startShot());
        QVERIFY(addRows(*m_feeder, 0, 2));
        QVERIFY(append());
        QVERIFY(addRows(*m_feeder, 2, 3)); // the copy must hold the final rows too
        QVERIFY(judge(ng));
        QVERIFY(append(true));
        QCOMPARE(filesIn(QStringLiteral("2012-05-10")), files);
        for (const QString& name : files)
            QCOMPARE(readAll(data(QStringLiteral("2012-05-10/")) + name), Header + rows(0, 5));
        QVERIFY(!append()); // a late append brings no deleted file back
        QCOMPARE(filesIn(QStringLiteral("2012-05-10")), files);
    }

    void cutOffShotKeepsItsRowsWithoutCopyOrDeletion()
    {
        m_files->setSaveAllWave(false);
        QVERIFY(judge(true)); // flags left in the buffer by an earlier NG shot
        QVERIFY(startShot());
        QVERIFY(addRows(*m_feeder, 0, 7));
        QVERIFY(append()); // the watchdog's last append
        QCOMPARE(filesIn(QStringLiteral("2012-05-10")), QStringList{QStringLiteral("all_") + Name});
        QCOMPARE(readAll(allWave()), Header + rows(0, 7));
    }

    void keepsTheShotWhenItsAlarmCopyCannotBeMade()
    {
        m_files->setSaveAllWave(false);
        QVERIFY(startShot());
        QFile earlier(m_files->alarmPath(m_shot.get()));
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier\n") == 8);
        earlier.close();
        QVERIFY(addRows(*m_feeder, 0, 2));
        QVERIFY(judge(true));
        QVERIFY(!append(true));
        QCOMPARE(readAll(earlier.fileName()), QStringLiteral("earlier\n")); // not replaced
        QCOMPARE(readAll(allWave()), Header + rows(0, 2));                  // not deleted
    }

    void stopsWritingABufferReusedForAnotherShot()
    {
        QVERIFY(startShot());
        QVERIFY(addRows(*m_feeder, 0, 4));
        QVERIFY(append());
        QVERIFY(m_feeder->start(125, ShotTime, 0)); // reused without a file of its own
        QVERIFY(addRows(*m_feeder, 0, 2));
        QVERIFY(!append());
        QVERIFY(addRows(*m_feeder, 2, 5));
        QVERIFY(!append(true));
        QCOMPARE(readAll(allWave()), Header + rows(0, 4));

        m_now = m_now.addSecs(1);
        QVERIFY(startShot());
        SystemConfig reshaped = config();
        reshaped.addModule(0x02000002);
        m_shot->configure(reshaped);
        QVERIFY(!append());
    }

    void recordsNothingWithoutAUsableFolder()
    {
        QFile blocker(data(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        m_files->setDataFolder(blocker.fileName());
        QVERIFY(!startShot());
        QVERIFY(addRows(*m_feeder, 0, 1));
        QVERIFY(!append(true));
        QVERIFY(!m_files->writeShotLog(m_shot.get()));
        m_files->setDataFolder(QString()); // never the file system's root
        QVERIFY(!m_files->createNewRawDataFile(m_shot.get()));
        QVERIFY(!m_files->writeLogHeader(4, FileController::ManagerStarted));
        QCOMPARE(filesIn(QString()), QStringList{QStringLiteral("file")});
    }

#ifdef Q_OS_LINUX
    void cutsAFailedAppendBackToItsLastCompleteRow()
    {
        QVERIFY(startShot());
        QVERIFY(addRows(*m_feeder, 0, 2));
        QVERIFY(append());
        // A full disk, imitated by a file size limit just past the current end.
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit tight = old;
        tight.rlim_cur = rlim_t(QFileInfo(allWave()).size() + 30);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        QVERIFY(addRows(*m_feeder, 2, 50));
        const bool appended = append();
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!appended);
        QCOMPARE(readAll(allWave()), Header + rows(0, 2));
        QVERIFY(append()); // the rows come again
        QCOMPARE(readAll(allWave()), Header + rows(0, 52));
    }
#endif

    void writesTheShotLogWithANewFileHeaderFirst()
    {
        QVERIFY(m_feeder->start(123, ShotTime, 1500));
        QVERIFY(judge(true));
        m_now = QDateTime(QDate(2012, 5, 10), QTime(13, 45, 25));
        QVERIFY(m_files->writeShotLog(m_shot.get()));
        QVERIFY(m_files->writeLogHeader(4, FileController::ConfigurationModified));
        QVERIFY(m_files->writeShotLog(m_shot.get()));
        const QString columns =
            ShotLogFormat::header(m_now, QString(), 4).section(QLatin1Char('\n'), 1);
        const QString line = ShotLogFormat::line(*m_shot);
        QVERIFY(line.startsWith(QStringLiteral("2012/05/10 13:45:12.300, 35.210, 123, NG, , ")));
        QCOMPARE(readAll(data(QStringLiteral("2012-05/log_MOLD1_120510p.csv"))),
                 QStringLiteral("2012/05/10 13:45:25 New file generated.\n") + columns + line +
                     QStringLiteral("2012/05/10 13:45:25 System configuration modified.\n") +
                     columns + line);
    }

    void writesTheMachineLogWithItsHeaderFirst()
    {
        FakeMachineLink link;
        QVERIFY(m_feeder->start(42, ShotTime, 0));
        QVERIFY(m_files->writeMachineLog(&link, m_shot.get()));
        QVERIFY(m_files->writeMachineLog(&link, m_shot.get()));
        QCOMPARE(readAll(data(QStringLiteral("2012-05/log_120510.csv"))),
                 QStringLiteral("2012/05/10 13:45:12 \nTime, Shot, Cycle time, Cushion\n"
                                "2012/05/10 13:45:20, 42, 12.5, 3.2\n"
                                "2012/05/10 13:45:20, 42, 12.5, 3.2\n"));
    }
};

CVO_TEST_MAIN_NO_GUI(TestFileController)
#include "tst_filecontroller.moc"
