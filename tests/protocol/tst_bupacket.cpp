#include "BUPacket.h"
#include "FirmwareInfo.h"
#include "FrameBuilder.h"
#include "TestMain.h"

#include <QDataStream>
#include <QTest>

namespace {

// Runs the header check on the first four bytes of a frame.
bool headerAccepted(BUPacket& packet, quint16 length, quint8 type, quint8 start = 0x40)
{
    QByteArray header;
    header.append(char(start)).append(char(length >> 8)).append(char(length)).append(char(type));
    QDataStream stream(header);
    return packet.readHeader(stream);
}

struct FirmwareGuard
{
    explicit FirmwareGuard(int type) { firmwareType = type; }
    ~FirmwareGuard() { firmwareType = -1; }
};

} // namespace

class TestBUPacket : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encodesFramesWithTheBccOverLengthTypeAndPayload()
    {
        BUPacket packet;
        packet.setType(BUPacket::Ack);
        QCOMPARE(packet.encode(QByteArray(1, '\0')), QByteArray::fromHex("400002a000a2"));
        packet.setType(BUPacket::StatusControl);
        // length 4, type 01, payload 01 01 08 -> BCC 00^04^01^01^01^08 = 0x0D
        QCOMPARE(packet.encode(QByteArray::fromHex("010108")),
                 QByteArray::fromHex("400004010101080d"));
        // The length field counts the payload and the BCC: one byte less must fit.
        QVERIFY(packet.encode(QByteArray(0xFFFF, 'x')).isEmpty());
        QCOMPARE(packet.encode(QByteArray(0xFFFE, 'x')).size(), 0xFFFE + 5);
    }

    void checksHeaderLimits()
    {
        BUPacket packet;
        QVERIFY(!headerAccepted(packet, 18, BUPacket::ShotStart));
        QVERIFY(!headerAccepted(packet, 20, BUPacket::ShotStart));
        QVERIFY(headerAccepted(packet, 19, BUPacket::ShotStart));
        QVERIFY(headerAccepted(packet, 2, 0xA0)); // the type is read as unsigned
        QCOMPARE(packet.type(), 0xA0);
        QVERIFY(headerAccepted(packet, 810, 0x69));
        QVERIFY(!headerAccepted(packet, 811, 0x69));
        QVERIFY(!headerAccepted(packet, 19, 0x43));               // unknown type
        QVERIFY(!headerAccepted(packet, 2, BUPacket::Ack, 0x41)); // bad start byte
        QVERIFY(!headerAccepted(packet, 0, BUPacket::Ack));
        QVERIFY(!headerAccepted(packet, 0xFFFF, BUPacket::ShotResult));
        QCOMPARE(packet.length(), quint16(810)); // a refused header keeps the last good one
        QCOMPARE(packet.type(), 0x69);
    }

    void moduleConfigLimitsFollowFirmwareTypeAtConstruction()
    {
        {
            FirmwareGuard unknown(-1);
            BUPacket packet;
            QVERIFY(!headerAccepted(packet, 377, BUPacket::ModuleConfigData));
            QVERIFY(headerAccepted(packet, 602, BUPacket::ModuleConfigData));
            firmwareType = 1; // later changes do not affect an existing packet
            QVERIFY(!headerAccepted(packet, 603, BUPacket::ModuleConfigData));
        }
        for (int type : {0, 1, 2}) {
            FirmwareGuard current(type);
            BUPacket packet;
            QVERIFY(!headerAccepted(packet, 441, BUPacket::ModuleConfigData));
            QVERIFY(headerAccepted(packet, 442, BUPacket::ModuleConfigData));
            QVERIFY(headerAccepted(packet, 730, BUPacket::ModuleConfigData));
            QVERIFY(!headerAccepted(packet, 731, BUPacket::ModuleConfigData));
        }
    }

    void judgesTheFirmwareVersionByItsType()
    {
        FirmwareGuard guard(2);
        const auto verdict = [](quint32 version) {
            firmwareVersion = version << 8 | 0x96; // the low byte is the variant
            return compareFirmwareVersion();
        };
        QCOMPARE(verdict(0xB002A), 1); // older than supported
        QCOMPARE(verdict(0xB002B), 0);
        QVERIFY(!firmwareSupportsSensor200DegC());
        QCOMPARE(verdict(0xB002D), 0);
        QVERIFY(firmwareSupportsSensor200DegC());
        QCOMPARE(verdict(0xB002E), 2); // newer
        firmwareType = -1;
        QCOMPARE(compareFirmwareVersion(), -1);
        QVERIFY(!firmwareSupportsSensor200DegC());
    }

    void readsShotStart()
    {
        BUPacket packet;
        FrameBuilder::decode(packet, BUPacket::ShotStart,
                             QByteArray::fromHex("0102"
                                                 "00012345"
                                                 "1a0c1f173b3b09"
                                                 "ff"
                                                 "00002710"));
        const auto& p = packet.shotStart();
        QCOMPARE(p.shotNumber, 0x12345);
        const auto& t = p.time;
        QCOMPARE((QList<int>{t.year, t.month, t.day, t.hour, t.minute, t.second, t.tenths}),
                 (QList<int>{26, 12, 31, 23, 59, 59, 9}));
        QCOMPARE(p.elapsedMs, 10000u);
    }

    void readsShotSamplesPerModuleCode()
    {
        BUPacket packet;
        FrameBuilder::decode(
            packet, BUPacket::ShotSamples,
            FrameBuilder::shotSamplesPayload(7, {0x01000001, 0x40000000, 0x11000002}, -3));
        const auto& p = packet.shotSamples();
        QCOMPARE(p.sampleIndex, 7u);
        QVERIFY(!p.isAuxiliary());
        QCOMPARE(p.moduleCount, quint8(3));
        QCOMPARE(p.modules[0].values[0], qint16(-3));
        QCOMPARE(p.modules[0].values[3], qint16(0));
        QCOMPARE(p.modules[1].moduleTypeCode, 0x40000000); // no channels, no values
        QCOMPARE(p.modules[2].moduleTypeCode, 0x11000002);
        QCOMPARE(p.modules[2].values[0], qint16(1));
        QCOMPARE(p.modules[2].values[7], qint16(8));

        FrameBuilder::decode(packet, BUPacket::ShotSamples,
                             FrameBuilder::shotSamplesPayload(0xFFFFFFFF, {0x02000001}));
        QVERIFY(packet.shotSamples().isAuxiliary());
    }

    void readsShotResultInBothLayouts()
    {
        const auto head = [](QDataStream& s) {
            s << qint32(42) << quint8(26) << quint8(1) << quint8(2) << quint8(3) << quint8(4)
              << quint8(5) << quint8(6) << quint8(0) << quint32(1500) << quint8(1)
              << qint32(0x01000003);
        };
        {
            FirmwareGuard legacy(-1);
            BUPacket packet;
            FrameBuilder::decode(packet, BUPacket::ShotResultAlt,
                                 FrameBuilder::payload([&](QDataStream& s) {
                                     head(s);
                                     s << quint8(0x01) << quint8(0x02) << quint8(0) << quint8(0x80);
                                     for (int c = 0; c < 4; ++c)
                                         s << qint16(100 + c) << qint16(-1) << qint16(3)
                                           << qint32(4) << qint32(5) << quint32(0xFFFFFFF0);
                                 }));
            const auto& r = packet.shotResult();
            QVERIFY(r.legacyLayout);
            QCOMPARE(r.shotNumber, 42);
            QCOMPARE(r.elapsedMs, 1500u);
            QCOMPARE(r.modules[0].flags[3], quint16(0x80));
            QCOMPARE(r.modules[0].a[3], qint16(103));
            QCOMPARE(r.modules[0].b[3], qint16(-1));
            QCOMPARE(r.modules[0].f[3], 0xFFFFFFF0u);
            QCOMPARE(r.modules[0].g[3], 0);
        }
        FirmwareGuard current(0);
        BUPacket packet;
        FrameBuilder::decode(
            packet, BUPacket::ShotResult, FrameBuilder::payload([&](QDataStream& s) {
                head(s);
                s << quint16(0x0201) << quint16(0) << quint16(0) << quint16(0x0100);
                for (int c = 0; c < 4; ++c)
                    s << qint16(7) << qint16(8) << qint16(9) << qint32(10) << qint32(11)
                      << quint32(12) << qint32(-2000 - c);
            }));
        const auto& r = packet.shotResult();
        QVERIFY(!r.legacyLayout);
        QCOMPARE(r.modules[0].flags[0], quint16(0x0201));
        QCOMPARE(r.modules[0].flags[3], quint16(0x0100));
        QCOMPARE(r.modules[0].e[2], 11);
        QCOMPARE(r.modules[0].g[3], -2003);
    }

    void readsStatusInfoIoAndClock()
    {
        BUPacket packet;
        FrameBuilder::decode(packet, BUPacket::UnitInfo,
                             QByteArray::fromHex("02400000000b002b640001000001"
                                                 "0102030007"));
        QCOMPARE(packet.unitInfo().count, quint8(2));
        QCOMPARE(packet.unitInfo().entries[0].versionWord, 0x0B002B64u);
        QCOMPARE(packet.unitInfo().entries[1].moduleTypeCode, 0x01000001);
        QCOMPARE(packet.unitInfo().entries[1].extra, quint8(7));

        FrameBuilder::decode(packet, BUPacket::UnitStatus,
                             QByteArray::fromHex("000000640000006000000003010802"
                                                 "400000001500ff01000001100000"));
        const auto& st = packet.unitStatus();
        QCOMPARE((QList<int>{st.shotNumber, st.judgedCount, st.ngCount, st.mode, st.statusBits}),
                 (QList<int>{100, 96, 3, 1, 8}));
        QCOMPARE(st.entries[0].status & 0x0F, 5);
        QCOMPARE(st.entries[0].extra1, quint8(0xFF));
        QCOMPARE(st.entries[1].status, quint8(0x10));

        FrameBuilder::decode(packet, BUPacket::IoStatus, QByteArray::fromHex("00000000150a"));
        QCOMPARE(packet.ioStatus().outputs, quint8(0x15));
        QCOMPARE(packet.ioStatus().inputs, quint8(0x0A));
        FrameBuilder::decode(packet, BUPacket::ClockReply,
                             QByteArray::fromHex("010203040506070809"));
        QCOMPARE(packet.clockReply().bytes[7], quint8(8));
    }

    void shortPayloadLeavesZerosAndStaysInsideTheBody()
    {
        BUPacket packet;
        // Count says 200 entries, one is present: the rest read as zero from the exhausted stream.
        FrameBuilder::decode(packet, BUPacket::UnitStatus,
                             QByteArray::fromHex("000000010000000100000000" // counters
                                                 "0000c8" // mode, status, count 200
                                                 "010000010300"));
        const auto& st = packet.unitStatus();
        QCOMPARE(st.moduleCount, quint8(200));
        QCOMPARE(st.entries[0].moduleTypeCode, 0x01000001);
        QCOMPARE(st.entries[0].status, quint8(3));
        QCOMPARE(st.entries[0].extra1, quint8(0));
        QCOMPARE(st.entries[1].moduleTypeCode, 0);
        QCOMPARE(st.entries[199].status, quint8(0));
        // A field cut by the end reads as zero and so does everything after it, also where
        // the reused packet still holds the earlier frame's values.
        FrameBuilder::decode(packet, BUPacket::UnitStatus,
                             QByteArray::fromHex("000000010000000100000000"
                                                 "0000c8"
                                                 "0100"));
        QCOMPARE(st.entries[0].moduleTypeCode, 0);
        QCOMPARE(st.entries[0].status, quint8(0));

        // A claimed configuration payload longer than the body keeps only what arrived.
        packet.setHeader(400, BUPacket::ModuleConfigData);
        const QByteArray body = QByteArray::fromHex("0001020304");
        QDataStream stream(body);
        packet.readPayload(stream);
        QCOMPARE(packet.moduleConfigPayload(), body);
    }
};

CVO_TEST_MAIN_NO_GUI(TestBUPacket)
#include "tst_bupacket.moc"
