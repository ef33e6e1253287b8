// The channel model of the plot without any GL context or widget: value ranges, shot
// history, read-outs, fits and the data viewer's statistics.
#include "FakePlotHost.h"
#include "GLPlotData.h"
#include "GLZoomLevels.h"
#include "TestMain.h"
#include "WaveformStatistics.h"

#include <QTest>

namespace {

// A waveform whose every sample carries the same tag, so its place in the history shows.
GLWaveform tagged(float tag, int length = 3)
{
    return GLWaveform(length, tag);
}

QList<float> currentTags(const GLPlotData& channel)
{
    QList<float> tags;
    for (const GLWaveform& w : channel.history())
        tags.append(w.isEmpty() ? -1.0f : w.first());
    return tags;
}

// Runs `shots` shots, the n-th (from 1) with samples tagged n.
void runShots(GLPlotData& channel, int shots)
{
    for (int n = 1; n <= shots; ++n) {
        channel.startNewShot();
        channel.appendSamples(tagged(float(n)));
    }
}

} // namespace

class TestPlotData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dataTypeSetsScaleFactorUnitAndOffsets_data();
    void dataTypeSetsScaleFactorUnitAndOffsets();
    void dataTypeFourKeepsScaleAndFactor();
    void sameDataTypeAgainLeavesTheRangeAlone();
    void valueRangeIsNormalised_data();
    void valueRangeIsNormalised();
    void gridStepComesFromTheVisibleSpan_data();
    void gridStepComesFromTheVisibleSpan();
    void historyBelowTheMaximumKeepsEveryShot();
    void historyAtTheMaximumIsClearedWhenClearingIsOn();
    void historyAtTheMaximumDropsOnlyTheOldestWhenClearingIsOff();
    void loweredMaximumTrimsTheHistoryAtTheNextShot();
    void channelMaximumOverridesTheView();
    void appendingNeverRewritesHeldSamples();
    void disabledChannelTakesNoSamples();
    void readOutsShowNameValueAndUnit();
    void readOutsPastTheEndAreEmpty();
    void integralReadOutsSumTheSamplesBefore();
    void referenceReadOutsFollowTheReferenceInterval();
    void fitToWaveformsAddsAMarginAndHonoursTheOverwriteLayer();
    void fitWithoutDataChangesNothing();
    void fitToDataFilesCoversEveryFile();
    void layerVisibilityIsTriState();
    void lowerLimitParametersAreHandedBackAsGiven();
    void dataFileSamplesOutOfRangeAreIgnored();
    void statisticsFollowTheViewsFileVisibility();
    void limitsLowerFirstThenUpper();
};

void TestPlotData::dataTypeSetsScaleFactorUnitAndOffsets_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<float>("fullScale");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QString>("unit");
    QTest::newRow("temperature") << 1 << 1000.0f << 0.1 << "C";
    QTest::newRow("pressure") << 2 << 200.0f << 0.1 << "MPa";
    QTest::newRow("voltage") << 3 << 10000.0f << 1.0 << "mV";
    QTest::newRow("temperature integral") << 5 << 48000.0f << 1.0 << "Cs";
    QTest::newRow("pressure integral") << 6 << 24000.0f << 1.0 << "MPas";
    QTest::newRow("voltage integral") << 7 << 1200.0f << 0.1 << "Vs";
}

void TestPlotData::dataTypeSetsScaleFactorUnitAndOffsets()
{
    QFETCH(int, code);
    QFETCH(float, fullScale);
    QFETCH(double, factor);
    QFETCH(QString, unit);
    FakePlotHost host;
    GLPlotData channel(&host);
    channel.setDataType(code);
    QCOMPARE(channel.fullScale(), fullScale);
    QCOMPARE(channel.valueFactor(), factor);
    QCOMPARE(channel.unitText(), unit);
    QCOMPARE(channel.upperMinimumOffset(), fullScale * 0.02f);
    QCOMPARE(channel.lowerMinimumOffset(), fullScale * 0.02f);
    QCOMPARE(channel.yMin(), 0.0f);
    QCOMPARE(channel.yMax(), fullScale);
}

