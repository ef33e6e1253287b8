#include "AppSettings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QList>
#include <QPair>
#include <QSysInfo>

namespace {

QList<QPair<QString, QVariant>> defaultValues()
{
    const QString home = QDir::homePath();
    return {
        {SettingKey::DeviceIPAddress, AppSettings::DefaultDeviceAddress},
        {SettingKey::DataPath, home + QStringLiteral("/CVO_DATA")},
        {SettingKey::SettingsPath, home + QStringLiteral("/CVO_Settings")},
        {SettingKey::PressureDisplayRange, 200},
        {SettingKey::RotationHour, 0},
        {SettingKey::RotationMinute, 0},
        {SettingKey::MoldMachinePath, home + QStringLiteral("/MOLD_Machine")},
        {SettingKey::MoldMachineSerialPort, QStringLiteral("COM1")},
        {SettingKey::SaveDataTypeLog, true},
        {SettingKey::SaveDataTypeAlarmWave, true},
        {SettingKey::SaveDataTypeAllWave, true},
        {SettingKey::OverwriteMax, 5},
        {SettingKey::ClearOverwriteOnMax, true},
        {SettingKey::OverwriteOpacity, 0.5},
        {SettingKey::GridOpacity, 0.5},
        {SettingKey::ReferenceWaveformOpacity, 0.5},
        {SettingKey::RangeOpacity, 0.2},
        {SettingKey::PublishEnabled, false},
        {SettingKey::PublishHost, QStringLiteral("localhost")},
        {SettingKey::PublishPort, 1883},
        {SettingKey::PublishTls, false},
        {SettingKey::PublishCaFile, QString()},
        {SettingKey::PublishTlsVerify, true},
        {SettingKey::PublishUser, QString()},
        {SettingKey::PublishPassword, QString()},
        {SettingKey::PublishPrefix, QStringLiteral("cvo")},
        {SettingKey::PublishStation, QSysInfo::machineHostName()},
    };
}

} // namespace

AppSettings::AppSettings()
    : QSettings(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(Organisation),
                QString::fromLatin1(Application))
{
}

bool AppSettings::initialise()
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(Organisation));
    QCoreApplication::setApplicationName(QString::fromLatin1(Application));
    // A plain QSettings() anywhere in the process then opens this same INI file.
    QSettings::setDefaultFormat(QSettings::IniFormat);

    AppSettings settings;
    // A full disk while a newer version adds its defaults must not cut the store short.
    const QVariantHash before = settings.snapshot();
    settings.writeMissingDefaults();
    settings.writeMissingChannelDisplayDefaults();
    return settings.syncOrRevert(before) && restrictToOwner();
}

bool AppSettings::restrictToOwner()
{
    const QString path = AppSettings().fileName();
    const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QFile::setPermissions(path, ownerOnly);
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (QFile::permissions(path) & others) {
        qWarning().noquote() << "Settings file" << path
                             << "is readable by other users; it holds the broker password";
        return false;
    }
    return true;
}

QVariantHash AppSettings::snapshot() const
{
    QVariantHash values;
    for (const QString& key : allKeys())
        values.insert(key, value(key));
    return values;
}

bool AppSettings::syncOrRevert(const QVariantHash& before)
{
    const QStringList keys = allKeys();
    sync();
    if (status() == QSettings::NoError && fileHoldsEvery(keys))
        return true;
    qWarning().noquote() << "Settings could not be written to" << fileName();
    for (const QString& key : allKeys()) {
        if (!before.contains(key))
            remove(key);
    }
    // Every value, changed or not, so that the next write puts the whole store on disk
    // again, not only what changed since.
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        setValue(it.key(), it.value());
    return false;
}

// A disk that fills up while the store is written can pass for a store written: the
// error shows only while the file is closed, and the cut-off file still replaces the old
// one. Such a file ends inside a line, or reads back without the keys of its lost lines.
bool AppSettings::fileHoldsEvery(QStringList keys)
{
    if (keys.isEmpty())
        return true;
    QFile file(fileName());
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0 || !file.seek(file.size() - 1) ||
        file.read(1) != "\n")
        return false;
    // Another time than the one the store wrote makes it read the file anew.
    const QDateTime written = file.fileTime(QFileDevice::FileModificationTime);
    if (!file.setFileTime(written.addSecs(-1), QFileDevice::FileModificationTime))
        return false;
    file.close();
    sync();
    QStringList read = allKeys();
    read.sort();
    keys.sort();
    return status() == QSettings::NoError && read == keys;
}

QColor AppSettings::defaultChannelColor(int index)
{
    return QColor::fromHsv((index / 12) * 9 + (index % 12) * 30, 255, 255, 255);
}

QVariant AppSettings::valueOrDefault(const QString& key) const
{
    if (contains(key))
        return value(key);
    for (const auto& [name, fallback] : defaultValues()) {
        if (name == key)
            return fallback;
    }
    return {};
}

