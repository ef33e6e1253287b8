#include "TSecEditorWidget.h"

#include "ChannelConfig.h"
#include "TimeEditSpinBox.h"
#include "ValueEditSpinBox.h"

#include <QSignalBlocker>

TSecEditorWidget::TSecEditorWidget(QWidget* parent)
    : ValueEditorBase(tr("Point Monitoring"), parent), m_time(new TimeEditSpinBox(this)),
      m_lower(new ValueEditSpinBox(this)), m_upper(new ValueEditSpinBox(this))
{
    addRow(QT_TR_NOOP("Time:"), m_time);
    addRow(QT_TR_NOOP("Value:"), m_lower, m_upper);
    orderPair(m_lower, m_upper);
    watch(m_time);
    watch(m_lower);
    watch(m_upper);
}

void TSecEditorWidget::setValue(const ChannelConfig& channel, const TSec& point)
{
    m_filling = true;
    const QSignalBlocker blocker(this);
    setChecked(point.enabled);
    m_lower->setScale(channel.valueScale(), channel.unitText());
    m_upper->setScale(channel.valueScale(), channel.unitText());
    fillSingle(m_time, point.time, 0, timeLimit(channel));
    fillPair(m_lower, m_upper, point.lower, point.upper, 0, channel.valueMax());
    m_filling = false;
}

TSec TSecEditorWidget::value() const
{
    return TSec{quint16(m_time->count()), quint16(m_lower->count()), quint16(m_upper->count()),
                isChecked()};
}
