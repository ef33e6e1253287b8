// The publisher's own thread: the queue, the libmosquitto client and its network loop.
// Callbacks run inside mosquitto_loop() on this thread and only note what happened; the
// client is created and destroyed outside them.

#include "MqttPublisher.h"

#include "PublishQueue.h"

#include <QDateTime>
#include <QDebug>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>

#include <mosquitto.h>

#include <cerrno>
#include <cstring>
#include <limits>
#include <mutex>

namespace {

constexpr int KeepAliveSeconds = 30;
constexpr int LoopWaitMs = 25;
constexpr int IdleWaitMs = 50;
// Summaries handed to the client at a time; the rest wait in the queue.
constexpr int SendWindow = 100;
constexpr int OfflineStatusWaitMs = 2000;

qint64 nowMs()
{
    static QElapsedTimer clock;
    static std::once_flag started;
    std::call_once(started, [] { clock.start(); });
    return clock.elapsed();
}

QString reasonText(int rc)
{
    if (rc == MOSQ_ERR_ERRNO)
        return QString::fromLocal8Bit(std::strerror(errno));
    return QString::fromUtf8(mosquitto_strerror(rc));
}

} // namespace

void MqttPublisher::run()
{
    PublishQueue queue(m_queuePath, m_capacity);
    const bool ready = queue.open();
    if (!ready)
        setState(State::Failed, tr("The publish queue \"%1\" cannot be opened: %2")
                                    .arg(m_queuePath, queue.errorText()));
    else if (createClient())
        m_queue = &queue;
    if (!m_queue) {
        // Nothing can be kept: summaries are dropped, but counted in the log.
        QMutexLocker lock(&m_mutex);
        while (!m_stop)
            m_wake.wait_for(m_mutex, std::chrono::milliseconds(IdleWaitMs));
        if (!m_incoming.isEmpty())
            qWarning() << "Publisher not running:" << m_incoming.size() << "summaries dropped";
        destroyClient();
        return;
    }
    reportQueued(queue.size());
    qint64 lastReported = queue.size();
    while (true) {
        {
            QMutexLocker lock(&m_mutex);
            if (!m_stop && !m_connected && !m_connecting && m_incoming.isEmpty())
                m_wake.wait_for(m_mutex, std::chrono::milliseconds(IdleWaitMs));
            if (m_stop)
                break;
        }
        storeIncoming(queue);
        if (!m_connected && !m_connecting && nowMs() >= m_nextAttemptMs)
            connectToBroker();
        if (m_connecting && nowMs() - m_connectStartedMs > ConnectTimeoutMs)
            loseConnection(tr("No answer from the broker"));
        if (m_connected) {
            publishStatus(true);
            sendQueued(queue);
        }
        if (m_connected || m_connecting) {
            m_lost = false;
            const int rc = mosquitto_loop(m_client, LoopWaitMs, 1);
            if (rc != MOSQ_ERR_SUCCESS || m_lost)
                loseConnection(rc != MOSQ_ERR_SUCCESS ? reasonText(rc)
                                                      : tr("The broker closed the connection"));
        }
        if (queue.size() != lastReported) {
            lastReported = queue.size();
            reportQueued(lastReported);
        }
    }
    storeIncoming(queue);
    reportQueued(queue.size());
    finishOnline();
    destroyClient();
    m_queue = nullptr;
}

