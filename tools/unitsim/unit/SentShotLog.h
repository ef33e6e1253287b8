#pragma once

#include <QFile>
#include <QList>
#include <QString>

class SystemConfig;

// What the simulated unit streamed, one JSON line per shot, so that a checker can compare
// it with what the PC recorded (scripts/soak). A "config" line gives the channels' scales
// before the first shot and after every configuration change. Each line is flushed at
// once: a log that ends early still holds every shot before the end.
class SentShotLog
{
public:
    struct Shot
    {
        qint32 shotNumber = 0;
        qint64 ordinal = 0;    // counts every shot begun since the start, 1 first
        QString fault;         // the random fault drawn for the shot, "" for none
        bool finished = false; // results sent; false when the shot was abandoned
        bool ng = false;
        QList<quint16> flags;  // judgement per channel
        int delivered = 0;     // samples from the first that reached the PC unharmed, in order
        bool complete = false; // every frame of the shot reached the PC on one connection
        QList<QList<qint16>> curves; // as sent, [channel][sample]
    };

    bool open(const QString& path, QString* error);
    bool isOpen() const { return m_file.isOpen(); }
    void writeConfiguration(const SystemConfig& config);
    void writeShot(const Shot& shot);

private:
    void writeLine(const QByteArray& json);

    QFile m_file;
};
