#include "FileController.h"

#include "RawFileFormat.h"
#include "RawShotFile.h"
#include "RecordText.h"
#include "ShotData.h"
#include "ShotLogFormat.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include <utility>

FileController::FileController(QObject* parent) : QObject(parent) {}

FileController::~FileController() = default;

FileController::Settings FileController::settings() const
{
    QMutexLocker lock(&m_settingsLock);
    return m_settings;
}

void FileController::setDataFolder(const QString& folder)
{
    QMutexLocker lock(&m_settingsLock);
    m_settings.dataFolder = folder;
}

QString FileController::dataFolder() const
{
    return settings().dataFolder;
}

void FileController::setRotationTime(int hour, int minute)
{
    qDebug() << "setRotationTime:" << hour << minute;
    QMutexLocker lock(&m_settingsLock);
    m_settings.rotationHour = quint8(hour);
    m_settings.rotationMinute = quint8(minute);
}

int FileController::rotationHour() const
{
    return settings().rotationHour;
}

int FileController::rotationMinute() const
{
    return settings().rotationMinute;
}

void FileController::setClock(Clock clock)
{
    QMutexLocker lock(&m_settingsLock);
    m_settings.clock = std::move(clock);
}

QDateTime FileController::currentDateTime() const
{
    const Clock clock = settings().clock;
    return clock ? clock() : QDateTime::currentDateTime();
}

QDate FileController::rotationAdjustedDate(const QDateTime& now) const
{
    return adjustedDate(now, settings());
}

QDate FileController::adjustedDate(const QDateTime& now, const Settings& s) const
{
    const int nowMinutes = now.time().hour() * 60 + now.time().minute();
    const int rotationMinutes = s.rotationHour * 60 + s.rotationMinute;
    return nowMinutes < rotationMinutes ? now.date().addDays(-1) : now.date();
}

void FileController::setSettingsName(const QString& name)
{
    QMutexLocker lock(&m_settingsLock);
    m_settings.settingsName = name;
}

QString FileController::settingsName() const
{
    return settings().settingsName;
}

void FileController::setSaveLog(bool on)
{
    QMutexLocker lock(&m_settingsLock);
    m_settings.saveLog = on;
}

bool FileController::saveLog() const
{
    return settings().saveLog;
}

void FileController::setSaveAlarmWave(bool on)
{
    QMutexLocker lock(&m_settingsLock);
    m_settings.saveAlarmWave = on;
}

bool FileController::saveAlarmWave() const
{
    return settings().saveAlarmWave;
}

void FileController::setSaveAllWave(bool on)
{
    QMutexLocker lock(&m_settingsLock);
    m_settings.saveAllWave = on;
}

bool FileController::saveAllWave() const
{
    return settings().saveAllWave;
}

// The day or month folder is made inside the data folder, never the data folder itself:
// one that has gone (an unmounted drive) must fail the write, not be made anew on the
// local disk, where the next start would record without a word.
bool FileController::makeSubfolder(const QString& dataFolder, const QString& name)
{
    return QFileInfo(dataFolder + QLatin1Char('/') + name).isDir() || QDir(dataFolder).mkdir(name);
}

// --- raw waveform files -------------------------------------------------------------

