#pragma once

#include "ChannelStatistics.h"
#include "DataFileLayout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>

#include <functional>

// What the data viewer builds from a set of recorded files: the settings they share and,
// per channel, the parameters chosen and the resulting series.
struct MonitoringWaveform
{
    DataFileLayout layout;
    QList<ChannelParameters> parameters;
    QList<ChannelSeries> series;
};

// The monitoring waveform file (".wavcsv") and the average data file: rendering, atomic
// writing, and reading a monitoring waveform file back with every format check.
class MonitoringWaveformFile
{
public:
    enum Status
    {
        Good,
        OpenFailed,
        FormatError
    };

    struct ReadResult
    {
        Status status = Good;
        // On a format error, the channels read before it (the layout once read).
        MonitoringWaveform waveform;
        bool ok() const { return status == Good; }
    };

    static QByteArray render(const MonitoringWaveform& waveform, const QDateTime& now);
    // The averages shaped like a recorded file, so they can be opened as a reference.
    static QByteArray renderAverage(const MonitoringWaveform& waveform, const QDateTime& now);
    // All or nothing: a file that cannot be written completely is left as it was.
    static bool write(const QString& path, const QByteArray& text);

    // Called with the number of channels read so far.
    using Progress = std::function<void(int)>;
    static ReadResult parse(QByteArrayView bytes, const Progress& progress = {});
    static ReadResult read(const QString& path, const Progress& progress = {});

    static constexpr int ParameterCount = 11;
};