bool MqttPublisher::createClient()
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { mosquitto_lib_init(); });
    const QByteArray clientId = (QStringLiteral("cvo-") + m_settings.station).toUtf8();
    m_client = mosquitto_new(clientId.constData(), true, this);
    if (!m_client) {
        setState(State::Failed, tr("The MQTT client could not be created"));
        return false;
    }
    mosquitto_int_option(m_client, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    mosquitto_connect_callback_set(m_client, [](mosquitto*, void* self, int rc) {
        static_cast<MqttPublisher*>(self)->onConnect(rc);
    });
    mosquitto_disconnect_callback_set(m_client, [](mosquitto*, void* self, int rc) {
        static_cast<MqttPublisher*>(self)->onDisconnect(rc);
    });
    mosquitto_publish_callback_set(m_client, [](mosquitto*, void* self, int mid) {
        static_cast<MqttPublisher*>(self)->onPublish(mid);
    });
    if (!m_settings.user.isEmpty()) {
        mosquitto_username_pw_set(
            m_client, m_settings.user.toUtf8().constData(),
            m_settings.password.isEmpty() ? nullptr : m_settings.password.toUtf8().constData());
    }
    const QByteArray topic = m_settings.statusTopic().toUtf8();
    const QByteArray will =
        QJsonDocument(QJsonObject{{QStringLiteral("state"), QStringLiteral("offline")}})
            .toJson(QJsonDocument::Compact);
    mosquitto_will_set(m_client, topic.constData(), int(will.size()), will.constData(), 1, true);
    if (!m_settings.tls)
        return true;
    const QByteArray caFile = m_settings.caFile.toLocal8Bit();
    // Without a file of its own the broker is checked against the system's authorities.
    const int rc =
        mosquitto_tls_set(m_client, caFile.isEmpty() ? nullptr : caFile.constData(),
                          caFile.isEmpty() ? "/etc/ssl/certs" : nullptr, nullptr, nullptr, nullptr);
    if (rc != MOSQ_ERR_SUCCESS) {
        setState(State::Failed,
                 tr("TLS cannot be set up with \"%1\": %2").arg(m_settings.caFile, reasonText(rc)));
        return false;
    }
    const bool verify = m_settings.verifyCertificate;
    mosquitto_tls_opts_set(m_client, verify ? 1 : 0, nullptr, nullptr);
    mosquitto_tls_insecure_set(m_client, !verify);
    if (!verify)
        qWarning() << "Publisher: the broker's certificate is not verified";
    return true;
}

void MqttPublisher::destroyClient()
{
    if (m_client)
        mosquitto_destroy(m_client);
    m_client = nullptr;
}

void MqttPublisher::connectToBroker()
{
    m_refused = false;
    m_connecting = true;
    m_connectStartedMs = nowMs();
    // A failure stays shown through the retries until one succeeds.
    const State shown = state();
    if (shown != State::Refused && shown != State::Unreachable)
        setState(State::Connecting,
                 tr("Connecting to %1:%2").arg(m_settings.host).arg(m_settings.port));
    const int rc = mosquitto_connect_async(m_client, m_settings.host.toUtf8().constData(),
                                           m_settings.port, KeepAliveSeconds);
    if (rc != MOSQ_ERR_SUCCESS)
        loseConnection(reasonText(rc));
}

void MqttPublisher::storeIncoming(PublishQueue& queue)
{
    QList<QByteArray> incoming;
    {
        QMutexLocker lock(&m_mutex);
        incoming.swap(m_incoming);
    }
    for (const QByteArray& payload : std::as_const(incoming)) {
        const qint64 dropped = queue.append(payload);
        if (dropped < 0)
            qWarning().noquote() << "Publisher: a summary could not be queued:"
                                 << queue.errorText();
        else if (dropped > 0)
            qWarning() << "Publisher: queue full," << dropped << "oldest summaries dropped";
    }
}

void MqttPublisher::sendQueued(PublishQueue& queue)
{
    if (m_inFlight.size() >= SendWindow / 2)
        return;
    const QByteArray topic = m_settings.shotTopic().toUtf8();
    const QList<PublishQueue::Entry> entries =
        queue.next(m_lastSentId, SendWindow - int(m_inFlight.size()));
    for (const PublishQueue::Entry& entry : entries) {
        int mid = 0;
        const int rc =
            mosquitto_publish(m_client, &mid, topic.constData(), int(entry.payload.size()),
                              entry.payload.constData(), 1, false);
        if (rc != MOSQ_ERR_SUCCESS) {
            loseConnection(reasonText(rc));
            return;
        }
        m_inFlight.insert(mid, entry.id);
        m_lastSentId = entry.id;
    }
}

