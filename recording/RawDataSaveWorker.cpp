#include "RawDataSaveWorker.h"

#include "FileController.h"

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

void RawDataSaveWorker::createNewRawDataFile(ShotData* shot)
{
    qDebug() << "RawDataSaveWorker createNewRawDataFile() threadid=" << QThread::currentThreadId();
    Q_EMIT rawDataFileCreated(shot, m_controller->createNewRawDataFile(shot));
}

void RawDataSaveWorker::saveRawDataIncremental(ShotData* shot, bool final)
{
    Q_EMIT rawDataSaved(shot, final, m_controller->saveRawDataIncremental(shot, final));
}
