#pragma once

#include "WireFormat.h"

#include <QString>
#include <QtGlobal>

// Which firmware the simulated unit runs. The unit picks its packet and channel-record
// layouts from this, never from the manager's process-wide firmware type: tests run the
// manager and the simulator in one process.
class FirmwareIdentity
{
public:
    enum class Kind
    {
        Standard,
        CompanyA,
        CompanyC,
        // Older firmware: it predates GetUnitInfo (answers it with Nak) and uses the
        // shorter channel records and the ShotResult layout with 8-bit flags.
        Legacy
    };

    static constexpr quint32 StandardVersionWord = 0x00003000;
    static constexpr quint32 CompanyAVersionWord = 0x0A002F64;
    static constexpr quint32 CompanyCVersionWord = 0x0B002D96;
    static constexpr quint8 CompanyAVariant = 0x64;
    static constexpr quint8 CompanyCVariant = 0x96;

    FirmwareIdentity() = default;

    static FirmwareIdentity standard() { return {Kind::Standard, StandardVersionWord}; }
    static FirmwareIdentity companyA() { return {Kind::CompanyA, CompanyAVersionWord}; }
    static FirmwareIdentity companyC() { return {Kind::CompanyC, CompanyCVersionWord}; }
    static FirmwareIdentity legacy() { return {Kind::Legacy, 0}; }
    // The kind follows from the variant in the low byte, as the manager classifies it.
    static FirmwareIdentity fromVersionWord(quint32 versionWord);
    // "standard", "a", "c" or "legacy" (any letter case); false for another name.
    static bool fromName(const QString& name, FirmwareIdentity* identity);

    Kind kind() const { return m_kind; }
    quint32 versionWord() const { return m_versionWord; }
    bool answersUnitInfo() const { return m_kind != Kind::Legacy; }
    bool usesLegacyLayout() const { return m_kind == Kind::Legacy; }
    WireFormat::ChannelLayout channelLayout() const;
    // Shortest ModuleConfigData frame length the manager accepts from this firmware.
    int moduleConfigMinimumLength() const { return usesLegacyLayout() ? 378 : 442; }
    // The firmware type a manager derives from this unit: -1 when it cannot read one.
    int managerFirmwareType() const;
    // For the log, e.g. "company C, version 0b.00.2d".
    QString describe() const;

    bool operator==(const FirmwareIdentity&) const = default;

private:
    FirmwareIdentity(Kind kind, quint32 versionWord) : m_kind(kind), m_versionWord(versionWord) {}

    Kind m_kind = Kind::Standard;
    quint32 m_versionWord = StandardVersionWord;
};
