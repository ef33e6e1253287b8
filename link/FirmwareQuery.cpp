#include "FirmwareQuery.h"

#include "ControlPort.h"
#include "FirmwareInfo.h"

#include <QDebug>

namespace {

constexpr quint8 CompanyAVariant = 0x64;
constexpr quint8 CompanyCVariant = 0x96;

int classify(quint32 versionWord)
{
    switch (versionWord & 0xFF) {
    case CompanyAVariant:
        qDebug("Firmware type: for company A");
        return 1;
    case CompanyCVariant:
        qDebug("Firmware type: for company C");
        return 2;
    default:
        qDebug("Firmware type: standard");
        return 0;
    }
}

} // namespace

int readFirmwareType()
{
    return readFirmwareType(ControlPort::unitAddress(), ControlPort::DefaultPort);
}

int readFirmwareType(const QHostAddress& address, quint16 port)
{
    qDebug("Start to read the firmware type...");
    ControlPort control(address, port);
    if (control.open() == 0 && control.readUnitInfo() == ControlSuccess &&
        control.packet()->unitInfo().count > 0) {
        const quint32 word = control.packet()->unitInfo().entries[0].versionWord;
        firmwareVersion = word;
        return classify(word);
    }
    qDebug("Failed to read the firmware type...");
    return -1;
}

bool updateFirmwareType()
{
    return updateFirmwareType(ControlPort::unitAddress(), ControlPort::DefaultPort);
}

bool updateFirmwareType(const QHostAddress& address, quint16 port)
{
    firmwareType = readFirmwareType(address, port);
    return firmwareType != -1;
}
