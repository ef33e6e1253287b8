#pragma once

#include "CountSpinBox.h"

// Slope limits: signed counts of 0.001 MPa per second.
class Value32EditSpinBox : public CountSpinBox
{
    Q_OBJECT

public:
    static constexpr qint64 Limit = 999999;

    explicit Value32EditSpinBox(QWidget* parent = nullptr) : CountSpinBox(parent)
    {
        setSuffix(tr("MPa/S"));
        setFactor(0.001);
        setCountRange(-Limit, Limit);
    }
};
