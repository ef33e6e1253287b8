#include "UnitFrame.h"

#include <algorithm>

namespace UnitFrame {

QByteArray build(quint8 type, const QByteArray& payload)
{
    if (payload.size() > 0xFFFE)
        return {};
    QByteArray frame(payload.size() + Overhead, Qt::Uninitialized);
    std::copy(payload.cbegin(), payload.cend(), frame.begin() + HeaderSize);
    seal(frame, type);
    return frame;
}

quint8 checksum(const char* frame, qsizetype size)
{
    quint8 bcc = 0;
    for (qsizetype i = 1; i + 1 < size; ++i)
        bcc ^= quint8(frame[i]);
    return bcc;
}

void seal(QByteArray& frame, quint8 type)
{
    const auto length = quint16(frame.size() - HeaderSize);
    char* bytes = frame.data();
    bytes[0] = char(StartByte);
    bytes[1] = char(length >> 8);
    bytes[2] = char(length & 0xFF);
    bytes[3] = char(type);
    bytes[frame.size() - 1] = char(checksum(bytes, frame.size()));
}

} // namespace UnitFrame
