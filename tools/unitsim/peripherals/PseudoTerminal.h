#pragma once

#include <QString>

// A pseudo-terminal pair for standing in for a serial device: the simulator reads and
// writes the master side, the manager opens the slave side (or a symlink to it) as its
// serial port. The slave is switched to raw mode so that nothing is echoed back to the
// master or translated (CR/LF, signal characters), as on a real RS-232 line.
class PseudoTerminal
{
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool open();
    void close();
    bool isOpen() const { return m_masterFd >= 0; }

    // Non-blocking master descriptor, -1 while closed.
    int masterFd() const { return m_masterFd; }
    QString slavePath() const { return m_slavePath; }

    // Makes `linkPath` a symlink to the slave side. A symlink already there (left over
    // from an earlier run) is replaced; any other kind of file is left alone and refused.
    bool publishLink(const QString& linkPath);
    // Removes the published symlink, but only while it still points at our slave.
    void removeLink();
    QString linkPath() const { return m_linkPath; }

    QString errorString() const { return m_error; }

private:
    bool openPair();
    bool fail(const QString& what);

    int m_masterFd = -1;
    // Held open for the pair's lifetime: without a slave descriptor the master reads
    // end in EIO (and a notifier would spin) each time the manager closes its port.
    int m_slaveFd = -1;
    QString m_slavePath;
    QString m_linkPath;
    QString m_error;
};
