#include "BUPacket.h"
#include "FrameBuilder.h"
#include "FrameReceiver.h"
#include "TestMain.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// Five eight-channel modules: the most channels one ShotSamples frame can carry.
const QList<qint32> FortyChannels = {0x11000001, 0x11000002, 0x11000003, 0x11000004, 0x11000005};

QByteArray samplesFrame(quint32 index)
{
    return FrameBuilder::frame(BUPacket::ShotSamples, FrameBuilder::shotSamplesPayload(
                                                          index, FortyChannels, qint16(index)));
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

} // namespace

class TestFrameReceiver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesSeveralFramesFromOneRead()
    {
        BUPacket packet;
        FrameReceiver receiver(&packet);
        QCOMPARE(decodedIndexes(receiver, packet, burst(3)), (QList<quint32>{0, 1, 2}));
        QCOMPARE(receiver.bufferedBytes(), 0);
        QCOMPARE(receiver.framesDecoded(), 3u);
    }

    void decodesFrameSplitAcrossReadsOnceItIsComplete()
    {
        BUPacket packet;
        FrameReceiver receiver(&packet);
        const QByteArray frame = samplesFrame(9);
        for (int i = 0; i < frame.size() - 1; ++i) {
            QVERIFY(decodedIndexes(receiver, packet, frame.mid(i, 1)).isEmpty());
            if (i == 2)
                QCOMPARE(receiver.state(), FrameReceiver::State::Header); // three header bytes wait
            if (i == 3) {
                QCOMPARE(receiver.state(), FrameReceiver::State::Body);
                QCOMPARE(receiver.expectedBytes(), qint64(frame.size() - 4));
            }
        }
        QCOMPARE(decodedIndexes(receiver, packet, frame.right(1)), QList<quint32>{9});
        QCOMPARE(receiver.expectedBytes(), 4);
    }

    void deliversTypeWithoutReaderAndAcksInOrder()
    {
        BUPacket packet;
        FrameReceiver receiver(&packet);
        receiver.append(FrameBuilder::ack(3) + FrameBuilder::frame(0x63, QByteArray(45, 'z')) +
                        FrameBuilder::frame(BUPacket::Nak, QByteArray(1, '\1')));
        QList<int> types;
        while (receiver.decodeNext())
            types.append(packet.type());
        QCOMPARE(types, (QList<int>{0xA0, 0x63, 0xA1}));
        QCOMPARE(packet.ackValue(), quint8(3));
    }

    void skipsGarbageBeforeAValidHeader()
    {
        BUPacket packet;
        FrameReceiver receiver(&packet);
        // 0x40 bytes inside the garbage do not begin a valid header and are skipped too.
        const QByteArray garbage = QByteArray::fromHex("0102404040ff40");
        QTest::ignoreMessage(QtDebugMsg, "Illegal packet.");
        QCOMPARE(decodedIndexes(receiver, packet, garbage + burst(2)), (QList<quint32>{0, 1}));
        QCOMPARE(receiver.illegalHeaders(), 1u);
        QCOMPARE(receiver.discardedBytes(), quint64(garbage.size()));
    }

    void corruptedBccCostsExactlyThatFrame()
    {
        BUPacket packet;
        FrameReceiver receiver(&packet);
        QByteArray bytes = burst(10);
        const int frameSize = samplesFrame(0).size();
        bytes[5 * frameSize + frameSize - 1] = char(bytes.at(5 * frameSize + frameSize - 1) ^ 0x5A);
        QTest::ignoreMessage(
            QtDebugMsg,
            QRegularExpression("^BCC Error value:[0-9A-F]{2}, supposed to be [0-9A-F]{2}$"));
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
        const int frameSize = samplesFrame(0).size();
        bytes[4 * frameSize + 1] = char(newLength >> 8);
        bytes[4 * frameSize + 2] = char(newLength & 0xFF);
        // Fed in small pieces the way a socket delivers a stream.
        QList<quint32> indexes;
        for (int i = 0; i < bytes.size(); i += 37)
            indexes += decodedIndexes(receiver, packet, bytes.mid(i, 37));
        QCOMPARE(indexes, allBut(10, 4));
    }

    void resetDropsAPartialFrame()
    {
        BUPacket packet;
        FrameReceiver receiver(&packet);
        const QByteArray frame = samplesFrame(1);
        QVERIFY(decodedIndexes(receiver, packet, frame.left(30)).isEmpty());
        receiver.reset();
        QCOMPARE(receiver.state(), FrameReceiver::State::Header);
        QCOMPARE(receiver.expectedBytes(), 4);
        QCOMPARE(decodedIndexes(receiver, packet, samplesFrame(2)), QList<quint32>{2});
    }

    void survivesLongRunsOfNoise()
    {
        BUPacket packet;
        FrameReceiver receiver(&packet);
        QByteArray noise(200000, '\0');
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 7919) % 251 == 0x40 ? 0x41 : (i * 7919) % 251);
        QTest::ignoreMessage(QtDebugMsg, "Illegal packet.");
        QCOMPARE(decodedIndexes(receiver, packet, noise + burst(3)), (QList<quint32>{0, 1, 2}));
        QCOMPARE(receiver.bufferedBytes(), 0);
    }
};

CVO_TEST_MAIN_NO_GUI(TestFrameReceiver)
#include "tst_framereceiver.moc"