void MqttPublisher::publishStatus(bool online)
{
    QJsonObject status;
    {
        QMutexLocker lock(&m_mutex);
        if (online && !m_statusDirty)
            return;
        m_statusDirty = false;
        status = QJsonObject{
            {QStringLiteral("state"),
             online ? QStringLiteral("online") : QStringLiteral("offline")},
            {QStringLiteral("dataLink"),
             m_dataLinkUp ? QStringLiteral("up") : QStringLiteral("down")},
            {QStringLiteral("mode"),
             m_monitorMode ? QStringLiteral("monitor") : QStringLiteral("maintenance")},
            {QStringLiteral("time"),
             QDateTime::currentDateTime()
                 .toOffsetFromUtc(QDateTime::currentDateTime().offsetFromUtc())
                 .toString(Qt::ISODateWithMs)},
        };
    }
    const QByteArray payload = QJsonDocument(status).toJson(QJsonDocument::Compact);
    const QByteArray topic = m_settings.statusTopic().toUtf8();
    mosquitto_publish(m_client, &m_statusMid, topic.constData(), int(payload.size()),
                      payload.constData(), 1, true);
}

void MqttPublisher::loseConnection(const QString& reason)
{
    const bool refused = m_refused;
    m_connected = false;
    m_connecting = false;
    // A fresh client forgets what the old one still held: after reconnecting, the queue
    // is sent again from its oldest entry, so nothing is skipped and nothing doubled by
    // the library's own resending.
    destroyClient();
    m_inFlight.clear();
    m_lastSentId = 0;
    m_statusMid = -1;
    {
        QMutexLocker lock(&m_mutex);
        m_statusDirty = true;
    }
    m_nextAttemptMs = nowMs() + m_retryMs;
    if (!createClient()) {
        m_nextAttemptMs = std::numeric_limits<qint64>::max();
        return;
    }
    if (!refused)
        setState(State::Unreachable, tr("Broker %1:%2 not reachable: %3")
                                         .arg(m_settings.host)
                                         .arg(m_settings.port)
                                         .arg(reason));
}

// The will is for a lost connection; a clean end says offline itself.
void MqttPublisher::finishOnline()
{
    if (!m_connected)
        return;
    {
        QMutexLocker lock(&m_mutex);
        m_statusDirty = true;
    }
    publishStatus(false);
    const int offlineMid = m_statusMid;
    const qint64 deadline = nowMs() + OfflineStatusWaitMs;
    while (m_connected && m_statusMid == offlineMid && nowMs() < deadline) {
        if (mosquitto_loop(m_client, LoopWaitMs, 1) != MOSQ_ERR_SUCCESS)
            break;
    }
    mosquitto_disconnect(m_client);
    mosquitto_loop(m_client, LoopWaitMs, 1);
    m_connected = false;
}

void MqttPublisher::onConnect(int rc)
{
    m_connecting = false;
    if (rc == 0) {
        m_connected = true;
        setState(State::Connected,
                 tr("Connected to %1:%2").arg(m_settings.host).arg(m_settings.port));
        return;
    }
    m_refused = true;
    m_lost = true;
    setState(State::Refused, tr("Broker %1:%2 refused the connection: %3")
                                 .arg(m_settings.host)
                                 .arg(m_settings.port)
                                 .arg(QString::fromUtf8(mosquitto_connack_string(rc))));
}

void MqttPublisher::onDisconnect(int)
{
    m_lost = true;
}

void MqttPublisher::onPublish(int mid)
{
    if (mid == m_statusMid) {
        m_statusMid = -1;
        return;
    }
    const auto entry = m_inFlight.constFind(mid);
    if (entry == m_inFlight.constEnd())
        return;
    if (!m_queue->remove(*entry))
        qWarning().noquote() << "Publisher: a delivered summary stays queued:"
                             << m_queue->errorText();
    m_inFlight.erase(entry);
}
