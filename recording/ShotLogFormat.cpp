#include "ShotLogFormat.h"

#include "RecordText.h"
#include "ShotData.h"

#include <QStringList>

#include <array>
#include <utility>

namespace {

// Bits 0x0080 and those above 0x0200 carry no word.
constexpr std::array<std::pair<quint16, const char*>, 9> JudgementWords{{
    {0x0001, "Z1"},
    {0x0002, " Z2"},
    {0x0004, " I"},
    {0x0008, " T"},
    {0x0010, " PT"},
    {0x0020, " PI"},
    {0x0040, " W"},
    {0x0100, " EJ"},
    {0x0200, " S"},
}};

const std::array<const char*, 8> ColumnItems{
    "Result",          "Peak",     "Time at peak",     "Value at point",
    "Peak over eject", "Integral", "Integral to peak", "Slope"};

template <typename Field>
void appendPerChannel(QStringList& fields, const QList<ShotLogFormat::ChannelResult>& channels,
                      Field field)
{
    for (const ShotLogFormat::ChannelResult& channel : channels)
        fields.append(channel.enabled ? field(channel) : QString());
}

} // namespace

ShotLogFormat::Shot ShotLogFormat::snapshot(const ShotData& shot)
{
    Shot s;
    s.shotTime = shot.shotTime();
    s.elapsedMs = shot.elapsedSinceLastShot();
    s.shotNumber = shot.shotNumber();
    const int count = shot.channelCount();
    for (int i = 0; i < count; ++i) {
        const ChannelShotData* c = shot.channel(i);
        if (!c)
            break;
        s.channels.append({c->enabled(), c->resultFlags(), c->peak(), c->timeAtPeak(),
                           c->valueAtPoint(), c->peakOverEject(), c->integral(),
                           c->integralToPeak(), c->slope()});
    }
    return s;
}

QString ShotLogFormat::line(const ShotData& shot)
{
    return line(snapshot(shot));
}

QString ShotLogFormat::line(const Shot& shot)
{
    bool ng = false;
    for (const ChannelResult& channel : shot.channels)
        ng = ng || channel.flags != 0;

    QStringList fields{RecordText::shotTime(shot.shotTime),
                       RecordText::secondsWithMillis(shot.elapsedMs),
                       QString::number(quint32(shot.shotNumber)),
                       ng ? QStringLiteral("NG") : QStringLiteral("OK"), QString()};
    const auto& channels = shot.channels;
    appendPerChannel(fields, channels, [](const ChannelResult& c) { return judgement(c.flags); });
    appendPerChannel(fields, channels,
                     [](const ChannelResult& c) { return RecordText::real(c.peak); });
    appendPerChannel(fields, channels,
                     [](const ChannelResult& c) { return RecordText::real(c.timeAtPeak); });
    appendPerChannel(fields, channels,
                     [](const ChannelResult& c) { return RecordText::real(c.valueAtPoint); });
    appendPerChannel(fields, channels,
                     [](const ChannelResult& c) { return RecordText::real(c.peakOverEject); });
    appendPerChannel(fields, channels,
                     [](const ChannelResult& c) { return QString::number(c.integral); });
    appendPerChannel(fields, channels,
                     [](const ChannelResult& c) { return QString::number(c.integralToPeak); });
    appendPerChannel(fields, channels,
                     [](const ChannelResult& c) { return RecordText::real(c.slope); });
    return fields.join(QStringLiteral(", ")) + QLatin1Char('\n');
}

QString ShotLogFormat::judgement(quint16 flags)
{
    QString words;
    for (const auto& [bit, word] : JudgementWords) {
        if (flags & bit)
            words += QLatin1String(word);
    }
    return words;
}

QString ShotLogFormat::header(const QDateTime& now, const QString& eventText, int channelCount)
{
    QString text = RecordText::wallClock(now) + QLatin1Char(' ') + eventText + QLatin1Char('\n');
    text += QStringLiteral("Time, Interval, Shot, Result, Error");
    for (const char* item : ColumnItems) {
        for (int k = 1; k <= channelCount; ++k)
            text += QStringLiteral(", CH%1_").arg(k) + QLatin1String(item);
    }
    return text + QLatin1Char('\n');
}
