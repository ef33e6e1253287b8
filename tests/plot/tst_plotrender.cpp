// What the plot area actually draws, read back from its framebuffer; every check runs
// with GL and again with software drawing.
#include "GLYAxis.h"
#include "PlotViewFixture.h"
#include "TestMain.h"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

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

// Lit pixels of `a` with no pixel of about their colour in `b` within one pixel.
int unmatchedPixels(const QImage& a, const QImage& b, int* lit)
{
    int unmatched = 0;
    for (int y = 1; y + 1 < a.height(); ++y) {
        for (int x = 1; x + 1 < a.width(); ++x) {
            const QColor c(a.pixel(x, y));
            if (isBlack(c))
                continue;
            ++*lit;
            unmatched += count(b, QRect(x - 1, y - 1, 3, 3), isColor(c, 24)) == 0 ? 1 : 0;
        }
    }
    return unmatched;
}

int differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
    return differing;
}

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

// Changes to a channel that is not focused, whose layers come from the cache.
void changeChannelOne(GLPlotView* view, const QString& change)
{
    if (change == "colour")
        view->setChannelColor(1, Green);
    else if (change == "value range")
        view->setYRange(1, 0, 150);
    else if (change == "new shot")
        view->startNewShot();
    else if (change == "zone")
        view->setZone(1, 0, GLZone(2000, 50.0f, 6000, 150.0f, true));
    else if (change == "range")
        view->setRange(1, 0, GLRange(5000, 7000, true));
    else if (change == "hidden")
        view->setChannelVisible(1, false);
    else if (change == "focus")
        view->setFocusChannel(1);
}

} // namespace

