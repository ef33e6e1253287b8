// The check that keeps a truncated or wrong file from reaching the unit.

#include "SRecordCheck.h"
#include "SRecordImage.h"
#include "TestMain.h"

class TestSRecordCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namesTheFirstBadLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("line");
        const QList<QByteArray> sound = SRecordImage::lines(100); // S0, 4 x S3, S7
        const auto with = [&](int index, const QByteArray& line) {
            QList<QByteArray> lines = sound;
            lines[index] = line;
            return lines.join('\n');
        };
        QTest::newRow("sound, CRLF") << SRecordImage::image(100) << true << 0;
        QTest::newRow("sound, LF, S1 and S9")
            << (sound.first() + '\n' + SRecordImage::record('1', 0x100, 2, "ab") + "\nS9030000FC")
            << true << 0;
        QByteArray wrongSum = sound[2];
        wrongSum[wrongSum.size() - 1] = wrongSum.endsWith('0') ? '1' : '0';
        QTest::newRow("one wrong checksum") << with(2, wrongSum) << false << 3;
        QTest::newRow("cut inside a record") << sound.mid(0, 3).join('\n').chopped(5) << false << 3;
        QTest::newRow("cut at a line end") << sound.mid(0, 4).join('\n') << false << 0;
        QTest::newRow("no data record") << QByteArray("S00600004844521B\nS9030000FC") << false << 0;
        QTest::newRow("not hexadecimal")
            << with(1, QByteArray(sound[1]).replace(10, 1, "G")) << false << 2;
        QTest::newRow("blank line") << with(4, {}) << false << 5;
        QTest::newRow("reserved S4") << with(1, "S4030000FC") << false << 2;
        QTest::newRow("termination with data") << with(5, "S70600000000AAFF") << false << 6;
        QTest::newRow("records after the end")
            << (SRecordImage::image(40) + sound[1]) << false << 5;
        QTest::newRow("count longer than the line") << with(1, "S3FF00000000") << false << 2;
        QTest::newRow("text") << QByteArray("firmware v2\n") << false << 1;
        QTest::newRow("empty") << QByteArray("\r\n") << false << 0;
    }

    void namesTheFirstBadLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(int, line);
        const SRecordCheck::Result result = SRecordCheck::check(bytes);
        QCOMPARE(result.ok, ok);
        QCOMPARE(result.line, line);
        QCOMPARE(result.reason.isEmpty(), ok);
    }
};

CVO_TEST_MAIN_NO_GUI(TestSRecordCheck)
#include "tst_srecordcheck.moc"
