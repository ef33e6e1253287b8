#include "FileController.h"
#include "FirmwareInfo.h"
#include "ReferenceFileReader.h"
#include "ShotFeeder.h"
#include "TestMain.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

ReferenceFileReader::Result parse(QString text)
{
    QTextStream in(&text);
    return ReferenceFileReader::read(in);
}

const QString Separator = QStringLiteral("========================================\n");

} // namespace

class TestReferenceFileReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsBackARecordedShot()
    {
        firmwareType = 0;
        QTemporaryDir dir;
        FileController files;
        files.setDataFolder(dir.path());
        ShotData shot;
        shot.configure(Fixture::config());
        ShotFeeder feeder(shot, {Fixture::ModuleCode});
        QVERIFY(feeder.start(5, Fixture::ShotTime, 0));
        QVERIFY(files.createNewRawDataFile(&shot));
        QVERIFY(Fixture::addRows(feeder, 0, 300));
        QVERIFY(files.saveRawDataIncremental(&shot, true));
        resetFirmwareType();

        const auto result = ReferenceFileReader::read(files.allWavePath(&shot));
        QVERIFY(result.ok());
        QCOMPARE(result.samplingInterval, 5);
        QCOMPARE(result.waveforms.size(), 4);
        for (int c = 0; c < 4; ++c)
            QCOMPARE(result.waveforms.at(c),
                     c == 2 ? QList<float>(300, 0.0f) : shot.channel(c)->samples());
    }

    void keepsColumnsAlignedWithRows()
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

    void rejectsFilesThatAreNotDataFiles_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("no attribute line") << "Shot:1\n" + Separator;
        QTest::newRow("interval not a number") << "Data Attribute:10,5ms,P\n" + Separator;
        QTest::newRow("zero interval") << "Data Attribute:10,0,P\n" + Separator;
        QTest::newRow("no separator") << "Data Attribute:10,5,P\n=====\nElapsed Time,1:a\n0,1\n";
    }

    void rejectsFilesThatAreNotDataFiles()
    {
        QFETCH(QString, text);
        const auto result = parse(text);
        QCOMPARE(result.error, ReferenceFileReader::FormatError);
        QCOMPARE(result.title, QStringLiteral("File Format Error"));
        QCOMPARE(result.text, QStringLiteral("This is not CVO Data file.\n"));
    }

    void reportsAFileThatCannotBeOpened()
    {
        const auto result = ReferenceFileReader::read(QStringLiteral("/nonexistent/none.csv"));
        QCOMPARE(result.error, ReferenceFileReader::OpenError);
        QCOMPARE(result.title, QStringLiteral("Open Error"));
        QCOMPARE(result.text,
                 QStringLiteral(
                     "Can not open the file.\nPlease check whether you have permission to read."));
    }
};

CVO_TEST_MAIN_NO_GUI(TestReferenceFileReader)
#include "tst_referencefilereader.moc"
