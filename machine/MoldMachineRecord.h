#pragma once

#include <QString>

// One data item asked of the molding machine after each shot.
struct MoldMachineRecord
{
    QString id;    // sent to the machine as the command text
    QString name;  // the column title in the molding machine log
    QString reply; // the machine's answer of the latest exchange, or an error mark
};
