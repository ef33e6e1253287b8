#include "ControlPort.h"
#include "FirmwareInfo.h"
#include "FirmwareQuery.h"
#include "FrameBuilder.h"
#include "LoopbackPeer.h"
#include "TestMain.h"

#include <QDateTime>
#include <QTest>

namespace {

QHostAddress testAddress(int n)
{
    return QHostAddress(QStringLiteral("127.0.23.%1").arg(n));
}

// The payload of a request frame (between the header and the BCC).
QByteArray payloadOf(const QByteArray& frame)
{
    return frame.mid(4, frame.size() - 5);
}

QByteArray unitInfoReply(quint32 versionWord)
{
    return FrameBuilder::frame(BUPacket::UnitInfo, FrameBuilder::payload([&](QDataStream& s) {
                                   s << quint8(1) << qint32(0x40000000) << versionWord << quint8(0);
                               }));
}

// Answers every request with the reply type the command set expects.
QList<QByteArray> answerByType(const QByteArray& request)
{
    switch (quint8(request.at(3))) {
    case BUPacket::StatusControl:
        return {FrameBuilder::frame(BUPacket::UnitStatus, QByteArray(22, '\0'))};
    case BUPacket::IoControl:
        return {FrameBuilder::frame(BUPacket::IoStatus, QByteArray::fromHex("000000001f03"))};
    case BUPacket::SetClock:
        return {FrameBuilder::frame(BUPacket::ClockReply, QByteArray(9, '\0'))};
    case BUPacket::SendMonitoringRanges:
    case BUPacket::SendMonitoringWaveform:
        return {FrameBuilder::ack()};
    default:
        return {};
    }
}

struct FirmwareGuard
{
    ~FirmwareGuard() { resetFirmwareType(); }
};

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sendsTheCommandPayloads()
    {
        LoopbackPeer unit(testAddress(1), ControlPort::DefaultPort, answerByType);
        ControlPort port(testAddress(1), ControlPort::DefaultPort);
        QCOMPARE(port.open(), 0);

        QCOMPARE(port.setClock(QDateTime(QDate(2013, 5, 4), QTime(10, 20, 30, 789))), 0);
        QCOMPARE(port.setMode(1, 0x08), 0);
        QCOMPARE(port.readStatus(), 0);
        QCOMPARE(port.writeOutputs(0x40000000, 0x15), 0);
        QCOMPARE(port.packet()->ioStatus().outputs, quint8(0x1F));
        QCOMPARE(port.readIoStatus(0x40000000), 0);

        QList<quint16> ranges;
        for (quint16 i = 0; i < 16; ++i)
            ranges << quint16(1000 + i);
        QCOMPARE(port.sendMonitoringRanges(3, ranges), 0);

        const QList<QByteArray> requests = unit.requests();
        QCOMPARE(requests.size(), 6);
        QCOMPARE(payloadOf(requests[0]), QByteArray::fromHex("010d05040a141e0700"));
        QCOMPARE(payloadOf(requests[1]), QByteArray::fromHex("010108"));
        QCOMPARE(payloadOf(requests[2]), QByteArray::fromHex("00"));
        QCOMPARE(payloadOf(requests[3]), QByteArray::fromHex("014000000015"));
        QCOMPARE(payloadOf(requests[4]), QByteArray::fromHex("0040000000"));
        QCOMPARE(payloadOf(requests[5]).left(6), QByteArray::fromHex("010303e803e9"));
        QCOMPARE(payloadOf(requests[5]).size(), 2 + 32);
    }

    void padsAMonitoringWaveformChunkTo400Values()
    {
        LoopbackPeer unit(testAddress(2), ControlPort::DefaultPort, answerByType);
        ControlPort port(testAddress(2), ControlPort::DefaultPort);
        QCOMPARE(port.open(), 0);
        QList<quint16> values;
        for (int i = 0; i < 150; ++i)
            values << quint16(0xFFFF - i);
        QCOMPARE(port.sendMonitoringWaveform(2, 8, 200, values), 0);

        const QByteArray sent = payloadOf(unit.requests().value(0));
        QCOMPARE(sent.size(), 6 + 800);
        QCOMPARE(sent.left(8), QByteArray::fromHex("0102084b00c8ffff"));
        QCOMPARE(sent.mid(6 + 2 * 149, 2), QByteArray::fromHex("ff6a"));
        QCOMPARE(sent.mid(6 + 300), QByteArray(500, '\0'));
    }

