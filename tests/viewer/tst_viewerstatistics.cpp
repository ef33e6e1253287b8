// The statistics that turn recorded waveforms into a monitoring waveform, against
// vectors worked out by hand.
#include "ChannelStatistics.h"
#include "TestMain.h"

#include <QTest>

using WaveformStatistics::Waveform;

class TestViewerStatistics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void averageAndDeviationOfVisibleFilesOnly()
    {
        using namespace WaveformStatistics;
        const QList<Waveform> files{{1, 2}, {3, 6}};
        const Waveform both = average(files, {true, true});
        QCOMPARE(both, (Waveform{2, 4}));
        QCOMPARE(standardDeviation(files, {true, true}, both), (Waveform{1, 2}));
        const Waveform single = average(files, {false, true});
        QCOMPARE(standardDeviation(files, {false, true}, single), (Waveform{0, 0}));
        QVERIFY(average(files, {false, false}).isEmpty());
        // Shorter files are never read past their end.
        QCOMPARE(average({{2, 4, 6}, {4}}, {true, true}), (Waveform{3, 4, 6}));
    }

    void limitEnvelopeFromSmoothedSigmaOffsetAndTimeAllowance()
    {
        using namespace WaveformStatistics;
        // Sample 0 averages in[0] four times (indices -3..0) with in[1], in[2], in[3].
        QCOMPARE(smoothed({8, 0, 0, 4, 16}, 3).first(), (8.0f * 4 + 0 + 0 + 4) / 7);
        // The larger of sigma and minimum offset; a lower limit never falls below zero.
        QCOMPARE(limitEnvelope({10, 10}, {0.5f, 3.0f}, 1.0f, 2.0f, 0, 0), (Waveform{12, 13}));
        QCOMPARE(limitEnvelope({1, 5}, {0, 0}, -1.0f, -2.0f, 0, 0), (Waveform{0, 3}));
        const Waveform average{0, 10, 0, 0, 0, 20};
        const Waveform flat(6, 0.0f);
        // With an allowance of 2, sample 2 is compared with samples 0 and 4 only, so the
        // peak at sample 1 right beside it does not lift it; sample 3 reaches sample 5.
        QCOMPARE(limitEnvelope(average, flat, 1.0f, 0.0f, 2, 0), (Waveform{0, 10, 0, 20, 20, 20}));
        QCOMPARE(limitEnvelope(average, flat, 1.0f, 0.0f, 100, 0), (Waveform(6, 20.0f)));
        QCOMPARE(limitEnvelope(average, Waveform(5, 0.0f), 1, 0, 2, 0), Waveform());
        QVERIFY(limitEnvelope({}, {}, 1.0f, 1.0f, 20, 10).isEmpty());
    }

    void oneFileGivesNoSpreadOnlyWithoutSmoothing()
    {
        const QList<QList<QList<float>>> oneFile{{{0, 0, 9, 1}}};
        QList<ChannelParameters> parameters{ChannelParameters::defaults(QLatin1Char('P'), 10)};
        QCOMPARE(parameters.first().upperMinimumOffset, 4.0f); // 2 % of 200 MPa
        QCOMPARE(parameters.first().rangeEnd, 10000);
        parameters[0].averageSmoothing = 0;
        parameters[0].upperSmoothing = parameters[0].lowerSmoothing = 0;
        ChannelSeries s = ChannelStatistics::compute(oneFile, {true}, parameters).first();
        QCOMPARE(s.deviation, Waveform(4, 0.0f));
        // Average + offset, widened by the allowance to the first and the last sample.
        QCOMPARE(s.upper, (Waveform{5, 5, 13, 5}));
        QCOMPARE(s.lower, (Waveform{0, 0, 0, 0})); // clipped at 0
        // Smoothed, the average no longer equals the one file: its spread is not 0.
        ChannelStatistics::recalculateAverage(oneFile.first(), {true}, 1, s);
        QCOMPARE(s.average, (Waveform{0, 3, 10.0f / 3, 11.0f / 3}));
        QVERIFY(s.deviation.at(2) > 5.0f);
    }

    void noVisibleFileGivesNoAverageAndNoLimits()
    {
        const QList<QList<QList<float>>> files{{{1, 2}}, {{3, 4}}};
        const QList<ChannelParameters> parameters{ChannelParameters::defaults(QLatin1Char('T'), 1)};
        const ChannelSeries s =
            ChannelStatistics::compute(files, {false, false}, parameters).first();
        QVERIFY(s.average.isEmpty() && s.deviation.isEmpty());
        QVERIFY(s.upper.isEmpty() && s.lower.isEmpty());
    }
};

CVO_TEST_MAIN_NO_GUI(TestViewerStatistics)
#include "tst_viewerstatistics.moc"
