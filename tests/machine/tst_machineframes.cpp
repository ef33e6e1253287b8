#include "MachineFrameReceiver.h"
#include "MoldMachineTable.h"
#include "TestMain.h"

#include <QTextStream>

namespace {

using Result = MachineFrameReceiver::Result;

QByteArray reply(const QByteArray& echo, const QByteArray& text)
{
    const QByteArray body = echo + text + "\x03";
    char bcc = 0;
    for (const char byte : body)
        bcc = char(bcc ^ byte);
    return "\x02" + body + bcc;
}

} // namespace

class TestMachineFrames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsTheReplyTextBehindTheEchoAcrossChunks()
    {
        const QByteArray frame = QByteArray("\x02"
                                            "AB12\x03") +
                                 char('A' ^ 'B' ^ '1' ^ '2' ^ 0x03);
        MachineFrameReceiver receiver;
        QCOMPARE(receiver.append(frame.left(3)), Result::Incomplete);
        QCOMPARE(receiver.append(frame.mid(3, 3)), Result::Incomplete);
        QCOMPARE(receiver.append(frame.mid(6)), Result::Frame);
        QCOMPARE(receiver.frame(), frame);
        QVERIFY(MachineFrameReceiver::hasValidBcc(frame));
        QCOMPARE(MachineFrameReceiver::replyText(frame, 2), QByteArray("12"));
        // A frame too short for its echo holds no text, and nothing beyond the frame.
        QCOMPARE(MachineFrameReceiver::replyText(reply("A", ""), 4), QByteArray());
    }

    void noiseAheadOfStxHoldsTheFrameBackUntilCleared()
    {
        MachineFrameReceiver receiver;
        QCOMPARE(receiver.append('\xff' + reply("AB", "12")), Result::Incomplete);
        receiver.clear();
        QCOMPARE(receiver.append(reply("AB", "34")), Result::Frame);
    }

    void dropsOverLongFramesAndEndlessNoise()
    {
        MachineFrameReceiver receiver;
        // STX and 98 more bytes up to ETX still fit; one more does not.
        QCOMPARE(receiver.append(reply(QByteArray(97, 'x'), "")), Result::Frame);
        QCOMPARE(receiver.append(reply(QByteArray(98, 'x'), "")), Result::Dropped);
        QCOMPARE(receiver.pendingBytes(), 0);

        for (int i = 0; i < 10; ++i)
            receiver.append(QByteArray(1000, '\x55'));
        QVERIFY(receiver.pendingBytes() <= MachineFrameReceiver::MaxPendingBytes);
    }

    void tableKeepsTwoPartLinesUpToTheLimit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expectedIds");
        QTest::addColumn<int>("expectedCount");
        QString many;
        QStringList first29;
        for (int i = 1; i <= 35; ++i) {
            many += QStringLiteral("ID%1,Name %1\n").arg(i);
            if (i <= 29)
                first29.append(QStringLiteral("ID%1").arg(i));
        }
        QTest::newRow("35 lines") << many << first29 << 35;
        QTest::newRow("stops at an empty line") << "A,a\nB,b\n\nC,c\n"
                                                << QStringList{"A", "B"} << 2;
        QTest::newRow("other part counts skipped") << "A\nB,b,x\nC,,c\n,D,d,\n"
                                                   << QStringList{"C", "D"} << 2;
    }

    void tableKeepsTwoPartLinesUpToTheLimit()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expectedIds);
        QFETCH(int, expectedCount);
        QTextStream in(&text);
        const MoldMachineTable::ReadResult table = MoldMachineTable::read(in);
        QStringList ids;
        for (const MoldMachineRecord& record : table.records)
            ids.append(record.id);
        QCOMPARE(ids, expectedIds);
        QCOMPARE(table.countedLines, expectedCount);
    }
};

CVO_TEST_MAIN_NO_GUI(TestMachineFrames)
#include "tst_machineframes.moc"
