#pragma once

#include "FtpStandIn.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QSaveFile;
class QTcpServer;
class QTcpSocket;

// One client of the FTP stand-in: its control connection, the passive data connection it
// opens and the file being stored. Emits finished() when the client has gone.
class FtpSession : public QObject
{
    Q_OBJECT

public:
    // Takes ownership of `control`.
    FtpSession(QTcpSocket* control, const FtpOptions& options, QObject* parent = nullptr);
    ~FtpSession() override;

    // Drops the client and any upload in progress; safe inside the session's own signals.
    void close();

Q_SIGNALS:
    void uploadCompleted(const FtpUpload& upload);
    void finished();

private:
    using Handler = void (FtpSession::*)(const QString& argument);
    struct Command
    {
        Handler handler;
        bool needsLogin;
    };
    static const QHash<QString, Command>& commands();

    void readCommands();
    void execute(const QString& line);
    void reply(int code, const QString& text);
    void log(const QString& line) const;

    void onUser(const QString& argument);
    void onPass(const QString& argument);
    void onSyst(const QString& argument);
    void onFeat(const QString& argument);
    void onOpts(const QString& argument);
    void onNoop(const QString& argument);
    void onPwd(const QString& argument);
    void onCwd(const QString& argument);
    void onType(const QString& argument);
    void onMode(const QString& argument);
    void onStru(const QString& argument);
    void onPasv(const QString& argument);
    void onEpsv(const QString& argument);
    void onActive(const QString& argument);
    void onStor(const QString& argument);
    void onSize(const QString& argument);
    void onAbor(const QString& argument);
    void onQuit(const QString& argument);

    bool openPassive();
    void acceptData();
    void beginTransfer();
    void receiveData();
    void onDataClosed();
    void finishTransfer();
    void failTransfer(int code, const QString& text);
    void closeData();

    FtpOptions m_options;
    QTcpSocket* m_control;
    QByteArray m_lineBuffer;
    bool m_userAccepted = false;
    bool m_loggedIn = false;

    QTcpServer* m_passive = nullptr;
    QPointer<QTcpSocket> m_data;
    bool m_dataClosed = false;
    QTimer m_dataWait;

    QSaveFile* m_file = nullptr;
    QString m_fileName;
    qint64 m_received = 0;
    bool m_transferring = false;
};
