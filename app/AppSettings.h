#pragma once

#include <QColor>
#include <QHostAddress>
#include <QSettings>

// The per-user settings store (INI file, user scope). Every reader opens its own
// short-lived instance rather than sharing one, so a value written anywhere is seen
// by the next reader without a cache to refresh.
class AppSettings : public QSettings
{
public:
    static constexpr int ChannelDisplayCount = 40;
    static constexpr quint32 DefaultDeviceAddress = 0xC0A80264; // 192.168.2.100

    AppSettings();

    // Names the application and makes INI the default format, so that a plain
    // QSettings() opens this store too; then writes the default of every key that is
    // absent and flushes the store to disk. Existing values are kept.
    // Returns false when the store could not be written.
    static bool initialise();

    // Twelve hues round the circle per group, each group of twelve shifted by 9 degrees
    // so that channels 1 and 13 can still be told apart.
    static QColor defaultChannelColor(int index);

    // "deviceIPAddress" holds the IPv4 address as one number, most significant byte
    // first. A value that is not a number falls back to the default address.
    QHostAddress deviceAddress() const;

private:
    void writeMissingDefaults();
    void writeMissingChannelDisplayDefaults();
};
