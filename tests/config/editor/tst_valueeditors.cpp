#include "TestMain.h"
#include "TimeEditSpinBox.h"
#include "Value32EditSpinBox.h"
#include "ValueEditSpinBox.h"

class TestValueEditors : public QObject
{
    Q_OBJECT

private slots:
    void decimalsFollowTheFactor_data();
    void decimalsFollowTheFactor();
    void spinBoxesConvertAndClampCounts();
};

void TestValueEditors::decimalsFollowTheFactor_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("decimals");
    QTest::newRow("whole") << 1.0 << 0;
    QTest::newRow("coarse") << 20.0 << 0;
    QTest::newRow("tenth") << 0.1 << 1;
    QTest::newRow("hundredth") << 0.01 << 2;
    QTest::newRow("quarter-hundredth") << 0.025 << 3;
    QTest::newRow("thousandth") << 0.001 << 3;
}

void TestValueEditors::decimalsFollowTheFactor()
{
    QFETCH(double, factor);
    QFETCH(int, decimals);
    QCOMPARE(CountSpinBox::decimalsFor(factor), decimals);
}

void TestValueEditors::spinBoxesConvertAndClampCounts()
{
    // A channel of 0.1 MPa per count with at most 200 counts: 20.0 MPa at most.
    ValueEditSpinBox value;
    value.setScale(0.1, QStringLiteral("MPa"));
    value.setCountRange(0, 200);
    QCOMPARE(value.decimals(), 1);
    value.setCount(123);
    QCOMPARE(value.text(), QStringLiteral("12.3MPa"));
    value.setValue(25.0);
    QCOMPARE(value.count(), 200);
    QCOMPARE(value.maximum(), 20.0);

    // Rounds half up to the nearest count: 0.125 s is 13 counts of 10 ms.
    TimeEditSpinBox time;
    QCOMPARE(time.toCount(0.125), 13);
    QCOMPARE(time.toCount(0.124), 12);
    time.setCountMaximum(1000);
    time.setCount(5000);
    QCOMPARE(time.count(), 1000);
    QCOMPARE(time.text(), QStringLiteral("10.00s"));

    Value32EditSpinBox slope;
    slope.setCount(-2500);
    QCOMPARE(slope.value(), -2.5);
    slope.setCount(-5000000);
    QCOMPARE(slope.count(), -Value32EditSpinBox::Limit);

    // A new scale keeps the stored count, not the shown value.
    value.setCount(150);
    value.setScale(0.01, QStringLiteral("mV"));
    QCOMPARE(value.count(), 150);
    QCOMPARE(value.text(), QStringLiteral("1.50mV"));
}

CVO_TEST_MAIN(TestValueEditors)
#include "tst_valueeditors.moc"
