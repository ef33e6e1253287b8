#pragma once

#include <QHostAddress>
#include <QObject>

class CommandHandler;
class FrameLog;
class QTcpServer;
class QTcpSocket;
struct FaultSwitches;
struct SimulatorStatistics;

// The unit's command port: one reply frame per request frame, any number of requests
// per connection, and connections the PC closes after each operation. A frame that
// cannot be read (bad start byte, impossible length, wrong BCC) is answered with Nak
// so that the PC does not wait for its time-out.
class ControlServer : public QObject
{
    Q_OBJECT

public:
    ControlServer(CommandHandler& handler, FaultSwitches& faults, const FrameLog& log,
                  SimulatorStatistics& stats, QObject* parent = nullptr);

    bool listen(const QHostAddress& address, quint16 port);
    QString errorString() const;
    quint16 serverPort() const;
    bool isListening() const;
    // Refusing closes the listening socket, so connection attempts are refused outright;
    // accepting listens again on the same address and port.
    bool setRefusing(bool refusing);
    // A unit that resets loses every open connection.
    void closeConnections();

private Q_SLOTS:
    void acceptConnections();

private:
    void serve(QTcpSocket* socket, class RequestReader& reader);
    void answer(QTcpSocket* socket, quint8 requestType, const QByteArray& payload);
    void reply(QTcpSocket* socket, int type, const QByteArray& payload);

    CommandHandler& m_handler;
    FaultSwitches& m_faults;
    const FrameLog& m_log;
    SimulatorStatistics& m_stats;
    QTcpServer* m_server;
    QHostAddress m_address;
    quint16 m_port = 0;
    qint64 m_requestCount = 0;
};
