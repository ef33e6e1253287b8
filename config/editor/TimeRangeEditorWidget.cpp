#include "TimeRangeEditorWidget.h"

#include "ChannelConfig.h"
#include "TimeEditSpinBox.h"

#include <QSignalBlocker>

TimeRangeEditorWidget::TimeRangeEditorWidget(QWidget* parent)
    : ValueEditorBase(tr("Peak Time Monitoring"), parent), m_start(new TimeEditSpinBox(this)),
      m_end(new TimeEditSpinBox(this))
{
    addRow(QT_TR_NOOP("Time:"), m_start, m_end);
    orderPair(m_start, m_end);
    watch(m_start);
    watch(m_end);
}

void TimeRangeEditorWidget::setValue(const ChannelConfig& channel, const TimeRange& range)
{
    m_filling = true;
    const QSignalBlocker blocker(this);
    setChecked(range.enabled);
    fillPair(m_start, m_end, range.start, range.end, 0, timeLimit(channel));
    m_filling = false;
}

TimeRange TimeRangeEditorWidget::value() const
{
    return TimeRange{quint16(m_start->count()), quint16(m_end->count()), isChecked()};
}
