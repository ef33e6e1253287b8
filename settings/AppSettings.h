#pragma once

#include <QColor>
#include <QSettings>
#include <QString>

// Every key of the settings store, named once. Their defaults live beside the reader in
// AppSettings.cpp, so that a key read before the first start's defaults exist still
// gets the same value.
namespace SettingKey {
inline const QString DeviceIPAddress = QStringLiteral("deviceIPAddress");
inline const QString DataPath = QStringLiteral("dataPath");
inline const QString SettingsPath = QStringLiteral("settingsPath");
inline const QString MoldMachinePath = QStringLiteral("moldMachinePath");
inline const QString RotationHour = QStringLiteral("rotationHour");
inline const QString RotationMinute = QStringLiteral("rotationMinute");
inline const QString MoldMachineSerialPort = QStringLiteral("moldMachineSerialPort");
inline const QString SaveDataTypeLog = QStringLiteral("saveDataTypeLog");
inline const QString SaveDataTypeAlarmWave = QStringLiteral("saveDataTypeAlarmWave");
inline const QString SaveDataTypeAllWave = QStringLiteral("saveDataTypeAllWave");
inline const QString PressureDisplayRange = QStringLiteral("pressureDisplayRange");
inline const QString OverwriteMax = QStringLiteral("overwriteMax");
inline const QString ClearOverwriteOnMax = QStringLiteral("clearOverwriteOnMax");
inline const QString OverwriteOpacity = QStringLiteral("overwriteOpacity");
inline const QString GridOpacity = QStringLiteral("gridOpacity");
inline const QString ReferenceWaveformOpacity = QStringLiteral("referenceWaveformOpacity");
inline const QString RangeOpacity = QStringLiteral("rangeOpacity");
inline const QString LastMoldFile = QStringLiteral("lastMoldFile");
inline const QString ChannelDisplay = QStringLiteral("channelDisplay");
inline const QString ViewTheme = QStringLiteral("viewTheme");
inline const QString PlotRendering = QStringLiteral("plotRendering");
inline const QString PublishEnabled = QStringLiteral("publishEnabled");
inline const QString PublishHost = QStringLiteral("publishHost");
inline const QString PublishPort = QStringLiteral("publishPort");
inline const QString PublishTls = QStringLiteral("publishTls");
inline const QString PublishCaFile = QStringLiteral("publishCaFile");
inline const QString PublishTlsVerify = QStringLiteral("publishTlsVerify");
inline const QString PublishUser = QStringLiteral("publishUser");
inline const QString PublishPassword = QStringLiteral("publishPassword");
inline const QString PublishPrefix = QStringLiteral("publishPrefix");
inline const QString PublishStation = QStringLiteral("publishStation");
} // namespace SettingKey

// The per-user settings store (INI file, user scope, "Norvane" / "CVO_Manager"). Every
// reader opens its own short-lived instance rather than sharing one, so a value written
// anywhere is seen by the next reader without a cache to refresh. Writers use setValue
// with a SettingKey; readers use the typed getters, which apply the key's default.
class AppSettings : public QSettings
{
public:
    static constexpr const char* Organisation = "Norvane";
    static constexpr const char* Application = "CVO_Manager";
    static constexpr int ChannelDisplayCount = 40;
    static constexpr quint32 DefaultDeviceAddress = 0xC0A80264; // 192.168.2.100

    AppSettings();

    // Names the application and makes INI the default format, so that a plain
    // QSettings() opens this store too; then writes the default of every key that is
    // absent and flushes the store to disk. Existing values are kept.
    // Returns false when the store could not be written.
    static bool initialise();
    // The store holds the broker password: readable and writable by its owner only. Sets
    // that and checks it; false (and a warning in the log) when it could not be made so.
    static bool restrictToOwner();

    // Every key and its value, for syncOrRevert().
    QVariantHash snapshot() const;
    // Writes the store to disk and reads it back. When that fails (a full disk) the values
    // go back to `before`: the process shares one copy of the store, so the failed changes
    // would otherwise show to every later reader and reach the disk with the next store
    // written anywhere, long after the operator was told they were not saved; the values of
    // `before` reach the disk once there is room again.
    bool syncOrRevert(const QVariantHash& before);

    // Twelve hues round the circle per group, each group of twelve shifted by 9 degrees
    // so that channels 1 and 13 can still be told apart.
    static QColor defaultChannelColor(int index);

    // The unit's IPv4 address, most significant byte first. A value that is absent or not
    // a number falls back to the default address, for every port alike.
    quint32 deviceAddress() const;
    QString dataPath() const;
    QString settingsPath() const;
    QString moldMachinePath() const;
    int rotationHour() const;
    int rotationMinute() const;
    QString moldMachineSerialPort() const;
    bool saveLog() const;
    bool saveAlarmWave() const;
    bool saveAllWave() const;
    int pressureDisplayRange() const;
    int overwriteMax() const;
    bool clearOverwriteOnMax() const;
    double overwriteOpacity() const;
    double gridOpacity() const;
    double referenceWaveformOpacity() const;
    double rangeOpacity() const;
    // Empty until a mold settings file was opened or saved.
    QString lastMoldFile() const;
    // The operator's choice of look: "light" (the default) or "dark".
    bool darkView() const;
    // How the plots draw: "auto" (the default), "opengl" or "software"; read at start.
    QString plotRendering() const;

    // Publishing every shot's result to the plant's MQTT broker.
    bool publishEnabled() const;
    QString publishHost() const;
    int publishPort() const;
    bool publishTls() const;
    QString publishCaFile() const;
    bool publishTlsVerify() const;
    QString publishUser() const;
    QString publishPassword() const;
    QString publishPrefix() const;
    // This PC's host name unless set.
    QString publishStation() const;

private:
    QVariant valueOrDefault(const QString& key) const;
    bool fileHoldsEvery(QStringList keys);
    void writeMissingDefaults();
    void writeMissingChannelDisplayDefaults();
};
