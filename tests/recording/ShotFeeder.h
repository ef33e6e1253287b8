#pragma once

#include "BUPacket.h"
#include "FrameBuilder.h"
#include "FrameReceiver.h"
#include "RecordText.h"
#include "ShotData.h"
#include "SystemConfig.h"

#include <QDataStream>
#include <QFile>

// Fills a ShotData as the main window does: unit frames are built, cut by the frame
// receiver, decoded and handed to the buffer. Results use the layout with the slope,
// so firmwareType must be 0, 1 or 2.
class ShotFeeder
{
public:
    struct Outcome
    {
        quint16 flags = 0;
        qint16 a = 0, b = 0, c = 0; // peak, value at point, peak over eject (counts)
        qint32 d = 0, e = 0;        // integral, integral to peak
        quint32 f = 0;              // time at peak, ms
        qint32 g = 0;               // slope x 1000
    };

    ShotFeeder(ShotData& shot, const QList<qint32>& codes)
        : m_shot(shot), m_codes(codes), m_receiver(&m_packet)
    {
    }

    bool start(qint32 number, const QDateTime& time, quint32 elapsedMs)
    {
        if (!deliver(BUPacket::ShotStart, FrameBuilder::payload([&](QDataStream& s) {
                         s << quint8(0) << quint8(0) << number;
                         putTime(s, time);
                         s << elapsedMs;
                     })))
            return false;
        m_shot.clear();
        m_shot.begin(m_packet);
        return true;
    }

    // One sample per channel, in system channel order.
    bool samples(quint32 index, const QList<qint16>& values)
    {
        if (!deliver(BUPacket::ShotSamples, FrameBuilder::payload([&](QDataStream& s) {
                         s << quint8(0) << index << quint8(m_codes.size());
                         int k = 0;
                         for (qint32 code : m_codes) {
                             s << code;
                             for (int c = 0; c < ModuleTypeCode::channelCount(code); ++c)
                                 s << values.value(k++);
                         }
                     })))
            return false;
        m_shot.appendShotSamples(m_packet);
        return true;
    }

    bool result(qint32 number, const QDateTime& time, quint32 elapsedMs, const QList<Outcome>& out)
    {
        if (!deliver(BUPacket::ShotResult, FrameBuilder::payload([&](QDataStream& s) {
                         s << number;
                         putTime(s, time);
                         s << elapsedMs << quint8(m_codes.size());
                         int k = 0;
                         for (qint32 code : m_codes) {
                             const int count = ModuleTypeCode::channelCount(code);
                             s << code;
                             for (int c = 0; c < count; ++c)
                                 s << out.value(k + c).flags;
                             for (int c = 0; c < count; ++c) {
                                 const Outcome o = out.value(k + c);
                                 s << o.a << o.b << o.c << o.d << o.e << o.f << o.g;
                             }
                             k += count;
                         }
                     })))
            return false;
        m_shot.finish(m_packet);
        return true;
    }

private:
    static void putTime(QDataStream& s, const QDateTime& time)
    {
        const QDate d = time.date();
        const QTime t = time.time();
        s << quint8(d.year() - 2000) << quint8(d.month()) << quint8(d.day()) << quint8(t.hour())
          << quint8(t.minute()) << quint8(t.second()) << quint8(t.msec() / 100) << quint8(0);
    }

    bool deliver(int type, const QByteArray& payload)
    {
        m_receiver.append(FrameBuilder::frame(type, payload));
        return m_receiver.decodeNext() && m_packet.type() == type;
    }

    ShotData& m_shot;
    QList<qint32> m_codes;
    BUPacket m_packet;
    FrameReceiver m_receiver;
};

// The shot most tests record: one four-channel pressure module, 5 ms interval, the
// third channel disabled; row r holds raw values 10r+1 .. 10r+4 (scale 0.1).
namespace Fixture {

inline const QDateTime ShotTime{QDate(2012, 5, 10), QTime(13, 45, 12, 300)};
inline const QDateTime CreationTime{QDate(2012, 5, 10), QTime(13, 45, 12)};
constexpr qint32 ModuleCode = 0x01000001;

inline const QString Header =
    QStringLiteral("Time:2012/05/10 13:45:12.300 Elapsed Time Since Last Shot:35210ms\n"
                   "Observation Period:10s Sampling Interval:5ms\n"
                   "Shot:123\n"
                   "Module  1:01000001 (MODULE 1)\n"
                   "Data Attribute:10,5,PPPP\n"
                   "========================================\n"
                   "Elapsed Time,1:A, 2:B, 3:C, 4:D\n");

inline SystemConfig config()
{
    SystemConfig config;
    config.setPeriod(10);
    config.setSamplingInterval(5);
    config.addModule(ModuleCode);
    for (int c = 0; c < 4; ++c)
        config.channelAt(c)->setTitle(QString(QLatin1Char(char('A' + c))));
    config.channelAt(2)->setEnabled(false);
    return config;
}

inline qint16 raw(qsizetype row, int channel)
{
    return qint16(10 * row + channel + 1);
}

inline bool addRows(ShotFeeder& feeder, qsizetype first, qsizetype count)
{
    for (qsizetype r = first; r < first + count; ++r) {
        if (!feeder.samples(quint32(r), {raw(r, 0), raw(r, 1), raw(r, 2), raw(r, 3)}))
            return false;
    }
    return true;
}

inline QString rows(qsizetype first, qsizetype count)
{
    QString text;
    for (qsizetype r = first; r < first + count; ++r) {
        text += RecordText::real(float(5.0 * double(r) / 1000.0)) + QLatin1Char(',');
        for (int c = 0; c < 4; ++c)
            text += (c ? QStringLiteral(", ") : QString()) +
                    (c == 2 ? QString() : RecordText::real(float(raw(r, c) * 0.1)));
        text += QLatin1Char('\n');
    }
    return text;
}

inline QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                          : QStringLiteral("<missing>");
}

} // namespace Fixture
