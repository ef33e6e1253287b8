// Each fault switch of the simulated unit does what it says, seen from the manager's side.

#include "ControlPort.h"
#include "RandomFaults.h"
#include "SimulatorTestSupport.h"
#include "TestMain.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtEndian>

#include <numeric>

using namespace SimTest;

namespace {

constexpr int ShotTimeoutMs = 20000;
constexpr int SamplesPerShot = 201; // fastUnit: 1 s at 5 ms, both ends included

// The sample indexes seen of one shot, the auxiliary block left out.
QList<quint32> samplesOfShot(const QList<Frame>& frames, qint32 shotNumber)
{
    bool inShot = false;
    QList<quint32> indexes;
    for (const Frame& frame : frames) {
        if (frame.type == BUPacket::ShotStart)
            inShot = frame.start.shotNumber == shotNumber;
        else if (inShot && frame.type == BUPacket::ShotSamples && frame.sampleIndex != 0xFFFFFFFFU)
            indexes << frame.sampleIndex;
    }
    return indexes;
}

// The shot numbers of the ShotStart (or result) frames seen, in order.
QList<qint32> shotsSeen(const StreamClient& client, int type)
{
    QList<qint32> shots;
    for (const Frame& frame : client.frames()) {
        if (frame.type == type)
            shots << (frame.result ? frame.result->shotNumber : frame.start.shotNumber);
    }
    return shots;
}

QList<BUPayload::UnitStatus> statuses(const StreamClient& client)
{
    QList<BUPayload::UnitStatus> seen;
    for (const Frame& frame : client.frames()) {
        if (frame.type == BUPacket::UnitStatus)
            seen << frame.status();
    }
    return seen;
}

bool isReset(const BUPayload::UnitStatus& status)
{
    return status.statusBits & UnitState::ResetBit;
}

// The shots of a simulator's shot log, by shot number.
QMap<qint32, QJsonObject> loggedShots(const QString& path)
{
    QMap<qint32, QJsonObject> shots;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return shots;
    while (!file.atEnd()) {
        const QJsonObject line = QJsonDocument::fromJson(file.readLine()).object();
        if (line.contains(QStringLiteral("shot")))
            shots.insert(line.value(QStringLiteral("shot")).toInt(), line);
    }
    return shots;
}

} // namespace

class TestUnitsimFaults : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FirmwareTypeGuard> m_guard;
    std::unique_ptr<SimulatorThread> m_unit;

    bool startUnit(const SimulatorOptions& options)
    {
        m_unit = std::make_unique<SimulatorThread>(options);
        return m_unit->startAndWait();
    }
    UnitSimulator* unit() { return m_unit->simulator(); }

