#include "ZoneEditorWidget.h"

#include "ChannelConfig.h"
#include "TimeEditSpinBox.h"
#include "ValueEditSpinBox.h"

#include <QComboBox>
#include <QEvent>
#include <QSignalBlocker>

ZoneEditorWidget::ZoneEditorWidget(QWidget* parent)
    : ValueEditorBase(tr("Monitoring Zone"), parent), m_method(new QComboBox(this)),
      m_start(new TimeEditSpinBox(this)), m_end(new TimeEditSpinBox(this)),
      m_lower(new ValueEditSpinBox(this)), m_upper(new ValueEditSpinBox(this))
{
    m_method->addItem(tr("Peak"));
    m_method->addItem(tr("Area"));
    // (changeEvent names them again in a new language)
    addRow(QT_TR_NOOP("Method:"), m_method);
    addRow(QT_TR_NOOP("Time:"), m_start, m_end);
    addRow(QT_TR_NOOP("Value:"), m_lower, m_upper);
    orderPair(m_start, m_end);
    orderPair(m_lower, m_upper);
    for (CountSpinBox* box :
         {static_cast<CountSpinBox*>(m_start), static_cast<CountSpinBox*>(m_end),
          static_cast<CountSpinBox*>(m_lower), static_cast<CountSpinBox*>(m_upper)})
        watch(box);
    connect(m_method, &QComboBox::currentIndexChanged, this, &ZoneEditorWidget::edited);
}

void ZoneEditorWidget::setValue(const ChannelConfig& channel, const Zone& zone)
{
    m_filling = true;
    const QSignalBlocker blocker(this);
    setChecked(zone.enabled);
    m_method->setCurrentIndex(zone.methodArea ? 1 : 0);
    m_lower->setScale(channel.valueScale(), channel.unitText());
    m_upper->setScale(channel.valueScale(), channel.unitText());
    fillPair(m_start, m_end, zone.start, zone.end, 0, timeLimit(channel));
    fillPair(m_lower, m_upper, zone.lower, zone.upper, 0, channel.valueMax());
    m_filling = false;
}

Zone ZoneEditorWidget::value() const
{
    Zone zone;
    zone.enabled = isChecked();
    zone.methodArea = m_method->currentIndex() == 1;
    zone.start = quint16(m_start->count());
    zone.end = quint16(m_end->count());
    zone.lower = quint16(m_lower->count());
    zone.upper = quint16(m_upper->count());
    return zone;
}

void ZoneEditorWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_method->setItemText(0, tr("Peak"));
        m_method->setItemText(1, tr("Area"));
    }
    ValueEditorBase::changeEvent(event);
}
