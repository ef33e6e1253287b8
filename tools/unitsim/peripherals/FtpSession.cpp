#include "FtpSession.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

// A command line longer than this is not FTP; the client is cut off.
constexpr qsizetype kMaxLineLength = 1024;
// Data read ahead of the STOR that consumes it stays in the kernel beyond this.
constexpr qint64 kDataReadBuffer = 64 * 1024;

// Clients name the file relative to the root or with a leading slash.
QString requestedFirmwareName(const QString& argument)
{
    QString name = argument.trimmed();
    if (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    return FtpStandIn::firmwareFileName(name);
}

} // namespace

FtpSession::FtpSession(QTcpSocket* control, const FtpOptions& options, QObject* parent)
    : QObject(parent), m_options(options), m_control(control), m_dataWait(this)
{
    m_control->setParent(this);
    m_dataWait.setSingleShot(true);
    connect(&m_dataWait, &QTimer::timeout, this,
            [this] { failTransfer(425, QStringLiteral("No data connection was opened.")); });
    connect(m_control, &QTcpSocket::readyRead, this, &FtpSession::readCommands);
    connect(m_control, &QTcpSocket::disconnected, this, &FtpSession::finished);
    reply(220, QStringLiteral("BU FTP server ready."));
}

FtpSession::~FtpSession()
{
    close();
}

void FtpSession::close()
{
    // An upload cut short is discarded, never half stored.
    delete m_file;
    m_file = nullptr;
    m_transferring = false;
    m_dataWait.stop();
    closeData();
    m_control->disconnect(this);
    m_control->abort();
}

const QHash<QString, FtpSession::Command>& FtpSession::commands()
{
    static const QHash<QString, Command> table{
        {QStringLiteral("USER"), {&FtpSession::onUser, false}},
        {QStringLiteral("PASS"), {&FtpSession::onPass, false}},
        {QStringLiteral("SYST"), {&FtpSession::onSyst, false}},
        {QStringLiteral("FEAT"), {&FtpSession::onFeat, false}},
        {QStringLiteral("OPTS"), {&FtpSession::onOpts, false}},
        {QStringLiteral("NOOP"), {&FtpSession::onNoop, false}},
        {QStringLiteral("QUIT"), {&FtpSession::onQuit, false}},
        {QStringLiteral("PWD"), {&FtpSession::onPwd, true}},
        {QStringLiteral("CWD"), {&FtpSession::onCwd, true}},
        {QStringLiteral("CDUP"), {&FtpSession::onCwd, true}},
        {QStringLiteral("TYPE"), {&FtpSession::onType, true}},
        {QStringLiteral("MODE"), {&FtpSession::onMode, true}},
        {QStringLiteral("STRU"), {&FtpSession::onStru, true}},
        {QStringLiteral("PASV"), {&FtpSession::onPasv, true}},
        {QStringLiteral("EPSV"), {&FtpSession::onEpsv, true}},
        {QStringLiteral("PORT"), {&FtpSession::onActive, true}},
        {QStringLiteral("EPRT"), {&FtpSession::onActive, true}},
        {QStringLiteral("STOR"), {&FtpSession::onStor, true}},
        {QStringLiteral("SIZE"), {&FtpSession::onSize, true}},
        {QStringLiteral("ABOR"), {&FtpSession::onAbor, true}},
    };
    return table;
}

void FtpSession::readCommands()
{
    m_lineBuffer += m_control->readAll();
    qsizetype end;
    while ((end = m_lineBuffer.indexOf('\n')) >= 0) {
        QByteArray line = m_lineBuffer.left(end);
        m_lineBuffer.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        execute(QString::fromUtf8(line));
        if (m_control->state() != QAbstractSocket::ConnectedState)
            return;
    }
    if (m_lineBuffer.size() > kMaxLineLength) {
        reply(500, QStringLiteral("Command line too long."));
        m_lineBuffer.clear();
        m_control->disconnectFromHost();
    }
}

void FtpSession::execute(const QString& line)
{
    const qsizetype space = line.indexOf(QLatin1Char(' '));
    const QString verb = line.left(space).toUpper();
    const QString argument = space < 0 ? QString() : line.mid(space + 1);
    log(QStringLiteral("<< ") +
        (verb == QLatin1String("PASS") ? QStringLiteral("PASS ****") : line));
    const auto found = commands().constFind(verb);
    if (found == commands().constEnd()) {
        reply(502, QStringLiteral("Command not implemented."));
        return;
    }
    if (found->needsLogin && !m_loggedIn) {
        reply(530, QStringLiteral("Please login with USER and PASS."));
        return;
    }
    // While a file is being stored only these make sense; the rest waits its turn in a
    // real server, here it is refused so that a confused client fails fast.
    if (m_file && verb != QLatin1String("ABOR") && verb != QLatin1String("NOOP") &&
        verb != QLatin1String("QUIT")) {
        reply(450, QStringLiteral("A transfer is in progress."));
        return;
    }
    (this->*(found->handler))(argument);
}

