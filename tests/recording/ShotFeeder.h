#pragma once

#include "BUPacket.h"
#include "FrameReceiver.h"
#include "RecordText.h"
#include "ShotData.h"
#include "ShotFrames.h"
#include "ShotJudge.h"
#include "SystemConfig.h"

#include <QFile>
#include <QTextStream>

// Fills a ShotData as the main window does: the buffer takes the configuration, the
// simulated unit's frames for it are cut by the frame receiver, decoded and handed over.
// Results use the layout with the slope, so firmwareType must be 0, 1 or 2.
class ShotFeeder
{
public:
    ShotFeeder(ShotData& shot, const SystemConfig& config)
        : m_shot(shot), m_frames(config, false), m_receiver(&m_packet)
    {
        shot.configure(config);
    }

    bool start(qint32 number, const QDateTime& time, quint32 elapsed)
    {
        return deliver(m_frames.shotStart(number, time, elapsed));
    }
    // One raw sample per channel, in system channel order.
    bool samples(quint32 index, const QList<qint16>& values)
    {
        return deliver(m_frames.values(index, values));
    }
    bool result(qint32 number, const QDateTime& time, quint32 elapsed,
                const QList<ChannelResult>& results)
    {
        return deliver(m_frames.results(number, time, elapsed, results).first());
    }

private:
    bool deliver(const QByteArray& frame)
    {
        m_receiver.append(frame);
        if (!m_receiver.decodeNext())
            return false;
        if (m_packet.type() == BUPacket::ShotStart)
            m_shot.clear();
        // Each takes only its own type of frame.
        m_shot.begin(m_packet);
        m_shot.appendShotSamples(m_packet);
        m_shot.finish(m_packet);
        return true;
    }

    ShotData& m_shot;
    ShotFrames m_frames;
    BUPacket m_packet;
    FrameReceiver m_receiver;
};

// The shot most tests record: one four-channel module, 5 ms interval, the third channel
// disabled, units P, V, P and one without a letter; row r holds the values 10r+1 .. 10r+4
// (scale 0.1), the fourth channel's with the top bit set, which is no part of a value.
namespace Fixture {

inline const QDateTime ShotTime{QDate(2012, 5, 10), QTime(13, 45, 12, 300)};
inline const QDateTime CreationTime{QDate(2012, 5, 10), QTime(13, 45, 12)};

inline const QString Header =
    QStringLiteral("Time:2012/05/10 13:45:12.300 Elapsed Time Since Last Shot:35210ms\n"
                   "Observation Period:10s Sampling Interval:5ms\n"
                   "Shot:123\n"
                   "Module  1:01000001 (Cavity)\n"
                   "Data Attribute:10,5,PVP?\n"
                   "========================================\n"
                   "Elapsed Time,1:A, 2:B, 3:C, 4:D\n");

inline SystemConfig config()
{
    SystemConfig config;
    config.setPeriod(10);
    config.setSamplingInterval(5);
    config.addModule(0x01000001);
    for (int c = 0; c < 4; ++c)
        config.channelAt(c)->setTitle(QString(QLatin1Char(char('A' + c))));
    config.channelAt(2)->setEnabled(false);
    config.module(0)->setTitle(QStringLiteral("Cavity"));
    config.channelAt(1)->setUnitCode(3);
    config.channelAt(3)->setUnitCode(7);
    return config;
}

inline const auto value = [](qsizetype row, int channel) { return int(10 * row + channel + 1); };

inline bool addRows(ShotFeeder& feeder, qsizetype first, qsizetype count)
{
    bool ok = true;
    for (qsizetype r = first; r < first + count; ++r)
        ok = ok && feeder.samples(quint32(r), {qint16(value(r, 0)), qint16(value(r, 1)),
                                               qint16(value(r, 2)), qint16(0x8000 | value(r, 3))});
    return ok;
}

// The rows as the raw file holds them: time in seconds, then the values of the channels,
// the disabled one left empty; rendered by QTextStream, as the files always were.
inline QString rows(qsizetype first, qsizetype count)
{
    QString text;
    QTextStream out(&text);
    for (qsizetype r = first; r < first + count; ++r) {
        out << float(5.0 * double(r) / 1000.0) << ',';
        for (int c = 0; c < 4; ++c) {
            out << (c ? ", " : "");
            if (c != 2)
                out << float(value(r, c) * 0.1);
        }
        out << '\n';
    }
    out.flush();
    return text;
}

inline QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                          : QStringLiteral("<missing>");
}

} // namespace Fixture
