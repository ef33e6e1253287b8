#include "SentShotLog.h"

#include "SystemConfig.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

bool SentShotLog::open(const QString& path, QString* error)
{
    m_file.setFileName(path);
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return true;
    *error = QStringLiteral("--shot-log %1: %2").arg(path, m_file.errorString());
    return false;
}

void SentShotLog::writeConfiguration(const SystemConfig& config)
{
    if (!isOpen())
        return;
    QJsonArray channels;
    for (int c = 0; c < config.channelCount(); ++c) {
        const ChannelConfig* channel = config.channelAt(c);
        channels.append(QJsonObject{{QStringLiteral("scale"), channel->valueScale()},
                                    {QStringLiteral("enabled"), channel->enabled()}});
    }
    const QJsonObject line{{QStringLiteral("config"), config.name()},
                           {QStringLiteral("period"), int(config.period())},
                           {QStringLiteral("interval"), int(config.samplingInterval())},
                           {QStringLiteral("channels"), channels}};
    writeLine(QJsonDocument(line).toJson(QJsonDocument::Compact));
}

void SentShotLog::writeShot(const Shot& shot)
{
    if (!isOpen())
        return;
    QJsonArray flags;
    for (quint16 f : shot.flags)
        flags.append(int(f));
    // Little-endian 16-bit counts in base64 keep a 32-channel shot to some 90 kB.
    QJsonArray curves;
    for (const QList<qint16>& curve : shot.curves) {
        QByteArray bytes(curve.size() * 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < curve.size(); ++i)
            qToLittleEndian<qint16>(curve.at(i), bytes.data() + 2 * i);
        curves.append(QString::fromLatin1(bytes.toBase64()));
    }
    const QJsonObject line{{QStringLiteral("shot"), shot.shotNumber},
                           {QStringLiteral("ordinal"), shot.ordinal},
                           {QStringLiteral("fault"), shot.fault},
                           {QStringLiteral("finished"), shot.finished},
                           {QStringLiteral("ng"), shot.ng},
                           {QStringLiteral("flags"), flags},
                           {QStringLiteral("delivered"), shot.delivered},
                           {QStringLiteral("complete"), shot.complete},
                           {QStringLiteral("curves"), curves}};
    writeLine(QJsonDocument(line).toJson(QJsonDocument::Compact));
}

void SentShotLog::writeLine(const QByteArray& json)
{
    m_file.write(json + '\n');
    m_file.flush();
}
