#pragma once

#include <QMutex>
#include <QStringList>

// Collects the log lines written while it exists, passing them on as before. Lines come
// from any thread (the control port's worker, a simulator) while the test reads them.
class LogCapture
{
public:
    LogCapture()
    {
        QMutexLocker lock(&s_mutex);
        s_lines.clear();
        s_previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture() { qInstallMessageHandler(s_previous); }
    int count(const QString& line) const { return int(lines().count(line)); }
    int indexOf(const QString& line) const { return int(lines().indexOf(line)); }

private:
    static QStringList lines()
    {
        QMutexLocker lock(&s_mutex);
        return s_lines;
    }
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        s_mutex.lock();
        s_lines.append(text);
        const QtMessageHandler previous = s_previous;
        s_mutex.unlock();
        previous(type, context, text); // outside the lock: it may take locks of its own
    }
    static inline QMutex s_mutex;
    static inline QStringList s_lines;
    static inline QtMessageHandler s_previous = nullptr;
};
