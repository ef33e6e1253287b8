#pragma once

#include <QtGlobal>

// A module identifier: the top byte is the module kind, the lower bytes tell modules
// of one kind apart.
namespace ModuleTypeCode {

constexpr int MaxChannelsPerModule = 8;

constexpr int topByte(qint32 code)
{
    return static_cast<int>((static_cast<quint32>(code) >> 24) & 0xFFU);
}

// 1, 2, 3, 4, 17 or 64 for a known kind, -1 otherwise.
constexpr int kind(qint32 code)
{
    switch (topByte(code)) {
    case 0x01:
    case 0x02:
    case 0x03:
    case 0x04:
    case 0x11:
    case 0x40:
        return topByte(code);
    default:
        return -1;
    }
}

constexpr int channelCount(qint32 code)
{
    switch (topByte(code)) {
    case 0x01:
    case 0x02:
    case 0x03:
    case 0x04:
        return 4;
    case 0x11:
        return 8;
    default:
        return 0;
    }
}

} // namespace ModuleTypeCode
