#pragma once

#include "AppSettings.h"

#include <QColor>

// The per-channel display choices in the settings store ("channelDisplay"): the plot
// colour and whether the channel is shown. The store starts with 40 entries, but eleven
// eight-channel modules give more channels than that; a channel without an entry reads
// as its default colour and shown, and writing it extends the array instead of cutting
// it short.
class ChannelDisplaySettings
{
public:
    struct Entry
    {
        QColor color;
        bool visible = true;
    };

    Entry entry(int channel);
    void setColor(int channel, const QColor& color);
    void setVisible(int channel, bool visible);
    // Every stored entry and at least the 40 the store starts with, whether or not the
    // current configuration has the channel.
    void setAllVisible(bool visible);
    // Flushes to disk; false when the store could not be written.
    bool sync();

private:
    int storedCount();
    void write(int channel, const char* key, const QVariant& value);

    AppSettings m_settings;
};
