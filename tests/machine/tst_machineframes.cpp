#include "MachineFrameReceiver.h"
#include "MoldMachineTable.h"
#include "TestMain.h"

#include <QTextStream>

#include <functional>
#include <numeric>

namespace {

using Result = MachineFrameReceiver::Result;

// STX, echo and text, ETX, then the XOR of everything after STX up to ETX.
QByteArray reply(const QByteArray& echo, const QByteArray& text)
{
    const QByteArray frame = "\x02" + echo + text + "\x03";
    return frame + std::accumulate(frame.begin() + 1, frame.end(), char(0), std::bit_xor<char>());
}

} // namespace

class TestMachineFrames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void assemblesAFrameAcrossChunksAndChecksItsBcc()
    {
        const QByteArray frame = reply("AB", "12");
        MachineFrameReceiver receiver;
        QCOMPARE(receiver.append(frame.left(3)), Result::Incomplete);
        QCOMPARE(receiver.append(frame.mid(3, 3)), Result::Incomplete);
        QCOMPARE(receiver.append(frame.mid(6)), Result::Frame);
        QCOMPARE(receiver.frame(), frame);
        QVERIFY(MachineFrameReceiver::hasValidBcc(frame));
        QVERIFY(!MachineFrameReceiver::hasValidBcc(frame.chopped(1) + char(frame.back() ^ 0x01)));
        QCOMPARE(MachineFrameReceiver::replyText(frame, 2), QByteArray("12"));
        // A frame too short for its echo holds no text, and nothing beyond the frame.
        QCOMPARE(MachineFrameReceiver::replyText(reply("A", ""), 4), QByteArray());
    }

    void resyncsAfterNoiseAndOverlongFrames()
    {
        MachineFrameReceiver receiver;
        // Noise ahead of STX holds the frame back until the line goes quiet and is cleared.
        QCOMPARE(receiver.append('\xff' + reply("AB", "12")), Result::Incomplete);
        receiver.clear();
        QCOMPARE(receiver.append(reply("AB", "34")), Result::Frame);
        // STX and 98 more bytes up to ETX still fit; one more does not.
        QCOMPARE(receiver.append(reply(QByteArray(97, 'x'), "")), Result::Frame);
        QCOMPARE(receiver.append(reply(QByteArray(98, 'x'), "")), Result::Dropped);
        QCOMPARE(receiver.append(reply("CD", "5")), Result::Frame);
        QCOMPARE(receiver.frame(), reply("CD", "5"));

        for (int i = 0; i < 10; ++i)
            receiver.append(QByteArray(1000, '\x55'));
        QVERIFY(receiver.pendingBytes() <= MachineFrameReceiver::MaxPendingBytes);
    }

    void tableKeepsTwoPartLinesUpToTheLimitAndTheFirstEmptyLine()
    {
        // Only lines of two non-empty parts count; 29 of them are kept.
        QString text = "A\nB,b,x\nC,,c\n,D,d,\n";
        for (int i = 1; i <= 33; ++i)
            text += QStringLiteral("I%1,Name %1\n").arg(i);
        text += "\nAFTER,the empty line\n";
        QTextStream in(&text);
        const MoldMachineTable::ReadResult table = MoldMachineTable::read(in);
        QCOMPARE(table.countedLines, 35);
        QCOMPARE(table.records.size(), 29);
        QCOMPARE(table.records.at(0).id + table.records.at(1).id, QStringLiteral("CD"));
        QCOMPARE(table.records.at(1).name, QStringLiteral("d"));
        QCOMPARE(table.records.last().id, QStringLiteral("I27"));
    }
};

CVO_TEST_MAIN_NO_GUI(TestMachineFrames)
#include "tst_machineframes.moc"
