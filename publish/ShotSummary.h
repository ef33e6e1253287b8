#pragma once

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
        bool enabled = true;
        quint16 flags = 0;
        float peak = 0;
        float timeAtPeak = 0;
        float valueAtPoint = 0;
        float peakOverEject = 0;
        quint16 integral = 0;
        quint16 integralToPeak = 0;
        float slope = 0;
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
