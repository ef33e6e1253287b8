// The channel model of the plot without any GL context or widget: value ranges, shot
// history, read-outs, fits and the data viewer's statistics.
#include "FakePlotHost.h"
#include "GLPlotData.h"
#include "TestMain.h"

#include <QTest>

class TestPlotData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void historyKeepsShotsUpToTheMaximum_data()
    {
        QTest::addColumn<int>("channelMaximum"); // 0: the view's maximum of 5
        QTest::addColumn<bool>("clearing");
        QTest::addColumn<int>("loweredTo"); // the view's maximum before the last shot
        QTest::addColumn<int>("shots");
        QTest::addColumn<QList<float>>("tags");
        QTest::newRow("below the maximum") << 0 << true << 0 << 4 << QList<float>{4, 3, 2, 1};
        QTest::newRow("cleared at the maximum") << 0 << true << 0 << 6 << QList<float>{6};
        QTest::newRow("oldest dropped") << 0 << false << 0 << 7 << QList<float>{7, 6, 5, 4, 3};
        QTest::newRow("channel's own maximum") << 2 << false << 0 << 4 << QList<float>{4, 3};
        QTest::newRow("maximum lowered") << 0 << false << 3 << 6 << QList<float>{6, 5, 4};
    }

    void historyKeepsShotsUpToTheMaximum()
    {
        QFETCH(int, channelMaximum);
        QFETCH(bool, clearing);
        QFETCH(int, loweredTo);
        QFETCH(int, shots);
        FakePlotHost host;
        GLPlotData channel(&host);
        channel.setClearOverwriteOnMaximum(clearing);
        if (channelMaximum > 0)
            channel.setOverwriteMaximum(channelMaximum);
        for (int n = 1; n <= shots; ++n) {
            if (n == shots && loweredTo > 0)
                host.maximum = loweredTo;
            channel.startNewShot();
            channel.appendSamples(GLWaveform(3, float(n))); // every sample tagged n
        }
        QList<float> tags;
        for (const GLWaveform& w : channel.history())
            tags.append(w.first());
        QTEST(tags, "tags");
    }

    void appendedSamplesExtendTheShotWithoutRewritingIt()
    {
        FakePlotHost host;
        GLPlotData channel(&host);
        channel.appendSamples({1, 2, 3});
        channel.appendSamples({9, 9});
        channel.appendSamples({9, 9, 9});
        QCOMPARE(channel.history().first(), (GLWaveform{1, 2, 3}));
        channel.appendSamples({9, 9, 9, 4, 5});
        QCOMPARE(channel.history().first(), (GLWaveform{1, 2, 3, 4, 5}));
        channel.appendSamples({9, 6, 7}, 4); // from sample 4 on: 6 and 7 are new
        channel.appendSamples({8}, 8);       // after a gap: nothing to draw it with
        QCOMPARE(channel.history().first(), (GLWaveform{1, 2, 3, 4, 5, 6, 7}));
        channel.setEnabled(false);
        channel.startNewShot();
        channel.appendSamples({1, 2});
        QCOMPARE(channel.history().size(), 1);
    }

    void valueRangeIsNormalised_data()
    {
        QTest::addColumn<float>("a");
        QTest::addColumn<float>("b");
        QTest::addColumn<float>("low");
        QTest::addColumn<float>("high");
        // Area 400 pixels high, full scale 200: no closer than 4 value units over the area.
        QTest::newRow("narrow range widened around its centre") << 50.f << 51.f << 48.5f << 52.5f;
        QTest::newRow("below zero shifted up") << -10.0f << 30.0f << 0.0f << 40.0f;
        QTest::newRow("above full scale shifted down") << 180.0f << 250.0f << 130.0f << 200.0f;
        QTest::newRow("wider than full scale reset") << -50.0f << 300.0f << 0.0f << 200.0f;
        QTest::newRow("given in either order") << 120.0f << 20.0f << 20.0f << 120.0f;
    }

    void valueRangeIsNormalised()
    {
        QFETCH(float, a);
        QFETCH(float, b);
        FakePlotHost host;
        GLPlotData channel(&host);
        channel.setDataType(2);
        channel.setYRange(a, b);
        QTEST(channel.yMin(), "low");
        QTEST(channel.yMax(), "high");
    }

    void readOutsPickTheSampleAtTheTime_data()
    {
        QTest::addColumn<int>("mode"); // 0: the current shot, 1: the reference
        QTest::addColumn<bool>("integral");
        QTest::addColumn<double>("ms");
        QTest::addColumn<QString>("text");
        // Samples 1, 2, 3, 4 every 10 ms; reference 10, 20, 30 every 20 ms.
        QTest::newRow("value") << 0 << false << 39.0 << "P : 4[MPa]";
        QTest::newRow("past the end") << 0 << false << 40.0 << "";
        QTest::newRow("integral of the samples before") << 0 << true << 30.0 << "P : 0.06[MPas]";
        QTest::newRow("integral past the end") << 0 << true << 40.0 << "";
        QTest::newRow("reference value") << 1 << false << 45.0 << "P : 30[MPa]";
        QTest::newRow("past the reference's end") << 1 << false << 60.0 << "";
        QTest::newRow("reference integral") << 1 << true << 40.0 << "P : 0.6[MPas]";
    }

    void readOutsPickTheSampleAtTheTime()
    {
        QFETCH(int, mode);
        QFETCH(bool, integral);
        QFETCH(double, ms);
        FakePlotHost host;
        GLPlotData channel(&host);
        channel.setDataType(2);
        channel.setName(QStringLiteral("P"));
        channel.setSamplingInterval(10);
        channel.appendSamples({1, 2, 3, 4});
        channel.setReferenceWaveform({10, 20, 30}, 20);
        QTEST(integral ? channel.integralText(mode, ms) : channel.valueText(mode, ms), "text");
    }

    void fitsCoverTheShownDataWithAMargin()
    {
        FakePlotHost host;
        GLPlotData channel(&host);
        channel.setDataType(2);
        channel.setYRange(20, 80);
        channel.fitToWaveforms(); // nothing to fit to: unchanged
        channel.fitToDataFiles();
        QCOMPARE(channel.yMax(), 80.0f);
        channel.startNewShot();
        channel.appendSamples({150, 170});
        channel.startNewShot();
        channel.appendSamples({100, 120});
        channel.fitToWaveforms();
        QCOMPARE(channel.yMin(), 100.0f - 3.5f);
        QCOMPARE(channel.yMax(), 170.0f + 3.5f);
        host.hiddenLayers = {GLLayer::Overwrite};
        channel.fitToWaveforms();
        QCOMPARE(channel.yMin(), 99.0f);
        QCOMPARE(channel.yMax(), 121.0f);

        channel.setDataFileCount(2);
        for (float v : {30.0f, 60.0f})
            channel.appendDataFileSample(0, v);
        for (float v : {10.0f, 90.0f})
            channel.appendDataFileSample(1, v);
        channel.fitToDataFiles();
        QCOMPARE(channel.yMin(), 10.0f);
        QCOMPARE(channel.yMax(), 90.0f);
    }

    void statisticsUseTheVisibleFilesAndIgnoreUnknownOnes()
    {
        FakePlotHost host;
        host.visibleFiles = {true, false, true};
        GLPlotData channel(&host);
        channel.setAverageSmoothing(0);
        channel.setDataFileCount(3);
        channel.appendDataFileSample(3, 5.0f);
        channel.appendDataFileSample(-1, 5.0f);
        const QList<GLWaveform> files{{2, 4}, {100, 100}, {4, 4}};
        for (int f = 0; f < 3; ++f) {
            for (float v : files.at(f))
                channel.appendDataFileSample(f, v);
        }
        QCOMPARE(channel.dataFiles(), files);
        channel.recalculateAverage();
        QCOMPARE(channel.average(), (GLWaveform{3, 4}));
        QCOMPARE(channel.standardDeviation(), (GLWaveform{1, 0}));
    }

    void limitsTakeEachSidesOwnSigmaAndOffset()
    {
        FakePlotHost host;
        GLPlotData channel(&host);
        channel.setAverage({10, 10, 10});
        channel.setStandardDeviation({1, 1, 1});
        channel.setUpperSigma(2.0f);
        channel.setUpperMinimumOffset(0.5f);
        channel.setUpperSmoothing(0);
        channel.setLowerSigma(3.0f);
        channel.setLowerMinimumOffset(0.5f);
        channel.setLowerSmoothing(0);
        channel.recalculateLimits();
        QCOMPARE(channel.upperLimit(), (GLWaveform{12, 12, 12}));
        QCOMPARE(channel.lowerLimit(), (GLWaveform{7, 7, 7}));
    }
};

CVO_TEST_MAIN_NO_GUI(TestPlotData)
#include "tst_plotdata.moc"
