#include "RawDataSaveWorker.h"

#include "MachineLogSource.h"

#include <QDebug>
#include <QThread>

RawDataSaveWorker::RawDataSaveWorker(FileController* controller)
    : m_controller(controller), m_thread(new QThread)
{
    m_thread->setObjectName(QStringLiteral("RawDataSaveWorker"));
    m_thread->start();
    moveToThread(m_thread);
}

RawDataSaveWorker::~RawDataSaveWorker()
{
    // Queued behind whatever the window has sent, so the last shot's final append is
    // still written before the thread stops.
    QThread* thread = m_thread;
    QMetaObject::invokeMethod(
        this, [thread] { thread->quit(); }, Qt::QueuedConnection);
    m_thread->wait();
    delete m_thread;
}

void RawDataSaveWorker::requestNewRawDataFile(ShotData* shot)
{
    const quint64 sequence = shot->sequence();
    QMetaObject::invokeMethod(
        this, [this, shot, sequence] { createNewRawDataFile(shot, sequence); },
        Qt::QueuedConnection);
}

void RawDataSaveWorker::requestRawDataSave(ShotData* shot, bool final)
{
    if (!final) {
        QMetaObject::invokeMethod(
            this, [this, shot] { saveRawDataIncremental(shot); }, Qt::QueuedConnection);
        return;
    }
    const quint64 sequence = shot->sequence();
    const bool ng = shot->isNG();
    QMetaObject::invokeMethod(
        this, [this, shot, sequence, ng] { finishRawDataFile(shot, sequence, ng); },
        Qt::QueuedConnection);
}

template <typename Write> void RawDataSaveWorker::queueLog(Write write)
{
    QMetaObject::invokeMethod(
        this, [this, write] { report(write(*m_controller)); }, Qt::QueuedConnection);
}

void RawDataSaveWorker::requestLogHeader(int channelCount, FileController::LogEvent event)
{
    queueLog([channelCount, event](FileController& files) {
        return files.writeLogHeader(channelCount, event);
    });
}

void RawDataSaveWorker::requestShotLog(const ShotData* shot)
{
    const ShotLogFormat::Shot summary = ShotLogFormat::snapshot(*shot);
    queueLog([summary](FileController& files) { return files.writeShotLog(summary); });
}

void RawDataSaveWorker::requestMachineLogHeader(const MachineLogSource* link)
{
    const QStringList names = link->recordNames();
    queueLog([names](FileController& files) { return files.writeMachineLogHeader(names); });
}

void RawDataSaveWorker::requestMachineLog(const MachineLogSource* link, const ShotData* shot)
{
    const QStringList names = link->recordNames();
    const QString line = link->buildLogLine(QString::number(quint32(shot->shotNumber())));
    queueLog([names, line](FileController& files) { return files.writeMachineLog(names, line); });
}

void RawDataSaveWorker::createNewRawDataFile(ShotData* shot, quint64 sequence)
{
    qDebug() << "RawDataSaveWorker createNewRawDataFile() threadid=" << QThread::currentThreadId();
    Q_EMIT rawDataFileCreated(shot, report(m_controller->createNewRawDataFile(shot, sequence)));
}

void RawDataSaveWorker::saveRawDataIncremental(ShotData* shot)
{
    Q_EMIT rawDataSaved(shot, false, report(m_controller->saveRawDataIncremental(shot)));
}

void RawDataSaveWorker::finishRawDataFile(ShotData* shot, quint64 sequence, bool ng)
{
    Q_EMIT rawDataSaved(shot, true, report(m_controller->finishRawDataFile(shot, sequence, ng)));
}

bool RawDataSaveWorker::report(bool ok)
{
    const QString reason = m_controller->takeLastError();
    // A failure whose cause was told before changes nothing.
    if (!ok && reason.isEmpty())
        return ok;
    const QString shown = ok ? QString() : reason;
    if (ok != m_ok || shown != m_reason) {
        m_ok = ok;
        m_reason = shown;
        Q_EMIT recordingStatusChanged(ok, shown);
    }
    return ok;
}
