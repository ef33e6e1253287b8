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
    post([thread] { thread->quit(); });
    m_thread->wait();
    // The worker took the last task under this lock, after everything it wrote; taking it
    // here shows that order to thread checkers, which cannot see into QThread::wait().
    std::lock_guard lock(m_tasksMutex);
    delete m_thread;
}

void RawDataSaveWorker::post(std::function<void()> task)
{
    {
        std::lock_guard lock(m_tasksMutex);
        m_tasks.push_back(std::move(task));
    }
    QMetaObject::invokeMethod(this, "runNext", Qt::QueuedConnection);
}

void RawDataSaveWorker::runNext()
{
    std::function<void()> task;
    {
        std::lock_guard lock(m_tasksMutex);
        if (m_tasks.empty())
            return;
        task = std::move(m_tasks.front());
        m_tasks.pop_front();
    }
    task();
}

void RawDataSaveWorker::requestNewRawDataFile(ShotData* shot)
{
    const quint64 sequence = shot->sequence();
    post([this, shot, sequence] { createNewRawDataFile(shot, sequence); });
}

void RawDataSaveWorker::requestRawDataSave(ShotData* shot, bool final)
{
    if (!final) {
        post([this, shot] { saveRawDataIncremental(shot); });
        return;
    }
    const quint64 sequence = shot->sequence();
    const bool ng = shot->isNG();
    post([this, shot, sequence, ng] { finishRawDataFile(shot, sequence, ng); });
}

void RawDataSaveWorker::requestCallback(std::function<void()> callback)
{
    post(std::move(callback));
}

template <typename Write> void RawDataSaveWorker::queueLog(Write write)
{
    post([this, write] { report(write(*m_controller)); });
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
