#include "ChannelDisplaySettings.h"

#include <QDebug>

#include <algorithm>

ChannelDisplaySettings::Entry ChannelDisplaySettings::entry(int channel)
{
    Entry result{AppSettings::defaultChannelColor(channel), true};
    m_settings.beginReadArray(SettingKey::ChannelDisplay);
    m_settings.setArrayIndex(channel);
    const QColor stored = m_settings.value(QStringLiteral("color")).value<QColor>();
    if (stored.isValid()) {
        result.color = stored;
    }
    result.visible = m_settings.value(QStringLiteral("visible"), true).toBool();
    m_settings.endArray();
    return result;
}

void ChannelDisplaySettings::setColor(int channel, const QColor& color)
{
    write(channel, "color", color);
}

void ChannelDisplaySettings::setVisible(int channel, bool visible)
{
    write(channel, "visible", visible);
}

void ChannelDisplaySettings::setAllVisible(bool visible)
{
    const int count = qMax(storedCount(), int(AppSettings::ChannelDisplayCount));
    m_settings.beginWriteArray(SettingKey::ChannelDisplay, count);
    for (int i = 0; i < count; ++i) {
        m_settings.setArrayIndex(i);
        m_settings.setValue(QStringLiteral("visible"), visible);
    }
    m_settings.endArray();
}

// Checked like every other save: a cut-off store would lose far more than these choices.
// They stay in the process's copy of the store and reach the disk once there is room.
bool ChannelDisplaySettings::sync()
{
    return m_settings.syncOrRevert(m_settings.snapshot());
}

int ChannelDisplaySettings::storedCount()
{
    const int count = m_settings.beginReadArray(SettingKey::ChannelDisplay);
    m_settings.endArray();
    return count;
}

// The array is written with an explicit size: left to guess, QSettings would shrink it
// to the highest index written here and hide every entry above it.
void ChannelDisplaySettings::write(int channel, const char* key, const QVariant& value)
{
    const int count = std::max({storedCount(), int(AppSettings::ChannelDisplayCount), channel + 1});
    m_settings.beginWriteArray(SettingKey::ChannelDisplay, count);
    m_settings.setArrayIndex(channel);
    m_settings.setValue(QString::fromLatin1(key), value);
    m_settings.endArray();
}
