#include "MoldFileController.h"

#include "AppSettings.h"
#include "MoldSettingsFile.h"
#include "SystemConfig.h"
#include "UserPrompt.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

MoldFileController& MoldFileController::instance()
{
    static MoldFileController controller;
    return controller;
}

QString MoldFileController::settingsFolder() const
{
    return AppSettings().settingsPath();
}

QString MoldFileController::settingsFilePath(const QString& name) const
{
    return settingsFolder() + QLatin1Char('/') + name + QStringLiteral(".xml");
}

bool MoldFileController::settingsFileExists(const QString& name) const
{
    return QFileInfo::exists(settingsFilePath(name));
}

bool MoldFileController::ensureSettingsFolder() const
{
    return QDir().mkpath(settingsFolder());
}

std::unique_ptr<SystemConfig> MoldFileController::loadByName(const QString& name)
{
    return load(settingsFilePath(name));
}

std::unique_ptr<SystemConfig> MoldFileController::load(const QString& path)
{
    MoldSettingsFile::ReadResult result = MoldSettingsFile::read(path);
    switch (result.status) {
    case MoldSettingsFile::Status::Ok:
        rememberLastFile(path);
        return std::move(result.config);
    case MoldSettingsFile::Status::OpenFailed:
        warn(tr("Open Error"),
             tr("Can not open the file.\nPlease check whether you have permission to read."));
        break;
    case MoldSettingsFile::Status::NotWellFormed:
        warn(tr("File Error"), tr("This file does not seem to be valid.\n"));
        break;
    case MoldSettingsFile::Status::Corrupted:
    case MoldSettingsFile::Status::WriteFailed:
        warn(tr("File Error"), tr("This file seems to be corrupted.\n"));
        break;
    }
    return nullptr;
}

int MoldFileController::saveByName(const SystemConfig& config, const QString& name)
{
    return save(config, settingsFilePath(name));
}

int MoldFileController::save(const SystemConfig& config, const QString& path)
{
    if (MoldSettingsFile::write(config, path) != MoldSettingsFile::Status::Ok) {
        warn(tr("Save Error"), tr("Can not write to the file.\nPlease specify a file path you "
                                  "have permission to write."));
        return -1;
    }
    rememberLastFile(path);
    return 0;
}

std::unique_ptr<SystemConfig> MoldFileController::openWithDialog()
{
    UserPrompt::FileRequest request{UserPrompt::FileKind::OpenFileName, dialogParent(),
                                    tr("Open Mold Configuration File"), settingsFolder(),
                                    fileFilter()};
    request.label = tr("Select Mold Configuration File");
    const QString path = UserPrompt::getFileName(request);
    if (path.isEmpty())
        return nullptr;
    return load(path);
}

int MoldFileController::saveAsWithDialog(const SystemConfig& config)
{
    UserPrompt::FileRequest request{UserPrompt::FileKind::SaveFileName, dialogParent(),
                                    tr("Save Mold Configuration File"), settingsFolder(),
                                    fileFilter()};
    request.label = tr("Specify a file name to save.");
    request.defaultSuffix = QStringLiteral("xml");
    const QString path = UserPrompt::getFileName(request);
    if (path.isEmpty())
        return -1;
    const QString name = QFileInfo(path).completeBaseName();
    if (name.size() > MaxSettingsNameLength) {
        warn(tr("Error"), tr("Settings file name must be 16 characters or less."));
        return -1;
    }
    const int result = save(config, path);
    // A name whose file was not written must not become the configuration's name.
    if (result == 0)
        m_settingsName = name;
    return result;
}

QString MoldFileController::lastMoldFile() const
{
    return AppSettings().lastMoldFile();
}

QWidget* MoldFileController::dialogParent() const
{
    return m_dialogParent ? m_dialogParent.data() : QApplication::activeWindow();
}

void MoldFileController::warn(const QString& title, const QString& text) const
{
    UserPrompt::warning(dialogParent(), title, text);
}

void MoldFileController::rememberLastFile(const QString& path) const
{
    AppSettings().setValue(SettingKey::LastMoldFile, path);
}

QString MoldFileController::fileFilter() const
{
    return tr("Mold Configuration File(*.xml)");
}
