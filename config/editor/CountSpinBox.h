#pragma once

#include <QDoubleSpinBox>

// A spin box that edits a stored count and shows it as a physical value:
// displayed = count x factor + offset. The decimals follow the factor, so a value is
// never shown finer than one count.
class CountSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit CountSpinBox(QWidget* parent = nullptr);

    double factor() const { return m_factor; }
    double offset() const { return m_offset; }
    // Keeps the count range; the shown limits and the step follow the new factor.
    void setFactor(double factor, double offset = 0.0);

    qint64 count() const { return toCount(value()); }
    void setCount(qint64 count);
    qint64 countMinimum() const { return m_countMinimum; }
    qint64 countMaximum() const { return m_countMaximum; }
    void setCountRange(qint64 minimum, qint64 maximum);
    void setCountMaximum(qint64 maximum) { setCountRange(m_countMinimum, maximum); }
    void setCountMinimum(qint64 minimum) { setCountRange(minimum, m_countMaximum); }

    // Marks a box that shows a stored count clamped to its limits, until the operator
    // changes it: the stored value stays as it was until then.
    bool isMarked() const { return m_marked; }
    void setMarked(bool marked);

    qint64 toCount(double displayed) const;
    double toDisplayed(qint64 count) const;
    // 0 for factors of 1 or more, else the decimal digits of the factor (0.1 -> 1).
    static int decimalsFor(double factor);

private:
    void applyLimits();

    double m_factor = 1.0;
    double m_offset = 0.0;
    qint64 m_countMinimum = 0;
    qint64 m_countMaximum = 0xFFFF;
    bool m_marked = false;
};
