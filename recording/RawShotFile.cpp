#include "RawShotFile.h"

#include "RawFileFormat.h"
#include "ShotData.h"

#include <QDebug>
#include <QFile>

#include <algorithm>

namespace {

enum class Append
{
    Done,
    OpenFailed,
    WriteFailed
};

// Appends `bytes` in one write. A failed write (a full disk) is cut off again, because a
// half-written row would be read back as a row of zeros.
Append appendTo(const QString& path, QString& error, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text |
                   QIODevice::Unbuffered)) {
        error = QStringLiteral("Cannot open %1: %2").arg(path, file.errorString());
        return Append::OpenFailed;
    }
    const qint64 sizeBefore = file.size();
    if (file.write(bytes) == bytes.size())
        return Append::Done;
    error = QStringLiteral("Cannot write to %1: %2").arg(path, file.errorString());
    qWarning() << error;
    file.close();
    if (!QFile::resize(path, sizeBefore))
        qWarning() << "Could not cut" << path << "back to" << sizeBefore << "bytes";
    return Append::WriteFailed;
}

} // namespace

RawShotFile::RawShotFile(const QString& allWavePath, const QString& alarmPath)
    : m_allWavePath(allWavePath), m_alarmPath(alarmPath)
{
}

bool RawShotFile::create(const QString& header, int channelCount, quint64 shotSequence)
{
    m_channelCount = channelCount;
    m_shotSequence = shotSequence;
    m_rowsWritten = 0;
    const Append result = appendTo(m_allWavePath, m_error, header.toUtf8());
    if (result == Append::OpenFailed)
        qDebug("createNewRawDataFile() failed.");
    m_state = result == Append::Done ? Open : Failed;
    return m_state == Open;
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
    // When the file cannot be opened the rows stay unwritten and the next append tries
    // them again.
    m_rowText.clear(); // keeps its capacity for the next append
    RawFileFormat::writeRows(m_rowText, interval, m_rowsWritten, rowCount, columns, enabled);
    return appendTo(m_allWavePath, m_error, m_rowText) == Append::Done;
}

bool RawShotFile::finish(bool ng, bool saveAlarmWave, bool saveAllWave)
{
    // An abandoned file still holds this shot's first rows, and an NG shot its alarm copy.
    if (m_state != Open && m_state != Abandoned)
        return false;
    m_state = Finished;
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
