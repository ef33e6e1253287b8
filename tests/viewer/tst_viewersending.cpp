// Sending a monitoring waveform to the simulated unit, which keeps what it receives.
#include "ControlPort.h"
#include "MonitoringWaveformSender.h"
#include "Presets.h"
#include "ReferenceEnvelope.h"
#include "SimulatorTestSupport.h"
#include "TestMain.h"

#include <QTest>

namespace {

QHostAddress testAddress(int n)
{
    return QHostAddress(QStringLiteral("127.0.130.%1").arg(n));
}

// Nine channels at 1 ms: one complete module and one channel beyond it.
MonitoringWaveform waveform(int rangeEndMs)
{
    MonitoringWaveform w;
    w.layout.period = 10;
    w.layout.interval = 1;
    w.layout.attributes = QString(9, QLatin1Char('P'));
    for (int c = 0; c < 9; ++c) {
        ChannelParameters p;
        p.rangeStart = 10 * c;
        p.rangeEnd = rangeEndMs;
        ChannelSeries s;
        s.upper = QList<float>(10001, 12.34f);
        s.lower = QList<float>(10001, 0.5f);
        s.upper[c] = 20.0f; // the first sample sent
        w.parameters << p;
        w.series << s;
    }
    return w;
}

} // namespace

class TestViewerSending : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splitsTheRangeIntoBlocksOf200WithATrailingBlock()
    {
        QList<MonitoringWaveformSender::Block> blocks;
        QVERIFY(MonitoringWaveformSender::blocks(waveform(10000), 0, 0.1, blocks));
        QCOMPARE(blocks.size(), 51); // 10,001 samples
        QCOMPARE(blocks.last().offset, quint16(10000));
        QCOMPARE(blocks.last().values, (QList<quint16>{123, 5}));
        QCOMPARE(blocks.first().values.mid(0, 4), (QList<quint16>{200, 5, 123, 5}));
        // Channel 1 from 10 ms to 1209 ms: exactly 6 x 200 samples, then an empty block.
        QVERIFY(MonitoringWaveformSender::blocks(waveform(1209), 1, 0.1, blocks));
        QCOMPARE(blocks.size(), 7);
        QCOMPARE(blocks.at(5).values.size(), 400);
        QVERIFY(blocks.last().values.isEmpty());
        QCOMPARE(blocks.last().offset, quint16(1200));
        // A range past the end of the limits is never read beyond them.
        QVERIFY(!MonitoringWaveformSender::blocks(waveform(10001), 0, 0.1, blocks));
    }

    void theUnitHoldsWhatWasSent()
    {
        SimulatorOptions options = SimTest::fastUnit(testAddress(1));
        QVERIFY(Presets::make(QStringLiteral("channels40"), &options.config));
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        ControlPort port(testAddress(1), ControlPort::DefaultPort);
        QCOMPARE(port.open(), 0);
        QList<int> progress;
        const MonitoringWaveformSender::Outcome outcome = MonitoringWaveformSender::send(
            port, waveform(10000), [](int) { return 0.1; },
            [&](int ch) { return progress.append(ch), true; });
        QCOMPARE(outcome.status, MonitoringWaveformSender::Sent);
        QCOMPARE(progress.size(), 9);
        ReferenceEnvelope first, ninth;
        unit.call([&](UnitSimulator& sim) {
            first = *sim.state().references().envelope(0);
            ninth = *sim.state().references().envelope(8);
        });
        QCOMPARE(first.upper.size(), 10001);
        QCOMPARE(first.upper.first(), quint16(200));
        QCOMPARE(first.lower.last(), quint16(5));
        QCOMPARE(first.end, quint16(1000));
        QCOMPARE(ninth.upper.size(), 10001 - 80); // from 80 ms on
        QCOMPARE(ninth.end, quint16(0));          // past the last complete module: no range sent
    }
};

CVO_TEST_MAIN_NO_GUI(TestViewerSending)
#include "tst_viewersending.moc"
