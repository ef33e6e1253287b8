#include "DataPort.h"
#include "FrameBuilder.h"
#include "TcpKeepAlive.h"
#include "TestMain.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace {

// Every test case listens on its own loopback address so that runs in parallel never collide.
QHostAddress testAddress(int n)
{
    return QHostAddress(QStringLiteral("127.0.21.%1").arg(n));
}

// The unit's side of the data port: accepts one connection at a time and records what arrives.
class UnitPeer : public QObject
{
public:
    explicit UnitPeer(const QHostAddress& address)
    {
        m_address = address;
        QVERIFY(m_server.listen(address, 0));
        m_port = m_server.serverPort();
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            m_client = m_server.nextPendingConnection();
            connect(m_client, &QTcpSocket::readyRead, this,
                    [this] { m_received += m_client->readAll(); });
        });
    }

    bool relisten() { return m_server.listen(m_address, m_port); }
    void stopListening() { m_server.close(); }
    quint16 port() const { return m_port; }
    QTcpSocket* client() const { return m_client; }
    QByteArray& received() { return m_received; }

    void send(const QByteArray& bytes)
    {
        m_client->write(bytes);
        m_client->flush();
    }

    void dropClient()
    {
        m_client->abort();
        m_client->deleteLater();
        m_client = nullptr;
    }

private:
    QTcpServer m_server;
    QHostAddress m_address;
    quint16 m_port = 0;
    QTcpSocket* m_client = nullptr;
    QByteArray m_received;
};

void aimAt(DataPort& port, const QHostAddress& address, quint16 tcpPort)
{
    port.setAddress(address);
    port.setPort(tcpPort);
}

} // namespace