bool FileController::createNewRawDataFile(ShotData* shot, quint64 sequence)
{
    if (!shot)
        return false;
    // Whatever happens below, appends to this buffer no longer belong to its last shot.
    QMutexLocker lock(&m_rawLock);
    m_rawFiles.erase(shot);
    const Settings s = settings();
    if (s.dataFolder.isEmpty()) {
        // Without a folder the day folder would land at the file system's root.
        return fail(tr("No data folder to record into."));
    }
    const QDateTime now = s.clock ? s.clock() : QDateTime::currentDateTime();
    qDebug("Now    ->%s %02d:%02d", qPrintable(now.toString(QStringLiteral("yyyy-MM-dd"))),
           now.time().hour(), now.time().minute());
    const QDate day = adjustedDate(now, s);
    if (day != now.date()) {
        qDebug("Changed->%s %02d:%02d", qPrintable(day.toString(QStringLiteral("yyyy-MM-dd"))),
               s.rotationHour, s.rotationMinute);
    }
    const QString dayName = day.toString(QStringLiteral("yyyy-MM-dd"));
    const QString dayFolder = s.dataFolder + QLatin1Char('/') + dayName;
    if (!makeSubfolder(s.dataFolder, dayName)) {
        return fail(tr("Cannot make the folder %1.").arg(dayFolder));
    }

    const RawFileFormat::Header header = RawFileFormat::snapshot(*shot);
    // Checked after the snapshot, which a later shot's start may overtake.
    if (shot->sequence() != sequence) {
        return fail(tr("Shot lost: the recorder fell behind."));
    }
    const QString stem = rawFileStem(s.settingsName, header.shotNumber, now);
    auto file = std::make_unique<RawShotFile>(dayFolder + QStringLiteral("/all_") + stem,
                                              dayFolder + QStringLiteral("/alm_") + stem);
    const bool created =
        file->create(RawFileFormat::header(header), int(header.channels.size()), sequence);
    if (!created)
        fail(file->errorString());
    m_rawFiles[shot] = std::move(file);
    return created;
}

// settings name _ shot number in six digits or more _ creation time p.csv
QString FileController::rawFileStem(const QString& settingsName, qint32 shotNumber,
                                    const QDateTime& now)
{
    return RecordText::fileNamePart(settingsName) + QLatin1Char('_') +
           QStringLiteral("%1").arg(shotNumber, 6, 10, QLatin1Char('0')) + QLatin1Char('_') +
           now.toString(QStringLiteral("yyMMddhhmmss")) + QStringLiteral("p.csv");
}

bool FileController::saveRawDataIncremental(ShotData* shot)
{
    QMutexLocker lock(&m_rawLock);
    RawShotFile* file = rawFile(shot);
    if (!file || file->state() != RawShotFile::Open) {
        // Its creation failed or its rows were lost, which was told then.
        return false;
    }
    return file->appendRows(*shot) || fail(file->errorString());
}

bool FileController::finishRawDataFile(ShotData* shot, quint64 sequence, bool ng)
{
    QMutexLocker lock(&m_rawLock);
    RawShotFile* file = rawFile(shot);
    if (!file || file->shotSequence() != sequence) {
        return false; // as above
    }
    // Rows the buffer has lost to a later shot stay missing, but those written are this
    // shot's and still get the alarm copy its verdict asks for.
    const bool appended = file->appendRows(*shot);
    const Settings s = settings();
    const bool finished = file->finish(ng, s.saveAlarmWave, s.saveAllWave);
    return (appended && finished) || fail(file->errorString());
}

bool FileController::fail(const QString& reason)
{
    const QString text = reason.isEmpty() ? tr("Cannot record the shot.") : reason;
    qWarning().noquote() << text;
    QMutexLocker lock(&m_errorLock);
    m_lastError = text;
    return false;
}

QString FileController::takeLastError()
{
    QMutexLocker lock(&m_errorLock);
    return std::exchange(m_lastError, QString());
}

RawShotFile* FileController::rawFile(const ShotData* shot) const
{
    const auto found = m_rawFiles.find(shot);
    return found == m_rawFiles.end() ? nullptr : found->second.get();
}

QString FileController::allWavePath(const ShotData* shot) const
{
    QMutexLocker lock(&m_rawLock);
    const RawShotFile* file = rawFile(shot);
    return file ? file->allWavePath() : QString();
}

QString FileController::alarmPath(const ShotData* shot) const
{
    QMutexLocker lock(&m_rawLock);
    const RawShotFile* file = rawFile(shot);
    return file ? file->alarmPath() : QString();
}

qsizetype FileController::rowsWritten(const ShotData* shot) const
{
    QMutexLocker lock(&m_rawLock);
    const RawShotFile* file = rawFile(shot);
    return file ? file->rowsWritten() : 0;
}

