#pragma once

#include "BUPacket.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>

class ControlPortImpl;
class ModuleConfigBase;
class QDateTime;
class QThread;
class SystemConfig;

// Outcome of a control-port operation.
enum ControlResult : int
{
    ControlSuccess = 0,
    ControlNoExchange = 2, // not connected, socket error or time-out
    ControlBadReply = 3,   // invalid header or BCC, or arguments refused before sending
    ControlUnexpectedType = 4,
};

// One request/reply connection to the unit's command port. Construct it for one
// operation, open it, send one or more requests and destroy it. The caller's thread
// blocks while a worker thread drives the socket.
class ControlPort : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 DefaultPort = 50000;

    // The unit's address from the settings store. The data port uses it too, so a stored
    // address that is not a number falls back to the same default for both links.
    static QHostAddress unitAddress();

    // Address from the "deviceIPAddress" setting, port 50000.
    explicit ControlPort(QObject* parent = nullptr);
    ControlPort(const QHostAddress& address, quint16 port, QObject* parent = nullptr);
    ~ControlPort() override;

    QHostAddress address() const { return m_address; }
    quint16 port() const { return m_port; }
    // Tests shorten the worker's stage limit; call before open.
    void setStageTimeout(int ms);

    // 0 when connected, otherwise 1.
    int open();
    // Sends the frame for `type` and waits for the reply, which is decoded into packet().
    int requestAndWaitResponse(quint8 type, const QByteArray& payload);
    // Sends without waiting for a reply; the outcome is not reported.
    void request(quint8 type, const QByteArray& payload);
    void close();

    BUPacket* packet() const { return m_packet; }

    // Unit commands. Each sends one request and checks the reply's type; the decoded
    // reply is in packet(). All return a ControlResult.
    int readUnitInfo();
    int readStatus();
    int setMode(quint8 mode, quint8 commandBits);
    int readIoStatus(qint32 moduleTypeCode);
    int writeOutputs(qint32 moduleTypeCode, quint8 outputBits);
    // Asks the unit to take the uploaded firmware; the unit resets without replying.
    void prepareFirmwareUpdate();
    int readSystemConfig();
    int writeSystemConfig(const SystemConfig& config);
    int readModuleConfig(qint32 moduleTypeCode);
    int writeModuleConfig(const ModuleConfigBase& module);
    // The PC's local time now, or the given time.
    int setClock();
    int setClock(const QDateTime& time);
    // Module and channel numbers count from 1.
    int sendMonitoringRanges(quint8 module, const QList<quint16>& values);
    int sendMonitoringWaveform(quint8 module, quint8 channel, quint16 offset,
                               const QList<quint16>& values);

    // Checks a whole reply (start byte, length, type, BCC) before anything is stored, so a
    // corrupted reply leaves the previous packet untouched; then decodes it into `packet`.
    static bool decodeReply(const QByteArray& reply, BUPacket& packet);

private:
    int exchange(quint8 type, const QByteArray& payload, int expectedReply);
    void createWorker(int stageTimeoutMs);

    QHostAddress m_address;
    quint16 m_port;
    BUPacket* m_packet = nullptr;
    QThread* m_thread = nullptr;
    ControlPortImpl* m_impl = nullptr;
};
