#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>

#include <memory>

class QWidget;
class SystemConfig;

// Reads and writes the mold settings files of the settings folder (settings key
// "settingsPath"), offers the open and save-as dialogs and remembers the last file used
// ("lastMoldFile"). Failures are told to the operator here, through the prompt seam;
// callers only see a null configuration or -1.
class MoldFileController
{
    Q_DECLARE_TR_FUNCTIONS(MoldFileController)

public:
    // The settings name travels to the unit in a 16-byte field.
    static constexpr int MaxSettingsNameLength = 16;

    // The one instance, made on first use.
    static MoldFileController& instance();

    MoldFileController(const MoldFileController&) = delete;
    MoldFileController& operator=(const MoldFileController&) = delete;

    // Messages and dialogs are shown over this window; without one, over the active
    // window.
    void setDialogParent(QWidget* parent) { m_dialogParent = parent; }

    QString settingsFolder() const;
    // Settings folder + "/" + name + ".xml".
    QString settingsFilePath(const QString& name) const;
    bool settingsFileExists(const QString& name) const;
    // Creates the settings folder and its parents when missing; false when it could not.
    bool ensureSettingsFolder() const;

    // A configuration named after the file, or null after telling the operator why not.
    std::unique_ptr<SystemConfig> loadByName(const QString& name);
    std::unique_ptr<SystemConfig> load(const QString& path);
    // 0 when written, -1 after a "Save Error" message. A failed save leaves the previous
    // file as it was.
    int saveByName(const SystemConfig& config, const QString& name);
    int save(const SystemConfig& config, const QString& path);

    // Null when cancelled or when the chosen file could not be loaded.
    std::unique_ptr<SystemConfig> openWithDialog();
    // The result of save(), or -1 when cancelled or the name is too long.
    int saveAsWithDialog(const SystemConfig& config);
    // The base name of the file last written by saveAsWithDialog; the editor gives it to
    // the configuration.
    const QString& settingsName() const { return m_settingsName; }

    QString lastMoldFile() const;

private:
    MoldFileController() = default;

    QWidget* dialogParent() const;
    void warn(const QString& title, const QString& text) const;
    void rememberLastFile(const QString& path) const;
    QString fileFilter() const;

    QPointer<QWidget> m_dialogParent;
    QString m_settingsName;
};
