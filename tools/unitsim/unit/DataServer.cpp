#include "DataServer.h"

#include "FaultSwitches.h"
#include "FrameLog.h"
#include "SimulatorStatistics.h"
#include "UnitFrame.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr char Port[] = "data";

} // namespace

DataServer::DataServer(FaultSwitches& faults, const FrameLog& log, SimulatorStatistics& stats,
                       QObject* parent)
    : QObject(parent), m_faults(faults), m_log(log), m_stats(stats), m_server(new QTcpServer(this)),
      m_splitTimer(new QTimer(this))
{
    m_splitTimer->setSingleShot(true);
    connect(m_server, &QTcpServer::newConnection, this, &DataServer::acceptClients);
    connect(m_splitTimer, &QTimer::timeout, this, &DataServer::writeHeld);
}

DataServer::~DataServer()
{
    if (m_client)
        m_client->abort();
}

bool DataServer::listen(const QHostAddress& address, quint16 port)
{
    return m_server->listen(address, port);
}

QString DataServer::errorString() const
{
    return m_server->errorString();
}

quint16 DataServer::serverPort() const
{
    return m_server->serverPort();
}

bool DataServer::hasClient() const
{
    return m_client && m_client->state() == QAbstractSocket::ConnectedState;
}

void DataServer::acceptClients()
{
    while (QTcpSocket* next = m_server->nextPendingConnection()) {
        if (m_client) {
            m_log.note(Port, QStringLiteral("new connection replaces the previous one"));
            m_client->disconnect(this);
            m_client->abort();
            m_client->deleteLater();
        }
        m_client = next;
        ++m_connectionSerial;
        m_pending.clear();
        m_held.clear();
        m_splitTimer->stop();
        m_waitingForDrain = false;
        connect(next, &QTcpSocket::readyRead, this, &DataServer::readClient);
        connect(next, &QTcpSocket::disconnected, this, &DataServer::forgetClient);
        connect(next, &QTcpSocket::bytesWritten, this, &DataServer::checkDrained);
        ++m_stats.dataClients;
        m_log.note(Port, QStringLiteral("connection from %1:%2")
                             .arg(next->peerAddress().toString())
                             .arg(next->peerPort()));
        Q_EMIT clientConnected();
    }
}

void DataServer::readClient()
{
    if (!m_client)
        return;
    const QByteArray bytes = m_client->readAll();
    const auto keepAlives = bytes.count(char(KeepAliveByte));
    m_stats.keepAlives += quint64(keepAlives);
    if (keepAlives > 0)
        m_log.note(Port, QStringLiteral("<< keep-alive x%1").arg(keepAlives));
    if (keepAlives != bytes.size())
        m_log.note(Port, QStringLiteral("<< %1 unexpected bytes ignored: %2")
                             .arg(bytes.size() - keepAlives)
                             .arg(FrameLog::hex(bytes, 16)));
}

void DataServer::forgetClient()
{
    auto* socket = qobject_cast<QTcpSocket*>(sender());
    if (socket && socket == m_client) {
        m_log.note(Port, QStringLiteral("connection closed by the PC"));
        m_client = nullptr;
    }
    if (socket)
        socket->deleteLater();
}

void DataServer::dropClient()
{
    if (!m_client)
        return;
    m_log.note(Port, QStringLiteral("dropping the connection"));
    QTcpSocket* socket = m_client;
    m_client = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    m_pending.clear();
    m_held.clear();
    m_splitTimer->stop();
}

void DataServer::closeClient()
{
    if (!m_client)
        return;
    m_log.note(Port, QStringLiteral("closing the connection"));
    QTcpSocket* socket = m_client;
    m_client = nullptr;
    socket->disconnect(this);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
    m_pending.clear();
    m_held.clear();
    m_splitTimer->stop();
}

bool DataServer::send(const QByteArray& frame)
{
    if (m_faults.silentData || !hasClient())
        return false;
    QByteArray out = frame;
    if (m_corruptNext || FaultSwitches::take(0, m_faults.corruptFrameArmed, 0)) {
        m_corruptNext = false;
        out.back() = char(out.back() ^ 0x5A);
        m_log.note(Port, QStringLiteral("this frame goes out with a wrong BCC"));
    }
    m_log.frame(Port, FrameLog::Direction::Sent, out);
    ++m_stats.dataFramesSent;
    // Behind a held tail every frame waits its turn, or it would overtake the tail.
    if (m_faults.splitFrames || m_faults.mergeFrames || m_splitTimer->isActive()) {
        m_lastFrameStart = m_pending.size();
        m_pending += out;
    } else {
        write(out);
    }
    return true;
}

void DataServer::flush()
{
    if (m_pending.isEmpty() || !hasClient())
        return;
    if (m_faults.splitFrames || m_splitTimer->isActive()) {
        splitAndWrite();
        return;
    }
    write(m_pending);
    m_pending.clear();
}

// Writes the burst up to a cut inside its last frame and holds the rest back for a
// moment, so the PC really receives a partial frame. Frames queued meanwhile follow
// the held tail.
void DataServer::splitAndWrite()
{
    if (m_splitTimer->isActive()) {
        m_held += m_pending;
        m_pending.clear();
        return;
    }
    const qsizetype lastSize = m_pending.size() - m_lastFrameStart;
    const qsizetype cutInFrame = m_cutInHeader ? qMin<qsizetype>(2, lastSize - 1) : lastSize / 2;
    m_cutInHeader = !m_cutInHeader;
    const qsizetype cut = m_lastFrameStart + qMax<qsizetype>(1, cutInFrame);
    write(m_pending.left(cut));
    m_held = m_pending.mid(cut);
    m_pending.clear();
    m_splitTimer->start(SplitGapMs);
}

void DataServer::writeHeld()
{
    if (hasClient() && !m_held.isEmpty())
        write(m_held);
    m_held.clear();
}

void DataServer::write(const QByteArray& bytes)
{
    m_client->write(bytes);
    // Hand the bytes to the system now, so separate writes stay separate on the wire.
    m_client->flush();
}

bool DataServer::backlogged()
{
    if (!hasClient())
        return false;
    const qint64 unsent = m_client->bytesToWrite() + m_held.size() + m_pending.size();
    if (unsent > BacklogLimit) {
        m_waitingForDrain = true;
        return true;
    }
    return false;
}

void DataServer::checkDrained()
{
    if (m_waitingForDrain && m_client && m_client->bytesToWrite() < BacklogLimit / 2) {
        m_waitingForDrain = false;
        Q_EMIT drained();
    }
}
