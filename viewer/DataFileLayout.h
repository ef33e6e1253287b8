#pragma once

#include <QString>
#include <QStringList>

// What the header of a recorded data file (and of a monitoring waveform file) tells:
// the mold settings every later file must share, and the column names.
struct DataFileLayout
{
    int period = 0;     // observation period, s
    int interval = 0;   // sampling interval, ms
    QString attributes; // one letter per channel
    QStringList columnNames;
    bool hasElapsedTime = false;

    int channelCount() const { return int(attributes.size()); }
    // Period, interval, channel count and letters: files that differ here were recorded
    // with other mold settings.
    bool sameSettings(const DataFileLayout& other) const
    {
        return period == other.period && interval == other.interval &&
               attributes == other.attributes;
    }
    // The column names of the channels, without the elapsed-time column.
    QStringList channelNames() const { return hasElapsedTime ? columnNames.mid(1) : columnNames; }
    // Samples a channel holds over the whole period: both ends of it are recorded.
    qsizetype samplesPerPeriod() const
    {
        return interval > 0 ? qsizetype(period) * 1000 / interval + 1 : 0;
    }

    // "Data Attribute:P,I,LETTERS" split as the files are read: the period and interval
    // must be integers. False for anything else.
    bool parseAttributeLine(const QString& line);
    // The column header split at commas; its name count must match the channels (plus
    // the elapsed-time column when present).
    bool parseColumnLine(const QString& line);

    static constexpr int MaxChannels = 256;
    static const QString AttributePrefix;
    static const QString Separator; // 40 equals signs
    static const QString ElapsedTimeColumn;
};
