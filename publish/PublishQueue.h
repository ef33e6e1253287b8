#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The shot summaries not yet acknowledged by the broker, oldest first, in an SQLite
// database so that they survive the broker's absence and a restart of the manager.
// Bounded: past its capacity the oldest are dropped. Use from one thread only (the
// database connection belongs to the thread that opened it).
class PublishQueue
{
public:
    static constexpr qint64 DefaultCapacity = 100000;

    struct Entry
    {
        qint64 id = 0;
        QByteArray payload;
    };

    explicit PublishQueue(const QString& path, qint64 capacity = DefaultCapacity);
    ~PublishQueue();
    PublishQueue(const PublishQueue&) = delete;
    PublishQueue& operator=(const PublishQueue&) = delete;

    // Opens or creates the database; false with the reason in errorText() otherwise.
    bool open();
    QString errorText() const { return m_error; }

    // Appends at the end; returns how many of the oldest entries were dropped to make
    // room, or -1 when the entry could not be stored.
    qint64 append(const QByteArray& payload);
    // Up to `count` entries after the entry `afterId`, oldest first.
    QList<Entry> next(qint64 afterId, int count);
    bool remove(qint64 id);
    qint64 size() const { return m_size; }

private:
    bool exec(const QString& statement);
    qint64 dropOldest(qint64 count);

    QString m_path;
    QString m_connection;
    qint64 m_capacity;
    qint64 m_size = 0;
    QString m_error;
};
