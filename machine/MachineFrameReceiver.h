#pragma once

#include <QByteArray>

// Cuts the molding machine's replies out of the serial byte stream. A reply is STX, an
// echo as long as the id that was sent, the reply text, ETX and a BCC (the XOR of every
// byte after STX up to and including ETX).
//
// A reply must begin with the first byte received: anything else ahead of STX holds the
// frame back until the line has been quiet long enough for the owner to clear() it.
class MachineFrameReceiver
{
public:
    static constexpr char Stx = 0x02;
    static constexpr char Etx = 0x03;
    // A frame that has counted more bytes than this without its ETX is dropped.
    static constexpr int MaxFrameLength = 99;
    // Line noise that never starts a frame is dropped beyond this size, so a chattering
    // line cannot grow the buffer while it never goes quiet.
    static constexpr qsizetype MaxPendingBytes = 4096;

    enum class Result
    {
        Incomplete, // more bytes are needed
        Frame,      // frame() holds a complete frame; everything received is cleared
        Dropped     // an over-long frame or too much noise was thrown away
    };

    enum class State
    {
        WaitingForStx = 0,
        InFrame = 1,
        WaitingForBcc = 2
    };

    Result append(const QByteArray& bytes);
    // Forgets everything received and any partial frame.
    void clear();

    State state() const { return m_state; }
    qsizetype pendingBytes() const { return m_received.size(); }
    // The latest complete frame, STX to BCC.
    QByteArray frame() const { return m_frame; }

    // XOR of the bytes between STX and the BCC byte.
    static quint8 bcc(const QByteArray& frame);
    static bool hasValidBcc(const QByteArray& frame);
    // The reply text: the bytes after STX and the echo, up to ETX. Empty when the frame
    // is too short to hold the echo.
    static QByteArray replyText(const QByteArray& frame, qsizetype echoLength);

private:
    Result runStateMachine();

    QByteArray m_received; // bytes from the port since the last clear
    QByteArray m_packet;   // the frame being assembled; its size is the read position
    QByteArray m_frame;
    State m_state = State::WaitingForStx;
};
