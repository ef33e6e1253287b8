#include "MachineFrameReceiver.h"

MachineFrameReceiver::Result MachineFrameReceiver::append(const QByteArray& bytes)
{
    m_received.append(bytes);
    const Result result = runStateMachine();
    if (result == Result::Incomplete && m_received.size() > MaxPendingBytes) {
        clear();
        return Result::Dropped;
    }
    return result;
}

MachineFrameReceiver::Result MachineFrameReceiver::runStateMachine()
{
    while (m_packet.size() < m_received.size()) {
        const char byte = m_received.at(m_packet.size());
        switch (m_state) {
        case State::WaitingForStx:
            // Not consumed: a frame must start with STX.
            if (byte != Stx)
                return Result::Incomplete;
            m_packet.append(byte);
            m_state = State::InFrame;
            break;
        case State::InFrame:
            m_packet.append(byte);
            if (m_packet.size() > MaxFrameLength) {
                clear();
                return Result::Dropped;
            }
            if (byte == Etx)
                m_state = State::WaitingForBcc;
            break;
        case State::WaitingForBcc:
            m_packet.append(byte);
            m_frame = m_packet;
            clear();
            return Result::Frame;
        }
    }
    return Result::Incomplete;
}

void MachineFrameReceiver::clear()
{
    m_received.clear();
    m_packet.clear();
    m_state = State::WaitingForStx;
}

quint8 MachineFrameReceiver::bcc(const QByteArray& frame)
{
    quint8 sum = 0;
    for (qsizetype i = 1; i + 1 < frame.size(); ++i)
        sum ^= quint8(frame.at(i));
    return sum;
}

bool MachineFrameReceiver::hasValidBcc(const QByteArray& frame)
{
    return frame.size() >= 3 && bcc(frame) == quint8(frame.back());
}

QByteArray MachineFrameReceiver::replyText(const QByteArray& frame, qsizetype echoLength)
{
    // STX, echo, text, ETX, BCC
    const qsizetype begin = 1 + echoLength;
    const qsizetype end = frame.size() - 2;
    if (echoLength < 0 || end <= begin)
        return {};
    return frame.mid(begin, end - begin);
}
