#pragma once

#include <QFile>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <mosquitto.h>
#include <unistd.h>

// A mosquitto broker of the test's own on one loopback address, with persistence so that
// a subscriber's session survives stop() and start().
class Broker
{
public:
    explicit Broker(const QString& address, const QString& user = {}, const QString& pass = {})
        : m_address(address)
    {
        QString conf = QStringLiteral("listener %1 %2\npersistence true\npersistence_location %3/\n"
                                      "queue_qos0_messages true\n")
                           .arg(port())
                           .arg(address, m_dir.path());
        if (geteuid() == 0)
            conf += QStringLiteral("user root\n");
        if (user.isEmpty()) {
            conf += QStringLiteral("allow_anonymous true\n");
        } else {
            QProcess::execute(
                QStringLiteral("mosquitto_passwd"),
                {QStringLiteral("-c"), QStringLiteral("-b"), m_dir.filePath("pw"), user, pass});
            conf += QStringLiteral("allow_anonymous false\npassword_file %1\n")
                        .arg(m_dir.filePath("pw"));
        }
        QFile file(m_dir.filePath("broker.conf"));
        file.open(QIODevice::WriteOnly);
        file.write(conf.toUtf8());
    }
    ~Broker() { stop(); }

    static int port() { return 18830; }
    QString address() const { return m_address; }

    bool start()
    {
        m_process.start(QStringLiteral("/usr/sbin/mosquitto"),
                        {QStringLiteral("-c"), m_dir.filePath("broker.conf")});
        for (int i = 0; i < 100; ++i) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress(m_address), quint16(port()));
            if (probe.waitForConnected(100))
                return true;
            QTest::qWait(50);
        }
        return false;
    }
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill(), m_process.waitForFinished(5000);
    }

private:
    QString m_address;
    QTemporaryDir m_dir;
    QProcess m_process;
};

// A subscriber with a session the broker keeps, collecting every message. QoS 0 towards
// it: a broker stopped before the subscriber's acknowledgement would deliver again.
class Subscriber
{
public:
    Subscriber(const Broker& broker, const char* topic) : m_topic(topic)
    {
        mosquitto_lib_init();
        m_client = mosquitto_new("test-subscriber", false, this);
        mosquitto_connect_callback_set(m_client, [](mosquitto* m, void* self, int rc) {
            if (rc == 0)
                mosquitto_subscribe(m, nullptr, static_cast<Subscriber*>(self)->m_topic, 0);
        });
        mosquitto_subscribe_callback_set(m_client,
                                         [](mosquitto*, void* self, int, int, const int*) {
                                             static_cast<Subscriber*>(self)->m_subscribed = true;
                                         });
        mosquitto_message_callback_set(
            m_client, [](mosquitto*, void* self, const mosquitto_message* m) {
                auto* me = static_cast<Subscriber*>(self);
                QMutexLocker lock(&me->m_mutex);
                me->m_messages.append(
                    {QString::fromUtf8(m->topic),
                     QByteArray(static_cast<const char*>(m->payload), m->payloadlen)});
            });
        mosquitto_connect_async(m_client, broker.address().toUtf8().constData(), Broker::port(), 5);
        mosquitto_loop_start(m_client);
    }
    ~Subscriber()
    {
        mosquitto_disconnect(m_client);
        mosquitto_loop_stop(m_client, true);
        mosquitto_destroy(m_client);
    }

    bool subscribed() const { return m_subscribed; }
    // The payloads that arrived on `topic`, in order.
    QList<QByteArray> payloads(const QString& topic) const
    {
        QMutexLocker lock(&m_mutex);
        QList<QByteArray> found;
        for (const auto& [t, payload] : m_messages)
            if (t == topic)
                found.append(payload);
        return found;
    }
    QJsonObject json(const QString& topic, qsizetype i) const
    {
        return QJsonDocument::fromJson(payloads(topic).value(i)).object();
    }

private:
    const char* m_topic;
    mosquitto* m_client;
    std::atomic<bool> m_subscribed{false};
    mutable QMutex m_mutex;
    QList<QPair<QString, QByteArray>> m_messages;
};
