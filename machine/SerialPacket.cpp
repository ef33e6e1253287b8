#include "SerialPacket.h"

#include "AppSettings.h"
#include "MoldMachineTable.h"

#include <QDebug>
#include <QFile>
#include <QTextCodec>
#include <QTextStream>

namespace {

constexpr char Eot = 0x04;
constexpr char Enq = 0x05;

} // namespace

SerialPacket::SerialPacket(QObject* parent)
    : QObject(parent), m_port(this), m_byteTimer(this), m_packetTimer(this),
      m_clock([] { return QDateTime::currentDateTime(); })
{
    qDebug() << "SerialPacket: Construct Called";
    m_codec = QTextCodec::codecForName("Shift-JIS");
    if (!m_codec)
        qWarning() << "SerialPacket: no Shift-JIS codec, replies are read as Latin-1";
    configurePort();
    const bool connected =
        bool(connect(&m_port, &QSerialPort::readyRead, this, &SerialPacket::recieveSerialData));
    qDebug() << "connect readyRead " << connected;
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialPacket::handlePortError);

    m_byteTimer.setSingleShot(true);
    m_byteTimer.setInterval(DefaultByteTimeoutMs);
    connect(&m_byteTimer, &QTimer::timeout, this, &SerialPacket::recieveByteTimeout);
    m_packetTimer.setSingleShot(true);
    m_packetTimer.setInterval(DefaultPacketTimeoutMs);
    connect(&m_packetTimer, &QTimer::timeout, this, &SerialPacket::recievePacketTimeout);
}

SerialPacket::~SerialPacket()
{
    closePort();
    qDebug() << "SerialPacket:Destruct Called";
}

void SerialPacket::configurePort()
{
    // A name without a folder ("ttyUSB0", "COM1") is looked up among the system's ports;
    // a full path (a pseudo-terminal or a symlink to it) is used as it stands.
    m_port.setPortName(AppSettings().moldMachineSerialPort());
}

void SerialPacket::applyPortSettings()
{
    // The settings are applied after open(): a pseudo-terminal refuses some of them (the
    // parity), which must not keep the port from being used.
    const auto check = [this](bool applied, const char* what) {
        if (!applied) {
            qDebug().noquote() << "SerialPacket: the port refused" << what << "-"
                               << m_port.errorString();
            m_port.clearError();
        }
    };
    check(m_port.setBaudRate(QSerialPort::Baud9600), "9600 baud");
    check(m_port.setDataBits(QSerialPort::Data8), "8 data bits");
    check(m_port.setParity(QSerialPort::EvenParity), "even parity");
    check(m_port.setStopBits(QSerialPort::OneStop), "1 stop bit");
    check(m_port.setFlowControl(QSerialPort::NoFlowControl), "no flow control");
}

void SerialPacket::handlePortError(QSerialPort::SerialPortError error)
{
    // An unplugged adapter: close, so that the next exchange opens it afresh. The
    // records still waiting are then marked by their time-outs.
    if (error == QSerialPort::ResourceError && m_port.isOpen()) {
        qWarning().noquote() << "SerialPacket: port lost:" << m_port.errorString();
        closePort();
    }
}

bool SerialPacket::loadMachineFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qDebug() << " Machine File Open Error";
        return false;
    }
    resetReception();
    QTextStream in(&file);
    const MoldMachineTable::ReadResult table = MoldMachineTable::read(in);
    m_records = table.records;
    qDebug() << "Total MoldMachineData Count =" << table.countedLines;
    return true;
}

bool SerialPacket::openPort()
{
    if (m_port.isOpen()) {
        qDebug() << "port is already open";
        return true;
    }
    if (!m_port.open(QIODevice::ReadWrite)) {
        qDebug().noquote() << "SerialPortOpen Error" << m_port.portName() << m_port.errorString();
        Q_EMIT statusUpdate(PortOpenError);
        return false;
    }
    qDebug() << "SerialPortOpen OK";
    applyPortSettings();
    return true;
}

void SerialPacket::start()
{
    if (!openPort()) {
        // An exchange still running (its port lost) cannot go on either.
        m_packetTimer.stop();
        m_running = false;
        return;
    }
    Q_EMIT statusUpdate(PortOpened);
    qDebug() << "Mold Machine Communication Start !!";
    clearReception();
    m_currentIndex = 0;
    m_errorFlag = 0;
    for (MoldMachineRecord& record : m_records)
        record.reply.clear();
    m_running = true;
    if (m_records.isEmpty())
        finish();
    else
        send(0);
}

