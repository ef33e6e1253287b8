// What the plot area actually draws, read back from its framebuffer.
#include "PlotViewFixture.h"
#include "TestMain.h"

#include <functional>

namespace {

const QColor Red(255, 0, 0);
const QColor Green(0, 255, 0);
const QColor Blue(0, 0, 255);

// Pixels of the region whose colour passes the test.
int count(const QImage& image, const QRect& region, const std::function<bool(QColor)>& test)
{
    int n = 0;
    const QRect r = region.normalized().intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            n += test(QColor(image.pixel(x, y))) ? 1 : 0;
    }
    return n;
}

std::function<bool(QColor)> isColor(const QColor& wanted, int tolerance = 8)
{
    return [=](QColor c) {
        return std::abs(c.red() - wanted.red()) <= tolerance &&
               std::abs(c.green() - wanted.green()) <= tolerance &&
               std::abs(c.blue() - wanted.blue()) <= tolerance;
    };
}

bool isBlack(QColor c)
{
    return c.red() < 8 && c.green() < 8 && c.blue() < 8;
}

// A few rows around the row of a value, across a stretch of time.
QRect around(const PlotViewFixture& f, double t1, double t2, double value)
{
    const QPoint a = f.at(t1, value);
    const QPoint b = f.at(t2, value);
    return QRect(QPoint(a.x(), a.y() - 2), QPoint(b.x(), b.y() + 2));
}

} // namespace

class TestPlotRender : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void zoneOutlineLiesWhereItsTimesAndValuesPutIt();
    void currentWaveformIsOpaqueAndEarlierShotsFaded();
    void focusedChannelIsDrawnOnTop();
    void timeBandAndRangeQuadsAreTranslucentFills();
    void monitoringBandStaysInsideTheFirstRange();
    void dataViewerShowsVisibleFilesOfTheFocusedChannel();
    void oneSampleSpikeIsVisibleAtEveryZoomLevel();
    void growingShotDrawsTheSamePictureAsTheWholeShot_data();
    void growingShotDrawsTheSamePictureAsTheWholeShot();
    void otherChannelsFollowEveryChange();

private:
    std::unique_ptr<PlotViewFixture> m_f;
};

void TestPlotRender::init()
{
    m_f = std::make_unique<PlotViewFixture>();
    m_f->view->setGridOpacity(0.0f);
    m_f->view->setChannelColor(0, Red);
    m_f->view->setChannelColor(1, Blue);
}

void TestPlotRender::cleanup()
{
    m_f.reset();
}

void TestPlotRender::zoneOutlineLiesWhereItsTimesAndValuesPutIt()
{
    const PlotViewFixture& f = *m_f;
    f.view->setZone(0, 0, GLZone(2000, 50.0f, 6000, 150.0f, true));
    const QImage image = f.area()->grabFramebuffer();
    const auto red = isColor(Red);
    const int left = f.at(2000, 0).x();
    const int right = f.at(6000, 0).x();
    const int top = f.at(0, 150).y();
    const int bottom = f.at(0, 50).y();
    QVERIFY(count(image, QRect(QPoint(left - 1, top + 5), QPoint(left + 1, bottom - 5)), red) > 10);
    QVERIFY(count(image, QRect(QPoint(right - 1, top + 5), QPoint(right + 1, bottom - 5)), red) >
            10);
    QVERIFY(count(image, QRect(QPoint(left + 5, top - 1), QPoint(right - 5, top + 1)), red) > 50);
    QVERIFY(count(image, QRect(QPoint(left + 5, bottom - 1), QPoint(right - 5, bottom + 1)), red) >
            50);
    // Dashed, not solid: the stipple leaves gaps along an edge.
    QVERIFY(count(image, QRect(QPoint(left + 5, top), QPoint(right - 5, top)), isBlack) > 20);
    // Nothing inside or beside it.
    QCOMPARE(count(image, QRect(QPoint(left + 4, top + 4), QPoint(right - 4, bottom - 4)), red), 0);
    QCOMPARE(count(image, QRect(QPoint(0, 0), QPoint(left - 4, image.height())), red), 0);
}

void TestPlotRender::currentWaveformIsOpaqueAndEarlierShotsFaded()
{
    const PlotViewFixture& f = *m_f;
    f.view->setChannelColor(0, Green);
    f.view->setOverwriteOpacity(0.5f);
    f.view->startNewShot();
    f.view->appendSamples(0, GLWaveform(10000, 100.0f));
    f.view->startNewShot();
    f.view->appendSamples(0, GLWaveform(10000, 50.0f));
    QImage image = f.area()->grabFramebuffer();
    QVERIFY(count(image, around(f, 3000, 7000, 50), isColor(Green)) > 100);
    QVERIFY(count(image, around(f, 3000, 7000, 100), isColor(QColor(0, 128, 0), 10)) > 100);
    QCOMPARE(count(image, around(f, 3000, 7000, 100), isColor(Green)), 0);

    f.view->setShowOverwrite(false);
    image = f.area()->grabFramebuffer();
    QCOMPARE(count(image, around(f, 3000, 7000, 100), [](QColor c) { return !isBlack(c); }), 0);
}

