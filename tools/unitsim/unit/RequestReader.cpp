#include "RequestReader.h"

#include "UnitFrame.h"

RequestReader::Result RequestReader::next(Request* request)
{
    if (m_buffer.size() < UnitFrame::HeaderSize)
        return Result::NeedMore;
    const int length = (quint8(m_buffer.at(1)) << 8) | quint8(m_buffer.at(2));
    if (quint8(m_buffer.at(0)) != UnitFrame::StartByte || length < 1 || length > MaxLength) {
        m_buffer.clear();
        return Result::BadFrame;
    }
    const int frameSize = UnitFrame::HeaderSize + length;
    if (m_buffer.size() < frameSize)
        return Result::NeedMore;

    QByteArray frame = m_buffer.left(frameSize);
    m_buffer.remove(0, frameSize);
    if (UnitFrame::checksum(frame.constData(), frame.size()) != quint8(frame.back()))
        return Result::BadFrame;
    request->type = quint8(frame.at(3));
    request->payload = frame.mid(UnitFrame::HeaderSize, length - 1);
    request->frame = std::move(frame);
    return Result::Request;
}
