#pragma once

#include "MachineRequestReader.h"
#include "MachineTable.h"
#include "PseudoTerminal.h"

#include <QElapsedTimer>
#include <QObject>
#include <QQueue>
#include <QTimer>

#include <atomic>
#include <functional>

class QSocketNotifier;
class QTextCodec;

// Ways the stood-in machine can misbehave, to exercise the manager's error handling.
struct MachineFaults
{
    bool silent = false;        // read requests but never answer
    bool badBcc = false;        // answer with a wrong check byte
    bool junkBeforeStx = false; // line noise ahead of the start byte
};

enum class MachineFrameDirection
{
    Request,
    Reply
};
// Called in the stand-in's thread with every complete request and every reply written.
using MachineFrameHook = std::function<void(MachineFrameDirection, const QByteArray& frame)>;

struct MachineOptions
{
    // Symlink published to the pseudo-terminal's slave side (empty: none); the manager's
    // "moldMachineSerialPort" points here.
    QString linkPath;
    // Reply table file (format in MachineTable.h); empty: the built-in table.
    QString tablePath;
    // A controller's think time before it answers; far below the manager's 1000 ms limit.
    int replyDelayMs = 20;
    // A partial request is dropped after this pause in the middle of it.
    int requestGapMs = 100;
    MachineFaults faults;
    MachineFrameHook frameHook;
};

// The molding machine at the other end of the manager's serial link, on a pseudo-terminal.
// It answers each request EOT id ENQ with STX, the echo of the id, the item's reply text
// in Shift-JIS, ETX and the BCC (XOR of every byte after STX up to and including ETX).
// start() and stop() belong to the thread the object lives in, whose event loop serves
// the terminal; the fault switches may be flipped from any thread.
class MachineStandIn : public QObject
{
    Q_OBJECT

public:
    static constexpr char kStx = 0x02;
    static constexpr char kEtx = 0x03;

    explicit MachineStandIn(const MachineOptions& options = {}, QObject* parent = nullptr);
    ~MachineStandIn() override;

    bool start();
    void stop();
    bool isRunning() const { return m_terminal.isOpen(); }
    QString errorString() const { return m_error; }

    // The terminal device the manager opens (or the symlink to it, when one was asked for).
    QString slavePath() const { return m_terminal.slavePath(); }
    QString linkPath() const { return m_terminal.linkPath(); }

    void setFaults(const MachineFaults& faults);
    MachineFaults faults() const;

    // The reply frame for `id` with its reply text already encoded, as sent without faults.
    static QByteArray replyFrame(const QByteArray& id, const QByteArray& encodedText);
    static quint8 bcc(const QByteArray& bytesAfterStx);

private:
    struct PendingReply
    {
        qint64 dueMs = 0;
        QByteArray frame;
    };

    void readRequests();
    void answer(const QByteArray& id);
    QByteArray buildReply(const QByteArray& id) const;
    void sendDueReplies();
    void writeOut(const QByteArray& bytes);
    void flushOut();
    void notify(MachineFrameDirection direction, const QByteArray& frame) const;

    MachineOptions m_options;
    MachineTable m_table;
    PseudoTerminal m_terminal;
    MachineRequestReader m_reader;
    QTextCodec* m_codec = nullptr;
    QSocketNotifier* m_readNotifier = nullptr;
    QSocketNotifier* m_writeNotifier = nullptr;
    QTimer m_gapTimer;
    QTimer m_replyTimer;
    QElapsedTimer m_clock;
    QQueue<PendingReply> m_pending;
    QByteArray m_outBuffer;
    std::atomic<bool> m_silent{false};
    std::atomic<bool> m_badBcc{false};
    std::atomic<bool> m_junkBeforeStx{false};
    QString m_error;
};
