#include "FtpStandIn.h"

#include "FtpSession.h"

#include <QDebug>
#include <QDir>
#include <QTcpSocket>

FtpStandIn::FtpStandIn(const FtpOptions& options, QObject* parent)
    : QObject(parent), m_options(options), m_server(this)
{
    // The server is a child so that moveToThread() takes it along.
    connect(&m_server, &QTcpServer::newConnection, this, &FtpStandIn::acceptSession);
}

FtpStandIn::~FtpStandIn()
{
    stop();
}

bool FtpStandIn::start()
{
    if (isListening())
        return true;
    if (m_options.folder.isEmpty() || !QDir().mkpath(m_options.folder)) {
        m_error = QStringLiteral("cannot use upload folder \"%1\"").arg(m_options.folder);
        return false;
    }
    if (!m_server.listen(m_options.address, m_options.port)) {
        m_error = QStringLiteral("cannot listen on %1:%2: %3")
                      .arg(m_options.address.toString())
                      .arg(m_options.port)
                      .arg(m_server.errorString());
        return false;
    }
    qDebug().noquote()
        << "FtpStandIn: listening on"
        << QStringLiteral("%1:%2").arg(m_options.address.toString()).arg(serverPort())
        << "storing into" << m_options.folder;
    return true;
}

void FtpStandIn::stop()
{
    m_server.close();
    // Deleted later, as stop() may be called from a slot of uploadCompleted, which a
    // session emits from inside its sockets' signals.
    for (const QPointer<FtpSession>& session : std::as_const(m_sessions)) {
        if (session) {
            session->close();
            session->deleteLater();
        }
    }
    m_sessions.clear();
}

QString FtpStandIn::firmwareFileName(const QString& requested)
{
    for (const QString& name : {QStringLiteral("boot.mot"), QStringLiteral("apl.mot")}) {
        if (requested.compare(name, Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

FtpUpload FtpStandIn::lastUpload() const
{
    QMutexLocker lock(&m_uploadMutex);
    return m_lastUpload;
}

void FtpStandIn::acceptSession()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        m_sessions.removeAll(nullptr);
        if (m_sessions.size() >= m_options.maxSessions) {
            socket->write("421 Too many connections, try again later.\r\n");
            socket->disconnectFromHost();
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            continue;
        }
        auto* session = new FtpSession(socket, m_options, this);
        connect(session, &FtpSession::uploadCompleted, this, &FtpStandIn::recordUpload);
        connect(session, &FtpSession::finished, session, &QObject::deleteLater);
        m_sessions.append(session);
    }
}

void FtpStandIn::recordUpload(const FtpUpload& upload)
{
    {
        QMutexLocker lock(&m_uploadMutex);
        m_lastUpload = upload;
    }
    qDebug().noquote() << "FtpStandIn: received" << upload.fileName << upload.size << "bytes";
    Q_EMIT uploadCompleted(upload.fileName, upload.size, upload.path);
}
