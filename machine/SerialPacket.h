#pragma once

#include "MachineFrameReceiver.h"
#include "MachineLogSource.h"
#include "MoldMachineRecord.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSerialPort>
#include <QTimer>

#include <functional>

class QTextCodec;

// The serial link to the molding machine. After each shot it asks the machine for every
// item of the table, one at a time and in order: EOT, the item's id, ENQ out; STX, an
// echo of the id, the reply text (Shift-JIS), ETX and BCC back. A reply that does not
// arrive within the packet time-out is marked "Error Timeout", one with a wrong BCC
// "BCC Error"; either way the exchange goes on with the next item.
//
// The main window calls resetReception() when a shot starts and start() when the shot's
// result has been handled, shows statusUpdate() in its "Mmc" label and writes the
// molding machine log on packetAllFinished(). The port is held open only during an
// exchange. Lives in the GUI thread; everything is driven by the port and two timers.
class SerialPacket : public QObject, public MachineLogSource
{
    Q_OBJECT

public:
    enum Status
    {
        Idle = 0,          // the list is done and the port closed
        PortOpened = 1,    // the port is open and the exchange starts
        PortOpenError = 2, // the port could not be opened
        Sending = 3,       // a request is being sent
        Received = 4,      // a reply with a correct BCC arrived
        Timeout = 5        // no complete reply within the packet time-out
    };
    Q_ENUM(Status)

    using Clock = std::function<QDateTime()>;

    static constexpr int DefaultByteTimeoutMs = 100;
    static constexpr int DefaultPacketTimeoutMs = 1000;

    static QString bccErrorMark() { return QStringLiteral("BCC Error"); }
    static QString timeoutMark() { return QStringLiteral("Error Timeout"); }

    // Takes the port name from the "moldMachineSerialPort" setting.
    explicit SerialPacket(QObject* parent = nullptr);
    ~SerialPacket() override;

    // Replaces the records by those of a molding machine table file. An exchange in
    // progress is abandoned, its replies would belong to the old table. A file that
    // cannot be opened leaves everything as it was and returns false.
    bool loadMachineFile(const QString& path);

    // Opens the port unless it is open already; reports PortOpenError when it cannot.
    bool openPort();
    // Asks the machine for every record, from the first.
    void start();
    // Gets ready for a new shot: clears the reception and goes back to the first record.
    // An exchange still running belongs to the previous shot and is abandoned, so that
    // its replies can never be logged under the new shot's number.
    void resetReception();

    bool isExchangeRunning() const { return m_running; }
    bool isPortOpen() const { return m_port.isOpen(); }
    QString portName() const { return m_port.portName(); }
    const QList<MoldMachineRecord>& records() const { return m_records; }

    QStringList recordNames() const override;
    // "yyyy/MM/dd hh:mm:ss, <prefix>" then ", <reply>" per record and a line feed. Line
    // breaks inside a reply become blanks: one shot must stay one line of the log.
    QString buildLogLine(const QString& prefix) const override;

    // Tests shorten the time limits and fix the clock.
    void setTimeouts(int byteTimeoutMs, int packetTimeoutMs);
    void setClock(Clock clock) { m_clock = std::move(clock); }

Q_SIGNALS:
    void statusUpdate(SerialPacket::Status status);
    // At the end of an exchange; the flag is 0 when every record was answered in time and
    // -1 when at least one timed out.
    void packetAllFinished(int* error);

public Q_SLOTS:
    virtual void recieveSerialData();
    virtual void recieveByteTimeout();
    virtual void recievePacketTimeout();

private:
    void configurePort();
    void applyPortSettings();
    void handlePortError(QSerialPort::SerialPortError error);
    void send(int index);
    void handleFrame(const QByteArray& frame);
    void clearReception();
    void advance();
    void finish();
    void closePort();
    void abandonExchange();
    QString decode(const QByteArray& text) const;

    QList<MoldMachineRecord> m_records;
    QSerialPort m_port;
    QTextCodec* m_codec = nullptr;
    MachineFrameReceiver m_receiver;
    QTimer m_byteTimer;
    QTimer m_packetTimer;
    Clock m_clock;
    int m_currentIndex = 0;
    int m_errorFlag = 0;
    bool m_running = false;
};
