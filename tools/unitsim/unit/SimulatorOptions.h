#pragma once

#include "FaultSwitches.h"
#include "FirmwareIdentity.h"
#include "RandomFaults.h"
#include "SystemConfig.h"

#include <QHostAddress>
#include <QString>

// Everything a simulated unit is started with. The defaults are those of a real unit
// on the loopback interface: standard firmware, real time, no faults.
struct SimulatorOptions
{
    static constexpr quint16 DefaultControlPort = 50000;
    static constexpr quint16 DefaultDataPort = 50001;
    static constexpr double MinSpeed = 0.01;
    static constexpr double MaxSpeed = 1e6;

    // A unit with the default preset.
    SimulatorOptions();

    QHostAddress address = QHostAddress::LocalHost;
    quint16 controlPort = DefaultControlPort; // 0: any free port
    quint16 dataPort = DefaultDataPort;
    SystemConfig config; // what the unit holds when it starts
    QString presetName;  // where `config` came from, for the log
    FirmwareIdentity firmware = FirmwareIdentity::standard();
    double speed = 1.0;
    int cycleTimeMs = 0; // shot start to shot start; 0: observation period + 2 s
    int shotLimit = 0;   // stop after this many shots; 0: run on
    quint32 seed = 1;
    int driftEvery = 0; // every k-th shot drifts out of a monitoring window
    bool logFrames = false;
    int tickMs = 10;
    FaultSwitches faults;
    RandomFaults randomFaults; // drawn per shot on top of the switches
    int resetPauseMs = 0;      // no shot for this long (unit time) after a reset
    QString shotLogPath;       // what was streamed, shot by shot (SentShotLog); "" for none

    // The options a unit cannot run with; empty when they are usable.
    QString problem() const;
};