void TestPlotRender::focusedChannelIsDrawnOnTop()
{
    const PlotViewFixture& f = *m_f;
    f.view->startNewShot();
    f.view->appendSamples(0, GLWaveform(10000, 100.0f));
    f.view->appendSamples(1, GLWaveform(10000, 100.0f));
    QImage image = f.area()->grabFramebuffer();
    QVERIFY(count(image, around(f, 2000, 8000, 100), isColor(Red)) > 100);
    QCOMPARE(count(image, around(f, 2000, 8000, 100), isColor(Blue)), 0);

    f.view->setFocusChannel(1);
    image = f.area()->grabFramebuffer();
    QVERIFY(count(image, around(f, 2000, 8000, 100), isColor(Blue)) > 100);
    QCOMPARE(count(image, around(f, 2000, 8000, 100), isColor(Red)), 0);
}

void TestPlotRender::timeBandAndRangeQuadsAreTranslucentFills()
{
    const PlotViewFixture& f = *m_f;
    f.view->setChannelColor(0, Blue);
    // Every channel has a time band; one is enough here.
    f.view->setChannelVisible(1, false);
    f.view->setRange(0, 0, GLRange(5000, 7000, true));
    f.view->setRangeOpacity(0.6f);
    f.view->setShowTimeBand(true);
    QImage image = f.area()->grabFramebuffer();
    QVERIFY(isColor(QColor(0, 0, 51))(image.pixel(f.at(1500, 100))));
    QVERIFY(isColor(QColor(0, 0, 51))(image.pixel(f.at(1500, 190))));
    QVERIFY(isColor(QColor(0, 0, 153))(image.pixel(f.at(6000, 100))));
    QVERIFY(isBlack(image.pixel(f.at(3500, 100))));
    QVERIFY(isBlack(image.pixel(f.at(7500, 100))));

    f.view->setShowTimeBand(false);
    f.view->setShowRanges(false);
    image = f.area()->grabFramebuffer();
    QVERIFY(isBlack(image.pixel(f.at(1500, 100))));
    QVERIFY(isBlack(image.pixel(f.at(6000, 100))));
}

void TestPlotRender::monitoringBandStaysInsideTheFirstRange()
{
    const PlotViewFixture& f = *m_f;
    f.view->setRangeOpacity(0.0f);
    f.view->setRange(0, 0, GLRange(5000, 7000, true));
    f.view->setRange(0, 1, GLRange(1000, 3000, true));
    f.view->setUpperLimit(0, GLWaveform(10000, 120.0f));
    f.view->setLowerLimit(0, GLWaveform(10000, 80.0f));
    QImage image = f.area()->grabFramebuffer();
    QVERIFY(isBlack(image.pixel(f.at(6000, 100))));

    f.view->setMonitoringWaveformOn(0, true);
    image = f.area()->grabFramebuffer();
    QVERIFY(isColor(QColor(77, 0, 0))(image.pixel(f.at(6000, 100))));
    QVERIFY(isBlack(image.pixel(f.at(6000, 140))));
    QVERIFY(isBlack(image.pixel(f.at(2000, 100))));
    QVERIFY(isBlack(image.pixel(f.at(7500, 100))));
}

void TestPlotRender::dataViewerShowsVisibleFilesOfTheFocusedChannel()
{
    const PlotViewFixture& f = *m_f;
    f.view->setMode(DataViewerMode);
    f.view->setDataFileCount(2);
    for (int i = 0; i < 10000; ++i) {
        f.view->appendDataFileRow(0, {60.0f, 60.0f});
        f.view->appendDataFileRow(1, {140.0f, 140.0f});
    }
    f.view->setAverage(1, GLWaveform(10000, 100.0f));
    const auto fileColor = isColor(QColor(60, 100, 0));
    QImage image = f.area()->grabFramebuffer();
    QVERIFY(count(image, around(f, 2000, 8000, 60), fileColor) > 100);
    QVERIFY(count(image, around(f, 2000, 8000, 140), fileColor) > 100);
    // Channel 1 is not focused: its average is not drawn.
    QCOMPARE(count(image, around(f, 2000, 8000, 100), [](QColor c) { return !isBlack(c); }), 0);

    f.view->setDataFileVisible(1, false);
    image = f.area()->grabFramebuffer();
    QCOMPARE(count(image, around(f, 2000, 8000, 140), fileColor), 0);
}

