#include "ValueRangeEditorWidget.h"

#include "ChannelConfig.h"
#include "ValueEditSpinBox.h"

#include <QSignalBlocker>

ValueRangeEditorWidget::ValueRangeEditorWidget(QWidget* parent)
    : ValueEditorBase(tr("Title"), parent), m_lower(new ValueEditSpinBox(this)),
      m_upper(new ValueEditSpinBox(this))
{
    addRow(QT_TR_NOOP("Value:"), m_lower, m_upper);
    orderPair(m_lower, m_upper);
    watch(m_lower);
    watch(m_upper);
}

void ValueRangeEditorWidget::setValue(const ChannelConfig& channel, const ValueRange& range)
{
    m_filling = true;
    const QSignalBlocker blocker(this);
    setChecked(range.enabled);
    const double scale = m_integral ? channel.integralScale() : channel.valueScale();
    const QString unit = m_integral ? channel.unitText() + QStringLiteral("s") : channel.unitText();
    const int maximum = m_integral ? channel.integralMax() : channel.valueMax();
    m_lower->setScale(scale, unit);
    m_upper->setScale(scale, unit);
    fillPair(m_lower, m_upper, range.lower, range.upper, 0, maximum);
    m_filling = false;
}

ValueRange ValueRangeEditorWidget::value() const
{
    return ValueRange{quint16(m_lower->count()), quint16(m_upper->count()), isChecked()};
}