void SerialPacket::resetReception()
{
    abandonExchange();
    clearReception();
    m_currentIndex = 0;
}

void SerialPacket::abandonExchange()
{
    m_packetTimer.stop();
    if (!m_running)
        return;
    qDebug() << "Mold machine exchange abandoned at record" << m_currentIndex;
    m_running = false;
    closePort();
    Q_EMIT statusUpdate(Idle);
}

void SerialPacket::send(int index)
{
    if (index < 0 || index >= m_records.size())
        return;
    Q_EMIT statusUpdate(Sending);
    const QByteArray id = m_records.at(index).id.toLatin1();
    const QByteArray frame = Eot + id + Enq;
    if (m_port.isOpen() && m_port.write(frame) == frame.size())
        qDebug().noquote() << index << ": Send Packet OK [" + QString::fromLatin1(id) + "]";
    else
        qDebug().noquote() << index << ": Send Packet Error [" + QString::fromLatin1(id) + "]"
                           << m_port.errorString();
    m_packetTimer.start();
}

void SerialPacket::recieveSerialData()
{
    if (m_port.bytesAvailable() <= 0)
        return;
    const QByteArray bytes = m_port.readAll();
    m_byteTimer.start();
    switch (m_receiver.append(bytes)) {
    case MachineFrameReceiver::Result::Incomplete:
        return;
    case MachineFrameReceiver::Result::Dropped:
        qDebug() << "SerialPacket: reply dropped, too long or no STX";
        m_byteTimer.stop();
        return;
    case MachineFrameReceiver::Result::Frame:
        m_byteTimer.stop();
        handleFrame(m_receiver.frame());
        return;
    }
}

void SerialPacket::handleFrame(const QByteArray& frame)
{
    // A frame while no request waits (the port held open since the start-up check, or
    // a late reply after an abandoned exchange) answers nothing and must not move on.
    if (!m_running) {
        qDebug() << "SerialPacket: reply without a request ignored," << frame.size() << "Bytes";
        return;
    }
    m_packetTimer.stop();
    qDebug() << "Packet Recived!!" << frame.size() << "Bytes";
    MoldMachineRecord& record = m_records[m_currentIndex];
    if (MachineFrameReceiver::hasValidBcc(frame)) {
        Q_EMIT statusUpdate(Received);
        const qsizetype echoLength = record.id.toLatin1().size();
        record.reply = decode(MachineFrameReceiver::replyText(frame, echoLength));
    } else {
        record.reply = bccErrorMark();
    }
    advance();
}

void SerialPacket::recieveByteTimeout()
{
    clearReception();
}

void SerialPacket::recievePacketTimeout()
{
    qDebug() << "recievePacketTimeout";
    if (!m_running)
        return;
    m_errorFlag = -1;
    m_records[m_currentIndex].reply = timeoutMark();
    Q_EMIT statusUpdate(Timeout);
    clearReception();
    advance();
}

void SerialPacket::advance()
{
    ++m_currentIndex;
    if (m_currentIndex < m_records.size())
        send(m_currentIndex);
    else
        finish();
}

void SerialPacket::finish()
{
    m_running = false;
    Q_EMIT packetAllFinished(&m_errorFlag);
    closePort();
    Q_EMIT statusUpdate(Idle);
}

void SerialPacket::clearReception()
{
    m_receiver.clear();
    m_byteTimer.stop();
}

void SerialPacket::closePort()
{
    if (!m_port.isOpen())
        return;
    m_port.close();
    qDebug() << "SerialPortClose OK";
}

QString SerialPacket::decode(const QByteArray& text) const
{
    return m_codec ? m_codec->toUnicode(text) : QString::fromLatin1(text);
}

QStringList SerialPacket::recordNames() const
{
    QStringList names;
    for (const MoldMachineRecord& record : m_records)
        names.append(record.name);
    return names;
}

QString SerialPacket::buildLogLine(const QString& prefix) const
{
    QString line =
        m_clock().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss")) + QStringLiteral(", ") + prefix;
    for (const MoldMachineRecord& record : m_records) {
        QString reply = record.reply;
        reply.replace(QLatin1Char('\r'), QLatin1Char(' '));
        reply.replace(QLatin1Char('\n'), QLatin1Char(' '));
        line += QStringLiteral(", ") + reply;
    }
    return line + QLatin1Char('\n');
}

void SerialPacket::setTimeouts(int byteTimeoutMs, int packetTimeoutMs)
{
    m_byteTimer.setInterval(byteTimeoutMs);
    m_packetTimer.setInterval(packetTimeoutMs);
}
