#include "CountSpinBox.h"

#include <QSignalBlocker>

#include <cmath>

CountSpinBox::CountSpinBox(QWidget* parent) : QDoubleSpinBox(parent)
{
    setKeyboardTracking(false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFactor(1.0);
    connect(this, &QDoubleSpinBox::valueChanged, this, [this] { setMarked(false); });
}

void CountSpinBox::setMarked(bool marked)
{
    if (marked == m_marked)
        return;
    m_marked = marked;
    setStyleSheet(marked ? QStringLiteral("QDoubleSpinBox { background-color: #ffd0a0; }")
                         : QString());
    setToolTip(marked ? tr("The stored value is outside the allowed range and is shown "
                           "limited. It is kept until you change it.")
                      : QString());
}

int CountSpinBox::decimalsFor(double factor)
{
    if (!(factor > 0.0) || factor >= 1.0)
        return 0;
    // Count digits until the factor is whole; the tolerance absorbs binary fractions.
    int decimals = 0;
    double scaled = factor;
    while (decimals < 6 && std::fabs(scaled - std::round(scaled)) > 1e-9 * std::max(1.0, scaled)) {
        scaled *= 10.0;
        ++decimals;
    }
    return decimals;
}

void CountSpinBox::setFactor(double factor, double offset)
{
    const qint64 current = count();
    m_factor = factor > 0.0 ? factor : 1.0;
    m_offset = offset;
    const QSignalBlocker blocker(this);
    setDecimals(decimalsFor(m_factor));
    setSingleStep(m_factor);
    applyLimits();
    setValue(toDisplayed(current));
}

qint64 CountSpinBox::toCount(double displayed) const
{
    return qint64(std::floor((displayed - m_offset) / m_factor + 0.5));
}

double CountSpinBox::toDisplayed(qint64 count) const
{
    return double(count) * m_factor + m_offset;
}

void CountSpinBox::setCount(qint64 count)
{
    setValue(toDisplayed(qBound(m_countMinimum, count, m_countMaximum)));
}

void CountSpinBox::setCountRange(qint64 minimum, qint64 maximum)
{
    m_countMinimum = minimum;
    m_countMaximum = qMax(minimum, maximum);
    applyLimits();
}

void CountSpinBox::applyLimits()
{
    setRange(toDisplayed(m_countMinimum), toDisplayed(m_countMaximum));
}
