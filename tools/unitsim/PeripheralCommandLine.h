#pragma once

#include "FtpStandIn.h"
#include "MachineStandIn.h"

#include <QHostAddress>
#include <QString>

#include <memory>

class QCommandLineParser;
class UnitSimulator;

// The command-line options of the stand-ins beside the unit: the molding machine on a
// pseudo-terminal and the unit's FTP server for firmware files. Each runs only when asked.
class PeripheralCommandLine
{
public:
    PeripheralCommandLine();
    ~PeripheralCommandLine();

    void addTo(QCommandLineParser& parser) const;
    // Reads the options; the FTP server listens on the unit's address.
    bool read(const QCommandLineParser& parser, const QHostAddress& unitAddress, bool logFrames,
              QString* error);
    // Starts what was asked for; uploads go to the unit, which takes them at its next
    // firmware update request.
    bool start(UnitSimulator& unit, QString* error);
    void stop();

private:
    bool m_machineWanted = false;
    MachineOptions m_machineOptions;
    bool m_ftpWanted = false;
    FtpOptions m_ftpOptions;
    std::unique_ptr<MachineStandIn> m_machine;
    std::unique_ptr<FtpStandIn> m_ftp;
};
