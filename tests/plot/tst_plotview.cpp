// The plot view and its area as the operator uses them: toolbar, header, zooming and
// scrolling, and the edit tools driven by mouse events.
#include "ChannelConfig.h"
#include "GLXAxis.h"
#include "GLYAxis.h"
#include "PlotViewFixture.h"
#include "TestMain.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QToolBar>

namespace {

QList<QAction*> itemActions(const QToolBar* toolBar)
{
    QList<QAction*> actions;
    for (QAction* a : toolBar->actions()) {
        if (!a->isSeparator() && !a->icon().isNull())
            actions.append(a);
    }
    return actions;
}

QAction* actionWithData(const QToolBar* toolBar, int data, bool tool)
{
    for (QAction* a : itemActions(toolBar)) {
        const bool isTool = a->actionGroup() != nullptr;
        if (isTool == tool && a->data().toInt() == data)
            return a;
    }
    return nullptr;
}

// A zone, a range and a marker on channel 0, all enabled.
void addMonitoringItems(GLPlotView* view)
{
    view->setZone(0, 0, GLZone(2000, 50.0f, 4000, 150.0f, true));
    view->setRange(0, 0, GLRange(5000, 7000, true));
    view->setPointMarker(0, GLTSec(8000, 50.0, 150.0, true));
}

} // namespace

class TestPlotView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headerNamesPeriodRateReferenceAndMold();
    void headerOfTheDataViewerHasNoReference();
    void toolbarHoldsTheGivenItemsInOrder();
    void areaFollowsTheToolTheToolbarShowsChosen();
    void zoneToggleHidesZonesPointsAndRangesTogether();
    void pointToggleChangesNothing();
    void focusShowsTheChannelsUnit();
    void axisLabelsCarryAsManyDecimalsAsTheStepNeeds();
    void configurationHandOffFillsTheChannel();
    void pressureFullScaleReachesPressureChannelsOnly();
    void tinyRubberBandZoomsToTheDeepestLevelAroundItsCentre();
    void zoomBelowTenPixelsPerMsIsWidenedTo20Ms();
    void clickWithTheZoomToolZoomsOneLevelOnBothAxes();
    void allChannelZoomUsesEachChannelsOwnScale();
    void scrollBarsFollowTheVisibleWindow();
    void scrollingVerticallyGivesEveryChannelTheFocusedSpan();
    void handToolDragsTheContentAlong();
    void fitAllChannelsFitsEachChannelToItsOwnData();
    void draggingALeftEdgePastTheRightEdgeReportsAnOrderedZone();
    void movingAZoneAgainstTheLeftBorderKeepsItsWidth();
    void overlappingZonesEditTheEarlierOne();
    void pressOnEmptySpaceStartsNoEdit();
    void hiddenZonesCannotBeDragged();
    void editsAreReportedWithTheFocusedChannel();
    void hoverOverAZoneEdgeShowsAResizeCursor();
    void rangeEdgeAndWholeRangeDrags();
    void pointMarkerStemEndsAndSwap();
    void waveformEditorSelectsAndMovesPoints();
    void readOutsListChannelsInLiveModeOnly();
    void leavingWithACursorToolRemovesTheCursor();
};

void TestPlotView::headerNamesPeriodRateReferenceAndMold()
{
    PlotViewFixture f;
    QCOMPARE(f.view->headerLabel()->text(),
             QStringLiteral("PERIOD: 10s  SAMPLING RATE: 1ms  REFERENCE:N/A  MOLD:N/A"));
    f.view->setReferenceWaveforms({{1, 2}}, 5, QStringLiteral("all_0001.csv"));
    f.view->setMoldName(QStringLiteral("MoldA"));
    QCOMPARE(
        f.view->headerLabel()->text(),
        QStringLiteral("PERIOD: 10s  SAMPLING RATE: 1ms  REFERENCE:all_0001.csv  MOLD:MoldA.xml"));
    QCOMPARE(f.view->channel(0)->referenceInterval(), 5);
}

void TestPlotView::headerOfTheDataViewerHasNoReference()
{
    GLPlotView view;
    view.setMode(DataViewerMode);
    QCOMPARE(view.headerText(), QStringLiteral("  MOLD:N/A"));
    view.setObservationPeriod(2500);
    view.setSamplingInterval(5);
    QCOMPARE(view.headerText(), QStringLiteral("PERIOD: 2s  SAMPLING RATE: 5ms  MOLD:N/A"));
}

