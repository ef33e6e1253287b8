#include "MonitoringRules.h"

#include <QCoreApplication>

namespace MonitoringRules {

namespace {

const char* const ButtonFrame = "border: 2px solid silver; border-radius: 3px; ";

QString mainWindowText(const char* text)
{
    return QCoreApplication::translate("MainWindow", text);
}

} // namespace

AlarmButtonLook alarmButtonLook(bool alarmEnabled, quint8 statusByte)
{
    const QString frame = QLatin1String(ButtonFrame);
    if (alarmEnabled && statusByte < 0x80) {
        if (statusByte & 0x01)
            return {true, frame + QStringLiteral("background-color: red;")};
        return {false, frame + QStringLiteral("background-color: lawngreen;")};
    }
    return {false, frame + QStringLiteral("background-color: palette( button );")};
}

DiskState diskState(qint64 freeBytes, qint64 totalBytes)
{
    const int percent = totalBytes > 0 ? int(double(freeBytes) * 100.0 / double(totalBytes)) : 0;
    if (percent < 10)
        return {percent, mainWindowText(QT_TRANSLATE_NOOP("MainWindow", "Save Stopped")),
                QStringLiteral("background-color: red;"), true};
    if (percent < 50)
        return {percent, mainWindowText(QT_TRANSLATE_NOOP("MainWindow", "Low")),
                QStringLiteral("background-color: orange;"), false};
    return {percent, mainWindowText(QT_TRANSLATE_NOOP("MainWindow", "OK")),
            QStringLiteral("background-color: darkturquoise;"), false};
}

} // namespace MonitoringRules
