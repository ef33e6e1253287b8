// The trends core: statistics against hand-computed figures, the shot log reader on a
// log written by our own recorder and on damaged copies of it, and limits proposed from
// a log of known mean and σ.

#include "ChannelConfig.h"
#include "FileController.h"
#include "FileSizeLimit.h"
#include "LimitSuggestion.h"
#include "ShotLogFiles.h"
#include "ShotLogReader.h"
#include "TestMain.h"
#include "TrendCsv.h"
#include "TrendStatistics.h"

#include <QDir>
#include <QTemporaryDir>

#include <cmath>

namespace {

const double NaN = TrendStatistics::NaN;

bool same(double actual, double expected)
{
    return std::isnan(expected) ? std::isnan(actual) : std::abs(actual - expected) < 1e-6;
}

ShotLogFormat::ChannelResult result(float peak, float value, quint16 flags = 0)
{
    return {true, flags, peak, 1.0f, value, peak - 1, 1000, 400, value};
}

ShotLogFormat::Shot shot(int number, QList<ShotLogFormat::ChannelResult> channels)
{
    return {QDateTime(QDate(2026, 5, 10), QTime(13, 45, number, 5)), 1500, number, channels};
}

// A day's log as the recorder writes it: a start, two shots, a configuration change and
// a third shot; CH3 is not in use.
QByteArray recordedLog(const QString& folder)
{
    FileController files;
    files.setDataFolder(folder);
    files.setSettingsName(QStringLiteral("Mold_1"));
    files.setClock([] { return QDateTime(QDate(2026, 5, 10), QTime(13, 0)); });
    ShotLogFormat::ChannelResult off{false};
    files.writeLogHeader(3, FileController::ManagerStarted);
    files.writeShotLog(shot(1, {result(50, 10), result(52.3f, 1.23457e+06f), off}));
    files.writeShotLog(shot(2, {result(51, 10), result(49.5f, -0.005f, 0x0102), off}));
    files.writeLogHeader(3, FileController::ConfigurationModified);
    files.writeShotLog(shot(3, {result(52, 10), result(48, 7), off}));
    const QList<ShotLogFiles::File> logs = ShotLogFiles::list(folder, QStringLiteral("Mold_1"));
    QFile file(logs.value(0).path);
    return logs.size() == 1 && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(TrendBand)

class TestTrends : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statistics_data()
    {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<TrendBand>("band");
        QTest::addColumn<QList<double>>("expected"); // mean, σ, Cp, Cpk
        const QList<double> run{1, 2, 3, 4, 5};      // mean 3, σ = √(10/4) = 1.5811388
        QTest::newRow("both sides, off centre")
            << run << TrendBand{true, true, 1, 9}
            << QList<double>{3, 1.5811388, 0.8432740, 0.4216370};
        QTest::newRow("upper only")
            << run << TrendBand{false, true, 0, 9} << QList<double>{3, 1.5811388, NaN, 1.2649111};
        QTest::newRow("lower only")
            << run << TrendBand{true, false, 1, 0} << QList<double>{3, 1.5811388, NaN, 0.4216370};
        QTest::newRow("no band") << run << TrendBand{} << QList<double>{3, 1.5811388, NaN, NaN};
        QTest::newRow("no spread") << QList<double>{2, 2, 2} << TrendBand{true, true, 1, 3}
                                   << QList<double>{2, 0, NaN, NaN};
        QTest::newRow("one value")
            << QList<double>{4} << TrendBand{true, true, 1, 9} << QList<double>{4, NaN, NaN, NaN};
    }

    void statistics()
    {
        QFETCH(QList<double>, values);
        QFETCH(TrendBand, band);
        QFETCH(QList<double>, expected);
        const TrendStatistics s = TrendStatistics::compute(values, band);
        QCOMPARE(s.count, values.size());
        const QList<double> actual{s.mean, s.sigma, s.cp, s.cpk};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(same(actual[i], expected[i]), qPrintable(QString::number(i)));
    }

    void readsLogsByTheirHeader_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QList<quint32>>("shots");
        QTest::addColumn<int>("damaged");
        QTest::addColumn<int>("withoutChannel");
        QTemporaryDir folder;
        const QByteArray golden = recordedLog(folder.path());
        QVERIFY(golden.count('\n') == 7);
        const QList<QByteArray> lines = golden.split('\n');
        QTest::newRow("recorded") << golden << 1 << QList<quint32>{1, 2, 3} << 0 << 0;
        QTest::newRow("channel not in use") << golden << 2 << QList<quint32>{} << 0 << 3;
        QTest::newRow("channel beyond the log") << golden << 5 << QList<quint32>{} << 0 << 3;
        QTest::newRow("line cut off by a crash")
            << golden.left(golden.size() - 12) << 1 << QList<quint32>{1, 2} << 1 << 0;
        QByteArray comma = golden;
        comma.replace(lines[3], QByteArray(lines[3]).replace(", NG, ,", ", NG, a,b,"));
        QTest::newRow("comma in a field") << comma << 1 << QList<quint32>{1, 3} << 1 << 0;
        // An older layout: no peak over eject, no slope, two channels, CH2 missing.
        const QByteArray older = "2011/01/02 03:04:05 CVO Manager started.\n"
                                 "Time, Shot, Result, CH1_Result, CH1_Peak, CH1_Time at peak\n"
                                 "2011/01/02 03:04:06.7, 9, OK, , 12.5, 0.5\n"
                                 "garbage\n";
        QTest::newRow("older version") << older << 0 << QList<quint32>{9} << 1 << 0;
        QTest::newRow("older version, fewer channels") << older << 1 << QList<quint32>{} << 1 << 1;
    }