// --- daily logs -----------------------------------------------------------------------

QString FileController::eventText(LogEvent event)
{
    switch (event) {
    case ManagerStarted:
        return tr("CVO Manager started.");
    case ConfigurationModified:
        return tr("System configuration modified.");
    case NewFileGenerated:
        return tr("New file generated.");
    }
    return QString();
}

QString FileController::fileName(bool& isNew, LogKind kind)
{
    const Settings s = settings();
    if (s.dataFolder.isEmpty()) {
        fail(tr("No data folder to record into."));
        return QString();
    }
    const QDateTime now = s.clock ? s.clock() : QDateTime::currentDateTime();
    const QDate day = adjustedDate(now, s);
    if (day != now.date()) {
        qDebug() << "Changed"
                 << QDateTime(day, now.time()).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    const QString monthName = day.toString(QStringLiteral("yyyy-MM"));
    const QString folder = s.dataFolder + QLatin1Char('/') + monthName;
    if (!makeSubfolder(s.dataFolder, monthName)) {
        fail(tr("Cannot make the folder %1.").arg(folder));
        return QString();
    }
    const QString stamp = day.toString(QStringLiteral("yyMMdd"));
    const QString path = kind == ShotLog
                             ? folder + QStringLiteral("/log_") +
                                   RecordText::fileNamePart(s.settingsName) + QLatin1Char('_') +
                                   stamp + QStringLiteral("p.csv")
                             : folder + QStringLiteral("/log_") + stamp + QStringLiteral(".csv");
    qDebug() << "File:" << path;
    isNew = !QFile::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        fail(tr("Cannot open %1: %2").arg(path, file.errorString()));
        return QString();
    }
    return path;
}

// Appends in one unbuffered write, so that a failure shows here. A write cut short (a full
// disk) is cut back to the last complete line: a reader would misparse a half line, and the
// next append would glue its line onto it.
bool FileController::appendText(const QString& path, const QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return fail(tr("Cannot open %1: %2").arg(path, file.errorString()));
    const qint64 end = file.size();
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) == bytes.size())
        return true;
    // A write cut short sets no error of its own: the disk is full.
    const QString why =
        file.error() == QFileDevice::NoError ? tr("the disk is full") : file.errorString();
    // A file that had nothing yet goes again, so that the next append starts it anew.
    const bool cut = end == 0 ? file.remove() : file.resize(end);
    if (!cut)
        qWarning() << "Could not cut" << path << "back to" << end << "bytes";
    return fail(tr("Cannot write to %1: %2").arg(path, why));
}

bool FileController::writeLogHeader(int channelCount, LogEvent event)
{
    bool isNew = false;
    const QString path = fileName(isNew, ShotLog);
    if (path.isEmpty())
        return false;
    return appendText(path,
                      ShotLogFormat::header(currentDateTime(), eventText(event), channelCount));
}

bool FileController::writeShotLog(const ShotLogFormat::Shot& shot)
{
    bool isNew = false;
    const QString path = fileName(isNew, ShotLog);
    if (path.isEmpty())
        return false;
    if (isNew && !writeLogHeader(int(shot.channels.size()), NewFileGenerated))
        return false;
    return appendText(path, ShotLogFormat::line(shot));
}

bool FileController::writeMachineLogHeader(const QStringList& recordNames)
{
    bool isNew = false;
    const QString path = fileName(isNew, MachineLog);
    if (path.isEmpty())
        return false;
    QString text = RecordText::wallClock(currentDateTime()) + QStringLiteral(" \nTime, Shot");
    for (const QString& name : recordNames)
        text += QStringLiteral(", ") + name;
    return appendText(path, text + QLatin1Char('\n'));
}

bool FileController::writeMachineLog(const QStringList& recordNames, const QString& line)
{
    bool isNew = false;
    const QString path = fileName(isNew, MachineLog);
    if (path.isEmpty())
        return false;
    if (isNew && !writeMachineLogHeader(recordNames))
        return false;
    return appendText(path, line);
}