private Q_SLOTS:
    void init() { m_guard = std::make_unique<FirmwareTypeGuard>(0); }
    void cleanup()
    {
        m_unit.reset();
        m_guard.reset();
    }

    void dropsTheDataConnectionMidShotOnce()
    {
        const SimulatorOptions options = fastUnit(address(70));
        QVERIFY(startUnit(options));
        StreamClient client(options.address);
        QTRY_VERIFY_WITH_TIMEOUT(client.count(BUPacket::ShotStart) >= 1, ShotTimeoutMs);
        unit()->armDataDrop();
        QTRY_COMPARE_WITH_TIMEOUT(client.socket().state(), QAbstractSocket::UnconnectedState,
                                  ShotTimeoutMs);
        const qint32 dropped = shotsSeen(client, BUPacket::ShotStart).constLast();
        const qsizetype received = samplesOfShot(client.frames(), dropped).size();
        QVERIFY2(received > 0 && received <= SamplesPerShot / 2 + 1,
                 qPrintable(QString::number(received)));
        QVERIFY(!shotsSeen(client, BUPacket::ShotResult).contains(dropped));

        // One drop was armed: a client that reconnects sees whole shots and stays connected.
        StreamClient again(options.address);
        QTRY_VERIFY_WITH_TIMEOUT(!again.firstCompleteShot().isEmpty(), ShotTimeoutMs);
        QCOMPARE(again.socket().state(), QAbstractSocket::ConnectedState);
    }

    void corruptsOneFrameOfEveryKthShot()
    {
        SimulatorOptions options = fastUnit(address(71));
        options.faults.corruptFrameEvery = 2;
        QVERIFY(startUnit(options));
        StreamClient client(options.address);
        QTRY_VERIFY_WITH_TIMEOUT(client.count(BUPacket::ShotResult) >= 3, ShotTimeoutMs);
        // The last two shots with results were seen whole (the client may have joined
        // during the first). Shots count from 1, so even shots lose their corrupted sample.
        for (qint32 shot : shotsSeen(client, BUPacket::ShotResult).mid(1, 2))
            QCOMPARE(samplesOfShot(client.frames(), shot).size(),
                     shot % 2 == 0 ? SamplesPerShot - 1 : SamplesPerShot);
        QVERIFY(client.receiver().bccErrors() >= 1);
    }

    void splitsAndMergesFramesAcrossWrites()
    {
        SimulatorOptions options = fastUnit(address(72));
        options.faults.splitFrames = true;
        options.faults.mergeFrames = true;
        QVERIFY(startUnit(options));
        StreamClient client(options.address);
        QTRY_VERIFY_WITH_TIMEOUT(!client.firstCompleteShot().isEmpty(), ShotTimeoutMs);
        QVERIFY(client.readsEndingInsideAFrame() >= 1);
        QVERIFY(client.readsWithSeveralFrames() >= 1);
        QCOMPARE(client.receiver().bccErrors() + client.receiver().illegalHeaders(), 0ULL);
        // Nothing lost or reordered: a whole shot with its samples in order.
        const QList<Frame> shot = client.firstCompleteShot();
        QList<quint32> expected(SamplesPerShot);
        std::iota(expected.begin(), expected.end(), 0U);
        QCOMPARE(samplesOfShot(shot, shot.first().start.shotNumber), expected);
    }

    void randomFaultsRepeatWithTheirSeed()
    {
        const RandomFaults every(7, 1.0);
        QSet<int> kinds;
        QList<int> draws;
        for (qint64 shot = 1; shot <= 300; ++shot) {
            draws << every.draw(shot);
            kinds << draws.last();
            QCOMPARE(RandomFaults(7, 0.0).draw(shot), RandomFaults::None);
        }
        QCOMPARE(kinds.size(), RandomFaults::KindCount - 1); // every kind, never None
        QVERIFY(!kinds.contains(RandomFaults::None));
        QCOMPARE(RandomFaults(7, 1.0).draw(123), draws.at(122));
        int differing = 0;
        for (qint64 shot = 1; shot <= 50; ++shot)
            differing += RandomFaults(8, 1.0).draw(shot) != draws.at(shot - 1);
        QVERIFY(differing > 10);
    }

    // The shot log says what the PC got: a shot seen whole is logged complete with the
    // samples sent, a shot whose connection dropped as cut short.
    void shotLogTellsWhichShotsReachedThePcWhole()
    {
        QTemporaryDir dir;
        SimulatorOptions options = fastUnit(QHostAddress(QStringLiteral("127.0.190.10")));
        options.shotLogPath = dir.filePath(QStringLiteral("sent.jsonl"));
        QVERIFY(startUnit(options));
        StreamClient client(options.address);
        QTRY_VERIFY_WITH_TIMEOUT(!client.firstCompleteShot().isEmpty(), ShotTimeoutMs);
        unit()->armDataDrop();
        QTRY_COMPARE_WITH_TIMEOUT(client.socket().state(), QAbstractSocket::UnconnectedState,
                                  ShotTimeoutMs);
        const QList<Frame> whole = client.firstCompleteShot();
        const qint32 dropped = shotsSeen(client, BUPacket::ShotStart).constLast();
        QTRY_VERIFY_WITH_TIMEOUT(loggedShots(options.shotLogPath).contains(dropped), ShotTimeoutMs);

        const QMap<qint32, QJsonObject> shots = loggedShots(options.shotLogPath);
        const QJsonObject complete = shots.value(whole.first().start.shotNumber);
        QVERIFY(complete.value("complete").toBool());
        QCOMPARE(complete.value("delivered").toInt(), SamplesPerShot);
        const QByteArray sent =
            QByteArray::fromBase64(complete.value("curves").toArray().at(0).toString().toLatin1());
        QList<qint16> received;
        for (const Frame& frame : whole) {
            if (frame.type == BUPacket::ShotSamples && frame.sampleIndex != 0xFFFFFFFFU)
                received << frame.values.at(0);
        }
        QCOMPARE(sent.size(), received.size() * 2);
        for (qsizetype i = 0; i < received.size(); ++i)
            QCOMPARE(qFromLittleEndian<qint16>(sent.constData() + 2 * i), received.at(i));
        QVERIFY(!shots.value(dropped).value("complete").toBool());
        QCOMPARE(shots.value(dropped).value("delivered").toInt(), SamplesPerShot / 2 + 1);
    }

    void reportsAWatchdogResetInTheNextStatusOnly()
    {
        SimulatorOptions options = fastUnit(address(77));
        options.faults.resetEvery = 2;
        options.shotLimit = 3;
        QVERIFY(startUnit(options));
        StreamClient client(options.address);
        QTRY_VERIFY_WITH_TIMEOUT(unit()->statistics().shotsCompleted.load() == 3, ShotTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!statuses(client).isEmpty() && !isReset(statuses(client).last()),
                                 5000);
        const QList<BUPayload::UnitStatus> seen = statuses(client);
        QCOMPARE(int(std::count_if(seen.begin(), seen.end(), isReset)), 1);
        QCOMPARE(std::find_if(seen.begin(), seen.end(), isReset)->entries[0].status & 0x0F, 1);
        QCOMPARE(unit()->statistics().unitResets.load(), 1ULL);
        QCOMPARE(client.socket().state(), QAbstractSocket::ConnectedState);
    }

    void resetAfterFirmwareUpdateReachesAReconnectingManager()
    {
        const SimulatorOptions options = fastUnit(address(78));
        QVERIFY(startUnit(options));
        StreamClient first(options.address);
        QTRY_VERIFY_WITH_TIMEOUT(first.count(BUPacket::UnitStatus) >= 1, 5000);
        const auto prepareUpdate = [&] {
            ControlPort port(options.address, ControlPort::DefaultPort);
            QVERIFY(port.open() == 0);
            port.prepareFirmwareUpdate();
        };
        prepareUpdate(); // nothing uploaded: nothing to install
        QTRY_COMPARE_WITH_TIMEOUT(unit()->statistics().controlRequests.load(), 1ULL, 5000);
        QCOMPARE(unit()->statistics().unitResets.load(), 0ULL);
        unit()->acceptFirmwareUpload(QStringLiteral("boot.mot"), 100, QString());
        prepareUpdate();
        // The unit reboots: the data connection goes, the reset is told to the next PC.
        QTRY_COMPARE_WITH_TIMEOUT(first.socket().state(), QAbstractSocket::UnconnectedState, 5000);
        StreamClient second(options.address);
        QTRY_VERIFY_WITH_TIMEOUT(second.count(BUPacket::UnitStatus) >= 1, 5000);
        QVERIFY(isReset(statuses(second).first()));
        QCOMPARE(statuses(second).first().entries[0].status & 0x0F, 0); // not a watchdog
    }
};

CVO_TEST_MAIN_NO_GUI(TestUnitsimFaults)

#include "tst_unitsim_faults.moc"
