#include "FirmwareInfo.h"
#include "RawFileFormat.h"
#include "ShotFeeder.h"
#include "ShotLogFormat.h"
#include "TestMain.h"

#include <QTest>
#include <QTextStream>

using Fixture::ShotTime;

class TestRecordFormats : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { firmwareType = 0; }
    void cleanup() { resetFirmwareType(); }

    void writesNumbersAndTimesAsTheFilesExpect()
    {
        QCOMPARE(RecordText::real(0.0f), QStringLiteral("0"));
        QCOMPARE(RecordText::real(0.005f), QStringLiteral("0.005"));
        QCOMPARE(RecordText::real(12.3f), QStringLiteral("12.3"));
        QCOMPARE(RecordText::real(1234567.0f), QStringLiteral("1.23457e+06"));
        // "z" is the milliseconds without leading zeros, not Qt 6's fraction.
        QCOMPARE(RecordText::shotTime(ShotTime), QStringLiteral("2012/05/10 13:45:12.300"));
        QCOMPARE(RecordText::shotTime(QDateTime(QDate(2012, 5, 10), QTime(9, 5, 7))),
                 QStringLiteral("2012/05/10 09:05:07.0"));
        QCOMPARE(RecordText::secondsWithMillis(1500), QStringLiteral("1.500"));
        QCOMPARE(RecordText::secondsWithMillis(0), QStringLiteral("0.000"));
        QCOMPARE(RecordText::secondsWithMillis(4294967295u), QStringLiteral("4294967.295"));
    }

    void rendersTheDocumentedExampleFile()
    {
        RawFileFormat::Header h;
        h.shotTime = ShotTime;
        h.elapsedMs = 35210;
        h.shotNumber = 123;
        h.period = 10;
        h.interval = 5;
        h.moduleCount = 2;
        h.moduleNames = {QStringLiteral("01000001 (Cavity)"), QStringLiteral("11000002 (Rear)")};
        h.channels = {{QStringLiteral("Gate"), 2, true},
                      {QStringLiteral("End"), 2, true},
                      {QStringLiteral("Mold temp"), 1, false}};
        QString text = RawFileFormat::header(h);
        QTextStream out(&text);
        RawFileFormat::writeRows(out, 5, 0, 2, {{12.5f, 12.7f}, {3.1f, 3.1f}, {9.0f, 9.0f}},
                                 {true, true, false});
        out.flush();
        QCOMPARE(text, QStringLiteral(
                           "Time:2012/05/10 13:45:12.300 Elapsed Time Since Last Shot:35210ms\n"
                           "Observation Period:10s Sampling Interval:5ms\n"
                           "Shot:123\n"
                           "Module  1:01000001 (Cavity)\n"
                           "Module  2:11000002 (Rear)\n"
                           "Data Attribute:10,5,PPT\n"
                           "========================================\n"
                           "Elapsed Time,1:Gate, 2:End, 3:Mold temp\n"
                           "0,12.5, 3.1, \n"
                           "0.005,12.7, 3.1, \n"));

        h.moduleCount = 10; // more modules than labels
        const QStringList lines = RawFileFormat::header(h).split(QLatin1Char('\n'));
        QCOMPARE(lines.at(4), QStringLiteral("Module  2:11000002 (Rear)"));
        QCOMPARE(lines.at(5), QStringLiteral("Module  3:N/A"));
        QCOMPARE(lines.at(12), QStringLiteral("Module 10:N/A"));
    }

    void rendersTheHeaderOfAConfiguredShot()
    {
        SystemConfig config = Fixture::config();
        config.addModule(0x02000002);
        config.module(0)->setTitle(QStringLiteral("Cavity"));
        config.channelAt(5)->setUnitCode(3);
        config.channelAt(7)->setUnitCode(7); // an integral has no letter
        ShotData shot;
        shot.configure(config);
        ShotFeeder feeder(shot, {Fixture::ModuleCode, 0x02000002});
        QVERIFY(feeder.start(1234567, ShotTime.addMSecs(700), 0));
        QCOMPARE(RawFileFormat::header(shot),
                 QStringLiteral("Time:2012/05/10 13:45:13.0 Elapsed Time Since Last Shot:0ms\n"
                                "Observation Period:10s Sampling Interval:5ms\n"
                                "Shot:1234567\n"
                                "Module  1:01000001 (Cavity)\n"
                                "Module  2:02000002 (MODULE 2)\n"
                                "Data Attribute:10,5,PPPPTVT?\n"
                                "========================================\n"
                                "Elapsed Time,1:A, 2:B, 3:C, 4:D, 5:MOD-2 CH-1, 6:MOD-2 CH-2, "
                                "7:MOD-2 CH-3, 8:MOD-2 CH-4\n"));
    }

    void rendersTheDocumentedExampleLogLine()
    {
        ShotLogFormat::Shot shot{ShotTime, 1500, 123, {}};
        ShotLogFormat::ChannelResult first{true, 0x0005, 52.3f, 1.25f, 40.1f, 0, 1520, 830, 0.125f};
        ShotLogFormat::ChannelResult second{false, 0, 99.0f, 1, 2, 3, 4, 5, 6};
        shot.channels = {first, second};
        QCOMPARE(ShotLogFormat::line(shot),
                 QStringLiteral("2012/05/10 13:45:12.300, 1.500, 123, NG, , Z1 I, , 52.3, , "
                                "1.25, , 40.1, , 0, , 1520, , 830, , 0.125, \n"));
        shot.channels[0].flags = 0;
        QVERIFY(ShotLogFormat::line(shot).startsWith(
            QStringLiteral("2012/05/10 13:45:12.300, 1.500, 123, OK, , , ")));
    }

    void namesJudgementBitsInOrder()
    {
        QCOMPARE(ShotLogFormat::judgement(0), QString());
        QCOMPARE(ShotLogFormat::judgement(0x0102), QStringLiteral(" Z2 EJ"));
        QCOMPARE(ShotLogFormat::judgement(0xFFFF), QStringLiteral("Z1 Z2 I T PT PI W EJ S"));
    }

    void rendersTheLogLineOfAJudgedShot()
    {
        ShotData shot;
        shot.configure(Fixture::config());
        ShotFeeder feeder(shot, {Fixture::ModuleCode});
        QVERIFY(feeder.start(77, ShotTime, 0));
        QList<ShotFeeder::Outcome> outcomes(4);
        outcomes[1] = {0x0102, 523, 401, 10, 0x11520, 830, 1250, -2500};
        outcomes[2].flags = 0x0001; // disabled, but it still makes the shot NG
        outcomes[3].a = 0x7FFF;
        QVERIFY(feeder.result(1234567, ShotTime, 0, outcomes));
        const QString line = ShotLogFormat::line(shot);
        QCOMPARE(line,
                 QStringLiteral("2012/05/10 13:45:12.300, 0.000, 1234567, NG, , "
                                ",  Z2 EJ, , , 0, 52.3, , 3276.7, 0, 1.25, , 0, 0, 40.1, , 0, "
                                "0, 1, , 0, 0, 5408, , 0, 0, 830, , 0, 0, -2.5, , 0\n"));
        QCOMPARE(line.count(QStringLiteral(", ")) + 1, 5 + 8 * 4);
    }

    void rendersTheLogHeaderBlock()
    {
        QCOMPARE(ShotLogFormat::header(ShotTime, QStringLiteral("New file generated."), 2),
                 QStringLiteral(
                     "2012/05/10 13:45:12 New file generated.\n"
                     "Time, Interval, Shot, Result, Error, CH1_Result, CH2_Result, CH1_Peak, "
                     "CH2_Peak, CH1_Time at peak, CH2_Time at peak, CH1_Value at point, "
                     "CH2_Value at point, CH1_Peak over eject, CH2_Peak over eject, "
                     "CH1_Integral, CH2_Integral, CH1_Integral to peak, CH2_Integral to peak, "
                     "CH1_Slope, CH2_Slope\n"));
    }
};

CVO_TEST_MAIN_NO_GUI(TestRecordFormats)
#include "tst_recordformats.moc"
