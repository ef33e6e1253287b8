#include "ChannelConfig.h"
#include "TestMain.h"

#include <QTest>

#include <cmath>

class TestChannelConfig : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plotShapesOrderTheirCornersButNotThePointBand()
    {
        GLZone zone(1500, 20.0f, 1000, 10.0f, true);
        QCOMPARE(zone.startMs, 1000);
        QCOMPARE(zone.endMs, 1500);
        QCOMPARE(zone.lower, 10.0f);
        QCOMPARE(zone.upper, 20.0f);
        QCOMPARE(zone.editState, 0);
        GLZone dragged = zone;
        dragged.editState = 3; // plot state, not part of the value
        QCOMPARE(dragged, zone);

        const GLRange range(800, 200, false);
        QCOMPARE(range.beginMs, 200);
        QCOMPARE(range.endMs, 800);

        const GLTSec point(3000, 20.0, 10.0, true);
        QCOMPARE(point.lower, 20.0);
        QCOMPARE(point.upper, 10.0);
    }

    void newChannelHasTheMonitoringDefaults()
    {
        const ChannelConfig channel;
        QCOMPARE(channel.enabled(), true);
        QCOMPARE(channel.waveformEnabled(), false);
        QCOMPARE(channel.zone1(), (Zone{100, 150, 100, 200, true, false}));
        QCOMPARE(channel.zone2(), channel.zone1());
        QCOMPARE(channel.point(), (TSec{300, 100, 200, true}));
        QCOMPARE(channel.peakTime(), (TimeRange{100, 200, true}));
        QCOMPARE(channel.eject(), (Zone{300, 400, 100, 200, true, false}));
        QCOMPARE(channel.integral(), (ValueRange{100, 200, true}));
        QCOMPARE(channel.peakIntegral(), channel.integral());
        QCOMPARE(channel.slope(), (Slope{150, 200, -1000, 1000, true}));
        QCOMPARE(channel.unitText(), QStringLiteral("MPa"));
    }

    void equalityComparesMonitoringAndTitleOnly()
    {
        ChannelConfig a;
        a.setTitle(QStringLiteral("Gate"));
        ChannelConfig b = a;
        b.setFixedTitle(QStringLiteral("<Pseudo-resister>"));
        b.setScale(ChannelScale{1.0, 0.1, 3, 10000, 12000});
        QVERIFY(a == b);

        b = a;
        b.setTitle(QStringLiteral("Gate 2"));
        QVERIFY(a != b);

        b = a;
        Zone eject = b.eject();
        eject.methodArea = true;
        b.setEject(eject);
        QVERIFY(a != b);

        b = a;
        b.setWaveformEnabled(true);
        QVERIFY(a != b);
    }

    void unitCodesWithoutTextKeepThePreviousText()
    {
        ChannelConfig channel;
        channel.setUnitCode(5);
        QCOMPARE(channel.unitText(), QStringLiteral("Cs"));
        channel.setUnitCode(4);
        QCOMPARE(channel.unitCode(), 4U);
        QCOMPARE(channel.unitText(), QStringLiteral("Cs"));
        channel.setUnitCode(8);
        QCOMPARE(channel.unitText(), QStringLiteral("Cs"));
    }

    void itemsConvertToPlotInMillisecondsAndPhysicalValues()
    {
        const ChannelConfig channel;
        QCOMPARE(channel.glZone(ChannelConfig::Zone1), GLZone(1000, 10.0f, 1500, 20.0f, true));
        QCOMPARE(channel.glZone(ChannelConfig::EjectZone), GLZone(3000, 10.0f, 4000, 20.0f, true));
        QCOMPARE(channel.glPoint(), GLTSec(3000, 10.0, 20.0, true));
        QCOMPARE(channel.glPeakTime(), GLRange(1000, 2000, true));
    }

    void plotTimesTruncateAndValuesRoundHalfUp()
    {
        ChannelConfig channel;
        Zone area = channel.zone2();
        area.methodArea = true;
        channel.setZone2(area);

        channel.setZoneFromPlot(ChannelConfig::Zone2, GLZone(1004, 10.05f, 1509, 20.04f, false));
        // Only the geometry comes from the plot: enabled and method stay.
        QCOMPARE(channel.zone2(), (Zone{100, 150, 101, 200, true, true}));
        QCOMPARE(channel.zone1(), ChannelConfig().zone1());

        channel.setPeakTimeFromPlot(GLRange(999, 2009, false));
        QCOMPARE(channel.peakTime(), (TimeRange{99, 200, true}));

        channel.setPointFromPlot(GLTSec(3019, 0.04, 15.15, false));
        QCOMPARE(channel.point(), (TSec{301, 0, 152, true}));
    }

    void plotValuesOutsideTheCountRangeWrapOrReadAsZero()
    {
        ChannelConfig channel;
        channel.setPointFromPlot(GLTSec(0, -0.1, std::nan(""), true));
        QCOMPARE(channel.point().lower, quint16(65535));
        QCOMPARE(channel.point().upper, quint16(0));

        channel.setPointFromPlot(GLTSec(0, 1e300, HUGE_VAL, true));
        QCOMPARE(channel.point().lower, quint16(0));
        QCOMPARE(channel.point().upper, quint16(0));

        const ChannelConfig before = channel;
        channel.setZoneFromPlot(7, GLZone(0, 0.0f, 0, 0.0f, false));
        QVERIFY(channel == before);
    }
};

CVO_TEST_MAIN_NO_GUI(TestChannelConfig)
#include "tst_channelconfig.moc"
