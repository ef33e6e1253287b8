#include "FirmwareInfo.h"

std::atomic<int> firmwareType{-1};
std::atomic<quint32> firmwareVersion{0};

namespace {

struct SupportedRange
{
    quint32 first;
    quint32 last;
    quint32 sensor200DegC; // first version with the high-temperature sensors
};

// Indexed by firmware type: standard, company A, company C. Versions are the upper
// 24 bits of the version word.
constexpr SupportedRange Supported[] = {
    {0x30, 0x30, 0x2A},
    {0xA002F, 0xA002F, 0xA002B},
    {0xB002B, 0xB002D, 0xB002C},
};

const SupportedRange* supportedRange()
{
    const int type = firmwareType.load();
    if (type < 0 || type > 2)
        return nullptr;
    return &Supported[type];
}

quint32 versionNumber()
{
    return firmwareVersion.load() >> 8;
}

} // namespace

void resetFirmwareType()
{
    firmwareType = -1;
    firmwareVersion = 0;
}

int compareFirmwareVersion()
{
    const SupportedRange* range = supportedRange();
    if (!range)
        return -1;
    const quint32 v = versionNumber();
    if (v < range->first)
        return 1;
    if (v > range->last)
        return 2;
    return 0;
}

bool firmwareSupportsSensor200DegC()
{
    const SupportedRange* range = supportedRange();
    return range && versionNumber() >= range->sensor200DegC;
}
