#pragma once

#include <QString>
#include <QtGlobal>

// The small decisions of the monitoring window, kept free of widgets so they can be
// checked on their own.
namespace MonitoringRules {

struct AlarmButtonLook
{
    bool enabled;
    QString styleSheet;
};

// The alarm button follows the unit's status byte while the alarm output is in use.
AlarmButtonLook alarmButtonLook(bool alarmEnabled, quint8 statusByte);

struct DiskState
{
    int percent;
    QString label;
    QString styleSheet;
    bool saveStopped;
};

// Free space as a whole percentage of the volume, and what the window makes of it.
DiskState diskState(qint64 freeBytes, qint64 totalBytes);

} // namespace MonitoringRules
