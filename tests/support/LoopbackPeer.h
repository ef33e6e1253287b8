#pragma once

#include <QMutex>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <functional>

// A unit that misbehaves byte by byte, for what the simulator never does: a reply in
// pieces, a corrupted or malformed reply, silence. It runs on its own thread, since the
// control port blocks its caller until the reply. For each request frame the handler
// returns the pieces to write, 50 ms apart, or nothing to stay silent.
class LoopbackPeer : public QThread
{
public:
    using Handler = std::function<QList<QByteArray>(const QByteArray& request)>;

    LoopbackPeer(const QHostAddress& address, quint16 port, Handler handler)
        : m_address(address), m_port(port), m_handler(std::move(handler))
    {
        start();
        m_ready.acquire(); // listening (or failed to) from here on
    }

    ~LoopbackPeer() override
    {
        quit();
        wait();
    }

    bool listening() const { return m_listening; }
    QList<QByteArray> requests() const
    {
        QMutexLocker lock(&m_mutex);
        return m_requests;
    }

private:
    void run() override
    {
        QTcpServer server; // its connections are its children and end with it
        m_listening = server.listen(m_address, m_port);
        QObject::connect(&server, &QTcpServer::newConnection, &server, [&] {
            QTcpSocket* socket = server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [=, this] { serve(socket); });
        });
        m_ready.release();
        exec();
    }

    void serve(QTcpSocket* socket)
    {
        // Whole request frames only: the length field counts the bytes after the header.
        while (socket->bytesAvailable() >= 4) {
            const QByteArray header = socket->peek(4);
            const int length = (quint8(header.at(1)) << 8) | quint8(header.at(2));
            if (socket->bytesAvailable() < 4 + length)
                return;
            const QByteArray request = socket->read(4 + length);
            QMutexLocker lock(&m_mutex); // requests() waits while the reply goes out
            m_requests.append(request);
            for (const QByteArray& piece : m_handler(request)) {
                socket->write(piece);
                socket->flush(); // out before the pause, so the pieces arrive apart
                QThread::msleep(50);
            }
        }
    }

    QHostAddress m_address;
    quint16 m_port;
    Handler m_handler;
    QSemaphore m_ready;
    bool m_listening = false; // written before m_ready is released
    mutable QMutex m_mutex;
    QList<QByteArray> m_requests;
};
