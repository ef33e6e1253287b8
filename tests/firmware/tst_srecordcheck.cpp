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
        QTest::addColumn<int>("line");                       // -1: sound
        const QByteArrayList sound = SRecordImage::lines(4); // S0, 4 x S1, S9
        const auto with = [&](int index, const QByteArray& line) {
            QByteArrayList lines = sound;
            lines[index] = line;
            return lines.join('\n');
        };
        QTest::newRow("sound, CRLF") << SRecordImage::image(4) << -1;
        QTest::newRow("one wrong checksum")
            << with(2, QByteArray(sound[2]).replace(6, 2, "FF")) << 3;
        QTest::newRow("cut inside a record") << sound.mid(0, 3).join('\n').chopped(5) << 3;
        QTest::newRow("cut at a line end") << sound.mid(0, 4).join('\n') << 0;
        QTest::newRow("no data record") << QByteArray("S00600004844521B\nS9030000FC") << 0;
        QTest::newRow("not hexadecimal") << with(1, QByteArray(sound[1]).replace(10, 1, "G")) << 2;
        QTest::newRow("blank line") << with(4, {}) << 5;
        QTest::newRow("reserved S4") << with(1, "S4030000FC") << 2;
        QTest::newRow("termination with data") << with(5, "S9040000AA51") << 6;
        QTest::newRow("records after the end") << (SRecordImage::image(2) + sound[1]) << 5;
        QTest::newRow("text") << QByteArray("firmware v2\n") << 1;
        QTest::newRow("empty") << QByteArray("\r\n") << 0;
    }

    void namesTheFirstBadLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        const SRecordCheck::Result result = SRecordCheck::check(bytes);
        QCOMPARE(result.ok, line < 0);
        QCOMPARE(result.line, qMax(line, 0));
        QCOMPARE(result.reason.isEmpty(), result.ok);
    }
};

CVO_TEST_MAIN_NO_GUI(TestSRecordCheck)
#include "tst_srecordcheck.moc"
