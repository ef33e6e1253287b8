#include "AppSettings.h"
#include "ControlPort.h"
#include "ControlPortImpl.h"
#include "FrameBuilder.h"
#include "LoopbackPeer.h"
#include "TestMain.h"

#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Each case has its own loopback address, so all of them can use the unit's fixed port.
QHostAddress testAddress(int n)
{
    return QHostAddress(QStringLiteral("127.0.22.%1").arg(n));
}

constexpr int ShortStageMs = 300;

QByteArray statusReply(qint32 shotNumber)
{
    return FrameBuilder::frame(BUPacket::UnitStatus, FrameBuilder::payload([&](QDataStream& s) {
                                   s << shotNumber << qint32(0) << qint32(0) << quint8(0)
                                     << quint8(0) << quint8(1) << qint32(0x40000000) << quint8(0)
                                     << quint8(0) << quint8(0);
                               }));
}

} // namespace

class TestControlPort : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
    }

    void takesTheUnitAddressFromTheSettings()
    {
        AppSettings().setValue(QStringLiteral("deviceIPAddress"), 0x7F001605U);
        ControlPort port;
        QCOMPARE(port.address(), testAddress(5));
        QCOMPARE(port.port(), quint16(50000));
        // Absent or malformed: the same default the data port falls back to.
        AppSettings().remove(QStringLiteral("deviceIPAddress"));
        QCOMPARE(ControlPort().address(), QHostAddress(QStringLiteral("192.168.2.100")));
        AppSettings().setValue(QStringLiteral("deviceIPAddress"), QStringLiteral("10.0.0.1"));
        QCOMPARE(ControlPort().address(), QHostAddress(QStringLiteral("192.168.2.100")));
    }

    void completesAReplyArrivingInTwoSegments()
    {
        const QByteArray reply = statusReply(77);
        LoopbackPeer unit(testAddress(1), ControlPort::DefaultPort, [&](const QByteArray&) {
            return QList<QByteArray>{reply.left(4), reply.mid(4)};
        });
        QVERIFY(unit.listening());
        ControlPort port(testAddress(1), ControlPort::DefaultPort);
        QCOMPARE(port.open(), 0);
        QCOMPARE(port.requestAndWaitResponse(BUPacket::StatusControl, QByteArray(1, '\0')), 0);
        QCOMPARE(port.packet()->type(), int(BUPacket::UnitStatus));
        QCOMPARE(port.packet()->unitStatus().shotNumber, 77);
        QCOMPARE(unit.requests().value(0), QByteArray::fromHex("4000020100"
                                                               "03"));

        // The connection carries further requests.
        QCOMPARE(port.requestAndWaitResponse(BUPacket::StatusControl, QByteArray(1, '\0')), 0);
        QCOMPARE(unit.connections(), 1);
    }

    void rejectsAReplyWithAWrongBccAndKeepsThePacket()
    {
        int served = 0;
        LoopbackPeer unit(testAddress(2), ControlPort::DefaultPort, [&](const QByteArray&) {
            QByteArray reply = statusReply(++served == 1 ? 5 : 6);
            if (served == 2)
                reply[reply.size() - 1] = char(reply.back() ^ 0x01);
            return QList<QByteArray>{reply};
        });
        ControlPort port(testAddress(2), ControlPort::DefaultPort);
        QCOMPARE(port.open(), 0);
        QCOMPARE(port.requestAndWaitResponse(BUPacket::StatusControl, QByteArray(1, '\0')), 0);
        QTest::ignoreMessage(
            QtDebugMsg,
            QRegularExpression("^BCC Error value:[0-9A-F]{2}, supposed to be [0-9A-F]{2}$"));
        QCOMPARE(port.requestAndWaitResponse(BUPacket::StatusControl, QByteArray(1, '\0')), 3);
        QCOMPARE(port.packet()->unitStatus().shotNumber, 5);
    }

    void rejectsAReplyWithAnIllegalHeader()
    {
        LoopbackPeer unit(testAddress(3), ControlPort::DefaultPort, [](const QByteArray&) {
            return QList<QByteArray>{QByteArray::fromHex("41000201"
                                                         "0000")}; // bad start byte
        });
        ControlPort port(testAddress(3), ControlPort::DefaultPort);
        QCOMPARE(port.open(), 0);
        QTest::ignoreMessage(QtDebugMsg, "Illegal packet.");
        QCOMPARE(port.requestAndWaitResponse(BUPacket::GetUnitInfo, {}), 3);
    }

    void silentUnitTimesOutAndLaterRequestsFailToo()
    {
        LoopbackPeer unit(testAddress(4), ControlPort::DefaultPort,
                          [](const QByteArray&) { return QList<QByteArray>{}; });
        ControlPort port(testAddress(4), ControlPort::DefaultPort);
        port.setStageTimeout(ShortStageMs);
        QCOMPARE(port.open(), 0);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(port.requestAndWaitResponse(BUPacket::GetUnitInfo, {}), 2);
        qInfo("time-out after %lld ms with a %d ms stage limit", timer.elapsed(), ShortStageMs);
        QCOMPARE(port.requestAndWaitResponse(BUPacket::GetUnitInfo, {}), 2);
    }

    void refusedConnectionFailsOpenAndDestructs()
    {
        ControlPort* port = new ControlPort(testAddress(6), ControlPort::DefaultPort);
        QCOMPARE(port->open(), 1);
        QCOMPARE(port->requestAndWaitResponse(BUPacket::GetUnitInfo, {}), 2);
        delete port; // must return: the worker thread ends
    }

    void requestWithoutReplyBlocksFurtherRequests()
    {
        LoopbackPeer unit(testAddress(7), ControlPort::DefaultPort,
                          [](const QByteArray&) { return QList<QByteArray>{}; });
        ControlPort port(testAddress(7), ControlPort::DefaultPort);
        QCOMPARE(port.open(), 0);
        port.request(BUPacket::PrepareFirmwareUpdate, {});
        QCOMPARE(port.requestAndWaitResponse(BUPacket::GetUnitInfo, {}), 2);
        QTRY_COMPARE_WITH_TIMEOUT(unit.requests().size(), 1, 5000);
        QCOMPARE(unit.requests().at(0), QByteArray::fromHex("4000010302"));
    }

    void closeThenOpenConnectsAgainOnTheSameWorker()
    {
        LoopbackPeer unit(testAddress(8), ControlPort::DefaultPort,
                          [](const QByteArray&) { return QList<QByteArray>{statusReply(1)}; });
        ControlPort port(testAddress(8), ControlPort::DefaultPort);
        QCOMPARE(port.open(), 0);
        port.close();
        QCOMPARE(port.open(), 0);
        QCOMPARE(port.requestAndWaitResponse(BUPacket::StatusControl, QByteArray(1, '\0')), 0);
        QTRY_COMPARE_WITH_TIMEOUT(unit.connections(), 2, 5000);
    }

    // A worker that never gets to run must not freeze the caller: its own bound ends the wait.
    void callerWaitIsBoundedWhenTheWorkerIsStuck()
    {
        QThread worker;
        worker.start();
        auto* impl = new ControlPortImpl(ShortStageMs);
        impl->moveToThread(&worker);
        QMetaObject::invokeMethod(impl, [] { QThread::msleep(3000); }); // the worker is busy

        QElapsedTimer timer;
        timer.start();
        QCOMPARE(impl->open(testAddress(9), ControlPort::DefaultPort),
                 int(ControlPortImpl::Timeout));
        QVERIFY(timer.elapsed() < 3000); // returned while the worker was still stuck

        impl->deleteLater();
        worker.quit();
        worker.wait();
    }

private:
    QTemporaryDir m_home;
};

CVO_TEST_MAIN_NO_GUI(TestControlPort)
#include "tst_controlport.moc"
