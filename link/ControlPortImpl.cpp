#include "ControlPortImpl.h"

#include <QDataStream>
#include <QDebug>
#include <QMetaType>
#include <QMutexLocker>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

namespace {

void registerMetaTypes()
{
    static const bool registered = [] {
        qRegisterMetaType<QHostAddress>("QHostAddress");
        qRegisterMetaType<QAbstractSocket::SocketError>("QAbstractSocket::SocketError");
        return true;
    }();
    Q_UNUSED(registered);
}

QDebug logLine()
{
    QDebug debug = qDebug().nospace().noquote();
    debug << "[id:" << QThread::currentThreadId() << "]ControlPortImpl::";
    return debug;
}

} // namespace

ControlPortImpl::ControlPortImpl(int stageTimeoutMs)
    : m_stageTimeoutMs(stageTimeoutMs), m_socket(new QTcpSocket(this)),
      m_timeoutTimer(new QTimer(this))
{
    registerMetaTypes();
    log("ctor");
    m_timeoutTimer->setSingleShot(true);
    // The unit is given its full stage time; a coarse timer may fire 5% early.
    m_timeoutTimer->setTimerType(Qt::PreciseTimer);
    connect(this, &ControlPortImpl::connectRequested, this, &ControlPortImpl::onConnectRequested);
    connect(this, &ControlPortImpl::disconnectRequested, this,
            &ControlPortImpl::onDisconnectRequested);
    connect(this, &ControlPortImpl::requested, this, &ControlPortImpl::onRequested);
    connect(m_socket, &QTcpSocket::connected, this, &ControlPortImpl::onSocketConnected);
    connect(m_socket, &QTcpSocket::disconnected, this, &ControlPortImpl::onSocketDisconnected);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &ControlPortImpl::onSocketError);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &ControlPortImpl::onSocketBytesWritten);
    connect(m_socket, &QTcpSocket::readyRead, this, &ControlPortImpl::onSocketReadyRead);
    connect(m_timeoutTimer, &QTimer::timeout, this, &ControlPortImpl::onTimeoutTimerTimeout);
}

ControlPortImpl::~ControlPortImpl()
{
    log("dtor");
    // The caller's close() released the mutex last. Taking it here shows that order to
    // ThreadSanitizer, which cannot see into the event hand-over that brought us here.
    {
        QMutexLocker lock(&m_mutex);
    }
    m_socket->disconnect(this);
    m_socket->abort();
}

void ControlPortImpl::log(const char* what) const
{
    logLine() << what;
}

QByteArray ControlPortImpl::reply() const
{
    QMutexLocker lock(&m_mutex);
    return m_reply;
}

int ControlPortImpl::state() const
{
    QMutexLocker lock(&m_mutex);
    return m_state;
}

int ControlPortImpl::result() const
{
    QMutexLocker lock(&m_mutex);
    return m_result;
}

// --- caller side -------------------------------------------------------------------

// Called with the mutex held; the wait releases it. Returns when the worker has woken
// the caller, or when the worker has made no progress for longer than a stage may take,
// which counts as a time-out.
void ControlPortImpl::waitForWorker()
{
    const quint64 wakeAtEntry = m_wakeCount;
    quint64 stageSeen = m_stageCount;
    while (m_wakeCount == wakeAtEntry) {
        if (m_condition.wait_for(
                m_mutex, std::chrono::milliseconds(m_stageTimeoutMs + CallerWaitMarginMs)) ==
            std::cv_status::no_timeout)
            continue; // woken: the loop condition tells a real wake-up from a spurious one
        if (m_wakeCount != wakeAtEntry)
            break;
        if (m_stageCount == stageSeen) {
            logLine() << "waitForWorker, no answer from the worker thread";
            m_result = Timeout;
            return;
        }
        stageSeen = m_stageCount;
    }
}

int ControlPortImpl::open(const QHostAddress& address, quint16 port)
{
    log("open");
    QMutexLocker lock(&m_mutex);
    if (m_state != Disconnected) {
        m_result = ConnectionFailed;
        return m_result;
    }
    m_state = Connecting;
    Q_EMIT connectRequested(address, port);
    waitForWorker();
    return m_result;
}

void ControlPortImpl::close()
{
    log("close");
    QMutexLocker lock(&m_mutex);
    if (m_state == Disconnected || m_state == Closing)
        return;
    m_state = Closing;
    Q_EMIT disconnectRequested();
    waitForWorker();
}

int ControlPortImpl::requestAndWaitResponse(const QByteArray& frame)
{
    log("requestAndWaitResponse");
    return sendRequest(frame, true);
}

int ControlPortImpl::request(const QByteArray& frame)
{
    log("request");
    return sendRequest(frame, false);
}

int ControlPortImpl::sendRequest(const QByteArray& frame, bool waitForReply)
{
    QMutexLocker lock(&m_mutex);
    if (m_state != Connected && m_state != ReplyComplete) {
        m_result = NotReady;
        return m_result;
    }
    m_waitForReply = waitForReply;
    m_state = WaitingForHeader;
    Q_EMIT requested(frame);
    waitForWorker();
    return m_result;
}

// --- worker side -------------------------------------------------------------------

