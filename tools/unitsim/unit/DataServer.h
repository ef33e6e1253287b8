#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QPointer>

class FrameLog;
class QTcpServer;
class QTcpSocket;
class QTimer;
struct FaultSwitches;
struct SimulatorStatistics;

// The unit's streaming port. It serves one PC: a new connection replaces the old one,
// as the unit cannot tell a reconnecting PC from a second one. It counts the PC's
// keep-alive bytes and writes the frames the shot stream hands it, applying the
// data-port faults on the way out.
class DataServer : public QObject
{
    Q_OBJECT

public:
    static constexpr quint8 KeepAliveByte = 0x2A;
    // Above this many unsent bytes the stream waits: the PC is not keeping up, and a
    // unit does not buffer a whole shot for it.
    static constexpr qint64 BacklogLimit = 256 * 1024;
    // Pause between the two pieces of a split frame.
    static constexpr int SplitGapMs = 10;

    DataServer(FaultSwitches& faults, const FrameLog& log, SimulatorStatistics& stats,
               QObject* parent = nullptr);
    ~DataServer() override;

    bool listen(const QHostAddress& address, quint16 port);
    QString errorString() const;
    quint16 serverPort() const;

    bool hasClient() const;
    // Counts the connections accepted; tells frames sent on one connection from another.
    quint64 connectionSerial() const { return m_connectionSerial; }
    // Queues one frame; frames go out at once unless merging or splitting, which
    // need flush() at the end of each burst. False when no PC will get the frame.
    bool send(const QByteArray& frame);
    void flush();
    // True while the PC lags too far behind; drained() follows when it has caught up.
    bool backlogged();
    // The next frame sent goes out with a wrong BCC.
    void corruptNextFrame() { m_corruptNext = true; }
    // Closes the connection as a unit losing its link would: at once, unsent data lost.
    void dropClient();
    // Closes the connection in order: what was written goes out first.
    void closeClient();

Q_SIGNALS:
    void clientConnected();
    // The backlog fell below half the limit again.
    void drained();

private Q_SLOTS:
    void acceptClients();
    void readClient();
    void forgetClient();
    void writeHeld();
    void checkDrained();

private:
    void write(const QByteArray& bytes);
    void splitAndWrite();

    FaultSwitches& m_faults;
    const FrameLog& m_log;
    SimulatorStatistics& m_stats;
    QTcpServer* m_server;
    QPointer<QTcpSocket> m_client;
    QTimer* m_splitTimer;
    QByteArray m_pending;           // frames of the current burst (merging or splitting)
    QByteArray m_held;              // the tail of a split frame and what followed it
    qsizetype m_lastFrameStart = 0; // in m_pending
    bool m_corruptNext = false;
    bool m_cutInHeader = true; // alternate the cut: inside the header, then inside the body
    bool m_waitingForDrain = false;
    quint64 m_connectionSerial = 0;
};