    void readsLogsByTheirHeader()
    {
        QFETCH(QByteArray, log);
        QFETCH(int, channel);
        ShotLogReader reader(channel);
        reader.read(log);
        QList<quint32> numbers;
        for (const TrendShot& s : reader.shots())
            numbers.append(s.shotNumber);
        QTEST(numbers, "shots");
        QTEST(reader.damagedLines(), "damaged");
        QTEST(reader.shotsWithoutChannel(), "withoutChannel");
    }

    void readsEveryValueIntoItsColumn()
    {
        QTemporaryDir folder;
        ShotLogReader reader(1);
        reader.read(recordedLog(folder.path()));
        QCOMPARE(reader.shots().size(), 3);
        const TrendShot& first = reader.shots()[0];
        const TrendShot& second = reader.shots()[1];
        QCOMPARE(first.timeMs,
                 QDateTime(QDate(2026, 5, 10), QTime(13, 45, 1, 5)).toMSecsSinceEpoch());
        QVERIFY(first.ok && !second.ok);
        QCOMPARE(first.values,
                 (std::array<float, 7>{52.3f, 1, 1.23457e+06f, 51.3f, 1000, 400, 1.23457e+06f}));
        QCOMPARE(second.value(TrendItem::ValueAtPoint), -0.005f);
        // The configuration change starts the current settings.
        QCOMPARE(second.segment, 0);
        QCOMPARE(reader.shots()[2].segment, 1);
        QCOMPARE(reader.currentSegment(), 1);

        ShotLogReader older(0);
        older.read("Time, Shot, Result, CH1_Peak\n2011/01/02 03:04:06.7, 9, OK, 12.5\n");
        QVERIFY(!older.shots()[0].has(TrendItem::Slope));
    }

    // A full disk: the export tells why it failed and the earlier export stays whole.
    void failedExportKeepsTheEarlierFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("trend.csv");
        TrendShot one;
        one.values.fill(52.3f);
        QString error;
        QVERIFY(TrendCsv::write(path, {one}, 1, TrendItem::Peak, error));
        FileSizeLimit full(100);
        QVERIFY(!TrendCsv::write(path, QList<TrendShot>(100, one), 1, TrendItem::Peak, error));
        full.lift();
        QCOMPARE(error, "the disk is full");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), TrendCsv::text({one}, 1, TrendItem::Peak));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    }

    void suggestsLimitsFromTheLastOkShots_data()
    {
        QTest::addColumn<double>("k");
        QTest::addColumn<int>("okShots");
        // Peak time start/end, point lower/upper, integral, slope, all in stored counts.
        QTest::addColumn<QList<qint64>>("expected");
        QTest::addColumn<bool>("clipped");
        QTest::newRow("k 4.5") << 4.5 << 9
                               << QList<qint64>{95, 105, 55, 145, 955, 1045, 5500, 14500} << false;
        QTest::newRow("clipped at zero")
            << 11.0 << 9 << QList<qint64>{89, 111, 0, 210, 890, 1110, -1000, 21000} << true;
        QTest::newRow("too few") << 4.5 << 4 << QList<qint64>{} << false;
    }

    void suggestsLimitsFromTheLastOkShots()
    {
        QFETCH(double, k);
        QFETCH(int, okShots);
        QFETCH(QList<qint64>, expected);
        // Mean 10 and σ exactly 1 (sample) over the last nine OK shots of the current
        // settings; the older settings and the NG shot must not count.
        const QList<int> deviations{-1, 1, -1, 1, 0, -1, 1, -1, 1};
        const QDateTime noon(QDate(2026, 5, 10), QTime(12, 0));
        QByteArray log =
            ShotLogFormat::header(noon, QStringLiteral("CVO Manager started."), 1).toUtf8();
        log += ShotLogFormat::line(shot(1, {result(90, 90)})).toUtf8();
        log += ShotLogFormat::header(noon, QStringLiteral("System configuration modified."), 1)
                   .toUtf8();
        for (int i = 9 - okShots; i < 9; ++i) {
            const float d = float(deviations[i]);
            log += ShotLogFormat::line(shot(10 + i, {{true, 0, 0, 1 + d / 100, 10 + d, 0,
                                                      quint16(1000 + 10 * d), 0, 10 + d}}))
                       .toUtf8();
            if (i == 6)
                log += ShotLogFormat::line(shot(99, {result(99, 99, 1)})).toUtf8();
        }
        ShotLogReader reader(0);
        reader.read(log);
        ChannelConfig channel;
        channel.setSlope({150, 200, -1000, 1000, true});
        channel.setEject({300, 400, 1, 2, true, true}); // judged by area: not proposed
        const LimitSuggestion s =
            LimitSuggestion::compute(channel, reader.shots(), reader.currentSegment(), k, 20);
        QCOMPARE(s.shotNumbers().size(), okShots);
        QCOMPARE(s.hasSuggestion(), !expected.isEmpty());
        QList<qint64> counts;
        for (const LimitSuggestion::Limit& limit : s.limits()) {
            QVERIFY(limit.item != TrendItem::PeakOverEject && limit.item != TrendItem::Peak);
            QCOMPARE(limit.used, okShots);
            if (limit.suggested && limit.item != TrendItem::IntegralToPeak)
                counts << limit.suggestedLower << limit.suggestedUpper;
            if (limit.item == TrendItem::ValueAtPoint)
                QTEST(limit.clipped, "clipped");
        }
        QCOMPARE(counts, expected);
        s.applyTo(channel);
        if (!expected.isEmpty())
            QCOMPARE(channel.point().upper, quint16(expected[3]));
        QCOMPARE(channel.slope().lower, expected.isEmpty() ? -1000 : expected[6]);
    }
};

CVO_TEST_MAIN_NO_GUI(TestTrends)
#include "tst_trends.moc"
