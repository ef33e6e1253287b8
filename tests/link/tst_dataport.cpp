#include "DataPort.h"
#include "FrameBuilder.h"
#include "TcpKeepAlive.h"
#include "TestMain.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <net/if.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The data port never blocks, so the unit's side can live on the test thread: a plain
// socket the test writes frames to, byte by byte if need be, and reads keep-alives from.
// Each case listens on its own loopback address.
struct Link
{
    QTcpServer server;
    DataPort port;
    QSignalSpy linkUpdates{&port, &DataPort::linkUpdate};
    QTcpSocket* unit = nullptr;

    explicit Link(int n, int keepAliveMs = 2000, int subnet = 21)
    {
        const QHostAddress address(QStringLiteral("127.0.%1.%2").arg(subnet).arg(n));
        server.listen(address);
        port.setAddress(address);
        port.setPort(server.serverPort());
        port.setKeepAliveInterval(keepAliveMs);
    }

    // After connectToUnit: takes the connection and waits until the port reports the link.
    bool accept()
    {
        const qsizetype before = linkUpdates.size();
        if (!server.waitForNewConnection(5000))
            return false;
        unit = server.nextPendingConnection();
        return QTest::qWaitFor([&] { return linkUpdates.size() > before; }, 5000) &&
               linkUpdates.last().at(0).toBool();
    }

    void send(const QByteArray& bytes)
    {
        unit->write(bytes);
        unit->flush();
    }
};

// Inside a private network namespace: takes the loopback, and every connection on it, up
// or down as a pulled cable would.
bool setLoopbackUp(bool up)
{
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool ok = fd >= 0 && ioctl(fd, SIOCGIFFLAGS, &request) == 0;
    request.ifr_flags = short(up ? request.ifr_flags | IFF_UP : request.ifr_flags & ~IFF_UP);
    ok = ok && ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    if (fd >= 0)
        close(fd);
    return ok;
}

} // namespace

