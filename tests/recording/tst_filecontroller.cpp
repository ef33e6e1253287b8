#include "FileController.h"
#include "FirmwareInfo.h"
#include "ReferenceFileReader.h"
#include "ShotFeeder.h"
#include "TestMain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#ifdef Q_OS_LINUX
#include "FileSizeLimit.h"
#endif

using namespace Fixture;

namespace {

const QString Name = QStringLiteral("MOLD1_000123_120510134512p.csv");
const QString Separator = QStringLiteral("========================================\n");

ReferenceFileReader::Result parse(QString text)
{
    QTextStream in(&text);
    return ReferenceFileReader::read(in);
}

// A data folder, a controller writing into it by a clock the test sets, and a shot buffer
// fed with the fixture's configuration.
struct Recording
{
    QTemporaryDir dir;
    FileController files;
    ShotData shot;
    ShotFeeder feeder{shot, config()};
    QDateTime now = CreationTime;

    Recording()
    {
        files.setDataFolder(dir.path());
        files.setSettingsName(QStringLiteral("MOLD1"));
        files.setClock([this] { return now; });
    }

    QString data(const QString& sub = {}) const { return dir.path() + '/' + sub; }
    QString allWave() const { return files.allWavePath(&shot); }
    bool append(bool final = false)
    {
        return final ? files.finishRawDataFile(&shot, shot.sequence(), shot.isNG())
                     : files.saveRawDataIncremental(&shot);
    }
    QStringList dayFiles() const { return QDir(data("2012-05-10")).entryList(QDir::Files); }

    bool startShot(qint32 number = 123)
    {
        return feeder.start(number, ShotTime, 35210) &&
               files.createNewRawDataFile(&shot, shot.sequence());
    }

    bool judge(bool ng)
    {
        QList<ChannelResult> results(4);
        results[3].flags = ng ? 0x0002 : 0;
        return feeder.result(123, ShotTime, 35210, results);
    }
};

} // namespace

