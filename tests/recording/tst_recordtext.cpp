#include "RawFileFormat.h"
#include "RecordText.h"
#include "TestMain.h"

#include <QTest>
#include <QTextStream>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

// The rendering the files have always had.
QString streamed(float value)
{
    QString text;
    QTextStream stream(&text);
    stream << value;
    stream.flush();
    return text;
}

float fromBits(quint32 bits)
{
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

class TestRecordText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesNumbersAsTheFilesHoldThem_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("fraction") << 0.005f << "0.005";
        QTest::newRow("short") << 12.3f << "12.3";
        QTest::newRow("large") << 1234567.0f << "1.23457e+06";
        QTest::newRow("zero") << 0.0f << "0";
        QTest::newRow("negative zero") << -0.0f << "0";
        QTest::newRow("tie rounds away") << 123456.5f << "123457";
        QTest::newRow("negative tie") << -1234.125f << "-1234.13";
        QTest::newRow("tie into a power") << 999999.5f << "1e+06";
        QTest::newRow("carry into a power") << 9.999996e-5f << "0.0001";
        QTest::newRow("below a tie") << 999999.4f << "999999";
        QTest::newRow("last fixed") << 100000.0f << "100000";
        QTest::newRow("first small exponent") << 1e-5f << "1e-05";
        QTest::newRow("smallest") << std::numeric_limits<float>::denorm_min() << "1.4013e-45";
        QTest::newRow("largest") << -std::numeric_limits<float>::max() << "-3.40282e+38";
        QTest::newRow("nan") << -std::numeric_limits<float>::quiet_NaN() << "nan";
        QTest::newRow("infinity") << -std::numeric_limits<float>::infinity() << "-inf";
    }

    void writesNumbersAsTheFilesHoldThem()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(RecordText::real(value), text);
        QCOMPARE(streamed(value), text);
    }

    // Any float, ties at the sixth digit and powers of ten with their neighbours: the
    // fast rendering must equal QTextStream's everywhere.
    void matchesTheTextStreamRendering()
    {
        std::mt19937 random(16);
        QList<float> values;
        for (int i = 0; i < 200000; ++i)
            values.append(fromBits(random()));
        std::uniform_int_distribution<int> sixDigits(100000, 999999);
        for (int i = 0; i < 20000; ++i) {
            const float tie = float(sixDigits(random)) + 0.5f;
            const float scale = std::ldexp(1.0f, int(random() % 40) - 20);
            values << tie << -tie << tie * scale << std::nextafter(tie, 0.0f);
        }
        for (int e = -45; e <= 38; ++e) {
            const float power = std::pow(10.0f, float(e));
            values << power << std::nextafter(power, 0.0f)
                   << std::nextafter(power, std::numeric_limits<float>::infinity());
        }
        int mismatches = 0;
        for (float value : std::as_const(values)) {
            const QString expected = streamed(value);
            if (RecordText::real(value) != expected && ++mismatches <= 5)
                qWarning("%.9g: %s instead of %s", double(value), qPrintable(RecordText::real(value)),
                         qPrintable(expected));
        }
        QCOMPARE(mismatches, 0);
    }

    // A disabled channel leaves its field empty; rows continue where the last append ended.
    void writesRowsAfterWhatIsThere()
    {
        QByteArray text("head\n");
        RawFileFormat::writeRows(text, 5, 199, 2, {{1.5f, -0.25f}, {9.0f}, {2e6f, 0.0f}},
                                 {true, false});
        QCOMPARE(text, QByteArray("head\n0.995,1.5, , 2e+06\n1,-0.25, , 0\n"));
    }
};

CVO_TEST_MAIN_NO_GUI(TestRecordText)
#include "tst_recordtext.moc"
