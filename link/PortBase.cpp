#include "PortBase.h"

#include "TcpKeepAlive.h"

#include <QDebug>
#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr int KeepAliveIdleMs = 1000;
constexpr int KeepAliveProbeIntervalMs = 100;
// The 0x2A byte leaves at most 2 s after the unit fell silent; giving up on it after 8 s
// reports a vanished unit within 10 s.
constexpr int LinkLossTimeoutMs = 8000;
constexpr char KeepAliveByte = 0x2A;

} // namespace

PortBase::PortBase(QObject* parent)
    : QObject(parent), m_socket(new QTcpSocket(this)), m_packet(new BUPacket), m_receiver(m_packet),
      m_keepAliveTimer(new QTimer(this))
{
    connect(m_socket, &QTcpSocket::readyRead, this, &PortBase::readData);
    connect(m_socket, &QTcpSocket::connected, this, &PortBase::connectionEstablished);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &PortBase::socketError);
    connect(m_keepAliveTimer, &QTimer::timeout, this, &PortBase::sendKeepAlive);
}

PortBase::~PortBase()
{
    m_keepAliveTimer->stop();
    m_socket->disconnect(this);
    m_socket->abort();
    delete m_socket;
    delete m_packet;
}

QAbstractSocket::SocketState PortBase::socketState() const
{
    return m_socket->state();
}

bool PortBase::keepAliveActive() const
{
    return m_keepAliveTimer->isActive();
}

void PortBase::connectToUnit()
{
    m_socket->abort();
    // A frame cut off by the lost connection must not swallow the first frames of the new one.
    m_receiver.reset();
    m_socket->connectToHost(m_address, m_port, QIODevice::ReadWrite);
}

void PortBase::readData()
{
    m_keepAliveTimer->start(m_keepAliveIntervalMs);
    if (m_held || m_decoding)
        return; // the bytes wait in the socket; the running loop or the release takes them
    m_decoding = true;
    m_receiver.append(m_socket->readAll());
    while (!m_held && m_receiver.decodeNext())
        Q_EMIT packetReceived(m_packet);
    m_decoding = false;
    // Bytes that came while a handler ran the event loop have had their readyRead: take
    // them from the event loop, which a unit streaming without pause must not starve.
    if (!m_held && m_socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &PortBase::readData, Qt::QueuedConnection);
}

void PortBase::holdPackets()
{
    m_held = true;
    m_socket->setReadBufferSize(HeldBytesMax);
}

void PortBase::releasePackets()
{
    if (!m_held)
        return;
    m_held = false;
    m_socket->setReadBufferSize(0);
    // Released inside a handler, the decoding loop below it goes on by itself; otherwise
    // what waited is taken from the event loop, as new bytes would be.
    if (!m_decoding)
        QMetaObject::invokeMethod(this, &PortBase::readData, Qt::QueuedConnection);
}

QString PortBase::socketErrorText(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return QStringLiteral("Error: ConnectionRefusedError");
    case QAbstractSocket::RemoteHostClosedError:
        return QStringLiteral("Error: RemoteHostClosed");
    case QAbstractSocket::HostNotFoundError:
        return QStringLiteral("Error: HostNotFoundError");
    case QAbstractSocket::NetworkError:
        return QStringLiteral("Error: NetworkError (cable disconnected?)");
    case QAbstractSocket::SocketTimeoutError:
        return QStringLiteral("Error: SocketTimeoutError (unit unreachable?)");
    default:
        return QStringLiteral("Error: Unknown:%1").arg(static_cast<int>(error));
    }
}

void PortBase::socketError(QAbstractSocket::SocketError error)
{
    qDebug().noquote() << QStringLiteral("Socket for \"%1\" / %2 %3")
                              .arg(m_address.toString())
                              .arg(m_port)
                              .arg(socketErrorText(error));
    m_keepAliveTimer->stop();
}

void PortBase::connectionEstablished()
{
    QString report;
    const bool ok = enableTcpKeepAlive(m_socket->socketDescriptor(), KeepAliveIdleMs,
                                       KeepAliveProbeIntervalMs, LinkLossTimeoutMs, &report);
    qDebug().noquote() << report;
    Q_UNUSED(ok); // the link works without it, only a silent loss is noticed later
    m_keepAliveTimer->start(m_keepAliveIntervalMs);
}

void PortBase::sendKeepAlive()
{
    m_socket->write(&KeepAliveByte, 1);
}