class TestFileController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { firmwareType = 0; }

    // Milliseconds without leading zeros, not Qt 6's fraction without trailing ones.
    void writesTimesAsTheFilesExpect()
    {
        QCOMPARE(RecordText::shotTime(QDateTime(QDate(2012, 5, 10), QTime(9, 5, 7, 5))),
                 QStringLiteral("2012/05/10 09:05:07.5"));
        QCOMPARE(RecordText::shotTime(QDateTime(QDate(2012, 5, 10), QTime(9, 5, 7))),
                 QStringLiteral("2012/05/10 09:05:07.0"));
    }

    void namesAndFillsTheRawFile()
    {
        Recording r;
        QVERIFY(r.startShot());
        QCOMPARE(r.allWave(), r.data(QStringLiteral("2012-05-10/all_")) + Name);
        QVERIFY(addRows(r.feeder, 0, 2));
        QVERIFY(r.append());
        QCOMPARE(readAll(r.allWave()), Header + rows(0, 2));

        QVERIFY(r.startShot(1234567)); // seven digits stay seven
        QVERIFY(r.allWave().endsWith(QStringLiteral("/all_MOLD1_1234567_120510134512p.csv")));
        // The name comes from the unit: it must not lead out of the data folder.
        r.files.setSettingsName(QStringLiteral("../x"));
        QVERIFY(r.startShot(9));
        QVERIFY(
            r.allWave().endsWith(QStringLiteral("/2012-05-10/all_.._x_000009_120510134512p.csv")));
    }

    void rotatesDayAndMonthAtTheRotationTime_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QDate>("day");
        QTest::newRow("05:59") << QTime(5, 59) << QDate(2012, 5, 31);
        QTest::newRow("06:29:59") << QTime(6, 29, 59) << QDate(2012, 5, 31);
        QTest::newRow("06:30") << QTime(6, 30) << QDate(2012, 6, 1);
    }

    // Before 06:30 on June 1 the files still belong to May 31, in May's log folder.
    void rotatesDayAndMonthAtTheRotationTime()
    {
        Recording r;
        QFETCH(QTime, time);
        QFETCH(QDate, day);
        r.files.setRotationTime(6, 30);
        r.now = QDateTime(QDate(2012, 6, 1), time);
        QVERIFY(r.startShot());
        QCOMPARE(r.allWave(), r.data(day.toString("yyyy-MM-dd'/all_MOLD1_000123_'") +
                                     r.now.toString("yyMMddhhmmss") + "p.csv"));
        bool isNew = false;
        QCOMPARE(r.files.fileName(isNew, FileController::ShotLog),
                 r.data(day.toString("yyyy-MM'/log_MOLD1_'yyMMdd") + "p.csv"));
        QCOMPARE(r.files.fileName(isNew, FileController::MachineLog),
                 r.data(day.toString("yyyy-MM'/log_'yyMMdd") + ".csv"));
    }

    void appendsOnlyRowsThatEveryChannelHasReached()
    {
        Recording r;
        QVERIFY(r.startShot());
        QVERIFY(addRows(r.feeder, 0, 3));
        for (int row = 3; row < 5; ++row) { // channels 1 and 4 run ahead
            r.shot.channel(0)->addSample(0, qint16(value(row, 0)));
            r.shot.channel(3)->addSample(0, qint16(value(row, 3)));
        }
        QVERIFY(r.append());
        QVERIFY(r.append()); // nothing new: nothing written twice
        QCOMPARE(readAll(r.allWave()), Header + rows(0, 3));
        r.shot.channel(1)->addSample(0, qint16(value(3, 1)));
        r.shot.channel(2)->addSample(0, qint16(value(3, 2))); // the disabled channel counts too
        QVERIFY(r.append());
        QCOMPARE(readAll(r.allWave()), Header + rows(0, 4));
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
        Recording r;
        QFETCH(bool, saveAll);
        QFETCH(bool, saveAlarm);
        QFETCH(bool, ng);
        QFETCH(QStringList, files);
        r.files.setSaveAllWave(saveAll);
        r.files.setSaveAlarmWave(saveAlarm);
        QVERIFY(r.startShot());
        QVERIFY(addRows(r.feeder, 0, 2));
        QVERIFY(r.append());
        QVERIFY(addRows(r.feeder, 2, 3)); // the copy must hold the final rows too
        QVERIFY(r.judge(ng));
        QVERIFY(r.append(true));
        QCOMPARE(r.dayFiles(), files);
        for (const QString& name : files)
            QCOMPARE(readAll(r.data(QStringLiteral("2012-05-10/")) + name), Header + rows(0, 5));
        QVERIFY(!r.append()); // a late append brings no deleted file back
        QCOMPARE(r.dayFiles(), files);
    }

    // A shot cut off before its result has no final append: it keeps its rows, whatever
    // judgement the buffer holds from an earlier shot. A shot whose alarm copy cannot be
    // made keeps its file too.
    void keepsTheRowsOfAShotWithoutAnAlarmCopy()
    {
        Recording r;
        r.files.setSaveAllWave(false);
        QVERIFY(r.judge(true));
        QVERIFY(r.startShot());
        QVERIFY(addRows(r.feeder, 0, 7));
        QVERIFY(r.append()); // the watchdog's last append
        QCOMPARE(r.dayFiles(), QStringList{QStringLiteral("all_") + Name});
        QCOMPARE(readAll(r.allWave()), Header + rows(0, 7));

        r.now = r.now.addSecs(1);
        QVERIFY(r.startShot());
        QFile earlier(r.files.alarmPath(&r.shot));
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier\n") == 8);
        earlier.close();
        QVERIFY(addRows(r.feeder, 0, 2));
        QVERIFY(r.judge(true));
        QVERIFY(!r.append(true));
        QCOMPARE(readAll(earlier.fileName()), QStringLiteral("earlier\n")); // not replaced
        QCOMPARE(readAll(r.allWave()), Header + rows(0, 2));                // not deleted
    }

    void recordsNothingWithoutADataFolder()
    {
        Recording r;
        r.files.setDataFolder(QString()); // never the file system's root
        QVERIFY(!r.startShot());
        QVERIFY(!r.append(true));
        QVERIFY(!r.files.writeShotLog(ShotLogFormat::snapshot(r.shot)));
        QVERIFY(!r.files.writeLogHeader(4, FileController::ManagerStarted));
        r.files.setDataFolder(r.data(QStringLiteral("gone/drive"))); // an unmounted drive
        QVERIFY(!r.startShot());
        QVERIFY(!QFileInfo::exists(r.data(QStringLiteral("gone"))));
        // Removed during the shot: the open file must not swallow the rows unseen.
        r.files.setDataFolder(r.dir.path());
        QVERIFY(r.startShot() && QDir(r.data(QStringLiteral("2012-05-10"))).removeRecursively());
        QVERIFY(addRows(r.feeder, 0, 2));
        QVERIFY(!r.append());
    }

