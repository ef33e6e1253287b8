#include "FirmwareIdentity.h"

FirmwareIdentity FirmwareIdentity::fromVersionWord(quint32 versionWord)
{
    switch (versionWord & 0xFFU) {
    case CompanyAVariant:
        return {Kind::CompanyA, versionWord};
    case CompanyCVariant:
        return {Kind::CompanyC, versionWord};
    default:
        return {Kind::Standard, versionWord};
    }
}

bool FirmwareIdentity::fromName(const QString& name, FirmwareIdentity* identity)
{
    const QString key = name.trimmed().toLower();
    if (key == QLatin1String("standard"))
        *identity = standard();
    else if (key == QLatin1String("a"))
        *identity = companyA();
    else if (key == QLatin1String("c"))
        *identity = companyC();
    else if (key == QLatin1String("legacy"))
        *identity = legacy();
    else
        return false;
    return true;
}

WireFormat::ChannelLayout FirmwareIdentity::channelLayout() const
{
    return usesLegacyLayout() ? WireFormat::ChannelLayout::Legacy
                              : WireFormat::ChannelLayout::Current;
}

int FirmwareIdentity::managerFirmwareType() const
{
    switch (m_kind) {
    case Kind::Standard:
        return 0;
    case Kind::CompanyA:
        return 1;
    case Kind::CompanyC:
        return 2;
    case Kind::Legacy:
        break;
    }
    return -1;
}

QString FirmwareIdentity::describe() const
{
    if (m_kind == Kind::Legacy)
        return QStringLiteral("legacy (no unit information)");
    const char* name = m_kind == Kind::CompanyA   ? "company A"
                       : m_kind == Kind::CompanyC ? "company C"
                                                  : "standard";
    return QStringLiteral("%1, version %2.%3.%4 variant 0x%5")
        .arg(QLatin1String(name))
        .arg((m_versionWord >> 24) & 0xFF, 2, 10, QLatin1Char('0'))
        .arg((m_versionWord >> 16) & 0xFF, 2, 10, QLatin1Char('0'))
        .arg((m_versionWord >> 8) & 0xFF, 2, 10, QLatin1Char('0'))
        .arg(m_versionWord & 0xFF, 2, 16, QLatin1Char('0'));
}