void TestPlotRender::oneSampleSpikeIsVisibleAtEveryZoomLevel()
{
    const PlotViewFixture& f = *m_f;
    const int spike = 5003;
    GLWaveform shot(10000, 20.0f);
    shot[spike] = 180.0f;
    f.view->startNewShot();
    f.view->appendSamples(0, shot);
    for (int factor : {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000}) {
        const double half = 10000 / factor / 2.0;
        f.view->setXRange(spike - half + 0.4, spike + half + 0.4);
        const QImage image = f.area()->grabFramebuffer();
        const QRect tip(QPoint(0, f.at(0, 175).y()), QPoint(image.width() - 1, f.at(0, 150).y()));
        QVERIFY2(count(image, tip, isColor(Red, 40)) > 0,
                 qPrintable(QStringLiteral("spike lost at zoom factor %1").arg(factor)));
    }
}

namespace {

// A noisy rise and fall, different for every channel.
GLWaveform shotOf(int channel)
{
    GLWaveform shot(10000);
    for (int i = 0; i < shot.size(); ++i) {
        const double rise = std::min(1.0, std::max(0.0, (i - 1000.0 * channel) / 800.0));
        shot[i] = float(40.0 * channel * rise * std::exp(-i / 6000.0) + 3.0 * std::sin(i * 0.37));
    }
    return shot;
}

} // namespace

void TestPlotRender::growingShotDrawsTheSamePictureAsTheWholeShot_data()
{
    QTest::addColumn<double>("width");
    QTest::newRow("whole period, many samples a column") << 10000.0;
    QTest::newRow("zoomed in, several columns a sample") << 200.0;
}

void TestPlotRender::growingShotDrawsTheSamePictureAsTheWholeShot()
{
    QFETCH(double, width);
    PlotViewFixture growing(4);
    PlotViewFixture whole(4);
    for (PlotViewFixture* f : {&growing, &whole}) {
        f->view->setGridOpacity(0.0f);
        f->view->setXRange(2000, 2000 + width);
        for (int ch = 0; ch < 4; ++ch)
            f->view->setChannelColor(ch, QColor::fromHsv(ch * 90, 255, 255));
        f->view->startNewShot();
    }
    for (int ch = 0; ch < 4; ++ch)
        whole.view->appendSamples(ch, shotOf(ch));
    const int rebuilds = growing.area()->layerCache().rebuildCount();
    for (int part = 1; part <= 10; ++part) {
        for (int ch = 0; ch < 4; ++ch)
            growing.view->appendSamples(ch, shotOf(ch).first(part * 1000 - 7 * part));
        growing.area()->grabFramebuffer();
    }
    for (int ch = 0; ch < 4; ++ch)
        growing.view->appendSamples(ch, shotOf(ch));
    QCOMPARE(growing.area()->layerCache().rebuildCount(), rebuilds + 1);
    const QImage a = growing.area()->grabFramebuffer();
    const QImage b = whole.area()->grabFramebuffer();
    QCOMPARE(a.size(), b.size());
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
    QVERIFY2(differing <= 5, qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
}

void TestPlotRender::otherChannelsFollowEveryChange()
{
    const PlotViewFixture& f = *m_f;
    f.view->startNewShot();
    f.view->appendSamples(1, GLWaveform(10000, 100.0f));
    QImage image = f.area()->grabFramebuffer();
    QVERIFY(count(image, around(f, 2000, 8000, 100), isColor(Blue)) > 100);

    f.view->setChannelColor(1, Green);
    image = f.area()->grabFramebuffer();
    QCOMPARE(count(image, around(f, 2000, 8000, 100), isColor(Blue)), 0);
    QVERIFY(count(image, around(f, 2000, 8000, 100), isColor(Green)) > 100);

    // Channel 1 now spans 0..150 over the height that shows 0..200 of channel 0.
    f.view->setYRange(1, 0, 150);
    image = f.area()->grabFramebuffer();
    QCOMPARE(count(image, around(f, 2000, 8000, 100), isColor(Green)), 0);
    QVERIFY(count(image, around(f, 2000, 8000, 100 * 200 / 150.0), isColor(Green)) > 100);

    f.view->startNewShot();
    image = f.area()->grabFramebuffer();
    QCOMPARE(count(image, around(f, 2000, 8000, 100 * 200 / 150.0), isColor(Green)), 0);
}

CVO_TEST_MAIN(TestPlotRender)
#include "tst_plotrender.moc"
