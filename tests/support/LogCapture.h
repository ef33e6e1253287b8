#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Collects the log lines written while it exists, passing them on as before.
class LogCapture
{
public:
    LogCapture()
    {
        s_lines.clear();
        s_previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture() { qInstallMessageHandler(s_previous); }
    int count(const QString& line) const { return int(s_lines.count(line)); }
    int indexOf(const QString& line) const { return int(s_lines.indexOf(line)); }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        s_lines.append(text);
        s_previous(type, context, text);
    }
    static inline QStringList s_lines;
    static inline QtMessageHandler s_previous = nullptr;
};