void TestPlotView::toolbarHoldsTheGivenItemsInOrder()
{
    GLPlotView view;
    view.setupToolbar({16, 13, 99, 10, 9, 99, 6, 8, 7, 5, 4, 2, 1, 42});
    QStringList tips;
    for (QAction* a : itemActions(view.toolBar()))
        tips.append(a->toolTip());
    QCOMPARE(tips, (QStringList{"Show/Hide Reference waveform", "Show/Hide Overwrite",
                                "Zoom out horizontally to full scale", "Zoom out to full scale",
                                "Monitoring zone edit tool", "Range edit tool",
                                "Point monitoring edit tool", "Integral cursor tool", "Cursor tool",
                                "Single channel zoom tool", "Hand tool"}));
    int separators = 0;
    for (QAction* a : view.toolBar()->actions())
        separators += a->isSeparator() ? 1 : 0;
    QCOMPARE(separators, 2);
    for (QAction* a : itemActions(view.toolBar()))
        QVERIFY2(!a->icon().pixmap(24).isNull(), qPrintable(a->toolTip()));
    QCOMPARE(actionWithData(view.toolBar(), 6, true)->toolTip(), QStringLiteral("Range edit tool"));
    QVERIFY(actionWithData(view.toolBar(), 16, false)->isChecked());
}

void TestPlotView::areaFollowsTheToolTheToolbarShowsChosen()
{
    GLPlotView view;
    view.setupToolbar({10, 9, 99, 4, 3, 1});
    QVERIFY(actionWithData(view.toolBar(), 0, true)->isChecked());
    QCOMPARE(view.plotArea()->tool(), int(GLPlotArea::HandTool));
    actionWithData(view.toolBar(), 3, true)->trigger();
    QCOMPARE(view.plotArea()->tool(), int(GLPlotArea::CursorTool));

    view.setupToolbar({1, 6, 18});
    QVERIFY(actionWithData(view.toolBar(), 7, true)->isChecked());
    QCOMPARE(view.plotArea()->tool(), int(GLPlotArea::WaveformEditTool));
}

void TestPlotView::zoneToggleHidesZonesPointsAndRangesTogether()
{
    GLPlotView view;
    view.setupToolbar({13, 14, 15, 16, 17});
    actionWithData(view.toolBar(), 14, false)->trigger();
    QVERIFY(!view.isLayerToggledOn(GLLayer::Zones));
    QVERIFY(!view.isLayerToggledOn(GLLayer::PointMarker));
    QVERIFY(!view.isLayerToggledOn(GLLayer::TimeRanges));
    QVERIFY(view.isLayerToggledOn(GLLayer::Overwrite));
    actionWithData(view.toolBar(), 13, false)->trigger();
    QVERIFY(!view.isLayerToggledOn(GLLayer::Overwrite));
}

void TestPlotView::pointToggleChangesNothing()
{
    GLPlotView view;
    view.setupToolbar({15});
    actionWithData(view.toolBar(), 15, false)->trigger();
    for (GLLayer layer : {GLLayer::Zones, GLLayer::PointMarker, GLLayer::TimeRanges,
                          GLLayer::Overwrite, GLLayer::Reference, GLLayer::MonitoringBand})
        QVERIFY(view.isLayerToggledOn(layer));
}

void TestPlotView::focusShowsTheChannelsUnit()
{
    PlotViewFixture f;
    f.view->setDataType(1, 1);
    f.view->setFocusChannel(1);
    QCOMPARE(f.view->unitLabel()->text(), QStringLiteral("C"));
    QCOMPARE(f.view->focusedFullScale(), 1000.0f);
    f.view->setFocusChannel(7);
    QCOMPARE(f.view->focusChannelIndex(), 1);
}

void TestPlotView::axisLabelsCarryAsManyDecimalsAsTheStepNeeds()
{
    QCOMPARE(GLXAxis::label(2000, 1000), QStringLiteral("2"));
    QCOMPARE(GLXAxis::label(1500, 500), QStringLiteral("1.5"));
    QCOMPARE(GLXAxis::label(1250, 50), QStringLiteral("1.25"));
    QCOMPARE(GLYAxis::label(20.0, 5.0), QStringLiteral("20"));
    QCOMPARE(GLYAxis::label(0.5, 0.1), QStringLiteral("0.5"));
    QCOMPARE(GLYAxis::label(0.05, 0.01), QStringLiteral("0.05"));
}

