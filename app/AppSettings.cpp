#include "AppSettings.h"

#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QList>
#include <QPair>

namespace {

QList<QPair<QString, QVariant>> defaultValues()
{
    const QString home = QDir::homePath();
    return {
        {QStringLiteral("deviceIPAddress"), AppSettings::DefaultDeviceAddress},
        {QStringLiteral("dataPath"), home + QStringLiteral("/CVO_DATA")},
        {QStringLiteral("settingsPath"), home + QStringLiteral("/CVO_Settings")},
        {QStringLiteral("pressureDisplayRange"), 200},
        {QStringLiteral("rotationHour"), 0},
        {QStringLiteral("rotationMinute"), 0},
        {QStringLiteral("moldMachinePath"), home + QStringLiteral("/MOLD_Machine")},
        {QStringLiteral("moldMachineSerialPort"), QStringLiteral("COM1")},
        {QStringLiteral("saveDataTypeLog"), true},
        {QStringLiteral("saveDataTypeAlarmWave"), true},
        {QStringLiteral("saveDataTypeAllWave"), true},
        {QStringLiteral("overwriteMax"), 5},
        {QStringLiteral("clearOverwriteOnMax"), true},
        {QStringLiteral("overwriteOpacity"), 0.5},
        {QStringLiteral("gridOpacity"), 0.5},
        {QStringLiteral("referenceWaveformOpacity"), 0.5},
        {QStringLiteral("rangeOpacity"), 0.2},
    };
}

} // namespace

AppSettings::AppSettings()
    : QSettings(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(SettingsStore::Organisation),
                QString::fromLatin1(SettingsStore::Application))
{
}

bool AppSettings::initialise()
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(SettingsStore::Organisation));
    QCoreApplication::setApplicationName(QString::fromLatin1(SettingsStore::Application));
    // A plain QSettings() anywhere in the process then opens this same INI file.
    QSettings::setDefaultFormat(QSettings::IniFormat);

    AppSettings settings;
    settings.writeMissingDefaults();
    settings.writeMissingChannelDisplayDefaults();
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        qWarning().noquote() << "Settings could not be written to" << settings.fileName();
        return false;
    }
    return true;
}

QColor AppSettings::defaultChannelColor(int index)
{
    return QColor::fromHsv((index / 12) * 9 + (index % 12) * 30, 255, 255, 255);
}

QHostAddress AppSettings::deviceAddress() const
{
    bool ok = false;
    const quint32 address = value(QStringLiteral("deviceIPAddress")).toUInt(&ok);
    if (!ok) {
        qWarning().noquote() << "Setting deviceIPAddress is not an address, using"
                             << QHostAddress(DefaultDeviceAddress).toString();
        return QHostAddress(DefaultDeviceAddress);
    }
    return QHostAddress(address);
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
    beginWriteArray(QStringLiteral("channelDisplay"), ChannelDisplayCount);
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
