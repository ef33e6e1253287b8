// Publishing shot summaries to a mosquitto broker on loopback (127.0.180.200):
//   - latency from handing a 40-channel summary to the publisher (the shot's end) to its
//     delivery to a subscriber, over `shots` shots 20 ms apart: median and worst;
//   - drain rate of a queue of 10,000 summaries built up while the broker was away, from
//     the broker's start until the subscriber has them all.
// Usage: bench_publish [shots]    (needs /usr/sbin/mosquitto)
#include "BrokerFixture.h"
#include "MqttPublisher.h"
#include "ShotSummary.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>

#include <algorithm>
#include <cstdio>

namespace {

QByteArray summary(int shot)
{
    ShotSummary s;
    s.station = QStringLiteral("bench");
    s.settingsName = QStringLiteral("BENCH");
    s.shotNumber = shot;
    s.unitTime = s.pcTime = QDateTime::currentDateTime();
    for (int c = 0; c < 40; ++c)
        s.channels.append({c + 1, QStringLiteral("Cavity %1").arg(c + 1), true, 0, 123.4f, 1.25f,
                           88.5f, 1.5f, 4321, 1234, 12.5f});
    for (int m = 0; m < 10; ++m)
        s.machine.append({QStringLiteral("ID%1").arg(m), QStringLiteral("Item %1").arg(m),
                          QStringLiteral("15234")});
    return s.toJson();
}

PublishSettings settingsFor(const Broker& broker)
{
    PublishSettings settings;
    settings.host = broker.address();
    settings.port = Broker::port();
    settings.station = QStringLiteral("bench");
    return settings;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.info=false"));
    const int shots = argc > 1 ? std::max(10, atoi(argv[1])) : 200;
    QTemporaryDir folder;
    Broker broker(QStringLiteral("127.0.180.200"));
    if (!broker.start()) {
        std::fprintf(stderr, "the broker did not start\n");
        return 1;
    }
    {
        Subscriber subscriber(broker, "cvo/bench/shot");
        MqttPublisher publisher(settingsFor(broker), folder.filePath("latency.db"));
        publisher.start();
        if (!QTest::qWaitFor(
                [&] {
                    return subscriber.subscribed() &&
                           publisher.state() == MqttPublisher::State::Connected;
                },
                10000))
            return 1;
        std::vector<double> latencies;
        QElapsedTimer clock;
        clock.start();
        for (int n = 0; n < shots; ++n) {
            const qsizetype before = subscriber.payloads("cvo/bench/shot").size();
            const qint64 start = clock.nsecsElapsed();
            publisher.publishShot(summary(n));
            while (subscriber.payloads("cvo/bench/shot").size() == before &&
                   clock.nsecsElapsed() - start < 5'000'000'000)
                QThread::usleep(100);
            latencies.push_back((clock.nsecsElapsed() - start) / 1e6);
            QThread::msleep(20);
        }
        std::sort(latencies.begin(), latencies.end());
        std::printf("latency shot end -> delivery, %d shots: median %.1f ms, worst %.1f ms\n",
                    shots, latencies[latencies.size() / 2], latencies.back());
    }

    constexpr int Queued = 10000;
    {
        Subscriber subscriber(broker, "cvo/bench/shot");
        if (!QTest::qWaitFor([&] { return subscriber.subscribed(); }, 10000))
            return 1;
        broker.stop();
        MqttPublisher publisher(settingsFor(broker), folder.filePath("drain.db"));
        publisher.setRetryInterval(100);
        publisher.start();
        const QByteArray payload = summary(1);
        for (int n = 0; n < Queued; ++n)
            publisher.publishShot(payload);
        if (!QTest::qWaitFor([&] { return publisher.queuedCount() == Queued; }, 60000))
            return 1;
        const qsizetype before = subscriber.payloads("cvo/bench/shot").size();
        QElapsedTimer clock;
        clock.start();
        if (!broker.start())
            return 1;
        while (subscriber.payloads("cvo/bench/shot").size() - before < Queued &&
               clock.elapsed() < 300000)
            QTest::qWait(10);
        const double seconds = clock.elapsed() / 1000.0;
        std::printf("drain of %d queued summaries (%lld bytes each): %.1f s, %.0f summaries/s, "
                    "%lld still queued\n",
                    Queued, qint64(payload.size()), seconds, Queued / seconds,
                    qint64(publisher.queuedCount()));
    }
    return 0;
}
