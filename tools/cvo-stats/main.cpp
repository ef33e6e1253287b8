// cvo-stats: builds the monitoring waveform of recorded shots without the window, for
// scripts. Every error is one line naming the file; no output file is written then.
#include "DataSetReader.h"
#include "MonitoringWaveformFile.h"
#include "StatsOptions.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>
#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "cvo-stats: %s\n", qPrintable(message));
    return 1;
}

QString readError(const DataSetReader::Result& result, const QStringList& files)
{
    const QString file = files.value(result.failedFile);
    switch (result.status) {
    case DataFileReader::OpenFailed:
        return QStringLiteral("%1: cannot be opened for reading").arg(file);
    case DataFileReader::NotDataFile:
        return QStringLiteral("%1: not a recorded data file").arg(file);
    case DataFileReader::SettingsMismatch:
        return QStringLiteral("%1: recorded with other mold settings than %2")
            .arg(file, files.first());
    case DataFileReader::Good:
        break;
    }
    return QString();
}

QPair<float, float> extent(const QList<float>& series)
{
    if (series.isEmpty())
        return {0.0f, 0.0f};
    const auto [low, high] = std::minmax_element(series.begin(), series.end());
    return {*low, *high};
}

void printSummary(const MonitoringWaveform& w, int fileCount)
{
    std::printf("%d files, %d channels, period %d s, interval %d ms\n", fileCount,
                w.layout.channelCount(), w.layout.period, w.layout.interval);
    const QStringList names = w.layout.channelNames();
    for (int c = 0; c < w.series.size(); ++c) {
        const ChannelSeries& s = w.series.at(c);
        const auto average = extent(s.average);
        std::printf("%-16s %c %6lld samples  average %g..%g  sd max %g  upper max %g  "
                    "lower min %g\n",
                    qPrintable(names.value(c)), w.layout.attributes.at(c).toLatin1(),
                    static_cast<long long>(s.average.size()), average.first, average.second,
                    extent(s.deviation).second, extent(s.upper).second, extent(s.lower).first);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("cvo-stats"));
    StatsOptions options;
    QString error;
    if (!options.parse(QCoreApplication::arguments(), error))
        return fail(error);
    if (options.helpRequested()) {
        std::printf("%s", qPrintable(options.helpText()));
        return 0;
    }

    const DataSetReader::Result read = DataSetReader::read(options.files, options.threads);
    if (!read.ok())
        return fail(readError(read, options.files));
    for (int f : read.differingLength)
        std::fprintf(stderr,
                     "cvo-stats: %s: not the length of %s; the first file's length is used\n",
                     qPrintable(options.files.at(f)), qPrintable(options.files.first()));

    MonitoringWaveform w;
    w.layout = read.layout;
    w.parameters = options.parametersFor(read.layout);
    w.series =
        ChannelStatistics::compute(read.files, QList<bool>(read.files.size(), true), w.parameters);

    const QDateTime now = QDateTime::currentDateTime();
    if (!options.wavcsvPath.isEmpty() &&
        !MonitoringWaveformFile::write(options.wavcsvPath, MonitoringWaveformFile::render(w, now)))
        return fail(QStringLiteral("%1: cannot be written").arg(options.wavcsvPath));
    if (!options.averagePath.isEmpty() &&
        !MonitoringWaveformFile::write(options.averagePath,
                                       MonitoringWaveformFile::renderAverage(w, now)))
        return fail(QStringLiteral("%1: cannot be written").arg(options.averagePath));
    printSummary(w, int(read.files.size()));
    return 0;
}
