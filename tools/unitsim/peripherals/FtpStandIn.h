#pragma once

#include <QHostAddress>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>

#include <functional>

class FtpSession;

struct FtpOptions
{
    QHostAddress address = QHostAddress::LocalHost;
    quint16 port = 21; // 0 picks a free port (see serverPort())
    // Where received firmware files are kept; created when missing.
    QString folder;
    // A firmware image is a few MiB of S-records; anything far beyond is refused.
    qint64 maxUploadBytes = 16 * 1024 * 1024;
    // The unit serves one client at a time in practice; a few extra cover stale sessions.
    int maxSessions = 4;
    // How long a STOR waits for the client to open the passive data connection.
    int dataConnectTimeoutMs = 10000;
    // Called with every command received ("<< ...") and reply sent (">> ...").
    std::function<void(const QString& line)> commandLog;
};

struct FtpUpload
{
    QString fileName; // "boot.mot" or "apl.mot"
    qint64 size = 0;
    QString path;
};

// The unit's FTP server as the firmware update uses it: anonymous login (empty user name
// or "anonymous"), passive mode (PASV, EPSV), binary STOR of "boot.mot" or "apl.mot" into
// the options' folder. A file is replaced only when its upload completes; a broken or
// oversized upload leaves the previous file as it was. Lives in one thread, whose event
// loop serves the sockets; lastUpload() may be asked from any thread.
class FtpStandIn : public QObject
{
    Q_OBJECT

public:
    explicit FtpStandIn(const FtpOptions& options, QObject* parent = nullptr);
    ~FtpStandIn() override;

    bool start();
    void stop();
    bool isListening() const { return m_server.isListening(); }
    quint16 serverPort() const { return m_server.serverPort(); }
    QString errorString() const { return m_error; }

    // The file names a client may store; matched without regard to letter case.
    static QString firmwareFileName(const QString& requested);

    // The most recent completed upload (empty file name when there was none).
    FtpUpload lastUpload() const;

Q_SIGNALS:
    void uploadCompleted(const QString& fileName, qint64 size, const QString& path);

private:
    void acceptSession();
    void recordUpload(const FtpUpload& upload);

    FtpOptions m_options;
    QTcpServer m_server;
    QList<QPointer<FtpSession>> m_sessions;
    mutable QMutex m_uploadMutex;
    FtpUpload m_lastUpload;
    QString m_error;
};