void TestPlotView::configurationHandOffFillsTheChannel()
{
    GLPlotView view;
    view.setChannelCount(1);
    ChannelConfig config;
    config.setUnitCode(2);
    config.setTitle(QStringLiteral("Cavity 1"));
    config.setWaveformEnabled(true);
    config.setEnabled(false);
    view.applyChannelConfig(0, config);
    const GLPlotData* channel = view.channel(0);
    QVERIFY(!channel->isEnabled());
    QCOMPARE(channel->zoneCount(), 3);
    QCOMPARE(*channel->zone(0), GLZone(1000, 10.0f, 1500, 20.0f, true));
    QCOMPARE(channel->zone(2)->startMs, 3000);
    QCOMPARE(view.range(0, 0), std::optional<GLRange>(GLRange(1000, 2000, true)));
    QCOMPARE(view.range(0, 1), std::nullopt);
    QCOMPARE(channel->pointMarker().timeMs, 3000);
    QCOMPARE(channel->pointMarker().upper, 20.0);
    QCOMPARE(channel->name(), QStringLiteral("Cavity 1"));
    QCOMPARE(channel->unitText(), QStringLiteral("MPa"));
    QVERIFY(channel->isMonitoringWaveformOn());
}

void TestPlotView::pressureFullScaleReachesPressureChannelsOnly()
{
    PlotViewFixture f(3);
    f.view->setDataType(2, 1);
    f.view->setYRange(0, 20, 60);
    f.view->setPressureFullScale(50.0f);
    QCOMPARE(f.view->channel(1)->fullScale(), 50.0f);
    QCOMPARE(f.view->channel(2)->fullScale(), 1000.0f);
    QCOMPARE(f.view->focusedYMin(), 0.0f);
    QCOMPARE(f.view->focusedYMax(), 50.0f);
    f.view->setFocusChannel(2);
    f.view->setPressureFullScale(100.0f);
    QCOMPARE(f.view->focusedYMax(), 1000.0f);
}

void TestPlotView::tinyRubberBandZoomsToTheDeepestLevelAroundItsCentre()
{
    PlotViewFixture f;
    f.view->setXRange(0, 1000);
    const QPoint a = f.at(500, 150);
    const QRect band(a, QSize(2, 100));
    const double centre = (f.view->pixelToTime(a.x()) + f.view->pixelToTime(a.x() + 2)) / 2;
    QVERIFY(10000 / (f.view->pixelToTime(a.x() + 2) - f.view->pixelToTime(a.x())) > 1000);
    f.view->zoomedBySingleMagnifier(band);
    // Factor 1000 is 10 ms, which the 10 pixel-per-ms limit widens to 20 ms.
    QCOMPARE(f.view->xEnd() - f.view->xStart(), 20.0);
    QVERIFY(std::fabs((f.view->xStart() + f.view->xEnd()) / 2 - centre) <= 1.0);
    QCOMPARE(f.view->xScaleSlider()->value(), 8);
}

void TestPlotView::zoomBelowTenPixelsPerMsIsWidenedTo20Ms()
{
    PlotViewFixture f;
    f.view->setXRange(4995, 5005);
    QCOMPARE(f.view->xStart(), 4990.0);
    QCOMPARE(f.view->xEnd(), 5010.0);
    f.view->setXRange(-3, 2);
    QCOMPARE(f.view->xStart(), 0.0);
    QCOMPARE(f.view->xEnd(), 20.0);
}

void TestPlotView::clickWithTheZoomToolZoomsOneLevelOnBothAxes()
{
    PlotViewFixture f;
    f.area()->setTool(GLPlotArea::SingleChannelZoomTool);
    const QPoint click = f.at(3000, 60);
    const double t = f.view->pixelToTime(click.x());
    const double v = f.view->pixelToValue(click.y());
    f.press(click);
    f.release(click);
    QCOMPARE(f.view->xEnd() - f.view->xStart(), 5000.0);
    QVERIFY(std::fabs((f.view->xStart() + f.view->xEnd()) / 2 - t) <= 1.0);
    QCOMPARE(f.view->focusedYMax() - f.view->focusedYMin(), 100.0f);
    QVERIFY(std::fabs((f.view->focusedYMin() + f.view->focusedYMax()) / 2 - v) <= 0.5);
    QCOMPARE(f.view->xScaleSlider()->value(), 1);
    QCOMPARE(f.view->yScaleSlider()->value(), 1);
    // Channel 1 is not focused and keeps its range.
    QCOMPARE(f.view->channel(1)->yMax(), 200.0f);
}