class TestDataPort : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void deliversFramesInOrderAsTheyCompleteOnAKeptAliveConnection()
    {
        Link link(1);
        QList<int> types;
        connect(&link.port, &DataPort::packetReceived, this,
                [&](BUPacket* p) { types.append(p->type()); });
        link.port.connectToUnit();
        QVERIFY(link.accept());
        const int fd = int(link.port.findChild<QTcpSocket*>()->socketDescriptor());
        const auto option = [fd](int level, int name) {
            int value = -1;
            socklen_t size = sizeof(value);
            return getsockopt(fd, level, name, &value, &size) == 0 ? value : -1;
        };
        QCOMPARE(option(SOL_SOCKET, SO_KEEPALIVE), 1);
        QCOMPARE(option(IPPROTO_TCP, TCP_KEEPIDLE), 1);
        QCOMPARE(option(IPPROTO_TCP, TCP_KEEPINTVL), 1); // 100 ms rounds up to whole seconds
        QCOMPARE(option(IPPROTO_TCP, TCP_USER_TIMEOUT), 8000);
        QString report;
        QVERIFY(!enableTcpKeepAlive(-1, 1000, 100, 8000, &report)); // a failure is reported as one

        const QByteArray third = FrameBuilder::ack(3);
        link.send(FrameBuilder::ack(1) + FrameBuilder::frame(BUPacket::Nak, QByteArray(1, '\2')) +
                  third.left(3));
        QTRY_COMPARE_WITH_TIMEOUT(types.size(), 2, 5000);
        link.send(third.mid(3));
        QTRY_COMPARE_WITH_TIMEOUT(types, (QList<int>{0xA0, 0xA1, 0xA0}), 5000);

        // The link breaks in the middle of a frame; the new connection starts afresh.
        link.send(FrameBuilder::frame(BUPacket::ShotSamples,
                                      FrameBuilder::shotSamplesPayload(0, {0x11000001}))
                      .left(10));
        QTRY_COMPARE_WITH_TIMEOUT(link.port.receiver().bufferedBytes(), 10, 5000);
        link.port.connectToUnit();
        QVERIFY(link.accept());
        link.send(FrameBuilder::frame(BUPacket::Nak, QByteArray(1, '\4')));
        QTRY_COMPARE_WITH_TIMEOUT(types.size(), 4, 5000);
        QCOMPARE(types.last(), 0xA1);

        // Held by a handler that runs the event loop (a reset's re-read): what is still in
        // the receiver and what arrives meanwhile waits, then follows in order.
        types.clear();
        qsizetype deliveredWhileHeld = -1;
        auto holder = connect(&link.port, &DataPort::packetReceived, this, [&] {
            if (deliveredWhileHeld >= 0)
                return;
            link.port.holdPackets();
            link.send(FrameBuilder::ack(7));
            QTest::qWait(200);
            deliveredWhileHeld = types.size();
            link.port.releasePackets();
        });
        link.send(FrameBuilder::ack(5) + FrameBuilder::frame(BUPacket::Nak, QByteArray(1, '\6')));
        QTRY_COMPARE_WITH_TIMEOUT(types, (QList<int>{0xA0, 0xA1, 0xA0}), 5000);
        QCOMPARE(deliveredWhileHeld, 1);
        disconnect(holder);
        // Held from outside: released, what waited is delivered from the event loop.
        link.port.holdPackets();
        link.send(FrameBuilder::ack(8));
        QTest::qWait(200);
        QCOMPARE(types.size(), 3);
        link.port.releasePackets();
        QTRY_COMPARE_WITH_TIMEOUT(types.size(), 4, 5000);
    }

    void reportsALostOrRefusedConnectionAsLinkDown()
    {
        Link link(2, 50);
        link.port.connectToUnit();
        QVERIFY(link.accept());
        QTRY_VERIFY_WITH_TIMEOUT(link.unit->bytesAvailable() >= 2, 5000); // keep-alive is on

        link.unit->abort();
        QTRY_COMPARE_WITH_TIMEOUT(link.linkUpdates.size(), 2, 5000);
        QCOMPARE(link.linkUpdates.at(1).at(0).toBool(), false);
        QVERIFY(!link.port.keepAliveActive());

        link.server.close();
        link.port.connectToUnit();
        QTRY_COMPARE_WITH_TIMEOUT(link.linkUpdates.size(), 3, 5000);
        QCOMPARE(link.linkUpdates.at(2).at(0).toBool(), false);
    }

    // The unit vanishes while a keep-alive byte waits for its acknowledgement, which stops
    // TCP's own keep-alive probes. The case runs again in a private network namespace whose
    // loopback it can take down under the connection.
    void reportsAVanishedUnitAsLinkDownWithinSeconds()
    {
        if (qEnvironmentVariableIsSet("CVO_IN_NETNS")) {
            QVERIFY(setLoopbackUp(true));
            Link link(1, 500, 73);
            link.port.connectToUnit();
            QVERIFY(link.accept());
            QVERIFY(setLoopbackUp(false));
            QVERIFY(QTest::qWaitFor([&] { return link.linkUpdates.size() > 1; }, 15000));
            QCOMPARE(link.linkUpdates.last().at(0).toBool(), false);
            return;
        }
        const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
        if (unshare.isEmpty())
            QSKIP("unshare (util-linux) is missing: no private network namespace to pull a cable");
        if (QProcess::execute(unshare, {QStringLiteral("-rn"), QStringLiteral("true")}) != 0)
            QSKIP("this system refuses private network namespaces (unshare -rn)");
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CVO_IN_NETNS"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(unshare, {QStringLiteral("-rn"), QCoreApplication::applicationFilePath(),
                              QString::fromLatin1(QTest::currentTestFunction())});
        const bool finished = child.waitForFinished(30000);
        if (!finished) {
            child.kill();
            child.waitForFinished(5000);
        }
        QVERIFY(finished);
        QCOMPARE(child.exitCode(), 0);
    }

    void sendsKeepAliveOnlyAfterASilenceOnTheConnection()
    {
        Link link(3, 1000);
        link.port.connectToUnit();
        QVERIFY(!link.port.keepAliveActive()); // nothing to keep alive before the connection
        QVERIFY(link.accept());

        // The unit streams every 20 ms, far inside the interval: no keep-alive is due.
        QTimer streaming;
        connect(&streaming, &QTimer::timeout, this, [&] { link.send(FrameBuilder::ack()); });
        streaming.start(20);
        QTest::qWait(1500);
        streaming.stop();
        QCOMPARE(link.unit->bytesAvailable(), 0);

        // Each frame restarts the wait, here with a shorter interval: then one 0x2A per interval.
        link.port.setKeepAliveInterval(60);
        link.send(FrameBuilder::ack());
        QTRY_VERIFY_WITH_TIMEOUT(link.unit->bytesAvailable() >= 3, 5000);
        const QByteArray received = link.unit->readAll();
        QCOMPARE(received, QByteArray(received.size(), '\x2A'));
    }
};

CVO_TEST_MAIN_NO_GUI(TestDataPort)
#include "tst_dataport.moc"
