#pragma once

#include <QByteArray>
#include <QtGlobal>

// Frames as the unit writes them: 0x40, u16 length (payload + 1), u8 type, payload, BCC.
// The unit side builds its own frames so that it never depends on the manager's
// process-wide firmware state, and so that the stream path allocates no packet object.
namespace UnitFrame {

constexpr quint8 StartByte = 0x40;
constexpr int HeaderSize = 4;
// Frame bytes around a payload: the header and the BCC.
constexpr int Overhead = HeaderSize + 1;

// Empty when the payload does not fit the 16-bit length field.
QByteArray build(quint8 type, const QByteArray& payload);
// XOR of every byte after the start byte up to, not including, the last one.
quint8 checksum(const char* frame, qsizetype size);
// Writes the header into frame[0..3] and the BCC into the last byte of a frame whose
// payload is already in place.
void seal(QByteArray& frame, quint8 type);

} // namespace UnitFrame
