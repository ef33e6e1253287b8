#include "ControlPort.h"
#include "ControlPortImpl.h"
#include "FrameBuilder.h"
#include "LoopbackPeer.h"
#include "SimulatorTestSupport.h"
#include "TestMain.h"

#include <QTest>

namespace {

// Each case has its own loopback address, so all of them can use the unit's fixed port.
QHostAddress testAddress(int n)
{
    return QHostAddress(QStringLiteral("127.0.22.%1").arg(n));
}

constexpr quint16 Control = ControlPort::DefaultPort;
constexpr int ShortStageMs = 300;
const QByteArray ReadStatus(1, '\0');

// A status reply: counters, mode, status bits and one module entry after the shot number.
QByteArray statusReply(qint32 shotNumber)
{
    return FrameBuilder::frame(BUPacket::UnitStatus,
                               FrameBuilder::payload([&](QDataStream& s) { s << shotNumber; }) +
                                   QByteArray::fromHex("000000000000000000000140000000000000"));
}

} // namespace

class TestControlPort : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The reply arrives in pieces, then with a wrong BCC, then with a wrong start byte: a
    // corrupted reply is refused and leaves the last good one in place.
    void completesAReplyInPiecesAndRefusesACorruptedOne()
    {
        int served = 0;
        LoopbackPeer unit(testAddress(1), Control, [&](const QByteArray&) {
            QByteArray reply = statusReply(++served);
            if (served == 1)
                return QList<QByteArray>{reply.left(2), reply.mid(2, 2), reply.mid(4)};
            if (served == 2)
                reply.back() = char(reply.back() ^ 0x01);
            else
                reply[0] = 0x41;
            return QList<QByteArray>{reply};
        });
        ControlPort port(testAddress(1), Control);
        QCOMPARE(port.open(), 0);
        QCOMPARE(port.requestAndWaitResponse(BUPacket::StatusControl, ReadStatus), 0);
        QCOMPARE(port.packet()->unitStatus().shotNumber, 1);
        QCOMPARE(unit.requests().value(0), QByteArray::fromHex("400002010003"));
        QCOMPARE(port.requestAndWaitResponse(BUPacket::StatusControl, ReadStatus), 3);
        QCOMPARE(port.requestAndWaitResponse(BUPacket::StatusControl, ReadStatus), 3);
        QCOMPARE(port.packet()->unitStatus().shotNumber, 1);
    }

    // A unit that reads the request and never answers costs one stage, and the port takes
    // no further request on that connection: the reply may still come.
    void silentUnitTimesOutAndTheConnectionTakesNoMoreRequests()
    {
        LoopbackPeer unit(testAddress(3), Control,
                          [](const QByteArray&) { return QList<QByteArray>{}; });
        ControlPort port(testAddress(3), Control);
        port.setStageTimeout(ShortStageMs);
        QCOMPARE(port.open(), 0);
        QCOMPARE(port.requestAndWaitResponse(BUPacket::GetUnitInfo, {}), 2);
        QCOMPARE(port.requestAndWaitResponse(BUPacket::GetUnitInfo, {}), 2);
        QCOMPARE(unit.requests().size(), 1);

        ControlPort firmware(testAddress(3), Control); // likewise after a request without reply
        QCOMPARE(firmware.open(), 0);
        firmware.prepareFirmwareUpdate();
        QCOMPARE(firmware.readStatus(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(unit.requests().size(), 2, 5000);
        QCOMPARE(unit.requests().at(1), QByteArray::fromHex("4000010302"));
    }

    void reconnectsAfterCloseAndFailsWithoutAUnit()
    {
        SimulatorThread unit(SimTest::fastUnit(testAddress(4)));
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        ControlPort port(testAddress(4), Control);
        QCOMPARE(port.open(), 0);
        port.close();
        QCOMPARE(port.open(), 0);
        QCOMPARE(port.readStatus(), 0);

        auto* refused = new ControlPort(testAddress(5), Control);
        QCOMPARE(refused->open(), 1);
        QCOMPARE(refused->readStatus(), 2);
        delete refused; // must return: the worker thread ends
    }

    // A worker that never gets to run must not freeze the caller: its own bound ends the
    // wait with a time-out, long before the worker could find the connection refused.
    void callerWaitIsBoundedWhenTheWorkerIsStuck()
    {
        QThread worker;
        auto* impl = new ControlPortImpl(ShortStageMs);
        impl->moveToThread(&worker);
        worker.start();
        QMetaObject::invokeMethod(impl, [] { QThread::msleep(3000); }); // the worker is busy
        QCOMPARE(impl->open(testAddress(6), Control), int(ControlPortImpl::Timeout));
        impl->deleteLater();
        worker.quit();
        worker.wait();
    }
};

CVO_TEST_MAIN_NO_GUI(TestControlPort)
#include "tst_controlport.moc"
