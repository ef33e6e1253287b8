#pragma once

#include <QByteArray>
#include <QList>

// Cuts the manager's byte stream into molding machine requests: EOT (0x04), the item id,
// ENQ (0x05). Bytes outside a request are line noise and dropped; an EOT inside a request
// starts it over, as a controller resynchronises on the next start byte.
class MachineRequestReader
{
public:
    static constexpr char kEot = 0x04;
    static constexpr char kEnq = 0x05;
    // Longer than any id a settings table can hold; protects the buffer from a runaway line.
    static constexpr int kMaxIdLength = 64;

    // Returns the ids of the requests these bytes complete, in order.
    QList<QByteArray> feed(const QByteArray& bytes);
    // Drops a partly received request (the line went quiet in the middle of it).
    void reset();

    bool inRequest() const { return m_inRequest; }
    // Bytes dropped so far: noise, empty or over-long requests, abandoned partial requests.
    qint64 discardedBytes() const { return m_discarded; }

private:
    bool m_inRequest = false;
    QByteArray m_id;
    qint64 m_discarded = 0;
};
