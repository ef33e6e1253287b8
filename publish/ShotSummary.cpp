#include "ShotSummary.h"

#include "MoldMachineRecord.h"
#include "ShotData.h"
#include "ShotLogFormat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Seven significant digits, what a float holds: 138.6 rather than 138.60000610351562.
double rounded(float value)
{
    return QString::number(double(value), 'g', 7).toDouble();
}

QJsonObject channelObject(const ShotSummary::Channel& channel)
{
    const ShotLogFormat::ChannelResult& c = channel.result;
    QJsonArray words;
    const QStringList judgement =
        ShotLogFormat::judgement(c.flags).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& word : judgement)
        words.append(word);
    return QJsonObject{
        {QStringLiteral("channel"), channel.number},
        {QStringLiteral("name"), channel.name},
        {QStringLiteral("enabled"), c.enabled},
        {QStringLiteral("flags"), int(c.flags)},
        {QStringLiteral("judgement"), words},
        {QStringLiteral("peak"), rounded(c.peak)},
        {QStringLiteral("timeAtPeak"), rounded(c.timeAtPeak)},
        {QStringLiteral("valueAtPoint"), rounded(c.valueAtPoint)},
        {QStringLiteral("peakOverEject"), rounded(c.peakOverEject)},
        {QStringLiteral("integral"), int(c.integral)},
        {QStringLiteral("integralToPeak"), int(c.integralToPeak)},
        {QStringLiteral("slope"), rounded(c.slope)},
    };
}

} // namespace

ShotSummary ShotSummary::fromShot(const ShotData& shot, const QString& station,
                                  const QString& settingsName, const QDateTime& pcTime)
{
    ShotSummary s;
    s.station = station;
    s.settingsName = settingsName;
    s.pcTime = pcTime;
    const ShotLogFormat::Shot results = ShotLogFormat::snapshot(shot);
    s.shotNumber = results.shotNumber;
    s.unitTime = results.shotTime;
    for (int i = 0; i < results.channels.size(); ++i) {
        const ShotLogFormat::ChannelResult& r = results.channels.at(i);
        const ChannelShotData* data = shot.channel(i);
        s.channels.append({i + 1, data ? data->name() : QString(), r});
    }
    return s;
}

void ShotSummary::setMachineAnswers(const QList<MoldMachineRecord>& records)
{
    machine.clear();
    for (const MoldMachineRecord& record : records)
        machine.append({record.id, record.name, record.reply});
}

bool ShotSummary::isNG() const
{
    return std::any_of(channels.cbegin(), channels.cend(),
                       [](const Channel& c) { return c.result.enabled && c.result.flags != 0; });
}

QByteArray ShotSummary::toJson() const
{
    QJsonArray channelArray;
    for (const Channel& c : channels)
        channelArray.append(channelObject(c));
    QJsonArray machineArray;
    for (const MachineAnswer& answer : machine)
        machineArray.append(QJsonObject{{QStringLiteral("id"), answer.id},
                                        {QStringLiteral("name"), answer.name},
                                        {QStringLiteral("reply"), answer.reply}});
    const bool ng = isNG();
    const QJsonObject root{
        {QStringLiteral("station"), station},
        {QStringLiteral("settings"), settingsName},
        {QStringLiteral("shot"), shotNumber},
        // The unit's clock carries no zone; the PC's time does.
        {QStringLiteral("unitTime"), unitTime.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))},
        {QStringLiteral("pcTime"),
         pcTime.toOffsetFromUtc(pcTime.offsetFromUtc()).toString(Qt::ISODateWithMs)},
        {QStringLiteral("verdict"), ng ? QStringLiteral("NG") : QStringLiteral("OK")},
        // The injection-molding vocabulary of OPC UA beside the unit's own words.
        {QStringLiteral("result"), ng ? QStringLiteral("BAD") : QStringLiteral("GOOD")},
        {QStringLiteral("channels"), channelArray},
        {QStringLiteral("machine"), machineArray},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}
