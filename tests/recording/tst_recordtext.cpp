#include "RecordText.h"
#include "TestMain.h"

#include <QTest>
#include <QTextStream>

#include <bit>
#include <cmath>
#include <limits>
#include <random>

class TestRecordText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The fast rendering must equal QTextStream's, which the files have always held: any
    // float, ties at the sixth digit, powers of ten, the edges, recurring samples, each with
    // its neighbour towards zero and negated.
    void matchesTheTextStreamRendering()
    {
        using Limits = std::numeric_limits<float>;
        QList<float> values{
            0.0f,          Limits::quiet_NaN(), Limits::infinity(), Limits::denorm_min(),
            Limits::max(), 999999.5f,           9.999996e-5f};
        std::mt19937 random(16);
        std::uniform_int_distribution<int> sixDigits(100000, 999999);
        for (int i = 0; i < 100000; ++i) {
            const float any = std::bit_cast<float>(quint32(random()));
            // Short binary fractions often lie halfway between two six-digit decimals.
            values << any << float(sixDigits(random)) + 0.5f
                   << std::ldexp(float(random() % 16384), int(random() % 60) - 30);
        }
        for (int e = -45; e <= 38; ++e)
            values << std::pow(10.0f, float(e));
        // Rows of samples as a shot brings them: ADC counts drifting slowly, times a factor
        // plus an offset. Values come back while still cached, and thousands of them share
        // the cache's slots.
        int counts[8] = {0, 500, 1000, 2000, 4000, 8000, 16000, 32000};
        for (int row = 0; row < 20000; ++row) {
            for (int c = 0; c < 8; ++c) {
                counts[c] += int(random() % 5) - 2;
                values << float(counts[c] * (c + 1) * 0.01 - 40.0 * c);
            }
        }
        int mismatches = 0;
        for (float value : std::as_const(values)) {
            for (float v : {value, -value, std::nextafter(value, 0.0f)}) {
                QString expected;
                QTextStream(&expected) << v;
                if (RecordText::real(v) != expected && ++mismatches <= 5)
                    qWarning("%.9g: %s instead of %s", double(v), qPrintable(RecordText::real(v)),
                             qPrintable(expected));
            }
        }
        QCOMPARE(mismatches, 0);
    }
};

CVO_TEST_MAIN_NO_GUI(TestRecordText)
#include "tst_recordtext.moc"