#ifdef Q_OS_LINUX
    void cutsAFailedAppendBackToItsLastCompleteRow()
    {
        Recording r;
        QVERIFY(r.startShot());
        QVERIFY(addRows(r.feeder, 0, 2));
        QVERIFY(r.append());
        const QString first = r.allWave();
        FileSizeLimit full(QFileInfo(first).size() + 30);
        QVERIFY(addRows(r.feeder, 2, 50));
        QVERIFY(!r.append());
        QCOMPARE(readAll(first), Header + rows(0, 2));
        full.lift();
        QVERIFY(r.append()); // the rows come again
        QCOMPARE(readAll(first), Header + rows(0, 52));
        // No file is left without its header, and the shot after records again.
        FileSizeLimit stillFull(100);
        r.now = r.now.addSecs(1);
        QVERIFY(!r.startShot());
        QCOMPARE(r.dayFiles(), QStringList{QStringLiteral("all_") + Name});
        stillFull.lift();
        QVERIFY(r.startShot());
        QCOMPARE(readAll(r.allWave()), Header);
    }

    // A full disk: a half line is cut off again, and once there is room the next line is
    // written, with the header a new file needs.
    void logAppendFailsWholeAndResumesWhenSpaceReturns_data()
    {
        QTest::addColumn<bool>("machine");
        QTest::addColumn<int>("linesBefore");
        QTest::newRow("shot log") << false << 1;
        QTest::newRow("shot log, new file") << false << 0;
        QTest::newRow("machine log") << true << 1;
        QTest::newRow("machine log, new file") << true << 0;
    }

    void logAppendFailsWholeAndResumesWhenSpaceReturns()
    {
        QFETCH(bool, machine);
        QFETCH(int, linesBefore);
        const auto write = [machine](Recording& r) {
            return machine ? r.files.writeMachineLog({"Cycle time"}, "2012/05/10 13:45:20, 1, 2\n")
                           : r.files.writeShotLog(ShotLogFormat::snapshot(r.shot));
        };
        const QString name = machine ? "2012-05/log_120510.csv" : "2012-05/log_MOLD1_120510p.csv";
        Recording r;
        Recording expected;
        for (int i = 0; i < linesBefore; ++i)
            QVERIFY(write(r) && write(expected));
        QVERIFY(write(expected));
        const QString before = readAll(r.data(name));
        FileSizeLimit full(QFileInfo(r.data(name)).size() + 20);
        QVERIFY(!write(r));
        full.lift();
        QVERIFY(!r.files.takeLastError().isEmpty()); // for the recording indicator
        QCOMPARE(readAll(r.data(name)), before);
        QVERIFY(write(r));
        QCOMPARE(readAll(r.data(name)), readAll(expected.data(name)));
    }
