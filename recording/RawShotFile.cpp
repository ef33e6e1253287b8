#include "RawShotFile.h"

#include "RawFileFormat.h"
#include "ShotData.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

RawShotFile::RawShotFile(const QString& allWavePath, const QString& alarmPath)
    : m_allWavePath(allWavePath), m_alarmPath(alarmPath)
{
}

bool RawShotFile::create(const QString& header, int channelCount, quint64 shotSequence)
{
    m_channelCount = channelCount;
    m_shotSequence = shotSequence;
    m_rowsWritten = 0;
    if (!openFile()) {
        qDebug("createNewRawDataFile() failed.");
        m_state = Failed;
        return false;
    }
    m_state = appendBytes(header.toUtf8()) ? Open : Failed;
    // Without its header the file would be an empty data file to every reader.
    if (m_state == Failed && m_fileSize == 0)
        QFile::remove(m_allWavePath);
    return m_state == Open;
}

// The file stays open from its creation to the end of the shot: opening it for each of a
// shot's hundred appends cost more than writing their rows.
bool RawShotFile::openFile()
{
    m_file.setFileName(m_allWavePath);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text |
                     QIODevice::Unbuffered)) {
        m_error = QStringLiteral("Cannot open %1: %2").arg(m_allWavePath, m_file.errorString());
        return false;
    }
    m_fileSize = m_file.size();
    return true;
}

// Appends `bytes` in one write. A failed write (a full disk) is cut off again, because a
// half-written row would be read back as a row of zeros; the file is then closed, and the
// next append opens it anew.
bool RawShotFile::appendBytes(const QByteArray& bytes)
{
    // A file removed meanwhile (its folder deleted, say) would take the rows without
    // complaint into an inode that nobody can read: opening it anew tells the failure, or
    // starts the file again, as it always has.
    if (m_file.isOpen() && !QFileInfo::exists(m_allWavePath))
        m_file.close();
    if (!m_file.isOpen() && !openFile())
        return false;
    if (m_file.write(bytes) == bytes.size()) {
        m_fileSize += bytes.size();
        return true;
    }
    // A write cut short sets no error of its own: the disk is full.
    const QString why = m_file.error() == QFileDevice::NoError ? QStringLiteral("the disk is full")
                                                               : m_file.errorString();
    m_error = QStringLiteral("Cannot write to %1: %2").arg(m_allWavePath, why);
    qWarning() << m_error;
    if (!m_file.resize(m_fileSize))
        qWarning() << "Could not cut" << m_allWavePath << "back to" << m_fileSize << "bytes";
    m_file.close();
    return false;
}

bool RawShotFile::appendRows(const ShotData& shot)
{
    if (m_state != Open)
        return false;
    QList<QList<float>> columns;
    QList<bool> enabled;
    qsizetype rowCount = 0;
    if (!takeNewRows(shot, columns, enabled, rowCount)) {
        m_error = QStringLiteral("Rows lost: the recorder fell behind; %1 keeps its %2 rows")
                      .arg(m_allWavePath)
                      .arg(m_rowsWritten);
        qWarning() << m_error;
        m_state = Abandoned;
        m_file.close();
        return false;
    }
    if (rowCount == 0)
        return true;
    if (!writeRows(shot.samplingInterval(), rowCount, columns, enabled))
        return false;
    m_rowsWritten += rowCount;
    return true;
}

bool RawShotFile::takeNewRows(const ShotData& shot, QList<QList<float>>& columns,
                              QList<bool>& enabled, qsizetype& rowCount)
{
    // The buffer has begun another shot since this file was made.
    if (shot.sequence() != m_shotSequence || shot.channelCount() != m_channelCount)
        return false;
    qsizetype complete = -1;
    for (int c = 0; c < m_channelCount; ++c) {
        const ChannelShotData* channel = shot.channel(c);
        if (!channel)
            return false;
        const qsizetype count = channel->sampleCount();
        complete = complete < 0 ? count : std::min(complete, count);
    }
    complete = std::max<qsizetype>(complete, 0);
    if (complete < m_rowsWritten)
        return false; // cleared since the last append
    rowCount = complete - m_rowsWritten;
    if (rowCount == 0)
        return true;
    columns.reserve(m_channelCount);
    enabled.reserve(m_channelCount);
    for (int c = 0; c < m_channelCount; ++c) {
        const ChannelShotData* channel = shot.channel(c);
        if (!channel)
            return false;
        columns.append(channel->samples(m_rowsWritten, rowCount));
        // A buffer cleared between counting and copying yields fewer samples.
        if (columns.last().size() != rowCount)
            return false;
        enabled.append(channel->enabled());
    }
    // A recorder that fell behind may copy while the buffer is cleared and refilled with
    // the next shot: the copy is this shot's only if no other shot has begun meanwhile.
    return shot.sequence() == m_shotSequence;
}

bool RawShotFile::writeRows(quint8 interval, qsizetype rowCount, const QList<QList<float>>& columns,
                            const QList<bool>& enabled)
{
    // When the file cannot be opened or written the rows stay unwritten and the next append tries
    // them again.
    m_rowText.clear(); // keeps its capacity for the next append
    RawFileFormat::writeRows(m_rowText, interval, m_rowsWritten, rowCount, columns, enabled);
    return appendBytes(m_rowText);
}

bool RawShotFile::finish(bool ng, bool saveAlarmWave, bool saveAllWave)
{
    // An abandoned file still holds this shot's first rows, and an NG shot its alarm copy.
    if (m_state != Open && m_state != Abandoned)
        return false;
    m_state = Finished;
    m_file.close();
    const bool alarmWanted = saveAlarmWave && ng;
    const bool alarmMade = alarmWanted && makeAlarmCopy();
    if (saveAllWave)
        return alarmMade || !alarmWanted;
    if (alarmWanted && !alarmMade) {
        qWarning() << "Keeping" << m_allWavePath << "because its alarm copy was not made.";
        return false;
    }
    if (!QFile::remove(m_allWavePath)) {
        m_error = QStringLiteral("Cannot remove %1").arg(m_allWavePath);
        qWarning() << m_error;
        return false;
    }
    return true;
}

bool RawShotFile::makeAlarmCopy()
{
    // An existing alarm file is left as it is: it may hold another recording.
    if (QFile::exists(m_alarmPath)) {
        m_error = QStringLiteral("Alarm file %1 exists already; not replaced").arg(m_alarmPath);
        qWarning() << m_error;
        return false;
    }
    if (!QFile::copy(m_allWavePath, m_alarmPath)) {
        m_error = QStringLiteral("Cannot copy %1 to %2").arg(m_allWavePath, m_alarmPath);
        qWarning() << m_error;
        return false;
    }
    return true;
}
