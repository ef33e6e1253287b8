#pragma once

#include "MonitoringValues.h"
#include "ValueEditorBase.h"

class TimeEditSpinBox;

// The span in which the peak must occur.
class TimeRangeEditorWidget : public ValueEditorBase
{
    Q_OBJECT

public:
    explicit TimeRangeEditorWidget(QWidget* parent = nullptr);

    void setValue(const ChannelConfig& channel, const TimeRange& range);
    TimeRange value() const;

    TimeEditSpinBox* startBox() const { return m_start; }
    TimeEditSpinBox* endBox() const { return m_end; }

Q_SIGNALS:
    void valueChanged(const TimeRange& range);

protected:
    void emitValue() override { Q_EMIT valueChanged(value()); }

private:
    TimeEditSpinBox* m_start;
    TimeEditSpinBox* m_end;
};
