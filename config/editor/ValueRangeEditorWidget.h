#pragma once

#include "MonitoringValues.h"
#include "ValueEditorBase.h"

class ValueEditSpinBox;

// A band for one result value; the integral form uses the channel's integral scale,
// limit and unit.
class ValueRangeEditorWidget : public ValueEditorBase
{
    Q_OBJECT

public:
    explicit ValueRangeEditorWidget(QWidget* parent = nullptr);

    void setIntegral(bool integral) { m_integral = integral; }
    bool isIntegral() const { return m_integral; }
    void setValue(const ChannelConfig& channel, const ValueRange& range);
    ValueRange value() const;

    ValueEditSpinBox* lowerBox() const { return m_lower; }
    ValueEditSpinBox* upperBox() const { return m_upper; }

Q_SIGNALS:
    void valueChanged(const ValueRange& range);

protected:
    void emitValue() override { Q_EMIT valueChanged(value()); }

private:
    ValueEditSpinBox* m_lower;
    ValueEditSpinBox* m_upper;
    bool m_integral = false;
};