void FtpSession::reply(int code, const QString& text)
{
    const QString line = QStringLiteral("%1 %2").arg(code).arg(text);
    log(QStringLiteral(">> ") + line);
    m_control->write(line.toUtf8() + "\r\n");
}

void FtpSession::log(const QString& line) const
{
    if (m_options.commandLog)
        m_options.commandLog(line);
}

void FtpSession::onUser(const QString& argument)
{
    const QString user = argument.trimmed();
    m_loggedIn = false;
    m_userAccepted = user.isEmpty() ||
                     user.compare(QLatin1String("anonymous"), Qt::CaseInsensitive) == 0 ||
                     user.compare(QLatin1String("ftp"), Qt::CaseInsensitive) == 0;
    if (m_userAccepted)
        reply(331, QStringLiteral("Anonymous login ok, any password will do."));
    else
        reply(530, QStringLiteral("This server accepts anonymous logins only."));
}

void FtpSession::onPass(const QString&)
{
    if (!m_userAccepted) {
        reply(503, QStringLiteral("Login with USER first."));
        return;
    }
    m_loggedIn = true;
    reply(230, QStringLiteral("Login successful."));
}

void FtpSession::onSyst(const QString&)
{
    reply(215, QStringLiteral("UNIX Type: L8"));
}

void FtpSession::onFeat(const QString&)
{
    log(QStringLiteral(">> 211 Features: EPSV PASV SIZE UTF8"));
    m_control->write("211-Features:\r\n EPSV\r\n PASV\r\n SIZE\r\n UTF8\r\n211 End\r\n");
}

void FtpSession::onOpts(const QString& argument)
{
    if (argument.trimmed().compare(QLatin1String("UTF8 ON"), Qt::CaseInsensitive) == 0)
        reply(200, QStringLiteral("Always in UTF8 mode."));
    else
        reply(501, QStringLiteral("Option not understood."));
}

void FtpSession::onNoop(const QString&)
{
    reply(200, QStringLiteral("NOOP ok."));
}

void FtpSession::onPwd(const QString&)
{
    reply(257, QStringLiteral("\"/\" is the current directory."));
}

void FtpSession::onCwd(const QString& argument)
{
    // The unit keeps its firmware files in one flat folder.
    const QString path = argument.trimmed();
    if (path.isEmpty() || path == QLatin1String("/") || path == QLatin1String("."))
        reply(250, QStringLiteral("Directory successfully changed."));
    else
        reply(550, QStringLiteral("Failed to change directory."));
}

void FtpSession::onType(const QString& argument)
{
    const QString type = argument.trimmed().toUpper();
    if (type == QLatin1String("I") || type == QLatin1String("L 8")) {
        reply(200, QStringLiteral("Switching to Binary mode."));
    } else if (type == QLatin1String("A") || type == QLatin1String("A N")) {
        // S-record files are plain text already; they are stored byte for byte either way.
        reply(200, QStringLiteral("Switching to ASCII mode."));
    } else {
        reply(504, QStringLiteral("Command not implemented for that parameter."));
    }
}

void FtpSession::onMode(const QString& argument)
{
    if (argument.trimmed().compare(QLatin1String("S"), Qt::CaseInsensitive) == 0)
        reply(200, QStringLiteral("Mode set to S."));
    else
        reply(504, QStringLiteral("Only stream mode is supported."));
}

void FtpSession::onStru(const QString& argument)
{
    if (argument.trimmed().compare(QLatin1String("F"), Qt::CaseInsensitive) == 0)
        reply(200, QStringLiteral("Structure set to F."));
    else
        reply(504, QStringLiteral("Only file structure is supported."));
}

void FtpSession::onPasv(const QString&)
{
    bool isIpv4 = false;
    const quint32 address = m_control->localAddress().toIPv4Address(&isIpv4);
    if (!isIpv4) {
        reply(425, QStringLiteral("PASV needs IPv4, use EPSV."));
        return;
    }
    if (!openPassive())
        return;
    const quint16 port = m_passive->serverPort();
    reply(227, QStringLiteral("Entering Passive Mode (%1,%2,%3,%4,%5,%6).")
                   .arg(address >> 24)
                   .arg((address >> 16) & 0xff)
                   .arg((address >> 8) & 0xff)
                   .arg(address & 0xff)
                   .arg(port >> 8)
                   .arg(port & 0xff));
}

void FtpSession::onEpsv(const QString& argument)
{
    if (argument.trimmed().compare(QLatin1String("ALL"), Qt::CaseInsensitive) == 0) {
        reply(200, QStringLiteral("EPSV ALL ok."));
        return;
    }
    if (!openPassive())
        return;
    reply(229,
          QStringLiteral("Entering Extended Passive Mode (|||%1|).").arg(m_passive->serverPort()));
}

void FtpSession::onActive(const QString&)
{
    reply(502, QStringLiteral("Active mode is not supported, use PASV or EPSV."));
}

