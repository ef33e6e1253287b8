#pragma once

class QWidget;
class SerialPacket;

// The molding machine's port is tried once at start-up, so that a missing adapter is
// reported while the operator is at the PC rather than shot after shot.
class MachinePortCheck
{
public:
    // Opens the link's port; when it cannot, the link reports PortOpenError (the "Mmc"
    // label turns red) and the operator is warned. The start goes on either way.
    static bool openAtStartup(SerialPacket& link, QWidget* parent);
};
