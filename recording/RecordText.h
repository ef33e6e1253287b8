#pragma once

#include <QDateTime>
#include <QString>

// Small renderings shared by the waveform files and the logs. The files are read by
// other tools and by older versions of this program, so every character counts.
class RecordText
{
public:
    // A single-precision value as a QTextStream writes it by default: the shorter of
    // fixed and scientific notation, 6 significant digits, no trailing zeros
    // (0, 0.005, 12.3, 1.23457e+06).
    static QString real(float value);
    // The same text as plain characters into `out`, which holds at least MaxRealLength;
    // returns the end. Fast enough for every sample of a raw file.
    static constexpr int MaxRealLength = 16;
    static char* writeReal(char* out, float value);

    // "yyyy/MM/dd hh:mm:ss.z" with "z" in its old meaning: the milliseconds without
    // leading zeros, so 300 ms prints "300" and a whole second "0". Qt 6 reads "z" as a
    // fraction without trailing zeros, which would print "12.3" where readers expect
    // "12.300", hence the milliseconds are appended by hand.
    static QString shotTime(const QDateTime& time);

    // "yyyy/MM/dd hh:mm:ss", the stamp of log header blocks.
    static QString wallClock(const QDateTime& time);

    // The data file letter of a channel's unit code: T, P, V, or ? for anything else.
    static QChar unitLetter(quint32 unitCode);

    // Milliseconds as seconds with exactly three decimals (1500 -> "1.500"), computed
    // in integers so that no rounding can creep in.
    static QString secondsWithMillis(quint32 milliseconds);

    // A settings name made safe to stand inside a file name: path separators and the
    // characters that no file system accepts become "_". The name comes from the unit,
    // so it must never be able to steer a file out of the data folder.
    static QString fileNamePart(const QString& name);
};
