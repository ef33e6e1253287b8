#pragma once

#include "BUPacket.h"
#include "FrameBuilder.h"
#include "SystemConfig.h"

#include <QDataStream>
#include <QMutex>

// Answers the configuration commands the way a unit does, from a configuration it holds.
// Runs inside a LoopbackPeer handler, so on the peer's thread.
class ConfigPeer
{
public:
    explicit ConfigPeer(const SystemConfig& config, bool legacyLayout = false)
        : m_config(config), m_legacy(legacyLayout)
    {
    }

    // Replaces the system reply with raw bytes (after the access byte).
    void setSystemBlock(const QByteArray& block) { m_systemBlock = block; }

    QList<QByteArray> answer(const QByteArray& request)
    {
        const auto type = quint8(request.at(3));
        const QByteArray payload = request.mid(4, request.size() - 5);
        if (type == BUPacket::SystemConfigTransfer)
            return {FrameBuilder::frame(BUPacket::SystemConfigData,
                                        QByteArray(1, '\0') + systemBlock())};
        if (type == BUPacket::ModuleConfigTransfer && payload.size() >= 5) {
            QDataStream in(payload.mid(1));
            qint32 code = 0;
            in >> code;
            if (payload.at(0) != 0)
                return {FrameBuilder::frame(BUPacket::ModuleConfigData, padded(payload))};
            for (int i = 0; i < m_config.moduleCount(); ++i)
                if (m_config.module(i)->moduleTypeCode() == code)
                    return {
                        FrameBuilder::frame(BUPacket::ModuleConfigData, padded(moduleBlock(i)))};
        }
        return {FrameBuilder::frame(BUPacket::Nak, QByteArray(1, '\0'))};
    }

private:
    QByteArray systemBlock() const
    {
        if (!m_systemBlock.isEmpty())
            return m_systemBlock;
        return FrameBuilder::payload([&](QDataStream& s) { m_config.writeTo(s); });
    }

    // The module's block as the unit replies to a read. The encoder follows the process-wide
    // firmware type, which the test sets to match this peer before it starts.
    QByteArray moduleBlock(int index) const
    {
        return QByteArray(1, '\0') +
               FrameBuilder::payload([&](QDataStream& s) { m_config.module(index)->writeTo(s); });
    }

    // Replies are padded to the shortest length the manager accepts for the layout.
    QByteArray padded(QByteArray payload) const
    {
        const int minimum = (m_legacy ? 378 : 442) - 1;
        if (payload.size() < minimum)
            payload.append(QByteArray(minimum - payload.size(), '\0'));
        return payload;
    }

    SystemConfig m_config;
    bool m_legacy;
    QByteArray m_systemBlock;
};
