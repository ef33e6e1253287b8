#pragma once

#include <QByteArray>
#include <QString>

// One log line per frame the simulated unit sends or receives, for a developer
// following a session with the manager (--log-frames). Silent unless enabled.
class FrameLog
{
public:
    enum class Direction
    {
        Received,
        Sent
    };

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool enabled() const { return m_enabled; }

    // `port` names the connection ("control", "data").
    void frame(const char* port, Direction direction, const QByteArray& frame) const;
    void note(const char* port, const QString& text) const;

    static QString typeName(int type);
    // "40 00 02 a0 00 a2": at most `maxBytes`, then "...".
    static QString hex(const QByteArray& bytes, int maxBytes);

private:
    bool m_enabled = false;
};
