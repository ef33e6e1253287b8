// The plot's pure helpers: zoom level lookup, min/max decimation and the geometry of the
// edit tools.
#include "GLDecimation.h"
#include "GLEditGeometry.h"
#include "GLZoomLevels.h"
#include "TestMain.h"

#include <QTest>

using namespace GLEditGeometry;

namespace {

// Values of a line strip's vertices, (x, y) pairs flattened.
QList<QPointF> vertices(const std::vector<float>& flat)
{
    QList<QPointF> points;
    for (size_t i = 0; i + 1 < flat.size(); i += 2)
        points.append(QPointF(flat[i], flat[i + 1]));
    return points;
}

} // namespace

class TestPlotGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void levelLookup_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("level");
        QTest::newRow("exact") << 5.0 << 0 << 2;
        QTest::newRow("between lands on the upper level") << 3.0 << 0 << 2;
        QTest::newRow("beyond the table") << 5000.0 << 0 << 9;
        QTest::newRow("one level lower") << 5.0 << -1 << 1;
        QTest::newRow("never below 0") << 1.0 << -1 << 0;
        QTest::newRow("one higher from an exact level") << 5.0 << 1 << 3;
        QTest::newRow("between already is the higher one") << 3.0 << 1 << 2;
        QTest::newRow("not past the last") << 1000.0 << 1 << 9;
    }

    void levelLookup()
    {
        QFETCH(double, factor);
        QFETCH(int, direction);
        QFETCH(int, level);
        QCOMPARE(GLZoomLevels::levelOf(GLZoomLevels::xFactors(), factor, direction), level);
    }

    void windowCoversTheVisibleTimeAndOneSampleBefore()
    {
        const GLSeriesWindow w = GLDecimation::window(2000, 3000, 5, 10000);
        QCOMPARE(w.first, qsizetype(399));
        QCOMPARE(w.end, qsizetype(605));
        QCOMPARE(GLDecimation::window(0, 3000, 5, 300).end, qsizetype(300));
        QCOMPARE(GLDecimation::window(0, 3000, 0, 300).end, qsizetype(0));
        QCOMPARE(GLDecimation::columns(2000, 3000, 100).msPerPixel, 10.0);
        const GLColumns fourMs{0.0, 4.0};
        QCOMPARE(GLDecimation::columnStart(6, 1, fourMs), qsizetype(4));
        QCOMPARE(GLDecimation::columnStart(3, 1, fourMs), qsizetype(0));
    }

    void everySampleIsDrawnWhenAColumnHoldsOne()
    {
        const QList<float> series{3, 1, 4, 1, 5};
        std::vector<float> out;
        GLDecimation::appendLines(series.constData(),
                                  GLDecimation::window(0, 40, 10, series.size()), 10,
                                  GLDecimation::columns(0, 40, 100), out);
        QCOMPARE(vertices(out),
                 (QList<QPointF>{
                     {0, 3}, {10, 1}, {10, 1}, {20, 4}, {20, 4}, {30, 1}, {30, 1}, {40, 5}}));
    }

    void oneSampleSpikeSurvivesEveryDecimationStep()
    {
        QList<float> series(20000, 1.0f);
        const qsizetype spike = 12345;
        series[spike] = 150.0f;
        for (double width : {20.0, 100.0, 1000.0, 5000.0, 20000.0}) {
            for (int pixels : {37, 640, 1230}) {
                const double start = std::max(0.0, spike - width / 2);
                const GLColumns columns = GLDecimation::columns(start, start + width, pixels);
                std::vector<float> out;
                GLDecimation::appendLines(
                    series.constData(),
                    GLDecimation::window(start, start + width, 1, series.size()), 1, columns, out);
                bool seen = false;
                for (const QPointF& p : vertices(out))
                    seen =
                        seen || (p.y() == 150.0 && std::fabs(p.x() - spike) <= columns.msPerPixel);
                QVERIFY2(seen,
                         qPrintable(QStringLiteral("width %1 on %2 px").arg(width).arg(pixels)));
            }
        }
    }

    void denseColumnsBecomeVerticalLinesJoinedToTheirNeighbours()
    {
        // 1.5 ms per pixel: columns hold samples {0, 1}, {2}, {3, 4}, {5}.
        const QList<float> series{1, 5, 2, 8, 3, 4};
        GLSeriesWindow w;
        w.end = series.size();
        std::vector<float> out;
        GLDecimation::appendLines(series.constData(), w, 1, GLColumns{0.0, 1.5}, out);
        // A dense column runs across its width from the earlier extreme to the later one; the
        // previous column's last value counts as its first.
        QCOMPARE(
            vertices(out),
            (QList<QPointF>{{0, 1}, {1.5, 5}, {1, 5}, {2, 2}, {3, 2}, {4.5, 8}, {4, 3}, {5, 4}}));
    }

    void bandKeepsItsWidestExtentInsideTheRangeOnly()
    {
        const QList<float> upper{10, 11, 15, 12, 13, 14};
        const QList<float> lower{5, 4, 6, 2, 3, 1};
        GLSeriesWindow w;
        w.end = upper.size();
        std::vector<float> out;
        // Two samples a column; strictly inside 0..5 ms are samples 1 to 4.
        GLDecimation::appendBand(upper.constData(), lower.constData(), w, 1, GLColumns{0.0, 2.0}, 0,
                                 5, out);
        QCOMPARE(vertices(out),
                 (QList<QPointF>{{1, 11}, {1, 4}, {2, 15}, {2, 2}, {4, 13}, {4, 3}}));
    }

    void zoneHitAnswers_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("answer");
        // Zone 1000..1500 ms, 10..20; reach 10 ms and 1 value unit.
        QTest::newRow("inside") << 1200.0 << 15.0 << int(ZoneInside);
        QTest::newRow("top edge") << 1200.0 << 20.5 << int(ZoneTop);
        QTest::newRow("bottom edge") << 1200.0 << 9.5 << int(ZoneBottom);
        QTest::newRow("left edge") << 995.0 << 15.0 << int(ZoneLeft);
        QTest::newRow("right edge") << 1505.0 << 15.0 << int(ZoneRight);
        QTest::newRow("top left") << 1004.0 << 20.0 << int(ZoneTopLeft);
        QTest::newRow("bottom left") << 1000.0 << 10.9 << int(ZoneBottomLeft);
        QTest::newRow("top right") << 1500.0 << 19.5 << int(ZoneTopRight);
        QTest::newRow("bottom right") << 1509.0 << 10.0 << int(ZoneBottomRight);
        QTest::newRow("beside the left edge") << 1000.0 << 25.0 << int(ZoneMissed);
        QTest::newRow("above") << 1200.0 << 30.0 << int(ZoneMissed);
        QTest::newRow("outside in time") << 1700.0 << 15.0 << int(ZoneMissed);
    }

    void zoneHitAnswers()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(int, answer);
        const GLZone zone(1000, 10.0f, 1500, 20.0f, true);
        QCOMPARE(zoneHit(zone, x, y, 10.0, 1.0), answer);
    }

    void zoneEditsKeepTheZoneWhole()
    {
        GLZone zone(1000, 10.0f, 1500, 20.0f, true);
        dragZoneHandle(zone, ZoneBottomRight, 1800, 5.0f);
        QCOMPARE(zone, GLZone(1000, 5.0f, 1800, 20.0f, true));
        dragZoneHandle(zone, ZoneLeft, 2000, 50.0f);
        QCOMPARE(zone.startMs, 2000); // past the right edge, left as dragged
        QCOMPARE(zone.lower, 5.0f);
        QCOMPARE(normalisedZone(zone), GLZone(1800, 5.0f, 2000, 20.0f, true));
        // A moved zone keeps its size at the borders.
        zone = GLZone(1000, 10.0f, 1500, 20.0f, true);
        QCOMPARE(movedZone(zone, -1400, 0.0f, 10000, 200.0f), GLZone(0, 10.0f, 500, 20.0f, true));
        QCOMPARE(movedZone(zone, 9000, 0.f, 10000, 200.f), GLZone(9500, 10.f, 10000, 20.f, true));
        QCOMPARE(movedZone(zone, 0, -15.0f, 10000, 200.0f), GLZone(1000, 0.0f, 1500, 10.0f, true));
        QCOMPARE(movedZone(zone, 0, 185.f, 10000, 200.f), GLZone(1000, 190.f, 1500, 200.f, true));
        // Taller than the full scale: the bottom stays on 0.
        QCOMPARE(movedZone(GLZone(0, 0.0f, 10, 300.0f, true), 0, 10.0f, 100, 200.0f).lower, 0.0f);
    }
};

CVO_TEST_MAIN_NO_GUI(TestPlotGeometry)
#include "tst_plotgeometry.moc"
