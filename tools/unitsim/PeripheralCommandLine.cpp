#include "PeripheralCommandLine.h"

#include "FrameLog.h"
#include "UnitSimulator.h"

#include <QCommandLineParser>
#include <QDir>

#include <cstdio>

namespace {

const QString MachineLink = QStringLiteral("machine-link");
const QString MachineTablePath = QStringLiteral("machine-table");
const QString MachineSilent = QStringLiteral("machine-silent");
const QString MachineBadBcc = QStringLiteral("machine-bad-bcc");
const QString MachineJunk = QStringLiteral("machine-junk");
const QString Ftp = QStringLiteral("ftp");
const QString FtpPort = QStringLiteral("ftp-port");
const QString FtpFolder = QStringLiteral("ftp-folder");

} // namespace

PeripheralCommandLine::PeripheralCommandLine() = default;

PeripheralCommandLine::~PeripheralCommandLine()
{
    stop();
}

void PeripheralCommandLine::addTo(QCommandLineParser& parser) const
{
    parser.addOptions({
        {MachineLink,
         QStringLiteral("Run the molding machine on a pseudo-terminal and publish it as this "
                        "symlink (give it to the manager as its serial port)."),
         QStringLiteral("path")},
        {MachineTablePath,
         QStringLiteral("The machine's answers, one \"ID,reply\" per line (default: built in)."),
         QStringLiteral("file")},
        {MachineSilent, QStringLiteral("The machine never answers.")},
        {MachineBadBcc, QStringLiteral("The machine's replies carry a wrong check byte.")},
        {MachineJunk, QStringLiteral("The machine sends noise before each reply.")},
        {Ftp, QStringLiteral("Run the unit's FTP server for firmware uploads.")},
        {FtpPort, QStringLiteral("FTP port (default 21)."), QStringLiteral("port"),
         QStringLiteral("21")},
        {FtpFolder, QStringLiteral("Where uploaded firmware files are kept."),
         QStringLiteral("folder")},
    });
}

bool PeripheralCommandLine::read(const QCommandLineParser& parser, const QHostAddress& unitAddress,
                                 bool logFrames, QString* error)
{
    m_machineWanted = parser.isSet(MachineLink);
    m_machineOptions.linkPath = parser.value(MachineLink);
    m_machineOptions.tablePath = parser.value(MachineTablePath);
    m_machineOptions.faults.silent = parser.isSet(MachineSilent);
    m_machineOptions.faults.badBcc = parser.isSet(MachineBadBcc);
    m_machineOptions.faults.junkBeforeStx = parser.isSet(MachineJunk);
    if (logFrames) {
        m_machineOptions.frameHook = [](MachineFrameDirection direction, const QByteArray& frame) {
            FrameLog log;
            log.setEnabled(true);
            log.frame("machine",
                      direction == MachineFrameDirection::Request ? FrameLog::Direction::Received
                                                                  : FrameLog::Direction::Sent,
                      frame);
        };
    }

    m_ftpWanted = parser.isSet(Ftp) || parser.isSet(FtpPort) || parser.isSet(FtpFolder);
    bool ok = false;
    const uint port = parser.value(FtpPort).toUInt(&ok);
    if (!ok || port > 65535) {
        *error = QStringLiteral("--ftp-port must be a port number");
        return false;
    }
    m_ftpOptions.address = unitAddress;
    m_ftpOptions.port = quint16(port);
    m_ftpOptions.folder = parser.isSet(FtpFolder)
                              ? parser.value(FtpFolder)
                              : QDir::tempPath() + QStringLiteral("/cvo-unitsim-firmware");
    return true;
}

bool PeripheralCommandLine::start(UnitSimulator& unit, QString* error)
{
    if (m_machineWanted) {
        m_machine = std::make_unique<MachineStandIn>(m_machineOptions);
        if (!m_machine->start()) {
            *error = QStringLiteral("molding machine: ") + m_machine->errorString();
            return false;
        }
        // The random faults of a shot reach the machine too: it is asked after the shot.
        const MachineFaults base = m_machineOptions.faults;
        QObject::connect(&unit, &UnitSimulator::shotFaultDrawn, m_machine.get(),
                         [machine = m_machine.get(), base](RandomFaults::Kind fault) {
                             MachineFaults faults = base;
                             faults.silent |= fault == RandomFaults::MachineTimeout;
                             faults.junkBeforeStx |= fault == RandomFaults::MachineNoise;
                             faults.badBcc |= fault == RandomFaults::MachineBadBcc;
                             machine->setFaults(faults);
                         });
        std::fprintf(stderr, "cvo-unitsim: molding machine on %s\n",
                     qPrintable(m_machine->linkPath()));
    }
    if (m_ftpWanted) {
        m_ftp = std::make_unique<FtpStandIn>(m_ftpOptions);
        if (!m_ftp->start()) {
            *error = QStringLiteral("FTP: ") + m_ftp->errorString();
            return false;
        }
        QObject::connect(m_ftp.get(), &FtpStandIn::uploadCompleted, &unit,
                         &UnitSimulator::acceptFirmwareUpload);
        std::fprintf(stderr, "cvo-unitsim: FTP on port %u\n", unsigned(m_ftp->serverPort()));
    }
    return true;
}

void PeripheralCommandLine::stop()
{
    if (m_ftp)
        m_ftp->stop();
    if (m_machine)
        m_machine->stop();
    m_ftp.reset();
    m_machine.reset();
}
