#pragma once

class QWidget;
class SystemConfig;

// Sends the system block and every module to the unit with a progress dialog. On
// failure the operator is told "Unable to communicate with BU." and false is returned.
bool sendConfigurationToUnit(QWidget* parent, const SystemConfig& config);

// Tells the operator that a control exchange with the unit failed.
void reportCommunicationFailure(QWidget* parent);

// Sets the unit's clock to the PC's local time. With `tellUser` the outcome is shown
// in a message box; the start-up sync is silent.
bool synchronizeUnitClock(QWidget* parent, bool tellUser = true);
