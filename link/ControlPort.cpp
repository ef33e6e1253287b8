#include "ControlPort.h"

#include "AppSettings.h"
#include "ControlPortImpl.h"

#include <QDataStream>
#include <QDebug>
#include <QThread>

ControlPort::ControlPort(QObject* parent) : ControlPort(unitAddress(), DefaultPort, parent) {}

QHostAddress ControlPort::unitAddress()
{
    return QHostAddress(AppSettings().deviceAddress());
}

ControlPort::ControlPort(const QHostAddress& address, quint16 port, QObject* parent)
    : QObject(parent), m_address(address), m_port(port), m_packet(new BUPacket)
{
    createWorker(ControlPortImpl::DefaultStageTimeoutMs);
}

void ControlPort::createWorker(int stageTimeoutMs)
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("ControlPort"));
    m_impl = new ControlPortImpl(stageTimeoutMs);
}

ControlPort::~ControlPort()
{
    delete m_packet;
    m_impl->close();
    if (m_thread->isRunning()) {
        m_impl->deleteLater(); // in its own thread, where its socket lives
        m_thread->quit();
        m_thread->wait();
    } else {
        delete m_impl;
    }
    delete m_thread;
}

void ControlPort::setStageTimeout(int ms)
{
    if (m_thread->isRunning())
        return;
    delete m_impl;
    m_impl = new ControlPortImpl(ms);
}

int ControlPort::open()
{
    if (!m_thread->isRunning()) {
        m_impl->moveToThread(m_thread);
        m_thread->start(QThread::InheritPriority);
    }
    return m_impl->open(m_address, m_port) == ControlPortImpl::Success ? 0 : 1;
}

void ControlPort::close()
{
    m_impl->close();
}

void ControlPort::request(quint8 type, const QByteArray& payload)
{
    m_packet->setType(type);
    m_impl->request(m_packet->encode(payload));
}

int ControlPort::requestAndWaitResponse(quint8 type, const QByteArray& payload)
{
    m_packet->setType(type);
    if (m_impl->requestAndWaitResponse(m_packet->encode(payload)) != ControlPortImpl::Success)
        return ControlNoExchange;
    return decodeReply(m_impl->reply(), *m_packet) ? ControlSuccess : ControlBadReply;
}

bool ControlPort::decodeReply(const QByteArray& reply, BUPacket& packet)
{
    if (reply.size() < BUPacket::HeaderSize) {
        qDebug("Illegal packet.");
        return false;
    }
    const auto start = static_cast<quint8>(reply.at(0));
    const auto length = static_cast<quint16>((static_cast<quint8>(reply.at(1)) << 8) |
                                             static_cast<quint8>(reply.at(2)));
    const auto type = static_cast<quint8>(reply.at(3));
    if (start != BUPacket::StartByte || !packet.headerIsValid(length, type) ||
        reply.size() != BUPacket::HeaderSize + length) {
        qDebug("Illegal packet.");
        return false;
    }
    const char* body = reply.constData() + BUPacket::HeaderSize;
    const quint8 computed = BUPacket::computeBcc(length, type, body, length);
    const auto received = static_cast<quint8>(body[length - 1]);
    if (computed != received) {
        qDebug("BCC Error value:%02X, supposed to be %02X", computed, received);
        return false;
    }
    packet.setHeader(length, type);
    const QByteArray view = QByteArray::fromRawData(body, length);
    QDataStream stream(view);
    packet.readPayload(stream);
    return true;
}