quint32 AppSettings::deviceAddress() const
{
    bool ok = false;
    const quint32 address = valueOrDefault(SettingKey::DeviceIPAddress).toUInt(&ok);
    if (!ok) {
        qWarning().noquote() << "Setting deviceIPAddress is not an address, using 192.168.2.100";
        return DefaultDeviceAddress;
    }
    return address;
}

QString AppSettings::dataPath() const
{
    return valueOrDefault(SettingKey::DataPath).toString();
}
QString AppSettings::settingsPath() const
{
    return valueOrDefault(SettingKey::SettingsPath).toString();
}
QString AppSettings::moldMachinePath() const
{
    return valueOrDefault(SettingKey::MoldMachinePath).toString();
}
int AppSettings::rotationHour() const
{
    return valueOrDefault(SettingKey::RotationHour).toInt();
}
int AppSettings::rotationMinute() const
{
    return valueOrDefault(SettingKey::RotationMinute).toInt();
}
QString AppSettings::moldMachineSerialPort() const
{
    return valueOrDefault(SettingKey::MoldMachineSerialPort).toString();
}
bool AppSettings::saveLog() const
{
    return valueOrDefault(SettingKey::SaveDataTypeLog).toBool();
}
bool AppSettings::saveAlarmWave() const
{
    return valueOrDefault(SettingKey::SaveDataTypeAlarmWave).toBool();
}
bool AppSettings::saveAllWave() const
{
    return valueOrDefault(SettingKey::SaveDataTypeAllWave).toBool();
}
int AppSettings::pressureDisplayRange() const
{
    return valueOrDefault(SettingKey::PressureDisplayRange).toInt();
}
int AppSettings::overwriteMax() const
{
    return valueOrDefault(SettingKey::OverwriteMax).toInt();
}
bool AppSettings::clearOverwriteOnMax() const
{
    return valueOrDefault(SettingKey::ClearOverwriteOnMax).toBool();
}
double AppSettings::overwriteOpacity() const
{
    return valueOrDefault(SettingKey::OverwriteOpacity).toDouble();
}
double AppSettings::gridOpacity() const
{
    return valueOrDefault(SettingKey::GridOpacity).toDouble();
}
double AppSettings::referenceWaveformOpacity() const
{
    return valueOrDefault(SettingKey::ReferenceWaveformOpacity).toDouble();
}
double AppSettings::rangeOpacity() const
{
    return valueOrDefault(SettingKey::RangeOpacity).toDouble();
}
QString AppSettings::lastMoldFile() const
{
    return value(SettingKey::LastMoldFile).toString();
}

bool AppSettings::darkView() const
{
    // Written only once the operator chooses; the first start's file stays as it was.
    return value(SettingKey::ViewTheme).toString() == QLatin1String("dark");
}

QString AppSettings::plotRendering() const
{
    return value(SettingKey::PlotRendering, QStringLiteral("auto")).toString();
}

void AppSettings::writeMissingDefaults()
{
    for (const auto& [key, value] : defaultValues()) {
        if (!contains(key)) {
            setValue(key, value);
        }
    }
}

// Entry by entry, so that a channel whose colour the user chose keeps it even when
// other keys of the entry are missing.
void AppSettings::writeMissingChannelDisplayDefaults()
{
    beginWriteArray(SettingKey::ChannelDisplay, ChannelDisplayCount);
    for (int i = 0; i < ChannelDisplayCount; ++i) {
        setArrayIndex(i);
        if (!contains(QStringLiteral("color"))) {
            setValue(QStringLiteral("color"), defaultChannelColor(i));
        }
        if (!contains(QStringLiteral("visible"))) {
            setValue(QStringLiteral("visible"), true);
        }
    }
    endArray();
}

bool AppSettings::publishEnabled() const
{
    return valueOrDefault(SettingKey::PublishEnabled).toBool();
}
QString AppSettings::publishHost() const
{
    return valueOrDefault(SettingKey::PublishHost).toString();
}
int AppSettings::publishPort() const
{
    return valueOrDefault(SettingKey::PublishPort).toInt();
}
bool AppSettings::publishTls() const
{
    return valueOrDefault(SettingKey::PublishTls).toBool();
}
QString AppSettings::publishCaFile() const
{
    return valueOrDefault(SettingKey::PublishCaFile).toString();
}
bool AppSettings::publishTlsVerify() const
{
    return valueOrDefault(SettingKey::PublishTlsVerify).toBool();
}
QString AppSettings::publishUser() const
{
    return valueOrDefault(SettingKey::PublishUser).toString();
}
QString AppSettings::publishPassword() const
{
    return valueOrDefault(SettingKey::PublishPassword).toString();
}
QString AppSettings::publishPrefix() const
{
    return valueOrDefault(SettingKey::PublishPrefix).toString();
}
QString AppSettings::publishStation() const
{
    return valueOrDefault(SettingKey::PublishStation).toString();
}
