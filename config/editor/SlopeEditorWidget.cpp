#include "SlopeEditorWidget.h"

#include "ChannelConfig.h"
#include "TimeEditSpinBox.h"
#include "Value32EditSpinBox.h"

#include <QSignalBlocker>

SlopeEditorWidget::SlopeEditorWidget(QWidget* parent)
    : ValueEditorBase(tr("Slope Monitoring"), parent), m_start(new TimeEditSpinBox(this)),
      m_end(new TimeEditSpinBox(this)), m_lower(new Value32EditSpinBox(this)),
      m_upper(new Value32EditSpinBox(this))
{
    addRow(QT_TR_NOOP("Time:"), m_start, m_end);
    addRow(QT_TR_NOOP("Value:"), m_lower, m_upper);
    orderPair(m_start, m_end);
    orderPair(m_lower, m_upper);
    watch(m_start);
    watch(m_end);
    watch(m_lower);
    watch(m_upper);
}

void SlopeEditorWidget::setValue(const ChannelConfig& channel, const Slope& slope)
{
    m_filling = true;
    const QSignalBlocker blocker(this);
    setChecked(slope.enabled);
    fillPair(m_start, m_end, slope.start, slope.end, 0, timeLimit(channel));
    fillPair(m_lower, m_upper, slope.lower, slope.upper, -Value32EditSpinBox::Limit,
             Value32EditSpinBox::Limit);
    m_filling = false;
}

Slope SlopeEditorWidget::value() const
{
    return Slope{quint16(m_start->count()), quint16(m_end->count()), qint32(m_lower->count()),
                 qint32(m_upper->count()), isChecked()};
}
