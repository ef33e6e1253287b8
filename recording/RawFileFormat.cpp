#include "RawFileFormat.h"

#include "RecordText.h"
#include "ShotData.h"

#include <QTextStream>
#include <QVarLengthArray>

const QString RawFileFormat::Separator(40, QLatin1Char('='));
const QString RawFileFormat::DataAttributePrefix = QStringLiteral("Data Attribute:");
const QString RawFileFormat::ElapsedTimeColumn = QStringLiteral("Elapsed Time");

RawFileFormat::Header RawFileFormat::snapshot(const ShotData& shot)
{
    Header h;
    h.shotTime = shot.shotTime();
    h.elapsedMs = shot.elapsedSinceLastShot();
    h.shotNumber = shot.shotNumber();
    h.period = shot.observationPeriod();
    h.interval = shot.samplingInterval();
    h.moduleCount = shot.moduleCount();
    h.moduleNames = shot.moduleNames();
    const int count = shot.channelCount();
    for (int i = 0; i < count; ++i) {
        ChannelShotData* channel = shot.channel(i);
        if (!channel)
            break;
        h.channels.append({channel->name(), channel->unitCode(), channel->enabled()});
    }
    return h;
}

QString RawFileFormat::header(const ShotData& shot)
{
    return header(snapshot(shot));
}

QString RawFileFormat::header(const Header& h)
{
    QString text;
    QTextStream out(&text);
    out << "Time:" << RecordText::shotTime(h.shotTime)
        << " Elapsed Time Since Last Shot:" << h.elapsedMs << "ms\n";
    out << "Observation Period:" << uint(h.period) << "s Sampling Interval:" << uint(h.interval)
        << "ms\n";
    out << "Shot:" << quint32(h.shotNumber) << '\n';
    for (int i = 0; i < h.moduleCount; ++i) {
        out << "Module " << QStringLiteral("%1").arg(i + 1, 2) << ':'
            << (i < h.moduleNames.size() ? h.moduleNames.at(i) : QStringLiteral("N/A")) << '\n';
    }
    out << DataAttributePrefix << uint(h.period) << ',' << uint(h.interval) << ',';
    for (const Channel& channel : h.channels)
        out << RecordText::unitLetter(channel.unitCode);
    out << '\n' << Separator << '\n';
    out << ElapsedTimeColumn << ',';
    for (qsizetype k = 0; k < h.channels.size(); ++k) {
        if (k > 0)
            out << ", ";
        out << k + 1 << ':' << h.channels.at(k).name;
    }
    out << '\n';
    out.flush();
    return text;
}

float RawFileFormat::elapsedSeconds(quint8 interval, qsizetype row)
{
    return float(double(interval) * double(row) / 1000.0);
}

void RawFileFormat::writeRows(QByteArray& out, quint8 interval, qsizetype firstRow,
                              qsizetype rowCount, const QList<QList<float>>& columns,
                              const QList<bool>& enabled)
{
    if (rowCount <= 0)
        return;
    // Room for the longest row: every number at its longest with its ", ".
    const qsizetype longestRow = (columns.size() + 1) * (RecordText::MaxRealLength + 2) + 1;
    const qsizetype start = out.size();
    out.resize(start + rowCount * longestRow);
    char* const begin = out.data() + start;
    char* p = begin;
    // A disabled channel has no samples to read.
    QVarLengthArray<const float*, 64> values(columns.size());
    for (qsizetype c = 0; c < columns.size(); ++c)
        values[c] = enabled.value(c, true) ? columns.at(c).constData() : nullptr;
    for (qsizetype r = 0; r < rowCount; ++r) {
        p = RecordText::writeReal(p, elapsedSeconds(interval, firstRow + r));
        *p++ = ',';
        for (qsizetype c = 0; c < columns.size(); ++c) {
            if (c > 0) {
                *p++ = ',';
                *p++ = ' ';
            }
            if (values[c])
                p = RecordText::writeReal(p, values[c][r]);
        }
        *p++ = '\n';
    }
    out.resize(start + (p - begin));
}
