// Each fault switch of the simulated unit does what it says, seen from the manager's side.

#include "ControlPort.h"
#include "DataPort.h"
#include "SimulatorTestSupport.h"
#include "TestMain.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

using namespace SimTest;

namespace {

constexpr int ShotTimeoutMs = 20000;
constexpr int SamplesPerShot = 201; // fastUnit: 1 s at 5 ms, both ends included

int samplesOfShot(const QList<Frame>& frames, qint32 shotNumber)
{
    bool inShot = false;
    int count = 0;
    for (const Frame& frame : frames) {
        if (frame.type == BUPacket::ShotStart)
            inShot = frame.start.shotNumber == shotNumber;
        else if (inShot && frame.type == BUPacket::ShotSamples && frame.sampleIndex != 0xFFFFFFFFU)
            ++count;
    }
    return count;
}

// The last shot number the client saw a ShotStart for.
qint32 lastStarted(const StreamClient& client)
{
    for (auto it = client.frames().rbegin(); it != client.frames().rend(); ++it) {
        if (it->type == BUPacket::ShotStart)
            return it->start.shotNumber;
    }
    return -1;
}

QList<quint8> statusBitsSeen(const StreamClient& client)
{
    QList<quint8> bits;
    for (const Frame& frame : client.frames()) {
        if (frame.type == BUPacket::UnitStatus)
            bits << frame.status().statusBits;
    }
    return bits;
}

} // namespace

class TestUnitsimFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_guard = std::make_unique<FirmwareTypeGuard>(0); }
    void cleanup() { m_guard.reset(); }

    void dropsTheDataConnectionMidShot()
    {
        SimulatorOptions options = fastUnit(address(70));
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        DataPort port;
        port.setAddress(options.address);
        QSignalSpy link(&port, &PortBase::linkUpdate);
        StreamClient client(options.address);
        QVERIFY(client.waitConnected());
        QTRY_VERIFY_WITH_TIMEOUT(client.count(BUPacket::ShotStart) >= 1, ShotTimeoutMs);
        unit.simulator()->armDataDrop();
        const qint32 before = lastStarted(client);

        QTRY_COMPARE_WITH_TIMEOUT(client.socket().state(), QAbstractSocket::UnconnectedState,
                                  ShotTimeoutMs);
        const qint32 dropped = lastStarted(client);
        QVERIFY(dropped == before || dropped == before + 1);
        const int received = samplesOfShot(client.frames(), dropped);
        QVERIFY2(received > 0 && received <= SamplesPerShot / 2 + 1,
                 qPrintable(QString::number(received)));
        QVERIFY(std::none_of(client.frames().begin(), client.frames().end(), [&](const Frame& f) {
            return f.type == BUPacket::ShotResult && f.result->shotNumber == dropped;
        }));

        // One drop was armed: the manager's port reconnects and stays connected.
        port.connectToUnit();
        QTRY_COMPARE_WITH_TIMEOUT(link.count(), 1, 5000);
        QVERIFY(link.first().first().toBool());
        QTRY_VERIFY_WITH_TIMEOUT(unit.simulator()->statistics().shotsCompleted.load() >=
                                     quint64(dropped + 1),
                                 ShotTimeoutMs);
        QCOMPARE(link.count(), 1);
    }

    void corruptsOneFrameOfEveryKthShot()
    {
        SimulatorOptions options = fastUnit(address(71));
        options.faults.corruptFrameEvery = 2;
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        StreamClient client(options.address);
        QVERIFY(client.waitConnected());
        QTRY_VERIFY_WITH_TIMEOUT(client.count(BUPacket::ShotResult) >= 3, ShotTimeoutMs);

        // The last two shots with results were seen whole (the client may have joined
        // during the first). Shots count from 1, so even shots lose their corrupted sample.
        QList<qint32> judged;
        for (const Frame& frame : client.frames())
            if (frame.type == BUPacket::ShotResult)
                judged << frame.result->shotNumber;
        for (qint32 shot : judged.mid(judged.size() - 2))
            QCOMPARE(samplesOfShot(client.frames(), shot),
                     shot % 2 == 0 ? SamplesPerShot - 1 : SamplesPerShot);
        QVERIFY(client.receiver().bccErrors() >= 1);
    }

    void splitsAndMergesFramesAcrossWrites()
    {
        SimulatorOptions options = fastUnit(address(72));
        options.faults.splitFrames = true;
        options.faults.mergeFrames = true;
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        StreamClient client(options.address);
        QVERIFY(client.waitConnected());
        QTRY_VERIFY_WITH_TIMEOUT(client.count(BUPacket::ShotResult) >= 2, ShotTimeoutMs);

        QVERIFY(client.readsEndingInsideAFrame() >= 1);
        QVERIFY(client.readsWithSeveralFrames() >= 1);
        QCOMPARE(client.receiver().bccErrors(), 0ULL);
        QCOMPARE(client.receiver().illegalHeaders(), 0ULL);
        // Nothing lost or reordered: a whole shot with its samples in order.
        const QList<Frame> shot = client.firstCompleteShot();
        QCOMPARE(samplesOfShot(shot, shot.first().start.shotNumber), SamplesPerShot);
        quint32 expected = 0;
        for (const Frame& frame : shot) {
            if (frame.type == BUPacket::ShotSamples && frame.sampleIndex != 0xFFFFFFFFU)
                QCOMPARE(frame.sampleIndex, expected++);
        }
    }

    void silentDataKeepsTheConnectionButSendsNothing()
    {
        SimulatorOptions options = fastUnit(address(73));
        options.faults.silentData = true;
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        StreamClient client(options.address);
        QVERIFY(client.waitConnected());
        QTRY_VERIFY_WITH_TIMEOUT(unit.simulator()->statistics().shotsCompleted.load() >= 2,
                                 ShotTimeoutMs);
        QCOMPARE(client.frames().size(), 0);
        QCOMPARE(client.socket().state(), QAbstractSocket::ConnectedState);

        FaultSwitches faults = unit.simulator()->faults();
        faults.silentData = false;
        unit.simulator()->setFaults(faults);
        QTRY_VERIFY_WITH_TIMEOUT(client.count(BUPacket::UnitStatus) >= 1, ShotTimeoutMs);
    }

    void silentControlLeavesRequestsUnanswered()
    {
        SimulatorOptions options = fastUnit(address(74));
        options.faults.silentControl = true;
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        ControlPort port(options.address, ControlPort::DefaultPort);
        port.setStageTimeout(300);
        QCOMPARE(port.open(), 0);
        QCOMPARE(port.setMode(1, 0), int(ControlNoExchange));
        // A hung unit does not act on what it did not answer either.
        unit.simulator()->setFaults({});
        ControlPort second(options.address, ControlPort::DefaultPort);
        QCOMPARE(second.open(), 0);
        QCOMPARE(second.readStatus(), 0);
        QCOMPARE(second.packet()->unitStatus().mode, quint8(0));
    }

    void refusesControlConnectionsWhileSwitchedOn()
    {
        SimulatorOptions options = fastUnit(address(75));
        options.faults.refuseControl = true;
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        {
            ControlPort port(options.address, ControlPort::DefaultPort);
            QCOMPARE(port.open(), 1);
        }
        unit.simulator()->setFaults({});
        ControlPort port(options.address, ControlPort::DefaultPort);
        QCOMPARE(port.open(), 0);
        QCOMPARE(port.readStatus(), 0);
    }

    void answersWithTheWrongReplyTypeOnDemand()
    {
        SimulatorOptions options = fastUnit(address(76));
        options.faults.wrongReplyEvery = 3;
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        ControlPort port(options.address, ControlPort::DefaultPort);
        QCOMPARE(port.open(), 0);
        QCOMPARE(port.readStatus(), 0);
        QCOMPARE(port.readSystemConfig(), 0);
        QCOMPARE(port.readStatus(), int(ControlUnexpectedType)); // the third request
        QCOMPARE(port.packet()->type(), int(BUPacket::IoStatus));
        QCOMPARE(port.readSystemConfig(), 0);

        unit.simulator()->armWrongReply();
        QCOMPARE(port.readSystemConfig(), int(ControlUnexpectedType));
        QCOMPARE(port.packet()->type(), int(BUPacket::UnitStatus));
        QCOMPARE(port.readStatus(), int(ControlUnexpectedType)); // the sixth
    }

    void reportsAResetInTheNextStatusOnly()
    {
        SimulatorOptions options = fastUnit(address(77));
        options.faults.resetEvery = 2;
        options.shotLimit = 3;
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        StreamClient client(options.address);
        QVERIFY(client.waitConnected());
        QTRY_COMPARE_WITH_TIMEOUT(unit.simulator()->statistics().unitResets.load(), 1ULL,
                                  ShotTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(statusBitsSeen(client).contains(UnitState::ResetBit), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(unit.simulator()->statistics().shotsCompleted.load() == 3,
                                 ShotTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!(statusBitsSeen(client).last() & UnitState::ResetBit), 5000);
        const QList<quint8> bits = statusBitsSeen(client);
        QCOMPARE(std::count_if(bits.begin(), bits.end(),
                               [](quint8 b) { return b & UnitState::ResetBit; }),
                 1);
        const auto withReset =
            std::find_if(client.frames().begin(), client.frames().end(), [](const Frame& f) {
                return f.type == BUPacket::UnitStatus &&
                       (f.status().statusBits & UnitState::ResetBit);
            });
        QVERIFY(withReset != client.frames().end());
        QCOMPARE(withReset->status().entries[0].status & 0x0F, 1); // a watchdog reset
        QCOMPARE(client.socket().state(), QAbstractSocket::ConnectedState);
    }

    void resetAfterFirmwareUpdateReachesAReconnectingManager()
    {
        SimulatorOptions options = fastUnit(address(78));
        SimulatorThread unit(options);
        QVERIFY2(unit.startAndWait(), qPrintable(unit.errorString()));
        StreamClient first(options.address);
        QVERIFY(first.waitConnected());
        QTRY_VERIFY_WITH_TIMEOUT(first.count(BUPacket::UnitStatus) >= 1, 5000);

        unit.simulator()->acceptFirmwareUpload(QStringLiteral("boot.mot"), 100, QString());
        {
            ControlPort port(options.address, ControlPort::DefaultPort);
            QCOMPARE(port.open(), 0);
            port.prepareFirmwareUpdate();
        }
        // The unit reboots: the data connection goes, the reset is told to the next PC.
        QTRY_COMPARE_WITH_TIMEOUT(first.socket().state(), QAbstractSocket::UnconnectedState, 5000);
        StreamClient second(options.address);
        QVERIFY(second.waitConnected());
        QTRY_VERIFY_WITH_TIMEOUT(second.count(BUPacket::UnitStatus) >= 1, 5000);
        QCOMPARE(statusBitsSeen(second).first() & UnitState::ResetBit, int(UnitState::ResetBit));
        QCOMPARE(second.frames().first().status().entries[0].status & 0x0F, 0); // not a watchdog
    }

private:
    std::unique_ptr<FirmwareTypeGuard> m_guard;
};

CVO_TEST_MAIN(TestUnitsimFaults)

#include "tst_unitsim_faults.moc"
