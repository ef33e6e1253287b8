#include "FrameReceiver.h"

#include "BUPacket.h"

#include <QDebug>

namespace {

quint8 byteAt(const QByteArray& buffer, qsizetype index)
{
    return static_cast<quint8>(buffer.at(index));
}

// Reading the buffer in place is cheap; compacting it costs a move, so do it rarely.
constexpr qsizetype CompactThreshold = 64 * 1024;

} // namespace

FrameReceiver::FrameReceiver(BUPacket* packet) : m_packet(packet) {}

void FrameReceiver::append(const char* data, qsizetype size)
{
    compact();
    m_buffer.append(data, size);
}

void FrameReceiver::reset()
{
    m_buffer.clear();
    m_pos = 0;
    m_state = State::Header;
    m_expected = BUPacket::HeaderSize;
}

void FrameReceiver::compact()
{
    if (m_pos == m_buffer.size()) {
        m_buffer.clear();
        m_pos = 0;
    } else if (m_pos >= CompactThreshold) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
}

bool FrameReceiver::decodeNext()
{
    for (;;) {
        if (m_state == State::Header) {
            if (!tryHeader())
                return false;
        } else {
            if (bufferedBytes() < BUPacket::HeaderSize + m_expected)
                return false;
            if (tryBody())
                return true;
        }
    }
}

bool FrameReceiver::candidateHeaderAt(qsizetype index) const
{
    if (byteAt(m_buffer, index) != BUPacket::StartByte)
        return false;
    if (m_buffer.size() - index < BUPacket::HeaderSize)
        return true; // may still become a valid header
    const auto length =
        static_cast<quint16>((byteAt(m_buffer, index + 1) << 8) | byteAt(m_buffer, index + 2));
    return m_packet->headerIsValid(length, byteAt(m_buffer, index + 3));
}

// Returns true when a header was accepted (state is now Body), false when more bytes are needed.
bool FrameReceiver::tryHeader()
{
    while (bufferedBytes() >= BUPacket::HeaderSize) {
        const quint8 start = byteAt(m_buffer, m_pos);
        const auto length =
            static_cast<quint16>((byteAt(m_buffer, m_pos + 1) << 8) | byteAt(m_buffer, m_pos + 2));
        const quint8 type = byteAt(m_buffer, m_pos + 3);
        if (start == BUPacket::StartByte && m_packet->headerIsValid(length, type)) {
            m_length = length;
            m_type = type;
            m_expected = length;
            m_state = State::Body;
            return true;
        }
        qDebug("Illegal packet.");
        ++m_illegalHeaders;
        resyncFrom(m_pos + 1);
    }
    return false;
}

// Called with the whole frame buffered. Returns true when the frame was decoded.
bool FrameReceiver::tryBody()
{
    const char* body = m_buffer.constData() + m_pos + BUPacket::HeaderSize;
    const quint8 computed = BUPacket::computeBcc(m_length, m_type, body, m_length);
    const auto received = static_cast<quint8>(body[m_length - 1]);
    m_state = State::Header;
    m_expected = BUPacket::HeaderSize;
    if (computed != received) {
        qDebug("BCC Error value:%02X, supposed to be %02X", computed, received);
        ++m_bccErrors;
        // The length may be the corrupted part, so look for the next frame from the
        // byte after this start byte rather than trusting it.
        resyncFrom(m_pos + 1);
        return false;
    }
    m_packet->setHeader(m_length, m_type);
    m_packet->readPayload(body, m_length);
    m_pos += BUPacket::HeaderSize + m_length;
    ++m_framesDecoded;
    return true;
}

void FrameReceiver::resyncFrom(qsizetype from)
{
    qsizetype next = from;
    while (next < m_buffer.size() && !candidateHeaderAt(next))
        ++next;
    m_discardedBytes += static_cast<quint64>(next - m_pos);
    m_pos = next;
}
