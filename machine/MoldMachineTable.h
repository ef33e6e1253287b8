#pragma once

#include "MoldMachineRecord.h"

#include <QList>
#include <QString>

class QTextStream;

// The table of items asked of the molding machine: "Mold_Machine.csv" in the settings
// folder, one "ID,Name" per line, no header.
class MoldMachineTable
{
public:
    // More would not fit in the machine's reply time between two shots.
    static constexpr int MaxRecords = 29;

    struct ReadResult
    {
        QList<MoldMachineRecord> records;
        // Lines that had the ID,Name form, including those beyond MaxRecords.
        int countedLines = 0;
    };

    // The table's place: the "settingsPath" folder + "/Mold_Machine.csv".
    static QString settingsFilePath();
    static QString filePathIn(const QString& settingsFolder);

    // Reads up to the end or the first empty line. Each line is split at commas with
    // the empty parts dropped; only lines with exactly two parts count, and only the
    // first MaxRecords of those are kept. Other lines are skipped, not errors.
    static ReadResult read(QTextStream& in);
};
