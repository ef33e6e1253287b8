#include "ControlServer.h"

#include "BUPacket.h"
#include "CommandHandler.h"
#include "FaultSwitches.h"
#include "FrameLog.h"
#include "RequestReader.h"
#include "SimulatorStatistics.h"
#include "UnitFrame.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

namespace {

constexpr char Port[] = "control";

} // namespace

ControlServer::ControlServer(CommandHandler& handler, FaultSwitches& faults, const FrameLog& log,
                             SimulatorStatistics& stats, QObject* parent)
    : QObject(parent), m_handler(handler), m_faults(faults), m_log(log), m_stats(stats),
      m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &ControlServer::acceptConnections);
}

bool ControlServer::listen(const QHostAddress& address, quint16 port)
{
    m_address = address;
    m_port = port;
    if (m_faults.refuseControl)
        return true;
    if (!m_server->listen(address, port))
        return false;
    m_port = m_server->serverPort();
    return true;
}

QString ControlServer::errorString() const
{
    return m_server->errorString();
}

quint16 ControlServer::serverPort() const
{
    return m_port;
}

bool ControlServer::isListening() const
{
    return m_server->isListening();
}

bool ControlServer::setRefusing(bool refusing)
{
    if (refusing) {
        m_server->close();
        return true;
    }
    return m_server->isListening() || m_server->listen(m_address, m_port);
}

void ControlServer::closeConnections()
{
    for (QTcpSocket* socket : m_server->findChildren<QTcpSocket*>())
        socket->disconnectFromHost();
}

void ControlServer::acceptConnections()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        auto reader = std::make_shared<RequestReader>();
        connect(socket, &QTcpSocket::readyRead, this,
                [this, socket, reader] { serve(socket, *reader); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void ControlServer::serve(QTcpSocket* socket, RequestReader& reader)
{
    reader.append(socket->readAll());
    RequestReader::Request request;
    for (;;) {
        const RequestReader::Result result = reader.next(&request);
        if (result == RequestReader::Result::NeedMore)
            return;
        if (result == RequestReader::Result::BadFrame) {
            m_log.note(Port, QStringLiteral("<< unreadable frame"));
            if (!m_faults.silentControl)
                reply(socket, BUPacket::Nak, QByteArray(1, '\0'));
            continue;
        }
        m_log.frame(Port, FrameLog::Direction::Received, request.frame);
        ++m_stats.controlRequests;
        answer(socket, request.type, request.payload);
    }
}

void ControlServer::answer(QTcpSocket* socket, quint8 requestType, const QByteArray& payload)
{
    ++m_requestCount;
    // A unit that has gone silent is hung: it neither answers nor acts.
    if (m_faults.silentControl) {
        m_log.note(Port, QStringLiteral("silent: request ignored"));
        return;
    }
    UnitReply response = m_handler.handle(requestType, payload);
    if (response.isNone())
        return;
    if (FaultSwitches::take(m_faults.wrongReplyEvery, m_faults.wrongReplyArmed, m_requestCount))
        response = m_handler.wrongReplyFor(response);
    reply(socket, response.type, response.payload);
}

void ControlServer::reply(QTcpSocket* socket, int type, const QByteArray& payload)
{
    const QByteArray frame = UnitFrame::build(quint8(type), payload);
    m_log.frame(Port, FrameLog::Direction::Sent, frame);
    socket->write(frame);
}
