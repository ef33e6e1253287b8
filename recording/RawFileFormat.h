#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QStringList>

class ShotData;

// The text of a raw waveform file: a header describing the shot, a line of 40 equals
// signs, a column header and one row per sample index. Rendering works on plain
// snapshots so that no lock is held while text is produced or written.
class RawFileFormat
{
public:
    struct Channel
    {
        QString name;
        quint32 unitCode = 0;
        bool enabled = true;
    };

    // Everything the header needs, copied out of a ShotData.
    struct Header
    {
        QDateTime shotTime;
        quint32 elapsedMs = 0;
        qint32 shotNumber = 0;
        quint8 period = 0;
        quint8 interval = 0;
        int moduleCount = 0;
        QStringList moduleNames;
        QList<Channel> channels;
    };

    static const QString Separator; // the 40 equals signs
    static const QString DataAttributePrefix;
    static const QString ElapsedTimeColumn;

    static Header snapshot(const ShotData& shot);

    // Header lines, the separator and the column header, each ended by a line feed.
    static QString header(const Header& header);
    static QString header(const ShotData& shot);

    // Appends rows firstRow .. firstRow + rowCount - 1 to `out`. columns[c] holds
    // channel c's samples from firstRow on; a disabled channel leaves its field empty.
    static void writeRows(QByteArray& out, quint8 interval, qsizetype firstRow, qsizetype rowCount,
                          const QList<QList<float>>& columns, const QList<bool>& enabled);

    // Seconds since the shot began at row r, as the single-precision value written.
    static float elapsedSeconds(quint8 interval, qsizetype row);
};
