#pragma once

#include "BUPacket.h"
#include "FrameReceiver.h"

#include <QAbstractSocket>
#include <QHostAddress>
#include <QObject>

class QTcpSocket;
class QTimer;

// A long-lived TCP connection to the unit that cuts the byte stream into checked
// frames and keeps the link alive with a 0x2A byte while nothing is received.
class PortBase : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultKeepAliveIntervalMs = 2000;

    explicit PortBase(QObject* parent = nullptr);
    ~PortBase() override;

    QHostAddress address() const { return m_address; }
    void setAddress(const QHostAddress& address) { m_address = address; }
    quint16 port() const { return m_port; }
    void setPort(quint16 port) { m_port = port; }

    int keepAliveInterval() const { return m_keepAliveIntervalMs; }
    // Tests shorten the interval; the unit expects the default.
    void setKeepAliveInterval(int ms) { m_keepAliveIntervalMs = ms; }

    QAbstractSocket::SocketState socketState() const;
    bool keepAliveActive() const;
    const FrameReceiver& receiver() const { return m_receiver; }

    static QString socketErrorText(QAbstractSocket::SocketError error);

    // While held, what the unit sends waits in the socket (at most HeldBytesMax; TCP then
    // slows the unit down) and is decoded in order once released, so a window busy with
    // the unit (a reset's re-read) loses nothing of the shots streamed meanwhile.
    static constexpr qint64 HeldBytesMax = 64 * 1024 * 1024;
    void holdPackets();
    void releasePackets();
    bool packetsHeld() const { return m_held; }

Q_SIGNALS:
    // The packet is the port's own object, valid until the next frame is decoded.
    void packetReceived(BUPacket* packet);
    void linkUpdate(bool linkUp);

public Q_SLOTS:
    void connectToUnit();

protected Q_SLOTS:
    virtual void readData();
    virtual void socketError(QAbstractSocket::SocketError error);
    virtual void connectionEstablished();
    virtual void sendKeepAlive();

private:
    QHostAddress m_address;
    quint16 m_port = 0;
    QTcpSocket* m_socket;
    BUPacket* m_packet;
    FrameReceiver m_receiver;
    QTimer* m_keepAliveTimer;
    int m_keepAliveIntervalMs = DefaultKeepAliveIntervalMs;
    bool m_held = false;
    // Set while frames are being handed out: a handler that runs the event loop must not
    // have later bytes decoded ahead of the frames still waiting in the receiver.
    bool m_decoding = false;
};
