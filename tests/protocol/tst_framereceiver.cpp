#include "BUPacket.h"
#include "FrameBuilder.h"
#include "FrameReceiver.h"
#include "TestMain.h"

#include <QTest>

namespace {

// Five eight-channel modules: the most channels one ShotSamples frame can carry.
const QList<qint32> FortyChannels = {0x11000001, 0x11000002, 0x11000003, 0x11000004, 0x11000005};

QByteArray samplesFrame(quint32 index)
{
    return FrameBuilder::frame(BUPacket::ShotSamples, FrameBuilder::shotSamplesPayload(
                                                          index, FortyChannels, qint16(index)));
}

QByteArray burst(quint32 count)
{
    QByteArray bytes;
    for (quint32 i = 0; i < count; ++i)
        bytes += samplesFrame(i);
    return bytes;
}

QList<quint32> allBut(quint32 count, quint32 missing)
{
    QList<quint32> expected;
    for (quint32 i = 0; i < count; ++i)
        if (i != missing)
            expected.append(i);
    return expected;
}

// Feeds the bytes and collects the sample index of every ShotSamples packet decoded.
QList<quint32> decodedIndexes(FrameReceiver& receiver, BUPacket& packet, const QByteArray& bytes)
{
    QList<quint32> indexes;
    receiver.append(bytes);
    while (receiver.decodeNext()) {
        if (packet.type() == BUPacket::ShotSamples)
            indexes.append(packet.shotSamples().sampleIndex);
    }
    return indexes;
}

} // namespace

class TestFrameReceiver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesEveryFrameOfOneReadInOrder()
    {
        BUPacket packet;
        FrameReceiver receiver(&packet);
        receiver.append(FrameBuilder::ack(3) + FrameBuilder::frame(0x63, QByteArray(45, 'z')) +
                        burst(2) + FrameBuilder::frame(BUPacket::Nak, QByteArray(1, '\1')));
        QList<int> types;
        while (receiver.decodeNext())
            types.append(packet.type());
        QCOMPARE(types, (QList<int>{0xA0, 0x63, 0x41, 0x41, 0xA1})); // 0x63 has no reader
        QCOMPARE(packet.nakValue(), quint8(1));
        QCOMPARE(receiver.bufferedBytes(), 0);
    }

    void decodesAFrameSplitAcrossReadsOnceItIsComplete()
    {
        BUPacket packet;
        FrameReceiver receiver(&packet);
        const QByteArray frame = samplesFrame(9);
        for (int i = 0; i < frame.size() - 1; ++i)
            QVERIFY(decodedIndexes(receiver, packet, frame.mid(i, 1)).isEmpty());
        QCOMPARE(decodedIndexes(receiver, packet, frame.right(1)), QList<quint32>{9});
    }

    // From 256 bytes on the length's high byte is not zero, and the BCC covers it too.
    void checksTheBccOverBothLengthBytesOfALongFrame()
    {
        BUPacket packet;
        FrameReceiver receiver(&packet);
        const QByteArray payload(500, 'x'); // an even count of equal bytes adds nothing
        const QByteArray frame = FrameBuilder::frame(BUPacket::ModuleConfigData, payload);
        QCOMPARE(frame.left(4), QByteArray::fromHex("4001f561"));
        QCOMPARE(quint8(frame.back()), quint8(0x01 ^ 0xF5 ^ 0x61));
        QByteArray withoutHighByte = frame;
        withoutHighByte.back() = char(0xF5 ^ 0x61);

        receiver.append(withoutHighByte + frame + samplesFrame(3));
        QVERIFY(receiver.decodeNext());
        QCOMPARE(packet.type(), int(BUPacket::ModuleConfigData));
        QCOMPARE(packet.moduleConfigPayload(), payload); // without the BCC
        QCOMPARE(receiver.bccErrors(), 1u);
        QVERIFY(receiver.decodeNext());
        QCOMPARE(packet.shotSamples().sampleIndex, 3u);
    }

    void skipsGarbageBeforeAValidHeader()
    {
        BUPacket packet;
        FrameReceiver receiver(&packet);
        // 0x40 bytes inside the garbage do not begin a valid header and are skipped too.
        const QByteArray garbage = QByteArray::fromHex("0102404040ff40");
        QCOMPARE(decodedIndexes(receiver, packet, garbage + burst(2)), (QList<quint32>{0, 1}));
        QCOMPARE(receiver.illegalHeaders(), 1u);
        QCOMPARE(receiver.discardedBytes(), quint64(garbage.size()));
    }

    void corruptedBccCostsExactlyThatFrame()
    {
        BUPacket packet;
        FrameReceiver receiver(&packet);
        QByteArray bytes = burst(10);
        const qsizetype sixthBcc = 6 * samplesFrame(0).size() - 1;
        bytes[sixthBcc] = char(bytes.at(sixthBcc) ^ 0x5A);
        QCOMPARE(decodedIndexes(receiver, packet, bytes), allBut(10, 5));
        QCOMPARE(receiver.bccErrors(), 1u);
    }

    void corruptedLengthCostsExactlyThatFrame_data()
    {
        QTest::addColumn<int>("newLength");
        QTest::newRow("longer, still within limits") << 111;
        QTest::newRow("shorter, still within limits") << 19;
        QTest::newRow("outside limits") << 200;
    }

    void corruptedLengthCostsExactlyThatFrame()
    {
        QFETCH(int, newLength);
        BUPacket packet;
        FrameReceiver receiver(&packet);
        QByteArray bytes = burst(10);
        const qsizetype fifth = 4 * samplesFrame(0).size();
        bytes[fifth + 1] = char(newLength >> 8);
        bytes[fifth + 2] = char(newLength & 0xFF);
        QList<quint32> indexes; // fed in small pieces, the way a socket delivers a stream
        for (int i = 0; i < bytes.size(); i += 37)
            indexes += decodedIndexes(receiver, packet, bytes.mid(i, 37));
        QCOMPARE(indexes, allBut(10, 4));
    }

    void resetDropsAPartialFrame()
    {
        BUPacket packet;
        FrameReceiver receiver(&packet);
        QVERIFY(decodedIndexes(receiver, packet, samplesFrame(1).left(30)).isEmpty());
        receiver.reset();
        QCOMPARE(decodedIndexes(receiver, packet, samplesFrame(2)), QList<quint32>{2});
    }

    void survivesLongRunsOfNoise()
    {
        BUPacket packet;
        FrameReceiver receiver(&packet);
        QByteArray noise(200000, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919) % 251 == 0x40 ? 0x41 : (i * 7919) % 251);
        QCOMPARE(decodedIndexes(receiver, packet, noise + burst(3)), (QList<quint32>{0, 1, 2}));
        QCOMPARE(receiver.bufferedBytes(), 0);
    }
};

CVO_TEST_MAIN_NO_GUI(TestFrameReceiver)
#include "tst_framereceiver.moc"
