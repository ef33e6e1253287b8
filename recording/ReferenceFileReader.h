#pragma once

#include <QList>
#include <QString>

class QTextStream;

// Reads a recorded raw waveform file back as reference waveforms: one waveform per
// data column and the sampling interval. GUI-free: a failure comes back with the
// title and text of the warning that the window shows.
class ReferenceFileReader
{
public:
    enum Error
    {
        NoError,
        OpenError,
        FormatError
    };

    struct Result
    {
        Error error = NoError;
        // Column by column; every waveform has one value per data row.
        QList<QList<float>> waveforms;
        int samplingInterval = 0;
        // The warning for the user when error is not NoError.
        QString title;
        QString text;

        bool ok() const { return error == NoError; }
    };

    static Result read(const QString& path);
    static Result read(QTextStream& in);

private:
    static Result failure(Error error);
    static bool readInterval(QTextStream& in, int& interval);
    static bool skipToSeparator(QTextStream& in);
    static void readRows(QTextStream& in, bool skipFirstColumn, QList<QList<float>>& waveforms);
};
