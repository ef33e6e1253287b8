#pragma once

#include <QByteArray>
#include <QtGlobal>

class BUPacket;

// Cuts a byte stream from the unit into frames, checks header and BCC, and decodes
// each good frame into the given packet.
//
// A bad header or a bad BCC costs only the bytes up to the next start byte that
// begins a valid header: the unit keeps streaming, and waiting for a body of a
// length announced by a corrupted frame would lose every frame after it.
class FrameReceiver
{
public:
    enum class State
    {
        Header,
        Body
    };

    explicit FrameReceiver(BUPacket* packet);

    void append(const char* data, qsizetype size);
    void append(const QByteArray& data) { append(data.constData(), data.size()); }

    // Decodes the next complete frame into the packet. Returns false when the buffered
    // bytes hold no complete frame; call again after the next append.
    bool decodeNext();

    // Drops everything buffered and waits for a header; used for a new connection.
    void reset();

    State state() const { return m_state; }
    // Bytes needed before the current state can proceed: 4 for a header, else the body length.
    qint64 expectedBytes() const { return m_expected; }
    qsizetype bufferedBytes() const { return m_buffer.size() - m_pos; }

    quint64 framesDecoded() const { return m_framesDecoded; }
    quint64 illegalHeaders() const { return m_illegalHeaders; }
    quint64 bccErrors() const { return m_bccErrors; }
    quint64 discardedBytes() const { return m_discardedBytes; }

private:
    bool tryHeader();
    bool tryBody();
    // Discards bytes from the read position up to the next start byte at or after
    // `from` that begins a valid header (or could, once more bytes arrive).
    void resyncFrom(qsizetype from);
    bool candidateHeaderAt(qsizetype index) const;
    void compact();

    BUPacket* m_packet;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    State m_state = State::Header;
    qint64 m_expected = 4;
    quint16 m_length = 0;
    quint8 m_type = 0;
    quint64 m_framesDecoded = 0;
    quint64 m_illegalHeaders = 0;
    quint64 m_bccErrors = 0;
    quint64 m_discardedBytes = 0;
};
