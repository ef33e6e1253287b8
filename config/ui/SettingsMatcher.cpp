#include "SettingsMatcher.h"

#include "MoldFileController.h"
#include "SettingsChooserDialog.h"
#include "SystemConfig.h"

#include <QDebug>

namespace {

SettingsMatcher::Chooser& chooserOverride()
{
    static SettingsMatcher::Chooser chooser;
    return chooser;
}

quint16 withReservedFlagsOf(quint16 flags, const SystemConfig& unit)
{
    return quint16((flags & ~SettingsMatcher::ReservedFlags) |
                   (unit.flags() & SettingsMatcher::ReservedFlags));
}

// The file cannot hold the reserved flag bits and reads them as clear; comparing them
// would call every unit that sets them different from its own saved file.
bool sameSettings(const SystemConfig& file, const SystemConfig& unit)
{
    SystemConfig comparable(file);
    comparable.setFlags(withReservedFlagsOf(file.flags(), unit));
    return comparable.equals(unit);
}

MatchResult useUnit(const SystemConfig& unit, bool saveAsFile)
{
    auto config = std::make_unique<SystemConfig>(unit);
    if (saveAsFile && MoldFileController::instance().saveByName(unit, unit.name()) == 0)
        return {MatchResult::UseUnitFileSaved, std::move(config)};
    return {MatchResult::UseUnit, std::move(config)};
}

} // namespace

SettingsMatcher::SettingsMatcher(QWidget* dialogParent) : m_dialogParent(dialogParent) {}

void SettingsMatcher::setChooser(Chooser chooser)
{
    chooserOverride() = std::move(chooser);
}

MatchResult SettingsMatcher::match(const SystemConfig& unit) const
{
    MoldFileController& files = MoldFileController::instance();
    files.ensureSettingsFolder();
    const QString name = unit.name();
    if (!isUsableSettingsName(name)) {
        qDebug().noquote() << "Settings name from BU is not usable as a file name:" << name;
        return useUnit(unit, false);
    }
    if (!files.settingsFileExists(name))
        return useUnit(unit, true);
    std::unique_ptr<SystemConfig> file = files.loadByName(name);
    if (!file)
        return useUnit(unit, true);
    if (sameSettings(*file, unit)) {
        qDebug("CONFIG MATCHED.");
        return useUnit(unit, false);
    }
    qDebug("CONFIG UNMATCHED.");
    if (!file->sameModuleKinds(unit))
        return useUnit(unit, false);
    switch (choose(name)) {
    case Choice::OverwriteFile:
        return useUnit(unit, true);
    case Choice::NoChoice:
        qWarning().noquote() << "No side chosen: the unit's settings differ from the file" << name
                             << "and both are left as they are";
        return useUnit(unit, false);
    case Choice::OverwriteEquipment:
        break;
    }
    file->copyModuleIdentifiers(unit);
    file->setFlags(withReservedFlagsOf(file->flags(), unit));
    return {MatchResult::UseFileSendToUnit, std::move(file)};
}

bool SettingsMatcher::isUsableSettingsName(const QString& name)
{
    for (QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 ||
            c.unicode() == 0x7F)
            return false;
    }
    return true;
}

SettingsMatcher::Choice SettingsMatcher::choose(const QString& name) const
{
    if (chooserOverride())
        return chooserOverride()(m_dialogParent, name);
    SettingsChooserDialog dialog(m_dialogParent);
    dialog.setSettingsName(name);
    switch (dialog.exec()) {
    case SettingsChooserDialog::OverwriteFile:
        return Choice::OverwriteFile;
    case SettingsChooserDialog::OverwriteEquipment:
        return Choice::OverwriteEquipment;
    default:
        return Choice::NoChoice;
    }
}
