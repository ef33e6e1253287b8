#pragma once

#include "ShotLogFormat.h"

#include <QDateTime>
#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>

class RawShotFile;
class ShotData;

// Where and how shots are recorded: the raw waveform files and the daily shot and
// molding machine logs (all written by the recording worker's thread) under one data
// folder, in day or month folders that change at the rotation time.
//
// The settings (folder, rotation time, settings name, save flags) may be changed by the
// GUI thread while the worker reads them, so they sit behind a lock. Each ShotData
// buffer has its own raw file state: an append always goes to the file of the shot its
// buffer was created for, never to the file of a shot in the other buffer.
class FileController : public QObject
{
    Q_OBJECT

public:
    enum LogKind
    {
        ShotLog = 0,
        MachineLog = 1
    };
    enum LogEvent
    {
        ManagerStarted = 0,
        ConfigurationModified = 1,
        NewFileGenerated = 2
    };
    using Clock = std::function<QDateTime()>;

    explicit FileController(QObject* parent = nullptr);
    ~FileController() override;

    void setDataFolder(const QString& folder);
    QString dataFolder() const;
    void setRotationTime(int hour, int minute);
    int rotationHour() const;
    int rotationMinute() const;
    // The PC's clock unless a test sets another.
    void setClock(Clock clock);
    QDateTime currentDateTime() const;
    // The date a file belongs to: a day runs from one rotation time to the next, so
    // before today's rotation time it is still yesterday.
    QDate rotationAdjustedDate(const QDateTime& now) const;

    void setSettingsName(const QString& name);
    QString settingsName() const;
    void setSaveLog(bool on);
    bool saveLog() const;
    void setSaveAlarmWave(bool on);
    bool saveAlarmWave() const;
    void setSaveAllWave(bool on);
    bool saveAllWave() const;

    // Raw waveform files, called on the recording worker's thread. The sequence and the
    // verdict are the shot's as the buffer's own thread saw them at the shot's start and
    // end: a recorder that falls behind may get to them after the buffer has begun a
    // later shot. A file is made only while the buffer still holds its shot.
    bool createNewRawDataFile(ShotData* shot, quint64 sequence);
    bool saveRawDataIncremental(ShotData* shot);
    // The final append, then the alarm copy and the removal the save flags ask for.
    bool finishRawDataFile(ShotData* shot, quint64 sequence, bool ng);
    // Why the latest failed call failed, for the operator, and forgets it. Empty when no
    // call failed since, or when the cause was told before (the shot's file was never made).
    QString takeLastError();
    // The files of the latest shot created in this buffer (empty when none).
    QString allWavePath(const ShotData* shot) const;
    QString alarmPath(const ShotData* shot) const;
    qsizetype rowsWritten(const ShotData* shot) const;

    // Daily logs, called on the recording worker's thread from what the GUI thread took
    // at the shot's end. fileName creates the month folder and the file, tells whether
    // the file is new, and returns "" when it cannot be opened.
    QString fileName(bool& isNew, LogKind kind);
    bool writeLogHeader(int channelCount, LogEvent event);
    bool writeShotLog(const ShotLogFormat::Shot& shot);
    // The header names the molding machine's records; a new file gets it first.
    bool writeMachineLogHeader(const QStringList& recordNames);
    bool writeMachineLog(const QStringList& recordNames, const QString& line);

    static QString eventText(LogEvent event);

private:
    struct Settings
    {
        QString dataFolder;
        QString settingsName;
        quint8 rotationHour = 0;
        quint8 rotationMinute = 0;
        bool saveLog = true;
        bool saveAlarmWave = true;
        bool saveAllWave = true;
        Clock clock;
    };

    Settings settings() const;
    static QString rawFileStem(const QString& settingsName, qint32 shotNumber,
                               const QDateTime& now);
    QDate adjustedDate(const QDateTime& now, const Settings& s) const;
    static bool makeSubfolder(const QString& dataFolder, const QString& name);
    // Keeps the reason for lastError() and logs it; returns false.
    bool fail(const QString& reason);
    bool appendText(const QString& path, const QString& text);
    RawShotFile* rawFile(const ShotData* shot) const;

    mutable QMutex m_settingsLock;
    Settings m_settings;
    // Held for a whole raw file operation, so the paths can be asked from another thread.
    mutable QMutex m_rawLock;
    std::map<const ShotData*, std::unique_ptr<RawShotFile>> m_rawFiles;
    mutable QMutex m_errorLock;
    QString m_lastError;
};
