#pragma once

#include "MonitoringValues.h"
#include "ValueEditorBase.h"

class QComboBox;
class TimeEditSpinBox;
class ValueEditSpinBox;

// A monitoring zone: judging method, time span and value band.
class ZoneEditorWidget : public ValueEditorBase
{
    Q_OBJECT

public:
    explicit ZoneEditorWidget(QWidget* parent = nullptr);

    void setValue(const ChannelConfig& channel, const Zone& zone);
    Zone value() const;

    TimeEditSpinBox* startBox() const { return m_start; }
    TimeEditSpinBox* endBox() const { return m_end; }
    ValueEditSpinBox* lowerBox() const { return m_lower; }
    ValueEditSpinBox* upperBox() const { return m_upper; }

Q_SIGNALS:
    void valueChanged(const Zone& zone);

protected:
    void emitValue() override { Q_EMIT valueChanged(value()); }
    void changeEvent(QEvent* event) override;

private:
    QComboBox* m_method;
    TimeEditSpinBox* m_start;
    TimeEditSpinBox* m_end;
    ValueEditSpinBox* m_lower;
    ValueEditSpinBox* m_upper;
};