#endif

    void writesEachLogWithItsHeaderFirst()
    {
        Recording r;
        QVERIFY(r.feeder.start(123, ShotTime, 0));
        QList<ChannelResult> results(4);
        results[1] = {0x0102, 523, 401, 10, 0x11520, 830, 1250, -2500};
        results[2].flags = 0x0001; // disabled, but it still makes the shot NG
        results[3].a = qint16(0x8000 | 523);
        QVERIFY(r.feeder.result(1234567, ShotTime, 35210, results));
        r.now = QDateTime(QDate(2012, 5, 10), QTime(13, 45, 25));
        QVERIFY(r.files.writeShotLog(ShotLogFormat::snapshot(r.shot)));
        QVERIFY(r.files.writeLogHeader(4, FileController::ConfigurationModified));
        QVERIFY(r.judge(false));
        QVERIFY(r.files.writeShotLog(ShotLogFormat::snapshot(r.shot)));
        const QString columns = QStringLiteral(
            "Time, Interval, Shot, Result, Error, CH1_Result, CH2_Result, CH3_Result, CH4_Result, "
            "CH1_Peak, CH2_Peak, CH3_Peak, CH4_Peak, CH1_Time at peak, CH2_Time at peak, "
            "CH3_Time at peak, CH4_Time at peak, CH1_Value at point, CH2_Value at point, "
            "CH3_Value at point, CH4_Value at point, CH1_Peak over eject, CH2_Peak over eject, "
            "CH3_Peak over eject, CH4_Peak over eject, CH1_Integral, CH2_Integral, "
            "CH3_Integral, CH4_Integral, CH1_Integral to peak, CH2_Integral to peak, "
            "CH3_Integral to peak, CH4_Integral to peak, CH1_Slope, CH2_Slope, CH3_Slope, "
            "CH4_Slope\n");
        QCOMPARE(readAll(r.data(QStringLiteral("2012-05/log_MOLD1_120510p.csv"))),
                 QStringLiteral("2012/05/10 13:45:25 New file generated.\n") + columns +
                     QStringLiteral("2012/05/10 13:45:12.300, 35.210, 1234567, NG, , ,  Z2 EJ, , , "
                                    "0, 52.3, , 52.3, 0, 1.25, , 0, 0, 40.1, , 0, 0, 1, , 0, 0, "
                                    "5408, , 0, 0, 830, , 0, 0, -2.5, , 0\n"
                                    "2012/05/10 13:45:25 System configuration modified.\n") +
                     columns +
                     QStringLiteral("2012/05/10 13:45:12.300, 35.210, 123, OK, , , , , , 0, 0, "
                                    ", 0, 0, 0, , 0, 0, 0, , 0, 0, 0, , 0, 0, 0, , 0, 0, 0, , 0, "
                                    "0, 0, , 0\n"));

        for (int i = 0; i < 2; ++i)
            QVERIFY(r.files.writeMachineLog({"Cycle time", "Cushion"},
                                            "2012/05/10 13:45:20, 123, 12.5, 3.2\n"));
        QCOMPARE(readAll(r.data(QStringLiteral("2012-05/log_120510.csv"))),
                 QStringLiteral("2012/05/10 13:45:25 \nTime, Shot, Cycle time, Cushion\n"
                                "2012/05/10 13:45:20, 123, 12.5, 3.2\n"
                                "2012/05/10 13:45:20, 123, 12.5, 3.2\n"));
    }

    // Read back as a reference, a recorded file gives each channel's waveform.
    void readsARecordedFileBackAsReference()
    {
        Recording r;
        QVERIFY(r.startShot());
        QVERIFY(addRows(r.feeder, 0, 300));
        QVERIFY(r.append(true));
        const auto result = ReferenceFileReader::read(r.allWave());
        QVERIFY(result.ok());
        QCOMPARE(result.samplingInterval, 5);
        QCOMPARE(result.waveforms.size(), 4);
        for (int c = 0; c < 4; ++c)
            QCOMPARE(result.waveforms.at(c),
                     c == 2 ? QList<float>(300, 0.0f) : r.shot.channel(c)->samples());
        QCOMPARE(ReferenceFileReader::read(r.data(QStringLiteral("none.csv"))).error,
                 ReferenceFileReader::OpenError);
    }

    void keepsReferenceColumnsAlignedWithRowsOfADamagedFile()
    {
        // Without an elapsed-time column every column is data. Empty, missing and
        // non-numeric fields read as zeros, so index i is row i in every waveform.
        const auto result =
            parse(QStringLiteral("Data Attribute:10,20,PP\n") + Separator +
                  QStringLiteral("1:a, 2:b\n1, 2\n3, 4, 5\n\n6\nx, nan, 1.23457e+06\n"));
        QVERIFY(result.ok());
        QCOMPARE(result.samplingInterval, 20);
        QCOMPARE(result.waveforms,
                 (QList<QList<float>>{{1, 3, 6, 0}, {2, 4, 0, 0}, {0, 5, 0, 1.23457e+06f}}));
    }

    void refusesAReferenceThatIsNotADataFile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("zero interval") << "Data Attribute:10,0,P\n" + Separator;
        QTest::newRow("no separator") << "Data Attribute:10,5,P\n=====\nElapsed Time,1:a\n0,1\n";
    }

    void refusesAReferenceThatIsNotADataFile()
    {
        QFETCH(QString, text);
        QCOMPARE(parse(text).error, ReferenceFileReader::FormatError);
    }
};

CVO_TEST_MAIN_NO_GUI(TestFileController)
#include "tst_filecontroller.moc"
