#include "ChannelConfig.h"
#include "ChannelSettingsWidget.h"
#include "GLPlotView.h"
#include "ModuleConfigBase.h"
#include "SystemConfig.h"
#include "TestMain.h"

#include "TSecEditorWidget.h"
#include "TimeEditSpinBox.h"
#include "TimeRangeEditorWidget.h"
#include "Value32EditSpinBox.h"
#include "ValueEditSpinBox.h"
#include "ZoneEditorWidget.h"
#include <QSignalSpy>

class TestValueEditors : public QObject
{
    Q_OBJECT

private slots:
    void decimalsFollowTheFactor_data();
    void decimalsFollowTheFactor();
    void spinBoxesConvertAndClampCounts();
    void zoneEditorKeepsItsLimits();
    void loadedValueOutOfRangeIsShownClampedNotChanged();
    void channelPageAndPlotFollowEachOther();
};

namespace {

// A ZRC module (0.1 MPa per count, at most 20.0 MPa) and a KRT24 module.
SystemConfig zrcAndKrt24(int periodSeconds)
{
    SystemConfig config;
    config.setPeriod(quint8(periodSeconds));
    config.addModule(0x01000001);
    config.addModule(0x11000002);
    return config;
}

template <typename Editor> Editor* editorOf(const QWidget& page, const char* name)
{
    auto* editor = page.findChild<Editor*>(QLatin1String(name));
    Q_ASSERT(editor);
    return editor;
}

} // namespace

void TestValueEditors::decimalsFollowTheFactor_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("decimals");
    QTest::newRow("whole") << 1.0 << 0;
    QTest::newRow("coarse") << 20.0 << 0;
    QTest::newRow("tenth") << 0.1 << 1;
    QTest::newRow("hundredth") << 0.01 << 2;
    QTest::newRow("quarter-hundredth") << 0.025 << 3;
    QTest::newRow("thousandth") << 0.001 << 3;
}

void TestValueEditors::decimalsFollowTheFactor()
{
    QFETCH(double, factor);
    QFETCH(int, decimals);
    QCOMPARE(CountSpinBox::decimalsFor(factor), decimals);
}

void TestValueEditors::spinBoxesConvertAndClampCounts()
{
    // A channel of 0.1 MPa per count with at most 200 counts: 20.0 MPa at most.
    ValueEditSpinBox value;
    value.setScale(0.1, QStringLiteral("MPa"));
    value.setCountRange(0, 200);
    QCOMPARE(value.decimals(), 1);
    value.setCount(123);
    QCOMPARE(value.text(), QStringLiteral("12.3MPa"));
    value.setValue(25.0);
    QCOMPARE(value.count(), 200);
    QCOMPARE(value.maximum(), 20.0);

    // Rounds half up to the nearest count: 0.125 s is 13 counts of 10 ms.
    TimeEditSpinBox time;
    QCOMPARE(time.toCount(0.125), 13);
    QCOMPARE(time.toCount(0.124), 12);
    time.setCountMaximum(1000);
    time.setCount(5000);
    QCOMPARE(time.count(), 1000);
    QCOMPARE(time.text(), QStringLiteral("10.00s"));

    Value32EditSpinBox slope;
    slope.setCount(-2500);
    QCOMPARE(slope.value(), -2.5);
    slope.setCount(-5000000);
    QCOMPARE(slope.count(), -Value32EditSpinBox::Limit);

    // A new scale keeps the stored count, not the shown value.
    value.setCount(150);
    value.setScale(0.01, QStringLiteral("mV"));
    QCOMPARE(value.count(), 150);
    QCOMPARE(value.text(), QStringLiteral("1.50mV"));
}

