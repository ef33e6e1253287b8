#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

class ShotData;

// The raw waveform file of one shot, from its creation to the end of the shot.
//
// It remembers which rows are already in the file, so an append writes only the new
// complete rows, and it notices when its ShotData buffer has been cleared or reshaped
// for another shot: from then on it writes nothing more, because the buffer no longer
// holds this shot's samples.
class RawShotFile
{
public:
    enum State
    {
        Pending,  // not created yet
        Open,     // header written, rows being appended
        Failed,   // the file could not be created
        Finished, // the final append is done
        Abandoned // the buffer was cleared or reshaped for another shot
    };

    RawShotFile(const QString& allWavePath, const QString& alarmPath);

    // Creates the file and writes the header. The header fixes the channel count that
    // every later append must match.
    bool create(const QString& header, int channelCount, quint64 shotSequence);
    // Appends the complete rows not yet written: those that every channel has reached.
    // On a failed write the file is cut back to its last complete row and the rows are
    // tried again by the next append.
    bool appendRows(const ShotData& shot);
    // Makes the alarm copy of an NG shot and removes the file when all-wave saving is
    // off; ng is the verdict taken when the shot ended. The file is kept when a wanted alarm copy
    // could not be made, so that the NG shot is not lost. False when anything wanted could not be
    // done.
    bool finish(bool ng, bool saveAlarmWave, bool saveAllWave);

    State state() const { return m_state; }
    const QString& allWavePath() const { return m_allWavePath; }
    const QString& alarmPath() const { return m_alarmPath; }
    qsizetype rowsWritten() const { return m_rowsWritten; }
    quint64 shotSequence() const { return m_shotSequence; }
    // Why the latest operation that returned false failed.
    const QString& errorString() const { return m_error; }

private:
    // Copies the samples of rows m_rowsWritten .. n-1 of every channel, n being the
    // smallest sample count. False when the buffer no longer matches this shot.
    bool takeNewRows(const ShotData& shot, QList<QList<float>>& columns, QList<bool>& enabled,
                     qsizetype& rowCount);
    bool writeRows(quint8 interval, qsizetype rowCount, const QList<QList<float>>& columns,
                   const QList<bool>& enabled);
    bool makeAlarmCopy();
    bool openFile();
    bool appendBytes(const QByteArray& bytes);

    QString m_allWavePath;
    QString m_alarmPath;
    State m_state = Pending;
    int m_channelCount = 0;
    quint64 m_shotSequence = 0;
    qsizetype m_rowsWritten = 0;
    QString m_error;
    QByteArray m_rowText; // the text of one append, reused
    QFile m_file;
    qint64 m_fileSize = 0; // the end of the last complete append
};
