#pragma once

#include "CountSpinBox.h"

// Times stored in 10 ms units, shown in seconds.
class TimeEditSpinBox : public CountSpinBox
{
    Q_OBJECT

public:
    explicit TimeEditSpinBox(QWidget* parent = nullptr) : CountSpinBox(parent)
    {
        setSuffix(tr("s"));
        setFactor(0.01);
        setCountRange(0, 0xFFFF);
    }
};