void FtpSession::onSize(const QString& argument)
{
    const QString name = requestedFirmwareName(argument);
    const QFileInfo info(QDir(m_options.folder).filePath(name));
    if (name.isEmpty() || !info.isFile())
        reply(550, QStringLiteral("Could not get file size."));
    else
        reply(213, QString::number(info.size()));
}

void FtpSession::onAbor(const QString&)
{
    if (!m_file) {
        closeData();
        reply(225, QStringLiteral("No transfer to abort."));
        return;
    }
    failTransfer(426, QStringLiteral("Transfer aborted."));
    reply(226, QStringLiteral("Abort successful."));
}

void FtpSession::onQuit(const QString&)
{
    reply(221, QStringLiteral("Goodbye."));
    m_control->disconnectFromHost();
}

void FtpSession::onStor(const QString& argument)
{
    const QString name = requestedFirmwareName(argument);
    if (name.isEmpty()) {
        reply(553, QStringLiteral("Only boot.mot and apl.mot can be stored."));
        return;
    }
    if (!m_passive && !m_data) {
        reply(425, QStringLiteral("Use PASV or EPSV first."));
        return;
    }
    m_file = new QSaveFile(QDir(m_options.folder).filePath(name));
    if (!m_file->open(QIODevice::WriteOnly)) {
        const QString error = m_file->errorString();
        delete m_file;
        m_file = nullptr;
        closeData();
        reply(451, QStringLiteral("Cannot store the file: %1").arg(error));
        return;
    }
    m_fileName = name;
    m_received = 0;
    if (m_data)
        beginTransfer();
    else
        m_dataWait.start(m_options.dataConnectTimeoutMs);
}

bool FtpSession::openPassive()
{
    closeData();
    m_passive = new QTcpServer(this);
    if (!m_passive->listen(m_control->localAddress(), 0)) {
        reply(425, QStringLiteral("Cannot open a data port: %1").arg(m_passive->errorString()));
        closeData();
        return false;
    }
    connect(m_passive, &QTcpServer::newConnection, this, &FtpSession::acceptData);
    return true;
}

void FtpSession::acceptData()
{
    while (QTcpSocket* socket = m_passive->nextPendingConnection()) {
        // Only the client on the control connection may deliver data to it.
        if (m_data || socket->peerAddress() != m_control->peerAddress()) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        m_data = socket;
        m_data->setParent(this);
        m_data->setReadBufferSize(kDataReadBuffer);
        m_dataClosed = false;
        connect(m_data, &QTcpSocket::readyRead, this, &FtpSession::receiveData);
        connect(m_data, &QTcpSocket::disconnected, this, &FtpSession::onDataClosed);
    }
    if (m_data) {
        m_passive->close();
        if (m_file && !m_transferring) {
            m_dataWait.stop();
            beginTransfer();
        }
    }
}

void FtpSession::beginTransfer()
{
    m_transferring = true;
    reply(150, QStringLiteral("Ok to send data for %1.").arg(m_fileName));
    receiveData();
    if (m_file && m_dataClosed)
        finishTransfer();
}

void FtpSession::receiveData()
{
    if (!m_transferring || !m_data)
        return;
    while (m_file && m_data->bytesAvailable() > 0) {
        const QByteArray chunk = m_data->read(kDataReadBuffer);
        m_received += chunk.size();
        if (m_received > m_options.maxUploadBytes) {
            failTransfer(552, QStringLiteral("Exceeded storage allocation of %1 bytes.")
                                  .arg(m_options.maxUploadBytes));
            return;
        }
        if (m_file->write(chunk) != chunk.size()) {
            failTransfer(451, QStringLiteral("Local error: %1").arg(m_file->errorString()));
            return;
        }
    }
}

void FtpSession::onDataClosed()
{
    m_dataClosed = true;
    if (m_transferring)
        finishTransfer();
}

void FtpSession::finishTransfer()
{
    receiveData();
    if (!m_file)
        return;
    const QString path = m_file->fileName();
    const bool stored = m_file->commit();
    const QString error = m_file->errorString();
    delete m_file;
    m_file = nullptr;
    m_transferring = false;
    closeData();
    if (!stored) {
        reply(451, QStringLiteral("Cannot store the file: %1").arg(error));
        return;
    }
    reply(226, QStringLiteral("Transfer complete."));
    Q_EMIT uploadCompleted({m_fileName, m_received, path});
}

void FtpSession::failTransfer(int code, const QString& text)
{
    delete m_file;
    m_file = nullptr;
    m_transferring = false;
    m_dataWait.stop();
    closeData();
    reply(code, text);
}

void FtpSession::closeData()
{
    if (m_data) {
        m_data->disconnect(this);
        m_data->abort();
        m_data->deleteLater();
    }
    m_data = nullptr;
    m_dataClosed = false;
    // Closed now, deleted later: this may run inside one of the listener's own signals.
    if (m_passive) {
        m_passive->close();
        m_passive->deleteLater();
    }
    m_passive = nullptr;
}
