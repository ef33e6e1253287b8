// The simulated unit's judgement of a shot against its monitoring settings, its store of
// reference envelopes and its synthesised shots.

#include "ReferenceEnvelope.h"
#include "ShotJudge.h"
#include "ShotSynth.h"
#include "SystemConfig.h"
#include "TestMain.h"

#include <functional>

namespace {

constexpr int IntervalMs = 10;
constexpr int Samples = 501; // 5 s at 10 ms

// A curve given sample by sample (index = 10 ms steps).
QList<qint16> curve(const std::function<int(int)>& valueAt, int count = Samples)
{
    QList<qint16> samples;
    for (int i = 0; i < count; ++i)
        samples.append(qint16(valueAt(i)));
    return samples;
}

// Flat 150 counts from 0.5 s on, with one sample replaced.
QList<qint16> plateauWith(int index, int value)
{
    return curve([=](int i) { return i == index ? value : (i >= 50 ? 150 : 0); });
}

// A pressure channel (valueScale 0.1, integralScale 1.0) that judges nothing yet.
struct Fixture
{
    SystemConfig config;
    ChannelConfig* channel = nullptr;

    Fixture()
    {
        config.addModule(0x11000001);
        channel = config.channelAt(0);
        for (int zone = 0; zone < 3; ++zone)
            channel->setZone(zone, {100, 150, 100, 200, false, false});
        channel->setPoint({300, 100, 200, false});
        channel->setPeakTime({100, 200, false});
        channel->setIntegral({100, 200, false});
        channel->setPeakIntegral({100, 200, false});
        channel->setSlope({150, 200, -1000, 1000, false});
    }

    quint16 flags(const QList<qint16>& samples, const ReferenceEnvelope* envelope = nullptr,
                  int interval = IntervalMs) const
    {
        return judgeChannel(*channel, samples, interval, envelope).flags;
    }
};

const quint16 ZoneFlags[] = {ChannelResult::Zone1, ChannelResult::Zone2, ChannelResult::Eject};

QList<quint16> pairs(int count, quint16 upper, quint16 lower)
{
    QList<quint16> values;
    for (int p = 0; p < count; ++p)
        values << upper << lower;
    return values;
}

} // namespace

char* toString(const ChannelResult& r)
{
    return QTest::toString(QString::asprintf("flags %x A %d B %d C %d D %d E %d F %u G %d", r.flags,
                                             r.a, r.b, r.c, r.d, r.e, r.f, r.g));
}