void TestValueEditors::zoneEditorKeepsItsLimits()
{
    SystemConfig config = zrcAndKrt24(10);
    const ChannelConfig& channel = *config.channelAt(0);
    ZoneEditorWidget editor;
    QSignalSpy changed(&editor, &ZoneEditorWidget::valueChanged);
    editor.setValue(channel, Zone{100, 300, 50, 150, true, true});
    QCOMPARE(changed.count(), 0); // filling is not an edit

    // A 10 s period: no time beyond 10.00 s; values stop at the channel's 20.0 MPa.
    QCOMPARE(editor.endBox()->maximum(), 10.0);
    QCOMPARE(editor.upperBox()->maximum(), channel.valueMax() * channel.valueScale());
    QCOMPARE(editor.upperBox()->decimals(), 1);

    // The start cannot pass the end, nor the end the start.
    editor.startBox()->setValue(5.0);
    QCOMPARE(editor.startBox()->count(), 300);
    editor.endBox()->setValue(0.5);
    QCOMPARE(editor.endBox()->count(), 300);

    editor.upperBox()->setValue(12.3);
    const Zone last = changed.last().first().value<Zone>();
    QCOMPARE(last, (Zone{300, 300, 50, 123, true, true}));

    editor.setChecked(false);
    QCOMPARE(changed.last().first().value<Zone>().enabled, false);
}

void TestValueEditors::loadedValueOutOfRangeIsShownClampedNotChanged()
{
    SystemConfig config = zrcAndKrt24(5);
    ChannelConfig& channel = *config.channelAt(0);
    channel.setZone1(Zone{100, 900, 10, 20, true, false}); // ends at 9 s of a 5 s period
    ChannelSettingsWidget page;
    page.setSystemConfig(&config);
    page.setChannel(&channel, 0, 0);
    ZoneEditorWidget* editor = editorOf<ZoneEditorWidget>(page, "zone1Editor");
    QCOMPARE(editor->endBox()->count(), 500);
    QVERIFY(editor->endBox()->isMarked());
    QVERIFY(!editor->startBox()->isMarked());
    QCOMPARE(channel.zone1().end, 900); // kept until the operator edits the zone

    editor->lowerBox()->setValue(1.5);
    QCOMPARE(channel.zone1(), (Zone{100, 500, 15, 20, true, false}));
    QVERIFY(!editor->endBox()->isMarked());
}

void TestValueEditors::channelPageAndPlotFollowEachOther()
{
    SystemConfig config = zrcAndKrt24(10);
    ChannelSettingsWidget page;
    page.resize(900, 700);
    page.setSystemConfig(&config);
    // The second channel of the KRT24 module is global channel 5.
    ChannelConfig& channel = *config.module(1)->channel(1);
    page.setChannel(&channel, 1, 1);
    GLPlotView* plot = page.plotView();
    QCOMPARE(plot->focusChannelIndex(), 5);

    // A zone dragged on the plot lands in the channel and in the editor.
    plot->endZoneEdit(ChannelConfig::Zone2, GLZone(1230, 12.0f, 2500, 30.0f, true));
    QCOMPARE(channel.zone2().start, 123);
    QCOMPARE(channel.zone2().end, 250);
    QCOMPARE(editorOf<ZoneEditorWidget>(page, "zone2Editor")->startBox()->count(), 123);
    QCOMPARE(editorOf<ZoneEditorWidget>(page, "zone2Editor")->upperBox()->value(), 30.0);

    // An editor change moves the zone on the plot.
    editorOf<ZoneEditorWidget>(page, "zone1Editor")->endBox()->setValue(4.0);
    QCOMPARE(channel.zone1().end, 400);
    QCOMPARE(plot->channel(5)->zone(ChannelConfig::Zone1)->endMs, 4000);

    // The peak time range and the point travel the same way.
    plot->endTSecEdit(GLTSec(3000, 20.0, 40.0, true));
    QCOMPARE(editorOf<TSecEditorWidget>(page, "pointEditor")->timeBox()->count(), 300);
    editorOf<TimeRangeEditorWidget>(page, "peakTimeEditor")->startBox()->setValue(0.5);
    QCOMPARE(plot->channel(5)->range(0)->beginMs, 500);
}

CVO_TEST_MAIN(TestValueEditors)
#include "tst_valueeditors.moc"
