#pragma once

#include "MonitoringValues.h"
#include "ValueEditorBase.h"

class TimeEditSpinBox;
class Value32EditSpinBox;

// The span over which the slope is measured and the band it must lie in.
class SlopeEditorWidget : public ValueEditorBase
{
    Q_OBJECT

public:
    explicit SlopeEditorWidget(QWidget* parent = nullptr);

    void setValue(const ChannelConfig& channel, const Slope& slope);
    Slope value() const;

    TimeEditSpinBox* startBox() const { return m_start; }
    TimeEditSpinBox* endBox() const { return m_end; }
    Value32EditSpinBox* lowerBox() const { return m_lower; }
    Value32EditSpinBox* upperBox() const { return m_upper; }

Q_SIGNALS:
    void valueChanged(const Slope& slope);

protected:
    void emitValue() override { Q_EMIT valueChanged(value()); }

private:
    TimeEditSpinBox* m_start;
    TimeEditSpinBox* m_end;
    Value32EditSpinBox* m_lower;
    Value32EditSpinBox* m_upper;
};
