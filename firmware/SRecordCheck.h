#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Checks that bytes are a complete Motorola S-record firmware image before the unit gets
// them: every line one record (S0 to S9, S4 being reserved) with a byte count that fits
// the line and a correct checksum, at least one data record (S1 to S3) and a termination
// record (S7 to S9) as the last record. A file cut short or not a firmware file at all
// fails, and the result names the first line at fault.
class SRecordCheck
{
public:
    // A record holds at most 255 bytes after the type: 4 + 2 * 255 characters.
    static constexpr int MaxLineLength = 514;

    struct Result
    {
        bool ok = false;
        // 1-based line of the fault; 0 when the fault is the file as a whole.
        int line = 0;
        QString reason;
        int dataRecords = 0;
    };

    static Result check(const QByteArray& bytes);

private:
    static QString checkRecord(QByteArrayView line, int* recordType);
};