void TestPlotView::allChannelZoomUsesEachChannelsOwnScale()
{
    PlotViewFixture f;
    f.view->setYRange(1, 0, 100);
    f.area()->setTool(GLPlotArea::AllChannelZoomTool);
    const int h = f.area()->height();
    f.drag(QPoint(100, h / 2), QPoint(400, h));
    QVERIFY(std::fabs(f.view->channel(0)->yMax() - 100.0f) < 1.0f);
    QVERIFY(std::fabs(f.view->channel(1)->yMax() - 50.0f) < 1.0f);
    QCOMPARE(f.view->channel(1)->yMin(), 0.0f);
}

void TestPlotView::scrollBarsFollowTheVisibleWindow()
{
    PlotViewFixture f;
    f.view->setXRange(2000, 4000);
    QScrollBar* h = f.view->horizontalScrollBar();
    QCOMPARE(h->maximum(), 80000);
    QCOMPARE(h->pageStep(), 20000);
    QCOMPARE(h->value(), 20000);
    h->setValue(30000);
    QCOMPARE(f.view->xStart(), 3000.0);
    QCOMPARE(f.view->xEnd(), 5000.0);

    f.view->setYRange(0, 20, 70);
    QScrollBar* v = f.view->verticalScrollBar();
    QCOMPARE(v->maximum(), 15000);
    QCOMPARE(v->pageStep(), 5000);
    QCOMPARE(v->value(), 13000);
}

void TestPlotView::scrollingVerticallyGivesEveryChannelTheFocusedSpan()
{
    PlotViewFixture f;
    f.view->setYRange(0, 0, 50);
    f.view->setYRange(1, 0, 200);
    QScrollBar* v = f.view->verticalScrollBar();
    v->setValue(v->maximum() - 2000);
    for (int ch = 0; ch < 2; ++ch) {
        QCOMPARE(f.view->channel(ch)->yMin(), 20.0f);
        QCOMPARE(f.view->channel(ch)->yMax(), 70.0f);
    }
}

void TestPlotView::handToolDragsTheContentAlong()
{
    PlotViewFixture f;
    f.view->setXRange(2000, 4000);
    f.view->setYRange(0, 50, 100);
    f.area()->setTool(GLPlotArea::HandTool);
    const double msPerPx = 2000.0 / f.area()->width();
    const double valuePerPx = 50.0 / f.area()->height();
    f.drag(QPoint(300, 200), QPoint(400, 160));
    QVERIFY(std::fabs(f.view->xStart() - (2000 - 100 * msPerPx)) <= 0.2);
    QVERIFY(std::fabs(f.view->focusedYMin() - (50 - 40 * valuePerPx)) <= 0.02);
    QCOMPARE(f.view->xEnd() - f.view->xStart(), 2000.0);
}

void TestPlotView::fitAllChannelsFitsEachChannelToItsOwnData()
{
    PlotViewFixture f;
    f.view->startNewShot();
    f.view->appendSamples(0, {40, 60});
    f.view->appendSamples(1, {100, 120});
    f.view->fitAllY();
    QCOMPARE(f.view->channel(0)->yMin(), 39.0f);
    QCOMPARE(f.view->channel(0)->yMax(), 61.0f);
    QCOMPARE(f.view->channel(1)->yMin(), 99.0f);
    QCOMPARE(f.view->channel(1)->yMax(), 121.0f);
    f.view->fitFullScale();
    QCOMPARE(f.view->channel(1)->yMax(), 200.0f);
}

void TestPlotView::draggingALeftEdgePastTheRightEdgeReportsAnOrderedZone()
{
    PlotViewFixture f;
    addMonitoringItems(f.view.get());
    f.area()->setTool(GLPlotArea::ZoneEditTool);
    QSignalSpy changed(f.view.get(), &GLPlotView::zoneChanged);
    f.drag(f.at(2000, 100), f.at(6000, 100));
    QCOMPARE(changed.count(), 1);
    const auto zone = changed.first().at(2).value<GLZone>();
    QVERIFY(zone.startMs <= zone.endMs);
    QCOMPARE(zone.startMs, 4000);
    QVERIFY(std::abs(zone.endMs - 6000) <= 15);
    QCOMPARE(zone.lower, 50.0f);
    QCOMPARE(*f.view->channel(0)->zone(0), zone);
    QCOMPARE(f.view->channel(0)->zoneBeingEdited(), -1);
}

