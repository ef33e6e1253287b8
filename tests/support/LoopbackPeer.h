#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QMutex>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <atomic>
#include <functional>

// A scripted unit on its own thread: the control port blocks its caller until the
// reply, so the peer must never share that thread. For each complete request frame the
// handler returns the pieces to write (with a pause between them), or nothing to stay silent.
class LoopbackPeer : public QThread
{
public:
    using Handler = std::function<QList<QByteArray>(const QByteArray& request)>;

    LoopbackPeer(const QHostAddress& address, quint16 port, Handler handler, int gapMs = 50)
        : m_address(address), m_port(port), m_handler(std::move(handler)), m_gapMs(gapMs)
    {
        start();
        m_ready.acquire();
    }

    ~LoopbackPeer() override
    {
        quit();
        wait();
    }

    bool listening() const { return m_listening; }
    int connections() const { return m_connections; }
    QList<QByteArray> requests() const
    {
        QMutexLocker lock(&m_mutex);
        return m_requests;
    }

protected:
    void run() override
    {
        QTcpServer server;
        m_listening = server.listen(m_address, m_port);
        QObject::connect(&server, &QTcpServer::newConnection, &server, [&] {
            QTcpSocket* socket = server.nextPendingConnection();
            ++m_connections;
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket,
                             [this, socket, buffer] { serve(socket, *buffer); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        });
        m_ready.release();
        exec();
    }

private:
    void serve(QTcpSocket* socket, QByteArray& buffer)
    {
        buffer += socket->readAll();
        while (buffer.size() >= 4) {
            const int length = (quint8(buffer.at(1)) << 8) | quint8(buffer.at(2));
            if (buffer.size() < 4 + length)
                return;
            const QByteArray frame = buffer.left(4 + length);
            buffer.remove(0, 4 + length);
            {
                QMutexLocker lock(&m_mutex);
                m_requests.append(frame);
            }
            const QList<QByteArray> pieces = m_handler(frame);
            for (int i = 0; i < pieces.size(); ++i) {
                if (i > 0)
                    QThread::msleep(m_gapMs);
                socket->write(pieces.at(i));
                socket->waitForBytesWritten(1000);
            }
        }
    }

    QHostAddress m_address;
    quint16 m_port;
    Handler m_handler;
    int m_gapMs;
    QSemaphore m_ready;
    std::atomic<bool> m_listening{false};
    std::atomic<int> m_connections{0};
    mutable QMutex m_mutex;
    QList<QByteArray> m_requests;
};
