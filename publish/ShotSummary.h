#pragma once

#include "ShotLogFormat.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

class ShotData;
struct MoldMachineRecord;

// One judged shot as the plant sees it: who, when, the verdict, each channel's judgement
// and result values, and the molding machine's answers for the shot. Taken from the shot
// buffer at once, since the buffer moves on to a later shot.
struct ShotSummary
{
    struct Channel
    {
        int number = 0; // 1-based, as the operator counts
        QString name;
        ShotLogFormat::ChannelResult result; // as the shot log writes it
    };
    struct MachineAnswer
    {
        QString id;
        QString name;
        QString reply;
    };

    QString station;
    QString settingsName;
    qint32 shotNumber = 0;
    QDateTime unitTime;
    QDateTime pcTime;
    QList<Channel> channels;
    QList<MachineAnswer> machine;

    static ShotSummary fromShot(const ShotData& shot, const QString& station,
                                const QString& settingsName, const QDateTime& pcTime);
    void setMachineAnswers(const QList<MoldMachineRecord>& records);

    // NG when an enabled channel has any judgement flag set.
    bool isNG() const;
    // The message body: compact JSON, UTF-8.
    QByteArray toJson() const;
};