class TestPlotRender : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void zoneOutlineLiesWhereItsTimesAndValuesPutIt()
    {
        PlotViewFixture f;
        f.view->setGridOpacity(0.0f);
        f.view->setChannelColor(0, Red);
        f.view->setZone(0, 0, GLZone(2000, 50.0f, 6000, 150.0f, true));
        const QImage image = f.area()->grabFramebuffer();
        const auto red = [&](QPoint a, QPoint b) {
            return count(image, QRect(a, b), isColor(Red));
        };
        const int left = f.at(2000, 0).x();
        const int right = f.at(6000, 0).x();
        const int top = f.at(0, 150).y();
        const int bottom = f.at(0, 50).y();
        QVERIFY(red({left - 1, top + 5}, {left + 1, bottom - 5}) > 10);
        QVERIFY(red({right - 1, top + 5}, {right + 1, bottom - 5}) > 10);
        QVERIFY(red({left + 5, top - 1}, {right - 5, top + 1}) > 50);
        QVERIFY(red({left + 5, bottom - 1}, {right - 5, bottom + 1}) > 50);
        // Nothing inside or beside it.
        QCOMPARE(red({left + 4, top + 4}, {right - 4, bottom - 4}), 0);
        QCOMPARE(red({0, 0}, {left - 4, image.height()}), 0);
    }

    void rangeAndMonitoringBandCoverOnlyTheirTimes()
    {
        PlotViewFixture f;
        f.view->setGridOpacity(0.0f);
        f.view->setChannelColor(0, Red);
        f.view->setChannelVisible(1, false);
        f.view->setRange(0, 0, GLRange(5000, 7000, true));
        f.view->setRange(0, 1, GLRange(1000, 3000, true));
        f.view->setRangeOpacity(0.6f);
        QImage image = f.area()->grabFramebuffer();
        QVERIFY(isColor(QColor(153, 0, 0))(image.pixel(f.at(6000, 100))));
        QVERIFY(isColor(QColor(153, 0, 0))(image.pixel(f.at(2000, 190))));
        QVERIFY(isBlack(image.pixel(f.at(4000, 100))));
        QVERIFY(isBlack(image.pixel(f.at(7100, 100))));

        // The band between the limits, inside the first range only.
        f.view->setRangeOpacity(0.0f);
        f.view->setUpperLimit(0, GLWaveform(10000, 120.0f));
        f.view->setLowerLimit(0, GLWaveform(10000, 80.0f));
        f.view->setMonitoringWaveformOn(0, true);
        image = f.area()->grabFramebuffer();
        QVERIFY(isColor(QColor(77, 0, 0))(image.pixel(f.at(6000, 100))));
        QVERIFY(isBlack(image.pixel(f.at(6000, 140))));
        QVERIFY(isBlack(image.pixel(f.at(2000, 100))));
        QVERIFY(isBlack(image.pixel(f.at(7100, 100))));
    }

    void growingShotDrawsTheSamePictureAsTheWholeShot_data()
    {
        QTest::addColumn<double>("width");
        QTest::newRow("whole period, many samples a column") << 10000.0;
        QTest::newRow("zoomed in, several columns a sample") << 200.0;
    }

    void growingShotDrawsTheSamePictureAsTheWholeShot()
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
        for (int part = 1; part <= 11; ++part) {
            for (int ch = 0; ch < 4; ++ch) { // only the new samples, as the live refresh does
                const qsizetype held = growing.view->shotSampleCount(ch);
                const qsizetype end = part <= 10 ? part * 993 : shotOf(ch).size();
                growing.view->appendSamples(ch, shotOf(ch).mid(held, end - held), held);
            }
            growing.area()->grabFramebuffer();
        }
        // Only new samples were added to the cache, and they drew the same picture.
        QCOMPARE(growing.area()->layerCache().rebuildCount(), rebuilds + 1);
        const int differing =
            differingPixels(growing.area()->grabFramebuffer(), whole.area()->grabFramebuffer());
        QVERIFY2(differing <= 5, qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
    }

    void cachedLayersFollowEveryChangeOfOtherChannels_data()
    {
        QTest::addColumn<QString>("change");
        for (const char* change :
             {"colour", "value range", "new shot", "zone", "range", "hidden", "focus"})
            QTest::newRow(change) << QString::fromLatin1(change);
    }

    void cachedLayersFollowEveryChangeOfOtherChannels()
    {
        QFETCH(QString, change);
        PlotViewFixture cached;
        PlotViewFixture fresh;
        for (PlotViewFixture* f : {&cached, &fresh}) {
            f->view->setGridOpacity(0.0f);
            f->view->setChannelColor(1, Blue);
            f->view->startNewShot();
            f->view->appendSamples(0, shotOf(1));
            f->view->appendSamples(1, shotOf(2));
        }
        const QImage before = cached.area()->grabFramebuffer();
        changeChannelOne(cached.view.get(), change);
        changeChannelOne(fresh.view.get(), change);
        const QImage after = cached.area()->grabFramebuffer();
        QVERIFY(differingPixels(before, after) > 100);
        const int differing = differingPixels(after, fresh.area()->grabFramebuffer());
        QVERIFY2(differing <= 5, qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
    }

    void softwareDrawsWhatGLDraws()
    {
        if (GLPlotArea::softwareRenderingDefault())
            QSKIP("both drawings are compared in the GL pass");
        std::vector<std::unique_ptr<PlotViewFixture>> plots;
        for (const bool software : {false, true}) {
            GLPlotArea::setSoftwareRenderingDefault(software);
            plots.push_back(std::make_unique<PlotViewFixture>(3));
            GLPlotView* view = plots.back()->view.get();
            view->setGridOpacity(0.5f);
            for (int ch = 0; ch < 3; ++ch)
                view->setChannelColor(ch, QColor::fromHsv(ch * 120, 255, 255));
            view->setZone(1, 0, GLZone(2000, 50.0f, 6000, 150.0f, true));
            view->setRange(2, 0, GLRange(5000, 7000, true));
            view->setRangeOpacity(0.4f);
            view->setReferenceWaveforms({shotOf(2), shotOf(1), shotOf(3)}, 1);
            for (int shot = 0; shot < 2; ++shot) {
                view->startNewShot();
                for (int ch = 0; ch < 3; ++ch)
                    view->appendSamples(ch, shotOf(ch + shot));
            }
        }
        GLPlotArea::setSoftwareRenderingDefault(false);
        QVERIFY(!plots[0]->area()->isSoftwareRendering());
        QVERIFY(plots[1]->area()->isSoftwareRendering());
        const QImage gl = plots[0]->area()->grabFramebuffer();
        const QImage software = plots[1]->area()->grabFramebuffer();
        QCOMPARE(software.size(), gl.size());
        // The same picture, give or take a pixel where the two draw a line's end.
        for (const auto& [a, b] : {std::pair(gl, software), std::pair(software, gl)}) {
            int lit = 0;
            const int unmatched = unmatchedPixels(a, b, &lit);
            QVERIFY(lit > 5000);
            QVERIFY2(
                unmatched <= lit / 100,
                qPrintable(QStringLiteral("%1 of %2 pixels unmatched").arg(unmatched).arg(lit)));
        }
    }

    // The value labels are light on the black axis, and the topmost one (200 at the top
    // edge) is drawn whole, below the edge.
    void valueLabelsAreReadableAndWhole()
    {
        PlotViewFixture plot;
        const QImage image = plot.view->yAxis()->grabFramebuffer();
        const int labels = image.width() - 8; // left of the ticks
        const auto light = [](QColor c) { return c.lightness() > 180; };
        QVERIFY(count(image, QRect(0, 2, labels, 16), light) > 0);
        QCOMPARE(count(image, QRect(0, 0, labels, 1), std::not_fn(isBlack)), 0);
    }
};

int main(int argc, char* argv[])
{
    return runTestWithOwnHome<QApplication, TestPlotRender>(
        argc, argv, 2, [](int pass) { GLPlotArea::setSoftwareRenderingDefault(pass == 1); });
}
#include "tst_plotrender.moc"
