#pragma once

#include "BUPacket.h"

#include <QDataStream>

// Builds unit frames for tests the way the unit writes them: big-endian payloads in
// the standard frame with a correct BCC.
struct FrameBuilder
{
    static QByteArray frame(int type, const QByteArray& payload)
    {
        BUPacket packet;
        packet.setType(type);
        return packet.encode(payload);
    }

    template <typename Fill> static QByteArray payload(Fill fill)
    {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODeviceBase::WriteOnly);
        fill(stream);
        return bytes;
    }

    // A ShotSamples payload with one block per module code; values count up from `first`.
    static QByteArray shotSamplesPayload(quint32 sampleIndex, const QList<qint32>& moduleCodes,
                                         qint16 first = 0)
    {
        return payload([&](QDataStream& s) {
            s << quint8(0) << sampleIndex << quint8(moduleCodes.size());
            for (qint32 code : moduleCodes) {
                s << code;
                for (int c = 0; c < ModuleTypeCode::channelCount(code); ++c)
                    s << first++;
            }
        });
    }

    // Decodes a payload into `packet` as the receiving port does: payload, then the BCC byte.
    static BUPacket* decode(BUPacket& packet, int type, const QByteArray& payload)
    {
        packet.setHeader(quint16(payload.size() + 1), type);
        const QByteArray body = payload + '\0';
        QDataStream stream(body);
        packet.readPayload(stream);
        return &packet;
    }

    static QByteArray ack(quint8 v = 0) { return frame(BUPacket::Ack, QByteArray(1, char(v))); }
};
