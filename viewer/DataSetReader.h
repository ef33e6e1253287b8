#pragma once

#include "DataFileReader.h"

#include <QStringList>

#include <atomic>
#include <functional>

// Reads the recorded files the data viewer opens: the first fixes the mold settings,
// every later one must match them. Files are parsed on several threads; the result is
// the same as reading them one after the other, stopping at the first bad file.
class DataSetReader
{
public:
    static constexpr int MaxFiles = 35;

    struct Result
    {
        DataFileReader::Status status = DataFileReader::Good;
        int failedFile = -1; // index of the file that stopped the reading
        bool aborted = false;
        DataFileLayout layout;
        // The files read, in the order given, each with one waveform per channel; all
        // cut to the first file's length, shorter ones keep their own length.
        QList<QList<QList<float>>> files;
        // Files whose row count differed from the first file's.
        QList<int> differingLength;
        bool ok() const { return status == DataFileReader::Good; }
    };

    // Called with the number of files read so far, from any of the reading threads.
    using Progress = std::function<void(int)>;

    // `abort`, when set, stops the reading between files; what was read is kept.
    static Result read(const QStringList& paths, int threads = 0,
                       const std::atomic<bool>* abort = nullptr, const Progress& progress = {});

    // The samples of one channel across the files, as the statistics take them.
    static QList<QList<float>> channelOfFiles(const QList<QList<QList<float>>>& files, int channel);
};