// Called with the mutex held.
void ControlPortImpl::wakeCaller()
{
    ++m_wakeCount;
    m_condition.notify_one();
}

void ControlPortImpl::startStageTimer()
{
    m_timeoutTimer->start(m_stageTimeoutMs);
    QMutexLocker lock(&m_mutex);
    ++m_stageCount;
}

void ControlPortImpl::onConnectRequested(const QHostAddress& address, quint16 port)
{
    log("onConnectRequested");
    {
        QMutexLocker lock(&m_mutex);
        if (m_state != Connecting) {
            logLine() << "onConnectRequested, invalid state:" << m_state;
            m_result = ConnectionFailed;
            wakeCaller();
            return;
        }
    }
    m_expectedBytes = 4;
    startStageTimer();
    m_socket->connectToHost(address, port, QIODevice::ReadWrite);
}

void ControlPortImpl::onSocketConnected()
{
    log("onSocketConnected");
    m_timeoutTimer->stop();
    QMutexLocker lock(&m_mutex);
    m_state = Connected;
    m_result = Success;
    wakeCaller();
}

void ControlPortImpl::onRequested(const QByteArray& frame)
{
    log("onRequested");
    {
        QMutexLocker lock(&m_mutex);
        if (m_state != WaitingForHeader) {
            logLine() << "onRequested, invalid state:" << m_state;
            return;
        }
        m_reply.clear();
        m_request = frame;
    }
    m_expectedBytes = 4;
    startStageTimer();
    const qint64 written = m_socket->write(m_request);
    logLine() << "onRequested, bytesWritten:" << written;
}

void ControlPortImpl::onSocketBytesWritten(qint64 bytes)
{
    logLine() << "onSocketBytesWritten, bytes:" << bytes;
    bool waitForReply = false;
    {
        QMutexLocker lock(&m_mutex);
        if (m_state != WaitingForHeader) {
            logLine() << "onSocketBytesWritten, invalid state:" << m_state;
            return;
        }
        if (bytes != m_request.size())
            logLine() << "onSocketBytesWritten, bytesWritten not enough:" << bytes << "("
                      << m_request.size() << ")";
        waitForReply = m_waitForReply;
        if (!waitForReply) {
            m_timeoutTimer->stop();
            wakeCaller();
        }
    }
    if (waitForReply)
        startStageTimer();
}

void ControlPortImpl::onSocketReadyRead()
{
    log("onSocketReadyRead");
    while (m_socket->bytesAvailable() >= m_expectedBytes) {
        int state;
        {
            QMutexLocker lock(&m_mutex);
            state = m_state;
        }
        if (state == WaitingForHeader) {
            startStageTimer();
            quint8 start = 0;
            quint16 length = 0;
            quint8 type = 0;
            QDataStream stream(m_socket);
            stream >> start >> length >> type;
            m_expectedBytes = length;
            QMutexLocker lock(&m_mutex);
            m_state = WaitingForBody;
            m_reply.clear();
            QDataStream out(&m_reply, QIODevice::WriteOnly);
            out << start << length << type;
        } else if (state == WaitingForBody) {
            m_timeoutTimer->stop();
            const QByteArray body = m_socket->read(m_expectedBytes);
            m_expectedBytes = 4;
            QMutexLocker lock(&m_mutex);
            m_state = ReplyComplete;
            m_reply.append(body);
            wakeCaller();
        } else {
            logLine() << "onSocketReadyRead, invalid state:" << state;
            return;
        }
    }
}

void ControlPortImpl::onTimeoutTimerTimeout()
{
    log("onTimeoutTimerTimeout");
    m_timeoutTimer->stop();
    QMutexLocker lock(&m_mutex);
    m_result = Timeout;
    wakeCaller();
}

void ControlPortImpl::onSocketError(QAbstractSocket::SocketError error)
{
    logLine() << "onSocketError:" << error << " " << m_socket->errorString();
    m_timeoutTimer->stop();
    QMutexLocker lock(&m_mutex);
    switch (m_state) {
    case Connecting:
        m_result = ConnectionFailed;
        m_state = Disconnected;
        break;
    case WaitingForHeader:
        m_result = NotReady;
        break;
    case WaitingForBody:
        m_result = BodyError;
        break;
    default:
        logLine() << "onSocketError, currentState:" << m_state;
        break;
    }
    wakeCaller();
}

void ControlPortImpl::onSocketDisconnected()
{
    log("onSocketDisconnected");
    QMutexLocker lock(&m_mutex);
    m_state = Disconnected;
    wakeCaller();
}

void ControlPortImpl::onDisconnectRequested()
{
    log("onDisconnectRequested");
    {
        QMutexLocker lock(&m_mutex);
        if (m_state != Closing) {
            logLine() << "onDisconnectRequested, invalid state:" << m_state;
            wakeCaller();
            return;
        }
    }
    m_timeoutTimer->stop();
    if (m_socket->state() == QAbstractSocket::ConnectedState) {
        m_socket->disconnectFromHost(); // the caller is woken by disconnected or error
        return;
    }
    // Still connecting (or already gone): a graceful close would wait for a connection
    // that may never come, so drop it now.
    m_socket->abort();
    QMutexLocker lock(&m_mutex);
    m_state = Disconnected;
    wakeCaller();
}
