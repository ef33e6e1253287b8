#pragma once

#include <QByteArray>
#include <QList>

// Firmware images as a build tool writes them, for the tests and the benchmark.
namespace SRecordImage {

inline QByteArray record(char type, quint32 address, int addressBytes, const QByteArray& data)
{
    QByteArray bytes;
    for (int i = addressBytes - 1; i >= 0; --i)
        bytes += char((address >> (8 * i)) & 0xFF);
    bytes += data;
    unsigned sum = unsigned(bytes.size() + 1);
    for (char b : bytes)
        sum += quint8(b);
    bytes.prepend(char(bytes.size() + 1));
    bytes += char(~sum & 0xFF);
    return 'S' + QByteArray(1, type) + bytes.toHex().toUpper();
}

// A header, `size` bytes of data in S3 records of 32 bytes and an S7 termination.
inline QList<QByteArray> lines(int size)
{
    QList<QByteArray> result{record('0', 0, 2, "apl")};
    for (int offset = 0; offset < size; offset += 32) {
        QByteArray data;
        for (int i = offset; i < qMin(size, offset + 32); ++i)
            data += char(i * 7 + i / 256);
        result << record('3', quint32(offset), 4, data);
    }
    result << record('7', 0, 4, {});
    return result;
}

inline QByteArray image(int size)
{
    return lines(size).join("\r\n") + "\r\n";
}

} // namespace SRecordImage