    void refusesBadArgumentsBeforeSending()
    {
        ControlPort port(testAddress(3), ControlPort::DefaultPort); // never opened
        QCOMPARE(port.sendMonitoringRanges(1, QList<quint16>(15, 0)), 3);
        QCOMPARE(port.sendMonitoringRanges(1, QList<quint16>(17, 0)), 3);
        QCOMPARE(port.sendMonitoringWaveform(1, 1, 60000, {}), 3);
        QCOMPARE(port.sendMonitoringWaveform(1, 1, 0, QList<quint16>(401, 0)), 3);
        QCOMPARE(port.sendMonitoringWaveform(1, 1, 59999, QList<quint16>(400, 0)),
                 2); // sent, no link
    }

    void reportsAReplyOfTheWrongType()
    {
        LoopbackPeer unit(testAddress(4), ControlPort::DefaultPort,
                          [](const QByteArray&) { return QList<QByteArray>{unitInfoReply(0)}; });
        ControlPort port(testAddress(4), ControlPort::DefaultPort);
        QCOMPARE(port.open(), 0);
        QCOMPARE(port.setMode(0, 0), 4);
        QCOMPARE(port.readUnitInfo(), 0);
    }

    void classifiesTheFirmwareFromTheUnitInfo_data()
    {
        QTest::addColumn<quint32>("versionWord");
        QTest::addColumn<int>("type");
        QTest::newRow("standard") << 0x00003000u << 0;
        QTest::newRow("company A") << 0x0A002F64u << 1;
        QTest::newRow("company C") << 0x0B002C96u << 2;
        QTest::newRow("other variant is standard") << 0x00003001u << 0;
    }

    void classifiesTheFirmwareFromTheUnitInfo()
    {
        QFETCH(quint32, versionWord);
        QFETCH(int, type);
        FirmwareGuard guard;
        LoopbackPeer unit(testAddress(5), ControlPort::DefaultPort, [&](const QByteArray&) {
            return QList<QByteArray>{unitInfoReply(versionWord)};
        });
        QVERIFY(updateFirmwareType(testAddress(5), ControlPort::DefaultPort));
        QCOMPARE(firmwareType.load(), type);
        QCOMPARE(firmwareVersion.load(), versionWord);
        QCOMPARE(compareFirmwareVersion(), 0);
    }

    void unreachableUnitLeavesTheVersion()
    {
        FirmwareGuard guard;
        firmwareType = 2;
        firmwareVersion = 0x0B002B96;
        QVERIFY(!updateFirmwareType(testAddress(6), ControlPort::DefaultPort));
        QCOMPARE(firmwareType.load(), -1);
        QCOMPARE(firmwareVersion.load(), 0x0B002B96u);
    }

    void comparesVersionsWithTheSupportedRange()
    {
        FirmwareGuard guard;
        const auto verdict = [](int type, quint32 v) {
            firmwareType = type;
            firmwareVersion = v << 8;
            return compareFirmwareVersion();
        };
        QCOMPARE(verdict(2, 0xB002A), 1);
        QCOMPARE(verdict(2, 0xB002B), 0);
        QCOMPARE(verdict(2, 0xB002D), 0);
        QCOMPARE(verdict(2, 0xB002E), 2);
        QCOMPARE(verdict(0, 0x2F), 1);
        QCOMPARE(verdict(0, 0x30), 0);
        QCOMPARE(verdict(0, 0x31), 2);
        QCOMPARE(verdict(1, 0xA002F), 0);
        QCOMPARE(verdict(1, 0xA0030), 2);
        QCOMPARE(verdict(-1, 0x30), -1);
        QCOMPARE(verdict(3, 0x30), -1);
    }

    void knowsWhichFirmwareOffersTheHighTemperatureSensors()
    {
        FirmwareGuard guard;
        const auto supports = [](int type, quint32 v) {
            firmwareType = type;
            firmwareVersion = (v << 8) | 0x64;
            return firmwareSupportsSensor200DegC();
        };
        QVERIFY(!supports(0, 41));
        QVERIFY(supports(0, 42));
        QVERIFY(!supports(1, 0xA002A));
        QVERIFY(supports(1, 0xA002B));
        QVERIFY(!supports(2, 0xB002B));
        QVERIFY(supports(2, 0xB002C));
        QVERIFY(!supports(-1, 0xFFFFFF));
    }
};

CVO_TEST_MAIN_NO_GUI(TestCommands)
#include "tst_commands.moc"
