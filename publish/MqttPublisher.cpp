#include "MqttPublisher.h"

#include "PublishQueue.h"

#include <QDebug>
#include <QMutexLocker>
#include <QThread>

MqttPublisher::MqttPublisher(const PublishSettings& settings, const QString& queuePath,
                             QObject* parent)
    : QObject(parent), m_settings(settings), m_queuePath(queuePath),
      m_capacity(PublishQueue::DefaultCapacity)
{
    qRegisterMetaType<MqttPublisher::State>("MqttPublisher::State");
}

MqttPublisher::~MqttPublisher()
{
    if (!m_thread)
        return;
    {
        QMutexLocker lock(&m_mutex);
        m_stop = true;
        m_wake.notify_all();
    }
    m_thread->wait();
    delete m_thread;
}

void MqttPublisher::start()
{
    if (m_thread)
        return;
    m_thread = QThread::create([this] { run(); });
    m_thread->setObjectName(QStringLiteral("MqttPublisher"));
    m_thread->start();
}

void MqttPublisher::publishShot(const QByteArray& payload)
{
    QMutexLocker lock(&m_mutex);
    m_incoming.append(payload);
    m_wake.notify_all();
}

void MqttPublisher::setUnitStatus(bool dataLinkUp, bool monitorMode)
{
    QMutexLocker lock(&m_mutex);
    if (dataLinkUp == m_dataLinkUp && monitorMode == m_monitorMode)
        return;
    m_dataLinkUp = dataLinkUp;
    m_monitorMode = monitorMode;
    m_statusDirty = true;
    m_wake.notify_all();
}

MqttPublisher::State MqttPublisher::state() const
{
    QMutexLocker lock(&m_mutex);
    return m_state;
}

QString MqttPublisher::stateDetail() const
{
    QMutexLocker lock(&m_mutex);
    return m_detail;
}

qint64 MqttPublisher::queuedCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_queued;
}

void MqttPublisher::setState(State state, const QString& detail)
{
    {
        QMutexLocker lock(&m_mutex);
        if (state == m_state && detail == m_detail)
            return;
        m_state = state;
        m_detail = detail;
    }
    qInfo().noquote() << "Publisher:" << detail;
    Q_EMIT stateChanged(state, detail);
}

void MqttPublisher::reportQueued(qint64 count)
{
    {
        QMutexLocker lock(&m_mutex);
        if (count == m_queued)
            return;
        m_queued = count;
    }
    Q_EMIT queuedCountChanged(count);
}
