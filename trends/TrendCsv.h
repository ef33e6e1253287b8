#pragma once

#include "ShotLogReader.h"

#include <QString>

// A trend's values as a comma-separated file, in the shot log's own notation, so that
// the file opens in the same tools as the logs: "Time, Shot, Result, CH3_Peak".
class TrendCsv
{
public:
    static QString text(const QList<TrendShot>& shots, int channel, TrendItem item);
    // Written whole or not at all; `error` tells why not.
    static bool write(const QString& path, const QList<TrendShot>& shots, int channel,
                      TrendItem item, QString& error);
};
