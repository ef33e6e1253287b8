// The plot view and its area as the operator uses them: zooming and scrolling,
// and the edit tools driven by mouse events.
#include "PlotViewFixture.h"
#include "TestMain.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>

namespace {

// A zone, a range and a marker on channel 0, all enabled.
void addMonitoringItems(GLPlotView* view)
{
    view->setZone(0, 0, GLZone(2000, 50.0f, 4000, 150.0f, true));
    view->setRange(0, 0, GLRange(5000, 7000, true));
    view->setPointMarker(0, GLTSec(8000, 50.0, 150.0, true));
}

bool near(double a, double b, double tolerance)
{
    return std::fabs(a - b) <= tolerance;
}

} // namespace

class TestPlotView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void zoomStopsAtTwentyMsAroundItsCentre()
    {
        PlotViewFixture f;
        f.view->setXRange(4995, 5005);
        QCOMPARE(f.view->xStart(), 4990.0);
        QCOMPARE(f.view->xEnd(), 5010.0);
        f.view->setXRange(-3, 2);
        QCOMPARE(f.view->xStart(), 0.0);
        QCOMPARE(f.view->xEnd(), 20.0);
        // A rubber band two pixels wide asks for more than the deepest level, 10 ms, which
        // the 10 pixel-per-ms limit widens to 20 ms.
        f.view->setXRange(0, 1000);
        const QPoint a = f.at(500, 150);
        const double centre = (f.view->pixelToTime(a.x()) + f.view->pixelToTime(a.x() + 2)) / 2;
        f.view->zoomedBySingleMagnifier(QRect(a, QSize(2, 100)));
        QCOMPARE(f.view->xEnd() - f.view->xStart(), 20.0);
        QVERIFY(near((f.view->xStart() + f.view->xEnd()) / 2, centre, 1.0));
        QCOMPARE(f.view->xScaleSlider()->value(), 8);
    }

    void longReferenceNameNeitherWidensTheViewNorIsLost()
    {
        PlotViewFixture f;
        const int narrowest = f.view->minimumSizeHint().width();
        const QString name = QString(300, QLatin1Char('r')) + QStringLiteral(".csv");
        f.view->setReferenceName(name);
        QCOMPARE(f.view->minimumSizeHint().width(), narrowest);
        const QList<QLabel*> labels = f.view->findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [&name](const QLabel* label) {
            return label->toolTip().contains(name);
        }));
    }

    void scrollBarsFollowTheVisibleWindow()
    {
        PlotViewFixture f;
        f.view->setXRange(2000, 4000);
        QScrollBar* h = f.view->horizontalScrollBar();
        QCOMPARE(QList<int>({h->maximum(), h->pageStep(), h->value()}),
                 QList<int>({80000, 20000, 20000}));
        h->setValue(30000);
        QCOMPARE(f.view->xStart(), 3000.0);
        QCOMPARE(f.view->xEnd(), 5000.0);

        f.view->setYRange(0, 20, 70);
        f.view->setYRange(1, 0, 200);
        QScrollBar* v = f.view->verticalScrollBar();
        QCOMPARE(QList<int>({v->maximum(), v->pageStep(), v->value()}),
                 QList<int>({15000, 5000, 13000}));
        // Scrolling gives every channel the focused channel's span.
        v->setValue(v->maximum() - 3000);
        for (int ch = 0; ch < 2; ++ch) {
            QCOMPARE(f.view->channel(ch)->yMin(), 30.0f);
            QCOMPARE(f.view->channel(ch)->yMax(), 80.0f);
        }
    }

    void zoneDragsReportAnOrderedZoneOfTheFocusedChannel()
    {
        PlotViewFixture f;
        addMonitoringItems(f.view.get());
        f.view->setZone(0, 1, GLZone(3000, 50.0f, 5000, 150.0f, true));
        f.area()->setTool(GLPlotArea::ZoneEditTool);
        QSignalSpy changed(f.view.get(), &GLPlotView::zoneChanged);
        // The left edge past the right one; where two zones overlap, the earlier one.
        f.drag(f.at(2000, 100), f.at(6000, 100));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.last().at(1).toInt(), 0);
        auto zone = changed.last().at(2).value<GLZone>();
        QCOMPARE(zone.startMs, 4000);
        QVERIFY(near(zone.endMs, 6000, 15));
        QCOMPARE(zone.lower, 50.0f);
        QCOMPARE(*f.view->channel(0)->zone(0), zone);
        QCOMPARE(f.view->channel(0)->zone(1)->startMs, 3000);
        // Moved against the left border the zone keeps its size.
        f.drag(f.at(5500, 100), f.at(5500, 100) + QPoint(-900, 0));
        zone = changed.last().at(2).value<GLZone>();
        QCOMPARE(zone.startMs, 0);
        QVERIFY(near(zone.endMs, 2000, 15));
        QCOMPARE(zone.upper - zone.lower, 100.0f);
        QCOMPARE(f.view->channel(0)->zoneBeingEdited(), -1);
    }

    void noEditStartsOnEmptySpaceOrHiddenItems()
    {
        PlotViewFixture f;
        addMonitoringItems(f.view.get());
        QSignalSpy zones(f.view.get(), &GLPlotView::zoneChanged);
        QSignalSpy ranges(f.view.get(), &GLPlotView::rangeChanged);
        QSignalSpy points(f.view.get(), &GLPlotView::tSecChanged);
        for (int tool :
             {GLPlotArea::ZoneEditTool, GLPlotArea::RangeEditTool, GLPlotArea::PointEditTool}) {
            f.area()->setTool(tool);
            f.drag(f.at(9500, 190), f.at(9000, 100));
        }
        f.view->setShowZones(false);
        f.area()->setTool(GLPlotArea::ZoneEditTool);
        f.drag(f.at(3000, 100), f.at(5000, 100));
        QCOMPARE(zones.count() + ranges.count() + points.count(), 0);
        QCOMPARE(f.view->channel(0)->zone(0)->startMs, 2000);
    }

    void rangeDragsReportTheFocusedChannel()
    {
        PlotViewFixture f;
        f.view->setRange(1, 0, GLRange(5000, 7000, true));
        f.view->setFocusChannel(1);
        f.area()->setTool(GLPlotArea::RangeEditTool);
        QSignalSpy changed(f.view.get(), &GLPlotView::rangeChanged);
        f.drag(f.at(7000, 20), f.at(8000, 20));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.last().at(0).toInt(), 1);
        QCOMPARE(changed.last().at(1).toInt(), 0);
        GLRange range = changed.last().at(2).value<GLRange>();
        QCOMPARE(range.beginMs, 5000);
        QVERIFY(near(range.endMs, 8000, 15));
        // The whole range stops at the period's end.
        f.drag(f.at(6000, 20), f.at(6000, 20) + QPoint(800, 0));
        range = changed.last().at(2).value<GLRange>();
        QCOMPARE(range.endMs, 10000);
        QVERIFY(near(range.endMs - range.beginMs, 3000, 15));
    }

    void pointMarkerMovesByItsStemAndEnds()
    {
        PlotViewFixture f;
        addMonitoringItems(f.view.get());
        f.area()->setTool(GLPlotArea::PointEditTool);
        QSignalSpy changed(f.view.get(), &GLPlotView::tSecChanged);
        f.drag(f.at(8000, 100), f.at(6000, 100));
        QCOMPARE(changed.count(), 1);
        QVERIFY(near(changed.last().at(1).value<GLTSec>().timeMs, 6000, 15));
        // The upper end dragged below the lower one: the two swap.
        const int t = f.view->channel(0)->pointMarker().timeMs;
        f.drag(f.at(t, 150), f.at(t, 20));
        const auto marker = changed.last().at(1).value<GLTSec>();
        QVERIFY(near(marker.lower, 20.0, 0.5));
        QCOMPARE(marker.upper, 50.0);
        QCOMPARE(marker.editState, 0);
    }

    void waveformEditorSelectsAndMovesPoints()
    {
        PlotViewFixture f;
        GLWaveformEditor& editor = f.view->channel(0)->waveformEditor();
        editor.setPoints({{1000, 50.0f, false}, {2000, 100.0f, false}, {3000, 60.0f, false}});
        f.area()->setTool(GLPlotArea::WaveformEditTool);
        // A band around the first two points selects them; dragging one moves both.
        f.drag(f.at(500, 120), f.at(2500, 20));
        QCOMPARE(editor.selection(), (QList<int>{0, 1}));
        f.drag(f.at(2000, 100), f.at(2000, 130));
        QVERIFY(near(editor.points().at(0).value, 80.0, 0.5));
        QVERIFY(near(editor.points().at(1).value, 130.0, 0.5));
        QCOMPARE(editor.points().at(2).value, 60.0f);
        // Ctrl adds the third point; a click on empty space clears the selection.
        f.press(f.at(3000, 60), Qt::ControlModifier);
        f.release(f.at(3000, 60), Qt::ControlModifier);
        QCOMPARE(editor.selection(), (QList<int>{0, 1, 2}));
        f.press(f.at(9000, 190));
        f.release(f.at(9000, 190));
        QCOMPARE(editor.selection(), QList<int>());
        QCOMPARE(editor.dragState(), int(GLWaveformEditor::Idle));
    }
};

CVO_TEST_MAIN(TestPlotView)
#include "tst_plotview.moc"
