#include "PublishQueue.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace {

QString uniqueConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("cvo-publish-queue-%1").arg(++counter);
}

} // namespace

PublishQueue::PublishQueue(const QString& path, qint64 capacity)
    : m_path(path), m_connection(uniqueConnectionName()), m_capacity(std::max<qint64>(1, capacity))
{
}

PublishQueue::~PublishQueue()
{
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool PublishQueue::open()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    if (!db.open()) {
        m_error = db.lastError().text();
        return false;
    }
    // WAL with normal syncing: a committed entry survives the manager's end, and an
    // acknowledgement costs no full disk flush.
    if (!exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
        !exec(QStringLiteral("PRAGMA synchronous=NORMAL")) ||
        !exec(QStringLiteral("CREATE TABLE IF NOT EXISTS summaries (id INTEGER PRIMARY KEY "
                             "AUTOINCREMENT, payload BLOB NOT NULL)")))
        return false;
    QSqlQuery count(db);
    if (!count.exec(QStringLiteral("SELECT COUNT(*) FROM summaries")) || !count.next()) {
        m_error = count.lastError().text();
        return false;
    }
    m_size = count.value(0).toLongLong();
    return true;
}

bool PublishQueue::exec(const QString& statement)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (query.exec(statement))
        return true;
    m_error = query.lastError().text();
    return false;
}

qint64 PublishQueue::append(const QByteArray& payload)
{
    QSqlQuery insert(QSqlDatabase::database(m_connection, false));
    insert.prepare(QStringLiteral("INSERT INTO summaries (payload) VALUES (?)"));
    insert.addBindValue(payload);
    if (!insert.exec()) {
        m_error = insert.lastError().text();
        return -1;
    }
    ++m_size;
    return m_size > m_capacity ? dropOldest(m_size - m_capacity) : 0;
}

qint64 PublishQueue::dropOldest(qint64 count)
{
    QSqlQuery drop(QSqlDatabase::database(m_connection, false));
    drop.prepare(QStringLiteral(
        "DELETE FROM summaries WHERE id IN (SELECT id FROM summaries ORDER BY id LIMIT ?)"));
    drop.addBindValue(count);
    if (!drop.exec()) {
        m_error = drop.lastError().text();
        return 0;
    }
    const qint64 dropped = drop.numRowsAffected();
    m_size -= dropped;
    return dropped;
}

QList<PublishQueue::Entry> PublishQueue::next(qint64 afterId, int count)
{
    QList<Entry> entries;
    QSqlQuery select(QSqlDatabase::database(m_connection, false));
    select.prepare(
        QStringLiteral("SELECT id, payload FROM summaries WHERE id > ? ORDER BY id LIMIT ?"));
    select.addBindValue(afterId);
    select.addBindValue(count);
    if (!select.exec()) {
        m_error = select.lastError().text();
        return entries;
    }
    while (select.next())
        entries.append({select.value(0).toLongLong(), select.value(1).toByteArray()});
    return entries;
}

bool PublishQueue::remove(qint64 id)
{
    QSqlQuery erase(QSqlDatabase::database(m_connection, false));
    erase.prepare(QStringLiteral("DELETE FROM summaries WHERE id = ?"));
    erase.addBindValue(id);
    if (!erase.exec()) {
        m_error = erase.lastError().text();
        return false;
    }
    m_size -= erase.numRowsAffected();
    return true;
}
