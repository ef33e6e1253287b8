#pragma once

#include "DataFileLayout.h"

#include <QByteArrayView>
#include <QList>

// Reads one recorded raw waveform file: checks its header against the first file of the
// set and takes every channel's samples. Every byte is untrusted: a short row reads as
// zeros, a non-numeric or empty field as 0, and nothing is read past the end.
class DataFileReader
{
public:
    enum Status
    {
        Good = 0,
        NotDataFile = 1,
        SettingsMismatch = 2,
        OpenFailed = 3
    };

    struct Result
    {
        Status status = Good;
        DataFileLayout layout;
        QList<QList<float>> channels; // one waveform per channel, one value per data row
        qsizetype rowCount() const { return channels.isEmpty() ? 0 : channels.first().size(); }
    };

    // `first` is the layout of the set's first file, or null when this file is the first.
    static Result parse(QByteArrayView bytes, const DataFileLayout* first);
    static Result read(const QString& path, const DataFileLayout* first);

    // A field read as the files mean it: trimmed, then a float, or 0 when it is empty or
    // not a number. Sets `ok` to whether the whole field was a number.
    static float parseFloat(const char* begin, const char* end, bool* ok = nullptr);
};
