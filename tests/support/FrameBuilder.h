#pragma once

#include "BUPacket.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QList>

// Builds unit frames for tests the way the unit writes them: big-endian payloads in
// the standard frame with a correct BCC.
namespace FrameBuilder {

inline QByteArray frame(int type, const QByteArray& payload)
{
    BUPacket packet;
    packet.setType(type);
    return packet.encode(payload);
}

template <typename Fill> QByteArray payload(Fill fill)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    fill(stream);
    return bytes;
}

// A ShotSamples payload with one block per module code; values count up from `first`.
inline QByteArray shotSamplesPayload(quint32 sampleIndex, const QList<qint32>& moduleCodes,
                                     qint16 first = 0)
{
    return payload([&](QDataStream& s) {
        s << quint8(0) << sampleIndex << quint8(moduleCodes.size());
        qint16 value = first;
        for (qint32 code : moduleCodes) {
            s << code;
            for (int c = 0; c < ModuleTypeCode::channelCount(code); ++c)
                s << value++;
        }
    });
}

inline QByteArray ack(quint8 value = 0)
{
    return frame(BUPacket::Ack, QByteArray(1, char(value)));
}

} // namespace FrameBuilder
