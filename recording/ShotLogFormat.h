#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

class ShotData;

// The daily shot log: header blocks and one line per judged shot, fields separated
// by ", ". A line has 5 + 8 x n fields for n channels, matching the column header.
class ShotLogFormat
{
public:
    struct ChannelResult
    {
        bool enabled = true;
        quint16 flags = 0;
        float peak = 0;
        float timeAtPeak = 0;
        float valueAtPoint = 0;
        float peakOverEject = 0;
        quint16 integral = 0;
        quint16 integralToPeak = 0;
        float slope = 0;
    };

    struct Shot
    {
        QDateTime shotTime;
        quint32 elapsedMs = 0;
        qint32 shotNumber = 0;
        QList<ChannelResult> channels;
    };

    static Shot snapshot(const ShotData& shot);

    // The shot line, ended by a line feed.
    static QString line(const Shot& shot);
    static QString line(const ShotData& shot);

    // The judgement words of a channel's result flags; every word but "Z1" carries its
    // own leading blank, so 0x0102 gives " Z2 EJ" and 0 gives nothing.
    static QString judgement(quint16 flags);

    // The two header lines: the stamp with the event text, then the column names.
    static QString header(const QDateTime& now, const QString& eventText, int channelCount);
};