void TestPlotView::movingAZoneAgainstTheLeftBorderKeepsItsWidth()
{
    PlotViewFixture f;
    addMonitoringItems(f.view.get());
    f.area()->setTool(GLPlotArea::ZoneEditTool);
    QSignalSpy changed(f.view.get(), &GLPlotView::zoneChanged);
    f.drag(f.at(3000, 100), f.at(3000, 100) + QPoint(-600, 0));
    QCOMPARE(changed.count(), 1);
    const auto zone = changed.first().at(2).value<GLZone>();
    QCOMPARE(zone.startMs, 0);
    QCOMPARE(zone.endMs, 2000);
    QCOMPARE(zone.upper - zone.lower, 100.0f);
}

void TestPlotView::overlappingZonesEditTheEarlierOne()
{
    PlotViewFixture f;
    f.view->setZone(0, 0, GLZone(2000, 50.0f, 4000, 150.0f, true));
    f.view->setZone(0, 1, GLZone(3000, 50.0f, 5000, 150.0f, true));
    f.area()->setTool(GLPlotArea::ZoneEditTool);
    QSignalSpy changed(f.view.get(), &GLPlotView::zoneChanged);
    f.drag(f.at(3500, 100), f.at(3500, 80));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(1).toInt(), 0);
    QCOMPARE(f.view->channel(0)->zone(1)->lower, 50.0f);
}

void TestPlotView::pressOnEmptySpaceStartsNoEdit()
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
    QCOMPARE(zones.count() + ranges.count() + points.count(), 0);
}

void TestPlotView::hiddenZonesCannotBeDragged()
{
    PlotViewFixture f;
    addMonitoringItems(f.view.get());
    f.view->setShowZones(false);
    f.area()->setTool(GLPlotArea::ZoneEditTool);
    QSignalSpy changed(f.view.get(), &GLPlotView::zoneChanged);
    f.drag(f.at(3000, 100), f.at(5000, 100));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(f.view->channel(0)->zone(0)->startMs, 2000);
}

void TestPlotView::editsAreReportedWithTheFocusedChannel()
{
    PlotViewFixture f;
    f.view->setRange(1, 0, GLRange(5000, 7000, true));
    f.view->setFocusChannel(1);
    f.area()->setTool(GLPlotArea::RangeEditTool);
    QSignalSpy changed(f.view.get(), &GLPlotView::rangeChanged);
    f.drag(f.at(6000, 100), f.at(6500, 100));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toInt(), 1);
    QCOMPARE(changed.first().at(1).toInt(), 0);
}

void TestPlotView::hoverOverAZoneEdgeShowsAResizeCursor()
{
    PlotViewFixture f;
    addMonitoringItems(f.view.get());
    f.area()->setTool(GLPlotArea::ZoneEditTool);
    f.move(f.at(2000, 100), false);
    QCOMPARE(f.area()->cursor().shape(), Qt::SizeHorCursor);
    f.move(f.at(4000, 150), false);
    QCOMPARE(f.area()->cursor().shape(), Qt::SizeBDiagCursor);
    f.move(f.at(3000, 100), false);
    QCOMPARE(f.area()->cursor().shape(), Qt::SizeAllCursor);
    f.move(f.at(9000, 100), false);
    QCOMPARE(f.area()->cursor().shape(), Qt::ArrowCursor);
}

void TestPlotView::rangeEdgeAndWholeRangeDrags()
{
    PlotViewFixture f;
    addMonitoringItems(f.view.get());
    f.area()->setTool(GLPlotArea::RangeEditTool);
    QSignalSpy changed(f.view.get(), &GLPlotView::rangeChanged);
    f.drag(f.at(7000, 20), f.at(8000, 20));
    QCOMPARE(changed.count(), 1);
    GLRange range = changed.last().at(2).value<GLRange>();
    QCOMPARE(range.beginMs, 5000);
    QVERIFY(std::abs(range.endMs - 8000) <= 15);

    f.drag(f.at(6000, 20), f.at(6000, 20) + QPoint(800, 0));
    range = changed.last().at(2).value<GLRange>();
    QCOMPARE(range.endMs, 10000);
    QVERIFY(std::abs(range.endMs - range.beginMs - 3000) <= 15);
}