void TestPlotData::dataTypeFourKeepsScaleAndFactor()
{
    FakePlotHost host;
    GLPlotData channel(&host);
    channel.setDataType(3);
    channel.setDataType(4);
    QCOMPARE(channel.fullScale(), 10000.0f);
    QCOMPARE(channel.valueFactor(), 1.0);
    QCOMPARE(channel.unitText(), QString());
}

void TestPlotData::sameDataTypeAgainLeavesTheRangeAlone()
{
    FakePlotHost host;
    GLPlotData channel(&host);
    channel.setDataType(2);
    channel.setYRange(50, 100);
    channel.setDataType(2);
    QCOMPARE(channel.yMin(), 50.0f);
    QCOMPARE(channel.yMax(), 100.0f);
}

void TestPlotData::valueRangeIsNormalised_data()
{
    QTest::addColumn<float>("a");
    QTest::addColumn<float>("b");
    QTest::addColumn<float>("low");
    QTest::addColumn<float>("high");
    // Area 400 pixels high, full scale 200: no closer than 4 value units over the area.
    QTest::newRow("narrow range widened around its centre") << 50.0f << 51.0f << 48.5f << 52.5f;
    QTest::newRow("below zero shifted up") << -10.0f << 30.0f << 0.0f << 40.0f;
    QTest::newRow("above full scale shifted down") << 180.0f << 250.0f << 130.0f << 200.0f;
    QTest::newRow("wider than full scale reset") << -50.0f << 300.0f << 0.0f << 200.0f;
    QTest::newRow("given in either order") << 120.0f << 20.0f << 20.0f << 120.0f;
}

void TestPlotData::valueRangeIsNormalised()
{
    QFETCH(float, a);
    QFETCH(float, b);
    QFETCH(float, low);
    QFETCH(float, high);
    FakePlotHost host;
    GLPlotData channel(&host);
    channel.setDataType(2);
    channel.setYRange(a, b);
    QCOMPARE(channel.yMin(), low);
    QCOMPARE(channel.yMax(), high);
}

void TestPlotData::gridStepComesFromTheVisibleSpan_data()
{
    QTest::addColumn<float>("span");
    QTest::addColumn<float>("step");
    QTest::newRow("200") << 200.0f << 20.0f;
    QTest::newRow("exactly covered") << 100.0f << 10.0f;
    QTest::newRow("2 is too fine for 25") << 25.0f << 5.0f;
    QTest::newRow("1.2-fold reaches 2.4") << 24.0f << 2.0f;
    QTest::newRow("smallest") << 0.05f << 0.01f;
    QTest::newRow("largest listed") << 60000.0f << 5000.0f;
    QTest::newRow("beyond the list") << 100000.0f << 10000.0f;
}

void TestPlotData::gridStepComesFromTheVisibleSpan()
{
    QFETCH(float, span);
    QFETCH(float, step);
    QCOMPARE(GLZoomLevels::valueGridStep(span), step);
}

void TestPlotData::historyBelowTheMaximumKeepsEveryShot()
{
    FakePlotHost host;
    GLPlotData channel(&host);
    runShots(channel, 4);
    QCOMPARE(currentTags(channel), (QList<float>{4, 3, 2, 1}));
}

void TestPlotData::historyAtTheMaximumIsClearedWhenClearingIsOn()
{
    FakePlotHost host;
    GLPlotData channel(&host);
    channel.setClearOverwriteOnMaximum(true);
    runShots(channel, 5);
    QCOMPARE(channel.history().size(), 5);
    runShots(channel, 1);
    QCOMPARE(currentTags(channel), (QList<float>{1}));
}

void TestPlotData::historyAtTheMaximumDropsOnlyTheOldestWhenClearingIsOff()
{
    FakePlotHost host;
    GLPlotData channel(&host);
    channel.setClearOverwriteOnMaximum(false);
    runShots(channel, 7);
    QCOMPARE(currentTags(channel), (QList<float>{7, 6, 5, 4, 3}));
}

