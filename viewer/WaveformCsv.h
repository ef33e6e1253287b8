#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Waveforms side by side in one CSV file for a spreadsheet: a time column, then one
// column per waveform under its title. A waveform shorter than the longest leaves its
// later fields empty.
class WaveformCsv
{
public:
    struct Column
    {
        QString title;
        QList<float> values;
    };

    static QByteArray write(const QList<Column>& columns, int intervalMs);
};