void TestPlotView::pointMarkerStemEndsAndSwap()
{
    PlotViewFixture f;
    addMonitoringItems(f.view.get());
    f.area()->setTool(GLPlotArea::PointEditTool);
    QSignalSpy changed(f.view.get(), &GLPlotView::tSecChanged);
    f.drag(f.at(8000, 100), f.at(6000, 100));
    QCOMPARE(changed.count(), 1);
    QVERIFY(std::abs(changed.last().at(1).value<GLTSec>().timeMs - 6000) <= 15);

    const int t = f.view->channel(0)->pointMarker().timeMs;
    f.drag(f.at(t, 150), f.at(t, 20));
    const auto marker = changed.last().at(1).value<GLTSec>();
    QVERIFY(std::fabs(marker.lower - 20.0) < 0.5);
    QCOMPARE(marker.upper, 50.0);
    QCOMPARE(marker.editState, 0);
}

void TestPlotView::waveformEditorSelectsAndMovesPoints()
{
    PlotViewFixture f;
    GLWaveformEditor& editor = f.view->channel(0)->waveformEditor();
    editor.setPoints({{1000, 50.0f, false}, {2000, 100.0f, false}, {3000, 60.0f, false}});
    f.area()->setTool(GLPlotArea::WaveformEditTool);
    // A band around the first two points selects them; dragging one moves both.
    f.drag(f.at(500, 120), f.at(2500, 20));
    QCOMPARE(editor.selection(), (QList<int>{0, 1}));
    f.drag(f.at(2000, 100), f.at(2000, 130));
    QVERIFY(std::fabs(editor.points().at(0).value - 80.0f) < 0.5f);
    QVERIFY(std::fabs(editor.points().at(1).value - 130.0f) < 0.5f);
    QCOMPARE(editor.points().at(2).value, 60.0f);
    // Ctrl adds the third point; a plain click on it selects it alone.
    f.press(f.at(3000, 60), Qt::ControlModifier);
    f.release(f.at(3000, 60), Qt::ControlModifier);
    QCOMPARE(editor.selection(), (QList<int>{0, 1, 2}));
    f.press(f.at(9000, 190));
    f.release(f.at(9000, 190));
    QCOMPARE(editor.selection(), QList<int>());
    QCOMPARE(editor.dragState(), int(GLWaveformEditor::Idle));
}

void TestPlotView::readOutsListChannelsInLiveModeOnly()
{
    PlotViewFixture f(3);
    f.view->setChannelName(0, QStringLiteral("Gate"));
    f.view->startNewShot();
    f.view->appendSamples(0, GLWaveform(5000, 12.5f));
    f.view->appendSamples(2, GLWaveform(5000, 7.0f));
    f.area()->setTool(GLPlotArea::CursorTool);
    const QPoint pos(int(std::lround(f.view->timeToPixel(2000))), 10);
    const QString time =
        QStringLiteral("Time:%1s\n")
            .arg(QString::number(int(f.view->pixelToTime(pos.x()) + 0.5) / 1000.0));
    QCOMPARE(f.area()->toolTipText(pos), time + "\n 1) Gate : 12.5[MPa]\n 3) <untitled> : 7[MPa]");
    f.area()->setTool(GLPlotArea::HandTool);
    QCOMPARE(f.area()->toolTipText(pos), time);
    f.area()->setTool(GLPlotArea::CursorTool);
    f.view->setMode(ChannelSettingsMode);
    QCOMPARE(f.area()->toolTipText(pos), time + "\n 1) Gate : 12.5[MPa]");
    f.view->setMode(DataViewerMode);
    QCOMPARE(f.area()->toolTipText(pos), time);
}

void TestPlotView::leavingWithACursorToolRemovesTheCursor()
{
    PlotViewFixture f;
    f.view->setGridOpacity(0.0f);
    f.area()->setTool(GLPlotArea::CursorTool);
    const QPoint pos = f.at(5000, 100);
    QEnterEvent enter{QPointF(pos), QPointF(pos), QPointF(f.area()->mapToGlobal(pos))};
    QCoreApplication::sendEvent(f.area(), &enter);
    f.move(pos, false);
    QVERIFY(f.area()->isCursorShown());
    QCOMPARE(QColor(f.area()->grabFramebuffer().pixel(pos)), QColor(Qt::white));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(f.area(), &leave);
    QVERIFY(!f.area()->isCursorShown());
    QCOMPARE(QColor(f.area()->grabFramebuffer().pixel(pos)), QColor(Qt::black));
}

CVO_TEST_MAIN(TestPlotView)
#include "tst_plotview.moc"