void TestPlotData::loweredMaximumTrimsTheHistoryAtTheNextShot()
{
    FakePlotHost host;
    host.maximum = 8;
    GLPlotData channel(&host);
    channel.setClearOverwriteOnMaximum(false);
    runShots(channel, 8);
    host.maximum = 3;
    channel.startNewShot();
    channel.appendSamples(tagged(9));
    QCOMPARE(currentTags(channel), (QList<float>{9, 8, 7}));
}

void TestPlotData::channelMaximumOverridesTheView()
{
    FakePlotHost host;
    GLPlotData channel(&host);
    channel.setClearOverwriteOnMaximum(false);
    channel.setOverwriteMaximum(2);
    runShots(channel, 4);
    QCOMPARE(currentTags(channel), (QList<float>{4, 3}));
}

void TestPlotData::appendingNeverRewritesHeldSamples()
{
    FakePlotHost host;
    GLPlotData channel(&host);
    channel.appendSamples({1, 2, 3});
    channel.appendSamples({9, 9});
    channel.appendSamples({9, 9, 9});
    QCOMPARE(channel.history().first(), (GLWaveform{1, 2, 3}));
    channel.appendSamples({9, 9, 9, 4, 5});
    QCOMPARE(channel.history().first(), (GLWaveform{1, 2, 3, 4, 5}));
}

void TestPlotData::disabledChannelTakesNoSamples()
{
    FakePlotHost host;
    GLPlotData channel(&host);
    channel.setEnabled(false);
    channel.startNewShot();
    channel.appendSamples({1, 2});
    QVERIFY(channel.history().isEmpty());
}

void TestPlotData::readOutsShowNameValueAndUnit()
{
    FakePlotHost host;
    GLPlotData channel(&host);
    channel.setDataType(2);
    channel.setSamplingInterval(10);
    channel.appendSamples({0.0f, 12.5f, 123.456789f});
    channel.setName(QStringLiteral("Gate"));
    QCOMPARE(channel.valueText(0, 10), QStringLiteral("Gate : 12.5[MPa]"));
    QCOMPARE(channel.valueText(0, 29), QStringLiteral("Gate : 123.457[MPa]"));
    channel.setName(QString());
    QCOMPARE(channel.valueText(0, 15), QStringLiteral("<untitled> : 12.5[MPa]"));
    channel.setVisible(false);
    QCOMPARE(channel.valueText(0, 10), QString());
}

void TestPlotData::readOutsPastTheEndAreEmpty()
{
    FakePlotHost host;
    GLPlotData channel(&host);
    channel.setDataType(2);
    QCOMPARE(channel.valueText(0, 0), QString());
    channel.appendSamples({0.0f, 5.0f});
    QCOMPARE(channel.valueText(0, 2), QString());
    QCOMPARE(channel.integralText(0, 2), QString());
    QCOMPARE(channel.valueText(1, 0), QString());
    QCOMPARE(channel.valueAt(2), GLPlotData::NoValue);
}

void TestPlotData::integralReadOutsSumTheSamplesBefore()
{
    FakePlotHost host;
    GLPlotData channel(&host);
    channel.setDataType(2);
    channel.setSamplingInterval(10);
    channel.appendSamples({1, 2, 3, 4});
    channel.setName(QStringLiteral("P"));
    QCOMPARE(channel.integralAt(0), 0.0f);
    QCOMPARE(channel.integralText(0, 30), QStringLiteral("P : 0.06[MPas]"));
}

void TestPlotData::referenceReadOutsFollowTheReferenceInterval()
{
    FakePlotHost host;
    GLPlotData channel(&host);
    channel.setDataType(2);
    channel.setSamplingInterval(1);
    channel.setReferenceWaveform({10, 20, 30}, 10);
    channel.setName(QStringLiteral("R"));
    QCOMPARE(channel.valueText(1, 25), QStringLiteral("R : 30[MPa]"));
    QCOMPARE(channel.referenceIntegralAt(25), (10.0f + 20.0f) * 10.0f / 1000.0f);
    // The reference ends at 29 ms: no made-up 0 after it.
    QCOMPARE(channel.valueText(1, 30), QString());
    QCOMPARE(channel.integralText(1, 30), QString());
}

