#pragma once

#include "ShotLogReader.h"

#include <QDate>
#include <QList>
#include <QString>

#include <functional>

// The daily shot logs of one settings name under a data folder, found by the names the
// recorder gives them ("yyyy-MM/log_<settings>_<yyMMdd>p.csv").
class ShotLogFiles
{
public:
    struct File
    {
        QDate date;
        QString path;
    };

    // What reading a set of files gave for one channel.
    struct Result
    {
        QList<TrendShot> shots;
        int damagedLines = 0;
        int shotsWithoutChannel = 0;
        int currentSegment = 0;
        QStringList unreadableFiles;
    };
    using Enough = std::function<bool(const ShotLogReader&)>;

    // Oldest first.
    static QList<File> list(const QString& dataFolder, const QString& settingsName);
    static QList<File> between(const QList<File>& files, const QDate& from, const QDate& to);

    // Reads the files in order.
    static Result read(const QList<File>& files, int channel);
    // Reads the newest file, then the newest two, and so on up to `maxFiles`, until
    // `enough` says the shots read suffice. Files are always read oldest first, so the
    // segments of the settings run on across midnight.
    static Result readRecent(const QList<File>& files, int channel, const Enough& enough,
                             int maxFiles);

private:
    static Result take(ShotLogReader& reader);
};
