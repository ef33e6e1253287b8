#pragma once

#include <QtGlobal>

#include <atomic>

// Firmware of the connected unit. Process-wide because every packet and configuration
// layout depends on it.
//   -1 unknown, 0 standard, 1 firmware for company A, 2 firmware for company C;
//   values above 2 are older firmware.
// Who writes it: the main window at first contact and after a unit reset (through
// readFirmwareType / updateFirmwareType of link/FirmwareQuery), and resetFirmwareType when
// the unit is lost. Who reads it: BUPacket (limit table at construction, record layouts),
// the configuration's wire encoding and the sensor lists. Written on the GUI thread; the
// control port's worker only reads it, hence the atomic.
extern std::atomic<int> firmwareType;
// The unit's version word: three version bytes, most significant first, then a variant byte.
extern std::atomic<quint32> firmwareVersion;

// Packets and channel records have a current and a legacy layout. The test is an unsigned
// comparison on purpose: an unknown type (-1) takes the legacy branch like a type above 2.
inline bool firmwareUsesLegacyLayout()
{
    return static_cast<unsigned>(firmwareType.load()) > 2U;
}

// Forgets the firmware of a unit that is gone.
void resetFirmwareType();

// Whether this application supports the connected firmware's version:
//   0 supported, 1 firmware older than supported, 2 firmware newer than supported,
//   -1 firmware type unknown.
int compareFirmwareVersion();

// Whether the firmware offers the 200 degree C button-type pressure sensors.
bool firmwareSupportsSensor200DegC();
