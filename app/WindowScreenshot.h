#pragma once

class QWidget;

// Lets a run without a screen (the demo under Xvfb) leave a picture of the window:
// when CVO_SCREENSHOT names a PNG file, the window is grabbed into it once, after
// CVO_SCREENSHOT_DELAY_MS milliseconds (default 3000). Without the variable nothing happens.
class WindowScreenshot
{
public:
    static void scheduleFromEnvironment(QWidget* window);
};