class TestUnitsimCurves : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void judgesZonesByMethod_data()
    {
        QTest::addColumn<bool>("area");
        QTest::addColumn<QList<qint16>>("samples");
        QTest::addColumn<bool>("ng");
        // Zone: 1.00..1.50 s, 100..200 counts; the curve sits at 150.
        QTest::newRow("peak inside") << false << plateauWith(120, 200) << false;
        QTest::newRow("peak above") << false << plateauWith(120, 201) << true;
        QTest::newRow("peak on the window's last sample") << false << plateauWith(150, 250) << true;
        QTest::newRow("peak just after the window") << false << plateauWith(151, 250) << false;
        QTest::newRow("peak method ignores a dip") << false << plateauWith(130, 50) << false;
        QTest::newRow("area inside") << true << plateauWith(130, 100) << false;
        QTest::newRow("area with a dip") << true << plateauWith(130, 99) << true;
        QTest::newRow("window past the shot") << false << plateauWith(0, 0).mid(0, 90) << true;
    }

    void judgesZonesByMethod()
    {
        QFETCH(bool, area);
        QFETCH(QList<qint16>, samples);
        QFETCH(bool, ng);
        for (int zone = 0; zone < 3; ++zone) {
            Fixture f;
            f.channel->setZone(zone, {100, 150, 100, 200, true, area});
            QCOMPARE(f.flags(samples), ng ? ZoneFlags[zone] : 0);
            f.channel->setZone(zone, {100, 150, 100, 200, false, area});
            QCOMPARE(f.flags(samples), 0);
        }
    }

    void judgesPointPeakTimeAndSlope()
    {
        Fixture f;
        // Rises 1 count per 10 ms to 300 at 3.00 s, then falls 1 count per 10 ms.
        const QList<qint16> tent = curve([](int i) { return i <= 300 ? i : 600 - i; });
        f.channel->setPoint({250, 200, 250, true});
        QCOMPARE(f.flags(tent), 0);
        f.channel->setPoint({252, 200, 251, true});
        QCOMPARE(f.flags(tent), ChannelResult::Point);
        // At 20 ms the instant 2.51 s reads the sample taken at 2.50 s.
        f.channel->setPoint({251, 250, 250, true});
        QCOMPARE(f.flags(curve([](int i) { return 2 * i; }, 251), nullptr, 20), 0);
        f.channel->setPoint({600, 0, 400, true});
        QCOMPARE(f.flags(tent), ChannelResult::Point);

        Fixture t;
        t.channel->setPeakTime({200, 300, true});
        QCOMPARE(t.flags(tent), 0);
        t.channel->setPeakTime({200, 299, true});
        QCOMPARE(t.flags(tent), ChannelResult::PeakTime);

        // 100 counts/s at valueScale 0.1 is 10 per second: 10000 thousandths.
        Fixture s;
        s.channel->setSlope({150, 200, 10000, 10000, true});
        QCOMPARE(s.flags(tent), 0);
        s.channel->setSlope({320, 400, -10000, -10000, true});
        QCOMPARE(s.flags(tent), 0);
        s.channel->setSlope({150, 200, -1000, 9999, true});
        QCOMPARE(s.flags(tent), ChannelResult::Slope);
        s.channel->setSlope({150, 150, -100000, 100000, true});
        QCOMPARE(s.flags(tent), ChannelResult::Slope); // one sample has no slope
    }

    void judgesIntegralsInIntegralScaleCounts()
    {
        Fixture f;
        // 500 samples of 100 counts and a peak of 400 at 0.50 s, at 0.1 MPa * 0.01 s per
        // count: 50.4 MPas over the shot, 5.4 up to the peak.
        const QList<qint16> samples = curve([](int i) { return i == 50 ? 400 : 100; });
        f.channel->setIntegral({50, 50, true});
        f.channel->setPeakIntegral({5, 5, true});
        QCOMPARE(f.flags(samples), 0);
        f.channel->setIntegral({51, 60, true});
        f.channel->setPeakIntegral({0, 4, true});
        QCOMPARE(f.flags(samples), ChannelResult::Integral | ChannelResult::PeakIntegral);

        // A charge input counts its integral in steps of 10.
        f.config.addModule(0x03000002);
        const ChannelResult charge =
            judgeChannel(*f.config.channelAt(8), samples, IntervalMs, nullptr);
        QCOMPARE(charge.d, 5);
    }

    void reportsValuesOfAHandMadeCurve()
    {
        Fixture f;
        // Ramp 4 counts per step from 0.5 s, plateau of 300 from 1.00 to 1.20 s, then down
        // 1 count per step to 0 at 4.20 s. Top bits set on the wire are ignored.
        f.channel->setEject({300, 400, 100, 200, false, false});
        const QList<qint16> samples = curve([](int i) {
            if (i < 50)
                return i == 10 ? 0x8000 : 0;
            if (i < 100)
                return 4 * (i - 50);
            return qMax(0, 300 - qMax(0, i - 120));
        });
        // Peak 300 at 1.00 s; 120 at 3.00 s and the highest in 3.00..4.00 s; integrals
        // (4900 + 6300 + 44850) * 0.1 * 0.01 = 56.05 and (4900 + 300) * 0.001 = 5.2.
        const ChannelResult expected{0, 300, 120, 120, 56, 5, 1000, -10000};
        QCOMPARE(judgeChannel(*f.channel, samples, IntervalMs, nullptr), expected);

        f.channel->setEnabled(false);
        QCOMPARE(judgeChannel(*f.channel, samples, IntervalMs, nullptr), ChannelResult{});
        f.channel->setEnabled(true);
        f.config.module(0)->setEnabled(false);
        QCOMPARE(judgeChannel(*f.channel, samples, IntervalMs, nullptr), ChannelResult{});
    }

    void judgesAgainstTheReferenceEnvelope()
    {
        Fixture f;
        f.channel->setWaveformEnabled(true);
        ReferenceStore store;
        QList<quint16> ranges(16, 0);
        ranges[0] = 100; // 1.00 .. 2.00 s
        ranges[1] = 200;
        QVERIFY(store.setRanges(1, ranges));
        // 101 points 100..200 counts, with a lower limit below zero in the last one.
        QVERIFY(store.setWaveformChunk(1, 1, 0, 100, pairs(100, 200, 100)));
        QVERIFY(store.setWaveformChunk(1, 1, 100, 1, {200, quint16(-5)}));
        const ReferenceEnvelope* envelope = store.envelope(0);
        QVERIFY(envelope);

        QCOMPARE(f.flags(plateauWith(200, 0), envelope), 0);
        QCOMPARE(f.flags(plateauWith(120, 100), envelope), 0); // both limits belong to it
        QCOMPARE(f.flags(plateauWith(150, 201), envelope), ChannelResult::Waveform);
        QCOMPARE(f.flags(plateauWith(100, 99), envelope), ChannelResult::Waveform);
        QCOMPARE(f.flags(plateauWith(99, 0), envelope), 0);  // before the range
        QCOMPARE(f.flags(plateauWith(201, 0), envelope), 0); // after it
        f.channel->setWaveformEnabled(false);
        QCOMPARE(f.flags(plateauWith(150, 201), envelope), 0);

        // Only the points sent are judged.
        f.channel->setWaveformEnabled(true);
        QVERIFY(store.setWaveformChunk(1, 1, 0, 10, pairs(10, 200, 100)));
        QCOMPARE(f.flags(plateauWith(150, 201), store.envelope(0)), 0);
    }
};

CVO_TEST_MAIN_NO_GUI(TestUnitsimCurves)
#include "tst_unitsim_curves.moc"
