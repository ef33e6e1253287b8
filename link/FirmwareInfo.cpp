#include "FirmwareInfo.h"

std::atomic<int> firmwareType{-1};
std::atomic<quint32> firmwareVersion{0};
