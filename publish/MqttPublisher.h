#pragma once

#include "PublishSettings.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <memory>

class PublishQueue;
class QThread;
struct mosquitto;

// Publishes each shot summary to "<prefix>/<station>/shot" (QoS 1) and keeps the
// retained "<prefix>/<station>/status" (online; offline by last will; the data link and
// the operating mode). Runs the libmosquitto client and the on-disk queue on a thread
// of its own: a summary goes to the queue first and leaves it when the broker has
// acknowledged it, so summaries wait out the broker's absence and a restart of the
// manager, and arrive in order.
class MqttPublisher : public QObject
{
    Q_OBJECT

public:
    enum class State
    {
        Connecting,  // no answer from the broker yet
        Connected,   // summaries flow
        Refused,     // the broker answered and refused (credentials, client id)
        Unreachable, // no connection could be made, retried
        Failed       // cannot start at all (queue file, TLS files)
    };
    Q_ENUM(State)

    static constexpr int DefaultRetryMs = 3000;
    static constexpr int ConnectTimeoutMs = 10000;

    MqttPublisher(const PublishSettings& settings, const QString& queuePath,
                  QObject* parent = nullptr);
    // Publishes the offline status when connected, then stops the thread. Summaries not
    // yet acknowledged stay in the queue for the next start.
    ~MqttPublisher() override;

    void setRetryInterval(int ms) { m_retryMs = ms; }
    void setQueueCapacity(qint64 capacity) { m_capacity = capacity; }
    void start();

    // Any thread: queue a summary for delivery.
    void publishShot(const QByteArray& payload);
    // Any thread: the unit's side of the retained status, republished when it changes.
    void setUnitStatus(bool dataLinkUp, bool monitorMode);

    State state() const;
    QString stateDetail() const;
    qint64 queuedCount() const;

Q_SIGNALS:
    // From the publisher's thread; the detail is for the operator (broker, reason).
    void stateChanged(MqttPublisher::State state, const QString& detail);
    void queuedCountChanged(qint64 count);

private:
    // The publisher's thread (MqttPublisherLoop.cpp).
    void run();
    bool createClient();
    void destroyClient();
    void connectToBroker();
    void storeIncoming(PublishQueue& queue);
    void sendQueued(PublishQueue& queue);
    void publishStatus(bool online);
    void loseConnection(const QString& reason);
    void finishOnline();
    void setState(State state, const QString& detail);
    void onConnect(int rc);
    void onDisconnect(int rc);
    void onPublish(int mid);
    void reportQueued(qint64 count);

    const PublishSettings m_settings;
    const QString m_queuePath;
    int m_retryMs = DefaultRetryMs;
    qint64 m_capacity;
    QThread* m_thread = nullptr;

    // Shared with the caller's thread, under m_mutex.
    mutable QMutex m_mutex;
    // Waits on the QMutex through the standard library, which thread checkers see into.
    std::condition_variable_any m_wake;
    QList<QByteArray> m_incoming;
    bool m_stop = false;
    bool m_statusDirty = true;
    bool m_dataLinkUp = false;
    bool m_monitorMode = true;
    State m_state = State::Connecting;
    QString m_detail;
    qint64 m_queued = 0;

    // The publisher's thread only.
    mosquitto* m_client = nullptr;
    PublishQueue* m_queue = nullptr;
    bool m_connected = false;
    bool m_connecting = false;
    bool m_refused = false;
    bool m_lost = false;
    qint64 m_nextAttemptMs = 0;
    qint64 m_connectStartedMs = 0;
    qint64 m_lastSentId = 0;
    QHash<int, qint64> m_inFlight; // message id -> queue entry
    int m_statusMid = -1;
};
