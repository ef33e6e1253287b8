#pragma once

#include "TrendItem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringList>

#include <array>
#include <cmath>
#include <utility>

// One shot as the daily log recorded it, reduced to one channel.
struct TrendShot
{
    qint64 timeMs = 0; // milliseconds since the epoch
    quint32 shotNumber = 0;
    bool ok = true; // the shot's verdict over all channels
    // Grows at every change of the settings that the log shows, so the shots of the
    // current settings are those of the last segment.
    int segment = 0;
    std::array<float, TrendItemCount> values{}; // NaN where the log has none

    bool has(TrendItem item) const { return !std::isnan(values[size_t(item)]); }
    float value(TrendItem item) const { return values[size_t(item)]; }
};

// Reads daily shot logs for one channel. Columns are found by the names of the header
// block above the lines, so logs of older versions (fewer items) and of configurations
// with fewer channels read correctly. A line that does not fit its header (cut off by a
// crash, a stray comma, an unreadable number) is skipped and counted, never read into
// the wrong column.
class ShotLogReader
{
public:
    // `channel` is the global channel index, 0 for the log's CH1.
    explicit ShotLogReader(int channel);

    // Several files are read in the order given, oldest first.
    void read(QByteArrayView text);
    // False when the file cannot be read; the reader then remembers its path.
    bool readFile(const QString& path);

    const QList<TrendShot>& shots() const { return m_shots; }
    QList<TrendShot> takeShots() { return std::exchange(m_shots, {}); }
    int damagedLines() const { return m_damagedLines; }
    // Shot lines that have no values for the channel: the channel was not in use, or the
    // configuration then had fewer channels.
    int shotsWithoutChannel() const { return m_withoutChannel; }
    const QStringList& unreadableFiles() const { return m_unreadableFiles; }
    // The segment that shots recorded from now on would belong to.
    int currentSegment() const { return m_segment; }

private:
    struct Columns
    {
        int count = 0;
        int time = -1;
        int shot = -1;
        int result = -1;
        int channelResult = -1;
        std::array<int, TrendItemCount> items{};
    };

    void readLine(QByteArrayView line);
    bool readStamp(QByteArrayView line);
    void readHeader(QByteArrayView line);
    bool readShot(QByteArrayView line);

    const int m_channel;
    QList<QString> m_changeEvents;
    Columns m_columns;
    QByteArray m_headerText;
    bool m_changePending = false;
    int m_segment = 0;
    QList<TrendShot> m_shots;
    int m_damagedLines = 0;
    int m_withoutChannel = 0;
    QStringList m_unreadableFiles;
};
