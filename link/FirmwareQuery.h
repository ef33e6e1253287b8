#pragma once

#include <QHostAddress>

// Asks the unit for its firmware over a fresh control-port connection.
// Returns 0 standard, 1 company A, 2 company C, or -1 when the unit could not be read.
// On success `firmwareVersion` holds the unit's version word.
int readFirmwareType();
int readFirmwareType(const QHostAddress& address, quint16 port);

// Reads the firmware and stores its type in `firmwareType`; false when it is unknown.
bool updateFirmwareType();
bool updateFirmwareType(const QHostAddress& address, quint16 port);