void TestPlotData::fitToWaveformsAddsAMarginAndHonoursTheOverwriteLayer()
{
    FakePlotHost host;
    GLPlotData channel(&host);
    channel.setDataType(2);
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
}

void TestPlotData::fitWithoutDataChangesNothing()
{
    FakePlotHost host;
    GLPlotData channel(&host);
    channel.setDataType(2);
    channel.setYRange(20, 80);
    channel.fitToWaveforms();
    channel.fitToReference();
    channel.fitToDataFiles();
    QCOMPARE(channel.yMin(), 20.0f);
    QCOMPARE(channel.yMax(), 80.0f);
}

void TestPlotData::fitToDataFilesCoversEveryFile()
{
    FakePlotHost host;
    GLPlotData channel(&host);
    channel.setDataType(2);
    channel.setDataFileCount(2);
    for (float v : {30.0f, 60.0f})
        channel.appendDataFileSample(0, v);
    for (float v : {10.0f, 90.0f})
        channel.appendDataFileSample(1, v);
    channel.fitToDataFiles();
    QCOMPARE(channel.yMin(), 10.0f);
    QCOMPARE(channel.yMax(), 90.0f);
}

void TestPlotData::layerVisibilityIsTriState()
{
    FakePlotHost host;
    host.hiddenLayers = {GLLayer::Zones};
    GLPlotData channel(&host);
    QVERIFY(!channel.isLayerShown(GLLayer::Zones));
    QVERIFY(channel.isLayerShown(GLLayer::Reference));
    channel.setLayerVisibility(GLLayer::Zones, GLPlotData::AlwaysShown);
    QVERIFY(channel.isLayerShown(GLLayer::Zones));
    channel.setLayerVisibility(GLLayer::Reference, GLPlotData::NeverShown);
    QVERIFY(!channel.isLayerShown(GLLayer::Reference));
}

void TestPlotData::lowerLimitParametersAreHandedBackAsGiven()
{
    FakePlotHost host;
    GLPlotData channel(&host);
    QCOMPARE(channel.lowerSigma(), 1.0f);
    channel.setLowerSigma(1.4f);
    channel.setLowerMinimumOffset(3.0f);
    QCOMPARE(channel.lowerSigma(), 1.4f);
    QCOMPARE(channel.lowerMinimumOffset(), 3.0f);
}

void TestPlotData::dataFileSamplesOutOfRangeAreIgnored()
{
    FakePlotHost host;
    GLPlotData channel(&host);
    channel.setDataFileCount(1);
    channel.appendDataFileSample(1, 5.0f);
    channel.appendDataFileSample(-1, 5.0f);
    channel.appendDataFileSample(0, 7.0f);
    QCOMPARE(channel.dataFiles(), (QList<GLWaveform>{{7.0f}}));
}

void TestPlotData::statisticsFollowTheViewsFileVisibility()
{
    FakePlotHost host;
    host.visibleFiles = {true, false, true};
    GLPlotData channel(&host);
    channel.setAverageSmoothing(0);
    channel.setDataFileCount(3);
    const QList<GLWaveform> files{{2, 4}, {100, 100}, {4, 4}};
    for (int f = 0; f < 3; ++f) {
        for (float v : files.at(f))
            channel.appendDataFileSample(f, v);
    }
    channel.recalculateAverage();
    QCOMPARE(channel.average(), (GLWaveform{3, 4}));
    QCOMPARE(channel.standardDeviation(), (GLWaveform{1, 0}));
}

void TestPlotData::limitsLowerFirstThenUpper()
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

CVO_TEST_MAIN_NO_GUI(TestPlotData)
#include "tst_plotdata.moc"