class TestDataPort : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsWithTheUnitDefaults()
    {
        DataPort port;
        QCOMPARE(port.address(), QHostAddress(QStringLiteral("192.168.2.100")));
        QCOMPARE(port.port(), quint16(50001));
        QCOMPARE(port.keepAliveInterval(), 2000);
    }

    void reportsLinkAndDeliversFramesInOrder()
    {
        UnitPeer unit(testAddress(1));
        DataPort port;
        aimAt(port, testAddress(1), unit.port());
        QSignalSpy link(&port, &DataPort::linkUpdate);
        QList<int> types;
        connect(&port, &DataPort::packetReceived, this,
                [&](BUPacket* p) { types.append(p->type()); });

        QTest::ignoreMessage(QtDebugMsg, "Data Connection Established.");
        port.connectToUnit();
        QTRY_COMPARE_WITH_TIMEOUT(link.size(), 1, 5000);
        QCOMPARE(link.at(0).at(0).toBool(), true);
        QTRY_VERIFY_WITH_TIMEOUT(unit.client() != nullptr, 5000);

        const QByteArray twoFrames =
            FrameBuilder::ack(1) + FrameBuilder::frame(BUPacket::Nak, QByteArray(1, '\2'));
        unit.send(twoFrames + FrameBuilder::ack(3).left(3));
        QTRY_COMPARE_WITH_TIMEOUT(types.size(), 2, 5000);
        unit.send(FrameBuilder::ack(3).mid(3));
        QTRY_COMPARE_WITH_TIMEOUT(types.size(), 3, 5000);
        QCOMPARE(types, (QList<int>{0xA0, 0xA1, 0xA0}));
    }

    void refusedConnectionReportsLinkDown()
    {
        UnitPeer unit(testAddress(2));
        unit.stopListening();
        DataPort port;
        aimAt(port, testAddress(2), unit.port());
        QSignalSpy link(&port, &DataPort::linkUpdate);
        QTest::ignoreMessage(
            QtDebugMsg,
            QRegularExpression(
                "^Socket for \"127\\.0\\.21\\.2\" / \\d+ Error: ConnectionRefusedError$"));
        port.connectToUnit();
        QTRY_COMPARE_WITH_TIMEOUT(link.size(), 1, 5000);
        QCOMPARE(link.at(0).at(0).toBool(), false);
    }

    void remoteCloseReportsLinkDownAndStopsKeepAlive()
    {
        UnitPeer unit(testAddress(3));
        DataPort port;
        port.setKeepAliveInterval(50);
        aimAt(port, testAddress(3), unit.port());
        QSignalSpy link(&port, &DataPort::linkUpdate);
        port.connectToUnit();
        QTRY_VERIFY_WITH_TIMEOUT(unit.client() != nullptr && link.size() == 1, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(unit.received().size() >= 2, 5000);

        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Error: RemoteHostClosed$"));
        unit.dropClient();
        QTRY_COMPARE_WITH_TIMEOUT(link.size(), 2, 5000);
        QCOMPARE(link.at(1).at(0).toBool(), false);
        QVERIFY(!port.keepAliveActive());
    }

    void sendsKeepAliveOnlyWhileNothingArrives()
    {
        UnitPeer unit(testAddress(4));
        DataPort port;
        port.setKeepAliveInterval(400);
        aimAt(port, testAddress(4), unit.port());
        port.connectToUnit();
        QTRY_VERIFY_WITH_TIMEOUT(unit.client() != nullptr, 5000);

        // The unit streams every 20 ms: far inside the interval, so no keep-alive is due.
        QTimer streaming;
        connect(&streaming, &QTimer::timeout, this, [&] { unit.send(FrameBuilder::ack()); });
        streaming.start(20);
        QTest::qWait(1200);
        streaming.stop();
        QCOMPARE(unit.received(), QByteArray());

        // Silence: one 0x2A per interval.
        port.setKeepAliveInterval(60);
        unit.send(FrameBuilder::ack()); // restarts the timer with the new interval
        QTRY_VERIFY_WITH_TIMEOUT(unit.received().size() >= 3, 5000);
        QCOMPARE(unit.received(), QByteArray(unit.received().size(), '\x2A'));
    }

    void reconnectionStartsWithAnEmptyFrameBuffer()
    {
        UnitPeer unit(testAddress(5));
        DataPort port;
        aimAt(port, testAddress(5), unit.port());
        QSignalSpy link(&port, &DataPort::linkUpdate);
        QList<quint8> acks;
        connect(&port, &DataPort::packetReceived, this,
                [&](BUPacket* p) { acks.append(p->ackValue()); });
        port.connectToUnit();
        QTRY_VERIFY_WITH_TIMEOUT(unit.client() != nullptr, 5000);

        // The link breaks in the middle of a frame.
        unit.send(FrameBuilder::frame(BUPacket::ShotSamples,
                                      FrameBuilder::shotSamplesPayload(0, {0x11000001}))
                      .left(10));
        QTRY_COMPARE_WITH_TIMEOUT(port.receiver().bufferedBytes(), 10, 5000);
        unit.dropClient();
        QTRY_COMPARE_WITH_TIMEOUT(link.size(), 2, 5000);

        port.connectToUnit();
        QTRY_VERIFY_WITH_TIMEOUT(unit.client() != nullptr && link.size() == 3, 5000);
        unit.send(FrameBuilder::ack(9));
        QTRY_COMPARE_WITH_TIMEOUT(acks, QList<quint8>{9}, 5000);
    }

    void keepAliveOptionsReachTheSocket()
    {
        UnitPeer unit(testAddress(6));
        QTcpSocket socket;
        socket.connectToHost(testAddress(6), unit.port());
        QVERIFY(socket.waitForConnected(5000));
        QString report;
        QVERIFY(enableTcpKeepAlive(socket.socketDescriptor(), 1000, 100, &report));
        QVERIFY(report.contains(QLatin1String("idle 1 s")));

        const int fd = int(socket.socketDescriptor());
        int value = 0;
        socklen_t size = sizeof(value);
        QCOMPARE(getsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &value, &size), 0);
        QCOMPARE(value, 1);
        QCOMPARE(getsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &value, &size), 0);
        QCOMPARE(value, 1);
        QCOMPARE(getsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &value, &size), 0);
        QCOMPARE(value, 1); // 100 ms rounds up to the smallest whole second

        QVERIFY(!enableTcpKeepAlive(-1, 1000, 100, &report));
        QVERIFY(report.startsWith(QLatin1String("setsockopt(SO_KEEPALIVE) is failed. LastError=")));
    }

    void namesEverySocketError()
    {
        QCOMPARE(PortBase::socketErrorText(QAbstractSocket::NetworkError),
                 QStringLiteral("Error: NetworkError (cable disconnected?)"));
        QCOMPARE(PortBase::socketErrorText(QAbstractSocket::HostNotFoundError),
                 QStringLiteral("Error: HostNotFoundError"));
        QCOMPARE(PortBase::socketErrorText(QAbstractSocket::SocketTimeoutError),
                 QStringLiteral("Error: Unknown:5"));
    }
};

CVO_TEST_MAIN_NO_GUI(TestDataPort)
#include "tst_dataport.moc"
