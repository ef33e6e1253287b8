#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QHostAddress>
#include <QMutex>
#include <QObject>

#include <condition_variable>

class QTcpSocket;
class QTimer;

// The worker half of a control-port connection. It lives in its own thread, where its
// socket and timer are driven by that thread's event loop, while the caller blocks in
// open / requestAndWaitResponse / request / close until the worker has finished a step.
class ControlPortImpl : public QObject
{
    Q_OBJECT

public:
    enum State
    {
        Disconnected = 0,
        Connecting = 1,
        Connected = 2,
        WaitingForHeader = 3,
        WaitingForBody = 4,
        ReplyComplete = 5,
        Closing = 6,
    };

    enum Result
    {
        Success = 0,
        ConnectionFailed = 1,
        NotReady = 2,
        BodyError = 3,
        Timeout = 4,
    };

    static constexpr int DefaultStageTimeoutMs = 3000;
    // The caller's own bound on a wait beyond the worker's stage limit: it only matters
    // if the worker fails to wake the caller, and must never cut a stage short.
    static constexpr int CallerWaitMarginMs = 500;

    explicit ControlPortImpl(int stageTimeoutMs = DefaultStageTimeoutMs);
    ~ControlPortImpl() override;

    // Caller side: each blocks until the worker answers or the caller's bound is reached.
    int open(const QHostAddress& address, quint16 port);
    void close();
    int requestAndWaitResponse(const QByteArray& frame);
    int request(const QByteArray& frame);

    // The reply frame as received (header rebuilt from its fields, then the body); read
    // only after a request has returned.
    QByteArray reply() const;
    int state() const;
    int result() const;

Q_SIGNALS:
    void connectRequested(const QHostAddress& address, quint16 port);
    void disconnectRequested();
    void requested(const QByteArray& frame);

private Q_SLOTS:
    void onConnectRequested(const QHostAddress& address, quint16 port);
    void onDisconnectRequested();
    void onRequested(const QByteArray& frame);
    void onSocketConnected();
    void onSocketDisconnected();
    void onSocketError(QAbstractSocket::SocketError error);
    void onSocketBytesWritten(qint64 bytes);
    void onSocketReadyRead();
    void onTimeoutTimerTimeout();

private:
    int sendRequest(const QByteArray& frame, bool waitForReply);
    void waitForWorker();
    void wakeCaller();
    void startStageTimer();
    void log(const char* what) const;

    mutable QMutex m_mutex;
    // Waits on the QMutex through the standard library, which thread checkers see into.
    std::condition_variable_any m_condition;
    int m_state = Disconnected;
    int m_result = Success;
    qint64 m_expectedBytes = 4;
    bool m_waitForReply = true;
    QByteArray m_request;
    QByteArray m_reply;
    // Counted under the mutex so the caller can tell a real wake-up from a spurious one,
    // and a worker that is still making progress from one that has gone quiet.
    quint64 m_wakeCount = 0;
    quint64 m_stageCount = 0;
    int m_stageTimeoutMs;
    QTcpSocket* m_socket;
    QTimer* m_timeoutTimer;
};
