#pragma once

#include "MonitoringValues.h"
#include "ValueEditorBase.h"

class TimeEditSpinBox;
class ValueEditSpinBox;

// Point monitoring: one instant and the band its value must lie in.
class TSecEditorWidget : public ValueEditorBase
{
    Q_OBJECT

public:
    explicit TSecEditorWidget(QWidget* parent = nullptr);

    void setValue(const ChannelConfig& channel, const TSec& point);
    TSec value() const;

    TimeEditSpinBox* timeBox() const { return m_time; }
    ValueEditSpinBox* lowerBox() const { return m_lower; }
    ValueEditSpinBox* upperBox() const { return m_upper; }

Q_SIGNALS:
    void valueChanged(const TSec& point);

protected:
    void emitValue() override { Q_EMIT valueChanged(value()); }

private:
    TimeEditSpinBox* m_time;
    ValueEditSpinBox* m_lower;
    ValueEditSpinBox* m_upper;
};
