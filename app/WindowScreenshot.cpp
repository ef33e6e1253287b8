#include "WindowScreenshot.h"

#include "WholeFile.h"

#include <QDebug>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int DefaultDelayMs = 3000;

void grab(QWidget* window, const QString& path)
{
    if (WholeFile::writePng(path, window->grab().toImage())) {
        qInfo().noquote() << "Screenshot saved to" << path;
    } else {
        qWarning().noquote() << "Screenshot could not be saved to" << path;
    }
}

} // namespace

void WindowScreenshot::scheduleFromEnvironment(QWidget* window)
{
    const QString path = qEnvironmentVariable("CVO_SCREENSHOT");
    if (path.isEmpty()) {
        return;
    }
    bool ok = false;
    int delayMs = qEnvironmentVariableIntValue("CVO_SCREENSHOT_DELAY_MS", &ok);
    if (!ok || delayMs < 0) {
        delayMs = DefaultDelayMs;
    }
    QTimer::singleShot(delayMs, window, [window, path] { grab(window, path); });
}
