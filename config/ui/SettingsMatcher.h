#pragma once

#include <QString>

#include <functional>
#include <memory>

class QWidget;
class SystemConfig;

// What the caller does after matching the unit's configuration with the PC's file.
struct MatchResult
{
    enum Action
    {
        UseUnit,           // the unit's configuration becomes current; the file is untouched
        UseUnitFileSaved,  // the unit's configuration becomes current and was saved as the file
        UseFileSendToUnit, // the file's configuration becomes current and must go to the unit
    };

    Action action = UseUnit;
    std::unique_ptr<SystemConfig> config; // the configuration that becomes current
};

// Matches the configuration just read from the unit with the mold settings file of the
// same settings name, asking the operator which side to overwrite when both hold the
// same modules with different settings.
class SettingsMatcher
{
public:
    enum class Choice
    {
        OverwriteFile,      // keep the unit's settings and save them as the file
        OverwriteEquipment, // send the file's settings to the unit
        NoChoice,           // closed without a choice: neither side changes
    };
    using Chooser = std::function<Choice(QWidget* parent, const QString& settingsName)>;

    // Flag bits the settings file cannot hold; the unit's values of them always stand.
    static constexpr quint16 ReservedFlags = 0x0018;

    explicit SettingsMatcher(QWidget* dialogParent = nullptr);

    // Replaces the chooser dialog for the whole process (tests answer it this way); an
    // empty function brings the dialog back.
    static void setChooser(Chooser chooser);

    MatchResult match(const SystemConfig& unitConfig) const;

    // The unit's settings name becomes a file name in the settings folder, so it must
    // not lead out of it: no path separators and no control characters.
    static bool isUsableSettingsName(const QString& name);

private:
    Choice choose(const QString& name) const;

    QWidget* m_dialogParent;
};
