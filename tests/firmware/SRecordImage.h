#pragma once

#include <QByteArrayList>

// Firmware images as a build tool writes them, for the tests and the benchmark.
namespace SRecordImage {

// An S1 record of 16 data bytes at `address`.
inline QByteArray record(quint16 address)
{
    QByteArray bytes = QByteArray(1, 19) + char(address >> 8) + char(address) +
                       QByteArray(16, char(address / 16 * 7));
    quint8 sum = 0;
    for (char b : bytes)
        sum += quint8(b);
    return "S1" + (bytes + char(~sum)).toHex().toUpper();
}

// A header, `records` data records and an S9 termination.
inline QByteArrayList lines(int records)
{
    QByteArrayList result{"S00600004844521B"};
    for (int i = 0; i < records; ++i)
        result << record(quint16(i * 16));
    return result << "S9030000FC";
}

inline QByteArray image(int records)
{
    return lines(records).join("\r\n") + "\r\n";
}

} // namespace SRecordImage
