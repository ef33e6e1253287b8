#pragma once

#include "CountSpinBox.h"

// Values stored as counts of a channel's scale (or its integral scale), shown with the
// channel's unit.
class ValueEditSpinBox : public CountSpinBox
{
    Q_OBJECT

public:
    explicit ValueEditSpinBox(QWidget* parent = nullptr) : CountSpinBox(parent)
    {
        setCountRange(0, 0xFFFF);
    }

    void setScale(double scale, const QString& unitText)
    {
        setSuffix(unitText);
        setFactor(scale);
    }
};
